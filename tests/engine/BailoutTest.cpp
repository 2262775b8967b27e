// Bailout planning on whole dives. Switch depths and gases are worked out by hand in the
// comments; the complete schedules come from the independent reference model
// (tests/reference/bailout_cases.py, which prints every value asserted here).
#include <gtest/gtest.h>

#include <cmath>

#include "resources/ProgramResources.h"
#include "resources/resource.h"
#include "tests/engine/DiveTestSupport.h"

namespace {

using namespace platform;

struct GasSwitchAt {
  double depthMetres;
  double oxygen;
  double helium;
  bool operator==(const GasSwitchAt&) const = default;
};

std::ostream& operator<<(std::ostream& out, const GasSwitchAt& s) {
  return out << s.depthMetres << " m " << s.oxygen << "/" << s.helium;
}

std::vector<GasSwitchAt> UsedSwitches(const CDivePlan& dive) {
  std::vector<GasSwitchAt> used;
  for (const CGasSwitch& s : dive.GetBailoutGasSwitches()) {
    if (s.IsGasSet()) used.push_back({s.GetDepth(), s.GetOxygen(), s.GetHelium()});
  }
  return used;
}

// The gas of every calculated profile point after the surface point, as "O2/He".
std::vector<std::string> LegGases(const CDivePlan& dive) {
  std::vector<std::string> gases;
  for (int i = 1; i < dive.GetPlanPlusPointCount(); ++i) {
    const CPlanPoint& p = *dive.GetPlanPlusPoint(i);
    gases.push_back(p.closedCircuit ? "CC" : FormatC("%g/%g", p.oxygenPercent, p.heliumPercent));
  }
  return gases;
}

std::vector<std::string> LinesContaining(const std::string& text, const std::string& part) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find(part) != std::string::npos) lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// The schedule of the 60 m dive bailed out at the end of its bottom on three switches (60 m,
// 27 m, 9 m), whose gases decide the length of the 6 m stop.
std::vector<Leg> SixtyMetreRuleSchedule(int sixMetreStopSec) {
  return {{kPointDescent, 60, 1, 180},
          {kPointPlanned, 60, 181, 1020},
          {kPointPlanned, 60, 1201, 0},
          {kPointDecoAscent, 27, 1201, 198},
          {kPointPlanned, 27, 1399, 0},
          {kPointDecoAscent, 12, 1399, 90},
          {kPointDeco, 12, 1489, 131},
          {kPointDecoAscent, 9, 1620, 18},
          {kPointPlanned, 9, 1638, 0},
          {kPointDeco, 9, 1638, 162},
          {kPointDecoAscent, 6, 1800, 18},
          {kPointDeco, 6, 1818, sixMetreStopSec},
          {kPointDecoAscent, 0, 1818 + sixMetreStopSec, 36}};
}

class BailoutTest : public DiveTest {
 protected:
  // A closed-circuit dive on diluent 10/50 at set-point 1.3 (GF 20/80, surface 1000 mbar, model
  // surface 970 mbar), one point at the depth for the duration, descent included.
  CDivePlan CcDive(double depthMetres, int durationSec, bool noClearSurface = false) {
    CDivePlan dive = MadeDive();
    AddUserPoint(dive, depthMetres, durationSec, 10, 50, true, 1.3, noClearSurface);
    return dive;
  }

  // Calculates the dive as the first of its group, then plans its bailout from the cursor.
  bool Bail(CDivePlan& dive, int cursorSec, bool atSegmentEnd) {
    EXPECT_TRUE(Calculate(dive));
    EXPECT_TRUE(dive.ChooseBailoutMoment(cursorSec, atSegmentEnd));
    return dive.CalculateBailout({}, true);
  }

  void ExpectOneMessage(const std::string& text) {
    ASSERT_EQ(userInterface.questions.size(), 1u);
    EXPECT_EQ(userInterface.questions[0].text, text);
    EXPECT_EQ(userInterface.questions[0].caption, "Velmar Tessaline");
    EXPECT_EQ(userInterface.questions[0].flags, mb::kOk | mb::kIconExclamation);
  }
};

}  // namespace

TEST_F(BailoutTest, SwitchesAllowedByDepth) {
  EXPECT_EQ(CDivePlan::GetMaxBailoutGasSwitches(0), 1);
  EXPECT_EQ(CDivePlan::GetMaxBailoutGasSwitches(6.99), 1);
  EXPECT_EQ(CDivePlan::GetMaxBailoutGasSwitches(7), 2);
  EXPECT_EQ(CDivePlan::GetMaxBailoutGasSwitches(9.99), 2);
  EXPECT_EQ(CDivePlan::GetMaxBailoutGasSwitches(10), 3);
  EXPECT_EQ(CDivePlan::GetMaxBailoutGasSwitches(14), 4);
  EXPECT_EQ(CDivePlan::GetMaxBailoutGasSwitches(17), 5);
  EXPECT_EQ(CDivePlan::GetMaxBailoutGasSwitches(21), 6);
  EXPECT_EQ(CDivePlan::GetMaxBailoutGasSwitches(25), 7);
  EXPECT_EQ(CDivePlan::GetMaxBailoutGasSwitches(30), 8);
  EXPECT_EQ(CDivePlan::GetMaxBailoutGasSwitches(35), 9);
  EXPECT_EQ(CDivePlan::GetMaxBailoutGasSwitches(40), 9);
  EXPECT_EQ(CDivePlan::GetMaxBailoutGasSwitches(41), 10);
  EXPECT_EQ(CDivePlan::GetMaxBailoutGasSwitches(48), 11);
  EXPECT_EQ(CDivePlan::GetMaxBailoutGasSwitches(55.99), 11);
  EXPECT_EQ(CDivePlan::GetMaxBailoutGasSwitches(56), 12);
  EXPECT_EQ(CDivePlan::GetMaxBailoutGasSwitches(300), 12);
}

