#pragma once
// Files and folders that only the user, or the system, can change: the test applied to what the
// program loads or trusts, and the creation of the program's own folders, which no one else may
// read.
#include <sys/stat.h>

#include <filesystem>
#include <string>

namespace platform {

// Why someone other than the user or root could change what status describes ("owned by user
// 1001", "writable by group", "writable by others"); empty when no one else can.
std::string WhyOthersCanChange(const struct stat& status);
// The same for a folder, whose entries someone else could then add, remove or rename; a folder
// with the sticky bit may be writable by all, as there only an entry's owner may remove or rename
// it.
std::string WhyOthersCanChangeFolder(const struct stat& status);
// Others (not the owner, not the group) may read it.
bool OthersCanRead(const struct stat& status);

// Creates base/below and every missing folder on the way with mode 0700. The folders of below
// (the program's own) that exist already lose any group and other access; base and its parents
// are left as they are. False, with the system's reason in error (when given), when a folder
// could not be made.
bool CreateOwnFolders(const std::filesystem::path& base, const std::filesystem::path& below,
                      std::string* error = nullptr);

}  // namespace platform
