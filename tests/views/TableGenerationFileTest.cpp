// The table generator's settings file: its layout, feet kept as metres, what reading takes and
// passes over, damaged files, and a failed save that keeps the old file.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <utility>

#include "tests/fuzz/CorpusFiles.h"
#include "tests/support/FileFaults.h"
#include "tests/views/GeneratorTestSupport.h"
#include "views/core/TableGenerationFile.h"
#include "views/core/TableGenerationRun.h"

namespace {

using TableGenerationFileTest = GeneratorTest;

constexpr const char* kTitle = "Table Generation Settings\r\n";

std::string SettingsPath(const TempFolders& folders, const std::string& name = "set.cct") {
  return (folders.Root() / name).string();
}

GeneratorPage ReadPage(const std::string& path, UnitSystem units, bool expectRead = true) {
  GeneratorPage page = MetricPage(10, 40, 10, 10, 30, 10);
  if (units == UnitSystem::kImperial) page = GeneratorPage(units);
  EXPECT_EQ(ReadTableGenerationFile(path, page), expectRead);
  return page;
}

TEST_F(TableGenerationFileTest, ThePageIsWrittenInMetresAndReadBackInTheUnitsShown) {
  GeneratorPage page = MetricPage(10, 40, 10, 10, 30, 10);
  page.grouping = TableGrouping::kByTime;
  AddSwitches(page.travel, {Switch(30, 18, 45, true, 1.3), Switch(0, 21, 0)});
  AddSwitches(page.deco, {Switch(21, 50, 0)});
  const std::string path = SettingsPath(folders);
  ASSERT_TRUE(WriteTableGenerationFile(path, page));
  EXPECT_EQ(ReadFileText(path), std::string(kTitle) +
                                    "001~10.00\r\n002~40.00\r\n003~10.00\r\n004~10.00\r\n005~30.00\r\n006~10.00\r\n"
                                    "010~1000.00\r\n011~30.00\r\n012~70.00\r\n013~20.00\r\n014~10.00\r\n015~6.00\r\n"
                                    "016~1\r\n020~1.40\r\n021~35.00\r\n"
                                    "030~Travel~0.00~21.00~0.00~0~0.00~1\r\n"
                                    "030~Travel~30.00~18.00~45.00~1~1.30~1\r\n"
                                    "030~Deco~21.00~50.00~0.00~0~0.00~1\r\n");

  const GeneratorPage read = ReadPage(path, UnitSystem::kMetric);
  EXPECT_EQ(read.grouping, TableGrouping::kByTime);
  EXPECT_EQ(Depths(read.travel), (std::vector<double>{0, 30}));
  EXPECT_EQ(read.travel.Row(1).GetSetPoint(), 1.3);
  EXPECT_TRUE(read.travel.Row(1).IsClosedCircuit());
  EXPECT_EQ(Depths(read.deco), (std::vector<double>{21}));
  EXPECT_EQ(read.Shown(kMaxPpo2), 1.4);

  // 100 ft is 30.705 m, kept as 30.70; read in feet that is 99.98 ft, which the field shows as 100.
  GeneratorPage feet(UnitSystem::kImperial);
  feet.SetShown(kDepthStart, 100);
  feet.SetShown(kDescentRate, 66);
  ASSERT_TRUE(WriteTableGenerationFile(path, feet));
  EXPECT_NE(ReadFileText(path).find("\r\n001~30.70\r\n"), std::string::npos);
  EXPECT_NE(ReadFileText(path).find("\r\n013~20.27\r\n"), std::string::npos);
  const GeneratorPage again = ReadPage(path, UnitSystem::kImperial);
  EXPECT_EQ(again.Shown(kDepthStart), 100);
  EXPECT_EQ(again.Shown(kDescentRate), 66);
  EXPECT_TRUE(Told().empty());
}

TEST_F(TableGenerationFileTest, SwitchDepthsKeptToTheCentimetreComeBackAtTheWholeFootTheyWereTypedAt) {
  // 145 ft is 44.52225 m and 15 ft 4.60575 m, kept as 44.52 m and 4.61 m (or 4.60 m). 6 m is
  // 19.54 ft, 14 cm from the nearest whole foot: in feet it is read as it is, and in metres
  // every whole metre stays.
  const std::string path = SettingsPath(folders);
  WriteFileText(path, std::string(kTitle) + "030~Travel~0.00~21.00~35.00~0~0.00~1\r\n" +
                          "030~Deco~44.52~50.00~0.00~0~0.00~1\r\n030~Deco~4.61~100.00~0.00~0~0.00~1\r\n" +
                          "030~Deco~6.00~80.00~0.00~0~0.00~1\r\n");
  const GeneratorPage feet = ReadPage(path, UnitSystem::kImperial);
  EXPECT_EQ(Depths(feet.deco), (std::vector<double>{15 * kMetresPerFoot, 6, 145 * kMetresPerFoot}));
  const GeneratorPage metres = ReadPage(path, UnitSystem::kMetric);
  EXPECT_EQ(Depths(metres.deco), (std::vector<double>{4.61, 6, 44.52}));
}

TEST_F(TableGenerationFileTest, ReadingTakesWhatItKnowsAndPassesOverTheRest) {
  const std::string path = SettingsPath(folders);
  // Only the title: both lists are emptied, every field stays.
  WriteFileText(path, kTitle);
  const GeneratorPage titleOnly = ReadPage(path, UnitSystem::kMetric);
  EXPECT_EQ(titleOnly.travel.Count(), 0);
  EXPECT_EQ(titleOnly.deco.Count(), 0);
  EXPECT_EQ(titleOnly.Shown(kDepthFinish), 40);

  // A gas line without its gas-set field, an unknown gas kind and an unused key are passed over;
  // of two ascent lines at one depth the first stays; descent lines after ascent lines are
  // still sorted. A step of 0 would never end a run: it is read as the smallest step, 1.
  WriteFileText(path, std::string(kTitle) +
                          "030~Deco~9.00~50.00~0.00~0~0.00~1\n"
                          "030~Deco~9.00~100.00~0.00~0~0.00~1\n"
                          "030~Travel~40.00~18.00~45.00~0~0.00~1\n"
                          "030~Travel~0.00~21.00~0.00~0~0.00~1\n"
                          "030~Travel~20.00~32.00~0.00~0~0.00\n"
                          "030~Bailout~12.00~32.00~0.00~0~0.00~1\n"
                          "007~99\n"
                          "003~0.00\n"
                          "006~0\n"
                          "002~55\n");
  const GeneratorPage read = ReadPage(path, UnitSystem::kMetric);
  EXPECT_EQ(Depths(read.travel), (std::vector<double>{0, 40}));
  EXPECT_EQ(Depths(read.deco), (std::vector<double>{9}));
  EXPECT_EQ(read.deco.Row(0).GetOxygen(), 50);
  EXPECT_EQ(read.Shown(kDepthStep), 1);
  EXPECT_EQ(read.Shown(kDurationStep), 1);
  EXPECT_EQ(read.Shown(kDepthFinish), 55);
  EXPECT_TRUE(Told().empty());

  // ...so the run of that page ends: 46 depths of three durations.
  class Uncalculated : public GeneratedPlanCalculator {
    bool Calculate(CDivePlan&, const GasSwitchList&, const GasSwitchList&) override { return true; }
  } uncalculated;
  TableGenerationRun run;
  EXPECT_TRUE(run.Run(read, nullptr, uncalculated, [](const std::string&) {}));
  EXPECT_EQ(run.Plans().size(), 46u * 21u);
}

TEST_F(TableGenerationFileTest, DamagedFilesGiveTheirMessageOrValuesInRangeAndNeverACrash) {
  const std::string path = SettingsPath(folders);
  const GeneratorPage before = MetricPage(10, 40, 10, 10, 30, 10);

  ReadPage(SettingsPath(folders, "missing.cct"), UnitSystem::kMetric, false);
  ReadPage(folders.Root().string(), UnitSystem::kMetric, false);
  WriteFileText(path, "Table Generation Settings Extra\r\n001~20\r\n");
  const GeneratorPage wrongKind = ReadPage(path, UnitSystem::kMetric, false);
  WriteFileText(path, std::string("\0\xff\xfe junk", 9));
  ReadPage(path, UnitSystem::kMetric, false);
  EXPECT_EQ(Told(), (std::vector<std::string>{"Unable to open data file.", "Unable to open data file.",
                                              "Invalid Table Generation Settings file",
                                              "Invalid Table Generation Settings file"}));
  EXPECT_EQ(wrongKind.Shown(kDepthStart), before.Shown(kDepthStart));

  WriteFileText(path, std::string(kTitle) + "001~1e308\n002~nan\n010~-inf\n011~99999999999999999999\n020~\n"
                          "021~" + std::string(5000, '9') + "\n" + std::string("030~Travel~nan~21~0~0~0~1\n") +
                          "030~Travel~1e300~21~0~0~0~1\n030~Deco~6~nan~0~0~0~1\n030~Deco~3~21~-5~0~0~1\n" +
                          std::string("\x01\x02~\x7f\xff\n", 6) + "030~Travel~0~21~0~1~1e999~1\n0\n~\n~~~~~~~~~~\n" +
                          "030~Deco~3.00~100.00~0.00~0~0.00~1");
  const GeneratorPage damaged = ReadPage(path, UnitSystem::kMetric);
  EXPECT_EQ(damaged.Shown(kDepthStart), 305);
  EXPECT_EQ(damaged.Shown(kDepthFinish), 0);
  EXPECT_EQ(damaged.Shown(kSurfacePressure), 600);
  EXPECT_EQ(damaged.Shown(kGfLow), 100);
  EXPECT_EQ(damaged.Shown(kMaxPpo2), 1.0);
  EXPECT_EQ(damaged.Shown(kMaxEad), 70);
  // "nan" is no number and reads as 0: air at the surface.
  EXPECT_EQ(Depths(damaged.travel), (std::vector<double>{0}));
  EXPECT_EQ(Depths(damaged.deco), (std::vector<double>{3}));

  // The fuzz target's seeds are settings files.
  for (const auto& seed : CorpusFiles("table_settings")) {
    GeneratorPage page;
    EXPECT_TRUE(ReadTableGenerationFile(seed.string(), page)) << seed.filename();
    EXPECT_GE(page.travel.Count(), 1) << seed.filename();
  }
}

TEST_F(TableGenerationFileTest, ASaveThatFailsIsToldAndKeepsTheOldFile) {
  const std::string path = SettingsPath(folders);
  WriteFileText(path, std::string(kTitle) + "001~20.00\r\n");
  const GeneratorPage page = MetricPage(10, 40, 10, 10, 30, 10);
  std::vector<std::string> expected;
  const std::pair<FileFault, int> faults[] = {
      {FileFault::kCreate, EACCES}, {FileFault::kWrite, ENOSPC}, {FileFault::kSync, EIO}, {FileFault::kRename, EACCES}};
  for (const auto& [fault, code] : faults) {
    SCOPED_TRACE(static_cast<int>(fault));
    ScopedFileFault failing(fault, folders.Root());
    EXPECT_FALSE(WriteTableGenerationFile(path, page));
    EXPECT_GE(failing.Hits(), 1);
    expected.push_back(CannotWriteMessage(std::filesystem::path(path).filename().string(), folders.Root(), code));
  }
  EXPECT_EQ(Told(), expected);
  EXPECT_EQ(userInterface.questions[0].flags, platform::mb::kOk | platform::mb::kIconExclamation);
  EXPECT_EQ(ReadFileText(path), std::string(kTitle) + "001~20.00\r\n");
}

TEST_F(TableGenerationFileTest, AReadOnlyFileIsNotReplaced) {
  const std::string path = SettingsPath(folders);
  WriteFileText(path, std::string(kTitle) + "001~20.00\r\n");
  std::filesystem::permissions(path, std::filesystem::perms(0444));
  EXPECT_FALSE(WriteTableGenerationFile(path, MetricPage(10, 40, 10, 10, 30, 10)));
  EXPECT_EQ(Told(), std::vector<std::string>{path + " is read-only.\n\nThe file has not been changed."});
  EXPECT_EQ(ReadFileText(path), std::string(kTitle) + "001~20.00\r\n");
}

}  // namespace
