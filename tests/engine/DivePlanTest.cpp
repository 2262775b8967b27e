#include "engine/DivePlan.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "platform/Registry.h"
#include "tests/engine/DiveTestSupport.h"

using DivePlanTest = DiveTest;

TEST_F(DivePlanTest, ANewDiveHasTheDiveDefaults) {
  const CDivePlan dive;
  EXPECT_EQ(dive.GetSurfacePressure(), 1000);
  EXPECT_EQ(dive.GetModelSurfacePressure(), 1000);
  EXPECT_EQ(dive.GetGfLow(), 20);
  EXPECT_EQ(dive.GetGfHigh(), 80);
  EXPECT_EQ(dive.GetDescentRate(), 20);
  EXPECT_EQ(dive.GetAscentRate(), 10);
  EXPECT_EQ(dive.GetLastStopDepth(), 6);
  EXPECT_EQ(dive.GetSurfaceInterval(), 0);
  EXPECT_EQ(dive.GetBellDepth(), 0);
  EXPECT_EQ(dive.GetBellGas().GetName(false), "Air");
  EXPECT_EQ(dive.GetDiveIndex(), 0);
  EXPECT_EQ(dive.GetStepCount(), 0);
  EXPECT_EQ(dive.GetUserPlanPointCount(), 0);
  EXPECT_FALSE(dive.IsModified());
}

TEST_F(DivePlanTest, LoadDefaultsTakesTheRegistrySettings) {
  CDivePlan dive;
  dive.LoadDefaults();
  // The model's surface lies the default 30 mbar "Deco Surface Offset" below the dive's.
  EXPECT_EQ(dive.GetSurfacePressure(), 1000);
  EXPECT_EQ(dive.GetModelSurfacePressure(), 970);
  EXPECT_EQ(dive.GetGfLow(), 20);
  EXPECT_EQ(dive.GetGfHigh(), 80);
  EXPECT_EQ(dive.GetDescentRate(), 20);
  EXPECT_EQ(dive.GetAscentRate(), 10);
  EXPECT_EQ(dive.GetLastStopDepth(), 6);
  EXPECT_EQ(dive.GetSacRate(), 30);
  EXPECT_EQ(dive.GetMaxPpo2(), 1.6);
  EXPECT_EQ(dive.GetMaxEad(), 35);
  EXPECT_EQ(dive.GetBailoutGfLow(), 100);
  EXPECT_EQ(dive.GetBailoutMaxEad(), 40);
  EXPECT_EQ(dive.GetBailoutMaxCns(), 100);
  EXPECT_EQ(dive.GetBailoutGasSwitchCount(), 2);
  EXPECT_FALSE(dive.IsUseBailoutGasList());

  CAppSettings& settings = AppSettings();
  settings.dive.surfacePressureMbar.Set(1013);
  settings.decoSurfaceOffsetMbar.Set(13);
  settings.dive.gfLowPercent.Set(35);
  settings.dive.sacRateLitresPerMin.raw.Set(18500);
  settings.dive.lastDecoStopMetres.raw.Set(3000);
  settings.dive.surfaceIntervalSec.Set(5400);
  settings.bailout.maxCnsPercent.raw.Set(150000);
  settings.bailout.ignoreIcd.raw.Set(1);
  settings.bailout.ignoreCns.raw.Set(2);  // only 1 reads as on
  settings.bailoutGasList.Set("21/0,50/0");
  dive.LoadDefaults();
  EXPECT_EQ(dive.GetSurfacePressure(), 1013);
  EXPECT_EQ(dive.GetModelSurfacePressure(), 1000);
  EXPECT_EQ(dive.GetGfLow(), 35);
  EXPECT_EQ(dive.GetSacRate(), 18.5);
  EXPECT_EQ(dive.GetLastStopDepth(), 3);
  EXPECT_EQ(dive.GetSurfaceInterval(), 5400);
  EXPECT_EQ(dive.GetBailoutMaxCns(), 150);
  EXPECT_TRUE(dive.IsIgnoreIcd());
  EXPECT_FALSE(dive.IsIgnoreCns());
  EXPECT_EQ(dive.GetBailoutGasList(), "21/0,50/0");
}

