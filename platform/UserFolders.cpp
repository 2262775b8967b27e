#include "platform/UserFolders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>
#include <vector>

namespace platform {
namespace {

// Only an absolute value names a folder: a relative one would follow the folder the program
// happens to be started in.
const char* AbsoluteVariable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && value[0] == '/' ? value : nullptr;
}

std::filesystem::path FromEnvironment(const char* name, const char* fallbackBelowHome) {
  if (const char* value = AbsoluteVariable(name)) return value;
  return HomeFolder() / fallbackBelowHome;
}

std::filesystem::path PasswordDatabaseHome() {
  long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr ||
      found->pw_dir == nullptr || found->pw_dir[0] != '/') {
    return {};
  }
  return found->pw_dir;
}

}  // namespace

std::filesystem::path HomeFolder() {
  if (const char* home = AbsoluteVariable("HOME")) return home;
  if (std::filesystem::path home = PasswordDatabaseHome(); !home.empty()) return home;
  return "/";
}

std::filesystem::path ConfigFolder() { return FromEnvironment("XDG_CONFIG_HOME", ".config"); }

std::filesystem::path DataFolder() { return FromEnvironment("XDG_DATA_HOME", ".local/share"); }

std::filesystem::path CacheFolder() { return FromEnvironment("XDG_CACHE_HOME", ".cache"); }

std::vector<std::pair<std::string, std::filesystem::path>> UnanchoredUserFolders() {
  const std::pair<const char*, std::filesystem::path (*)()> variables[] = {
      {"HOME", HomeFolder}, {"XDG_CONFIG_HOME", ConfigFolder}, {"XDG_DATA_HOME", DataFolder},
      {"XDG_CACHE_HOME", CacheFolder}};
  std::vector<std::pair<std::string, std::filesystem::path>> unanchored;
  for (const auto& [name, folder] : variables) {
    if (std::getenv(name) != nullptr && AbsoluteVariable(name) == nullptr) unanchored.emplace_back(name, folder());
  }
  return unanchored;
}

void AnchorUserFolders() {
  for (const auto& [name, folder] : UnanchoredUserFolders()) ::setenv(name.c_str(), folder.c_str(), 1);
}

std::filesystem::path ExecutablePath() {
  std::error_code error;
  std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : path;
}

std::filesystem::path ExecutableFolder() { return ExecutablePath().parent_path(); }

}  // namespace platform
