#include "engine/GasRanges.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

#include "engine/support/DebugLog.h"
#include "tests/support/TempFolders.h"

void PrintTo(const BreathedGas& gas, std::ostream* out) {
  const char* phases[] = {"descent", "bottom", "ascent"};
  *out << phases[static_cast<int>(gas.phase)] << " slot " << gas.slot << " " << gas.fromMetres << " -> "
       << gas.toMetres;
}

namespace {

CGasSwitch Switch(double depth, double oxygen, double helium, bool closedCircuit = false, double setPoint = 0) {
  CGasSwitch gasSwitch;
  gasSwitch.Set(depth, oxygen, helium, closedCircuit, setPoint, true);
  return gasSwitch;
}

void ExpectRange(const GasRange& range, double switchDepth, double otherDepth) {
  EXPECT_TRUE(range.inUse);
  EXPECT_DOUBLE_EQ(range.switchDepthMetres, switchDepth);
  EXPECT_DOUBLE_EQ(range.otherDepthMetres, otherDepth);
}

class GasRangesTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(log.Open("Velmar", "Ranges"));
    log.SetDebugLevel(0);
  }
  std::string Logged() const { return ReadFileText(log.GetFileName()); }

  TempFolders folders;
  CDebugLog log;
  GasSwitchList travel;
  GasSwitchList deco;
  GasRangeList travelRanges;
  GasRangeList decoRanges;
};

}  // namespace

TEST_F(GasRangesTest, ASingleTravelGasReachesAnyDepth) {
  travel[0] = Switch(0, 21, 0, true, 0.7);
  SetGasRanges(travel, deco, travelRanges, decoRanges, log);
  ExpectRange(travelRanges[0], 0, 9999.9);
  EXPECT_TRUE(travelRanges[0].closedCircuit);
  EXPECT_DOUBLE_EQ(travelRanges[0].oxygenPercent, 21);
  EXPECT_DOUBLE_EQ(travelRanges[0].heliumPercent, 0);
  EXPECT_DOUBLE_EQ(travelRanges[0].setPointBar, 0.7);
  for (std::size_t i = 1; i < travelRanges.size(); ++i) EXPECT_FALSE(travelRanges[i].inUse) << i;
  for (const GasRange& range : decoRanges) EXPECT_FALSE(range.inUse);
}

TEST_F(GasRangesTest, TravelGasesRunDownAndDecoGasesUpToTheirNeighbours) {
  travel[0] = Switch(0, 21, 0);
  travel[1] = Switch(20, 18, 45);
  travel[2] = Switch(40, 10, 70);
  deco[0] = Switch(6, 100, 0);
  deco[1] = Switch(21, 50, 0);
  deco[2] = Switch(36, 21, 35);
  SetGasRanges(travel, deco, travelRanges, decoRanges, log);
  ExpectRange(travelRanges[0], 0, 20);
  ExpectRange(travelRanges[1], 20, 40);
  ExpectRange(travelRanges[2], 40, 9999.9);
  ExpectRange(decoRanges[0], 6, 0);
  ExpectRange(decoRanges[1], 21, 6);
  ExpectRange(decoRanges[2], 36, 21);
  EXPECT_DOUBLE_EQ(decoRanges[1].oxygenPercent, 50);
  EXPECT_FALSE(decoRanges[1].closedCircuit);
}

TEST_F(GasRangesTest, AGapOpensTheRangeBesideIt) {
  travel[0] = Switch(0, 21, 0);
  travel[2] = Switch(30, 18, 45);
  deco[0] = Switch(6, 100, 0);
  deco[2] = Switch(21, 50, 0);
  // Slots without a gas keep whatever bounds they had, marked unused.
  travelRanges[1] = {12, 24, true, 32, 0, 1.2, true};
  SetGasRanges(travel, deco, travelRanges, decoRanges, log);
  ExpectRange(travelRanges[0], 0, 9999.9);
  EXPECT_FALSE(travelRanges[1].inUse);
  EXPECT_DOUBLE_EQ(travelRanges[1].switchDepthMetres, 12);
  EXPECT_DOUBLE_EQ(travelRanges[1].otherDepthMetres, 24);
  ExpectRange(travelRanges[2], 30, 9999.9);
  ExpectRange(decoRanges[0], 6, 0);
  EXPECT_FALSE(decoRanges[1].inUse);
  ExpectRange(decoRanges[2], 21, 0);
}

TEST_F(GasRangesTest, TheLastSlotsAreBoundedLikeAnyOther) {
  travel[10] = Switch(50, 15, 55);
  travel[11] = Switch(70, 10, 70);
  deco[11] = Switch(9, 80, 0);
  SetGasRanges(travel, deco, travelRanges, decoRanges, log);
  ExpectRange(travelRanges[10], 50, 70);
  ExpectRange(travelRanges[11], 70, 9999.9);
  ExpectRange(decoRanges[11], 9, 0);
}

