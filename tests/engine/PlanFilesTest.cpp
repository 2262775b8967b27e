// Plan files and dive files: what is written, what a load or an import rebuilds from it, and
// what damaged files, full plans and failed saves leave behind.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <tuple>
#include <utility>

#include "engine/SettingRanges.h"
#include "engine/TextRecordFile.h"
#include "tests/engine/PlanGroupTestSupport.h"
#include "tests/support/FileFaults.h"
#include "tests/support/OrdinaryUser.h"

namespace {

using Posts = std::vector<PostedMessage>;
const PostedMessage kPlanLoaded{WMU_PLAN_LOADED, 0, 0};
const std::string kInvalidPlanFile = "Invalid Dive Plan file";
const std::string kInvalidDiveFile = "Invalid Dive file";
const std::string kCannotOpen = "Unable to open data file.";

using PointValues = std::tuple<int, double, bool, double, double, double, bool, bool, int, int>;

std::vector<PointValues> Points(const CDivePlan& dive, bool bailout) {
  std::vector<PointValues> points;
  const int count = bailout ? dive.GetProfilePointCount() : dive.GetUserPlanPointCount();
  for (int i = 0; i < count; ++i) {
    const CPlanPoint& p = bailout ? *dive.GetProfilePoint(i) : *dive.GetUserPlanPoint(i);
    points.emplace_back(p.durationSec, p.depthMbar, p.closedCircuit, p.oxygenPercent, p.heliumPercent, p.setPointBar,
                        p.noClearSurface, p.bailout, p.startSec, p.type);
  }
  return points;
}

// Every setting of a dive, as its getters report it, in the order of the file's records.
std::vector<double> Settings(const CDivePlan& dive) {
  return {dive.GetSurfacePressure(),
          dive.GetGfLow(),
          dive.GetGfHigh(),
          dive.GetSacRate(),
          dive.GetMaxPpo2(),
          dive.GetMaxEad(),
          double(dive.GetSurfaceInterval()),
          dive.GetDescentRate(),
          dive.GetAscentRate(),
          dive.GetLastStopDepth(),
          double(dive.IsBellExcursion()),
          dive.GetBellDepth(),
          dive.GetBellGas().GetOxygen(),
          dive.GetBellGas().GetHelium(),
          double(dive.GetBailoutGasSwitchCount()),
          dive.GetBailoutGfLow(),
          dive.GetBailoutGfHigh(),
          dive.GetBailoutSacRate(),
          dive.GetBailoutMaxPpo2(),
          dive.GetBailoutMaxEad(),
          dive.GetBailoutMaxCns(),
          dive.GetBailoutDescentRate(),
          dive.GetBailoutAscentRate(),
          dive.GetBailoutLastStopDepth(),
          double(dive.IsUseBailoutGasList()),
          double(dive.IsIgnoreIcd()),
          double(dive.IsIgnoreCns())};
}

std::vector<std::string> GasSwitches(const CPlanGroup& group, int index) {
  CPlanGroup::GasSwitchTable table;
  group.GetGasSwitches(index, table, false);
  std::vector<std::string> texts;
  for (const CGasSwitch& gasSwitch : table) {
    if (gasSwitch.IsGasSet()) texts.push_back(gasSwitch.ToString());
  }
  return texts;
}

void ApplyRecords(CDivePlan& dive, std::initializer_list<const char*> lines) {
  for (const char* line : lines) ASSERT_TRUE(dive.ApplyDiveRecord(CTextRecord(line))) << line;
}

class PlanFilesTest : public PlanGroupTest {
 protected:
  std::string PathOf(const std::string& name) const { return (folders.Root() / name).string(); }
  std::string Write(const std::string& name, const std::string& text) const {
    WriteFileText(folders.Root() / name, text);
    return PathOf(name);
  }
  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const AskedQuestion& question : userInterface.questions) {
      EXPECT_EQ(question.caption, "Velmar Tessaline");
      EXPECT_EQ(question.flags, platform::mb::kOk | platform::mb::kIconExclamation);
      texts.push_back(question.text);
    }
    return texts;
  }
  // The group as a failed load must leave it: one new dive with the registry's settings and no path.
  void ExpectOneNewDive(const CPlanGroup& group) const {
    ASSERT_EQ(group.GetDiveCount(), 1);
    EXPECT_EQ(group.GetFileName(), "");
    EXPECT_EQ(group.GetDiveName(0), "");
    EXPECT_EQ(group.GetDivePlan(0)->GetUserPlanPointCount(), 0);
    EXPECT_EQ(group.GetDivePlan(0)->GetGfLow(), 20);
    EXPECT_FALSE(group.m_loadInProgress);
  }

  // Three dives: open circuit with gas switches along its points, closed circuit with a bailout
  // plan, and a repetitive bell dive; every setting away from its default.
  void BuildThreeDives() {
    plan.m_autoRecalc = false;
    plan.SetSurfaceIntervalMethod(1);
    plan.SetAlgorithm(0);
    plan.SetCylinderWorkingPressure(232);
    plan.SetGasReserve(25.5);
    while (plan.GetDiveCount() < 3) ASSERT_TRUE(plan.AddDivePlan());
    for (int i = 0; i < 3; ++i) {
      CDivePlan& dive = Dive(i);
      dive.SetSurfacePressure(1013 - i);
      dive.SetGfLow(30 + i);
      dive.SetGfHigh(85 - i);
      dive.SetSacRate(18.5 + i);
      dive.SetMaxPpo2(std::array{1.45, 1.46, 1.47}[i]);
      dive.SetMaxEad(30 + i);
      dive.SetDescentRate(18 + i);
      dive.SetAscentRate(9 - i);
      dive.SetLastStopDepth(3 + i);
      dive.SetBailoutGasSwitchCount(3 + i);
      dive.SetBailoutGfLow(40 + i);
      dive.SetBailoutGfHigh(90 + i);
      dive.SetBailoutSacRate(25.25 + i);
      dive.SetBailoutMaxPpo2(std::array{1.5, 1.6, 1.7}[i]);
      dive.SetBailoutMaxEad(38 - i);
      dive.SetBailoutMaxCns(120 + i);
      dive.SetBailoutDescentRate(22 + i);
      dive.SetBailoutAscentRate(8 + i);
      dive.SetBailoutLastStopDepth(4.5 + i / 2.0);
      dive.SetUseBailoutGasList(i == 1);
      dive.SetIgnoreIcd(i == 2);
      dive.SetIgnoreCns(i != 0);
    }
    plan.RenameDive(0, "Wall");
    plan.RenameDive(1, "Deep CCR");
    plan.RenameDive(2, "Bell");
    Dive(1).SetSurfaceInterval(3600);
    Dive(2).SetSurfaceInterval(5400);
    Dive(1).SetBailoutGasList("21/35,50/0,100/0");

    // Open circuit: 18/45 on the bottom, 50 % from 21 m, oxygen from 6 m.
    AddUserPoint(Dive(0), 45, 1200, 18, 45, false, 0);
    AddUserPoint(Dive(0), 21, 60, 50, 0, false, 0);
    AddUserPoint(Dive(0), 6, 300, 100, 0, false, 0);
    // Closed circuit, a set-point change and a No Clear Surface leg, with its bailout plan.
    AddUserPoint(Dive(1), 60, 1500, 10, 50, true, 1.3);
    ASSERT_TRUE(Dive(1).AddPointFromRecord("100~600~3000.00~1~10.00~50.00~1.20~1~0"));
    ApplyRecords(Dive(1), {"110~1500~6000.00~1~10.00~50.00~1.30~0~0", "110~0~6000.00~0~18.00~45.00~0.00~0~1",
                           "110~120~2100.00~0~50.00~0.00~0.00~1~1", "055~1500", "056~60.00", "057~1", "058~3"});
    // Bell excursion from 15 m on 21/35.
    Dive(2).SetBellExcursion(true);
    Dive(2).SetBellDepth(15);
    Dive(2).SetBellGas(21, 35);
    AddUserPoint(Dive(2), 30, 900, 21, 35, false, 0);
  }
};

}  // namespace

