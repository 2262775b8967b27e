#include "logimport/KorrinLogReadings.h"

#include "logimport/LogLineFields.h"

namespace {

using logline::Byte;

// Three cells of hundredths, then (time-stamped only) the voted value, then two fortieths and the
// status byte.
std::size_t ReadSensorSet(std::string_view line, std::size_t at, bool timeStamped, SensorSet& set) {
  for (std::size_t i = 0; i < 3; ++i) set.cells[i] = Byte(line, at + 2 * i) / 100.0;
  at += 6;
  if (timeStamped) {
    set.voted = Byte(line, at) / 100.0;
    at += 2;
  }
  for (std::size_t i = 0; i < 2; ++i) set.fortieths[i] = Byte(line, at + 2 * i) / 40.0;
  set.status = static_cast<unsigned char>(Byte(line, at + 4));
  return at + 6;
}

}  // namespace

void ReadSampleLine(std::string_view line, bool timeStamped, SampleReadings& readings) {
  std::size_t at = timeStamped ? 10 : 2;
  readings.ambientPressureMbar = logline::Word(line, at);
  at += 4;
  if (timeStamped) {
    readings.signedTenths = logline::SignedWord(line, at) / 10.0;
    at += 4;
  }
  at = ReadSensorSet(line, at, timeStamped, readings.setA);
  at = ReadSensorSet(line, at, timeStamped, readings.setB);
  readings.byteB2 = static_cast<unsigned char>(Byte(line, at));
  if (!timeStamped) return;
  readings.byte48 = static_cast<unsigned char>(Byte(line, 48));
  readings.byte50 = static_cast<unsigned char>(Byte(line, 50));
  for (std::size_t i = 0; i < 3; ++i) readings.bytes52[i] = static_cast<unsigned char>(Byte(line, 52 + 2 * i));
  readings.fallback = Byte(line, 58) / 100.0;
  readings.valueC = Byte(line, 60);
  readings.valueD = Byte(line, 62);
}

void ReadQuarterLine(std::string_view line, bool timeStamped, SampleReadings& readings) {
  const std::size_t at = timeStamped ? 10 : 2;
  for (std::size_t i = 0; i < 9; ++i) readings.quarters[i] = Byte(line, at + 2 * i) * 0.25;
  readings.quarterByte = static_cast<unsigned char>(Byte(line, at + 18));
  if (timeStamped) {
    readings.tenthsE = logline::Word(line, 36) / 10.0;
    return;
  }
  readings.signedTenths = logline::SignedWord(line, 22) / 10.0;
  readings.valueC = Byte(line, 26);
  readings.valueD = Byte(line, 28);
  readings.tenthsE = Byte(line, 30) / 10.0;
}
