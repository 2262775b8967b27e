#pragma once
// The XOR keystream that scrambles datalog and memory-block records: 128 blocks of 16 bytes,
// block 0 the seed and each further block the one before rotated left by one bit as a 128-bit
// number whose first byte is the most significant.
#include <array>
#include <cstddef>

class CLogKeystream {
 public:
  static constexpr int kLength = 2048;
  static constexpr std::size_t kSeedLength = 16;

  CLogKeystream();  // from the seed of the key material in force
  explicit CLogKeystream(const std::array<unsigned char, kSeedLength>& seed);

  // XORs the byte with keystream byte index when the byte exists and the index is 0 to 2047.
  void Apply(unsigned char* byte, int index) const;
  // XORs byte i of the region with keystream byte (offset + i) mod 2048, line by line of width
  // bytes; a line whose width bytes are all 0xFF is left alone. A short last line is not all
  // 0xFF and is XORed up to the end of the region.
  void ApplyByLines(unsigned char* bytes, std::size_t length, std::size_t width, int offset) const;
  // The same with no line left out.
  void ApplyToAll(unsigned char* bytes, std::size_t length, int offset) const;

 private:
  std::array<unsigned char, kLength> stream_{};
};

// The key offset of a scrambled record: the product of its four key-offset bytes as a wrapping
// signed 32-bit number, its remainder by 2048 with the sign of the product; usable (valid) when
// that remainder is not negative, else the offset is 0.
struct KeyOffset {
  int offset = 0;
  bool valid = true;
};
KeyOffset KeyOffsetFromBytes(const unsigned char* bytes);
