// Time to build the dive-table document of a plan of 30 calculated dives: reading what the
// tables print from the plan and writing the HTML of every table.
// Run: build/release/bench/tables_bench
#include <benchmark/benchmark.h>

#include "engine/NumberText.h"
#include "engine/PlanGroup.h"
#include "views/core/DiveTables.h"

namespace {

// Thirty repetitive trimix dives to 45 m for 25 minutes, EAN50 from 21 m and oxygen from 6 m,
// two hours apart.
void FillPlan(CPlanGroup& plan) {
  plan.m_autoRecalc = false;
  while (plan.GetDiveCount() < CPlanGroup::kMaxDives) plan.AddDivePlan();
  for (int index = 0; index < plan.GetDiveCount(); ++index) {
    CDivePlan& dive = *plan.GetDivePlan(index);
    if (index > 0) dive.SetSurfaceInterval(7200);
    for (const char* point : {"100~1500~4500~0~21.00~35.00~0.70~0~0", "100~0~2100~0~50.00~0.00~0.70~0~0",
                              "100~0~600~0~100.00~0.00~0.70~0~0"}) {
      dive.AddPointFromRecord(point);
    }
  }
  plan.CaluclateDivePlans(true, 0, true);
}

void AllDiveTablesOfThirtyDives(benchmark::State& state) {
  CPlanGroup plan;
  FillPlan(plan);
  for (int index = 0; index < plan.GetDiveCount(); ++index) {
    if (!plan.IsDiveCalculated(index) || plan.GetDivePlan(index)->GetSegmentCount() == 0) {
      state.SkipWithError(FormatC("dive %d did not calculate", index + 1).c_str());
      return;
    }
  }
  views::TableSettings settings;
  settings.productVersion = "1.0.0.1";
  views::CDivePlanTablesHtml writer;
  writer.SetParameters("Velmar Tessaline", "Oskerby Ltd.", "Dive Table", "https://velmar.example/tessaline",
                       "Velmar Home Page", "#C0C0C0", "#000000", "#ff6666", "#ffffcc");
  for (auto _ : state) {
    const bool built =
        views::BuildDiveTableHtml(views::ReadPlanTableFacts(plan, settings.units), -1, settings, writer);
    benchmark::DoNotOptimize(built);
  }
  state.counters["bytes"] = static_cast<double>(writer.GetHtml().size());
}

}  // namespace

BENCHMARK(AllDiveTablesOfThirtyDives)->Unit(benchmark::kMillisecond);
