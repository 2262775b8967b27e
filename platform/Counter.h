#pragma once
// The high-resolution counter: ticks of a steady clock and their frequency.
#include <chrono>
#include <cstdint>

namespace platform {

inline std::int64_t CounterTicks() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

constexpr std::int64_t CounterFrequency() { return 1'000'000'000; }

}  // namespace platform
