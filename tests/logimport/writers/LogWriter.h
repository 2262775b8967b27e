#pragma once
// Builds binary and secured dive-log files from scratch for tests and fuzzing: standard records
// with their CRC-32, the whole-file CRC, the scrambling of datalog and memory-block data, and
// the secured envelope (AES-256-CBC with PKCS#7 padding, SHA-256 over the file with the fill
// value in place of the digest).
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "logimport/KeyMaterial.h"

namespace testlog {

using Bytes = std::vector<unsigned char>;

// The smallest file of each record group, written by hand: a header (writer 2 version 1.2.3.4,
// 15 March 2024 10:20:30, firmware 7.0.3), a datalog-user entry (tag 0x80, "ABC") and a DAN
// entry ("ZDD", number 7, "12"), then the stream CRC.
inline constexpr const char* kGoldenBinaryHex =
    "00000000001300000001020102030418030F0A141E00070003312FA345002100000008800000000341424319C7B9C100220000000A5A44"
    "44070000000231326661A891E267A952";

Bytes FromHex(std::string_view hex);
std::string ToHex(const Bytes& bytes);
Bytes operator+(Bytes left, const Bytes& right);

// Bitwise CRC-32 (reflected 0xEDB88320), independent of the program's table.
std::uint32_t Crc32(const Bytes& bytes);
Bytes BigEndian32(std::uint32_t value);

// type, length, data, CRC-32.
Bytes Record(std::uint16_t type, const Bytes& data);
// The records back to back, then their CRC-32.
Bytes BinaryFile(const std::vector<Bytes>& records);
// The body followed by the SHA-256 of the body with the fill value behind it.
Bytes WithDigest(const Bytes& body, const std::array<unsigned char, 32>& fill);
Bytes SecuredFile(const Bytes& binaryFile, const logimport::KeyMaterial& keys, const std::array<unsigned char, 16>& vector);

struct HeaderFields {
  unsigned char writer = 2;
  std::array<unsigned char, 4> writerVersion{1, 2, 3, 4};
  int year = 2024;
  unsigned char month = 3, day = 15, hour = 10, minute = 20, second = 30;
  std::array<unsigned char, 3> firmware{0x07, 0x00, 0x03};  // BCD major, minor, build
};
Bytes HeaderData(const HeaderFields& fields);
// The file-header record (type 0) of the fields.
Bytes HeaderRecord(const HeaderFields& fields = {});
Bytes UserEntry(unsigned char tag, const Bytes& values);
Bytes DanEntry(std::string_view head3, unsigned char number, const Bytes& values);
Bytes MemoryBlockData(const Bytes& offsetBytes, unsigned char device, unsigned char areaType, std::uint32_t address,
                      const Bytes& image);

// The 2048 keystream bytes of a seed, worked out as 128-bit rotations.
std::array<unsigned char, 2048> Keystream(const std::array<unsigned char, 16>& seed);
// XORs byte i with keystream (offset + i) mod 2048, skipping lines of width bytes that are all
// 0xFF (width 0: no line is skipped). XOR is its own inverse, so this scrambles and descrambles.
Bytes Scramble(const Bytes& bytes, const std::array<unsigned char, 16>& seed, int offset, std::size_t width);

void WriteFile(const std::filesystem::path& path, const Bytes& bytes);

}  // namespace testlog

using testlog::operator+;