TEST_F(PlanFilesTest, APlanComesBackWithEveryValueAndNoUnsavedChanges) {
  BuildThreeDives();
  const std::string path = PathOf("three.ccp");
  ASSERT_TRUE(plan.SavePlanGroup(path));
  EXPECT_FALSE(plan.m_modified);
  EXPECT_EQ(plan.GetFileName(), "");  // saving leaves the group's path to the main window
  const std::string saved = ReadFileText(path);
  // Line 1, the header and three dives, every line ending in CRLF.
  EXPECT_EQ(saved.rfind("Dive Plan\r\n001~1\r\n002~0\r\n003~232.00\r\n004~25.50\r\nDive\r\n020~Wall\r\n", 0), 0u);
  EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), std::count(saved.begin(), saved.end(), '\r'));
  EXPECT_NE(saved.find("\r\nDive\r\n020~Deep CCR\r\n021~1012.00\r\n"), std::string::npos);
  EXPECT_NE(saved.find("\r\n055~1500\r\n056~60.00\r\n057~1\r\n058~3\r\n060~21/35,50/0,100/0\r\n"), std::string::npos);
  EXPECT_NE(saved.find("\r\n110~120~2100.00~0~50.00~0.00~0.00~1~1\r\n"), std::string::npos);

  CPlanGroup loaded;
  loaded.LoadSettings();
  TakePosted();
  ASSERT_TRUE(loaded.LoadPlanGroup(path));
  EXPECT_EQ(loaded.GetFileName(), path);
  EXPECT_FALSE(loaded.m_modified);
  EXPECT_FALSE(loaded.m_loadInProgress);
  EXPECT_EQ(loaded.GetSurfaceIntervalMethod(), 1);
  EXPECT_EQ(loaded.GetAlgorithm(), 0);
  EXPECT_EQ(loaded.GetCylinderWorkingPressure(), 232);
  EXPECT_EQ(loaded.GetGasReserve(), 25.5);
  ASSERT_EQ(loaded.GetDiveCount(), 3);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const CDivePlan& before = Dive(i);
    const CDivePlan& after = *loaded.GetDivePlan(i);
    EXPECT_EQ(after.GetDiveIndex(), i);
    EXPECT_EQ(after.GetName(), before.GetName());
    EXPECT_EQ(Settings(after), Settings(before));
    EXPECT_EQ(after.GetBailoutGasList(), before.GetBailoutGasList());
    EXPECT_EQ(Points(after, false), Points(before, false));
    EXPECT_EQ(Points(after, true), Points(before, true));
    EXPECT_EQ(GasSwitches(loaded, i), GasSwitches(plan, i));
    EXPECT_FALSE(after.IsModified());
  }
  // Values worked out from what was set: dive 2's settings and the gas changes of dive 0.
  EXPECT_EQ(Settings(*loaded.GetDivePlan(2)),
            (std::vector<double>{1011, 32, 83, 20.5, 1.47, 32, 5400, 20, 7, 5, 1, 15, 21, 35, 5, 42, 92, 27.25, 1.7,
                                 36, 122, 24, 10, 5.5, 0, 1, 1}));
  EXPECT_EQ(GasSwitches(loaded, 0),
            (std::vector<std::string>{"0.00,18.00,45.00,0,0.00,1", "45.00,18.00,45.00,0,0.00,1",
                                      "21.00,50.00,0.00,0,0.00,1", "6.00,100.00,0.00,0,0.00,1"}));
  EXPECT_EQ(Points(*loaded.GetDivePlan(1), true)[1], PointValues(0, 6000, false, 18, 45, 0, false, true, 0, 0));
  // The bailout point and the rest that have no getter come back as they were written.
  const std::string again = PathOf("again.ccp");
  ASSERT_TRUE(loaded.SavePlanGroup(again));
  EXPECT_EQ(ReadFileText(again), saved);
  // Auto Recalc is off in the new group: the loaded dives await their calculation.
  EXPECT_TRUE(loaded.m_calcPending);
  EXPECT_EQ(userInterface.posted.back(), kPlanLoaded);
  EXPECT_TRUE(MessageTexts().empty());
}