TEST_F(DivePlanTest, StoredValuesOutsideTheSettingsPagesReachADiveAtTheNearerEnd) {
  // As a hand-edited or damaged store holds them: "GF High"=dword:ffffffff and the like.
  const std::string dive = SettingPath("Dive");
  const std::string bailout = SettingPath("Bailout");
  ASSERT_TRUE(platform::Registry().WriteDword(dive, "GF High", 0xffffffff));
  ASSERT_TRUE(platform::Registry().WriteDword(dive, "SAC Rate", 0xffffffff));
  ASSERT_TRUE(platform::Registry().WriteDword(dive, "Max PPO2", 0));
  ASSERT_TRUE(platform::Registry().WriteDword(dive, "Surface Pressure", 70000));
  ASSERT_TRUE(platform::Registry().WriteDword(bailout, "Max PPO2", 4000000));
  ASSERT_TRUE(platform::Registry().WriteDword(bailout, "No Of Gas Switches", 0xffffffff));
  LoadRegistrySettings();
  CDivePlan plan;
  plan.LoadDefaults();
  EXPECT_EQ(plan.GetGfHigh(), 100);
  EXPECT_EQ(plan.GetSacRate(), 80);
  EXPECT_EQ(plan.GetMaxPpo2(), 1.0);
  EXPECT_EQ(plan.GetSurfacePressure(), 1080);
  EXPECT_EQ(plan.GetModelSurfacePressure(), 1050);
  EXPECT_EQ(plan.GetBailoutMaxPpo2(), 1.8);
  EXPECT_EQ(plan.GetBailoutGasSwitchCount(), 12);
  EXPECT_EQ(plan.GetGfLow(), 20);  // a sound value is taken as it is
  EXPECT_NE(LogText().find("Setting Software\\Velmar\\VelmarTessaline\\Settings\\Dive\\GF High value 4.29497e+09 "
                           "out of range - 100 used"),
            std::string::npos);
}

TEST_F(DivePlanTest, SettersStoreOnlyChanges) {
  CDivePlan dive;
  EXPECT_FALSE(dive.SetGfLow(20));
  EXPECT_TRUE(dive.SetGfLow(30));
  EXPECT_EQ(dive.GetGfLow(), 30);
  EXPECT_TRUE(dive.SetSurfacePressure(900));
  EXPECT_EQ(dive.GetModelSurfacePressure(), 870);
  EXPECT_FALSE(dive.SetBellGas(21, 0));  // already air
  EXPECT_TRUE(dive.SetBellGas(10, 70));
  EXPECT_EQ(dive.GetBellGas().GetName(false), "10/70");
  EXPECT_FALSE(dive.SetBailoutGasList(""));
  EXPECT_TRUE(dive.SetBailoutGasList("32/0"));
}

// --- Validation ---

class ValidationTest : public DiveTest {
 protected:
  bool Validate(double depth, double oxygen, double helium, bool closedCircuit = false, double setPoint = 0,
                bool bailout = false) {
    return dive.ValidatePoint(depth, oxygen, helium, closedCircuit, setPoint, bailout);
  }
  const AskedQuestion& Only() {
    EXPECT_EQ(userInterface.questions.size(), 1u);
    return userInterface.questions.back();
  }
  CDivePlan dive;
};

TEST_F(ValidationTest, SoundPointsPassSilently) {
  EXPECT_TRUE(Validate(30, 21, 0));
  EXPECT_TRUE(Validate(60, 18, 45));
  EXPECT_TRUE(Validate(6, 100, 0));  // 1.6 bar exactly
  EXPECT_TRUE(Validate(0, 100, 0, true, 1.3));  // no inert gas: EAD below the surface, never 0/0
  EXPECT_TRUE(userInterface.questions.empty());
}

TEST_F(ValidationTest, AnInvalidGasIsRefused) {
  EXPECT_FALSE(Validate(10, 4, 0));
  const AskedQuestion& question = Only();
  EXPECT_EQ(question.caption, "Velmar Tessaline");
  EXPECT_EQ(question.text, "The gas is invalid\n\nUnable to add or update the item");
  EXPECT_EQ(question.flags, platform::mb::kOk | platform::mb::kIconExclamation);
}

