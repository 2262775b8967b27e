// From a click on Add on the dive page to the refreshed page, for the 60 m trimix benchmark dive:
// the Add that completes it (oxygen from 6 m) calculates the dive, refills the point list, and
// the main window's refresh feeds and draws the profile graph.
// Needs a display: xvfb-run -a build/release/bench/dive_page_bench
#include <benchmark/benchmark.h>

#include <memory>

#include <wx/app.h>
#include <wx/combobox.h>
#include <wx/dcmemory.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include "app/DivePlannerDlg.h"
#include "app/SplashWnd.h"
#include "app/core/RecentFileList.h"
#include "bench/BenchmarkDives.h"
#include "bench/WithToolkit.h"
#include "framework/WxUserInterface.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"
#include "views/XYLineGraph.h"

namespace {

// The main window with the trimix dive on its first page, but for its oxygen, typed into the
// page's fields.
struct PageScene {
  PageScene() : recentFiles(4), window(new app::CDivePlannerDlg("1, 0, 0, 1", recentFiles)) {
    app::CSplashWnd::SetEnabled(false);
    window->OnInitDialog();
    window->Show();
    CDivePlan& dive = Dive();
    dive.SetGfLow(30);
    dive.SetGfHigh(70);
    AddBenchmarkPoint(dive, 60, 1500, 18, 45);
    AddBenchmarkPoint(dive, 21, 0, 50, 0);
    window->PlanGroup().RecalculateDive(0);
    page = window->DivePage(0);
    Settle();
    Type(IDC_DEPTH_EDIT, "6");
    Type(IDC_DURATION_EDIT, "0");
    auto* openCircuit = dynamic_cast<wxRadioButton*>(page->FindWindow(IDC_OPEN_CIRCUIT));
    openCircuit->SetValue(true);
    wxCommandEvent chosen(wxEVT_RADIOBUTTON, IDC_OPEN_CIRCUIT);
    chosen.SetEventObject(openCircuit);
    openCircuit->ProcessWindowEvent(chosen);
    dynamic_cast<wxComboBox*>(page->FindWindow(IDC_POINT_GAS))->SetValue("Oxygen");
  }

  ~PageScene() { delete window; }

  // The text of a field, committed as when the focus leaves it.
  void Type(int id, const char* text) {
    wxWindow* field = page->FindWindow(id);
    dynamic_cast<wxTextCtrl*>(field)->ChangeValue(text);
    wxFocusEvent left(wxEVT_KILL_FOCUS, id);
    left.SetEventObject(field);
    field->ProcessWindowEvent(left);
  }

  void ClickAdd() {
    wxCommandEvent click(wxEVT_BUTTON, IDC_POINT_ADD);
    click.SetEventObject(page->FindWindow(IDC_POINT_ADD));
    page->ProcessWindowEvent(click);
  }

  // The messages the calculation posted (the page's refresh), then the graph drawn as its paint
  // draws it (the toolkit paints only from its own loop, which a benchmark does not run).
  void Settle() {
    wxTheApp->ProcessPendingEvents();
    views::CXYLineGraph& graph = *page->Graph();
    if (picture.GetSize() != graph.GetClientSize()) picture = wxBitmap(graph.GetClientSize());
    wxMemoryDC dc(picture);
    graph.Render(dc, graph.GetClientSize());
  }

  CDivePlan& Dive() { return *window->PlanGroup().GetDivePlan(0); }

  framework::WxUserInterface userInterface;
  app::CRecentFileList recentFiles;
  app::CDivePlannerDlg* window;
  app::CTabDivePlan* page = nullptr;
  wxBitmap picture{1, 1};
};

std::unique_ptr<PageScene> scene;

void AddToRefreshedPage(benchmark::State& state) {
  CDivePlan& dive = scene->Dive();
  for (auto _ : state) {
    scene->ClickAdd();
    scene->Settle();
    state.PauseTiming();
    if (dive.GetUserPlanPointCount() != 3 || !dive.IsCalculationCompleted()) {
      state.SkipWithError("the oxygen was not added or the dive did not calculate");
      break;
    }
    dive.DeleteUserPlanPoint(2);
    scene->Settle();
    state.ResumeTiming();
  }
  state.counters["steps"] = dive.GetStepCount();
}

}  // namespace

BENCHMARK(AddToRefreshedPage)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
  return RunBenchmarksWithToolkit(
      argc, argv,
      [] {
        ProgramResources();
        scene = std::make_unique<PageScene>();
      },
      [] { scene.reset(); });
}
