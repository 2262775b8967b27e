#include "logimport/StandardRecord.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "engine/support/HexConversions.h"
#include "logimport/HashCalculator.h"
#include "logimport/LogFileAccess.h"

bool CStandardRecord::Load(const unsigned char* data, std::uint32_t length, const unsigned char* storedChecksum) {
  valid_ = false;
  image_.clear();
  dataLength_ = 0;
  if ((!data && length != 0) || !storedChecksum) return false;
  const std::uint64_t total = kOverhead + static_cast<std::uint64_t>(length);
  if (total > logimport::kMaxLogFileBytes) return false;
  try {
    image_.assign(static_cast<std::size_t>(total), 0);
  } catch (const std::bad_alloc&) {
    return false;
  }
  dataLength_ = length;
  image_[kTypeAt] = static_cast<unsigned char>(type_ >> 8);
  image_[kTypeAt + 1] = static_cast<unsigned char>(type_);
  WriteUInt32BE(length, image_.data() + kLengthAt);
  if (length != 0) std::memcpy(image_.data() + kDataAt, data, length);
  WriteCrc();
  valid_ = std::equal(image_.begin() + static_cast<std::ptrdiff_t>(CrcPosition()), image_.end(), storedChecksum);
  return valid_;
}

bool CStandardRecord::ReplaceData(const unsigned char* bytes, std::size_t length) {
  if (image_.empty() || length != dataLength_ || (!bytes && length != 0)) return false;
  if (length != 0) std::memcpy(image_.data() + kDataAt, bytes, length);
  WriteCrc();
  valid_ = true;
  return true;
}

const unsigned char* CStandardRecord::GetData() const { return valid_ ? image_.data() + kDataAt : nullptr; }

std::uint32_t CStandardRecord::ComputeCrc() const {
  CHashCalculator calculator;
  calculator.SetHashType(CHashCalculator::kCrc32);
  calculator.SetSource(CHashCalculator::kBuffer);
  calculator.SetBuffer(image_.data(), static_cast<int>(CrcPosition()));
  return calculator.GetCrc32Value();
}

void CStandardRecord::WriteCrc() {
  crc_ = ComputeCrc();
  WriteUInt32BE(crc_, image_.data() + CrcPosition());
}
