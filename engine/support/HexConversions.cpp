#include "engine/support/HexConversions.h"

#include <bit>
#include <cstdio>

namespace {

unsigned HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
  if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
  return static_cast<unsigned>(static_cast<unsigned char>(c)) - 87u;  // 'a'..'f' give 10..15
}

bool IsUpperHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }

unsigned HexPair(std::string_view text, std::size_t at) {
  return static_cast<unsigned>(HexToInt(text.substr(at, 2))) & 0xFFu;
}

int DecimalPrefix(const char* text) {
  int value = 0;
  for (; *text >= '0' && *text <= '9'; ++text) value = value * 10 + (*text - '0');
  return value;
}

}  // namespace

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

int HexToInt(std::string_view text) {
  std::uint32_t value = 0;
  for (char c : text) value = value * 16u + HexDigitValue(c);
  return static_cast<int>(value);
}

int HexToShort(std::string_view text) {
  if (!text.empty() && IsHexDigit(text[0]) && HexDigitValue(text[0]) >= 8) {
    return text.size() == 4 ? HexToInt(text) - 0x10000 : 0;
  }
  return HexToInt(text);
}

double HexToFloat(std::string_view text) {
  if (text.size() != 8) return 0.0;
  for (char c : text) {
    if (!IsUpperHexDigit(c)) return 0.0;
  }
  return std::bit_cast<float>(static_cast<std::uint32_t>(HexToInt(text)));
}

double HexToFixedPoint(std::string_view text) {
  if (text.size() != 8) return -1.0;
  std::uint32_t value = 0;
  for (int pair = 3; pair >= 0; --pair) value = value << 8 | HexPair(text, static_cast<std::size_t>(pair) * 2);
  return static_cast<double>(value) / 4096.0;
}

float FloatFromDeviceBytes(int b0, int b1, int b2, int b3) {
  std::uint32_t byte0 = static_cast<std::uint32_t>(b0) & 0xFFu;
  std::uint32_t byte1 = static_cast<std::uint32_t>(b1) & 0xFFu;
  std::uint32_t byte2 = (static_cast<std::uint32_t>(b2) & 0x7Fu) | ((static_cast<std::uint32_t>(b3) & 1u) << 7);
  std::uint32_t byte3 = (static_cast<std::uint32_t>(b2) & 0x80u) | ((static_cast<std::uint32_t>(b3) & 0xFFu) >> 1);
  return std::bit_cast<float>(byte0 | byte1 << 8 | byte2 << 16 | byte3 << 24);
}

std::string HexToBytes(std::string_view text) {
  std::string bytes;
  bytes.reserve(text.size() / 2);
  for (std::size_t at = 0; at + 1 < text.size(); at += 2) bytes += static_cast<char>(HexPair(text, at));
  return bytes;
}

std::string XorChecksumHex(std::string_view text) {
  unsigned checksum = 0;
  for (std::size_t at = 0; at + 1 < text.size(); at += 2) checksum ^= HexPair(text, at);
  char out[3];
  std::snprintf(out, sizeof out, "%02X", checksum & 0xFFu);
  return out;
}

bool VerifyXorChecksumHex(std::string_view text) {
  if (text.size() < 4) return false;
  const std::size_t lastPair = text.size() - 2;
  return XorChecksumHex(text.substr(0, lastPair)) == XorChecksumHex(text.substr(lastPair));
}

std::int32_t ReadUInt32BE(const unsigned char* bytes) {
  std::uint32_t value = static_cast<std::uint32_t>(bytes[0]) << 24 | static_cast<std::uint32_t>(bytes[1]) << 16 |
                        static_cast<std::uint32_t>(bytes[2]) << 8 | bytes[3];
  return static_cast<std::int32_t>(value);
}

bool WriteUInt32BE(std::uint32_t value, unsigned char* bytes) {
  bytes[0] = static_cast<unsigned char>(value >> 24);
  bytes[1] = static_cast<unsigned char>(value >> 16);
  bytes[2] = static_cast<unsigned char>(value >> 8);
  bytes[3] = static_cast<unsigned char>(value);
  return true;
}

int VersionFromBytes(const unsigned char bytes[5]) {
  char digits[3][3];
  for (int i = 0; i < 3; ++i) std::snprintf(digits[i], sizeof digits[i], "%02X", bytes[i + 1]);
  return DecimalPrefix(digits[0]) * 1000000 + DecimalPrefix(digits[1]) * 1000 + DecimalPrefix(digits[2]);
}
