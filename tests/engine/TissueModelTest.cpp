// The tissue model's formulas, worked out by hand: saturation, inspired pressures, oxygen
// exposure, EAD, gradient factors, stops, counter-diffusion and the start of a repetitive dive.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "tests/engine/DiveTestSupport.h"

namespace {

using TissueModelTest = DiveTest;

}  // namespace

TEST_F(TissueModelTest, SurfaceSaturationAtTheModelSurface) {
  CDivePlan dive = MadeDive();
  ASSERT_TRUE(Calculate(dive));  // no points: step 0 only
  EXPECT_EQ(dive.GetStepCount(), 1);
  EXPECT_EQ(dive.GetSegmentCount(), 0);
  // (970 - 56.7) x 0.79 = 721.507 mbar of nitrogen, no helium.
  for (int c = 0; c < 16; ++c) {
    EXPECT_NEAR(dive.GetStepTissueNitrogen(0, c), 721.507, 1e-9);
    EXPECT_EQ(dive.GetStepTissueHelium(0, c), 0);
  }
  EXPECT_NEAR(dive.GetSurfaceInspiredNitrogen(), 721.507, 1e-9);
  // Step 0 breathes air at the surface and is evaluated like every other step.
  EXPECT_NEAR(dive.GetStepPpo2(0), 0.97 * 0.21, 1e-12);
  EXPECT_TRUE(dive.IsStepWarningFree(0));
  EXPECT_TRUE(dive.IsWarningFree());
}

TEST_F(TissueModelTest, OxygenExposureIncrements) {
  CDivePlan dive = MadeDive();
  // 60 min at 1.4 bar: 60 / 150 of the limit; OTU 60 x (0.9 / 0.5)^(5/6) = 97.92.
  EXPECT_NEAR(dive.CalcCnsIncrement(1.4, 3600), 0.400, 1e-12);
  EXPECT_NEAR(dive.CalcOtuIncrement(1.4, 3600), 97.92, 0.005);
  // 1.45 bar lies halfway between 150 min (1.4) and 120 min (1.5): a 135 min limit.
  EXPECT_NEAR(dive.CalcCnsIncrement(1.45, 60), 1.0 / 135, 1e-12);
  // A table value gives its own limit.
  EXPECT_NEAR(dive.CalcCnsIncrement(1.3, 60), 1.0 / 180, 1e-12);
  EXPECT_NEAR(dive.CalcCnsIncrement(0.55, 60), 1.0 / 720, 1e-12);
  // Below 0.5 bar nothing; from 1.9 bar the 0.645161 min limit.
  EXPECT_EQ(dive.CalcCnsIncrement(0.49, 60), 0);
  EXPECT_EQ(dive.CalcOtuIncrement(0.49, 60), 0);
  EXPECT_NEAR(dive.CalcCnsIncrement(2.0, 60), 1 / 0.645161, 1e-9);
  EXPECT_EQ(dive.CalcCnsIncrement(NAN, 60), 0);
}

TEST_F(TissueModelTest, AnHourAtSetPoint14AccumulatesStepByStep) {
  CDivePlan dive = MadeDive();
  AddUserPoint(dive, 20, 3600, 21, 0, true, 1.4);
  ASSERT_TRUE(Calculate(dive));
  // Every step from 1 to 3600 breathes 1.4 bar, descent included.
  EXPECT_NEAR(dive.GetStepCns(3600), 0.400, 1e-9);
  EXPECT_NEAR(dive.GetStepOtu(3600), 97.92, 0.005);
  EXPECT_EQ(dive.GetStepPpo2(1), 1.4);
}

