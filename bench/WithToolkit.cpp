#include "bench/WithToolkit.h"

#include <benchmark/benchmark.h>

#include <cstdio>

#include <wx/app.h>
#include <wx/init.h>

#include "framework/Toolkit.h"
#include "tests/support/TempFolders.h"

namespace {

class BenchApp : public wxApp {
 public:
  bool OnInit() override { return true; }
};

}  // namespace

int RunBenchmarksWithToolkit(int argc, char** argv, const std::function<void()>& setUp,
                             const std::function<void()>& tearDown) {
  const TempFolders settingsFolder;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  wxApp::SetInstance(new BenchApp);
  int toolkitArgc = 1;
  if (!wxEntryStart(toolkitArgc, argv) || !wxTheApp->CallOnInit()) {
    std::fprintf(stderr, "The toolkit did not start (no display?)\n");
    return 1;
  }
  framework::PrepareToolkit();
  setUp();
  benchmark::RunSpecifiedBenchmarks();
  tearDown();
  benchmark::Shutdown();
  wxTheApp->OnExit();
  wxEntryCleanup();
  return 0;
}