TEST_F(BailoutTest, TheMomentIsTakenFromTheDiveProfile) {
  CDivePlan dive = CcDive(60, 1200);
  ASSERT_TRUE(Calculate(dive));
  // The bottom leg runs t = 181..1200: its end is the bailout time.
  ASSERT_TRUE(dive.ChooseBailoutMoment(600, true));
  EXPECT_TRUE(dive.IsBailoutMode());
  EXPECT_EQ(dive.GetBailoutTime(), 1200);
  EXPECT_EQ(dive.GetBailoutDepth(), 60);
  EXPECT_NEAR(dive.GetBailoutCeiling(), 34.027070, 1e-6);
  // EAD of diluent 10/50 at set-point 1.3 and 60 m: 40/90 x (6 + 0.97 - 1.3) bar of nitrogen.
  EXPECT_NEAR(dive.GetBailoutEad(), (40.0 / 90 * 5.67 / 0.79 - 1) * 10, 1e-9);
  // A time beyond the profile is its last second, one before it its first.
  const int last = dive.GetLastStepTime();
  ASSERT_TRUE(dive.ChooseBailoutMoment(999999, false));
  EXPECT_EQ(dive.GetBailoutTime(), last);
  EXPECT_EQ(dive.GetBailoutDepth(), 0);
  ASSERT_TRUE(dive.ChooseBailoutMoment(-20, false));
  EXPECT_EQ(dive.GetBailoutTime(), 1);
  // Without a calculated profile there is nothing to bail out of.
  CDivePlan empty = MadeDive();
  EXPECT_FALSE(empty.ChooseBailoutMoment(100, false));
  EXPECT_FALSE(empty.IsBailoutMode());
  EXPECT_FALSE(empty.CalculateBailout({}, true));
  EXPECT_FALSE(empty.IsBailoutPlanPresent());
}

TEST_F(BailoutTest, RuleBasedScheduleFromTheEndOfTheBottom) {
  // 60 m, 3 switches, surface 1.0 bar: 7.0 bar, ratio to the surface 7^(1/3) = 1.912931, to 6 m
  // (7 / 1.6)^(1/2) = 2.091650; 7.0 / r = 3.659 bar (26.6 m -> 27 m), / r = 1.913 bar (9.1 m ->
  // 9 m), / r = 1.0 bar: no switch.
  // 60 m: ppO2 1.6 (the ceiling at 34.03 m allows 2.55), 160 / 7 -> 22 % oxygen; EAD limit
  // min(40, 60 - 34.03 + 21.90) = 40 m -> nitrogen 0.79 x 5 / 7 = 56.4 -> 56 %: 22/22.
  // 27 m: 160 / 3.7 -> 43 %, nitrogen no more than 56: 43/1. 9 m: 160 / 1.9 -> 84 %, 84/0.
  // The counter-diffusion pass gives 27 m as much nitrogen as its margin allows (57 %: 43/0)
  // and stops at 9 m, which has no helium left.
  CDivePlan dive = CcDive(60, 1200);
  dive.SetBailoutGasSwitchCount(3);
  ASSERT_TRUE(Bail(dive, 600, true));
  EXPECT_TRUE(dive.IsBailoutPlanPresent());
  EXPECT_EQ(UsedSwitches(dive), (std::vector<GasSwitchAt>{{60, 22, 22}, {27, 43, 0}, {9, 84, 0}}));
  EXPECT_EQ(dive.GetDeepestPostBailoutDepth(), 60);
  EXPECT_EQ(dive.GetRemainingPlannedTime(), 0);
  // The bailout plan: the dive, the bailout point and one point per switch.
  ASSERT_EQ(dive.GetProfilePointCount(), 5);
  EXPECT_FALSE(dive.IsProfilePointBailout(1));
  EXPECT_EQ(dive.GetProfilePointDuration(1), 1200);
  for (int i = 2; i < 5; ++i) {
    EXPECT_TRUE(dive.IsProfilePointBailout(i));
    EXPECT_FALSE(dive.IsProfilePointClosedCircuit(i));
    EXPECT_EQ(dive.GetProfilePointDuration(i), 0);
  }
  EXPECT_EQ(dive.GetProfilePointDepth(3), 2700);
  EXPECT_EQ(Legs(dive), SixtyMetreRuleSchedule(882));
  EXPECT_EQ(LegGases(dive), (std::vector<std::string>{"CC", "CC", "22/22", "22/22", "43/0", "43/0", "43/0", "43/0",
                                                      "84/0", "84/0", "84/0", "84/0", "84/0"}));
  EXPECT_EQ(dive.GetBailoutStartStepIndex(), 1200);
  ExpectClose(dive.GetFinalCns(), 0.272671304144);
  EXPECT_NEAR(dive.GetFinalOtu(), 66.483828765, 1e-9);
  EXPECT_TRUE(dive.IsBailoutOpenCircuitUsed());
  EXPECT_TRUE(userInterface.questions.empty());
}