TEST_F(GasRangesTest, RangesAreLoggedAtTheGasRangeLevel) {
  travel[0] = Switch(0, 21, 0, true, 0.7);
  travel[1] = Switch(30, 18, 45, true, 1.3);
  deco[0] = Switch(6, 100, 0, false, 1.3);
  log.SetDebugLevel(2);  // below the threshold of 3
  SetGasRanges(travel, deco, travelRanges, decoRanges, log);
  EXPECT_EQ(Logged(), "");

  log.SetDebugLevel(3);
  SetGasRanges(travel, deco, travelRanges, decoRanges, log);
  EXPECT_EQ(Logged(),
            "-\n"
            "Gas Ranges\n"
            "Travel Gas 1 Depth range    0.00 -   30.00 CC Gas Air PPO2 0.70\n"
            "Travel Gas 2 Depth range   30.00 - 9999.90 CC Gas 18/45 PPO2 1.30\n"
            "Deco Gas 1   Depth range    6.00 -    0.00 OC Gas Oxygen PPO2 1.30\n");
}

TEST_F(GasRangesTest, DumpRespectsTheLevelAskedFor) {
  deco[0] = Switch(6, 32, 0);
  log.SetDebugLevel(5);
  SetGasRanges(travel, deco, travelRanges, decoRanges, log);
  const std::string once = Logged();
  LogGasRanges(travelRanges, decoRanges, 6, log);
  EXPECT_EQ(Logged(), once);
  LogGasRanges(travelRanges, decoRanges, 5, log);
  EXPECT_EQ(Logged(), once + once);
  EXPECT_NE(once.find("Deco Gas 1   Depth range    6.00 -    0.00 OC Gas 32% Nitrox PPO2 0.00\n"), std::string::npos);
}

TEST_F(GasRangesTest, ADiveBreathesTheBottomGasUpToTheFirstSwitchShallowerThanTheBottom) {
  constexpr auto kDown = BreathingPhase::kDescent;
  constexpr auto kBottom = BreathingPhase::kBottom;
  constexpr auto kUp = BreathingPhase::kAscent;
  travel[0] = Switch(0, 21, 0);
  travel[1] = Switch(18, 10, 70);
  deco[0] = Switch(3, 100, 0);
  deco[1] = Switch(21, 50, 0);
  // EAN50 at the bottom depth itself is never switched to: 10/70 is breathed from 21 m to 3 m.
  EXPECT_EQ(PlanBreathedGases(travel, deco, 21),
            (std::vector<BreathedGas>{{kDown, 0, 0, 18}, {kDown, 1, 18, 21}, {kBottom, 1, 21, 3}, {kUp, 0, 3, 0}}));
  EXPECT_EQ(PlanBreathedGases(travel, deco, 30),
            (std::vector<BreathedGas>{
                {kDown, 0, 0, 18}, {kDown, 1, 18, 30}, {kBottom, 1, 30, 21}, {kUp, 1, 21, 3}, {kUp, 0, 3, 0}}));
  // A travel switch at the bottom is made on arrival.
  EXPECT_EQ(PlanBreathedGases(travel, deco, 18),
            (std::vector<BreathedGas>{{kDown, 0, 0, 18}, {kDown, 1, 18, 18}, {kBottom, 1, 18, 3}, {kUp, 0, 3, 0}}));
  // Nothing deeper than a shallow bottom is used, on the way down or up.
  EXPECT_EQ(PlanBreathedGases(travel, deco, 2), (std::vector<BreathedGas>{{kDown, 0, 0, 2}, {kBottom, 0, 2, 0}}));
  // Without a travel gas the bottom has no switch of its own.
  EXPECT_EQ(PlanBreathedGases({}, deco, 21),
            (std::vector<BreathedGas>{{kBottom, kNoSwitchSlot, 21, 3}, {kUp, 0, 3, 0}}));
}

TEST_F(GasRangesTest, ASwitchWithinACentimetreOfTheBottomIsAtTheBottom) {
  constexpr auto kDown = BreathingPhase::kDescent;
  constexpr auto kBottom = BreathingPhase::kBottom;
  constexpr auto kUp = BreathingPhase::kAscent;
  // A bottom of 145 ft is 44.52225 m, which a settings file keeps as 44.52 m.
  constexpr double kBottomMetres = 44.52225;
  travel[0] = Switch(0, 21, 35);
  deco[0] = Switch(4.60575, 100, 0);
  for (double within : {44.52, 44.52225, 44.53}) {
    travel[1] = Switch(within, 18, 45);
    deco[1] = Switch(within, 50, 0);
    // Made on the way down on arrival, never on the way up; the bottom itself is the deepest
    // depth the descent gas is breathed at.
    const double switchMetres = std::min(within, kBottomMetres);
    EXPECT_EQ(PlanBreathedGases(travel, deco, kBottomMetres),
              (std::vector<BreathedGas>{{kDown, 0, 0, switchMetres},
                                        {kDown, 1, switchMetres, kBottomMetres},
                                        {kBottom, 1, kBottomMetres, 4.60575},
                                        {kUp, 0, 4.60575, 0}}))
        << within;
  }
  // Two centimetres off, the switches are beside the bottom: the deeper descent switch is not
  // reached, and the shallower ascent switch is made on the way up.
  travel[1] = Switch(44.54, 18, 45);
  deco[1] = Switch(44.50, 50, 0);
  EXPECT_EQ(PlanBreathedGases(travel, deco, kBottomMetres),
            (std::vector<BreathedGas>{{kDown, 0, 0, kBottomMetres},
                                      {kBottom, 0, kBottomMetres, 44.50},
                                      {kUp, 1, 44.50, 4.60575},
                                      {kUp, 0, 4.60575, 0}}));
}
