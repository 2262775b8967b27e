#include "engine/support/DebugLog.h"

#include <gtest/gtest.h>

#include <regex>
#include <thread>

#include "tests/support/LocalTime.h"
#include "tests/support/TempFolders.h"

namespace {

// The clock's reading at a local date and time.
std::chrono::system_clock::time_point ClockAt(int year, int month, int day, int hour, int minute, int second,
                                              int millisecond) {
  return std::chrono::system_clock::from_time_t(LocalTime(year, month, day, hour, minute, second)) +
         std::chrono::milliseconds(millisecond);
}

}  // namespace

TEST(DebugLog, BeforeOpenNothingIsWritten) {
  CDebugLog log;
  EXPECT_FALSE(log.Log("Velmar Tessaline Startup"));
  EXPECT_FALSE(log.LogText("x"));
  EXPECT_EQ(log.GetFileName(), "");
}

TEST(DebugLog, OpensTheFileOfTheDayInTheDataFolder) {
  TempFolders folders;
  CDebugLog log;
  log.SetClock([] { return ClockAt(2026, 3, 8, 14, 2, 7, 93); });
  ASSERT_TRUE(log.Open("Velmar\\Velmar Tessaline", "Velmar_Tessaline"));
  const auto expected = folders.Data() / "Velmar" / "Velmar Tessaline" / "Velmar_Tessaline_2026_03_08.log";
  EXPECT_EQ(log.GetFileName(), expected.string());
  log.SetTimeStamps(true);
  EXPECT_TRUE(log.Log("Program Version %s", "1.0.0.1"));
  EXPECT_TRUE(log.Log("Bailout - CNS 100%%"));
  EXPECT_TRUE(log.LogText("CNS 100% and %s %d stay as they are"));
  log.SetTimeStamps(false);
  EXPECT_TRUE(log.Log("%d", 42));
  EXPECT_EQ(ReadFileText(expected),
            "14:02:07.093 : Program Version 1.0.0.1\n"
            "14:02:07.093 : Bailout - CNS 100%\n"
            "14:02:07.093 : CNS 100% and %s %d stay as they are\n"
            "42\n");
}

TEST(DebugLog, AppendsToAnExistingFileAndKeepsItPastMidnight) {
  TempFolders folders;
  auto now = ClockAt(2026, 3, 8, 23, 59, 59, 999);
  {
    CDebugLog first;
    first.SetClock([&] { return now; });
    ASSERT_TRUE(first.Open("Velmar/Velmar Tessaline", "Velmar_Tessaline"));
    first.Log("first run");
  }
  CDebugLog log;
  log.SetClock([&] { return now; });
  ASSERT_TRUE(log.Open("Velmar/Velmar Tessaline", "Velmar_Tessaline"));
  const std::string file = log.GetFileName();
  now = ClockAt(2026, 3, 9, 0, 0, 1, 5);
  log.SetTimeStamps(true);
  log.Log("after midnight");
  EXPECT_EQ(log.GetFileName(), file);
  EXPECT_EQ(ReadFileText(file), "first run\n00:00:01.005 : after midnight\n");
  EXPECT_FALSE(std::filesystem::exists(folders.Data() / "Velmar/Velmar Tessaline/Velmar_Tessaline_2026_03_09.log"));
}

TEST(DebugLog, DisabledLogSucceedsWithoutWriting) {
  TempFolders folders;
  CDebugLog log;
  ASSERT_TRUE(log.Open("Velmar", "Quiet"));
  log.SetEnabled(false);
  EXPECT_TRUE(log.Log("not written"));
  EXPECT_EQ(std::filesystem::file_size(log.GetFileName()), 0u);
  log.SetEnabled(true);
  EXPECT_TRUE(log.Log("written"));
  EXPECT_EQ(ReadFileText(log.GetFileName()), "written\n");
}