TEST_F(BailoutTest, GasListScheduleFromTheEndOfTheBottom) {
  // 21/35 from 60 m, 50/0 from 21 m (3.2 bar = 22 m, rounded down), oxygen from 6 m.
  CDivePlan dive = CcDive(60, 1200);
  dive.SetUseBailoutGasList(true);
  dive.SetBailoutGasList("21/35,50/0,100/0");
  ASSERT_TRUE(Bail(dive, 600, true));
  EXPECT_EQ(UsedSwitches(dive), (std::vector<GasSwitchAt>{{60, 21, 35}, {21, 50, 0}, {6, 100, 0}}));
  EXPECT_EQ(Legs(dive), (std::vector<Leg>{{kPointDescent, 60, 1, 180},
                                          {kPointPlanned, 60, 181, 1020},
                                          {kPointPlanned, 60, 1201, 0},
                                          {kPointDecoAscent, 21, 1201, 234},
                                          {kPointPlanned, 21, 1435, 0},
                                          {kPointDecoAscent, 15, 1435, 36},
                                          {kPointDeco, 15, 1471, 29},
                                          {kPointDecoAscent, 12, 1500, 18},
                                          {kPointDeco, 12, 1518, 102},
                                          {kPointDecoAscent, 9, 1620, 18},
                                          {kPointDeco, 9, 1638, 222},
                                          {kPointDecoAscent, 6, 1860, 18},
                                          {kPointPlanned, 6, 1878, 0},
                                          {kPointDeco, 6, 1878, 822},
                                          {kPointDecoAscent, 0, 2700, 36}}));
  ExpectClose(dive.GetFinalCns(), 0.360441562948);
  // The CNS fits at ppO2 1.6, which stays the setting.
  EXPECT_EQ(dive.GetBailoutMaxPpo2(), 1.6);
  EXPECT_TRUE(userInterface.questions.empty());
}

TEST_F(BailoutTest, NoClearSurfaceRemainderStaysAtDepth) {
  // A No Clear Surface bottom at 45 m until t = 1800, bailout at t = 900: the 900 s left are
  // spent at 45 m on open circuit before the ascent. Two switches: ratio (5.5)^(1/2) = 2.345,
  // 2.345 bar = 13.45 m -> 12 m. 45 m: 160 / 5.5 -> 29 %; EAD limit min(40, 45 - 20.49 +
  // 13.46) = 37.97 m -> nitrogen 0.79 x 4.797 / 5.5 = 68.9 -> 68 %: 29/3. 12 m: 72/0.
  CDivePlan dive = CcDive(45, 1800, true);
  ASSERT_TRUE(Bail(dive, 900, false));
  EXPECT_EQ(dive.GetRemainingPlannedTime(), 900);
  EXPECT_EQ(UsedSwitches(dive), (std::vector<GasSwitchAt>{{45, 29, 3}, {12, 72, 0}}));
  // The copy of the bottom point ends at the bailout; the remainder is the bailout point.
  ASSERT_EQ(dive.GetProfilePointCount(), 4);
  EXPECT_EQ(dive.GetProfilePointDuration(1), 900);
  EXPECT_TRUE(dive.IsProfilePointBailout(2));
  EXPECT_TRUE(dive.IsProfilePointNoClearSurface(2));
  EXPECT_EQ(dive.GetProfilePointDuration(2), 900);
  EXPECT_EQ(dive.GetProfilePointDepth(2), 4500);
  EXPECT_EQ(Legs(dive), (std::vector<Leg>{{kPointDescent, 45, 1, 135},
                                          {kPointPlanned, 45, 136, 765},
                                          {kPointPlanned, 45, 901, 900},
                                          {kPointDecoAscent, 12, 1801, 198},
                                          {kPointPlanned, 12, 1999, 0},
                                          {kPointDecoAscent, 6, 1999, 36},
                                          {kPointDeco, 6, 2035, 725},
                                          {kPointDecoAscent, 0, 2760, 36}}));
  ExpectClose(dive.GetFinalCns(), 0.428642089838);
  // A No Clear Surface point after the bailout stops the counter-diffusion pass at once.
  TheDebugLog().SetDebugLevel(4);
  dive.SetBailoutMaxCns(99);
  ASSERT_TRUE(dive.CalculateBailout({}, true));
  EXPECT_EQ(LinesContaining(LogText(), "aborting ICD optimise"),
            (std::vector<std::string>{"Bailout - NCS Segment after bailout - aborting ICD optimise"}));
}

