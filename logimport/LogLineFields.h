#pragma once
// Fields of one dive-log text line: hex digit pairs, the line type first and the check byte
// last, positions counted in characters from the start of the line. A field that does not lie
// wholly inside the line reads as 0 (or as an invalid date-time), so no record parser can read
// past a short line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "logimport/LogDateTime.h"

namespace logline {

inline constexpr std::size_t kPlainLength = 34;        // type, 15 data bytes, check byte
inline constexpr std::size_t kTimeStampedLength = 66;  // type, 4-byte time stamp, 27 data bytes, check byte
inline constexpr std::size_t kStampAt = 2;

// The digits at `at` as an unsigned number below 16 to the power of digits (1 to 8 digits).
std::uint32_t Hex(std::string_view line, std::size_t at, std::size_t digits);
inline int Byte(std::string_view line, std::size_t at) { return static_cast<int>(Hex(line, at, 2)); }
inline int Word(std::string_view line, std::size_t at) { return static_cast<int>(Hex(line, at, 4)); }
inline int LineType(std::string_view line) { return Byte(line, 0); }
// Two's-complement readings of a byte and a word.
int SignedByte(std::string_view line, std::size_t at);
int SignedWord(std::string_view line, std::size_t at);
// Eight digits as four bytes, least significant first, in 1/4096 s.
double Stamp(std::string_view line, std::size_t at = kStampAt);
// Eight upper-case digits as an IEEE single, most significant byte first; not-a-number and
// infinities read as 0, as nothing downstream could use them.
double Float(std::string_view line, std::size_t at);
// Eight digits as the device's own float layout (bytes in line order); non-finite reads as 0.
double DeviceFloat(std::string_view line, std::size_t at);
// Six bytes: day, month, year − 2000, hour, minute, second.
CLogDateTime DateTime(std::string_view line, std::size_t at);
// The bytes from `at` up to the check byte, each taken as a character.
std::string Text(std::string_view line, std::size_t at);
// The leading decimal digits of the text as a number (0 without any).
int DecimalDigits(std::string_view digits);

}  // namespace logline
