#include "app/core/LanguageLibraries.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "engine/support/DebugLog.h"
#include "platform/DynamicLibrary.h"
#include "platform/OwnFiles.h"

namespace app {
namespace {

constexpr const char* kNamePrefix = "VelmarTessaline";
constexpr const char* kNameSuffix = ".so";
constexpr std::size_t kMaxLanguageNameLength = 64;

using GetLanguageFunction = int (*)();
using GetLanguageStrFunction = const char* (*)();

bool HasLibraryName(const std::filesystem::path& file) {
  const std::string name = file.filename().string();
  const std::size_t prefix = std::strlen(kNamePrefix);
  const std::size_t suffix = std::strlen(kNameSuffix);
  return name.size() > prefix + suffix && name.compare(0, prefix, kNamePrefix) == 0 &&
         name.compare(name.size() - suffix, suffix, kNameSuffix) == 0;
}

// A loaded library together with the module parsed from its bundle, which points into it: the
// module goes first, then the library is unloaded.
struct LoadedLibrary {
  platform::DynamicLibrary library;
  std::unique_ptr<platform::ResourceModule> module;
  LanguageLibrary facts;
};

// The name as text of at most kMaxLanguageNameLength printable characters; nothing otherwise.
std::optional<std::string> CopyLanguageName(const char* text) {
  if (text == nullptr) return std::nullopt;
  std::string name;
  for (std::size_t i = 0; text[i] != '\0'; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (i == kMaxLanguageNameLength || c < 0x20 || c == 0x7F) return std::nullopt;
    name += static_cast<char>(c);
  }
  if (name.empty()) return std::nullopt;
  return name;
}

// Why the folder could let someone else swap the files in it, as said after its name ("is
// writable by others"); empty when it cannot.
std::string WhyFolderIsOpen(const std::filesystem::path& folder) {
  struct stat status {};
  if (::lstat(folder.c_str(), &status) != 0) return std::string("cannot be examined: ") + std::strerror(errno);
  if (!S_ISDIR(status.st_mode)) return "is no longer a folder";
  const std::string why = platform::WhyOthersCanChangeFolder(status);
  return why.empty() ? why : "is " + why;
}

// Why the file may not be loaded: loading runs its start-up code, so neither the file nor any
// folder on its way from "/" may be open to changes by anyone but the user or root. The file is
// judged where symbolic links lead and loaded by that resolved path, which no one else can then
// make lead elsewhere. Empty, with the resolved path, when it may be loaded.
std::string WhyNotLoadable(const std::filesystem::path& file, std::filesystem::path& resolved) {
  std::error_code error;
  resolved = std::filesystem::canonical(file, error);
  if (error) return "cannot be found: " + error.message();
  struct stat status {};
  if (::lstat(resolved.c_str(), &status) != 0) return std::string("cannot be examined: ") + std::strerror(errno);
  if (!S_ISREG(status.st_mode)) return "not a regular file";
  if (std::string why = platform::WhyOthersCanChange(status); !why.empty()) return why;
  for (std::filesystem::path folder = resolved.parent_path();; folder = folder.parent_path()) {
    if (std::string why = WhyFolderIsOpen(folder); !why.empty()) return "the folder " + folder.string() + " " + why;
    if (folder == folder.root_path()) return {};
  }
}

std::unique_ptr<LoadedLibrary> Load(const std::filesystem::path& file) {
  if (!HasLibraryName(file)) return nullptr;
  std::filesystem::path resolved;
  if (std::string why = WhyNotLoadable(file, resolved); !why.empty()) {
    TheDebugLog().LogText("Language library " + file.string() + " not loaded: " + why);
    return nullptr;
  }
  auto loaded = std::make_unique<LoadedLibrary>();
  if (!loaded->library.Open(resolved)) return nullptr;
  auto language = reinterpret_cast<GetLanguageFunction>(loaded->library.Symbol("GetLanguage"));
  auto languageName = reinterpret_cast<GetLanguageStrFunction>(loaded->library.Symbol("GetLanguageStr"));
  auto resources = reinterpret_cast<GetResourceDataFunction>(loaded->library.Symbol("GetResourceData"));
  if (language == nullptr || languageName == nullptr || resources == nullptr) return nullptr;
  std::optional<std::string> name = CopyLanguageName(languageName());
  if (!name) return nullptr;
  loaded->facts = {static_cast<LanguageId>(language() & 0xFFFF), *name, file};
  std::string error;
  loaded->module = platform::ResourceModule::FromBundle(resources(), &error);
  if (!loaded->module) return nullptr;
  return loaded;
}

}  // namespace

std::vector<std::filesystem::path> LanguageLibraryCandidates(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  if (!folder.is_absolute()) {
    // The program's own folder is unknown: a relative folder would be the one it was started in.
    TheDebugLog().LogText("Language libraries: the program's own folder is unknown, no language library is loaded");
    return files;
  }
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (it->is_regular_file(error) && HasLibraryName(it->path())) files.push_back(it->path());
  }
  std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return a.native() < b.native(); });
  return files;
}

std::optional<LanguageLibrary> ProbeLanguageLibrary(const std::filesystem::path& file) {
  std::unique_ptr<LoadedLibrary> loaded = Load(file);
  if (!loaded) return std::nullopt;
  return loaded->facts;
}

std::vector<LanguageLibrary> ListLanguageLibraries(const std::filesystem::path& folder) {
  std::vector<LanguageLibrary> libraries;
  for (const std::filesystem::path& file : LanguageLibraryCandidates(folder)) {
    if (std::optional<LanguageLibrary> library = ProbeLanguageLibrary(file)) libraries.push_back(*library);
  }
  return libraries;
}

std::filesystem::path FindLanguageLibrary(const std::filesystem::path& folder, LanguageId language) {
  for (const std::filesystem::path& file : LanguageLibraryCandidates(folder)) {
    std::optional<LanguageLibrary> library = ProbeLanguageLibrary(file);
    if (library && library->language == language) return file;
  }
  return {};
}

std::shared_ptr<const platform::ResourceModule> LoadLanguageLibrary(const std::filesystem::path& file) {
  std::shared_ptr<LoadedLibrary> loaded = Load(file);
  if (!loaded) return nullptr;
  return std::shared_ptr<const platform::ResourceModule>(loaded, loaded->module.get());
}

}  // namespace app
