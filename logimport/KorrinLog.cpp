#include "logimport/KorrinLog.h"

#include <algorithm>
#include <cstdio>

#include "engine/support/HexConversions.h"
#include "engine/support/MemStdioFile.h"
#include "logimport/BraskBinaryFile.h"
#include "logimport/KorrinLogLineReader.h"
#include "logimport/LogFileAccess.h"
#include "logimport/LogFileConverter.h"
#include "logimport/LogLineFields.h"

namespace {

constexpr int kMinIntervalSec = 1;
constexpr int kMaxIntervalSec = 120;
constexpr double kMinSurfacePressureMbar = 600;
constexpr double kMaxSurfacePressureMbar = 1080;
constexpr int kVersionDevices[] = {176, 178, 180};
constexpr int kMemoryBlockHeader = 176;
constexpr int kMemoryBlockData = 177;

// Lines that the log writers put before the records, skipped without counting.
bool IsHeaderLine(std::string_view line) {
  static constexpr std::string_view kHeaders[] = {"Brask Test Suite Version", "Sundavik Version", "Pelloran Version",
                                                  "Quennet Version",          "Quennet PC Version", "Date",
                                                  "Time"};
  return std::any_of(std::begin(kHeaders), std::end(kHeaders), [line](std::string_view head) { return line.starts_with(head); });
}

enum class PassEnd { kComplete, kBadChecksum, kStopped };

// One pass over the log text. A text file's pass ends at its first empty line; a converted
// file's pass goes on to the end of the text, since a converter writes empty header lines for a
// header record it cannot read. Every line but a header line counts from 1 and must pass its
// check byte; handle(type, line) returns false to stop the pass.
template <typename Handle>
PassEnd ReadPass(CMemStdioFile& text, bool converted, bool timeStamped, int& lineNumber, Handle handle) {
  text.SeekToBegin();
  lineNumber = 0;
  for (std::string line; converted ? text.ReadLine(line) : text.ReadString(line);) {
    if (line.empty() || IsHeaderLine(line)) continue;
    ++lineNumber;
    if (!VerifyXorChecksumHex(line)) return PassEnd::kBadChecksum;
    int type = logline::LineType(line);
    // In the plain layout a type byte 0 opens a dive only on every fourth line from the first.
    if (!timeStamped && type == 0 && (lineNumber - 1) % 4 != 0) type = 255;
    if (!handle(type, std::string_view(line))) return PassEnd::kStopped;
  }
  return PassEnd::kComplete;
}

}  // namespace

CKorrinLog::CKorrinLog() { Reset(); }

CKorrinLog::~CKorrinLog() = default;

bool CKorrinLog::Reset() {
  errorText_.clear();
  surfacePressureMbar_ = 0;
  sampleIntervalSec_ = 0;
  diveStartTimeSec_ = 0;
  diveEndTimeSec_ = 0;
  logDate_ = CLogDateTime::Now();
  diveStartDate_ = logDate_;
  DeleteAll();
  DeleteDives();
  DeleteSolenoidSamples();
  header_.Reset();
  danText_.Reset();
  gasList_.Reset();
  unitConfig_.ClearBlocks();
  return true;
}

void CKorrinLog::DeleteAll() { samples_.clear(); }
void CKorrinLog::DeleteDives() { dives_.clear(); }

void CKorrinLog::DeleteSolenoidSamples() {
  solenoidFirst_.clear();
  solenoidSecond_.clear();
}

int CKorrinLog::Load(const std::string& path) {
  // Cleared first, so that a failed load never leaves the previous log behind.
  Reset();
  CLogFileConverter converter;
  fileKind_ = converter.CheckFileFormat(path);
  timeStamped_ = false;
  firmwareNumber_ = 0;
  if (fileKind_ == kUndetermined) {
    SetError("Invalid file format");
    return kInvalidFormat;
  }
  CMemStdioFile text;
  if (fileKind_ == kBinaryLog && !CBraskBinaryFile().CheckCRC32(path)) {
    SetError("Invalid binary file checksum");
    return kBadFileChecksum;
  }
  if (fileKind_ != kTextLog) {
    unsigned char newFormat = 0;
    if (!converter.Convert(path, text, newFormat, fileKind_)) {
      SetError("Unable to convert the binary file to a CMemStdioFile");
      return kNotRead;
    }
    timeStamped_ = newFormat != 0;
  }
  gasList_.SetTimeStamped(timeStamped_);
  if (fileKind_ == kTextLog) {
    std::vector<unsigned char> bytes;
    std::string ignored;
    if (!logimport::ReadWholeFile(path, "", bytes, ignored, 1)) {
      SetError("Unable to open the file");
      return kNotRead;
    }
    text = CMemStdioFile(std::string(bytes.begin(), bytes.end()));
  }
  return ReadLines(path, text);
}