TEST_F(PlanFilesTest, CrLfAndLfFilesLoadAlike) {
  const std::string lf =
      "Dive Plan\n001~1\n002~1\n003~200.00\n004~40.00\nDive\n020~Morning\n021~1013.00\n022~30.00\n023~85.00\n"
      "100~1500~3000.00~0~21.00~35.00~0.00~0~0\nDive\n020~Afternoon\n027~5400\n";
  std::string crlf;
  for (char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  for (const std::string& text : {lf, crlf}) {
    ASSERT_TRUE(plan.LoadPlanGroup(Write("plan.ccp", text)));
    ASSERT_EQ(plan.GetDiveCount(), 2);
    EXPECT_EQ(plan.GetSurfaceIntervalMethod(), 1);
    EXPECT_EQ(plan.GetCylinderWorkingPressure(), 200);
    EXPECT_EQ(plan.GetGasReserve(), 40);
    EXPECT_EQ(plan.GetDiveName(0), "Morning");
    EXPECT_EQ(Dive(0).GetSurfacePressure(), 1013);
    EXPECT_EQ(Dive(0).GetGfLow(), 30);
    EXPECT_EQ(Dive(0).GetGfHigh(), 85);
    EXPECT_EQ(Points(Dive(0), false), (std::vector<PointValues>{{1500, 3000, false, 21, 35, 0, false, false, 0, 0}}));
    EXPECT_EQ(plan.GetDiveName(1), "Afternoon");
    EXPECT_EQ(Dive(1).GetSurfaceInterval(), 5400);
    EXPECT_EQ(Dive(1).GetGfLow(), 20);  // the registry's default
  }
}

TEST_F(PlanFilesTest, TheFirstLineMustBeExactlyDivePlan) {
  for (const std::string first : {"Dive Plan ", "dive plan", "Dive", ""}) {
    SCOPED_TRACE(first);
    userInterface.questions.clear();
    plan.RenameDive(0, "Open plan");
    EXPECT_FALSE(plan.LoadPlanGroup(Write("plan.ccp", first + "\r\n001~1\r\nDive\r\n020~Wall\r\n")));
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{kInvalidPlanFile});
    ExpectOneNewDive(plan);
    EXPECT_EQ(plan.GetSurfaceIntervalMethod(), 0);
  }
}

TEST_F(PlanFilesTest, LoadingLogsItsStepsAndRecalculatesWithAutoRecalc) {
  TheDebugLog().SetDebugLevel(4);
  const std::string path = Write("plan.ccp", "Dive Plan\r\nDive\r\n100~600~1500.00~0~21.00~0.00~0.00~0~0\r\n022~30\r\n");
  ASSERT_TRUE(plan.LoadPlanGroup(path));
  // The GF change calculated the dive as it arrived; the load itself is no change to the plan.
  EXPECT_EQ(TakePosted(), (Posts{Calculated(0), kPlanLoaded}));
  EXPECT_GT(Dive(0).GetStepCount(), 600);
  const std::string log = LogText();
  EXPECT_NE(log.find("CPlanGroup::LoadPlanGroup() started\n"
                     "CPlanGroup::LoadPlanGroup() Initial - m_loadInProgress set True\n"),
            std::string::npos);
  EXPECT_NE(log.find("File opened OK\n"), std::string::npos);
  EXPECT_NE(log.find("File " + path + " loaded OK\nCPlanGroup::LoadPlanGroup() Finished - m_loadInProgress set False\n"),
            std::string::npos);
}

