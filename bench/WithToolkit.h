#pragma once
// The main of the benchmarks that draw: the toolkit is started (a display is needed: run them
// under xvfb-run -a), the benchmarks run between the set-up and the tear-down of what they draw,
// and the run's settings file lies in a temporary folder of its own, removed at the end, so that
// the user's are left alone.
#include <functional>

int RunBenchmarksWithToolkit(int argc, char** argv, const std::function<void()>& setUp,
                             const std::function<void()>& tearDown);
