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