TEST_F(ValidationTest, AHypoxicGasIsRefused) {
  EXPECT_FALSE(Validate(0, 10, 0));  // 0.10 bar at the surface
  EXPECT_EQ(Only().text, "Hypoxic - PPO2 of 0.10 is below the 0.16 limit\n\nUnable to add or update the item");
  EXPECT_EQ(Only().flags, platform::mb::kOk | platform::mb::kIconExclamation);
}

TEST_F(ValidationTest, AHyperoxicGasIsRefused) {
  EXPECT_FALSE(Validate(70, 21, 0));  // 8 bar x 0.21 = 1.68 bar
  EXPECT_EQ(Only().text, "Hyperoxic - PPO2 of 1.68 is above the 1.60 limit\n\nUnable to add or update the item");
  userInterface.questions.clear();
  EXPECT_FALSE(Validate(0, 21, 0, true, 1.65));  // closed circuit: the set-point counts
  EXPECT_EQ(Only().text, "Hyperoxic - PPO2 of 1.65 is above the 1.60 limit\n\nUnable to add or update the item");
}

TEST_F(ValidationTest, BailoutPointsUseTheBailoutLimits) {
  dive.SetBailoutMaxPpo2(1.4);
  EXPECT_TRUE(Validate(35, 32, 0));  // 4.5 bar x 0.32 = 1.44 bar
  EXPECT_FALSE(Validate(35, 32, 0, false, 0, true));
  EXPECT_EQ(Only().text, "Hyperoxic - PPO2 of 1.44 is above the 1.40 limit\n\nUnable to add or update the item");
  userInterface.questions.clear();
  EXPECT_FALSE(Validate(40, 21, 0));           // EAD 40 m against 35 m
  EXPECT_TRUE(Validate(40, 21, 0, false, 0, true));  // against the bailout's 40 m
}

TEST_F(ValidationTest, TooDeepAnEadIsRefusedInTheUsersUnits) {
  EXPECT_FALSE(Validate(40, 21, 0));  // air at 40 m has an EAD of 40 m
  EXPECT_EQ(Only().text, "EAD of 40 m for this gas exceeds the 35 m Max EAD limit\n\nUnable to add or update the item");
  EXPECT_EQ(Only().flags, platform::mb::kOk | platform::mb::kIconQuestion);
  userInterface.questions.clear();
  AppSettings().general.units.Set(1);
  // 40 m = 130.272 ft, 35 m = 113.988 ft.
  EXPECT_FALSE(Validate(40, 21, 0));
  EXPECT_EQ(Only().text,
            "EAD of 130 ft for this gas exceeds the 114 ft Max EAD limit\n\nUnable to add or update the item");
  userInterface.questions.clear();
  // Closed circuit: 40/90 of (11 - 1.3) bar is 4.311 bar of nitrogen, an EAD of 44.6 m.
  AppSettings().general.units.Set(0);
  EXPECT_FALSE(Validate(100, 10, 50, true, 1.3));
  EXPECT_EQ(Only().text, "EAD of 45 m for this gas exceeds the 35 m Max EAD limit\n\nUnable to add or update the item");
}

// --- Records ---

