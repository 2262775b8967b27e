// Time per full calculation of three dives (profile, steps, segments, warnings, gas used) and
// per profile step. Run: build/release/bench/engine_bench
#include <benchmark/benchmark.h>

#include <functional>

#include "engine/DivePlan.h"
#include "engine/NumberText.h"
#include "platform/Registry.h"

namespace {

class Zhl16cGroup : public CDiveGroupSettings {
 public:
  int GetAlgorithm() const override { return 1; }
  int GetSurfaceIntervalMethod() const override { return 1; }
};

void AddPoint(CDivePlan& dive, double depthMetres, int durationSec, double oxygen, double helium,
              bool closedCircuit = false, double setPoint = 0) {
  dive.AddPointFromRecord(FormatC("100~%d~%0.2f~%d~%0.2f~%0.2f~%0.2f~0~0", durationSec, depthMetres * 100,
                                  closedCircuit ? 1 : 0, oxygen, helium, setPoint));
}

void RunCalculations(benchmark::State& state, const std::function<void(CDivePlan&)>& plan) {
  Zhl16cGroup group;
  CDivePlan dive;
  dive.SetPlanGroup(&group);
  plan(dive);
  dive.RememberSixHourAnswer(true);  // past six hours the extension is accepted
  if (!dive.CalculatePlan(0, {}, false)) {
    state.SkipWithError("the dive does not calculate");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(dive.CalculatePlan(0, {}, false));
  const double steps = dive.GetStepCount();
  state.counters["steps"] = steps;
  state.counters["per_step"] =
      benchmark::Counter(steps * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate |
                                                                               benchmark::Counter::kInvert);
}

// (a) Open-circuit trimix 18/45 to 60 m leaving the bottom at 25 min, EAN50 from 21 m, oxygen
// from 6 m, GF 30/70.
void OpenCircuitTrimix(benchmark::State& state) {
  RunCalculations(state, [](CDivePlan& dive) {
    dive.SetGfLow(30);
    dive.SetGfHigh(70);
    AddPoint(dive, 60, 1500, 18, 45);
    AddPoint(dive, 21, 0, 50, 0);
    AddPoint(dive, 6, 0, 100, 0);
  });
}

// (b) Closed circuit, diluent 10/50 at set-point 1.3, 100 m for 30 min, GF 30/80.
void ClosedCircuitTrimix(benchmark::State& state) {
  RunCalculations(state, [](CDivePlan& dive) {
    dive.SetGfLow(30);
    dive.SetGfHigh(80);
    AddPoint(dive, 100, 1800, 10, 50, true, 1.3);
  });
}

// (c) Closed circuit 10/50 at 1.3 to 50 m for two hours: the ascent runs past six hours.
void PastSixHours(benchmark::State& state) {
  RunCalculations(state, [](CDivePlan& dive) {
    dive.SetGfLow(30);
    dive.SetGfHigh(70);
    AddPoint(dive, 50, 7200, 10, 50, true, 1.3);
  });
}

}  // namespace

BENCHMARK(OpenCircuitTrimix)->Unit(benchmark::kMicrosecond);
BENCHMARK(ClosedCircuitTrimix)->Unit(benchmark::kMicrosecond);
BENCHMARK(PastSixHours)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  // The dives never read the user's settings: a registry file that cannot exist stands in.
  platform::UseRegistryFile("/nonexistent/velmar-bench-registry.reg");
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
