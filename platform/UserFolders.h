#pragma once
#include <filesystem>

namespace platform {

// Per-user configuration folder: $XDG_CONFIG_HOME, else ~/.config.
std::filesystem::path ConfigFolder();
// Per-user data folder (stands in for the common application-data folder):
// $XDG_DATA_HOME, else ~/.local/share.
std::filesystem::path DataFolder();
// The user's home folder: an absolute $HOME, else the password database's, else "/". A
// relative or empty $HOME is taken as unset, as a relative XDG variable is.
std::filesystem::path HomeFolder();
// Folder holding the running program, read from /proc/self/exe.
std::filesystem::path ExecutableFolder();
std::filesystem::path ExecutablePath();

}  // namespace platform
