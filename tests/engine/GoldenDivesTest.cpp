// Complete schedules of open-circuit, closed-circuit and repetitive dives. Every expected number
// here comes from the independent reference model in tests/reference (deco_reference.py, written
// in Python from the same rules by another engineer without the C++ code; `python3 cases.py
// --golden` prints these values): integers exactly, doubles to 1e-9 relative.
#include <gtest/gtest.h>

#include "tests/engine/DiveTestSupport.h"

namespace {

// The dives start from surface saturation, and the repetitive dive off-gasses by the Buhlmann
// equation, as DiveTest's group says.
using GoldenDivesTest = DiveTest;

void ExpectStops(const CDivePlan& dive, const std::vector<Leg>& expected) { EXPECT_EQ(Stops(dive), expected); }

void ExpectFinal(const CDivePlan& dive, int surfacingSec, double cns, double otu, double maxCeilingMetres,
                 double decoLimitMbar) {
  EXPECT_EQ(dive.GetLastStepTime(), surfacingSec);
  EXPECT_EQ(dive.GetStepCount(), surfacingSec + 1);
  ExpectClose(dive.GetFinalCns(), cns);
  ExpectClose(dive.GetFinalOtu(), otu);
  ExpectClose(dive.GetStepMaxCeiling(dive.GetStepCount() - 1), maxCeilingMetres);
  ExpectClose(dive.GetDecoLimit(), decoLimitMbar);
}

void ExpectTensions(const CDivePlan& dive, int step, double nitrogen1, double helium1, double nitrogen16,
                    double helium16) {
  ExpectClose(dive.GetStepTissueNitrogen(step, 0), nitrogen1);
  ExpectClose(dive.GetStepTissueHelium(step, 0), helium1);
  ExpectClose(dive.GetStepTissueNitrogen(step, 15), nitrogen16);
  ExpectClose(dive.GetStepTissueHelium(step, 15), helium16);
}

const std::vector<Leg> kTrimixStops = {
    {kPointDeco, 33, 1663, 17},  {kPointDeco, 30, 1698, 102}, {kPointDeco, 27, 1818, 102},
    {kPointDeco, 24, 1938, 162}, {kPointDeco, 21, 2118, 102}, {kPointDeco, 18, 2238, 102},
    {kPointDeco, 15, 2358, 162}, {kPointDeco, 12, 2538, 282}, {kPointDeco, 9, 2838, 462},
    {kPointDeco, 6, 3318, 1722}};

void ExpectTrimixDive(const CDivePlan& dive) {
  ExpectStops(dive, kTrimixStops);
  // The stops after a switch breathe the new gas: EAN50 from 21 m, oxygen from 6 m.
  EXPECT_EQ(dive.GetStepOxygen(2118), 50);
  EXPECT_EQ(dive.GetStepOxygen(3318), 100);
  ExpectFinal(dive, 5075, 0.661416401626949, 116.85051406909213, 32.5602706315276, 4226.02706315276);
  ExpectTensions(dive, 1500, 2524.711320231616, 3110.920495921699, 767.4028337461265, 205.7661119372888);
  EXPECT_EQ(Rows(dive), (std::vector<Row>{{0, 0, 180, 180},
                                          {2, 60, 1320, 1500},
                                          {0, 33, 197, 1697},
                                          {0, 30, 120, 1817},
                                          {0, 27, 120, 1937},
                                          {0, 24, 180, 2117},
                                          {0, 21, 120, 2237},
                                          {0, 18, 120, 2357},
                                          {0, 15, 180, 2537},
                                          {0, 12, 300, 2837},
                                          {0, 9, 480, 3317},
                                          {0, 6, 1758, 5075}}));
}

}  // namespace