TEST_F(DivePlanTest, DiveRecordsAreWrittenByteForByte) {
  CDivePlan dive;
  dive.SetName("Wreck~one\r\n");
  dive.SetSurfacePressure(1013);
  dive.SetGfLow(30);
  dive.SetGfHigh(85);
  dive.SetSacRate(18.5);
  dive.SetMaxPpo2(1.4);
  dive.SetMaxEad(30);
  dive.SetSurfaceInterval(3600);
  dive.SetDescentRate(18);
  dive.SetAscentRate(9);
  dive.SetLastStopDepth(3);
  dive.SetBellExcursion(true);
  dive.SetBellDepth(15);
  dive.SetBellGas(18, 45);
  dive.SetBailoutGasSwitchCount(3);
  dive.SetBailoutGfLow(40);
  dive.SetBailoutGfHigh(90);
  dive.SetBailoutSacRate(25);
  dive.SetBailoutMaxPpo2(1.5);
  dive.SetBailoutMaxEad(38);
  dive.SetBailoutMaxCns(120);
  dive.SetBailoutDescentRate(22);
  dive.SetBailoutAscentRate(8);
  dive.SetBailoutLastStopDepth(4.5);
  dive.SetUseBailoutGasList(true);
  dive.SetIgnoreCns(true);
  dive.SetBailoutGasList("21/0,50/0");
  AddUserPoint(dive, 30, 1500, 21, 0, true, 0.7);
  AddUserPoint(dive, 21.5, 60, 50, 0, false, 1.3);
  ASSERT_TRUE(dive.AddPointFromRecord("110~300~4500.00~0~18.00~45.00~0.00~1~1"));
  std::string text = "before\n";
  dive.WriteDiveRecords(text);
  EXPECT_EQ(text,
            "before\n"
            "020~Wreck one  \n"
            "021~1013.00\n022~30.00\n023~85.00\n024~18.50\n025~1.40\n026~30.00\n027~3600\n"
            "028~18.00\n029~9.00\n030~3.00\n070~1\n071~15.00\n072~18.00~45.00\n"
            "040~3\n041~40.00\n042~90.00\n043~25.00\n044~1.50\n045~38.00\n046~120.00\n047~22.00\n048~8.00\n"
            "049~4.50\n050~1\n051~0\n052~1\n055~0\n056~0.00\n057~0\n058~-1\n060~21/0,50/0\n"
            "100~1500~3000.00~1~21.00~0.00~0.70~0~0\n"
            "100~60~2150.00~0~50.00~0.00~1.30~0~0\n"
            "110~300~4500.00~0~18.00~45.00~0.00~1~1\n");
}

TEST_F(DivePlanTest, PointRecordsNeedEightFields) {
  CDivePlan dive;
  EXPECT_FALSE(dive.AddPointFromRecord("100~1500~3000.00~1~21.00~0.00~0.70"));  // seven fields
  EXPECT_FALSE(dive.AddPointFromRecord("021~1000.00"));
  EXPECT_FALSE(dive.AddPointFromRecord(""));
  EXPECT_FALSE(dive.AddPointFromRecord("\x01\xff~~~~~~~~~"));
  EXPECT_EQ(dive.GetUserPlanPointCount(), 0);

  EXPECT_TRUE(dive.AddPointFromRecord("100~1500~3000.00~1~21.00~0.00~0.70~1~1"));
  EXPECT_EQ(dive.GetUserPlanPointDuration(0), 1500);
  EXPECT_EQ(dive.GetUserPlanPointDepth(0), 3000);
  EXPECT_TRUE(dive.IsUserPlanPointClosedCircuit(0));
  EXPECT_TRUE(dive.IsUserPlanPointNoClearSurface(0));
  EXPECT_EQ(dive.GetUserPlanPoint(0)->type, kPointNone);
  EXPECT_FALSE(dive.GetUserPlanPoint(0)->bailout);  // ignored in user rows

  EXPECT_TRUE(dive.AddPointFromRecord("110~60~600.00~0~50.00~0.00~0.00~0"));  // eight: no bailout flag
  EXPECT_TRUE(dive.AddPointFromRecord("110~60~600.00~0~50.00~0.00~0.00~0~1"));
  EXPECT_TRUE(dive.AddPointFromRecord("110~99999999999~1e300~2~50.00~0.00~0.00~0~7"));  // huge numbers
  EXPECT_EQ(dive.GetProfilePointCount(), 3);
  EXPECT_FALSE(dive.IsProfilePointBailout(0));
  EXPECT_TRUE(dive.IsProfilePointBailout(1));
  EXPECT_FALSE(dive.IsProfilePointBailout(2));
  EXPECT_EQ(dive.GetProfilePointDuration(2), INT_MAX);
  EXPECT_FALSE(dive.IsProfilePointClosedCircuit(2));
  EXPECT_TRUE(dive.HasProfile());
}

