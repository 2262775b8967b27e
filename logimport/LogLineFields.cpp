#include "logimport/LogLineFields.h"

#include <cmath>

#include "engine/support/HexConversions.h"

namespace logline {

namespace {

bool Fits(std::string_view line, std::size_t at, std::size_t count) { return at <= line.size() && count <= line.size() - at; }

double Finite(double value) { return std::isfinite(value) ? value : 0.0; }

}  // namespace

std::uint32_t Hex(std::string_view line, std::size_t at, std::size_t digits) {
  if (digits == 0 || digits > 8 || !Fits(line, at, digits)) return 0;
  const auto value = static_cast<std::uint32_t>(HexToInt(line.substr(at, digits)));
  return digits == 8 ? value : value & ((1u << (4 * digits)) - 1u);
}

int SignedByte(std::string_view line, std::size_t at) {
  const int value = Byte(line, at);
  return value >= 0x80 ? value - 0x100 : value;
}

int SignedWord(std::string_view line, std::size_t at) {
  const int value = Word(line, at);
  return value >= 0x8000 ? value - 0x10000 : value;
}

double Stamp(std::string_view line, std::size_t at) {
  return Fits(line, at, 8) ? HexToFixedPoint(line.substr(at, 8)) : 0.0;
}

double Float(std::string_view line, std::size_t at) { return Fits(line, at, 8) ? Finite(HexToFloat(line.substr(at, 8))) : 0.0; }

double DeviceFloat(std::string_view line, std::size_t at) {
  if (!Fits(line, at, 8)) return 0.0;
  return Finite(FloatFromDeviceBytes(Byte(line, at), Byte(line, at + 2), Byte(line, at + 4), Byte(line, at + 6)));
}

CLogDateTime DateTime(std::string_view line, std::size_t at) {
  if (!Fits(line, at, 12)) return CLogDateTime();
  return CLogDateTime::FromFields(2000 + Byte(line, at + 4), Byte(line, at + 2), Byte(line, at), Byte(line, at + 6),
                                  Byte(line, at + 8), Byte(line, at + 10));
}

std::string Text(std::string_view line, std::size_t at) {
  if (line.size() < 2 || at >= line.size() - 2) return {};
  return HexToBytes(line.substr(at, line.size() - 2 - at));
}

int DecimalDigits(std::string_view digits) {
  int value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9' || value > 99999999) break;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace logline