TEST_F(BailoutTest, FortyMetresAllowNineSwitchesAndAskAtTen) {
  // (5.0 / 1.6)^(1/8) = 1.153072 below the surface ratio 5^(1/10): 4.336 bar (33.4 m -> 33),
  // 3.761 (27.6 -> 27), 3.261 (22.6 -> 24), 2.828 (18.3 -> 18), 2.453 (14.5 -> 15), 2.127
  // (11.3 -> 12), 1.845 (8.4 -> 9), 1.6 (6 m).
  // 40 m: 160 / 5 -> 32 %; EAD limit 40 - 18.25 + 10.65 = 32.40 m -> nitrogen 66.99 -> 66 %.
  // Later gases: 160 / ambient, nitrogen no more than the gas before.
  const std::string question = "Too many gases (10) for bailout.\n\nAllow the planner to reduce the number of gases?";
  CDivePlan dive = CcDive(40, 1200);
  dive.SetBailoutGasSwitchCount(10);
  userInterface.QueueAnswer(answer::kYes);
  ASSERT_TRUE(Bail(dive, 600, true));
  ASSERT_EQ(userInterface.questions.size(), 1u);
  EXPECT_EQ(userInterface.questions[0].text, question);
  EXPECT_EQ(userInterface.questions[0].flags, mb::kYesNo | mb::kIconExclamation);
  EXPECT_EQ(dive.GetBailoutGasSwitchCount(), 9);
  EXPECT_EQ(UsedSwitches(dive), (std::vector<GasSwitchAt>{{40, 32, 2},
                                                          {33, 37, 0},
                                                          {27, 43, 0},
                                                          {24, 47, 0},
                                                          {18, 57, 0},
                                                          {15, 64, 0},
                                                          {12, 72, 0},
                                                          {9, 84, 0},
                                                          {6, 100, 0}}));
  EXPECT_EQ(dive.GetLastStepTime(), 1655);
  ExpectClose(dive.GetFinalCns(), 0.198195815127);

  // Declined: no plan, and the setting stays.
  CDivePlan declined = CcDive(40, 1200);
  declined.SetBailoutGasSwitchCount(10);
  userInterface.questions.clear();
  userInterface.QueueAnswer(answer::kNo);
  EXPECT_FALSE(Bail(declined, 600, true));
  EXPECT_EQ(userInterface.questions.size(), 1u);
  EXPECT_FALSE(declined.IsBailoutPlanPresent());
  EXPECT_EQ(declined.GetBailoutGasSwitchCount(), 10);
  // Nine are not questioned.
  CDivePlan nine = CcDive(40, 1200);
  nine.SetBailoutGasSwitchCount(9);
  userInterface.questions.clear();
  ASSERT_TRUE(Bail(nine, 600, true));
  EXPECT_TRUE(userInterface.questions.empty());
  EXPECT_EQ(UsedSwitches(nine), UsedSwitches(dive));
}

TEST_F(BailoutTest, OneSwitchUsesTheRatioToTheSurface) {
  // One switch has no ratio to 6 m (1000): the ratio is 5.0 / 1.0 and the only switch is at the
  // deepest depth, with the gas worked out above.
  TheDebugLog().SetDebugLevel(4);
  CDivePlan dive = CcDive(40, 1200);
  dive.SetBailoutGasSwitchCount(1);
  ASSERT_TRUE(Bail(dive, 600, true));
  EXPECT_EQ(UsedSwitches(dive), (std::vector<GasSwitchAt>{{40, 32, 2}}));
  const std::string log = LogText();
  EXPECT_EQ(LinesContaining(log, "Pressure ratio to 6m"),
            (std::vector<std::string>{"Bailout - Pressure ratio to 6m 1000.000000 for bailout pressure 5.0 using 1 stops"}));
  EXPECT_EQ(LinesContaining(log, "Pressure ratio 5.0"),
            (std::vector<std::string>{"Bailout - Pressure ratio 5.000000 for bailout pressure 5.0 using 1 stops"}));
  EXPECT_EQ(LinesContaining(log, "aborting ICD optimise"),
            (std::vector<std::string>{"Bailout - No of gas switches = 1 - aborting ICD optimise"}));
  EXPECT_EQ(dive.GetLastStepTime(), 1835);
  ExpectClose(dive.GetFinalCns(), 0.135455233872);

  // Over the CNS limit one switch has no shallow gas to change: the bailout fails at once.
  TheDebugLog().SetDebugLevel(0);
  CDivePlan limited = CcDive(40, 1200);
  limited.SetBailoutGasSwitchCount(1);
  limited.SetBailoutMaxCns(1);
  TheDebugLog().SetDebugLevel(4);
  EXPECT_FALSE(Bail(limited, 600, true));
  ExpectOneMessage("Warning - Cannot Meet Max CNS% limit with current settings");
  EXPECT_TRUE(LinesContaining(LogText(), "Shallow PPO2Max").empty());
  EXPECT_FALSE(limited.IsBailoutPlanPresent());
}