TEST_F(DivePlanTest, SummaryNamesTheFirstDeepestPoint) {
  CDivePlan dive;
  EXPECT_EQ(dive.FormatDepth(), "");
  AddUserPoint(dive, 0, 60);
  EXPECT_EQ(dive.FormatDepth(), "");
  AddUserPoint(dive, 30, 1500);
  AddUserPoint(dive, 40, 600);
  AddUserPoint(dive, 40, 300);
  EXPECT_EQ(dive.FormatDepth(), "Max Depth 40.0 (m), Duration 10:00 (mm:ss)");
  AppSettings().general.units.Set(1);
  EXPECT_EQ(dive.FormatDepth(), "Max Depth 130.3 (ft), Duration 10:00 (mm:ss)");  // 130.272 ft
}

// --- Getters ---

TEST_F(DivePlanTest, GettersOutsideTheirListsGiveTheirSentinels) {
  CDivePlan dive;
  AddUserPoint(dive, 30, 1500);
  dive.AddEmptyReviewPoint(0);
  dive.AddStep(0);
  for (int index : {-1, 1, 2, INT_MAX, INT_MIN}) {
    SCOPED_TRACE(index);
    EXPECT_EQ(dive.GetUserPlanPoint(index), nullptr);
    EXPECT_EQ(dive.GetUserPlanPointDepth(index), 0);
    EXPECT_EQ(dive.GetUserPlanPointOxygen(index), 0);
    EXPECT_EQ(dive.GetUserPlanPointHelium(index), 0);
    EXPECT_EQ(dive.GetUserPlanPointSetPoint(index), 0);
    EXPECT_FALSE(dive.IsUserPlanPointClosedCircuit(index));
    EXPECT_FALSE(dive.IsUserPlanPointNoClearSurface(index));
    EXPECT_EQ(dive.GetUserPlanPointDuration(index), -1);

    EXPECT_EQ(dive.GetPlanPlusRawDepth(index), -1);
    EXPECT_EQ(dive.GetPlanPlusDepth(index), -1);
    EXPECT_EQ(dive.GetPlanPlusStartTime(index), -1);
    EXPECT_EQ(dive.GetPlanPlusEndTime(index), -1);
    EXPECT_EQ(dive.GetPlanPlusDuration(index), -1);
    EXPECT_EQ(dive.GetPlanPlusOxygen(index), -1);
    EXPECT_EQ(dive.GetPlanPlusHelium(index), -1);
    EXPECT_EQ(dive.GetPlanPlusPpo2(index), -1);
    EXPECT_EQ(dive.GetPlanPlusCeiling(index), -1);
    EXPECT_FALSE(dive.IsPlanPlusClosedCircuit(index));
    EXPECT_FALSE(dive.IsPlanPlusNoClearSurface(index));

    EXPECT_EQ(dive.GetProfilePoint(index), nullptr);
    EXPECT_EQ(dive.GetProfilePointDepth(index), -1);
    EXPECT_EQ(dive.GetProfilePointOxygen(index), -1);
    EXPECT_EQ(dive.GetProfilePointHelium(index), -1);
    EXPECT_EQ(dive.GetProfilePointSetPoint(index), -1);
    EXPECT_EQ(dive.GetProfilePointDuration(index), -1);
    EXPECT_FALSE(dive.IsProfilePointClosedCircuit(index));
    EXPECT_FALSE(dive.IsProfilePointNoClearSurface(index));
    EXPECT_FALSE(dive.IsProfilePointBailout(index));

    EXPECT_EQ(dive.GetStepTime(index), -1);
    EXPECT_EQ(dive.GetStepDepth(index), -1);
    EXPECT_EQ(dive.GetStepCeiling(index), -1);
    EXPECT_EQ(dive.GetStepMaxCeiling(index), -1);
    EXPECT_EQ(dive.GetStepPigt(index), -1);
    EXPECT_EQ(dive.GetStepMaxPigt(index), -1);
    EXPECT_EQ(dive.GetStepGradientFactor(index), -1);
    EXPECT_EQ(dive.GetStepLoggedCeiling(index), -1);
    EXPECT_EQ(dive.GetStepLoggedGradientFactor(index), -1);
    EXPECT_EQ(dive.GetStepPpo2(index), -1);
    EXPECT_EQ(dive.GetStepOxygen(index), -1);
    EXPECT_EQ(dive.GetStepHelium(index), -1);
    EXPECT_FALSE(dive.IsStepClosedCircuit(index));
    EXPECT_EQ(dive.GetStepCns(index), -1);
    EXPECT_EQ(dive.GetStepOtu(index), -1);
    EXPECT_EQ(dive.GetStepEad(index), -1);
    EXPECT_EQ(dive.GetStepInspiredNitrogen(index), -1);
    EXPECT_EQ(dive.GetStepInspiredHelium(index), -1);
    EXPECT_EQ(dive.GetStepTissueNitrogen(index, 0), -1);
    EXPECT_EQ(dive.GetStepTissueHelium(index, 0), -1);
    EXPECT_EQ(dive.GetStepMinPpo2(index), -1);
    EXPECT_EQ(dive.GetStepMaxPpo2(index), -1);
    EXPECT_EQ(dive.GetStepMaxEad(index), -1);
    EXPECT_FALSE(dive.IsStepWarningFree(index));
    EXPECT_EQ(dive.GetStepWarningFlags(index), 0);
    EXPECT_EQ(dive.GetStepWarningText(index), "Error");

    EXPECT_EQ(dive.GetSegmentDepth(index), -1);
    EXPECT_EQ(dive.GetSegmentDuration(index), -1);
    EXPECT_EQ(dive.GetSegmentRunTime(index), -1);
    EXPECT_EQ(dive.GetSegmentType(index), -1);
    EXPECT_EQ(dive.GetSegmentOxygen(index), -1);
    EXPECT_EQ(dive.GetSegmentHelium(index), -1);
    EXPECT_EQ(dive.GetSegmentPpo2(index), -1);
    EXPECT_EQ(dive.GetSegmentWarningFlags(index), -1);
    EXPECT_FALSE(dive.IsSegmentClosedCircuit(index));
    EXPECT_FALSE(dive.IsSegmentNoClearSurface(index));
    EXPECT_FALSE(dive.IsSegmentFirstAscent(index));
    EXPECT_FALSE(dive.IsSegmentAscentToSurface(index));
    EXPECT_FALSE(dive.IsSegmentBottomDepth(index));
    EXPECT_EQ(dive.GetGasWarningText(index), "Invalid");
    EXPECT_FALSE(dive.CopyPlanPoint(index));
  }
  for (int compartment : {-1, 16, INT_MAX}) {
    EXPECT_EQ(dive.GetStepTissueNitrogen(0, compartment), -1);
    EXPECT_EQ(dive.GetStepTissueHelium(0, compartment), -1);
  }
  // The one step that exists reads normally.
  EXPECT_EQ(dive.GetStepTime(0), 0);
  EXPECT_EQ(dive.GetStepTissueNitrogen(0, 15), 0);
  EXPECT_EQ(dive.GetStepMinPpo2(0), 0.16);
  EXPECT_EQ(dive.GetStepWarningText(0), "");
}

