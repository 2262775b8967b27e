// Reviewing a dive-computer log: logs written by the test encoders become review dives. The
// expected points are worked out by hand from the records: sample times, ambient pressures less
// the surface pressure, and the log's sample interval for the last sample.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "logimport/KeyMaterial.h"
#include "logimport/KorrinLog.h"
#include "logimport/LogFileAccess.h"
#include "tests/engine/PlanGroupTestSupport.h"
#include "tests/logimport/writers/ExampleDives.h"

namespace {

using testlog::Bytes;
using testlog::FromHex;
using testlog::PlainDive;
using testlog::PlainSampleLine;
using testlog::Put;
using testlog::StampedAtSecond;
using testlog::Word;

using Tensions = CKorrinLogSample::Compartments;

constexpr std::array<unsigned char, 16> kVector = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};

struct ReviewPoint {
  int startSec;
  int durationSec;
  double depthMbar;
  double oxygenPercent;
  double heliumPercent;
  double setPointBar;
  bool presetTensions;
  bool operator==(const ReviewPoint&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ReviewPoint& p) {
  return out << "{" << p.startSec << " s, " << p.durationSec << " s, " << p.depthMbar << " mbar, " << p.oxygenPercent
             << "/" << p.heliumPercent << ", sp " << p.setPointBar << (p.presetTensions ? ", tensions" : "") << "}";
}

// The dive's review points after the default one, the set-point to two decimals (the voted cells
// 1.20, 1.22 and 1.30 give 1.21).
std::vector<ReviewPoint> LoggedPoints(const CDivePlan& dive) {
  std::vector<ReviewPoint> points;
  for (int i = 1; i < dive.GetPlanPlusPointCount(); ++i) {
    const CPlanPoint& p = *dive.GetPlanPlusPoint(i);
    points.push_back({p.startSec, p.durationSec, p.depthMbar, p.oxygenPercent, p.heliumPercent,
                      std::round(p.setPointBar * 100) / 100, p.presetTensions});
  }
  return points;
}

// The bytes of the device's float layout: the IEEE single's low bytes first, then the sign with
// the top of the mantissa, then the exponent.
Bytes DeviceFloat(float value) {
  const auto bits = std::bit_cast<std::uint32_t>(value);
  const unsigned third = (bits >> 16) & 0xFFu;
  const unsigned fourth = bits >> 24;
  return {static_cast<unsigned char>(bits & 0xFFu), static_cast<unsigned char>((bits >> 8) & 0xFFu),
          static_cast<unsigned char>((third & 0x7Fu) | (fourth & 0x80u)),
          static_cast<unsigned char>(((fourth & 0x7Fu) << 1) | (third >> 7))};
}

// The six time-stamped lines of 16 nitrogen (33-35) and 16 helium (36-38) compartment values.
std::vector<Bytes> CompartmentLines(const Tensions& nitrogen, const Tensions& helium, int seconds) {
  std::vector<Bytes> lines;
  for (unsigned char type = 33; type <= 38; ++type) {
    const Tensions& set = type <= 35 ? nitrogen : helium;
    Bytes values;
    for (int i = 0; i < 6; ++i) {
      const int c = (type - 33) % 3 * 6 + i;
      values = values + DeviceFloat(c < 16 ? static_cast<float>(set[static_cast<std::size_t>(c)]) : 0.0f);
    }
    lines.push_back(Put(StampedAtSecond(type, seconds), 10, values));
  }
  return lines;
}

Tensions Ramp(double first, double step) {
  Tensions values{};
  for (int c = 0; c < 16; ++c) values[static_cast<std::size_t>(c)] = first + step * c;
  return values;
}

// The plain dive with a line 12 after the settings line: second pressure pair 1513 / 1013 mbar
// (a logged ceiling of 5 m) and the float 0.5 (a logged gradient factor of 50 %).
std::vector<Bytes> PlainDiveWithLoggedCeiling() {
  std::vector<Bytes> records = PlainDive();
  const Bytes line12 = Put(Put(Put(testlog::PlainRecord(12), 6, Word(1513)), 14, Word(1013)), 22, FromHex("3F000000"));
  records.insert(records.begin() + 6, line12);
  return records;
}

class PlanGroupReviewTest : public PlanGroupTest {
 protected:
  void SetUp() override {
    PlanGroupTest::SetUp();
    logimport::ReloadKeyMaterial();  // the placeholders, as the private folders hold no file
    previousPause_ = logimport::SetPauseFunction([](int) {});
  }
  void TearDown() override {
    logimport::SetPauseFunction(previousPause_);
    PlanGroupTest::TearDown();
  }

