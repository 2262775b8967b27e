#pragma once
// The program's diagnostic log: one file per run, named from the day it was opened, written a
// line at a time under a lock. Callers ask IsEnabledFor(category) before writing detail lines.
// Only the user can read it (files 0600, folders 0700). A line of logged text is always one line
// of the file: control characters are written as escapes (\n, \r, \t, \x1b), C1 controls byte
// by byte (U+0085 as \xc2\x85, a lone byte 0x85 that is no part of UTF-8 as \x85), and a
// backslash that would read as one is doubled. A day's file stops at a size cap: the line that would pass
// it is replaced by one saying that the rest of the day is not logged, and nothing more is
// written to that file, in this run or a later one. Opening removes the log's files of days more than kKeepDays ago.
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>

enum LogCategory {
  DBG_TABLE_GENERATION,
  DBG_PLAN_GROUP,
  DBG_PLAN_LOADING,
  DBG_DIVE_TABLES,
  DBG_PROFILE_CONSTRUCTION,
  DBG_GAS_RANGES,
  DBG_CALC_TIMING,
  DBG_DECO_DETAIL,
  DBG_CALC_TRIGGER,
  DBG_CATEGORY_COUNT
};

class CDebugLog {
 public:
  using Clock = std::function<std::chrono::system_clock::time_point()>;
  static constexpr std::size_t kMaxMessage = 201000;
  static constexpr std::uint64_t kDayCapBytes = 10u << 20;
  static constexpr int kKeepDays = 30;
  static constexpr const char* kDayFullText = "Log file size limit reached, the rest of the day is not logged";
  static constexpr std::array<int, DBG_CATEGORY_COUNT> kStartupThresholds = {3, 4, 4, 3, 2, 3, 4, 3, 4};

  CDebugLog();
  ~CDebugLog();
  CDebugLog(const CDebugLog&) = delete;
  CDebugLog& operator=(const CDebugLog&) = delete;

  // Opens (creating the folder) <data folder>/<subFolder>/<baseName>_<YYYY_MM_DD>.log for
  // appending. A folder or file that cannot be made leaves the log without a file; the program
  // goes on and Log then returns false.
  bool Open(const std::string& subFolder, const std::string& baseName);
  // The file chosen at Open: "<folder>/<base>_%Y_%m_%d.log" of the day the log was opened.
  std::string GetFileName() const { return fileName_; }

  // printf-style; false before Open or without a file; true and nothing written when disabled.
  bool Log(const char* format, ...) __attribute__((format(printf, 2, 3)));
  // Writes text as it stands (a '%' in it is just a character).
  bool LogText(std::string_view text);

  void SetEnabled(bool enabled);
  void SetTimeStamps(bool on);

  void SetDebugLevel(int level) { debugLevel_ = level; }
  int GetDebugLevel() const { return debugLevel_; }
  void SetCategoryThresholds(const std::array<int, DBG_CATEGORY_COUNT>& thresholds) { thresholds_ = thresholds; }
  int GetThreshold(LogCategory category) const;
  // The "Debug Level" setting reaches the category's threshold.
  bool IsEnabledFor(LogCategory category) const { return debugLevel_ >= GetThreshold(category); }

  void SetClock(Clock clock) { clock_ = std::move(clock); }  // tests
  void SetDayCap(std::uint64_t bytes) { dayCapBytes_ = bytes; }  // tests; before Open

 private:
  bool WriteLine(std::string_view message);
  std::string TimeStamp() const;
  bool OpenDayFile();
  void RemoveOldFiles(const std::string& folder, const std::string& baseName) const;
  void Close();

  std::mutex mutex_;
  std::string basePath_;
  std::string fileName_;
  std::FILE* file_ = nullptr;
  std::uint64_t dayCapBytes_ = kDayCapBytes;
  bool dayFull_ = false;
  bool enabled_ = false;
  bool timeStamps_ = false;
  int debugLevel_ = 0;
  std::array<int, DBG_CATEGORY_COUNT> thresholds_ = kStartupThresholds;
  Clock clock_;
};

// The one log of the process.
CDebugLog& TheDebugLog();

// Doubles every '%' so that a literal text can be passed where a format is expected.
std::string EscapePercent(std::string_view text);