TEST_F(DivePlanTest, FirstAndLastStepWithoutSteps) {
  CDivePlan dive;
  EXPECT_EQ(dive.GetInitialCns(), 0);
  EXPECT_EQ(dive.GetFinalCns(), 0);
  EXPECT_EQ(dive.GetInitialOtu(), 0);
  EXPECT_EQ(dive.GetFinalOtu(), 0);
  EXPECT_EQ(dive.GetLastStepTime(), 0);
  EXPECT_EQ(dive.AddStep(0), 0);
  EXPECT_EQ(dive.AddStep(1), 1);
  EXPECT_EQ(dive.GetLastStepTime(), 1);
  dive.MarkStepBailout(1);
  dive.MarkStepBailout(7);  // no such step: nothing happens
  dive.ClearSteps();
  EXPECT_EQ(dive.GetStepCount(), 0);
}

TEST_F(DivePlanTest, CopyPlanPointFillsTheEditBuffer) {
  CDivePlan dive;
  AddUserPoint(dive, 30, 1500);
  AddUserPoint(dive, 21, 120, 50);
  ASSERT_TRUE(dive.AddPointFromRecord("110~60~900.00~0~80.00~0.00~0.00~0~1"));
  EXPECT_FALSE(dive.IsPointSelected());
  EXPECT_TRUE(dive.CopyPlanPoint(1));
  EXPECT_TRUE(dive.IsPointSelected());
  EXPECT_EQ(dive.GetEditBuffer().oxygenPercent, 50);
  dive.SetBailoutMode(true);
  EXPECT_FALSE(dive.CopyPlanPoint(1));  // one bailout plan point only
  EXPECT_TRUE(dive.CopyPlanPoint(0));
  EXPECT_EQ(dive.GetEditBuffer().oxygenPercent, 80);
}

