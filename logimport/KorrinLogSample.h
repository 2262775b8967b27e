#pragma once
// One sample of a logged dive: the sample line's readings at the sample's time, the latest
// extended lines (gas and settings, gradient factors, word values, second pressure pair,
// dive-depth limits, compartment loadings) and what the log container adds (surface pressure,
// sample interval, dive state and its own marks). Also the record of one solenoid event.
#include <array>
#include <string_view>

#include "logimport/KorrinLogReadings.h"

class CKorrinLogSample {
 public:
  static constexpr int kCompartments = 16;
  using Compartments = std::array<double, kCompartments>;

  struct ExtendedValues {
    std::array<int, 12> pairFirst{};
    std::array<int, 12> pairSecond{};
    int line9Int = -1;
    std::array<double, 12> wordValues{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    double wordExtra = -1;
    int line12Code = 0;
    double line12ValueB = 0;
    double valueE = 0;
    double line12Float = 0;
    int line12Int = -1;
    unsigned char line13Byte = 0;
    std::array<double, 8> line13Values{};
    std::array<double, 8> line64Values{};
  };

  void SetTimeStamped(bool timeStamped) { timeStamped_ = timeStamped; }
  void SetFirmwareVersion(int version);
  void SetDiveOpen(bool open) { diveOpen_ = open; }
  // Stores the time, then the readings of a line of the layout's length; the plain layout has
  // its voted readings worked out from the cells.
  void Parse(int timeSec, std::string_view line);
  void ParseExtended(int subRecordType, std::string_view line);
  // A value outside 600 to 1080 millibar is taken as 1000.
  void SetSurfacePressure(double mbar);
  void SetAmbientPressure(double mbar) { readings_.ambientPressureMbar = mbar; }
  // Clamped to 1 to 120 s.
  void SetSampleInterval(int seconds);
  // Enters the dive below the start depth and leaves it above the end depth; without line 13
  // the previous state is returned and nothing is stored.
  unsigned char UpdateDiveState(unsigned char previous);

  int GetTime() const { return timeSec_; }
  // Whether the sample carries the dive's surface pressure and compartment loadings: a dive
  // section was open when it was made.
  bool CarriesSurfacePressureAndTissues() const { return diveOpen_ != 0; }
  double GetSurfacePressure() const { return surfacePressureMbar_; }
  double GetAmbientPressure() const { return readings_.ambientPressureMbar; }
  double GetO2Percent() const { return gasO2_; }
  double GetHePercent() const { return gasHe_; }
  double GetThirdGas() const { return gasThird_; }
  double GetGfLow() const { return gfLow_; }
  double GetGfHigh() const { return gfHigh_; }
  const Compartments& GetNitrogenCompartments() const { return compartmentsA_; }
  const Compartments& GetHeliumCompartments() const { return compartmentsB_; }
  // 0-2 the cells of set A, 3 its voted value (the set-point), 4-6 and 7 the same of set B;
  // 0 for any other index.
  double GetValue(int index) const;
  // Depth in metres from the sample's pressures, never below 0.
  double GetDepth() const;
  // The same from the second pressure pair of line 12.
  double GetDepthB() const;
  double GetScaledValue() const { return extended_.line12Float * 100.0; }
  double GetValueC() const { return readings_.valueC; }
  double GetValueD() const { return readings_.valueD; }
  double GetValueE() const { return extended_.valueE < 0 ? 0.0 : extended_.valueE / 100.0; }
  int GetSampleInterval() const { return sampleIntervalSec_; }
  int GetFirmwareVersion() const { return firmwareVersion_; }
  unsigned char GetDiveState() const { return inDive_; }
  // Status bits of the sample; bit value 4 marks a sample taken inside the dive.
  const std::array<unsigned char, 10>& GetStateBytes() const { return stateBytes_; }
  bool IsInsideDive() const { return (stateBytes_[0] & 4) != 0; }
  bool HasLine13() const { return hasLine13_; }
  double GetStartDepth() const { return startDepthM_; }
  double GetEndDepth() const { return endDepthM_; }
  double GetAmbientPressureB() const { return ambientPressureBMbar_; }
  double GetSurfacePressureB() const { return surfacePressureBMbar_; }
  const SampleReadings& GetReadings() const { return readings_; }
  const ExtendedValues& GetExtended() const { return extended_; }

  // Marks that only the container sets: the sample was made at a line 28 or 29, or at a dive's
  // opening or closing line.
  unsigned char mark28 = 0;
  unsigned char mark29 = 0;
  unsigned char diveMark = 0;

 private:
  void ParseTimeStampedExtended(int type, std::string_view line);
  void ParsePlainExtended(int type, std::string_view line);
  void ParseLine12(std::string_view line, std::size_t shift);
  void ParseCompartments(int type, std::string_view line);
  void ReadPairs(std::string_view line, std::size_t at, std::size_t count, std::size_t first);
  void ReadWords(std::string_view line, std::size_t at, std::size_t count, std::size_t first);
  void VoteReadings();

  int timeSec_ = 0;
  double surfacePressureMbar_ = 1000;
  unsigned char diveOpen_ = 0;
  bool timeStamped_ = false;
  int firmwareVersion_ = 0;
  bool fwAbove3009035_ = false;
  int sampleIntervalSec_ = 10;
  unsigned char inDive_ = 0;

  SampleReadings readings_;
  double gasO2_ = 0, gasHe_ = 0, gasThird_ = 0;
  std::array<unsigned char, 10> stateBytes_{};
  ExtendedValues extended_;
  double ambientPressureBMbar_ = 0;
  double surfacePressureBMbar_ = 0;
  bool hasLine13_ = false;
  double endDepthM_ = 0, startDepthM_ = 0;
  double gfLow_ = 0, gfHigh_ = 0;
  Compartments compartmentsA_{};
  Compartments compartmentsB_{};
};

class CKorrinLogSolenoidSample {
 public:
  void Set(unsigned char state, int timeSec) {
    state_ = state;
    timeSec_ = timeSec;
  }
  int GetTime() const { return timeSec_; }
  unsigned char GetState() const { return state_; }

 private:
  int timeSec_ = 0;
  unsigned char state_ = 0;
};
