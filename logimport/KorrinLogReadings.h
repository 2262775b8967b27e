#pragma once
// The readings of a dive computer's sample line and of its quarter line (line 20, and line 4 in
// the plain layout). The pre-dive record and every sample hold them in the same layout.
#include <array>
#include <string_view>

struct SensorSet {
  std::array<double, 3> cells{};  // oxygen partial pressures, bar
  double voted = 0;
  std::array<double, 2> fortieths{};
  unsigned char status = 0;  // bits 0, 1 and 2 exclude cells 1, 2 and 3
};

struct SampleReadings {
  double ambientPressureMbar = 0;
  double signedTenths = 0;
  SensorSet setA;
  SensorSet setB;
  unsigned char byteB2 = 0;
  unsigned char byte48 = 0;
  unsigned char byte50 = 0;
  std::array<unsigned char, 3> bytes52{};
  double fallback = 0;
  double valueC = 0;
  double valueD = 0;
  std::array<double, 9> quarters{};
  unsigned char quarterByte = 0;
  double tenthsE = 0;
};

// Both read a line of the layout's length; the time-stamped layout carries more fields (voted
// values and the bytes from 48 on in the sample line) and fewer in the quarter line.
void ReadSampleLine(std::string_view line, bool timeStamped, SampleReadings& readings);
void ReadQuarterLine(std::string_view line, bool timeStamped, SampleReadings& readings);