TEST_F(TissueModelTest, InspiredPressuresOnOpenAndClosedCircuit) {
  CDivePlan dive = MadeDive();
  dive.AddReviewPoint(0, 0, 0, 21, 0, 0.7, false);
  dive.AddReviewPoint(0, 60, 10000, 10, 50, 1.3, false);
  dive.AddReviewPoint(0, 60, 0, 10, 50, 1.3, false);
  dive.AddReviewPoint(0, 60, 0, 100, 0, 1.3, false);
  // Closed circuit 10/50 at 100 m, set-point 1.3: (970 + 10000 - 56.7 - 1300) = 9613.3 mbar
  // shared 40/90 nitrogen, 50/90 helium.
  EXPECT_NEAR(dive.GetInspiredNitrogen(1, 10000), 9613.3 * 40 / 90, 1e-9);
  EXPECT_NEAR(dive.GetInspiredHelium(1, 10000), 9613.3 * 50 / 90, 1e-9);
  // A set-point above the dry ambient pressure leaves no inert gas, never a negative one.
  EXPECT_EQ(dive.GetInspiredNitrogen(2, 0), 0);
  EXPECT_EQ(dive.GetInspiredHelium(2, 0), 0);
  // Pure oxygen as diluent: no inert gas, no 0/0.
  EXPECT_EQ(dive.GetInspiredNitrogen(3, 5000), 0);
  EXPECT_EQ(dive.GetInspiredHelium(3, 5000), 0);
  EXPECT_EQ(dive.GetInspiredNitrogen(9, 5000), 0);  // no such point
}

TEST_F(TissueModelTest, OpenCircuitInspiredPressure) {
  CDivePlan dive = MadeDive();
  AddUserPoint(dive, 30, 600);
  ASSERT_TRUE(Calculate(dive));
  EXPECT_NEAR(dive.GetInspiredNitrogen(2, 3000), 0.79 * (970 + 3000 - 56.7), 1e-9);
  EXPECT_NEAR(dive.GetStepInspiredNitrogen(300), 0.79 * (970 + 3000 - 56.7), 1e-9);
  EXPECT_EQ(dive.GetStepInspiredHelium(300), 0);
}

TEST_F(TissueModelTest, EquivalentAirDepth) {
  // Air on open circuit is its own depth; open circuit counts 1 bar at the surface.
  EXPECT_NEAR(CalcEad(21, 0, 30, 0.97, 0, false), 30, 1e-12);
  // EAN32 at 30 m: 4 x 0.68 / 0.79 - 1 bar = 24.43 m.
  EXPECT_NEAR(CalcEad(32, 0, 30, 0.97, 0, false), (4 * 0.68 / 0.79 - 1) * 10, 1e-12);
  // Closed circuit: 10/50 at 100 m, set-point 1.3, surface 0.97 bar: 40/90 x 9.67 bar.
  EXPECT_NEAR(CalcEad(10, 50, 100, 0.97, 1.3, true), (40.0 / 90 * 9.67 / 0.79 - 1) * 10, 1e-12);
  // A diluent without inert gas has no nitrogen: the EAD is 0, not 0/0.
  EXPECT_EQ(CalcEad(100, 0, 10, 0.97, 1.3, true), 0);
  EXPECT_NEAR(CalcEadUnclamped(100, 0, 10, 0.97, 1.3, true), -10, 1e-12);
  // Never below 0 at shallow depths on trimix.
  EXPECT_EQ(CalcEad(18, 45, 10, 0.97, 0, false), 0);
}

