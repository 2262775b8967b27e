// The main of the benchmarks whose dives never read the user's settings: a registry file that
// cannot exist stands in for the user's, and the settings take their defaults.
#include <benchmark/benchmark.h>

#include "engine/AppSettings.h"
#include "platform/Registry.h"

int main(int argc, char** argv) {
  platform::UseRegistryFile("/nonexistent/velmar-bench-registry.reg");
  LoadRegistrySettings();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