  std::string Write(const std::string& name, const Bytes& bytes) {
    const auto path = folders.Root() / name;
    testlog::WriteFile(path, bytes);
    return path.string();
  }
  std::string WriteText(const std::string& name, const std::vector<Bytes>& records) {
    const std::string text = testlog::TextLog(records);
    return Write(name, Bytes(text.begin(), text.end()));
  }
  std::string WriteStamped(const std::string& name, const std::vector<Bytes>& records) {
    return Write(name, testlog::BinaryLog(records, testlog::TimeStampedFirmwareHeader()));
  }

  // Reviews the log as the main window does and calculates the review dive.
  CDivePlan& Review(const std::string& path) {
    EXPECT_TRUE(plan.ReviewLogFile(path));
    CDivePlan& dive = Dive(plan.GetDiveCount() - 1);
    EXPECT_TRUE(plan.RecalculateDive(plan.GetDiveCount() - 1));
    return dive;
  }

  static void ExpectFiniteCeilings(const CDivePlan& dive) {
    for (int step = 0; step < dive.GetStepCount(); ++step) {
      ASSERT_TRUE(std::isfinite(dive.GetStepCeiling(step))) << "step " << step;
      ASSERT_TRUE(std::isfinite(dive.GetStepGradientFactor(step))) << "step " << step;
    }
  }

  static void ExpectStepTensions(const CDivePlan& dive, int step, const Tensions& nitrogen, const Tensions& helium) {
    SCOPED_TRACE(step);
    for (int c = 0; c < 16; ++c) {
      EXPECT_DOUBLE_EQ(dive.GetStepTissueNitrogen(step, c), nitrogen[static_cast<std::size_t>(c)]) << c;
      EXPECT_DOUBLE_EQ(dive.GetStepTissueHelium(step, c), helium[static_cast<std::size_t>(c)]) << c;
    }
  }

  logimport::PauseFunction previousPause_;
};

// Everything a failed review must leave alone.
struct PlanSnapshot {
  std::vector<std::string> diveRecords;
  std::vector<int> stepCounts;
  bool modified, loadInProgress, updateInProgress, calcPending;
  bool operator==(const PlanSnapshot&) const = default;
};

PlanSnapshot Snapshot(const CPlanGroup& plan) {
  PlanSnapshot snapshot{{}, {}, plan.m_modified, plan.m_loadInProgress, plan.m_updateInProgress, plan.m_calcPending};
  for (int i = 0; i < plan.GetDiveCount(); ++i) {
    std::string records;
    plan.GetDivePlan(i)->WriteDiveRecords(records);
    snapshot.diveRecords.push_back(records);
    snapshot.stepCounts.push_back(plan.GetDivePlan(i)->GetStepCount());
  }
  return snapshot;
}

}  // namespace

