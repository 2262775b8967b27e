// The choice of bailout gases from a list, on its own: ranges, ordering, drops and coverage
// worked out by hand at a surface of 1.0 bar, ppO2 limit 1.6 bar and maximum EAD 40 m.
#include "engine/BailoutGasList.h"

#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/support/TempFolders.h"

namespace {

constexpr double kSurfaceBar = 1.0;
constexpr double kPpo2 = 1.6;
constexpr double kMaxEad = 40;

struct Mix {
  double oxygen;
  double helium;
  bool operator==(const Mix&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Mix& mix) { return out << mix.oxygen << "/" << mix.helium; }

std::vector<Mix> Mixes(const BailoutGasMixes& gases) {
  std::vector<Mix> mixes;
  for (const auto& gas : gases) mixes.push_back({gas.oxygenPercent, gas.heliumPercent});
  return mixes;
}

class BailoutGasListTest : public testing::Test {
 protected:
  // Runs the choice for a bailout at the depth; the failure's message id, or 0.
  int Choose(const char* list, double deepestMetres, BailoutGasMixes& output, double ppo2 = kPpo2,
             double surfaceBar = kSurfaceBar) {
    const BailoutGasListChoice choice(surfaceBar, ppo2, kMaxEad, deepestMetres);
    BailoutGasMixes gases = choice.ReadCandidates(list);
    if (auto failure = choice.KeepGasesNeeded(gases)) return failure->messageId;
    if (auto failure = choice.ChooseOutputSet(gases, output)) return failure->messageId;
    return 0;
  }

