// Time to generate a set of dive tables: 100 plans of 42 to 60 m in 2 m steps and 5 to 50
// minutes on trimix 18/45 with EAN50 from 21 m and oxygen from 6 m, GF 30/70, each calculated
// by the engine, and the HTML document of their tables, one per depth. The peak resident memory
// of the process is reported with it.
// Run: build/release/bench/table_generation_bench
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <vector>

#include "views/core/GeneratedTableSets.h"
#include "views/core/TableGenerationRun.h"

namespace {

CGasSwitch Switch(double depthMetres, double oxygen, double helium) {
  CGasSwitch gas;
  gas.Set(depthMetres, oxygen, helium, false, 0, true);
  return gas;
}

GeneratorPage TrimixSet() {
  GeneratorPage page(UnitSystem::kMetric);
  const std::pair<GeneratorField, double> values[] = {
      {kDepthStart, 42},   {kDepthFinish, 60},  {kDepthStep, 2},       {kDurationStart, 5}, {kDurationFinish, 50},
      {kDurationStep, 5},  {kSurfacePressure, 1000}, {kGfLow, 30},     {kGfHigh, 70},       {kDescentRate, 20},
      {kAscentRate, 10},   {kLastDecoStop, 6},  {kMaxPpo2, 1.6},       {kMaxEad, 35}};
  for (const auto& [field, value] : values) page.SetShown(field, value);
  std::vector<DroppedSwitch> dropped;
  page.travel.Add(Switch(0, 18, 45), dropped);
  page.deco.Add(Switch(21, 50, 0), dropped);
  page.deco.Add(Switch(6, 100, 0), dropped);
  return page;
}

double PeakResidentMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;
}

void GenerateTrimixSet(benchmark::State& state) {
  const GeneratorPage page = TrimixSet();
  EnginePlanCalculator engine;
  TableGenerationRun run;
  views::CDivePlanTablesHtml writer;
  for (auto _ : state) {
    if (!run.Run(page, nullptr, engine, [](const std::string&) {}) ||
        !views::CreateTables(run, TableGrouping::kByDepth, views::TableSettings{}, writer)) {
      state.SkipWithError("the set was not made");
    }
  }
  state.counters["html_kB"] = static_cast<double>(writer.GetHtml().size()) / 1024;
  int completed = 0;
  for (const GeneratedPlan& plan : run.Plans()) completed += plan.TakesPart() ? 1 : 0;
  state.counters["plans"] = static_cast<double>(completed);
  state.counters["peak_MB"] = PeakResidentMegabytes();
}

}  // namespace

BENCHMARK(GenerateTrimixSet)->Unit(benchmark::kMillisecond);