TEST_F(TissueModelTest, GradientFactorRules) {
  CDivePlan dive = MadeDive(30, 80);
  const double surface = 970;
  const double lastStop = 600 + surface;  // 6 m
  // No ceiling yet: GF high.
  EXPECT_DOUBLE_EQ(dive.CalcGradientFactor(surface - 1, 5000, false), 0.80);
  // Deeper than decoLimit (1600 mbar at the start): GF low.
  EXPECT_DOUBLE_EQ(dive.CalcGradientFactor(surface + 100, 2000, false), 0.30);
  // At and above the last stop: GF high whatever decoLimit is (here decoLimit 1600 lies above
  // the 6 m stop at 1570 mbar).
  EXPECT_DOUBLE_EQ(dive.CalcGradientFactor(surface + 100, lastStop, false), 0.80);
  EXPECT_DOUBLE_EQ(dive.CalcGradientFactor(surface + 100, lastStop - 1, false), 0.80);
  // Between the last stop (1570) and decoLimit (1600): linear, 30 at 1600 and 80 at 1570.
  EXPECT_NEAR(dive.CalcGradientFactor(surface + 100, 1585, false), 0.55, 1e-12);
  EXPECT_NEAR(dive.CalcGradientFactor(surface + 100, 1600, false), 0.30, 1e-12);
  // On a bailout the larger of the dive's and the bailout's factors (100/100 by default).
  EXPECT_DOUBLE_EQ(dive.CalcGradientFactor(surface + 100, 2000, true), 1.0);

  CDivePlan constant = MadeDive(50, 50);
  EXPECT_DOUBLE_EQ(constant.CalcGradientFactor(surface + 100, 2000, false), 0.50);
  EXPECT_DOUBLE_EQ(constant.CalcGradientFactor(surface + 100, 1585, false), 0.50);
}

TEST_F(TissueModelTest, EqualGradientFactorsStayConstantThroughADive) {
  CDivePlan dive = MadeDive(70, 70);
  AddUserPoint(dive, 40, 1200);
  AddUserPoint(dive, 6, 0, 100, 0);
  ASSERT_TRUE(Calculate(dive));
  ASSERT_FALSE(Stops(dive).empty());
  for (int step = 0; step < dive.GetStepCount(); ++step) ASSERT_EQ(dive.GetStepGradientFactor(step), 0.7) << step;
}

TEST_F(TissueModelTest, StopsLieAtTheLastStopThenEveryThreeMetres) {
  for (double lastStop : {3.0, 4.5, 6.0, 9.0}) {
    SCOPED_TRACE(lastStop);
    CDivePlan dive = MadeDive(30, 85);
    dive.SetLastStopDepth(lastStop);
    AddUserPoint(dive, 40, 1200);
    ASSERT_TRUE(Calculate(dive));
    const std::vector<Leg> stops = Stops(dive);
    ASSERT_GE(stops.size(), 3u);
    EXPECT_EQ(stops.back().depthMetres, lastStop);
    for (std::size_t i = 0; i + 1 < stops.size(); ++i) {
      const double depth = stops[i].depthMetres;
      EXPECT_GT(depth, stops[i + 1].depthMetres);
      EXPECT_GT(depth, lastStop);
      EXPECT_GE(depth, 6);
      EXPECT_EQ(std::fmod(depth, 3.0), 0) << depth;
    }
  }
}

TEST_F(TissueModelTest, StopsOfABellExcursionLieBelowTheBell) {
  CDivePlan dive = MadeDive(30, 70);
  dive.SetBellExcursion(true);
  dive.SetBellDepth(20);
  dive.SetLastStopDepth(3);
  dive.SetBellGas(21, 35);
  AddUserPoint(dive, 60, 1800, 21, 35);  // a copy at the bell goes in front of it
  ASSERT_TRUE(Calculate(dive));
  EXPECT_EQ(dive.GetPlanPlusListCount(), 2);
  // The diver starts saturated on the bell gas at the bell.
  EXPECT_EQ(dive.GetStepDepth(0), 20);
  EXPECT_NEAR(dive.GetStepTissueHelium(0, 0), (2000 + 970 - 56.7) * 0.35, 1e-9);
  const std::vector<Leg> stops = Stops(dive);
  ASSERT_GE(stops.size(), 2u);
  // Stops at bell + 3 m, then bell + 6, bell + 9 ...; the dive ends in the bell.
  EXPECT_EQ(stops.back().depthMetres, 23);
  for (const Leg& stop : stops) EXPECT_EQ(std::fmod(stop.depthMetres - 20, 3.0), 0) << stop.depthMetres;
  EXPECT_EQ(stops[stops.size() - 2].depthMetres, 26);
  EXPECT_EQ(dive.GetStepDepth(dive.GetStepCount() - 1), 20);
  EXPECT_EQ(Legs(dive).front(), (Leg{kPointDescent, 60, 1, 120}));  // 40 m at 20 m/min

  // A short excursion whose ceiling stays above the bell needs no stop.
  CDivePlan shortDive = MadeDive(30, 70);
  shortDive.SetBellExcursion(true);
  shortDive.SetBellDepth(20);
  shortDive.SetBellGas(21, 35);
  AddUserPoint(shortDive, 25, 600, 21, 35);
  ASSERT_TRUE(Calculate(shortDive));
  EXPECT_TRUE(Stops(shortDive).empty());
}

