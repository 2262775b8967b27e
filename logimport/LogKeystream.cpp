#include "logimport/LogKeystream.h"

#include <algorithm>
#include <cstdint>

#include "logimport/KeyMaterial.h"

CLogKeystream::CLogKeystream() : CLogKeystream(logimport::CurrentKeyMaterial().keystreamSeed) {}

CLogKeystream::CLogKeystream(const std::array<unsigned char, kSeedLength>& seed) {
  std::copy(seed.begin(), seed.end(), stream_.begin());
  for (std::size_t at = kSeedLength; at < stream_.size(); at += kSeedLength) {
    const unsigned char* previous = stream_.data() + at - kSeedLength;
    for (std::size_t i = 0; i < kSeedLength; ++i) {
      const unsigned char next = previous[(i + 1) % kSeedLength];  // its top bit moves in from the right
      stream_[at + i] = static_cast<unsigned char>(previous[i] << 1 | next >> 7);
    }
  }
}

void CLogKeystream::Apply(unsigned char* byte, int index) const {
  if (byte && index >= 0 && index < kLength) *byte ^= stream_[static_cast<std::size_t>(index)];
}

void CLogKeystream::ApplyByLines(unsigned char* bytes, std::size_t length, std::size_t width, int offset) const {
  if (width == 0) return;
  for (std::size_t start = 0; start < length; start += width) {
    const std::size_t end = std::min(length, start + width);
    const bool allFF = end - start == width && std::all_of(bytes + start, bytes + end, [](unsigned char b) { return b == 0xFF; });
    if (!allFF) {
      for (std::size_t i = start; i < end; ++i) Apply(bytes + i, static_cast<int>((static_cast<std::size_t>(offset) + i) % kLength));
    }
  }
}

void CLogKeystream::ApplyToAll(unsigned char* bytes, std::size_t length, int offset) const {
  for (std::size_t i = 0; i < length; ++i) Apply(bytes + i, static_cast<int>((static_cast<std::size_t>(offset) + i) % kLength));
}

KeyOffset KeyOffsetFromBytes(const unsigned char* bytes) {
  std::uint32_t product = 1;
  for (int i = 0; i < 4; ++i) product *= bytes[i];
  const int remainder = static_cast<std::int32_t>(product) % CLogKeystream::kLength;
  return remainder >= 0 ? KeyOffset{remainder, true} : KeyOffset{0, false};
}