TEST_F(PlanGroupReviewTest, PointsFollowTheSamplesFromTheFirstSecondOn) {
  TheDebugLog().SetDebugLevel(4);
  const std::string path = WriteText("dive.ccl", PlainDiveWithLoggedCeiling());
  ASSERT_TRUE(plan.ReviewLogFile(path));
  ASSERT_EQ(plan.GetDiveCount(), 2);
  CDivePlan& dive = Dive(1);
  EXPECT_TRUE(dive.IsReviewDive());
  EXPECT_FALSE(Dive(0).IsReviewDive());
  EXPECT_DOUBLE_EQ(dive.GetSurfacePressure(), 1013);
  EXPECT_DOUBLE_EQ(dive.GetGfLow(), 30);
  EXPECT_DOUBLE_EQ(dive.GetGfHigh(), 85);
  EXPECT_FALSE(dive.HasPresetTensions());  // plain logs carry no compartment lines

  // The dive runs from 300 s to 330 s. Three samples at 300 s: the first two last 0 s and give
  // no point. The samples at 300, 310, 320 and 330 s (20 m... back at the surface) last 10 s
  // each, the last one the log's interval of 10 s; depths are ambient less 1013 mbar.
  ASSERT_EQ(dive.GetPlanPlusPointCount(), 5);
  EXPECT_EQ(dive.GetPlanPlusStartTime(0), 0);
  EXPECT_EQ(dive.GetPlanPlusDuration(0), 0);
  const std::vector<ReviewPoint> expected = {{-1, 10, 1000, 21, 35, 1.21, false},
                                             {9, 10, 2000, 21, 35, 1.21, false},
                                             {19, 10, 1000, 21, 35, 1.21, false},
                                             {29, 10, 0, 21, 35, 1.21, false}};
  EXPECT_EQ(LoggedPoints(dive), expected);
  for (int i = 1; i < 5; ++i) {
    EXPECT_TRUE(dive.IsPlanPlusClosedCircuit(i));
    EXPECT_FALSE(dive.IsPlanPlusNoClearSurface(i));
    EXPECT_DOUBLE_EQ(dive.GetPlanPlusCeiling(i), 5.0);
    EXPECT_DOUBLE_EQ(dive.GetPlanPlusPoint(i)->loggedGradientFactor, 50.0);
  }

  // The calculation steps through every second up to the last point's end (29 + 10 - 1), each
  // point reaching its depth at its last second.
  ASSERT_TRUE(plan.RecalculateDive(1));
  ASSERT_EQ(dive.GetStepCount(), 39);
  EXPECT_EQ(dive.GetLastStepTime(), 38);
  EXPECT_NEAR(dive.GetStepDepth(8), 10.0, 1e-9);
  EXPECT_NEAR(dive.GetStepDepth(18), 20.0, 1e-9);
  EXPECT_NEAR(dive.GetStepDepth(28), 10.0, 1e-9);
  EXPECT_NEAR(dive.GetStepDepth(38), 0.0, 1e-9);
  EXPECT_DOUBLE_EQ(dive.GetStepLoggedCeiling(20), 5.0);
  EXPECT_DOUBLE_EQ(dive.GetStepLoggedGradientFactor(20), 50.0);
  ExpectFiniteCeilings(dive);

  const std::string log = LogText();
  for (const std::string& line :
       {std::string("CPlanGroup::ReviewLogFile() started\n"
                    "CPlanGroup::ReviewLogFile() Initial - m_loadInProgress set True\n"),
        std::string("File opened OK\n"), "File " + path + " loaded OK\n",
        std::string("CPlanGroup::ReviewLogFile() Finished - m_loadInProgress set False\n")}) {
    EXPECT_NE(log.find(line), std::string::npos) << line;
  }
}

TEST_F(PlanGroupReviewTest, PostsPlanLoadedOnceAndLeavesTheModifiedStateToTheCaller) {
  ASSERT_TRUE(plan.ReviewLogFile(WriteText("dive.ccl", PlainDive())));
  int loaded = 0;
  for (const PostedMessage& message : Posted()) loaded += message.message == WMU_PLAN_LOADED ? 1 : 0;
  EXPECT_EQ(loaded, 1);
  EXPECT_EQ(Posted().back(), (PostedMessage{WMU_PLAN_LOADED, 1, 0}));
  EXPECT_FALSE(plan.m_modified);
  EXPECT_FALSE(plan.m_loadInProgress);
  EXPECT_TRUE(userInterface.questions.empty());

  // The points were added after the settings were calculated: the dive is not up to date until
  // it is calculated again, which brings it its steps.
  ASSERT_TRUE(plan.CalculateDivePlans(true, 1, false));
  EXPECT_EQ(Dive(1).GetStepCount(), 39);
}

