// How soon the user sees what a command shows, read off the screen itself:
//  - MainWindowToScreen: from making the main window to its profile graph drawn on the screen
//    (answering_ms: on to the first moment the window answers events again), one window a run;
//  - ViewDiveTableToScreen: from View / Print Current Dive Table to the first grey row of the
//    dive table drawn inside the viewer, for the 60 m trimix benchmark dive; the first command
//    comes 2 s after the main window appeared, each next one 1 s after the viewer closed.
// Needs a display of true colour and the browser engine's settings of the tests:
//   WEBKIT_DISABLE_COMPOSITING_MODE=1 WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS=1
//   xvfb-run -a -s "-screen 0 1600x1200x24" build/release/bench/table_viewer_bench
#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <memory>

#include <gtk/gtk.h>
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/timer.h>

#include "app/DivePlannerDlg.h"
#include "app/SplashWnd.h"
#include "app/core/RecentFileList.h"
#include "bench/BenchmarkDives.h"
#include "bench/WithToolkit.h"
#include "framework/MenuBuilder.h"
#include "framework/TemplateWindows.h"
#include "framework/WxUserInterface.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"
#include "views/BrowserHostWnd.h"
#include "views/Viewer.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kGiveUpAfter = std::chrono::seconds(20);
constexpr int kPollPeriodMs = 2;
// Between one thing the user sees and the next command.
constexpr double kUserPauseSec = 1.0;
// The user reads the main window a little longer before the first command.
constexpr double kFirstCommandPauseSec = 2.0;

// Whether the screen inside the rectangle shows at least minimumCount pixels of the colour in
// rows of at least kRunPixels one after the other: an area of it, not a stray pixel or a line.
constexpr int kRunPixels = 40;
bool ScreenShowsArea(const wxRect& rect, unsigned char red, unsigned char green, unsigned char blue, int minimumCount) {
  GdkPixbuf* screen = gdk_pixbuf_get_from_window(gdk_get_default_root_window(), rect.x, rect.y, rect.width, rect.height);
  if (screen == nullptr) return false;
  const int channels = gdk_pixbuf_get_n_channels(screen);
  const int stride = gdk_pixbuf_get_rowstride(screen);
  const guchar* pixels = gdk_pixbuf_get_pixels(screen);
  int count = 0;
  for (int y = 0; y < gdk_pixbuf_get_height(screen); ++y) {
    int run = 0;
    for (int x = 0; x < gdk_pixbuf_get_width(screen); ++x) {
      const guchar* pixel = pixels + y * stride + x * channels;
      run = (pixel[0] == red && pixel[1] == green && pixel[2] == blue) ? run + 1 : 0;
      if (run == kRunPixels) count += kRunPixels;
      else if (run > kRunPixels) ++count;
    }
  }
  const bool found = count >= minimumCount;

  g_object_unref(screen);
  return found;
}

// Calls check from the event loop that runs, modal or not, until it answers true: a few
// milliseconds after each check ended, so that reading the screen, which takes longer than that,
// never keeps the toolkit from drawing.
class Poller : public wxTimer {
 public:
  explicit Poller(std::function<bool()> check) : check_(std::move(check)) { StartOnce(kPollPeriodMs); }
  void Notify() override {
    if (!check_()) StartOnce(kPollPeriodMs);
  }

 private:
  std::function<bool()> check_;
};

// Runs the event loop until done answers true or the time is up; false on the time-out.
bool RunLoopUntil(const std::function<bool()>& done) {
  const Clock::time_point giveUp = Clock::now() + kGiveUpAfter;
  wxEventLoopBase* loop = wxEventLoopBase::GetActive();
  while (!done()) {
    if (Clock::now() > giveUp) return false;
    if (loop->Pending()) {
      loop->Dispatch();
    } else {
      wxTheApp->ProcessPendingEvents();
      if (!wxTheApp->ProcessIdle()) wxMilliSleep(1);
    }
  }
  return true;
}

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// A main window made as the program makes it after the disclaimer.
app::CDivePlannerDlg* MakeMainWindow(app::CRecentFileList& recentFiles) {
  auto* window = new app::CDivePlannerDlg("1, 0, 0, 1", recentFiles);
  window->OnInitDialog();
  window->Show();
  return window;
}

void DestroyMainWindow(app::CDivePlannerDlg* window) {
  window->Destroy();
  RunLoopUntil([] { return wxTopLevelWindows.empty(); });
}