TEST(DebugLog, UncreatableFolderDisablesLoggingQuietly) {
  TempFolders folders;
  WriteFileText(folders.Data() / "Velmar", "a file where the folder should be");
  CDebugLog log;
  EXPECT_FALSE(log.Open("Velmar/Velmar Tessaline", "Velmar_Tessaline"));
  EXPECT_FALSE(log.Log("goes nowhere"));
}

TEST(DebugLog, LongMessagesAreCut) {
  TempFolders folders;
  CDebugLog log;
  ASSERT_TRUE(log.Open("Velmar", "Long"));
  std::string longText(CDebugLog::kMaxMessage + 500, 'x');
  EXPECT_TRUE(log.Log("%s", longText.c_str()));
  EXPECT_TRUE(log.LogText(longText));
  EXPECT_EQ(std::filesystem::file_size(log.GetFileName()), 2 * (CDebugLog::kMaxMessage + 1));
}

TEST(DebugLog, CategoriesAreGatedByTheDebugLevel) {
  CDebugLog log;
  EXPECT_EQ(log.GetThreshold(DBG_PROFILE_CONSTRUCTION), 2);
  EXPECT_EQ(log.GetThreshold(DBG_CALC_TRIGGER), 4);
  log.SetDebugLevel(0);
  EXPECT_FALSE(log.IsEnabledFor(DBG_PROFILE_CONSTRUCTION));
  log.SetDebugLevel(3);
  EXPECT_TRUE(log.IsEnabledFor(DBG_GAS_RANGES));
  EXPECT_TRUE(log.IsEnabledFor(DBG_DECO_DETAIL));
  EXPECT_FALSE(log.IsEnabledFor(DBG_CALC_TRIGGER));
  log.SetCategoryThresholds({1, 1, 1, 1, 1, 1, 1, 1, 9});
  EXPECT_TRUE(log.IsEnabledFor(DBG_PLAN_GROUP));
  EXPECT_FALSE(log.IsEnabledFor(DBG_CALC_TRIGGER));
}

TEST(DebugLog, ConcurrentWritersNeverInterleaveLines) {
  TempFolders folders;
  CDebugLog log;
  ASSERT_TRUE(log.Open("Velmar", "Threads"));
  log.SetTimeStamps(true);
  std::vector<std::thread> writers;
  for (int t = 0; t < 4; ++t) {
    writers.emplace_back([&log, t] {
      for (int i = 0; i < 200; ++i) log.Log("writer %d line %03d %s", t, i, std::string(100, 'a' + t).c_str());
    });
  }
  for (auto& writer : writers) writer.join();
  const std::string text = ReadFileText(log.GetFileName());
  const std::regex line("\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d : writer (\\d) line \\d{3} ([a-d])\\2{99}");
  std::size_t count = 0;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1, ++count) {
    EXPECT_TRUE(std::regex_match(text.substr(start, end - start), line)) << text.substr(start, end - start);
  }
  EXPECT_EQ(count, 800u);
}

TEST(DebugLog, EscapePercentDoublesEveryPercent) {
  EXPECT_EQ(EscapePercent("CNS 100%"), "CNS 100%%");
  EXPECT_EQ(EscapePercent("%s%%"), "%%s%%%%");
  EXPECT_EQ(EscapePercent(""), "");
}

TEST(DebugLog, LoggedTextIsAlwaysOneLine) {
  TempFolders folders;
  CDebugLog log;
  log.SetClock([] { return ClockAt(2026, 3, 8, 4, 37, 0, 0); });
  ASSERT_TRUE(log.Open("Velmar", "Escapes"));
  log.SetTimeStamps(true);
  // A file name made to look like a second, forged line of the log.
  const std::string name = "/tmp/a\n04:37:00.000 : File /home/diver/plan.ccp loaded OK";
  EXPECT_TRUE(log.Log("File %s failed to load", name.c_str()));
  EXPECT_TRUE(log.LogText("tab\there, return\r, escape \x1b[2J, delete \x7f, C:\\n is not a newline, \\\n neither"));
  EXPECT_TRUE(log.LogText("Software\\Velmar\\Settings and a lone \\ stay as they are, so do \\\\x and a last \\"));
  EXPECT_EQ(ReadFileText(log.GetFileName()),
            "04:37:00.000 : File /tmp/a\\n04:37:00.000 : File /home/diver/plan.ccp loaded OK failed to load\n"
            "04:37:00.000 : tab\\there, return\\r, escape \\x1b[2J, delete \\x7f, C:\\\\n is not a newline, \\\\\\n neither\n"
            "04:37:00.000 : Software\\Velmar\\Settings and a lone \\ stay as they are, so do \\\\\\\\x and a last \\\n");
}

