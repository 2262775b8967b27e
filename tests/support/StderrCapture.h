#pragma once
// Sends what the process writes to its standard error (the toolkit's warnings and criticals
// among it) into a file of its own while the capture lives, and gives it back.
#include <filesystem>
#include <string>

class StderrCapture {
 public:
  // folder: where the capture's file is made; it must exist.
  explicit StderrCapture(const std::filesystem::path& folder);
  ~StderrCapture();
  StderrCapture(const StderrCapture&) = delete;
  StderrCapture& operator=(const StderrCapture&) = delete;

  // Ends the capture, restores the standard error and answers what was written meanwhile.
  std::string Finish();

 private:
  std::filesystem::path file_;
  int savedStderr_ = -1;
};