// The plot's background of the profile graph.
bool ShowsProfileGraph(wxWindow& window) { return ScreenShowsArea(window.GetScreenRect(), 30, 130, 255, 5000); }

// A grey ("gainsboro") row of a dive table.
bool ShowsDiveTable(views::CViewer& viewer) {
  wxWindow* browser = viewer.FindWindow(IDC_VIEWER_BROWSER);
  return browser != nullptr && ScreenShowsArea(browser->GetScreenRect(), 220, 220, 220, 5000);
}

views::CViewer* ShownViewer() {
  for (wxWindow* window : wxTopLevelWindows) {
    if (auto* viewer = dynamic_cast<views::CViewer*>(window); viewer != nullptr && viewer->IsShown()) return viewer;
  }
  return nullptr;
}

void Pause(double seconds) {
  const Clock::time_point start = Clock::now();
  RunLoopUntil([&] { return SecondsSince(start) > seconds; });
}

// The main window with the trimix dive, on the screen for a while before the first command.
struct ProgramScene {
  ProgramScene() {
    app::CSplashWnd::SetEnabled(false);
    wxEventLoopBase::SetActive(&loop);
  }
  ~ProgramScene() {
    if (window != nullptr) DestroyMainWindow(window);
    wxEventLoopBase::SetActive(nullptr);
  }

  app::CDivePlannerDlg& MainWindowWithDive() {
    if (window != nullptr) return *window;
    window = MakeMainWindow(recentFiles);
    PlanOpenCircuitTrimix(*window->PlanGroup().GetDivePlan(0));
    window->PlanGroup().RecalculateDive(0);
    RunLoopUntil([&] { return ShowsProfileGraph(*window); });
    Pause(kFirstCommandPauseSec);
    return *window;
  }

  wxGUIEventLoop loop;
  framework::WxUserInterface userInterface;
  app::CRecentFileList recentFiles{4};
  app::CDivePlannerDlg* window = nullptr;
};

std::unique_ptr<ProgramScene> scene;

// Each run is the first main window of a program run: the benchmark's first repetition is the
// program's start, the later ones are like a start with the toolkit's caches filled.
void MainWindowToScreen(benchmark::State& state) {
  double answeringSec = 0;
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    app::CDivePlannerDlg* window = MakeMainWindow(scene->recentFiles);
    if (!RunLoopUntil([&] { return ShowsProfileGraph(*window); })) {
      state.SkipWithError("the main window did not show its graph");
      break;
    }
    state.SetIterationTime(SecondsSince(start));
    // The window answers again when a message posted now is handled.
    bool answered = false;
    window->CallAfter([&] { answered = true; });
    RunLoopUntil([&] { return answered; });
    answeringSec += SecondsSince(start);
    state.PauseTiming();
    Pause(kUserPauseSec);
    DestroyMainWindow(window);
    // Whatever the window left running ends before the next one starts.
    Pause(kUserPauseSec);
    state.ResumeTiming();
  }
  state.counters["answering_ms"] = benchmark::Counter(1000 * answeringSec, benchmark::Counter::kAvgIterations);
}

void ViewDiveTableToScreen(benchmark::State& state) {
  app::CDivePlannerDlg& window = scene->MainWindowWithDive();
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    double shownSec = -1;
    Poller poller([&] {
      views::CViewer* viewer = ShownViewer();
      if (viewer == nullptr) return false;
      const bool shown = ShowsDiveTable(*viewer);
      if (shown) shownSec = SecondsSince(start);
      if (shown || Clock::now() - start > kGiveUpAfter) viewer->EndModal(framework::kIdOk);
      return shown;
    });
    wxCommandEvent command(wxEVT_MENU, framework::ToolkitCommandId(ID_VIEW_DIVE_TABLE));
    window.ProcessWindowEvent(command);
    if (shownSec < 0) {
      state.SkipWithError("the viewer did not show the dive table");
      break;
    }
    state.SetIterationTime(shownSec);
    state.PauseTiming();
    Pause(kUserPauseSec);
    state.ResumeTiming();
  }
}

}  // namespace

// The main window first: the viewer's benchmark keeps its own on the screen to the end.
BENCHMARK(MainWindowToScreen)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(ViewDiveTableToScreen)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  return RunBenchmarksWithToolkit(
      argc, argv,
      [] {
        ProgramResources();
        scene = std::make_unique<ProgramScene>();
      },
      [] { scene.reset(); });
}
