#include <gtest/gtest.h>

#include "engine/DiveSegment.h"
#include "engine/PlanPoint.h"
#include "engine/PredictionPoint.h"

TEST(PlanPointTest, NewPointsHaveTheRecordDefaults) {
  const CPlanPoint point;
  EXPECT_EQ(point.depthMbar, 0);
  EXPECT_EQ(point.setPointBar, 0.7);
  EXPECT_EQ(point.oxygenPercent, 21.0);
  EXPECT_EQ(point.source, -1.0);
  EXPECT_EQ(point.gasSwitchIndex, -1);
  EXPECT_TRUE(point.closedCircuit);
  EXPECT_EQ(point.type, kPointNone);

  const CPlanPoint entered(600, 3000, false, 32, 0, 1.2, true, true);
  EXPECT_EQ(entered.durationSec, 600);
  EXPECT_EQ(entered.GetDepth(), 30);
  EXPECT_FALSE(entered.closedCircuit);
  EXPECT_TRUE(entered.noClearSurface);
  EXPECT_TRUE(entered.presetTensions);
  EXPECT_EQ(entered.startSec, 0);
  EXPECT_EQ(entered.source, -1.0);
}

TEST(PlanPointTest, DepthAndEndTime) {
  CPlanPoint point;
  point.depthMbar = -50;
  EXPECT_EQ(point.GetDepth(), 0);
  point.SetDepth(21.5);
  EXPECT_EQ(point.depthMbar, 2150);
  point.startSec = 120;
  EXPECT_EQ(point.GetEndTime(), 120);
  point.durationSec = 60;
  EXPECT_EQ(point.GetEndTime(), 179);
}

TEST(PlanPointTest, CopyTakesEveryFieldAndSelfCopyIsHarmless) {
  CPlanPoint source(90, 4500, false, 18, 45, 0, true, false);
  source.startSec = 7;
  source.type = kPointDeco;
  source.loggedCeiling = 3.5;
  CPlanPoint copy;
  copy.Copy(source);
  EXPECT_EQ(copy.startSec, 7);
  EXPECT_EQ(copy.heliumPercent, 45);
  EXPECT_EQ(copy.loggedCeiling, 3.5);
  copy.Copy(copy);
  EXPECT_EQ(copy.type, kPointDeco);
}

TEST(PlanPointTest, TypeNames) {
  CPlanPoint point;
  const char* expected[] = {"None", "Descent", "Planned", "Ascent", "Deco Ascent", "Deco"};
  for (int type = 0; type <= 5; ++type) {
    point.type = type;
    EXPECT_STREQ(point.GetTypeName(), expected[type]);
  }
  point.type = 6;
  EXPECT_STREQ(point.GetTypeName(), "Invalid");
  point.type = -1;
  EXPECT_STREQ(point.GetTypeName(), "Invalid");
}

TEST(DiveSegmentTest, TypeNamesLeavePrintedAndSurfaceAscentBlank) {
  EXPECT_STREQ(CDiveSegment::GetTypeName(0), "");
  EXPECT_STREQ(CDiveSegment::GetTypeName(1), "Travel");
  EXPECT_STREQ(CDiveSegment::GetTypeName(2), "BottomDepth");
  EXPECT_STREQ(CDiveSegment::GetTypeName(3), "Ascent");
  EXPECT_STREQ(CDiveSegment::GetTypeName(4), "First Ascent");
  EXPECT_STREQ(CDiveSegment::GetTypeName(5), "");
  EXPECT_STREQ(CDiveSegment::GetTypeName(6), "Deco Stop");
  EXPECT_STREQ(CDiveSegment::GetTypeName(7), "Gas Switch");
  EXPECT_STREQ(CDiveSegment::GetTypeName(8), "");
  const CDiveSegment segment(30, 600, kSegmentBottomDepth, 690, 21, 0, 0.7, false, 8, true);
  EXPECT_EQ(segment.GetType(), 2);
  EXPECT_EQ(segment.runTimeSec, 690);
  EXPECT_TRUE(segment.noClearSurface);
}

TEST(DiveGasWarningTest, TextListsTheWarningsInTheirOrder) {
  CDiveGasWarning warning;
  warning.gas.SetMix(21, 35);
  warning.eadText = "EAD 31m @ 45m";
  EXPECT_EQ(warning.GetText(), "21/35~EAD 31m @ 45m");
  warning.lowO2Text = "Low O2 0.16 @ < 0m";
  warning.highO2Text = "High O2 1.60 @ > 66m";
  warning.counterDiffusionText = "ICD Risk";
  EXPECT_EQ(warning.GetText(), "21/35~ICD Risk~EAD 31m @ 45m~High O2 1.60 @ > 66m~Low O2 0.16 @ < 0m");
}