TEST_F(PlanFilesTest, ShortRecordsUnknownKeysAndRecordsBeforeTheFirstDiveAreIgnored) {
  ASSERT_TRUE(plan.LoadPlanGroup(Write("plan.ccp",
                                       "Dive Plan\r\n"
                                       "022~55\r\n"                                   // before any dive
                                       "100~600~1500.00~0~21.00~0.00~0.00~0~0\r\n"    // before any dive
                                       "Dive\r\n"
                                       "\r\n"
                                       "023\r\n"                                      // one field
                                       "100~1500~3000.00~1~21.00~0.00~0.70\r\n"       // seven fields
                                       "110~60~600.00~0~50.00~0.00~0.00~0\r\n"         // eight: no bailout flag
                                       "999~1\r\n"
                                       "021~1013~unexpected~fields\r\n"
                                       "003~210\r\n")));                              // header keys anywhere
  ASSERT_EQ(plan.GetDiveCount(), 1);
  EXPECT_EQ(Dive(0).GetGfLow(), 20);
  EXPECT_EQ(Dive(0).GetGfHigh(), 80);
  EXPECT_EQ(Dive(0).GetUserPlanPointCount(), 0);
  EXPECT_EQ(Points(Dive(0), true), (std::vector<PointValues>{{60, 600, false, 50, 0, 0, false, false, 0, 0}}));
  EXPECT_EQ(Dive(0).GetSurfacePressure(), 1013);
  EXPECT_EQ(plan.GetCylinderWorkingPressure(), 210);
}

TEST_F(PlanFilesTest, DamagedValuesAreKeptInTheirRanges) {
  ASSERT_TRUE(plan.LoadPlanGroup(Write("plan.ccp",
                                       "Dive Plan\r\n001~7\r\n002~9\r\n003~0\r\n004~1e999\r\nDive\r\n"
                                       "021~1e308\r\n022~-5\r\n023~101\r\n024~abc\r\n025~0\r\n026~900\r\n"
                                       "027~99999999999\r\n028~0\r\n029~-1e999\r\n030~0\r\n071~400\r\n"
                                       "072~2.00~0.00\r\n040~-5\r\n041~150\r\n046~1\r\n049~99\r\n055~-7\r\n"
                                       "056~-3\r\n100~99999999999~1e300~1~21.00~0.00~0.70~0~0\r\n")));
  EXPECT_EQ(plan.GetSurfaceIntervalMethod(), 1);
  EXPECT_EQ(plan.GetAlgorithm(), 1);  // no such algorithm: the plan keeps its own
  EXPECT_EQ(plan.GetCylinderWorkingPressure(), 150);
  EXPECT_EQ(plan.GetGasReserve(), 50);
  const CDivePlan& dive = Dive(0);
  EXPECT_EQ(dive.GetSurfacePressure(), 1080);
  EXPECT_EQ(dive.GetGfLow(), 0);
  EXPECT_EQ(dive.GetGfHigh(), 100);
  EXPECT_NEAR(dive.GetSacRate(), 0.28 * 28.31685, 1e-12);  // 0.28 cu ft/min, the imperial page's least
  EXPECT_EQ(dive.GetMaxPpo2(), 1.0);
  EXPECT_NEAR(dive.GetMaxEad(), 230 * 0.30705, 1e-12);  // 230 ft
  EXPECT_EQ(dive.GetSurfaceInterval(), 71 * 3600 + 59 * 60);
  EXPECT_NEAR(dive.GetDescentRate(), 16 * 0.30705, 1e-12);
  EXPECT_NEAR(dive.GetAscentRate(), 3 * 0.30705, 1e-12);
  EXPECT_EQ(dive.GetLastStopDepth(), 3);
  EXPECT_NEAR(dive.GetBellDepth(), 1000 * 0.30705, 1e-12);
  EXPECT_EQ(dive.GetBellGas().GetName(false), "Air");  // 2 % oxygen is no gas
  EXPECT_EQ(dive.GetBailoutGasSwitchCount(), 1);
  EXPECT_EQ(dive.GetBailoutGfLow(), 100);
  EXPECT_EQ(dive.GetBailoutMaxCns(), 100);
  EXPECT_NEAR(dive.GetBailoutLastStopDepth(), 20 * 0.30705, 1e-12);
  // Points are taken as they stand; the calculation guards itself against them.
  EXPECT_EQ(dive.GetUserPlanPointDuration(0), INT_MAX);
  const std::string again = PathOf("again.ccp");
  ASSERT_TRUE(plan.SavePlanGroup(again));
  EXPECT_NE(ReadFileText(again).find("\r\n055~0\r\n056~0.00\r\n"), std::string::npos);
}