TEST_F(PlanGroupReviewTest, TheSameDiveAsTextBinaryAndSecuredGivesTheSameReviewDive) {
  const Bytes binary = testlog::BinaryLog(PlainDiveWithLoggedCeiling(), testlog::PlainFirmwareHeader());
  const Bytes secured = testlog::SecuredFile(binary, logimport::PlaceholderKeyMaterial(), kVector);
  CDivePlan& fromText = Review(WriteText("dive.ccl", PlainDiveWithLoggedCeiling()));
  CDivePlan& fromBinary = Review(Write("dive-binary.ccl", binary));
  CDivePlan& fromSecured = Review(Write("dive-secured.ccl", secured));
  ASSERT_EQ(plan.GetDiveCount(), 4);
  ASSERT_EQ(LoggedPoints(fromText).size(), 4u);
  for (const CDivePlan* dive : {&fromBinary, &fromSecured}) {
    EXPECT_EQ(LoggedPoints(*dive), LoggedPoints(fromText));
    EXPECT_DOUBLE_EQ(dive->GetSurfacePressure(), fromText.GetSurfacePressure());
    EXPECT_DOUBLE_EQ(dive->GetGfLow(), fromText.GetGfLow());
    EXPECT_DOUBLE_EQ(dive->GetGfHigh(), fromText.GetGfHigh());
    ASSERT_EQ(dive->GetStepCount(), fromText.GetStepCount());
    for (int step = 0; step < dive->GetStepCount(); ++step) {
      EXPECT_EQ(dive->GetStepCeiling(step), fromText.GetStepCeiling(step)) << step;
      EXPECT_EQ(dive->GetStepLoggedCeiling(step), fromText.GetStepLoggedCeiling(step)) << step;
    }
  }
}

TEST_F(PlanGroupReviewTest, StartTensionsAreTheFirstPositiveLoggedOnesTakenOnce) {
  // The time-stamped dive (samples at 60 s, the dive start at 0 ambient, then 70, 80, 90 and the
  // end line's sample at 100 s; surface 1012 mbar; no interval line, so 1 s) with the loadings
  // of a repetitive dive after the 70 s sample and other loadings after the 90 s sample.
  const Tensions firstNitrogen = Ramp(800, 8), firstHelium = Ramp(200, -4);
  const Tensions laterNitrogen = Ramp(600, 0), laterHelium = Ramp(50, 0);
  std::vector<Bytes> records = testlog::TimeStampedDive();
  records.erase(records.begin() + 8, records.begin() + 14);  // its own compartment lines
  const std::vector<Bytes> later = CompartmentLines(laterNitrogen, laterHelium, 191);
  records.insert(records.begin() + 8, later.begin(), later.end());
  const std::vector<Bytes> first = CompartmentLines(firstNitrogen, firstHelium, 171);
  records.insert(records.begin() + 6, first.begin(), first.end());
  const std::string path = WriteStamped("stamped.ccl", records);

  CKorrinLog log;  // the encoding of the loadings, read back
  ASSERT_EQ(log.Load(path), 0) << log.GetErrorText();
  ASSERT_EQ(log.GetSampleCount(), 8);
  EXPECT_EQ(log.GetSample(1)->GetNitrogenCompartments(), firstNitrogen);
  EXPECT_EQ(log.GetSample(3)->GetHeliumCompartments(), laterHelium);

  CDivePlan& dive = Review(path);
  EXPECT_TRUE(dive.HasPresetTensions());
  EXPECT_DOUBLE_EQ(dive.GetSurfacePressure(), 1012);
  // The dive start's sample has no ambient reading: it lies at the surface, not at -10 m.
  const std::vector<ReviewPoint> expected = {{-1, 10, 0, 21, 35, 0, false},
                                             {9, 10, 1000, 21, 35, 1.21, true},
                                             {19, 10, 2000, 21, 35, 1.21, false},
                                             {29, 10, 1000, 21, 35, 1.21, false},
                                             {39, 1, 1000, 21, 35, 1.21, false}};
  EXPECT_EQ(LoggedPoints(dive), expected);
  ASSERT_EQ(dive.GetStepCount(), 40);
  // Every second of the marked point holds the logged loadings; the later ones are never used.
  ExpectStepTensions(dive, 9, firstNitrogen, firstHelium);
  ExpectStepTensions(dive, 18, firstNitrogen, firstHelium);
  EXPECT_NE(dive.GetStepTissueNitrogen(29, 0), laterNitrogen[0]);
  // Before the marked point the dive starts saturated on air at the model surface of 1012 - 30
  // mbar: (982 - 56.7) x 0.79.
  for (int c = 0; c < 16; ++c) {
    EXPECT_NEAR(dive.GetStepTissueNitrogen(0, c), 730.987, 1e-9);
    EXPECT_EQ(dive.GetStepTissueHelium(0, c), 0);
  }
  ExpectFiniteCeilings(dive);
}