TEST_F(BailoutTest, TooFewSwitchesForTheRatioOfPressures) {
  // Max ppO2 0.4 allows a ratio of 2 between switches: one switch at 40 m (ratio 5) is not
  // enough; 2 gives 2.236, 3 gives 1.710. Then r = 1.710: 2.924 bar (19.2 m -> 18), 1.710 bar
  // (7.1 m -> 6). Gases at 0.4 bar: 40 / 5 -> 8 %, 40 / 2.8 -> 14 %, 40 / 1.6 -> 25 %.
  CDivePlan dive = CcDive(40, 1200);
  dive.SetBailoutGasSwitchCount(1);
  dive.SetBailoutMaxPpo2(0.4);
  dive.SetIgnoreCns(true);
  ASSERT_TRUE(Bail(dive, 600, true));
  ASSERT_EQ(userInterface.questions.size(), 1u);
  EXPECT_EQ(userInterface.questions[0].text,
            "Not enough gases (1) for bailout.\n\nAllow the planner to add gases?");
  EXPECT_EQ(dive.GetBailoutGasSwitchCount(), 3);
  // The counter-diffusion pass gives 18 m and 6 m all the nitrogen their margins allow.
  EXPECT_EQ(UsedSwitches(dive), (std::vector<GasSwitchAt>{{40, 8, 26}, {18, 14, 0}, {6, 25, 0}}));
  EXPECT_EQ(Legs(dive).back(), (Leg{kPointDecoAscent, 0, 1920, 36}));

  // No count up to twelve gives a ratio of 1.0.
  CDivePlan impossible = CcDive(40, 1200);
  impossible.SetBailoutMaxPpo2(0.2);
  userInterface.questions.clear();
  EXPECT_FALSE(Bail(impossible, 600, true));
  EXPECT_EQ(userInterface.questions.size(), 1u);
  EXPECT_FALSE(impossible.IsBailoutPlanPresent());
}

TEST_F(BailoutTest, SwitchDepthsLieOnTheThreeMetreGrid) {
  for (double depth : {8.0, 20.0, 33.0, 47.0, 61.0, 90.0}) {
    CDivePlan dive = CcDive(depth, 600);
    dive.SetIgnoreCns(true);
    dive.SetIgnoreIcd(true);
    ASSERT_TRUE(Calculate(dive));
    for (int count : {1, 2, 3, 5, 8, 12}) {
      dive.SetBailoutGasSwitchCount(count);
      ASSERT_TRUE(dive.ChooseBailoutMoment(600, false));
      ASSERT_TRUE(dive.CalculateBailout({}, true)) << depth << " m, " << count;
      const std::vector<GasSwitchAt> used = UsedSwitches(dive);
      // No more than the depth allows, unless the ratio of pressures needs more (90 m: 10 bar
      // in one step is above 1.6 / 0.2, and the planner is allowed to add a switch).
      const int allowed = CDivePlan::GetMaxBailoutGasSwitches(depth);
      const int expected = depth == 90 && count == 1 ? 2 : std::min(count, allowed);
      EXPECT_EQ(static_cast<int>(used.size()), expected) << depth << " m, " << count;
      EXPECT_EQ(used[0].depthMetres, depth);
      for (std::size_t k = 1; k < used.size(); ++k) {
        EXPECT_EQ(std::fmod(used[k].depthMetres, 3.0), 0) << depth << " m, " << count;
        EXPECT_GE(used[k].depthMetres, 6);
        EXPECT_LT(used[k].depthMetres, used[k - 1].depthMetres);
      }
      // Unused slots follow the used ones.
      const GasSwitchList& all = dive.GetBailoutGasSwitches();
      for (std::size_t k = used.size(); k < all.size(); ++k) EXPECT_FALSE(all[k].IsGasSet());
      dive.RestoreInitialBailoutPoints();
    }
  }
}

TEST_F(BailoutTest, NitrogenNeverRisesUnderTheCounterDiffusionRule) {
  CDivePlan dive = CcDive(60, 1200);
  dive.SetBailoutGasSwitchCount(3);
  ASSERT_TRUE(Calculate(dive));
  ASSERT_TRUE(dive.ChooseBailoutMoment(600, true));
  ASSERT_TRUE(dive.CalculateBailout({}, true));
  ASSERT_TRUE(dive.CalcBailoutSwitchGases(1.6, 1.0));
  // 22/22 (56 % nitrogen), then 43 % oxygen leaves room for 57 % but gets 56: 43/1.
  EXPECT_EQ(UsedSwitches(dive), (std::vector<GasSwitchAt>{{60, 22, 22}, {27, 43, 1}, {9, 84, 0}}));
  for (double depth : {9.0, 15.0, 27.0, 45.0}) {
    const CGas gas = dive.CalcBestBailoutGas(depth, 30, false, 1.4);
    EXPECT_LE(gas.GetNitrogen(), 30) << depth;
  }
  // Without the rule each gas takes the nitrogen of the maximum EAD: 27 m gets 57 %.
  dive.SetIgnoreIcd(true);
  ASSERT_TRUE(dive.CalcBailoutSwitchGases(1.6, 1.0));
  EXPECT_EQ(UsedSwitches(dive), (std::vector<GasSwitchAt>{{60, 22, 22}, {27, 43, 0}, {9, 84, 0}}));
  EXPECT_EQ(dive.CalcBestBailoutGas(27, 30, false, 1.6).GetNitrogen(), 57);
}

