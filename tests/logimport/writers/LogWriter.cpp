#include "tests/logimport/writers/LogWriter.h"

#include <fstream>
#include <stdexcept>

#include "logimport/Digests.h"
#include "tests/logimport/writers/TestAes.h"

namespace testlog {

Bytes FromHex(std::string_view hex) {
  Bytes bytes;
  for (std::size_t at = 0; at + 1 < hex.size(); at += 2) bytes.push_back(static_cast<unsigned char>(std::stoi(std::string(hex.substr(at, 2)), nullptr, 16)));
  return bytes;
}

std::string ToHex(const Bytes& bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (unsigned char byte : bytes) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 15];
  }
  return text;
}

Bytes operator+(Bytes left, const Bytes& right) {
  left.insert(left.end(), right.begin(), right.end());
  return left;
}

std::uint32_t Crc32(const Bytes& bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char byte : bytes) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

Bytes BigEndian32(std::uint32_t value) {
  return {static_cast<unsigned char>(value >> 24), static_cast<unsigned char>(value >> 16),
          static_cast<unsigned char>(value >> 8), static_cast<unsigned char>(value)};
}

Bytes Record(std::uint16_t type, const Bytes& data) {
  Bytes wire = Bytes{static_cast<unsigned char>(type >> 8), static_cast<unsigned char>(type)} +
               BigEndian32(static_cast<std::uint32_t>(data.size())) + data;
  return wire + BigEndian32(Crc32(wire));
}

Bytes BinaryFile(const std::vector<Bytes>& records) {
  Bytes stream;
  for (const Bytes& record : records) stream = stream + record;
  return stream + BigEndian32(Crc32(stream));
}

Bytes SecuredFile(const Bytes& binaryFile, const logimport::KeyMaterial& keys, const std::array<unsigned char, 16>& vector) {
  Bytes padded = binaryFile;
  const auto padding = static_cast<unsigned char>(16 - padded.size() % 16);
  padded.insert(padded.end(), padding, padding);
  return WithDigest(Bytes{0xF3, 0x53, 0x46, 0x01} + Bytes(vector.begin(), vector.end()) + EncryptCbc(keys.aesKey, vector, padded),
                    keys.digestFill);
}

Bytes WithDigest(const Bytes& body, const std::array<unsigned char, 32>& fill) {
  const Bytes withFill = body + Bytes(fill.begin(), fill.end());
  CSha2 sha;
  sha.Init(256);
  sha.Update(withFill.data(), withFill.size());
  return body + sha.Final();
}

Bytes HeaderData(const HeaderFields& f) {
  return Bytes{0x00, 0x00, 0x00, 0x02, f.writer} + Bytes(f.writerVersion.begin(), f.writerVersion.end()) +
         Bytes{static_cast<unsigned char>(f.year - 2000), f.month, f.day, f.hour, f.minute, f.second, 0x00} +
         Bytes(f.firmware.begin(), f.firmware.end());
}

Bytes HeaderRecord(const HeaderFields& fields) { return Record(0, HeaderData(fields)); }

Bytes UserEntry(unsigned char tag, const Bytes& values) {
  return Bytes{tag} + BigEndian32(static_cast<std::uint32_t>(values.size())) + values;
}

Bytes DanEntry(std::string_view head3, unsigned char number, const Bytes& values) {
  return Bytes(head3.begin(), head3.begin() + 3) + Bytes{number} + BigEndian32(static_cast<std::uint32_t>(values.size())) + values;
}

Bytes MemoryBlockData(const Bytes& offsetBytes, unsigned char device, unsigned char areaType, std::uint32_t address,
                      const Bytes& image) {
  return offsetBytes + Bytes{device, areaType} + BigEndian32(address) + image;
}

std::array<unsigned char, 2048> Keystream(const std::array<unsigned char, 16>& seed) {
  unsigned __int128 value = 0;
  for (unsigned char byte : seed) value = value << 8 | byte;
  std::array<unsigned char, 2048> stream{};
  for (int block = 0; block < 128; ++block) {
    for (int i = 0; i < 16; ++i) stream[static_cast<std::size_t>(16 * block + i)] = static_cast<unsigned char>(value >> (8 * (15 - i)));
    value = value << 1 | value >> 127;
  }
  return stream;
}

Bytes Scramble(const Bytes& bytes, const std::array<unsigned char, 16>& seed, int offset, std::size_t width) {
  const auto stream = Keystream(seed);
  Bytes out = bytes;
  for (std::size_t start = 0; start < out.size(); start += width ? width : out.size()) {
    const std::size_t end = width ? std::min(out.size(), start + width) : out.size();
    bool allFF = width != 0 && end - start == width;
    for (std::size_t i = start; allFF && i < end; ++i) allFF = out[i] == 0xFF;
    if (allFF) continue;
    for (std::size_t i = start; i < end; ++i) out[i] ^= stream[(static_cast<std::size_t>(offset) + i) % 2048];
  }
  return out;
}

void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace testlog