TEST_F(GoldenDivesTest, OpenCircuitTrimixWithTwoDecoGases) {
  // 18/45 to 60 m leaving the bottom at 25:00, EAN50 from 21 m, oxygen from 6 m, GF 30/70.
  CDivePlan dive;
  PrepareDive(dive, group, 30, 70);
  AddUserPoint(dive, 60, 1500, 18, 45);
  AddUserPoint(dive, 21, 0, 50, 0);
  AddUserPoint(dive, 6, 0, 100, 0);
  ASSERT_TRUE(Calculate(dive));
  EXPECT_EQ(Legs(dive).front(), (Leg{kPointDescent, 60, 1, 180}));
  EXPECT_EQ(Legs(dive)[1], (Leg{kPointPlanned, 60, 181, 1320}));
  // The leg after the 33 m stop takes 18 s for 3 m: travel is counted once.
  EXPECT_EQ(Legs(dive)[4], (Leg{kPointDecoAscent, 30, 1680, 18}));
  ExpectTrimixDive(dive);
}

TEST_F(GoldenDivesTest, TheSameDiveFromAGasSwitchSchedule) {
  CDivePlan dive;
  PrepareDive(dive, group, 30, 70);
  AddUserPoint(dive, 60, 1500, 21, 0, true, 1.3);  // the schedule gives the bottom point its gas
  GasSwitchList travel;
  GasSwitchList deco;
  travel[0].Set(0, 18, 45, false, 0, true);
  deco[0].Set(6, 100, 0, false, 0, true);
  deco[1].Set(21, 50, 0, false, 0, true);
  dive.SetGasRanges(travel, deco);
  ASSERT_TRUE(Calculate(dive));
  EXPECT_EQ(dive.GetGasSwitchesUsed(), 3);
  EXPECT_FALSE(dive.IsStepClosedCircuit(1500));
  ExpectTrimixDive(dive);
}

TEST_F(GoldenDivesTest, ClosedCircuitTrimixDiluent) {
  // Diluent 10/50 at set-point 1.3 to 100 m for 30 min, GF 30/80.
  CDivePlan dive;
  PrepareDive(dive, group, 30, 80);
  AddUserPoint(dive, 100, 1800, 10, 50, true, 1.3);
  ASSERT_TRUE(Calculate(dive));
  // The first ascent runs 100 -> 66 -> 63 -> 60 m as one leg of 204 + 18 + 18 s.
  EXPECT_EQ(Legs(dive)[2], (Leg{kPointDecoAscent, 60, 1801, 240}));
  ExpectStops(dive, {{kPointDeco, 60, 2041, 59},  {kPointDeco, 57, 2118, 42},  {kPointDeco, 54, 2178, 42},
                     {kPointDeco, 51, 2238, 102}, {kPointDeco, 48, 2358, 42},  {kPointDeco, 45, 2418, 102},
                     {kPointDeco, 42, 2538, 102}, {kPointDeco, 39, 2658, 162}, {kPointDeco, 36, 2838, 162},
                     {kPointDeco, 33, 3018, 222}, {kPointDeco, 30, 3258, 222}, {kPointDeco, 27, 3498, 282},
                     {kPointDeco, 24, 3798, 342}, {kPointDeco, 21, 4158, 402}, {kPointDeco, 18, 4578, 582},
                     {kPointDeco, 15, 5178, 642}, {kPointDeco, 12, 5838, 882}, {kPointDeco, 9, 6738, 1242},
                     {kPointDeco, 6, 7998, 5382}});
  ExpectFinal(dive, 13415, 1.2421296296297337, 330.7801289532999, 64.78170245274136, 7448.170245274136);
  ExpectTensions(dive, 1800, 4238.478107774221, 5340.699901716513, 824.1707622053199, 406.3083303097452);
  EXPECT_EQ(Rows(dive).size(), 21u);
  EXPECT_EQ(Rows(dive)[2], (Row{0, 60, 317, 2117}));
  EXPECT_EQ(Rows(dive).back(), (Row{0, 6, 5418, 13415}));
}

