#include "logimport/KorrinLogSample.h"

#include <algorithm>
#include <cmath>

#include "logimport/LogLineFields.h"

using logline::Byte;
using logline::Word;

namespace {

constexpr int kMinIntervalSec = 1;
constexpr int kMaxIntervalSec = 120;

unsigned char ByteAt(std::string_view line, std::size_t at) { return static_cast<unsigned char>(Byte(line, at)); }

// The voted reading of a sensor set: excluded cells left out, else the mean of the closest pair,
// else (a tie for the closest) the first cell.
double Vote(const SensorSet& set, double fallback) {
  const auto& r = set.cells;
  switch (set.status & 7) {
    case 7: return fallback;
    case 3: return r[2];
    case 5: return r[1];
    case 6: return r[0];
    case 1: return (r[1] + r[2]) / 2;
    case 2: return (r[0] + r[2]) / 2;
    case 4: return (r[0] + r[1]) / 2;
    default: break;
  }
  const double d12 = std::fabs(r[0] - r[1]);
  const double d13 = std::fabs(r[0] - r[2]);
  const double d23 = std::fabs(r[1] - r[2]);
  if (d12 < d13 && d12 < d23) return (r[0] + r[1]) / 2;
  if (d13 < d12 && d13 < d23) return (r[0] + r[2]) / 2;
  if (d23 < d12 && d23 < d13) return (r[1] + r[2]) / 2;
  return r[0];
}

}  // namespace

void CKorrinLogSample::SetFirmwareVersion(int version) {
  firmwareVersion_ = version;
  fwAbove3009035_ = version > 3009035;
}

void CKorrinLogSample::Parse(int timeSec, std::string_view line) {
  timeSec_ = timeSec;
  if (line.size() != (timeStamped_ ? logline::kTimeStampedLength : logline::kPlainLength)) return;
  ReadSampleLine(line, timeStamped_, readings_);
  if (timeStamped_) {
    std::copy(readings_.bytes52.begin(), readings_.bytes52.end(), stateBytes_.begin() + 6);
  } else {
    VoteReadings();
  }
}

void CKorrinLogSample::VoteReadings() {
  readings_.setA.voted = Vote(readings_.setA, readings_.fallback);
  readings_.setB.voted = Vote(readings_.setB, readings_.fallback);
}

void CKorrinLogSample::ParseExtended(int subRecordType, std::string_view line) {
  if (timeStamped_) {
    if (line.size() == logline::kTimeStampedLength) ParseTimeStampedExtended(subRecordType, line);
  } else if (subRecordType == 26) {
    if (line.size() == 26) ReadWords(line, 2, 6, 6);  // its last value takes in the check byte
  } else if (line.size() == logline::kPlainLength) {
    ParsePlainExtended(subRecordType, line);
  }
}

void CKorrinLogSample::ParseTimeStampedExtended(int type, std::string_view line) {
  switch (type) {
    case 9: ReadPairs(line, 10, 9, 0); break;
    case 10:
      ReadWords(line, 10, 9, 0);
      extended_.wordExtra = Word(line, 46);
      break;
    case 12:
      ParseLine12(line, 8);
      gasO2_ = Byte(line, 40);
      gasHe_ = Byte(line, 42);
      gasThird_ = Byte(line, 44);
      break;
    case 13:
      hasLine13_ = true;
      extended_.line13Byte = ByteAt(line, 10);
      endDepthM_ = Byte(line, 12);
      startDepthM_ = Byte(line, 14);
      extended_.line13Values[0] = Byte(line, 16);
      extended_.line13Values[1] = Word(line, 18);
      extended_.line13Values[2] = Byte(line, 22);
      extended_.line13Values[3] = Byte(line, 24);
      gfLow_ = Byte(line, 26);
      gfHigh_ = Byte(line, 28);
      for (std::size_t i = 0; i < 4; ++i) extended_.line13Values[4 + i] = Byte(line, 30 + 2 * i);
      for (std::size_t i = 0; i < 6; ++i) stateBytes_[i] = ByteAt(line, 38 + 2 * i);
      stateBytes_[9] = ByteAt(line, 52);
      break;
    case 20: ReadQuarterLine(line, true, readings_); break;
    case 33: case 34: case 35: case 36: case 37: case 38: ParseCompartments(type, line); break;
    default: break;
  }
}

