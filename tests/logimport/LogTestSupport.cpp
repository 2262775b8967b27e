#include "tests/logimport/LogTestSupport.h"

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iterator>

CountedPauses::CountedPauses() {
  previous_ = logimport::SetPauseFunction([this](int milliseconds) {
    ++count_;
    totalMs_ += milliseconds;
  });
}

CountedPauses::~CountedPauses() { logimport::SetPauseFunction(previous_); }

std::string RunCommand(const std::string& command, int& status) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) {
    status = -1;
    return output;
  }
  char buffer[4096];
  for (std::size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, got);
  const int result = pclose(pipe);
  status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
  return output;
}

bool HasOpenssl() {
  int status = 0;
  RunCommand("openssl version >/dev/null 2>&1", status);
  return status == 0;
}

std::string OpensslDigest(const std::string& name, const std::filesystem::path& file) {
  int status = 0;
  const std::string output = RunCommand("openssl dgst -" + name + " -r '" + file.string() + "'", status);
  return status == 0 ? output.substr(0, output.find(' ')) : "openssl failed";
}

std::vector<unsigned char> ReadFileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