TEST_F(BailoutTest, TheFirstGasMayExceedOnePointSixOnlyAsFarAsTheCeilingAllows) {
  // 60 m (7.0 bar) with the ceiling at 34.03 m (4.40 bar): 1.6 x 7.0 / 4.40 = 2.55, so 1.8 is
  // the limit: 180 / 7 -> 25 %. Deeper ceilings leave less: ambient / ceiling decides.
  CDivePlan dive = CcDive(60, 1200);
  ASSERT_TRUE(Calculate(dive));
  ASSERT_TRUE(dive.ChooseBailoutMoment(600, true));
  EXPECT_EQ(dive.CalcBestBailoutGas(60, 0, true, 2.0).GetOxygen(), 25);
  // At 36 m (4.6 bar) the limit is 1.6 x 4.6 / 4.403 = 1.672: 167.2 / 4.6 -> 36 %.
  EXPECT_EQ(dive.CalcBestBailoutGas(36, 0, true, 2.0).GetOxygen(), 36);
  // A later gas never goes above 1.6: 160 / 7 -> 22 %.
  EXPECT_EQ(dive.CalcBestBailoutGas(60, 50, false, 2.0).GetOxygen(), 22);
  // 400 m leaves less than 5 % oxygen at 1.6 bar: no such gas.
  EXPECT_FALSE(dive.CalcBestBailoutGas(400, 50, false, 1.6).IsValid());
}

TEST_F(BailoutTest, CnsLoopLowersTheShallowPpo2) {
  // Limit 20 %: the shallow ppO2 runs from 1.55 down in steps of 0.05 until the plan fits at
  // 1.05. Then r = (1.6 / 1.05)^(1/2) = 1.2344: 27 m gets 1.6 / r = 1.296 -> 1.30 bar, 130 / 3.7
  // -> 35 %, nitrogen 56: 35/9; 9 m gets 1.05 bar, 105 / 1.9 -> 55 %: 55/0.
  TheDebugLog().SetDebugLevel(4);
  CDivePlan dive = CcDive(60, 1200);
  dive.SetBailoutGasSwitchCount(3);
  dive.SetBailoutMaxCns(20);
  ASSERT_TRUE(Bail(dive, 600, true));
  EXPECT_EQ(UsedSwitches(dive), (std::vector<GasSwitchAt>{{60, 22, 22}, {27, 35, 9}, {9, 55, 0}}));
  const std::vector<std::string> tried = LinesContaining(LogText(), "Shallow PPO2Max");
  ASSERT_EQ(tried.size(), 11u);
  EXPECT_EQ(tried.front(), "Bailout - Shallow PPO2Max 1.55 - CNS of 24.8% is above the limit of 20.0%");
  EXPECT_EQ(tried[9].substr(0, 33), "Bailout - Shallow PPO2Max 1.10 - ");
  EXPECT_EQ(tried.back(), "Bailout - Shallow PPO2Max 1.05 - CNS of 19.9% is within the limit of 20.0%");
  EXPECT_EQ(Legs(dive), SixtyMetreRuleSchedule(1182));
  ExpectClose(dive.GetFinalCns(), 0.199145946668);
  EXPECT_TRUE(userInterface.questions.empty());
}

TEST_F(BailoutTest, CnsLoopThatCannotFitEndsAtHalfABar) {
  TheDebugLog().SetDebugLevel(4);
  CDivePlan dive = CcDive(60, 1200);
  dive.SetBailoutGasSwitchCount(3);
  dive.SetBailoutMaxCns(1);
  EXPECT_FALSE(Bail(dive, 600, true));
  std::vector<std::string> values;
  for (const std::string& line : LinesContaining(LogText(), "Shallow PPO2Max")) values.push_back(line.substr(26, 4));
  std::vector<std::string> expected;
  for (int centibar = 155; centibar >= 50; centibar -= 5) expected.push_back(FormatC("%0.2f", centibar / 100.0));
  EXPECT_EQ(values, expected);
  ExpectOneMessage("Warning - Cannot Meet Max CNS% limit with current settings");
  EXPECT_FALSE(dive.IsBailoutPlanPresent());
}

TEST_F(BailoutTest, GasListsThatCannotBeUsedEndWithTheirMessage) {
  struct Case {
    const char* list;
    const char* message;
  };
  for (const Case& c : {Case{"18/45", "Warning - Last gas does not reach the surface"},
                        Case{"32", "Warning - No gases in list"},
                        Case{"0/0,32/,x", "Warning - No gases in list"},
                        Case{"21/0", "Warning - No suitable gas at bailout depth"},
                        Case{"12/60,100/0", "Warning - Gases do not overlap from bailout to surface"},
                        Case{"10/70,12/68,14/66,16/64,18/62,20/60,23/57,26/54,30/50,35/45,40/40,50/30,60/20,80/0,100/0",
                             "Warning - More than 12 gases from the list are needed from bailout to surface"}}) {
    CDivePlan dive = CcDive(c.list[1] == '0' && c.list[2] == '/' ? 140 : 60, 600);
    dive.SetUseBailoutGasList(true);
    dive.SetBailoutGasList(c.list);
    userInterface.questions.clear();
    EXPECT_FALSE(Bail(dive, 600, true)) << c.list;
    ExpectOneMessage(c.message);
    EXPECT_FALSE(dive.IsBailoutPlanPresent());
    // The switches were never touched.
    EXPECT_TRUE(UsedSwitches(dive).empty()) << c.list;
  }
}

