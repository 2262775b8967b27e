#include "tests/support/StderrCapture.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "tests/support/TempFolders.h"

StderrCapture::StderrCapture(const std::filesystem::path& folder) : file_(folder / "stderr.txt") {
  std::fflush(stderr);
  const int capture = ::open(file_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (capture < 0) return;
  savedStderr_ = ::dup(STDERR_FILENO);
  ::dup2(capture, STDERR_FILENO);
  ::close(capture);
}

StderrCapture::~StderrCapture() { Finish(); }

std::string StderrCapture::Finish() {
  if (savedStderr_ < 0) return {};
  std::fflush(stderr);
  ::dup2(savedStderr_, STDERR_FILENO);
  ::close(savedStderr_);
  savedStderr_ = -1;
  const std::string text = ReadFileText(file_);
  // Shown again, so that the test's own output still carries it.
  std::fwrite(text.data(), 1, text.size(), stderr);
  return text;
}