TEST_F(PlanFilesTest, DamagedFilesGiveTheirMessageAndAUsablePlan) {
  struct Case {
    std::string text;
    std::string message;
  };
  const char junk[] = "\x7f" "ELF\x02\x01\x01\0\0\0\xff\xfe~~~\n\n\x01";
  const Case cases[] = {
      {"", kInvalidPlanFile},
      {std::string(junk, sizeof junk - 1), kInvalidPlanFile},
      {"Dive Pl", kInvalidPlanFile},
  };
  for (const Case& c : cases) {
    userInterface.questions.clear();
    EXPECT_FALSE(plan.LoadPlanGroup(Write("damaged.ccp", c.text)));
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{c.message});
    ExpectOneNewDive(plan);
  }
  // A byte-order mark, as some editors write it, is not part of the first line.
  ASSERT_TRUE(plan.LoadPlanGroup(Write("marked.ccp", "\xef\xbb\xbf" "Dive Plan\r\nDive\r\n020~Edited\r\n")));
  EXPECT_EQ(plan.GetDiveName(0), "Edited");
  // Cut in the middle of a record: what stands is read.
  ASSERT_TRUE(plan.LoadPlanGroup(Write("cut.ccp", "Dive Plan\r\n001~1\r\nDive\r\n020~Wreck\r\n021~10")));
  EXPECT_EQ(plan.GetDiveName(0), "Wreck");
  EXPECT_EQ(Dive(0).GetSurfacePressure(), 600);

  userInterface.questions.clear();
  EXPECT_FALSE(plan.LoadPlanGroup(PathOf("missing.ccp")));
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{kCannotOpen});
  ExpectOneNewDive(plan);
  userInterface.questions.clear();
  EXPECT_FALSE(plan.LoadPlanGroup(folders.Root().string()));  // a folder
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{kCannotOpen});
}

TEST_F(PlanFilesTest, APlanFileOfMoreThanThirtyDivesIsRefusedBeforeAnyDiveIsMade) {
  std::string text = "Dive Plan\r\n001~1\r\n";
  for (int i = 0; i < 31; ++i) text += "Dive\r\n020~Dive " + std::to_string(i + 1) + "\r\n";
  EXPECT_FALSE(plan.LoadPlanGroup(Write("many.ccp", text)));
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{kInvalidPlanFile});
  ExpectOneNewDive(plan);
  EXPECT_EQ(plan.GetSurfaceIntervalMethod(), 0);  // the header was not read either

  // Thirty dives are a plan.
  text = "Dive Plan\r\n";
  for (int i = 0; i < 30; ++i) text += "Dive\r\n020~Dive " + std::to_string(i + 1) + "\r\n";
  ASSERT_TRUE(plan.LoadPlanGroup(Write("thirty.ccp", text)));
  ASSERT_EQ(plan.GetDiveCount(), 30);
  EXPECT_EQ(plan.GetDiveName(29), "Dive 30");
  EXPECT_EQ(Dive(29).GetDiveIndex(), 29);
}

TEST_F(PlanFilesTest, ANameCannotBreakItsRecord) {
  ASSERT_TRUE(plan.RenameDive(0, "Reef~North\r\nSide"));
  const std::string path = PathOf("names.ccp");
  ASSERT_TRUE(plan.SavePlanGroup(path));
  EXPECT_NE(ReadFileText(path).find("\r\n020~Reef North  Side\r\n021~"), std::string::npos);
  ASSERT_TRUE(plan.LoadPlanGroup(path));
  EXPECT_EQ(plan.GetDiveName(0), "Reef North  Side");
  EXPECT_EQ(plan.GetDiveCount(), 1);

  // A file made elsewhere: a "~" in the name, and a name in Windows-1252.
  ASSERT_TRUE(plan.LoadPlanGroup(Write("other.ccp", "Dive Plan\nDive\n020~A~B\nDive\n020~Caf\xe9 \x80\n")));
  EXPECT_EQ(plan.GetDiveName(0), "A~B");
  EXPECT_EQ(plan.GetDiveName(1), "Caf\xc3\xa9 \xe2\x82\xac");
}

TEST_F(PlanFilesTest, AnUnwritableTargetKeepsTheOldFile) {
  const std::string path = Write("plan.ccp", "Dive Plan\r\n001~1\r\n");
  plan.RenameDive(0, "Changed");
  ASSERT_TRUE(plan.m_modified);
  const std::pair<FileFault, int> faults[] = {
      {FileFault::kCreate, EACCES}, {FileFault::kWrite, ENOSPC}, {FileFault::kClose, EIO}, {FileFault::kRename, EACCES}};
  for (const auto& [fault, code] : faults) {
    userInterface.questions.clear();
    ScopedFileFault unwritable(fault, folders.Root());
    EXPECT_FALSE(plan.SavePlanGroup(path));
    EXPECT_FALSE(plan.ExportDive(path, 0));
    const std::string told = CannotWriteMessage("plan.ccp", folders.Root(), code);
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{told, told}));
  }
  EXPECT_EQ(ReadFileText(path), "Dive Plan\r\n001~1\r\n");
  EXPECT_TRUE(plan.m_modified);
  for (const auto& entry : std::filesystem::directory_iterator(folders.Root())) {
    EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
  }
}