TEST_F(PlanGroupReviewTest, TensionsOfASampleThatCoversNoStepGoToTheNextPoint) {
  // Loadings on the dive start's sample (60 s), followed 2 s later by another sample: the first
  // point covers -1 and 0 s, no calculated second, so the second point (from 1 s) carries them.
  const Tensions nitrogen = Ramp(900, -10), helium = Ramp(100, 2);
  std::vector<Bytes> records = testlog::TimeStampedDive();
  records.erase(records.begin() + 8, records.begin() + 14);
  const Bytes extraSample = Put(Put(StampedAtSecond(6, 162), 10, Word(1012)), 18, FromHex("787A827900000000"));
  records.insert(records.begin() + 5, extraSample);  // after the gas line
  const std::vector<Bytes> lines = CompartmentLines(nitrogen, helium, 160);
  records.insert(records.begin() + 3, lines.begin(), lines.end());

  CDivePlan& dive = Review(WriteStamped("first-second.ccl", records));
  const std::vector<ReviewPoint> points = LoggedPoints(dive);
  ASSERT_EQ(points.size(), 6u);
  EXPECT_EQ(points[0], (ReviewPoint{-1, 2, 0, 21, 35, 0, true}));
  EXPECT_EQ(points[1], (ReviewPoint{1, 8, 0, 21, 35, 1.21, true}));
  EXPECT_FALSE(points[2].presetTensions);
  ExpectStepTensions(dive, 1, nitrogen, helium);
  ExpectStepTensions(dive, 8, nitrogen, helium);
  ExpectFiniteCeilings(dive);
}

TEST_F(PlanGroupReviewTest, WithoutASurfaceSampleTheLogsPressureIsTheSurface) {
  // No dive start line, so no sample carries the dive's surface pressure; a second line 1 moves
  // the log's pressure to 1000 mbar after the samples were made at 1013. The settings line makes
  // a sample at 0 s without a reading (and without its own settings, which reach only later
  // samples), then samples follow every 10 s.
  const std::vector<Bytes> dive = PlainDive();
  const Bytes laterSurface = Put(testlog::PlainRecord(1), 20, Word(1000));
  std::vector<Bytes> records = {dive[0], dive[1], dive[2], dive[3], dive[5], PlainSampleLine(2013),
                                PlainSampleLine(3013), laterSurface, PlainSampleLine(1000)};
  CDivePlan& reviewed = Review(WriteText("no-surface.ccl", records));
  EXPECT_DOUBLE_EQ(reviewed.GetSurfacePressure(), 1000);
  const std::vector<ReviewPoint> expected = {{-1, 10, 0, 0, 0, 0, false},
                                             {9, 10, 1013, 21, 35, 1.21, false},
                                             {19, 10, 2013, 21, 35, 1.21, false},
                                             {29, 10, 0, 21, 35, 1.21, false}};
  EXPECT_EQ(LoggedPoints(reviewed), expected);
  EXPECT_DOUBLE_EQ(reviewed.GetGfLow(), 30);
  ExpectFiniteCeilings(reviewed);

  // Without the gradient-factor line the log reads 0/0: the dive keeps the defaults.
  records.erase(records.begin() + 3);
  CDivePlan& withoutFactors = Review(WriteText("no-factors.ccl", records));
  EXPECT_DOUBLE_EQ(withoutFactors.GetGfLow(), 20);
  EXPECT_DOUBLE_EQ(withoutFactors.GetGfHigh(), 80);
  EXPECT_EQ(LoggedPoints(withoutFactors).size(), 4u);
}

