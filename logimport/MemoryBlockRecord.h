#pragma once
// Decoder of the memory-block record (type 16): key-offset bytes (0-3), the device's bus id (4),
// the area type (5), the area address (6-9, big-endian) and the image of the area (10 on).
#include <cstdint>
#include <string>

#include "logimport/LogKeystream.h"
#include "logimport/RecordDecoder.h"

class CSRMemoryBlock : public CSRDecoder {
 public:
  static constexpr std::size_t kImageAt = 10;
  static constexpr std::size_t kLineWidth = 16;
  static constexpr std::int32_t kLogStoreKey = 13;

  CSRMemoryBlock() : CSRDecoder(std::vector<unsigned char>(kImageAt, 0)) {}

  int GetDeviceId() const { return GetByte(4); }
  int GetAreaType() const { return GetByte(5); }
  std::uint32_t GetAreaAddress() const;
  std::size_t GetImageLength() const { return data_.size() > kImageAt ? data_.size() - kImageAt : 0; }
  const KeyOffset& GetKeyOffset() const { return keyOffset_; }

  // A block of a controller's or the recorder's log store, at that store's start.
  bool IsKnownBlock() const;
  // Descrambles the image: a known block line by line (all-0xFF lines kept), any other whole.
  void Decode();

  // "B0", device id, area type, "%08X" address, XOR pair.
  std::string GetHeaderLine() const;
  // "B1", every image byte, XOR pair.
  std::string GetImageLine() const;

 private:
  void OnDataSet() override;

  KeyOffset keyOffset_;
};