TEST_F(PlanFilesTest, ASaveThatCannotBeMadeNamesTheFolderAndWhyIsLoggedAndKeepsThePlanModified) {
  const std::filesystem::path root = folders.Root();
  std::filesystem::create_symlink("self.ccp", root / "self.ccp");
  std::filesystem::create_symlink("b.ccp", root / "a.ccp");
  std::filesystem::create_symlink("a.ccp", root / "b.ccp");
  std::filesystem::create_symlink("missing/plan.ccp", root / "dangling.ccp");
  const long nameMax = ::pathconf(root.c_str(), _PC_NAME_MAX);
  ASSERT_EQ(nameMax, 255);
  // Names too long are shown by their beginning and end, never half a character.
  const std::string longName = std::string(253, 'p') + ".ccp";
  std::string longAccented = "x";
  for (int i = 0; i < 130; ++i) longAccented += "\xc3\xa9";
  longAccented += ".ccp";
  struct Case {
    std::string path;
    std::string shown;
    std::filesystem::path folder;
    int code;
  };
  const Case cases[] = {
      {PathOf("self.ccp"), "self.ccp", root, ELOOP},
      {PathOf("a.ccp"), "a.ccp", root, ELOOP},
      {PathOf("dangling.ccp"), "dangling.ccp", root / "missing", ENOENT},
      {PathOf(longName), std::string(40, 'p') + "\xe2\x80\xa6" + std::string(16, 'p') + ".ccp", root, ENAMETOOLONG},
      {PathOf(longAccented),
       "x\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9"
       "\xe2\x80\xa6\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9.ccp",
       root, ENAMETOOLONG},
  };
  plan.RenameDive(0, "Changed");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path.substr(0, 60));
    userInterface.questions.clear();
    EXPECT_FALSE(plan.SavePlanGroup(c.path));
    EXPECT_FALSE(plan.ExportDive(c.path, 0));
    const std::string told = CannotWriteMessage(c.shown, c.folder, c.code);
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{told, told}));
    EXPECT_TRUE(plan.m_modified);
    // Logged at the default level, as failed gas-list saves are.
    EXPECT_NE(LogText().find("Unable to write data file " + c.path + " - "), std::string::npos);
  }
  EXPECT_NE(LogText().find("Unable to write data file " + PathOf("self.ccp") + " - Cannot follow the links of " +
                           PathOf("self.ccp") + ": " + std::strerror(ELOOP) + "\n"),
            std::string::npos);
  // The links stay as they were, and nothing was left beside them.
  EXPECT_EQ(std::filesystem::read_symlink(root / "self.ccp"), "self.ccp");
  EXPECT_EQ(std::filesystem::read_symlink(root / "a.ccp"), "b.ccp");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(root), std::filesystem::directory_iterator()), 6);

  // Such a link cannot be read either.
  for (const std::string& path : {PathOf("self.ccp"), PathOf("b.ccp")}) {
    userInterface.questions.clear();
    EXPECT_FALSE(plan.ImportDive(path));
    EXPECT_FALSE(plan.LoadPlanGroup(path));
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{kCannotOpen, kCannotOpen}));
    ExpectOneNewDive(plan);
  }
}

TEST_F(PlanFilesTest, AFolderTheUserMayNotWriteIsNamedWithTheSystemsReason) {
  const OrdinaryUser user;
  if (!user.Unavailable().empty()) GTEST_SKIP() << user.Unavailable();
  const std::filesystem::path locked = folders.Root() / "locked";
  std::filesystem::create_directory(locked);
  user.Own(folders.Root());
  std::filesystem::permissions(locked, std::filesystem::perms(0555));
  const std::string path = (locked / "plan.ccp").string();
  plan.RenameDive(0, "Changed");
  const std::string failures = user.Run([&] {
    std::string failed;
    if (plan.SavePlanGroup(path)) failed += "saved; ";
    if (!plan.m_modified) failed += "no longer modified; ";
    const std::vector<std::string> told = MessageTexts();
    if (told != std::vector<std::string>{CannotWriteMessage("plan.ccp", locked, EACCES)}) {
      failed += "told: " + (told.empty() ? std::string("nothing") : told[0]) + "; ";
    }
    return failed;
  });
  std::filesystem::permissions(locked, std::filesystem::perms(0755));
  EXPECT_EQ(failures, "");
}

TEST_F(PlanFilesTest, ASaveWhoseFolderCannotBeFlushedIsToldAndLeavesThePlanModified) {
  const std::string path = Write("plan.ccp", "Dive Plan\r\n001~1\r\n");
  plan.RenameDive(0, "Changed");
  ScopedFileFault unflushed(FileFault::kSyncFolder, folders.Root());
  EXPECT_FALSE(plan.SavePlanGroup(path));
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{CannotWriteMessage("plan.ccp", folders.Root(), EIO)});
  EXPECT_TRUE(plan.m_modified);
}

TEST_F(PlanFilesTest, ASaveInterruptedBeforeTheRenameLeavesTheOldFile) {
  const std::string path = Write("plan.ccp", "Dive Plan\r\n001~1\r\n");
  plan.RenameDive(0, "Changed");
  EXPECT_EXIT(
      {
        ScopedFileFault crash(FileFault::kEndBeforeRename, folders.Root());
        plan.SavePlanGroup(path);
      },
      testing::ExitedWithCode(ScopedFileFault::kEndedExitCode), "");
  EXPECT_EQ(ReadFileText(path), "Dive Plan\r\n001~1\r\n");
  ASSERT_TRUE(plan.LoadPlanGroup(path));
  EXPECT_EQ(plan.GetDiveName(0), "");
}