TEST_F(TissueModelTest, NextStopBeforeTheFirstStepIsNone) {
  CDivePlan dive = MadeDive();
  EXPECT_EQ(dive.GetNextStop(0, 0), -1);
  EXPECT_EQ(dive.GetNextStop(5, 0), -1);
  ASSERT_TRUE(Calculate(dive));
  EXPECT_EQ(dive.GetNextStop(0, 0), -1);
  EXPECT_EQ(dive.GetNextStop(1, 0), -1);  // saturated at the surface: no ceiling
}

TEST_F(TissueModelTest, CounterDiffusionRiskHoldsUntilTheNextGasChange) {
  CDivePlan dive = MadeDive(30, 85);
  dive.SetMaxEad(100);
  // 20 min at 50 m on 10/70 (EAD 5.2 m) builds a ceiling; the switch to air there raises the
  // EAD to 50 m, more than the distance to the ceiling.
  AddUserPoint(dive, 50, 1200, 10, 70);
  AddUserPoint(dive, 50, 120, 21, 0);
  AddUserPoint(dive, 40, 0, 10, 70);  // back to a lower EAD: the risk ends
  AddUserPoint(dive, 21, 0, 50, 0);
  AddUserPoint(dive, 6, 0, 100, 0);
  ASSERT_TRUE(Calculate(dive));
  const int switchStep = 1201;
  ASSERT_EQ(dive.GetStepOxygen(switchStep), 21);
  EXPECT_GT(dive.GetStepCeiling(switchStep), 5.2);
  EXPECT_EQ(dive.GetStepWarningFlags(switchStep - 1) & kWarningCounterDiffusion, 0);
  int lastFlagged = 0;
  for (int step = switchStep; step < dive.GetStepCount() && dive.GetStepOxygen(step) == 21; ++step) {
    ASSERT_NE(dive.GetStepWarningFlags(step) & kWarningCounterDiffusion, 0) << step;
    lastFlagged = step;
  }
  EXPECT_GT(lastFlagged, switchStep + 120);  // the ascent to 40 m keeps the air and the risk
  EXPECT_EQ(dive.GetStepOxygen(lastFlagged + 1), 10);
  for (int step = lastFlagged + 1; step < dive.GetStepCount() && dive.GetStepOxygen(step) == 10; ++step) {
    ASSERT_EQ(dive.GetStepWarningFlags(step) & kWarningCounterDiffusion, 0) << step;
  }
  EXPECT_NE(dive.GetStepWarningText(switchStep).find("Isobaric Counter Diffusion Risk#"), std::string::npos);
}

