// Drawing the profile graph of the longest benchmark dive (over 22,000 one-second steps) into a
// 1600 x 1000 off-screen picture: a full redraw, and a cursor move over the kept picture.
// Needs a display: xvfb-run -a build/release/bench/graph_bench
#include <benchmark/benchmark.h>

#include <memory>

#include <wx/dcmemory.h>
#include <wx/frame.h>

#include "bench/BenchmarkDives.h"
#include "bench/WithToolkit.h"
#include "views/XYLineGraph.h"
#include "views/core/ProfileGraphFeed.h"

namespace {

const wxSize kPictureSize(1600, 1000);

// The graph of the dive in a window that is never shown, and the picture it is drawn into.
struct ProfileScene {
  ProfileScene() : frame(nullptr, wxID_ANY, "Profile"), picture(kPictureSize), dc(picture) {
    calculated = CalculateBenchmarkDive(dive, group, PlanPastSixHours);
    graph = new views::CXYLineGraph;
    graph->Create(&frame, wxID_ANY, wxPoint(0, 0), kPictureSize);
    views::SetUpProfileGraph(*graph, UnitSystem::kMetric, true);
    views::FeedProfileGraph(*graph, &dive, false, UnitSystem::kMetric);
    views::SetProfileGraphLabels(*graph, UnitSystem::kMetric, true);
    graph->Render(dc, kPictureSize);
  }
  void MoveCursorTo(int x) {
    wxMouseEvent move(wxEVT_MOTION);
    move.SetPosition(wxPoint(x, kPictureSize.y / 2));
    graph->GetEventHandler()->ProcessEvent(move);
  }

  Zhl16cGroup group;
  CDivePlan dive;
  bool calculated = false;
  wxFrame frame;
  views::CXYLineGraph* graph = nullptr;
  wxBitmap picture;
  wxMemoryDC dc;
};

std::unique_ptr<ProfileScene> scene;

void FullRedraw(benchmark::State& state) {
  if (!scene->calculated) {
    state.SkipWithError("the dive does not calculate");
    return;
  }
  for (auto _ : state) {
    scene->graph->SetDrawData(true);  // a change: everything is drawn again
    scene->graph->Render(scene->dc, kPictureSize);
  }
  state.counters["steps"] = scene->dive.GetStepCount();
}

void CursorMove(benchmark::State& state) {
  if (!scene->calculated) {
    state.SkipWithError("the dive does not calculate");
    return;
  }
  const views::PixelRect plot = scene->graph->PlotLayout().plotRect;
  int x = plot.left + 1;
  for (auto _ : state) {
    scene->MoveCursorTo(x);
    scene->graph->Render(scene->dc, kPictureSize);
    x = x + 7 < plot.right ? x + 7 : plot.left + 1;
  }
}

}  // namespace

BENCHMARK(FullRedraw)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(CursorMove)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
  return RunBenchmarksWithToolkit(
      argc, argv, [] { scene = std::make_unique<ProfileScene>(); }, [] { scene.reset(); });
}
