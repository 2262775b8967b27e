#include "engine/support/PerfTimer.h"

#include <algorithm>

#include "platform/Counter.h"

namespace {

// The cost of one start/stop pair, measured once and taken off every interval.
std::int64_t Overhead() {
  static const std::int64_t overhead = [] {
    std::int64_t start = platform::CounterTicks();
    std::int64_t stop = platform::CounterTicks();
    return std::max<std::int64_t>(0, stop - start);
  }();
  return overhead;
}

}  // namespace

void CPerfTimer::Init(bool startNow) {
  Overhead();
  count_ = 0;
  running_ = false;
  if (startNow) Start(true);
}

void CPerfTimer::Start(bool reset) {
  const std::int64_t now = platform::CounterTicks();
  count_ = (!reset && !running_) ? now + count_ : now;  // count_ holds minus the elapsed ticks
  running_ = true;
}

void CPerfTimer::Stop() {
  if (!running_) return;
  count_ = -ElapsedTicks();
  running_ = false;
}

std::int64_t CPerfTimer::ElapsedTicks() const {
  if (!running_) return -count_;
  return std::max<std::int64_t>(0, platform::CounterTicks() - count_ - Overhead());
}

double CPerfTimer::Elapsed() const {
  return static_cast<double>(ElapsedTicks()) / static_cast<double>(platform::CounterFrequency());
}