TEST_F(PlanGroupReviewTest, ALogThatJumpsADayAheadEndsAtTheDayLimit) {
  // The second opening line is dated the next day (25 h after the first), so the samples at
  // 110 s and 90000 s are 89890 s apart; the review stops at 86400 s.
  std::vector<Bytes> records = testlog::TimeStampedDive(8);
  records[16] = Put(StampedAtSecond(0, 50), 10, testlog::DateBytes(16, 3, 2024, 11, 0, 0));
  CDivePlan& dive = Review(WriteStamped("day.ccl", records));
  const std::vector<ReviewPoint> points = LoggedPoints(dive);
  ASSERT_EQ(points.size(), 6u);
  EXPECT_EQ(points.back().startSec, 49);
  EXPECT_EQ(points.back().durationSec, 86400 - 49);
  EXPECT_EQ(dive.GetLastStepTime(), 86399);
  ExpectFiniteCeilings(dive);
}

TEST_F(PlanGroupReviewTest, AFailedReviewLeavesThePlanAsItWas) {
  TheDebugLog().SetDebugLevel(4);
  MakeDives(2);
  ASSERT_TRUE(plan.CalculateDivePlans(true, 1, true));
  plan.ClearModified();
  TakePosted();
  const PlanSnapshot before = Snapshot(plan);

  std::string text = testlog::TextLog(PlainDive());
  text[text.size() - 3] = text[text.size() - 3] == '0' ? '1' : '0';
  Bytes badCrc = testlog::BinaryLog(PlainDive(), testlog::PlainFirmwareHeader());
  badCrc.back() ^= 0x01;
  Bytes truncated = testlog::BinaryLog(PlainDive(), testlog::PlainFirmwareHeader());
  truncated.resize(truncated.size() / 2);
  // A settings line's sample at 0 s before the dive start at 300 s, and no sample inside the
  // dive: its end stays at 0 s, before its start.
  const std::vector<Bytes> dive = PlainDive();
  const Bytes outside = Put(testlog::PlainRecord(7), 2, FromHex("1523005000"));
  const std::vector<Bytes> noSamples = {dive[0], dive[1], dive[2], outside, dive[4], PlainSampleLine(2013)};

  const std::vector<std::string> paths = {
      (folders.Root() / "missing.ccl").string(),
      Write("checksum.ccl", Bytes(text.begin(), text.end())),
      Write("crc.ccl", badCrc),
      Write("truncated.ccl", truncated),
      Write("junk.ccl", FromHex("F35346FF00112233445566778899AABBCCDDEEFF")),
      WriteText("no-samples.ccl", noSamples),
  };
  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    userInterface.questions.clear();
    EXPECT_FALSE(plan.ReviewLogFile(path));
    EXPECT_EQ(Snapshot(plan), before);
    ASSERT_EQ(userInterface.questions.size(), 1u);
    EXPECT_EQ(userInterface.questions[0].caption, "Velmar Tessaline");
    EXPECT_EQ(userInterface.questions[0].text, "Unable to open data file.");
    EXPECT_EQ(userInterface.questions[0].flags, platform::mb::kOk | platform::mb::kIconExclamation);
    EXPECT_TRUE(Posted().empty());
    EXPECT_NE(LogText().find("Unable to open log file " + path + "\n"
                             "CPlanGroup::ReviewLogFile() Unable to open file - m_loadInProgress set False\n"),
              std::string::npos);
  }
  EXPECT_NE(LogText().find("holds no samples between the dive's start and end"), std::string::npos);
}

TEST_F(PlanGroupReviewTest, AtThirtyDivesTheReviewIsRefusedWithoutAMessage) {
  TheDebugLog().SetDebugLevel(4);
  while (plan.GetDiveCount() < CPlanGroup::kMaxDives) ASSERT_TRUE(plan.AddDivePlan());
  plan.ClearModified();
  TakePosted();
  const PlanSnapshot before = Snapshot(plan);
  EXPECT_FALSE(plan.ReviewLogFile(WriteText("dive.ccl", PlainDive())));
  EXPECT_EQ(Snapshot(plan), before);
  EXPECT_TRUE(userInterface.questions.empty());
  EXPECT_TRUE(Posted().empty());
  EXPECT_NE(LogText().find("CPlanGroup::ReviewLogFile() Failed to add dive plan - m_loadInProgress set False\n"),
            std::string::npos);
}