TEST_F(BailoutTest, CounterDiffusionPassesOnAGasList) {
  // 70 m: 15/55 from 70 m, 32/0 from 39 m (160 / 32 = 5.0 bar, 40 m, rounded down), oxygen from
  // 6 m. At 39 m the EAD jumps from 8.6 m to 32.2 m, more than the margin to the ceiling: 32/0 is
  // then only allowed from 1.16 bar (its EAD of 0), and oxygen has less helium and more oxygen
  // than it has, so it is left out. The plan switches from 15/55 to oxygen at 6 m.
  TheDebugLog().SetDebugLevel(4);
  CDivePlan dive = CcDive(70, 1200);
  dive.SetUseBailoutGasList(true);
  dive.SetBailoutGasList("15/55,32/0,100/0");
  ASSERT_TRUE(Bail(dive, 600, true));
  EXPECT_EQ(LinesContaining(LogText(), "Base set prior to removing gas"),
            (std::vector<std::string>{"Bailout - Base set prior to removing gas 32/00"}));
  EXPECT_EQ(UsedSwitches(dive), (std::vector<GasSwitchAt>{{70, 15, 55}, {6, 100, 0}}));
  EXPECT_EQ(Legs(dive), (std::vector<Leg>{{kPointDescent, 70, 1, 210},
                                          {kPointPlanned, 70, 211, 990},
                                          {kPointPlanned, 70, 1201, 0},
                                          {kPointDecoAscent, 21, 1201, 294},
                                          {kPointDeco, 21, 1495, 65},
                                          {kPointDecoAscent, 18, 1560, 18},
                                          {kPointDeco, 18, 1578, 162},
                                          {kPointDecoAscent, 15, 1740, 18},
                                          {kPointDeco, 15, 1758, 222},
                                          {kPointDecoAscent, 12, 1980, 18},
                                          {kPointDeco, 12, 1998, 402},
                                          {kPointDecoAscent, 9, 2400, 18},
                                          {kPointDeco, 9, 2418, 702},
                                          {kPointDecoAscent, 6, 3120, 18},
                                          {kPointPlanned, 6, 3138, 0},
                                          {kPointDeco, 6, 3138, 1422},
                                          {kPointDecoAscent, 0, 4560, 36}}));
  ExpectClose(dive.GetFinalCns(), 0.478078377503);
  EXPECT_TRUE(userInterface.questions.empty());

  // Without oxygen the same pass leaves 15/55 alone with a gap to the surface; the message
  // says that the counter-diffusion checks led there.
  CDivePlan gap = CcDive(70, 1200);
  gap.SetUseBailoutGasList(true);
  gap.SetBailoutGasList("15/55,32/0");
  EXPECT_FALSE(Bail(gap, 600, true));
  ExpectOneMessage("Warning - ICD Checks, Gases do not overlap from bailout to surface");

  // With Ignore ICD the risk stays in the plan.
  CDivePlan ignored = CcDive(70, 1200);
  ignored.SetUseBailoutGasList(true);
  ignored.SetIgnoreIcd(true);
  ignored.SetBailoutGasList("15/55,32/0,100/0");
  ASSERT_TRUE(Bail(ignored, 600, true));
  EXPECT_EQ(UsedSwitches(ignored), (std::vector<GasSwitchAt>{{70, 15, 55}, {39, 32, 0}, {6, 100, 0}}));
  CGas risk;
  EXPECT_TRUE(ignored.FindCounterDiffusionGas(risk));
  EXPECT_EQ(risk.GetName(false), "32% Nitrox");
}

TEST_F(BailoutTest, GasListPpo2FallsByTenthsUntilTheCnsFits) {
  // Limit 35 %: at 1.6 bar the plan has 36.0 %; at 1.5 bar 50/0 moves to 18 m (3.0 bar, 20 m)
  // and oxygen to 3 m (1.5 bar, 5 m), and the plan fits. 1.5 becomes the setting.
  CDivePlan dive = CcDive(60, 1200);
  dive.SetUseBailoutGasList(true);
  dive.SetBailoutGasList("21/35,50/0,100/0");
  dive.SetBailoutMaxCns(35);
  ASSERT_TRUE(Bail(dive, 600, true));
  EXPECT_EQ(UsedSwitches(dive), (std::vector<GasSwitchAt>{{60, 21, 35}, {18, 50, 0}, {3, 100, 0}}));
  EXPECT_EQ(dive.GetBailoutMaxPpo2(), 1.5);
  EXPECT_EQ(dive.GetLastStepTime(), 3095);
  ExpectClose(dive.GetFinalCns(), 0.195847283819);
  EXPECT_TRUE(userInterface.questions.empty());
}