TEST_F(TissueModelTest, SurfaceDecayOfCnsAndOtu) {
  CDivePlan dive = MadeDive();
  dive.AddStep(0);
  dive.SetSurfaceInterval(5400);
  ASSERT_TRUE(dive.DecayCns(0.8));
  EXPECT_NEAR(dive.GetStepCns(0), 0.4, 1e-12);  // halves in 90 min
  dive.SetSurfaceInterval(86400);
  ASSERT_TRUE(dive.DecayOtu(350));
  EXPECT_NEAR(dive.GetStepOtu(0), 50, 1e-9);  // 300 a day
  ASSERT_TRUE(dive.DecayOtu(200));
  EXPECT_EQ(dive.GetStepOtu(0), 0);
  dive.SetSurfaceInterval(-600);  // a negative interval counts as none
  ASSERT_TRUE(dive.DecayCns(0.8));
  EXPECT_EQ(dive.GetStepCns(0), 0.8);
  ASSERT_TRUE(dive.DecayOtu(120));
  EXPECT_EQ(dive.GetStepOtu(0), 120);
}

TEST_F(TissueModelTest, DesaturationFactor) {
  // Saturated tissue (no supersaturation) off-gasses at the full rate.
  EXPECT_DOUBLE_EQ(CDivePlan::CalcDesaturationFactor(721.507, 0, 970, 1), 1.0);
  // 778.493 mbar above saturation in the first minute: x = (1 - (455.530 + 61)) / 56.3355 =
  // -9.1510, f = 1 / (1 + 0.0682667 x 778.493 / 84.741) = 0.61457.
  EXPECT_NEAR(CDivePlan::CalcDesaturationFactor(1500, 0, 970, 1), 0.61457, 5e-5);
  for (int minute : {1, 60, 500, 1000}) {
    const double factor = CDivePlan::CalcDesaturationFactor(3000, 1000, 970, minute);
    EXPECT_GE(factor, 0);
    EXPECT_LE(factor, 1);
  }
}

namespace {

CDivePlan::PreviousDiveState LoadedState() {
  CDivePlan::PreviousDiveState state;
  for (int c = 0; c < 16; ++c) {
    state.nitrogenMbar[c] = 1500 - 40 * c;
    state.heliumMbar[c] = 300 - 10 * c;
  }
  state.cns = 0.5;
  state.otu = 100;
  return state;
}

}  // namespace

TEST_F(TissueModelTest, ShortIntervalsWithDelayedDesaturationChangeNothing) {
  TestGroup delayed(1, 0);
  CDivePlan dive;
  PrepareDive(dive, delayed, 30, 70);
  dive.SetSurfaceInterval(59);  // no whole minute
  const CDivePlan::PreviousDiveState state = LoadedState();
  ASSERT_TRUE(Calculate(dive, 1, state));
  for (int c = 0; c < 16; ++c) {
    EXPECT_EQ(dive.GetStepTissueNitrogen(0, c), state.nitrogenMbar[c]);
    EXPECT_EQ(dive.GetStepTissueHelium(0, c), state.heliumMbar[c]);
  }
}

TEST_F(TissueModelTest, SurfaceIntervalMethods) {
  const CDivePlan::PreviousDiveState state = LoadedState();
  TestGroup buhlmann(1, 1);
  CDivePlan equation;
  PrepareDive(equation, buhlmann, 30, 70);
  equation.SetSurfaceInterval(3600);
  ASSERT_TRUE(Calculate(equation, 1, state));
  // One exponential: compartment 1 (4 min) after 60 min keeps 2^-15 of its excess.
  EXPECT_NEAR(equation.GetStepTissueNitrogen(0, 0), 721.507 + (1500 - 721.507) * std::pow(2, -15), 1e-9);
  EXPECT_NEAR(equation.GetStepTissueHelium(0, 15), 150 * std::pow(2, -60 / 240.03), 1e-9);
  EXPECT_NEAR(equation.GetInitialCns(), 0.5 * std::pow(2, -3600 / 5400.0), 1e-12);
  EXPECT_NEAR(equation.GetInitialOtu(), 100 - 12.5, 1e-12);

  TestGroup delayedGroup(1, 0);
  CDivePlan delayed;
  PrepareDive(delayed, delayedGroup, 30, 70);
  delayed.SetSurfaceInterval(3600);
  ASSERT_TRUE(Calculate(delayed, 1, state));
  // Supersaturated tissues off-gas more slowly by the delayed method, never faster.
  for (int c = 0; c < 16; ++c) {
    EXPECT_GE(delayed.GetStepTissueNitrogen(0, c), equation.GetStepTissueNitrogen(0, c) - 1e-9) << c;
    EXPECT_LT(delayed.GetStepTissueNitrogen(0, c), state.nitrogenMbar[c]) << c;
  }
  EXPECT_GT(delayed.GetStepTissueNitrogen(0, 15), equation.GetStepTissueNitrogen(0, 15));
  // Dive 0 ignores any previous state, as does a dive told to start at the surface.
  CDivePlan first;
  PrepareDive(first, buhlmann, 30, 70);
  ASSERT_TRUE(first.CalculatePlan(0, state, false));
  EXPECT_NEAR(first.GetStepTissueNitrogen(0, 0), 721.507, 1e-9);
  ASSERT_TRUE(first.CalculatePlan(3, state, true));
  EXPECT_NEAR(first.GetStepTissueNitrogen(0, 15), 721.507, 1e-9);
  EXPECT_EQ(first.GetInitialCns(), 0);
}

