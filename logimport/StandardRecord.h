#pragma once
// One standard record of a binary log stream: a 16-bit type, a 32-bit data length L, the data
// and the CRC-32 of type, length and data, all numbers big-endian. A record whose stored CRC
// does not match is kept, marked invalid, and offers no data.
#include <cstddef>
#include <cstdint>
#include <vector>

class CStandardRecord {
 public:
  static constexpr std::size_t kChecksumSize = 4;
  static constexpr std::size_t kOverhead = 10;
  static constexpr std::size_t kTypeAt = 0;
  static constexpr std::size_t kLengthAt = 2;
  static constexpr std::size_t kDataAt = 6;

  enum Type : std::uint16_t {
    kFileHeader = 0,
    kMemoryBlock = 16,
    kDatalogComputer = 32,
    kDatalogUser = 33,
    kDanData = 34,
  };

  explicit CStandardRecord(std::uint16_t type) : type_(type) {}

  // Builds the wire image from the type, length and data, computes its CRC-32 and compares it
  // with the four stored bytes: true and valid when equal. False also when the image cannot be
  // held.
  bool Load(const unsigned char* data, std::uint32_t length, const unsigned char* storedChecksum);
  // Only with exactly L bytes and an image: copies them over the data, rewrites the CRC and
  // marks the record valid.
  bool ReplaceData(const unsigned char* bytes, std::size_t length);

  const unsigned char* GetData() const;  // null unless valid
  std::uint32_t GetDataLength() const { return dataLength_; }
  std::uint64_t GetTotalLength() const { return kOverhead + static_cast<std::uint64_t>(dataLength_); }
  std::uint16_t GetType() const { return type_; }
  std::uint32_t GetCrc() const { return crc_; }
  bool IsValid() const { return valid_; }

 private:
  std::uint32_t ComputeCrc() const;
  std::size_t CrcPosition() const { return kDataAt + dataLength_; }
  void WriteCrc();

  std::uint16_t type_;
  std::uint32_t crc_ = 0;
  std::uint32_t dataLength_ = 0;
  bool valid_ = false;
  std::vector<unsigned char> image_;
};
