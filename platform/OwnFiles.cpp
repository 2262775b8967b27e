#include "platform/OwnFiles.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace platform {
namespace {

constexpr mode_t kOwnFolderMode = 0700;

// Makes folder when it is missing; false only when it is still no folder afterwards.
bool MakeFolder(const std::filesystem::path& folder, std::string* error) {
  if (::mkdir(folder.c_str(), kOwnFolderMode) == 0 || errno == EEXIST) {
    struct stat status {};
    if (::stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) return true;
    errno = ENOTDIR;
  }
  if (error != nullptr) *error = std::string(std::strerror(errno)) + " " + folder.string();
  return false;
}

// Takes group and other access from a folder of the user's that has any.
void MakePrivate(const std::filesystem::path& folder) {
  struct stat status {};
  if (::lstat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) || status.st_uid != ::geteuid()) return;
  if ((status.st_mode & (S_IRWXG | S_IRWXO)) != 0) ::chmod(folder.c_str(), status.st_mode & S_IRWXU);
}

// "owned by user 1001" when neither the user nor root owns it; empty otherwise.
std::string OtherOwner(const struct stat& status) {
  if (status.st_uid != ::geteuid() && status.st_uid != 0) return "owned by user " + std::to_string(status.st_uid);
  return {};
}

}  // namespace

std::string WhyOthersCanChange(const struct stat& status) {
  if (std::string owner = OtherOwner(status); !owner.empty()) return owner;
  if ((status.st_mode & S_IWGRP) != 0) return "writable by group";
  if ((status.st_mode & S_IWOTH) != 0) return "writable by others";
  return {};
}

std::string WhyOthersCanChangeFolder(const struct stat& status) {
  return (status.st_mode & S_ISVTX) != 0 ? OtherOwner(status) : WhyOthersCanChange(status);
}

bool OthersCanRead(const struct stat& status) { return (status.st_mode & S_IROTH) != 0; }

bool CreateOwnFolders(const std::filesystem::path& base, const std::filesystem::path& below, std::string* error) {
  std::filesystem::path partial;
  for (const std::filesystem::path& part : base) {
    partial /= part;
    if (!MakeFolder(partial, error)) return false;
  }
  for (const std::filesystem::path& part : below) {
    if (part.empty()) continue;
    partial /= part;
    if (!MakeFolder(partial, error)) return false;
    MakePrivate(partial);
  }
  return true;
}

}  // namespace platform
