#include "tests/support/TempFolders.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

#include "platform/Registry.h"

namespace {

void Remember(const char* name, std::string& value, bool& had) {
  const char* current = std::getenv(name);
  had = current != nullptr;
  if (had) value = current;
}

void Restore(const char* name, const std::string& value, bool had) {
  if (had) ::setenv(name, value.c_str(), 1);
  else ::unsetenv(name);
}

}  // namespace

TempFolders::TempFolders() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vt-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    throw std::system_error(errno, std::generic_category(), "Cannot make a temporary folder " + pattern);
  }
  root_ = pattern;
  Remember("XDG_CONFIG_HOME", oldConfig_, hadConfig_);
  Remember("XDG_DATA_HOME", oldData_, hadData_);
  std::filesystem::create_directories(Config());
  std::filesystem::create_directories(Data());
  ::setenv("XDG_CONFIG_HOME", Config().c_str(), 1);
  ::setenv("XDG_DATA_HOME", Data().c_str(), 1);
  platform::UseRegistryFile(platform::DefaultRegistryFile());
}

TempFolders::~TempFolders() {
  Restore("XDG_CONFIG_HOME", oldConfig_, hadConfig_);
  Restore("XDG_DATA_HOME", oldData_, hadData_);
  platform::UseRegistryFile(platform::DefaultRegistryFile());
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

std::string ReadFileText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFileText(const std::filesystem::path& file, const std::string& text) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << text;
}