  TempFolders folders;  // settings and log of their own
};

}  // namespace

TEST_F(BailoutGasListTest, RangesOfEachGas) {
  const BailoutGasListChoice choice(kSurfaceBar, kPpo2, kMaxEad, 60);
  const BailoutGasMixes gases = choice.ReadCandidates("21/35,50/0,100/0");
  ASSERT_EQ(gases.size(), 3u);
  // 21/35: 160 / 21 = 7.619 bar for the ppO2; 0.79 x 5 x 100 / 44 = 8.977 bar for the EAD;
  // surface-equivalent nitrogen at 0.79 / 0.44 = 1.795 bar; 20 / 21 = 0.952 bar at ppO2 0.2.
  EXPECT_NEAR(gases[0].ppo2Lim, 7.619048, 1e-6);
  EXPECT_NEAR(gases[0].eadLim, 8.977273, 1e-6);
  EXPECT_NEAR(gases[0].maxPamb, 7.619048, 1e-6);
  EXPECT_NEAR(gases[0].pEadZero, 1.795455, 1e-6);
  EXPECT_NEAR(gases[0].minPamb, 0.952381, 1e-6);
  // 50/0: 3.2 bar for the ppO2, 7.9 bar for the EAD.
  EXPECT_NEAR(gases[1].maxPamb, 3.2, 1e-12);
  EXPECT_NEAR(gases[1].eadLim, 7.9, 1e-12);
  EXPECT_NEAR(gases[1].pEadZero, 1.58, 1e-12);
  // Oxygen has no nitrogen: its EAD limit and EAD-zero pressure are its ppO2 limit.
  EXPECT_NEAR(gases[2].maxPamb, 1.6, 1e-12);
  EXPECT_EQ(gases[2].eadLim, gases[2].ppo2Lim);
  EXPECT_EQ(gases[2].pEadZero, gases[2].maxPamb);
  EXPECT_NEAR(gases[2].minPamb, 0.2, 1e-12);
}

TEST_F(BailoutGasListTest, UnreadableAndImpossibleItemsAreSkipped) {
  const BailoutGasListChoice choice(kSurfaceBar, kPpo2, kMaxEad, 30);
  EXPECT_TRUE(choice.ReadCandidates("32").empty());
  EXPECT_TRUE(choice.ReadCandidates("").empty());
  EXPECT_EQ(Mixes(choice.ReadCandidates("32, 21/0 ,x/5,21/,/0,50/60,0/0,4/0,21/35/7,18/45")),
            (std::vector<Mix>{{21, 0}, {18, 45}}));
}

TEST_F(BailoutGasListTest, TheWorkedListKeepsAllThreeGases) {
  // 60 m: 7.0 bar. Richest first 100/0, 50/0, 21/35; 21/35 is the first to reach 7.0 bar.
  // Deepest first 21/35 (7.62), 50/0 (3.2 bar = 22 m, rounded down to 21 m), 100/0 (6 m).
  BailoutGasMixes output;
  ASSERT_EQ(Choose("21/35,50/0,100/0", 60, output), 0);
  EXPECT_EQ(Mixes(output), (std::vector<Mix>{{21, 35}, {50, 0}, {100, 0}}));
  EXPECT_NEAR(output[1].maxPamb, 3.1, 1e-12);
  const GasSwitchList switches = BailoutGasListChoice(kSurfaceBar, kPpo2, kMaxEad, 60).MakeSwitches(output);
  EXPECT_EQ(switches[0].GetDepth(), 60);
  EXPECT_EQ(switches[1].GetDepth(), 21);
  EXPECT_EQ(switches[2].GetDepth(), 6);
  EXPECT_TRUE(switches[2].IsGasSet());
  EXPECT_FALSE(switches[3].IsGasSet());
  EXPECT_FALSE(switches[1].IsClosedCircuit());
}

TEST_F(BailoutGasListTest, LeanerGasesThanTheOneReachingTheBailoutAreDropped) {
  // At 30 m (4.0 bar) 32/0 is the richest that reaches (ppO2 5.0, EAD 5.81 bar): 21/35 and
  // 10/70 are never needed.
  BailoutGasMixes output;
  ASSERT_EQ(Choose("10/70,21/35,32/0,100/0", 30, output), 0);
  EXPECT_EQ(Mixes(output), (std::vector<Mix>{{32, 0}, {100, 0}}));
}

TEST_F(BailoutGasListTest, AGasWithMoreHeliumStaysOnlyToBridgeAGap) {
  // 50 m (6.0 bar). 15/40 reaches it (ppO2 10.67, EAD 8.78 bar) but not the surface (1.333 bar);
  // 30/65 (5.33 bar at ppO2 1.6) has more helium. At ppO2 1.6 oxygen takes over at 1.6 bar,
  // above 1.333: 30/65 is not needed.
  BailoutGasMixes output;
  ASSERT_EQ(Choose("15/40,30/65,100/0", 50, output), 0);
  EXPECT_EQ(Mixes(output), (std::vector<Mix>{{15, 40}, {100, 0}}));
  // At ppO2 1.2 oxygen starts at 1.2 bar, shallower than 15/40 may go: 30/65 bridges the gap.
  ASSERT_EQ(Choose("15/40,30/65,100/0", 50, output, 1.2), 0);
  EXPECT_EQ(Mixes(output), (std::vector<Mix>{{15, 40}, {30, 65}, {100, 0}}));
  // As the last gas it stays when the gas before it cannot be breathed at the surface.
  ASSERT_EQ(Choose("15/40,30/65", 50, output), 0);
  EXPECT_EQ(Mixes(output), (std::vector<Mix>{{15, 40}, {30, 65}}));
  ASSERT_EQ(Choose("21/39,30/65", 50, output), 0);
  EXPECT_EQ(Mixes(output), (std::vector<Mix>{{21, 39}}));
}

TEST_F(BailoutGasListTest, OfTwoGasesAtOneSwitchDepthTheRicherStays) {
  // 48/0 (3.33 bar, 23.3 m) and 50/0 (3.2 bar, 22 m) both round down to 21 m.
  BailoutGasMixes output;
  ASSERT_EQ(Choose("32/0,48/0,50/0,100/0", 30, output), 0);
  EXPECT_EQ(Mixes(output), (std::vector<Mix>{{32, 0}, {50, 0}, {100, 0}}));
}

TEST_F(BailoutGasListTest, ListsThatCannotCoverTheAscent) {
  BailoutGasMixes output;
  EXPECT_EQ(Choose("32", 60, output), IDS_MSG_NO_GASES_IN_LIST);
  EXPECT_EQ(Choose("18/45", 60, output), IDS_MSG_LAST_GAS_NOT_SURFACE);  // below 20 % at the surface
  EXPECT_EQ(Choose("21/0", 60, output), IDS_MSG_NO_GAS_AT_BAILOUT_DEPTH);  // air: EAD 40 m at 5.0 bar
  EXPECT_EQ(Choose("12/60,100/0", 60, output), IDS_MSG_GASES_DO_NOT_OVERLAP);  // 1.667 vs 1.6 bar
  // With 20 % oxygen or more a gas reaches a surface of 1 bar; at 0.8 bar (60 m is 6.8 bar):
  // 20/30 (7.58 .. 1.0 bar) alone, and 20/40 (8.0 .. 1.0) with 24/0 (4.99 bar for the EAD,
  // rounded down to 39 m, .. 0.833 bar), leave the water too deep.
  EXPECT_EQ(Choose("20/30", 60, output, kPpo2, 0.8), IDS_MSG_SINGLE_GAS_NOT_SURFACE);
  EXPECT_EQ(Choose("20/40,24/0", 60, output, kPpo2, 0.8), IDS_MSG_LAST_GAS_NOT_SURFACE);
  EXPECT_EQ(Mixes(output), (std::vector<Mix>{{20, 40}, {24, 0}}));
}

TEST_F(BailoutGasListTest, NoMoreGasesThanSwitches) {
  // Nitrogen 20 % everywhere: the ppO2 limits 160 / O2 decide, and every gas gets its own switch
  // depth from 123 m up to 6 m. At 140 m (15 bar) only 10/70 reaches the bailout depth.
  const char* fifteen = "10/70,12/68,14/66,16/64,18/62,20/60,23/57,26/54,30/50,35/45,40/40,50/30,60/20,80/0,100/0";
  BailoutGasMixes output;
  EXPECT_EQ(Choose(fifteen, 140, output), IDS_MSG_TOO_MANY_LIST_GASES);
  ASSERT_EQ(Choose("10/70,18/62,20/60,23/57,26/54,30/50,35/45,40/40,50/30,60/20,80/0,100/0", 140, output), 0);
  EXPECT_EQ(output.size(), 12u);
}

TEST_F(BailoutGasListTest, CounterDiffusionLimitsAGasToWhereItsEadIsZero) {
  const BailoutGasListChoice choice(kSurfaceBar, kPpo2, kMaxEad, 60);
  BailoutGasMixes base = choice.ReadCandidates("21/35,20/0,100/0");
  // 21/35 may then only be breathed from 1.795 bar up: it no longer reaches 60 m.
  ASSERT_TRUE(choice.LimitToEadZero(base, 21, 35));
  EXPECT_NEAR(base[0].maxPamb, 1.795455, 1e-6);
  BailoutGasMixes output;
  const auto failure = choice.ChooseOutputSet(base, output);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->messageId, IDS_MSG_NO_GAS_AT_BAILOUT_DEPTH);
  // 20/0 has the EAD of air only at 0.9875 bar, above the surface: it goes.
  ASSERT_TRUE(choice.LimitToEadZero(base, 20, 0));
  EXPECT_EQ(Mixes(base), (std::vector<Mix>{{21, 35}, {100, 0}}));
  // Oxygen has no nitrogen, and a gas not in the set cannot change: nothing changes.
  EXPECT_FALSE(choice.LimitToEadZero(base, 100, 0));
  EXPECT_FALSE(choice.LimitToEadZero(base, 50, 0));
  EXPECT_FALSE(choice.LimitToEadZero(base, 21, 35));  // already limited
}
