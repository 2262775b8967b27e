#pragma once
// Language libraries: the files "VelmarTessaline*.so" in the program's language folder that
// report a language and its name and carry a resource bundle that parses. Probing loads a file
// only to ask it, then unloads it; loading one keeps it for as long as its resources are in use.
// Loading runs a library's start-up code, so a file is loaded only when neither it (a regular
// file) nor any folder from "/" down to it, where symbolic links lead, is owned by someone other
// than the user or root or writable by group or others (a folder with the sticky bit may be); a
// file that fails is left out and the diagnostic log says why, naming the folder that fails.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ResourceModule.h"

namespace app {

using LanguageId = std::uint16_t;
constexpr LanguageId kEnglishLanguageId = 1033;

struct LanguageLibrary {
  LanguageId language = 0;
  std::string name;  // as the Select Language list shows it
  std::filesystem::path path;
};

// The files of the folder that may be language libraries, in byte-wise order of their paths;
// none when the folder is not absolute (the program's own folder is unknown).
std::vector<std::filesystem::path> LanguageLibraryCandidates(const std::filesystem::path& folder);

// What the file reports, when it is a language library.
std::optional<LanguageLibrary> ProbeLanguageLibrary(const std::filesystem::path& file);

// Every language library of the folder, in path order; libraries of one language each appear.
std::vector<LanguageLibrary> ListLanguageLibraries(const std::filesystem::path& folder);

// The path of the first library of the folder, in path order, that holds the language; empty
// when none does.
std::filesystem::path FindLanguageLibrary(const std::filesystem::path& folder, LanguageId language);

// Loads the library and parses its bundle. The module keeps the library loaded for as long as
// anyone holds it; nullptr when the file is no language library.
std::shared_ptr<const platform::ResourceModule> LoadLanguageLibrary(const std::filesystem::path& file);

}  // namespace app
