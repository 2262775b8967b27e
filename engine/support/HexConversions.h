#pragma once
// Hexadecimal, big-endian and device-number conversions used by the dive-log reader.
#include <cstdint>
#include <string>
#include <string_view>

// 0-9, A-F or a-f.
bool IsHexDigit(char c);
// Digit by digit (value × 16 + digit) over the whole text; a character that is not a hex digit
// counts as its code minus 87. Eight digits above 7FFFFFFF wrap to a negative value.
int HexToInt(std::string_view text);
// As HexToInt, but a text whose first digit is 8-F gives value − 0x10000 when it has exactly
// four digits and 0 otherwise.
int HexToShort(std::string_view text);
// Exactly eight upper-case hex digits, most significant byte first, as an IEEE single; else 0.
double HexToFloat(std::string_view text);
// Exactly eight hex digits as four bytes, least significant first, unsigned, divided by 4096;
// −1 for any other length.
double HexToFixedPoint(std::string_view text);
// The device's float layout: exponent in b3, sign in bit 7 of b2.
float FloatFromDeviceBytes(int b0, int b1, int b2, int b3);
// Consecutive hex pairs as bytes; a trailing odd digit is dropped.
std::string HexToBytes(std::string_view text);
// "%02X" of the XOR of all hex pairs; "00" for the empty text.
std::string XorChecksumHex(std::string_view text);
// The dive-log line check: false below 4 characters, else whether the last pair is the XOR of
// all pairs before it.
bool VerifyXorChecksumHex(std::string_view text);
// Signed 32-bit value of four bytes, most significant first.
std::int32_t ReadUInt32BE(const unsigned char* bytes);
bool WriteUInt32BE(std::uint32_t value, unsigned char* bytes);
// Firmware number of a 5-byte field: bytes 1-3 read as two decimal digits each (BCD),
// major × 1000000 + minor × 1000 + build.
int VersionFromBytes(const unsigned char bytes[5]);
