#pragma once
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace platform {

// Per-user configuration folder: $XDG_CONFIG_HOME, else ~/.config.
std::filesystem::path ConfigFolder();
// Per-user data folder (stands in for the common application-data folder):
// $XDG_DATA_HOME, else ~/.local/share.
std::filesystem::path DataFolder();
// Per-user cache folder: $XDG_CACHE_HOME, else ~/.cache.
std::filesystem::path CacheFolder();
// The user's home folder: an absolute $HOME, else the password database's, else "/". A
// relative or empty $HOME is taken as unset, as a relative XDG variable is.
std::filesystem::path HomeFolder();
// HOME, XDG_CONFIG_HOME, XDG_DATA_HOME and XDG_CACHE_HOME where they are set but name no
// absolute folder, each with the folder taken for it instead.
std::vector<std::pair<std::string, std::filesystem::path>> UnanchoredUserFolders();
// Puts those folders into the environment: the libraries of the process read the variables
// themselves and would otherwise write below whatever folder the program was started in.
void AnchorUserFolders();
// Folder holding the running program, read from /proc/self/exe.
std::filesystem::path ExecutableFolder();
std::filesystem::path ExecutablePath();

}  // namespace platform