TEST_F(GoldenDivesTest, RepetitiveAirDiveAfterAnHour) {
  CDivePlan first;
  PrepareDive(first, group, 30, 85);
  AddUserPoint(first, 30, 1500);
  ASSERT_TRUE(Calculate(first));
  ExpectStops(first, {{kPointDeco, 12, 1609, 251}, {kPointDeco, 6, 1896, 564}});
  ExpectFinal(first, 2495, 0.060070595173864386, 17.708305433645698, 11.894044555436448, 2159.404455543645);
  ExpectTensions(first, 1500, 3055.948062425192, 0, 783.4189840813126, 0);
  EXPECT_EQ(Rows(first),
            (std::vector<Row>{{0, 0, 90, 90}, {2, 30, 1410, 1500}, {0, 12, 395, 1895}, {0, 6, 600, 2495}}));

  CDivePlan second;
  PrepareDive(second, group, 30, 85);
  second.SetSurfaceInterval(3600);
  AddUserPoint(second, 30, 1200);
  ASSERT_TRUE(Calculate(second, 1, first.GetFinalState()));
  ExpectClose(second.GetInitialCns(), 0.03784210366963256);
  ExpectClose(second.GetInitialOtu(), 5.208305433645698);
  ExpectClose(second.GetStepTissueNitrogen(0, 0), 721.5259814851473);
  ExpectClose(second.GetStepTissueNitrogen(0, 15), 790.5578517359847);
  ExpectStops(second, {{kPointDeco, 12, 1309, 131}, {kPointDeco, 6, 1476, 684}});
  ExpectFinal(second, 2195, 0.08599857584208735, 19.346964674522166, 10.622524027824259, 2032.2524027824259);
  ExpectTensions(second, 1200, 3006.9337100396137, 0, 838.3470528041469, 0);
  EXPECT_EQ(Rows(second),
            (std::vector<Row>{{0, 0, 90, 90}, {2, 30, 1110, 1200}, {0, 12, 275, 1475}, {0, 6, 720, 2195}}));
}

TEST_F(GoldenDivesTest, TheLastStopChangesSmoothlyWithSurfacePressure) {
  // Air 21 m for 50 min at GF 60/85: at dive surfaces 1040 to 1080 mbar (model surfaces 1010 to
  // 1050) the one 6 m stop is 1109, 1049, 989, 989 and 929 s; decoLimit never leaves 1600 mbar.
  struct Case {
    double surfaceMbar;
    int stopSec;
    int surfacingSec;
    double maxCeilingMetres;
  };
  for (const Case& c : {Case{1040, 1109, 4235, 4.432924}, Case{1050, 1049, 4175, 4.397110},
                        Case{1060, 989, 4115, 4.361296}, Case{1070, 989, 4115, 4.325482},
                        Case{1080, 929, 4055, 4.289668}}) {
    SCOPED_TRACE(c.surfaceMbar);
    CDivePlan dive;
    PrepareDive(dive, group, 60, 85);
    dive.SetSurfacePressure(c.surfaceMbar);
    AddUserPoint(dive, 21, 3000);
    ASSERT_TRUE(Calculate(dive));
    ASSERT_EQ(Stops(dive).size(), 1u);
    EXPECT_EQ(Stops(dive)[0].depthMetres, 6);
    EXPECT_EQ(Stops(dive)[0].durationSec, c.stopSec);
    EXPECT_EQ(dive.GetLastStepTime(), c.surfacingSec);
    EXPECT_NEAR(dive.GetStepMaxCeiling(dive.GetStepCount() - 1), c.maxCeilingMetres, 1e-6);
    EXPECT_EQ(dive.GetDecoLimit(), 1600);
  }
}

TEST_F(GoldenDivesTest, AirDiveDescentAndBottomLegs) {
  // 30 m at 20 m/min takes 90 s, so a 25 min point leaves 1410 s at the bottom.
  CDivePlan dive;
  PrepareDive(dive, group, 20, 80);
  AddUserPoint(dive, 30, 1500);
  ASSERT_TRUE(Calculate(dive));
  EXPECT_EQ(Legs(dive)[0], (Leg{kPointDescent, 30, 1, 90}));
  EXPECT_EQ(Legs(dive)[1], (Leg{kPointPlanned, 30, 91, 1410}));
  // The first second of a leg is still at the depth it starts from; the last is at its end.
  EXPECT_EQ(dive.GetStepDepth(1), 0);
  EXPECT_EQ(dive.GetStepDepth(90), 30);
}
