#include "platform/UserFolders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace platform {
namespace {

std::filesystem::path FromEnvironment(const char* name, const char* fallbackBelowHome) {
  const char* value = std::getenv(name);
  if (value != nullptr && value[0] == '/') return value;
  return HomeFolder() / fallbackBelowHome;
}

}  // namespace

std::filesystem::path HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return home;
  if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr) {
    return entry->pw_dir;
  }
  return "/";
}

std::filesystem::path ConfigFolder() { return FromEnvironment("XDG_CONFIG_HOME", ".config"); }

std::filesystem::path DataFolder() { return FromEnvironment("XDG_DATA_HOME", ".local/share"); }

std::filesystem::path ExecutablePath() {
  std::error_code error;
  std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : path;
}

std::filesystem::path ExecutableFolder() { return ExecutablePath().parent_path(); }

}  // namespace platform