TEST_F(DivePlanTest, PointEndBeforeATime) {
  CDivePlan dive;
  dive.AddReviewPoint(0, 0, 0, 21, 0, 0.7, false);
  EXPECT_EQ(dive.GetPointEndBefore(50), -1);  // a single point
  dive.AddReviewPoint(1, 90, 3000, 21, 0, 0.7, false);
  dive.AddReviewPoint(91, 1410, 3000, 21, 0, 0.7, false);
  EXPECT_EQ(dive.GetPointEndBefore(50), 90);
  EXPECT_EQ(dive.GetPointEndBefore(91), 1500);
  EXPECT_EQ(dive.GetPointEndBefore(90), 90);
  EXPECT_EQ(dive.GetPointEndBefore(0), 0);
  EXPECT_EQ(dive.GetPointEndBefore(5000), 1500);
  EXPECT_EQ(dive.GetPointEndBefore(-5), -1);
}

TEST_F(DivePlanTest, ReviewPointsAndTheirLoggedValues) {
  CDivePlan dive;
  dive.AddEmptyReviewPoint(-1);
  dive.AddReviewPoint(-1, 10, 1234, 10, 50, 1.2, true);
  EXPECT_EQ(dive.GetPlanPlusPointCount(), 2);
  EXPECT_EQ(dive.GetPlanPlusStartTime(1), -1);
  EXPECT_EQ(dive.GetPlanPlusRawDepth(1), 1234);
  EXPECT_TRUE(dive.IsPlanPlusClosedCircuit(1));
  EXPECT_TRUE(dive.SetReviewPointLoggedCeiling(1, 4.5));
  EXPECT_TRUE(dive.SetReviewPointLoggedGradientFactor(1, 62));
  EXPECT_FALSE(dive.SetReviewPointLoggedCeiling(2, 4.5));
  EXPECT_FALSE(dive.SetReviewPointLoggedGradientFactor(-1, 62));
  EXPECT_EQ(dive.GetPlanPlusCeiling(1), 4.5);
}

TEST_F(DivePlanTest, PresetTensionsMustBeUsable) {
  CDivePlan dive;
  CompartmentValues nitrogen;
  CompartmentValues helium{};
  nitrogen.fill(750);
  EXPECT_TRUE(dive.SetPresetTensions(nitrogen, helium));
  EXPECT_TRUE(dive.HasPresetTensions());

  CDivePlan other;
  CompartmentValues broken = nitrogen;
  broken[7] = 0;  // an empty compartment has no ceiling
  EXPECT_FALSE(other.SetPresetTensions(broken, helium));
  broken[7] = NAN;
  EXPECT_FALSE(other.SetPresetTensions(broken, helium));
  broken[7] = -20;
  EXPECT_FALSE(other.SetPresetTensions(broken, helium));
  broken = nitrogen;
  helium[3] = INFINITY;
  EXPECT_FALSE(other.SetPresetTensions(broken, helium));
  EXPECT_FALSE(other.HasPresetTensions());
}

// --- Bailout helpers ---

namespace {

GasSwitchList Switches(std::initializer_list<double> depths) {
  GasSwitchList switches;
  std::size_t slot = 0;
  for (double depth : depths) switches[slot++].Set(depth, 50, 0, false, 0, true);
  return switches;
}

CDivePlan::BailoutListGasMix Mix(double oxygen, double helium, double maxPamb) {
  CDivePlan::BailoutListGasMix mix;
  mix.oxygenPercent = oxygen;
  mix.heliumPercent = helium;
  mix.maxPamb = maxPamb;
  return mix;
}

std::string Names(const std::vector<CDivePlan::BailoutListGasMix>& list) {
  std::string names;
  for (const auto& mix : list) names += FormatC("%g/%g ", mix.oxygenPercent, mix.heliumPercent);
  return names;
}

}  // namespace

