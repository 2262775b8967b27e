#include "logimport/Digests.h"

#include <algorithm>
#include <cstring>

void CBlockDigest::Update(const unsigned char* bytes, std::size_t length) {
  std::size_t filled = static_cast<std::size_t>(byteCount_ % blockSize_);
  byteCount_ += length;
  while (length > 0) {
    const std::size_t take = std::min(length, blockSize_ - filled);
    std::memcpy(buffer_.data() + filled, bytes, take);
    filled += take;
    bytes += take;
    length -= take;
    if (filled == blockSize_) {
      Transform(buffer_.data());
      filled = 0;
    }
  }
}

void CBlockDigest::Pad(std::size_t lengthFieldSize, bool bigEndian) {
  const std::uint64_t bitCount = byteCount_ * 8;
  const std::size_t filled = static_cast<std::size_t>(byteCount_ % blockSize_);
  const std::size_t room = blockSize_ - lengthFieldSize;
  const std::size_t padLength = filled < room ? room - filled : blockSize_ + room - filled;
  static constexpr unsigned char kPadding[128] = {0x80};
  Update(kPadding, padLength);
  unsigned char lengthField[16] = {};
  for (std::size_t i = 0; i < 8; ++i) {
    const auto byte = static_cast<unsigned char>(bitCount >> (8 * i));
    if (bigEndian) lengthField[lengthFieldSize - 1 - i] = byte; else lengthField[i] = byte;
  }
  Update(lengthField, lengthFieldSize);
}
