// The main of the benchmarks whose dives never read the user's settings: the run's settings file
// lies in a temporary folder of its own, removed at the end, and the settings take their defaults.
#include <benchmark/benchmark.h>

#include "engine/AppSettings.h"
#include "tests/support/TempFolders.h"

int main(int argc, char** argv) {
  const TempFolders settingsFolder;
  LoadRegistrySettings();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
