#pragma once
// Tells the program's log of every fault of the settings store, and the user of the first
// settings write that failed in this run of the program: the values stay in memory, and later
// failures would only repeat the same news.
#include <atomic>

#include "platform/Registry.h"

class CSettingsFaultReport {
 public:
  void Report(const platform::RegistryFault& fault);

 private:
  std::atomic<bool> userTold_{false};
};

// Makes the settings store report its faults to report (not owned; nullptr: to nobody).
void InstallSettingsFaultReport(CSettingsFaultReport* report);