TEST_F(TissueModelTest, MaximumCeilingIsTheDeepestCeilingSoFar) {
  // A dive that never has a ceiling keeps a maximum ceiling of 0 m, although decoLimit (1600
  // mbar) lies 6.3 m below the 970 mbar surface.
  CDivePlan shallow = MadeDive();
  AddUserPoint(shallow, 12, 1200);
  ASSERT_TRUE(Calculate(shallow));
  for (int step = 0; step < shallow.GetStepCount(); ++step) ASSERT_EQ(shallow.GetStepMaxCeiling(step), 0) << step;

  CDivePlan deep = MadeDive(30, 70);
  AddUserPoint(deep, 45, 1800);
  ASSERT_TRUE(Calculate(deep));
  double deepest = 0;
  for (int step = 0; step < deep.GetStepCount(); ++step) {
    deepest = std::max(deepest, deep.GetStepCeiling(step));
    ASSERT_EQ(deep.GetStepMaxCeiling(step), deepest) << step;
  }
  EXPECT_GT(deepest, 6);
}

TEST_F(TissueModelTest, NoStepValueIsEverNotANumber) {
  // Every model surface from 900 to 1100 mbar with last stops of 3, 4.5, 6 and 9 m, on a dive
  // with stops. The gradient factor at the last stop used to divide 0 by 0 when decoLimit lay
  // exactly there.
  for (double lastStop : {3.0, 4.5, 6.0, 9.0}) {
    for (int modelSurface = 900; modelSurface <= 1100; ++modelSurface) {
      CDivePlan dive = MadeDive(60, 85);
      dive.SetSurfacePressure(modelSurface + 30);
      dive.SetLastStopDepth(lastStop);
      AddUserPoint(dive, 30, 1200);
      ASSERT_TRUE(Calculate(dive)) << modelSurface;
      ASSERT_FALSE(Stops(dive).empty()) << modelSurface;
      for (int step = 0; step < dive.GetStepCount(); ++step) {
        const bool finite =
            std::isfinite(dive.GetStepGradientFactor(step)) && std::isfinite(dive.GetStepCeiling(step)) &&
            std::isfinite(dive.GetStepMaxCeiling(step)) && std::isfinite(dive.GetStepPigt(step)) &&
            std::isfinite(dive.GetStepCns(step)) && std::isfinite(dive.GetStepOtu(step)) &&
            std::isfinite(dive.GetStepEad(step)) && std::isfinite(dive.GetStepTissueNitrogen(step, 0)) &&
            std::isfinite(dive.GetStepTissueNitrogen(step, 15));
        ASSERT_TRUE(finite) << "surface " << modelSurface << ", last stop " << lastStop << ", step " << step;
      }
    }
  }
}

