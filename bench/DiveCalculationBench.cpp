// Time per full calculation of three dives (profile, steps, segments, warnings, gas used) and
// per profile step. Run: build/release/bench/engine_bench
#include <benchmark/benchmark.h>

#include "bench/BenchmarkDives.h"

namespace {

void RunCalculations(benchmark::State& state, void (*plan)(CDivePlan&)) {
  Zhl16cGroup group;
  CDivePlan dive;
  if (!CalculateBenchmarkDive(dive, group, plan)) {
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

void OpenCircuitTrimix(benchmark::State& state) { RunCalculations(state, PlanOpenCircuitTrimix); }
void ClosedCircuitTrimix(benchmark::State& state) { RunCalculations(state, PlanClosedCircuitTrimix); }
void PastSixHours(benchmark::State& state) { RunCalculations(state, PlanPastSixHours); }

}  // namespace

BENCHMARK(OpenCircuitTrimix)->Unit(benchmark::kMicrosecond);
BENCHMARK(ClosedCircuitTrimix)->Unit(benchmark::kMicrosecond);
BENCHMARK(PastSixHours)->Unit(benchmark::kMillisecond);