TEST(DebugLog, C1ControlsAreEscapedAndOtherCharactersKeptWhole) {
  TempFolders folders;
  CDebugLog log;
  ASSERT_TRUE(log.Open("Velmar", "C1Escapes"));
  log.SetTimeStamps(false);
  struct Case {
    std::string text;
    std::string written;
  };
  const Case cases[] = {
      // U+0085 and U+009F in UTF-8, and the same controls as lone bytes (an 8-bit encoding).
      {"next line \xc2\x85, last \xc2\x9f", "next line \\xc2\\x85, last \\xc2\\x9f"},
      {"lone \x85 and \x9b" "2J", "lone \\x85 and \\x9b" "2J"},
      {"\x80", "\\x80"},
      // Characters whose later bytes lie in 0x80-0x9F, and U+00A0 right after the C1 range.
      {"\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80 \xc2\xa0", "\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80 \xc2\xa0"},
      // What is not UTF-8 keeps its other bytes: a sequence cut short, an overlong form, a surrogate.
      {"cut \xe2\x82", "cut \xe2\\x82"},
      {"overlong \xc0\x80 \xc1\x9f", "overlong \xc0\\x80 \xc1\\x9f"},
      {"surrogate \xed\xa0\x80", "surrogate \xed\xa0\\x80"},
      {"past the end \xf4\x90\x80\x80", "past the end \xf4\\x90\\x80\\x80"},
      // A backslash before an escaped control is doubled, before other characters not.
      {"\\\x85 \\\xc2\x85 \\\xc3\xa9", "\\\\\\x85 \\\\\\xc2\\x85 \\\xc3\xa9"},
  };
  std::string expected;
  for (const Case& test : cases) {
    EXPECT_TRUE(log.LogText(test.text));
    expected += test.written + "\n";
  }
  EXPECT_EQ(ReadFileText(log.GetFileName()), expected);
}