TEST_F(BailoutTest, GasListPpo2EndsAtHalfABarWithAWarning) {
  // A CNS limit of 0 is never met: 1.6, then 1.5 down to 0.5 in steps of 0.1, then the warning;
  // the plan as calculated at 0.5 stays, and so does the setting. The oxygen's ppO2 limit in each
  // list dump is the ppO2 of that round.
  TheDebugLog().SetDebugLevel(4);
  CDivePlan dive = CcDive(12, 1200);
  dive.SetUseBailoutGasList(true);
  dive.SetBailoutGasList("21/0,100/0");
  dive.SetBailoutMaxCns(0);
  ASSERT_TRUE(Bail(dive, 600, true));
  EXPECT_TRUE(dive.IsBailoutPlanPresent());
  ExpectOneMessage("Warning - Cannot Meet Max CNS% limit with current settings and Gaslist");
  EXPECT_EQ(dive.GetBailoutMaxPpo2(), 1.6);
  // Step 1 lists the gases as typed: oxygen is the second line after its heading.
  std::vector<std::string> rounds;
  const std::vector<std::string> lines = LinesContaining(LogText(), "Bailout - ");
  for (std::size_t i = 0; i + 2 < lines.size(); ++i) {
    if (lines[i] != "Bailout - Bailout Gas List - Step 1") continue;
    ASSERT_EQ(lines[i + 2].substr(0, 32), "Bailout - Gas 01 100/00 ppo2Lim ");
    rounds.push_back(lines[i + 2].substr(32, 4));
  }
  EXPECT_EQ(rounds, (std::vector<std::string>{"1.60", "1.50", "1.40", "1.30", "1.20", "1.10", "1.00", "0.90",
                                              "0.80", "0.70", "0.60", "0.50"}));
  // At 0.5 bar oxygen is usable only above the surface: air alone from 12 m.
  EXPECT_EQ(UsedSwitches(dive), (std::vector<GasSwitchAt>{{12, 21, 0}}));
  EXPECT_EQ(Legs(dive).back(), (Leg{kPointDecoAscent, 0, 1201, 72}));
}

TEST_F(BailoutTest, RepetitiveDiveBailoutStartsFromThePreviousDiveOnce) {
  // The second dive starts from the first one's final state, off-gassed over its surface
  // interval exactly once, as the plan group calculates it.
  CDivePlan first = CcDive(60, 1200);
  ASSERT_TRUE(Calculate(first));
  const CDivePlan::PreviousDiveState previous = first.GetFinalState();
  CDivePlan second = CcDive(45, 1200);
  second.SetDiveIndex(1);
  second.SetSurfaceInterval(3600);
  ASSERT_TRUE(second.CalculatePlan(1, previous, false));
  CompartmentValues nitrogen{};
  CompartmentValues helium{};
  for (int c = 0; c < kCompartmentCount; ++c) {
    nitrogen[c] = second.GetStepTissueNitrogen(0, c);
    helium[c] = second.GetStepTissueHelium(0, c);
  }
  const double cns = second.GetInitialCns();
  const double otu = second.GetInitialOtu();
  const double ceilingAt900 = second.GetStepCeiling(900);
  ASSERT_TRUE(second.ChooseBailoutMoment(900, false));
  ASSERT_TRUE(second.CalculateBailout(previous, false));
  for (int c = 0; c < kCompartmentCount; ++c) {
    EXPECT_EQ(second.GetStepTissueNitrogen(0, c), nitrogen[c]) << c;
    EXPECT_EQ(second.GetStepTissueHelium(0, c), helium[c]) << c;
  }
  EXPECT_EQ(second.GetInitialCns(), cns);
  EXPECT_EQ(second.GetInitialOtu(), otu);
  // Up to the bailout the bailout plan is the dive itself.
  EXPECT_EQ(second.GetStepCeiling(900), ceilingAt900);
  // A bailout from the cursor while the bailout plan is shown is taken on the dive as planned.
  ASSERT_TRUE(second.ChooseBailoutMoment(600, false));
  EXPECT_EQ(second.GetBailoutTime(), 600);
  EXPECT_EQ(second.GetInitialCns(), cns);
  for (int i = 0; i < second.GetPlanPlusPointCount(); ++i) EXPECT_FALSE(second.GetPlanPlusPoint(i)->bailout);
  EXPECT_EQ(second.GetInitialBailoutPointCount(), 0);
}

TEST_F(BailoutTest, RecalculationStartsAgainFromTheInitialBailoutPoints) {
  CDivePlan dive = CcDive(60, 1200);
  dive.SetBailoutGasSwitchCount(3);
  ASSERT_TRUE(Bail(dive, 600, true));
  EXPECT_EQ(dive.GetInitialBailoutPointCount(), 3);
  // Two switches instead of three: (7 / 1.6)^(1/1) = 4.375 is below 7^(1/2) = 2.646? No: the
  // ratio is min(2.646, 4.375) = 2.646, and 7.0 / 2.646 = 2.646 bar = 16.5 m -> 15 m.
  dive.SetBailoutGasSwitchCount(2);
  ASSERT_TRUE(dive.CalculateBailout({}, true));
  EXPECT_EQ(UsedSwitches(dive).size(), 2u);
  EXPECT_EQ(UsedSwitches(dive)[1].depthMetres, 15);
  EXPECT_EQ(dive.GetProfilePointCount(), 4);
  EXPECT_EQ(dive.GetBailoutTime(), 1200);
}

TEST_F(BailoutTest, ABailoutThatCannotBeCalculatedLeavesNoPlan) {
  CDivePlan dive = CcDive(60, 1200);
  dive.SetBailoutAscentRate(0);
  EXPECT_FALSE(Bail(dive, 600, true));
  ExpectOneMessage("Unable to calculate the plan.\n\nThe descent and ascent rates must be above 0.");
  EXPECT_FALSE(dive.IsBailoutPlanPresent());
  // Outside bailout mode there is no bailout to calculate.
  CDivePlan plain = CcDive(60, 1200);
  ASSERT_TRUE(Calculate(plain));
  EXPECT_FALSE(plain.CalculateBailout({}, true));
}
