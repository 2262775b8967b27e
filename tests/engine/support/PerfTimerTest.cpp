#include "engine/support/PerfTimer.h"

#include <gtest/gtest.h>

#include <thread>

using namespace std::chrono_literals;

TEST(PerfTimer, RoundsAddUpUntilReset) {
  CPerfTimer timer;
  EXPECT_FALSE(timer.IsRunning());
  EXPECT_DOUBLE_EQ(timer.Elapsed(), 0.0);
  timer.Start(false);
  std::this_thread::sleep_for(200ms);
  timer.Stop();
  std::this_thread::sleep_for(100ms);  // not counted
  timer.Start(false);
  std::this_thread::sleep_for(200ms);
  timer.Stop();
  EXPECT_NEAR(timer.Elapsed(), 0.4, 0.05);

  timer.Start(true);
  std::this_thread::sleep_for(100ms);
  timer.Stop();
  EXPECT_NEAR(timer.Elapsed(), 0.1, 0.05);
  timer.Stop();  // stopping a stopped timer changes nothing
  EXPECT_NEAR(timer.Elapsed(), 0.1, 0.05);
}

TEST(PerfTimer, ElapsedOfARunningTimerGrowsAndKeepsItRunning) {
  CPerfTimer timer(true);
  std::this_thread::sleep_for(20ms);
  double first = timer.Elapsed();
  std::this_thread::sleep_for(20ms);
  double second = timer.Elapsed();
  EXPECT_GT(first, 0.015);
  EXPECT_GT(second, first);
  EXPECT_TRUE(timer.IsRunning());
  timer.Init(false);
  EXPECT_FALSE(timer.IsRunning());
  EXPECT_DOUBLE_EQ(timer.Elapsed(), 0.0);
}
