#pragma once
// The main of the benchmarks that draw: the toolkit is started (a display is needed: run them
// under xvfb-run -a), the user's settings are left alone, and the benchmarks run between the
// set-up and the tear-down of what they draw.
#include <functional>

int RunBenchmarksWithToolkit(int argc, char** argv, const std::function<void()>& setUp,
                             const std::function<void()>& tearDown);