TEST_F(PlanFilesTest, ADiveFileHoldsOneDiveWithoutTheHeader) {
  MakeDives(2);
  plan.RenameDive(1, "Second");
  Dive(1).SetBellExcursion(true);
  Dive(1).SetBellDepth(12);
  plan.ClearModified();
  const std::string path = PathOf("second.ccd");
  EXPECT_FALSE(plan.ExportDive(path, 2));
  EXPECT_FALSE(plan.ExportDive(path, -1));
  EXPECT_FALSE(std::filesystem::exists(path));
  ASSERT_TRUE(plan.ExportDive(path, 1));
  EXPECT_FALSE(plan.m_modified);
  const std::string text = ReadFileText(path);
  EXPECT_EQ(text.rfind("Dive\r\n020~Second\r\n021~1000.00\r\n022~20.00\r\n", 0), 0u);
  EXPECT_NE(text.find("\r\n100~1200~2000.00~0~21.00~0.00~0.70~0~0\r\n"), std::string::npos);

  TakePosted();
  ASSERT_TRUE(plan.ImportDive(path));
  ASSERT_EQ(plan.GetDiveCount(), 3);
  // Each bell setting that arrived calculated the new dive; the import is no change to the plan.
  const Posts posted = TakePosted();
  EXPECT_EQ(posted, (Posts{Calculated(2), Calculated(2), {WMU_PLAN_LOADED, 2, 0}}));
  EXPECT_EQ(plan.GetDiveName(2), "Second");
  EXPECT_EQ(Settings(Dive(2)), Settings(Dive(1)));
  EXPECT_EQ(Points(Dive(2), false), Points(Dive(1), false));
  EXPECT_TRUE(Dive(2).IsBellExcursion());  // the bell settings come along
  EXPECT_EQ(Dive(2).GetBellDepth(), 12);
  EXPECT_FALSE(plan.m_loadInProgress);
}

TEST_F(PlanFilesTest, ADiveFileIgnoresHeaderKeysAndNeedsItsFirstLine) {
  ASSERT_TRUE(plan.ImportDive(Write("dive.ccd", "Dive\n001~1\n003~150\nDive\n022~40\n")));
  EXPECT_EQ(plan.GetSurfaceIntervalMethod(), 0);
  EXPECT_EQ(plan.GetCylinderWorkingPressure(), 240);
  EXPECT_EQ(Dive(1).GetGfLow(), 40);

  for (const std::string text : {"Dive Plan\r\nDive\r\n", "Dive \r\n022~40\r\n", "dive\n", ""}) {
    userInterface.questions.clear();
    EXPECT_FALSE(plan.ImportDive(Write("dive.ccd", text)));
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{kInvalidDiveFile});
  }
  userInterface.questions.clear();
  EXPECT_FALSE(plan.ImportDive(PathOf("missing.ccd")));
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{kCannotOpen});
  EXPECT_EQ(plan.GetDiveCount(), 2);
  EXPECT_FALSE(plan.m_loadInProgress);
}

TEST_F(PlanFilesTest, ImportMakesTheThirtiethDiveButNotAThirtyFirst) {
  TheDebugLog().SetDebugLevel(4);
  while (plan.GetDiveCount() < 29) ASSERT_TRUE(plan.AddDivePlan());
  const std::string path = Write("dive.ccd", "Dive\r\n020~Last\r\n");
  TakePosted();
  ASSERT_TRUE(plan.ImportDive(path));
  EXPECT_EQ(plan.GetDiveCount(), 30);
  EXPECT_EQ(plan.GetDiveName(29), "Last");
  EXPECT_EQ(TakePosted(), (Posts{{WMU_PLAN_LOADED, 29, 0}}));

  EXPECT_FALSE(plan.ImportDive(path));
  EXPECT_EQ(plan.GetDiveCount(), 30);
  EXPECT_TRUE(userInterface.questions.empty());
  EXPECT_TRUE(TakePosted().empty());
  EXPECT_FALSE(plan.m_loadInProgress);
  EXPECT_NE(LogText().find("CPlanGroup::ImportDive() Failed to add dive plan - m_loadInProgress set False\n"),
            std::string::npos);
}

TEST_F(PlanFilesTest, AReadOnlyPlanOrDiveFileIsNotReplaced) {
  for (const std::string name : {"plan.ccp", "dive.ccd"}) {
    SCOPED_TRACE(name);
    const std::string path = Write(name, "Dive Plan\r\n001~1\r\n");
    std::filesystem::permissions(path, std::filesystem::perms(0444));
    plan.RenameDive(0, "Changed");
    userInterface.questions.clear();
    EXPECT_FALSE(name == "plan.ccp" ? plan.SavePlanGroup(path) : plan.ExportDive(path, 0));
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{path + " is read-only.\n\nThe file has not been changed."});
    EXPECT_EQ(ReadFileText(path), "Dive Plan\r\n001~1\r\n");
    EXPECT_TRUE(plan.m_modified);
  }
}