namespace {

CPredictionPoint QuietStep() {
  CPredictionPoint step(10);
  step.ppo2Bar = 1.2;
  step.eadMetres = 20;
  return step;
}

const StepWarningLimits kLimits = StepWarningLimits::Rounded(1.6, 35);

}  // namespace

TEST(PredictionPointTest, LimitsAreTakenToTheNearestHundredthAndMetre) {
  const StepWarningLimits limits = StepWarningLimits::Rounded(1.456, 34.6);
  EXPECT_DOUBLE_EQ(limits.maxPpo2Bar, 1.46);
  EXPECT_DOUBLE_EQ(limits.maxEadMetres, 35);
}

TEST(PredictionPointTest, AQuietStepIsWarningFree) {
  CPredictionPoint step = QuietStep();
  step.cns = 1.0;  // exactly at the limits: no warning
  step.otu = 300;
  EXPECT_TRUE(step.EvaluateWarnings(kLimits));
  EXPECT_TRUE(step.warningFree);
  EXPECT_EQ(step.warningBits, 0);
  EXPECT_EQ(step.GetWarningText(UnitSystem::kMetric), "");
}

TEST(PredictionPointTest, CnsAndOtuAboveTheirLimitsWarnInThatOrder) {
  CPredictionPoint step = QuietStep();
  step.cns = 1.01;
  step.otu = 330;
  EXPECT_FALSE(step.EvaluateWarnings(kLimits));
  EXPECT_EQ(step.warningBits, kWarningCns | kWarningOtu);
  EXPECT_EQ(step.GetWarningText(UnitSystem::kMetric), "CNS 101.0%#OTU 110.0%#");
}

TEST(PredictionPointTest, PpO2IsComparedAtHundredths) {
  CPredictionPoint step = QuietStep();
  step.ppo2Bar = 1.604;
  EXPECT_TRUE(step.EvaluateWarnings(kLimits));
  step.ppo2Bar = 1.606;
  EXPECT_FALSE(step.EvaluateWarnings(kLimits));
  EXPECT_EQ(step.warningBits, kWarningHighPpo2);
  EXPECT_EQ(step.GetWarningText(UnitSystem::kMetric), "PPO2 1.61#");
  step.ppo2Bar = 0.156;  // 0.16 at hundredths
  EXPECT_TRUE(step.EvaluateWarnings(kLimits));
  step.ppo2Bar = 0.154;
  EXPECT_FALSE(step.EvaluateWarnings(kLimits));
  EXPECT_EQ(step.warningBits, kWarningLowPpo2);
  EXPECT_EQ(step.GetWarningText(UnitSystem::kMetric), "PPO2 0.15#");
}

TEST(PredictionPointTest, EveryWarningTogetherInTheTextOrder) {
  CPredictionPoint step = QuietStep();
  step.cns = 1.5;
  step.otu = 450;
  step.eadMetres = 36;
  step.ppo2Bar = 1.7;
  step.counterDiffusionRisk = true;
  EXPECT_FALSE(step.EvaluateWarnings(kLimits));
  EXPECT_EQ(step.warningBits, 0x01 | 0x02 | 0x04 | 0x08 | 0x20);
  EXPECT_EQ(step.GetWarningText(UnitSystem::kMetric),
            "CNS 150.0%#OTU 150.0%#Max EAD 36.0m#PPO2 1.70#Isobaric Counter Diffusion Risk#");
  // 36 m is 117.2448 ft.
  EXPECT_EQ(step.GetWarningText(UnitSystem::kImperial),
            "CNS 150.0%#OTU 150.0%#Max EAD 117.2ft#PPO2 1.70#Isobaric Counter Diffusion Risk#");
}

TEST(PredictionPointTest, ReevaluationClearsEarlierWarnings) {
  CPredictionPoint step = QuietStep();
  step.counterDiffusionRisk = true;
  EXPECT_FALSE(step.EvaluateWarnings(kLimits));
  step.counterDiffusionRisk = false;
  EXPECT_TRUE(step.EvaluateWarnings(kLimits));
  EXPECT_EQ(step.GetWarningText(UnitSystem::kMetric), "");
}
