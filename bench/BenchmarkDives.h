#pragma once
// The dives the benchmarks calculate and draw.
#include "engine/DivePlan.h"
#include "engine/NumberText.h"

class Zhl16cGroup : public CDiveGroupSettings {
 public:
  int GetAlgorithm() const override { return 1; }
  int GetSurfaceIntervalMethod() const override { return 1; }
};

inline void AddBenchmarkPoint(CDivePlan& dive, double depthMetres, int durationSec, double oxygen, double helium,
                              bool closedCircuit = false, double setPoint = 0) {
  dive.AddPointFromRecord(FormatC("100~%d~%0.2f~%d~%0.2f~%0.2f~%0.2f~0~0", durationSec, depthMetres * 100,
                                  closedCircuit ? 1 : 0, oxygen, helium, setPoint));
}

// (a) Open-circuit trimix 18/45 to 60 m leaving the bottom at 25 min, EAN50 from 21 m, oxygen
// from 6 m, GF 30/70.
inline void PlanOpenCircuitTrimix(CDivePlan& dive) {
  dive.SetGfLow(30);
  dive.SetGfHigh(70);
  AddBenchmarkPoint(dive, 60, 1500, 18, 45);
  AddBenchmarkPoint(dive, 21, 0, 50, 0);
  AddBenchmarkPoint(dive, 6, 0, 100, 0);
}

// (b) Closed circuit, diluent 10/50 at set-point 1.3, 100 m for 30 min, GF 30/80.
inline void PlanClosedCircuitTrimix(CDivePlan& dive) {
  dive.SetGfLow(30);
  dive.SetGfHigh(80);
  AddBenchmarkPoint(dive, 100, 1800, 10, 50, true, 1.3);
}

// (c) Closed circuit 10/50 at 1.3 to 50 m for two hours: the ascent runs past six hours. The
// longest of the dives.
inline void PlanPastSixHours(CDivePlan& dive) {
  dive.SetGfLow(30);
  dive.SetGfHigh(70);
  AddBenchmarkPoint(dive, 50, 7200, 10, 50, true, 1.3);
}

// Makes the dive of the group with the plan and calculates it, accepting planning past six
// hours; false when it does not calculate.
inline bool CalculateBenchmarkDive(CDivePlan& dive, Zhl16cGroup& group, void (*plan)(CDivePlan&)) {
  dive.SetPlanGroup(&group);
  plan(dive);
  dive.RememberSixHourAnswer(true);
  return dive.CalculatePlan(0, {}, false);
}