TEST(DebugLog, TheFilesAndFoldersAreTheUsersAlone) {
  TempFolders folders;
  CDebugLog log;
  log.SetClock([] { return ClockAt(2026, 3, 8, 12, 0, 0, 0); });
  ASSERT_TRUE(log.Open("Velmar\\Velmar Tessaline", "Velmar_Tessaline"));
  namespace fs = std::filesystem;
  EXPECT_EQ(fs::status(log.GetFileName()).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(fs::status(folders.Data() / "Velmar").permissions(), fs::perms::owner_all);
  EXPECT_EQ(fs::status(folders.Data() / "Velmar" / "Velmar Tessaline").permissions(), fs::perms::owner_all);

  // A day's file that an earlier run left readable to everyone is closed to them.
  CDebugLog again;
  again.SetClock([] { return ClockAt(2026, 3, 8, 13, 0, 0, 0); });
  fs::permissions(log.GetFileName(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                         fs::perms::others_read | fs::perms::others_write);
  ASSERT_TRUE(again.Open("Velmar\\Velmar Tessaline", "Velmar_Tessaline"));
  EXPECT_EQ(fs::status(log.GetFileName()).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST(DebugLog, ADayPastItsCapSaysSoOnceAndTakesNothingMoreThatDay) {
  TempFolders folders;
  constexpr std::uint64_t kCap = 100;
  const std::string line(29, 'x');  // 30 bytes with its newline
  const std::string full = std::string(CDebugLog::kDayFullText) + "\n";
  auto now = ClockAt(2026, 3, 8, 9, 0, 0, 0);
  const auto opened = [&now](CDebugLog& log, const char* base) {
    log.SetClock([&now] { return now; });
    log.SetDayCap(kCap);
    return log.Open("Velmar", base);
  };
  {
    CDebugLog log;
    ASSERT_TRUE(opened(log, "Capped"));
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(log.LogText(line));  // 90 bytes
    EXPECT_TRUE(log.LogText(line));                               // would make 120
    EXPECT_TRUE(log.LogText("short"));                            // would still fit, but the day is over
    EXPECT_EQ(ReadFileText(log.GetFileName()), line + "\n" + line + "\n" + line + "\n" + full);
  }
  // A later run of the same day adds nothing; the next day's file starts afresh.
  CDebugLog later;
  ASSERT_TRUE(opened(later, "Capped"));
  EXPECT_TRUE(later.LogText("after a restart"));
  EXPECT_EQ(ReadFileText(later.GetFileName()), line + "\n" + line + "\n" + line + "\n" + full);
  now = ClockAt(2026, 3, 9, 9, 0, 0, 0);
  CDebugLog nextDay;
  ASSERT_TRUE(opened(nextDay, "Capped"));
  EXPECT_TRUE(nextDay.LogText("a new day"));
  EXPECT_EQ(ReadFileText(nextDay.GetFileName()), "a new day\n");

  // A file that reached the cap without the closing line (written by an older program) gets it
  // at the first line that does not fit.
  WriteFileText(folders.Data() / "Velmar" / "Old_2026_03_09.log", std::string(99, 'o') + "\n");
  CDebugLog old;
  ASSERT_TRUE(opened(old, "Old"));
  old.SetTimeStamps(true);
  EXPECT_TRUE(old.LogText("x"));
  EXPECT_TRUE(old.LogText("y"));
  EXPECT_EQ(ReadFileText(old.GetFileName()), std::string(99, 'o') + "\n09:00:00.000 : " + full);

  // The program's own cap.
  EXPECT_EQ(CDebugLog::kDayCapBytes, 10u * 1024 * 1024);
}

TEST(DebugLog, OpeningRemovesTheLogsOfDaysMoreThanThirtyDaysAgo) {
  TempFolders folders;
  namespace fs = std::filesystem;
  const fs::path folder = folders.Data() / "Velmar";
  fs::create_directories(folder);
  const char* const removed[] = {"Velmar_Tessaline_2026_02_05.log", "Velmar_Tessaline_2025_12_31.log",
                                 "Velmar_Tessaline_2020_07_14.log"};
  const char* const kept[] = {
      "Velmar_Tessaline_2026_02_06.log",      // 30 days before 8 March
      "Velmar_Tessaline_2026_03_07.log",      // yesterday
      "Velmar_Tessaline_2026_04_01.log",      // a clock set back: not the log's to judge
      "Other_Program_2020_01_01.log",         // another base name
      "Velmar_Tessaline_2020_01_01.log.bak",  // not a log file's name
      "Velmar_Tessaline_2020_13_01.log",      // no such day
      "Velmar_Tessaline_2020_1_01.log",
      "notes.txt",
  };
  for (const char* name : removed) WriteFileText(folder / name, "old\n");
  for (const char* name : kept) WriteFileText(folder / name, "kept\n");
  fs::create_directories(folder / "Velmar_Tessaline_2001_01_01.log");  // a folder is no log file

  CDebugLog log;
  log.SetClock([] { return ClockAt(2026, 3, 8, 10, 0, 0, 0); });
  ASSERT_TRUE(log.Open("Velmar", "Velmar_Tessaline"));
  for (const char* name : removed) EXPECT_FALSE(fs::exists(folder / name)) << name;
  for (const char* name : kept) EXPECT_TRUE(fs::exists(folder / name)) << name;
  EXPECT_TRUE(fs::is_directory(folder / "Velmar_Tessaline_2001_01_01.log"));
  EXPECT_TRUE(fs::exists(log.GetFileName()));
}