int CKorrinLog::ReadLines(const std::string& path, CMemStdioFile& text) {
  const bool converted = fileKind_ != kTextLog;
  int lineNumber = 0;
  const auto failedAt = [&]() {
    char number[16];
    std::snprintf(number, sizeof number, "%d", lineNumber);
    SetError("Invalid checksum in file " + path + " at line " + number);
    return kBadLineChecksum;
  };
  const auto tooLarge = [this]() {
    SetError("File opened ok but holds more dives or samples than can be read");
    return kInvalidData;
  };

  std::string blockHeader;
  const PassEnd blocks = ReadPass(text, converted, timeStamped_, lineNumber, [&](int type, std::string_view line) {
    if (type == kMemoryBlockHeader) {
      blockHeader = line;
    } else if (type == kMemoryBlockData) {
      unitConfig_.ReadBlockLines(blockHeader, line);
    }
    return true;
  });
  if (blocks == PassEnd::kBadChecksum) return failedAt();
  SetFirmwareFromVersionBlocks();

  CKorrinLogLineReader reader(*this);
  const PassEnd records = ReadPass(text, converted, timeStamped_, lineNumber,
                                   [&reader](int type, std::string_view line) { return reader.Dispatch(type, line); });
  if (records == PassEnd::kBadChecksum) return failedAt();
  if (records == PassEnd::kStopped) return tooLarge();
  if (dives_.empty() || samples_.empty()) {
    SetError("File opened ok but contained invalid data");
    return kInvalidData;
  }
  unitConfig_.Decode();
  diveEndTimeSec_ = reader.GetDiveEndTime();
  BuildSummary();
  return kLoaded;
}

void CKorrinLog::SetFirmwareFromVersionBlocks() {
  for (const int device : kVersionDevices) {
    if (!unitConfig_.IsVersionValid(device)) continue;
    // "DC.01.02.45.99": the last three pairs are the major, minor and build numbers.
    const std::string text = unitConfig_.GetVersionText(device);
    const auto number = [&text](std::size_t at) { return logline::DecimalDigits(std::string_view(text).substr(at, 2)); };
    firmwareNumber_ = number(6) * 1000000 + number(9) * 1000 + number(12);
    firmwareFlagA_ = firmwareNumber_ >= 5000040;
    firmwareFlagB_ = firmwareNumber_ >= 3009036;
    return;
  }
  firmwareNumber_ = kFirmwareWithoutVersion;
  firmwareFlagA_ = true;
  firmwareFlagB_ = true;
}

int CKorrinLog::FindIndexAtTime(int timeSec) const {
  const int count = GetSampleCount();
  if (count < 2) return 0;
  for (int i = 0; i < count - 1; ++i) {
    if (samples_[static_cast<std::size_t>(i)]->GetTime() >= timeSec) return i;
  }
  return count - 1;
}

int CKorrinLog::GetSampleInterval() const { return std::clamp(sampleIntervalSec_, kMinIntervalSec, kMaxIntervalSec); }

double CKorrinLog::GetAtmosphericPressure() const {
  const bool plausible = surfacePressureMbar_ >= kMinSurfacePressureMbar && surfacePressureMbar_ <= kMaxSurfacePressureMbar;
  return plausible ? surfacePressureMbar_ : kDefaultSurfacePressureMbar;
}

const CKorrinLogSample* CKorrinLog::GetSample(int index) const {
  return index >= 0 && index < GetSampleCount() ? samples_[static_cast<std::size_t>(index)].get() : nullptr;
}

const CKorrinLogPreDive* CKorrinLog::GetDive(int index) const {
  return index >= 0 && index < GetDiveCount() ? dives_[static_cast<std::size_t>(index)].get() : nullptr;
}
