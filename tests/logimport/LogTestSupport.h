#pragma once
// Helpers of the log-import tests: a pause that only counts, so that the ten open attempts cost
// no time, and the Debian openssl command as a second opinion where it is installed.
#include <filesystem>
#include <string>
#include <vector>

#include "logimport/LogFileAccess.h"

// Replaces the 10 ms pauses with a counter for the life of the object.
class CountedPauses {
 public:
  CountedPauses();
  ~CountedPauses();
  CountedPauses(const CountedPauses&) = delete;
  CountedPauses& operator=(const CountedPauses&) = delete;

  int Count() const { return count_; }
  int TotalMs() const { return totalMs_; }

 private:
  int count_ = 0;
  int totalMs_ = 0;
  logimport::PauseFunction previous_;
};

bool HasOpenssl();
// Lower-case hex digest of the file by `openssl dgst -<name>`.
std::string OpensslDigest(const std::string& name, const std::filesystem::path& file);
// Runs a shell command and returns what it printed; exit status in status.
std::string RunCommand(const std::string& command, int& status);

std::vector<unsigned char> ReadFileBytes(const std::filesystem::path& file);