TEST_F(TissueModelTest, TheLastStopGrowsSmoothlyAsTheSurfacePressureFalls) {
  // Air 21 m for 50 min at GF 60/85, model surfaces 1010 to 1050 mbar one by one: the one 6 m
  // stop never grows as the pressure rises and never jumps by more than a minute.
  int previous = -1;
  for (int modelSurface = 1010; modelSurface <= 1050; ++modelSurface) {
    CDivePlan dive = MadeDive(60, 85);
    dive.SetSurfacePressure(modelSurface + 30);
    AddUserPoint(dive, 21, 3000);
    ASSERT_TRUE(Calculate(dive));
    ASSERT_EQ(Stops(dive).size(), 1u) << modelSurface;
    const int stop = Stops(dive)[0].durationSec;
    if (previous >= 0) {
      EXPECT_LE(stop, previous) << modelSurface;
      EXPECT_GE(stop, previous - 60) << modelSurface;
    }
    previous = stop;
  }
}

TEST_F(TissueModelTest, PointLookupAgreesWithAScanFromTheFirstPoint) {
  // Points that overlap, touch, leave gaps and have no length, asked in any order.
  CDivePlan dive = MadeDive();
  const int starts[] = {0, 0, 1, 91, 91, 91, 200, 150, 400, 400, 401};
  const int durations[] = {300, 0, 90, 0, 60, 200, 10, 100, 0, 0, 50};
  for (int i = 0; i < 11; ++i) dive.AddReviewPoint(starts[i], durations[i], 100.0 * i, 21, 0, 0.7, false);
  const auto scan = [&](int time) {
    for (int k = 0; k < dive.GetPlanPlusPointCount(); ++k) {
      if (dive.GetPlanPlusStartTime(k) <= time && time <= dive.GetPlanPlusEndTime(k)) return k;
    }
    return -1;
  };
  unsigned seed = 12345;
  for (int i = 0; i < 5000; ++i) {
    seed = seed * 1103515245u + 12345u;
    const int time = static_cast<int>((seed >> 8) % 520) - 10;
    ASSERT_EQ(dive.FindProfilePointAtTime(time), scan(time)) << time;
    ASSERT_EQ(dive.FindProfilePointAtTime(time + 1), scan(time + 1)) << time + 1;
  }
}

TEST_F(TissueModelTest, CompartmentsWithoutInertGasHaveNoCeiling) {
  // A predecessor that left no tensions, and no interval to load them: every compartment is
  // empty at step 0, and its ceiling is left out instead of dividing 0 by 0.
  CDivePlan dive = MadeDive();
  AddUserPoint(dive, 20, 600);
  ASSERT_TRUE(Calculate(dive, 1, {}));
  EXPECT_EQ(dive.GetStepPigt(0), 0);
  EXPECT_NEAR(dive.GetStepCeiling(0), -9.7, 1e-12);  // 0 mbar absolute, 9.7 m above the surface
  for (int step = 0; step < dive.GetStepCount(); ++step) {
    ASSERT_TRUE(std::isfinite(dive.GetStepCeiling(step))) << step;
    ASSERT_TRUE(std::isfinite(dive.GetStepGradientFactor(step))) << step;
  }
  EXPECT_GT(dive.GetStepTissueNitrogen(1, 0), 0);
}