void CKorrinLogSample::ParsePlainExtended(int type, std::string_view line) {
  switch (type) {
    case 4:
    case 20: ReadQuarterLine(line, false, readings_); break;
    case 7: {
      gasO2_ = Byte(line, 2);
      gasHe_ = Byte(line, 4);
      gasThird_ = Byte(line, 6);
      readings_.fallback = Byte(line, 8) / 100.0;
      for (std::size_t i = 0; i < stateBytes_.size(); ++i) stateBytes_[i] = ByteAt(line, 10 + 2 * i);
      const int last = Byte(line, 30);
      if (fwAbove3009035_) {
        readings_.byte48 = static_cast<unsigned char>(last);
      } else {
        SetSampleInterval(last == 255 ? 10 : last);
      }
      break;
    }
    case 9:
      ReadPairs(line, 2, 6, 0);
      gfLow_ = Byte(line, 26);
      gfHigh_ = Byte(line, 28);
      extended_.line9Int = Byte(line, 30);
      break;
    case 10:
      ReadWords(line, 2, 6, 0);
      extended_.wordExtra = Word(line, 26);
      break;
    case 25: ReadPairs(line, 2, 6, 6); break;
    case 12: ParseLine12(line, 0); break;
    case 13:
      hasLine13_ = true;
      extended_.line13Byte = ByteAt(line, 2);
      endDepthM_ = Byte(line, 4);
      startDepthM_ = Byte(line, 6);
      break;
    case 64: {
      static constexpr double kDivisors[7] = {10, 100, 10, 1, 1, 1, 100};
      for (std::size_t i = 0; i < 7; ++i) extended_.line64Values[i] = Word(line, 2 + 4 * i) / kDivisors[i];
      extended_.line64Values[7] = Byte(line, 30) * 0.25;
      break;
    }
    default: break;
  }
}

void CKorrinLogSample::ParseLine12(std::string_view line, std::size_t shift) {
  extended_.line12Code = Word(line, 2 + shift);
  ambientPressureBMbar_ = Word(line, 6 + shift);
  extended_.line12ValueB = Word(line, 10 + shift);
  surfacePressureBMbar_ = Word(line, 14 + shift);
  extended_.valueE = Word(line, 18 + shift);
  extended_.line12Float = logline::Float(line, 22 + shift);
  extended_.line12Int = Byte(line, 30 + shift);
}

void CKorrinLogSample::ParseCompartments(int type, std::string_view line) {
  // Lines 33-35 fill the first set, 36-38 the second, six values a line and four on the last.
  Compartments& set = type <= 35 ? compartmentsA_ : compartmentsB_;
  const std::size_t first = static_cast<std::size_t>((type - 33) % 3) * 6;
  const std::size_t count = std::min<std::size_t>(6, kCompartments - first);
  for (std::size_t i = 0; i < count; ++i) set[first + i] = logline::DeviceFloat(line, 10 + 8 * i);
}

void CKorrinLogSample::ReadPairs(std::string_view line, std::size_t at, std::size_t count, std::size_t first) {
  for (std::size_t i = 0; i < count; ++i) {
    extended_.pairFirst[first + i] = Byte(line, at + 4 * i);
    extended_.pairSecond[first + i] = Byte(line, at + 2 + 4 * i);
  }
}

void CKorrinLogSample::ReadWords(std::string_view line, std::size_t at, std::size_t count, std::size_t first) {
  for (std::size_t i = 0; i < count; ++i) extended_.wordValues[first + i] = Word(line, at + 4 * i);
}

void CKorrinLogSample::SetSurfacePressure(double mbar) {
  surfacePressureMbar_ = mbar > 1080 || mbar < 600 || std::isnan(mbar) ? 1000.0 : mbar;
}

void CKorrinLogSample::SetSampleInterval(int seconds) {
  sampleIntervalSec_ = std::clamp(seconds, kMinIntervalSec, kMaxIntervalSec);
}

unsigned char CKorrinLogSample::UpdateDiveState(unsigned char previous) {
  if (!hasLine13_) return previous;
  inDive_ = previous;
  const double depth = GetDepth();
  if (previous == 0 && depth > startDepthM_) inDive_ = 1;
  if (inDive_ == 1 && depth < endDepthM_) inDive_ = 0;
  return inDive_;
}

double CKorrinLogSample::GetValue(int index) const {
  switch (index) {
    case 0: case 1: case 2: return readings_.setA.cells[static_cast<std::size_t>(index)];
    case 3: return readings_.setA.voted;
    case 4: case 5: case 6: return readings_.setB.cells[static_cast<std::size_t>(index - 4)];
    case 7: return readings_.setB.voted;
    default: return 0.0;
  }
}

double CKorrinLogSample::GetDepth() const {
  return std::max(0.0, (readings_.ambientPressureMbar - surfacePressureMbar_) / 100.0);
}

double CKorrinLogSample::GetDepthB() const { return std::max(0.0, (ambientPressureBMbar_ - surfacePressureBMbar_) / 100.0); }