TEST_F(DivePlanTest, FindingABailoutSwitchByDepth) {
  CDivePlan dive;
  dive.SetBailoutGasSwitches(Switches({21, 9}));
  EXPECT_EQ(dive.FindBailoutSwitchAtDepth(21), -1);
  EXPECT_EQ(dive.FindBailoutSwitchAtDepth(9.0005), 0);
  EXPECT_EQ(dive.FindBailoutSwitchAtDepth(30), 1);  // stops at the first unused slot
  dive.SetBailoutGasSwitches(Switches({60, 57, 54, 51, 48, 45, 42, 39, 36, 33, 30, 27}));
  EXPECT_EQ(dive.FindBailoutSwitchAtDepth(12), 10);  // stops at the last slot
  EXPECT_EQ(dive.FindBailoutSwitchAtDepth(27), 10);
}

TEST_F(DivePlanTest, FirstBailoutPoint) {
  CDivePlan dive;
  ASSERT_TRUE(dive.AddPointFromRecord("110~60~3000.00~1~10.00~50.00~1.30~0~0"));
  EXPECT_EQ(dive.GetFirstBailoutPointIndex(), -1);
  dive.SetBailoutMode(true);
  EXPECT_EQ(dive.GetFirstBailoutPointIndex(), 999);
  ASSERT_TRUE(dive.AddPointFromRecord("110~60~3000.00~0~0.00~0.00~0.00~0~1"));
  EXPECT_EQ(dive.GetFirstBailoutPointIndex(), 1);
  EXPECT_EQ(dive.CalcBailoutSwitchEad(0), 40);  // no switch point: the bailout maximum EAD
  EXPECT_EQ(dive.CalcBailoutSwitchEad(12), 40);
}

TEST_F(DivePlanTest, SortingBailoutGases) {
  std::vector<CDivePlan::BailoutListGasMix> list = {Mix(21, 35, 6.6), Mix(21, 0, 6.6), Mix(50, 0, 3.2),
                                                    Mix(18, 45, 7.8)};
  CDivePlan::SortBailoutGasesByOxygen(list, true, false);
  EXPECT_EQ(Names(list), "18/45 21/35 21/0 50/0 ");
  CDivePlan::SortBailoutGasesByOxygen(list, true, true);
  EXPECT_EQ(Names(list), "18/45 21/0 21/35 50/0 ");
  CDivePlan::SortBailoutGasesByMaxAmbient(list, false, false);
  EXPECT_EQ(Names(list), "18/45 21/35 21/0 50/0 ");
  CDivePlan::SortBailoutGasesByMaxAmbient(list, true, false);
  EXPECT_EQ(Names(list), "50/0 21/35 21/0 18/45 ");
}

// --- Plan log ---

TEST_F(DivePlanTest, PointListsAndBailoutLinesInTheLog) {
  CDivePlan dive;
  AddUserPoint(dive, 30, 1500, 21, 0, true, 1.3);
  ASSERT_TRUE(dive.AddPointFromRecord("100~60~600.00~0~50.00~0.00~0.70~1~0"));
  dive.SetBailoutGasSwitches(Switches({21}));
  dive.LogUserPoints(DBG_PROFILE_CONSTRUCTION);  // below the level: nothing
  dive.LogBailout("CNS 100%", DBG_DECO_DETAIL);
  EXPECT_EQ(LogText(), "");
  TheDebugLog().SetDebugLevel(3);
  dive.LogUserPoints(DBG_PROFILE_CONSTRUCTION);
  dive.LogBailout("CNS 100%", DBG_DECO_DETAIL);
  dive.LogBailoutSwitches(DBG_DECO_DETAIL);
  EXPECT_EQ(LogText(),
            "User entered plan points\n"
            "Plan Point - Depth  30.00, Duration  1500, CC, Gas Air, PPO2 1.30\n"
            "Plan Point - Depth   6.00, Duration    60, OC, Gas 50% Nitrox, PPO2 0.70, No Clear Surface\n"
            "Bailout - CNS 100%\n"
            "Bailout - Bailout Gas Switches\n"
            "Bailout - S1 Depth 21.0 50% Nitrox\n");
}
