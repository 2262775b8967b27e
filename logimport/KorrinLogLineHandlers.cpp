// The container's handlers of single record lines: sample interval, dates, surface pressure and
// solenoid events.
#include <cstdint>

#include "logimport/KorrinLog.h"
#include "logimport/LogLineFields.h"

namespace {

constexpr int kSolenoidBits = 104;

CLogDateTime PlainDateTime(std::string_view line) {
  return line.size() == logline::kPlainLength ? logline::DateTime(line, 2) : CLogDateTime();
}

// Bit i of the 13 bytes from `at`, bit 0 of each byte first.
unsigned char SolenoidBit(std::string_view line, std::size_t at, int i) {
  return static_cast<unsigned char>(logline::Byte(line, at + 2 * static_cast<std::size_t>(i / 8)) >> (i % 8) & 1);
}

}  // namespace

void CKorrinLog::ReadSampleInterval(int lineType, std::string_view line) {
  const bool takes = (lineType == 0 && line.size() == logline::kPlainLength && !firmwareFlagA_) || lineType == 11 ||
                     (lineType >= 27 && lineType <= 29 && firmwareFlagA_);
  if (takes) sampleIntervalSec_ = logline::Byte(line, 30);
}

void CKorrinLog::ReadLogDate(int lineType, std::string_view line) {
  if (lineType == 0 && line.size() == logline::kPlainLength) logDate_ = PlainDateTime(line);
}

void CKorrinLog::ReadDiveStartDate(int lineType, std::string_view line) {
  if (lineType == 3 && line.size() == logline::kPlainLength) diveStartDate_ = PlainDateTime(line);
}

CLogDateTime CKorrinLog::ReadClockTime(std::string_view line) { return PlainDateTime(line); }
CLogDateTime CKorrinLog::ReadSyncTime(std::string_view line) { return PlainDateTime(line); }

void CKorrinLog::ReadSurfacePressure(int lineType, std::string_view line) {
  if (timeStamped_ && line.size() == logline::kTimeStampedLength) {
    if (lineType == 1) surfacePressureMbar_ = logline::Word(line, 26);
    if (lineType == 2) surfacePressureMbar_ = logline::Word(line, 10);
    if (lineType == 3) surfacePressureMbar_ = logline::Word(line, 40);
  } else if (!timeStamped_ && line.size() == logline::kPlainLength) {
    if (lineType == 1) surfacePressureMbar_ = logline::Word(line, 20);
    if (lineType == 2) surfacePressureMbar_ = logline::Word(line, 2);
  }
}

bool CKorrinLog::AddSolenoidSamples(int lineType, std::string_view line, double timeSec) {
  const bool longLine = line.size() == logline::kTimeStampedLength;
  if (!longLine && line.size() != logline::kPlainLength) return true;
  if (solenoidFirst_.empty() && solenoidSecond_.empty()) {
    solenoidMarkFirst_ = solenoidMarkSecond_ = solenoidMarkLong_ = 0;
  }
  // A line covers the 104 seconds up to its base time; a second already taken is not taken again.
  const auto take = [](std::vector<CKorrinLogSolenoidSample>& series, unsigned char state, int time) {
    if (series.size() >= kMaxSolenoidSamples) return false;
    series.emplace_back().Set(state, time);
    return true;
  };
  if (longLine && lineType == 50) {
    const std::int64_t base = WholeSeconds(timeSec);
    for (int i = 0; i < kSolenoidBits; ++i) {
      const std::int64_t time = base - (kSolenoidBits - 1) + i;
      if (time <= solenoidMarkLong_ || !FitInt(time)) continue;
      if (!take(solenoidFirst_, SolenoidBit(line, 10, i), static_cast<int>(time)) ||
          !take(solenoidSecond_, SolenoidBit(line, 36, i), static_cast<int>(time))) {
        return false;
      }
      solenoidMarkLong_ = static_cast<int>(time);
    }
    return true;
  }
  if (lineType < 48 || lineType > 51) return true;
  std::int64_t base = longLine ? WholeSeconds(timeSec) : logline::Word(line, 2);
  if (lineType == 48) base += diveStartTimeSec_;
  const bool first = lineType == 48 || lineType == 50;
  auto& series = first ? solenoidFirst_ : solenoidSecond_;
  int& mark = first ? solenoidMarkFirst_ : solenoidMarkSecond_;
  for (int i = 0; i < kSolenoidBits; ++i) {
    const std::int64_t time = base - (kSolenoidBits - 1) + i;
    if (time <= mark || !FitInt(time)) continue;
    if (!take(series, SolenoidBit(line, 6, i), static_cast<int>(time))) return false;
    mark = static_cast<int>(time);
  }
  return true;
}