TEST_F(PlanFilesTest, APlanCutAtAnyByteOpensWithWhatItHoldsAndSaysWhenItWasCutShort) {
  BuildThreeDives();
  const std::string whole = PathOf("whole.ccp");
  ASSERT_TRUE(plan.SavePlanGroup(whole));
  const std::string text = ReadFileText(whole);
  const std::string cutPath = PathOf("cut.ccp");
  const std::string cutShortStart = cutPath + " seems to be cut short: it does not end as a saved plan ends.\n\n";
  for (std::size_t size = 0; size <= text.size(); ++size) {
    const std::string cut = text.substr(0, size);
    SCOPED_TRACE(testing::Message() << "cut at " << size << ": ..." << cut.substr(size > 40 ? size - 40 : 0));
    // Worked out from the file alone: its lines, and whether the last dive reached record 060, the
    // last that every saved dive holds.
    int dives = 0;
    bool lastDiveWhole = true;
    std::size_t lineStart = 0;
    while (lineStart < cut.size()) {
      std::size_t lineEnd = cut.find('\n', lineStart);
      const bool ended = lineEnd != std::string::npos;
      if (!ended) lineEnd = cut.size();
      std::string line = cut.substr(lineStart, lineEnd - lineStart);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line == "Dive") {
        ++dives;
        lastDiveWhole = false;
      } else if (ended && line.rfind("060~", 0) == 0) {
        lastDiveWhole = true;
      }
      lineStart = lineEnd + 1;
    }
    const bool refused = size < std::string("Dive Plan").size();  // a line end may follow it or not
    const bool cutShort = !refused && (cut.back() != '\n' || !lastDiveWhole);

    userInterface.questions.clear();
    ASSERT_EQ(plan.LoadPlanGroup(Write("cut.ccp", cut)), !refused);
    if (refused) {
      EXPECT_EQ(MessageTexts(), std::vector<std::string>{kInvalidPlanFile});
      ExpectOneNewDive(plan);
    } else if (cutShort) {
      EXPECT_EQ(MessageTexts(), std::vector<std::string>{cutShortStart + std::to_string(dives) + " dives have been read."});
    } else {
      EXPECT_EQ(MessageTexts(), std::vector<std::string>{});
    }
    if (!refused) {
      EXPECT_EQ(plan.GetDiveCount(), std::max(dives, 1));
      EXPECT_FALSE(plan.m_modified);
      EXPECT_FALSE(plan.m_loadInProgress);
    }
  }
  // The whole file opens without a word, as do both cuts that leave whole dives.
  userInterface.questions.clear();
  ASSERT_TRUE(plan.LoadPlanGroup(whole));
  EXPECT_TRUE(userInterface.questions.empty());
}

TEST_F(PlanFilesTest, AHandWrittenPlanWithSomeRecordsInAnyDiveIsWholeAndKeepsTheDefaultsOfTheRest) {
  // The first dive holds only a name, the second a later record and a point without the records
  // a save writes before them.
  const std::string firstDives =
      "Dive Plan\n001~1\nDive\n020~Only a name\nDive\n023~70.00\n100~600~3000.00~0~21.00~0.00~0.00~0~0\n";
  struct Case {
    const char* lastDive;
    bool cutShort;
  };
  const Case cases[] = {
      {"Dive\n020~Third\n023~70.00\n", false},  // record 023 without 021 and 022
      {"Dive\n021~1013.00\n020~Third\n", false},  // not in the order a save writes
      {"Dive\n100~600~3000.00~0~21.00~0.00~0.00~0~0\n", false},
      {"Dive\n020~Third\n021~1013.00\n100~600~3000.00~0~21.00~0.00~0.00~0~0\n", false},
      {"Dive\n020~Third\n021~1013.00\n099~1\n", false},  // a key no save writes
      {"Dive\n020~Third\n020~Third\n", false},
      // What cuts of a saved dive leave: after its record 021, after its "Dive" line, and inside
      // a record.
      {"Dive\n020~Third\n021~1013.00\n", true},
      {"Dive\n", true},
      {"Dive\n020~Third\n023~70.00", true},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.lastDive);
    userInterface.questions.clear();
    const std::string path = Write("hand.ccp", firstDives + test.lastDive);
    ASSERT_TRUE(plan.LoadPlanGroup(path));
    if (test.cutShort) {
      EXPECT_EQ(MessageTexts(), std::vector<std::string>{path + " seems to be cut short: it does not end as a saved "
                                                                "plan ends.\n\n3 dives have been read."});
    } else {
      EXPECT_EQ(MessageTexts(), std::vector<std::string>{});
    }
    ASSERT_EQ(plan.GetDiveCount(), 3);
    EXPECT_EQ(plan.GetSurfaceIntervalMethod(), 1);
    EXPECT_EQ(plan.GetDiveName(0), "Only a name");
    EXPECT_EQ(plan.GetDiveName(1), "");
    // What the files leave out keeps the settings a new dive has.
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(Dive(i).GetGfLow(), 20) << i;
      EXPECT_EQ(Dive(i).GetBailoutGfHigh(), 100) << i;
    }
    EXPECT_EQ(Dive(0).GetGfHigh(), 80);
    EXPECT_EQ(Dive(1).GetGfHigh(), 70);
    EXPECT_EQ(Dive(1).GetUserPlanPointCount(), 1);
    EXPECT_FALSE(plan.m_modified);
  }
  // One whole dive of a single record.
  userInterface.questions.clear();
  ASSERT_TRUE(plan.LoadPlanGroup(Write("one.ccp", "Dive Plan\nDive\n022~40.00\n")));
  EXPECT_TRUE(userInterface.questions.empty());
  EXPECT_EQ(Dive(0).GetGfLow(), 40);
}
