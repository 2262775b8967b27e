#pragma once
// Interval timer on the high-resolution counter, reporting seconds.
#include <cstdint>

class CPerfTimer {
 public:
  explicit CPerfTimer(bool startNow = false) { Init(startNow); }

  void Init(bool startNow);
  // reset false on a stopped timer resumes, so that times add up; otherwise starts from now.
  void Start(bool reset = false);
  void Stop();
  bool IsRunning() const { return running_; }
  // Seconds so far; a running timer keeps running.
  double Elapsed() const;

 private:
  std::int64_t ElapsedTicks() const;
  // While running: the counter value at the (virtual) start; stopped: minus the elapsed ticks.
  std::int64_t count_ = 0;
  bool running_ = false;
};
