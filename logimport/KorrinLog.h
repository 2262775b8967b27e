#pragma once
// One dive log read from a ".ccl" file (text, binary or secured): the dives' pre-dive records,
// the samples on the log's time line, two solenoid series, the log header, the gas list, the DAN
// texts and the unit configuration. Load reads the whole file in two passes over its text lines
// (memory blocks first, then the records) and reports failure by a result number, keeping its
// text. Everything is owned here and freed by the next Load or the destructor.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "logimport/KorrinLogPreDive.h"
#include "logimport/KorrinLogRecords.h"
#include "logimport/KorrinLogSample.h"
#include "logimport/KorrinUnitConfig.h"
#include "logimport/LogDateTime.h"

class CDebugLog;
class CMemStdioFile;

class CKorrinLog {
 public:
  enum LoadResult {
    kLoaded = 0,
    kNotRead = 1,          // the file does not open, or a binary or secured file does not convert
    kBadLineChecksum = 2,  // a line's check byte is wrong
    kInvalidData = 3,      // no dive or no sample, or more than the program holds
    kInvalidFormat = 4,    // the kind of file cannot be told
    kBadFileChecksum = 5,  // a binary file's whole-file check failed
  };
  enum FileKind { kUndetermined = 0, kTextLog = 1, kBinaryLog = 2, kSecuredLog = 3 };

  // Limits that keep a damaged or hostile file from exhausting memory; real logs stay far below.
  static constexpr std::size_t kMaxSamples = 1000000;
  static constexpr std::size_t kMaxDives = 100000;
  static constexpr std::size_t kMaxSolenoidSamples = 16000000;
  // The firmware assumed when the log carries no controller version: newer than every
  // firmware whose lines read differently.
  static constexpr int kFirmwareWithoutVersion = 99099099;
  static constexpr double kDefaultSurfacePressureMbar = 1000;

  CKorrinLog();
  ~CKorrinLog();
  CKorrinLog(const CKorrinLog&) = delete;
  CKorrinLog& operator=(const CKorrinLog&) = delete;

  // 0 when the whole log was read, else a LoadResult with GetErrorText saying why. The
  // container holds what was read up to a failure.
  int Load(const std::string& path);
  bool Reset();
  void SetError(std::string text) { errorText_ = std::move(text); }
  const std::string& GetErrorText() const { return errorText_; }
  // The container keeps no diagnostic log; callers may hand one over all the same.
  void SetDebugLog(CDebugLog*) {}

  // The first sample among all but the last whose time is at or after timeSec (the samples are
  // not assumed sorted), else the last sample; 0 with fewer than two samples.
  int FindIndexAtTime(int timeSec) const;
  // The log's sample interval clamped to 1 to 120 s (1 when the log gives none).
  int GetSampleInterval() const;

  // The logged dive's start and end on the samples' time line (seconds).
  int GetDiveStartTime() const { return diveStartTimeSec_; }
  int GetDiveEndTime() const { return diveEndTimeSec_; }
  // The surface pressure the log gave, or 1000 millibar when it gave none in 600 to 1080.
  double GetAtmosphericPressure() const;
  double GetSurfacePressure() const { return surfacePressureMbar_; }  // as read, 0 when none
  int GetSampleCount() const { return static_cast<int>(samples_.size()); }
  // Null outside 0 to count − 1.
  const CKorrinLogSample* GetSample(int index) const;
  bool IsTimeStamped() const { return timeStamped_; }

  int GetDiveCount() const { return static_cast<int>(dives_.size()); }
  const CKorrinLogPreDive* GetDive(int index) const;
  const std::vector<CKorrinLogSolenoidSample>& GetFirstSolenoidSeries() const { return solenoidFirst_; }
  const std::vector<CKorrinLogSolenoidSample>& GetSecondSolenoidSeries() const { return solenoidSecond_; }
  const CKorrinLogHeader& GetHeader() const { return header_; }
  const CKorrinLogGasList& GetGasList() const { return gasList_; }
  const CKorrinLogDanText& GetDanText() const { return danText_; }
  const CKorrinUnitConfig& GetUnitConfig() const { return unitConfig_; }
  const CLogDateTime& GetLogDate() const { return logDate_; }
  const CLogDateTime& GetDiveStartDate() const { return diveStartDate_; }
  int GetFileKind() const { return fileKind_; }
  int GetFirmwareNumber() const { return firmwareNumber_; }
  bool IsFirmwareFlagA() const { return firmwareFlagA_; }
  bool IsFirmwareFlagB() const { return firmwareFlagB_; }

 private:
  friend class CKorrinLogLineReader;

  // The result of the two passes over the text.
  int ReadLines(const std::string& path, CMemStdioFile& text);
  void SetFirmwareFromVersionBlocks();
  void DeleteAll();
  void DeleteDives();
  void DeleteSolenoidSamples();
  void BuildSummary();

  // Line handlers of the record pass.
  void ReadSampleInterval(int lineType, std::string_view line);
  void ReadLogDate(int lineType, std::string_view line);
  void ReadSurfacePressure(int lineType, std::string_view line);
  void ReadDiveStartDate(int lineType, std::string_view line);
  static CLogDateTime ReadClockTime(std::string_view line);
  static CLogDateTime ReadSyncTime(std::string_view line);
  // False when a series would pass kMaxSolenoidSamples.
  bool AddSolenoidSamples(int lineType, std::string_view line, double timeSec);

  CLogDateTime logDate_;
  CLogDateTime diveStartDate_;
  std::vector<std::unique_ptr<CKorrinLogSample>> samples_;
  std::vector<std::unique_ptr<CKorrinLogPreDive>> dives_;
  // Solenoid events are small and many, so they are held by value.
  std::vector<CKorrinLogSolenoidSample> solenoidFirst_;
  std::vector<CKorrinLogSolenoidSample> solenoidSecond_;
  CKorrinLogHeader header_;
  CKorrinLogGasList gasList_;
  CKorrinUnitConfig unitConfig_;
  CKorrinLogDanText danText_;
  std::string errorText_;
  double surfacePressureMbar_ = 0;
  int sampleIntervalSec_ = 0;
  int diveStartTimeSec_ = 0;
  int diveEndTimeSec_ = 0;
  int fileKind_ = kUndetermined;
  int firmwareNumber_ = 0;
  bool firmwareFlagA_ = false;
  bool firmwareFlagB_ = false;
  bool timeStamped_ = false;
  // Last times taken into the solenoid series (first, second, and both from long type-50 lines).
  int solenoidMarkFirst_ = 0;
  int solenoidMarkSecond_ = 0;
  int solenoidMarkLong_ = 0;
};