TEST_F(TissueModelTest, EverySecondRoundsTheProductAndTheSumApart) {
  // Haldane's step p + (inspired - p) x k with the product and the sum each rounded on its own,
  // as plain double arithmetic gives them: the loops built for wider processors must not fuse
  // them, or one processor would plan other tensions (and, at a margin, other stops) than
  // another.
  CDivePlan dive = MadeDive(30, 70);
  AddUserPoint(dive, 60, 1200, 18, 45);
  AddUserPoint(dive, 21, 0, 50, 0);
  ASSERT_TRUE(Calculate(dive));
  const CompartmentValues& nitrogenRate = dive.GetNitrogenRatePerSecond();
  const CompartmentValues& heliumRate = dive.GetHeliumRatePerSecond();
  int checked = 0;
  for (int step = 1; step < dive.GetStepCount(); step += 7) {
    for (int c = 0; c < 16; ++c) {
      const double nitrogen = dive.GetStepTissueNitrogen(step - 1, c);
      const double helium = dive.GetStepTissueHelium(step - 1, c);
      const volatile double nitrogenChange = (dive.GetStepInspiredNitrogen(step) - nitrogen) * nitrogenRate[c];
      const volatile double heliumChange = (dive.GetStepInspiredHelium(step) - helium) * heliumRate[c];
      ASSERT_EQ(dive.GetStepTissueNitrogen(step, c), nitrogen + nitrogenChange) << step << " " << c;
      ASSERT_EQ(dive.GetStepTissueHelium(step, c), helium + heliumChange) << step << " " << c;
      ++checked;
    }
  }
  EXPECT_GT(checked, 16 * 100);
}

TEST_F(TissueModelTest, ASecondFilledAgainOnItsOwnMatchesTheCalculatedProfile) {
  // A calculation may pass the tensions from one second to the next in registers; a second filled
  // again on its own reads them from the step before it. Both must give the same tensions. (The
  // descent and the bottom only: the ascent's legs are reshaped as its stops are planned, after
  // their first seconds were filled.)
  CDivePlan dive = MadeDive(30, 70);
  AddUserPoint(dive, 60, 1200, 18, 45);
  AddUserPoint(dive, 21, 0, 50, 0);
  AddUserPoint(dive, 6, 0, 100, 0);
  ASSERT_TRUE(Calculate(dive));
  int checked = 0;
  for (int step = 1; dive.GetStepTime(step) <= 1200; step += 7) {
    std::array<double, 32> calculated{};
    for (int c = 0; c < 16; ++c) {
      calculated[c] = dive.GetStepTissueNitrogen(step, c);
      calculated[16 + c] = dive.GetStepTissueHelium(step, c);
    }
    ASSERT_TRUE(dive.CalcTissueStep(step, dive.GetStepTime(step), 1));
    for (int c = 0; c < 16; ++c) {
      ASSERT_EQ(dive.GetStepTissueNitrogen(step, c), calculated[c]) << step << " " << c;
      ASSERT_EQ(dive.GetStepTissueHelium(step, c), calculated[16 + c]) << step << " " << c;
    }
    ++checked;
  }
  EXPECT_GT(checked, 150);
}

TEST_F(TissueModelTest, EverySecondAddsTheExposureOfItsOwnPpo2WhateverWasCalculatedBefore) {
  // The exposure of a second is kept by ppO2 across calculations. Dives of other gases in
  // between fill the store with thousands of other values; each second must still add just
  // the exposure of its own ppO2.
  const auto calculateAndCheck = [this](double oxygenPercent, double heliumPercent) {
    CDivePlan dive = MadeDive(30, 70);
    AddUserPoint(dive, 70, 1200, oxygenPercent, heliumPercent);
    AddUserPoint(dive, 21, 0, 50, 0);
    AddUserPoint(dive, 6, 0, 100, 0);
    ASSERT_TRUE(Calculate(dive));
    for (int step = 1; step < dive.GetStepCount(); ++step) {
      const double ppo2 = dive.GetStepPpo2(step);
      ASSERT_EQ(dive.GetStepCns(step), dive.GetStepCns(step - 1) + dive.CalcCnsIncrement(ppo2, 1)) << step;
      ASSERT_EQ(dive.GetStepOtu(step), dive.GetStepOtu(step - 1) + dive.CalcOtuIncrement(ppo2, 1)) << step;
    }
  };
  calculateAndCheck(18, 45);
  for (int oxygen = 10; oxygen <= 30; oxygen += 2) calculateAndCheck(oxygen, 40);
  calculateAndCheck(18, 45);
}
