#pragma once
// Where the program's own files are: its language libraries and its help book. An installed
// program keeps them in its private folders of the install prefix, found from its own folder
// (for <prefix>/bin: <prefix>/lib/velmar-tessaline/languages and <prefix>/share/velmar-tessaline);
// a program run where it was built, which has no such folder, keeps them beside it. The folder
// the user starts the program in plays no part: a program whose own folder is unknown (empty or
// relative) has no such files, and both paths are empty.
#include <filesystem>

namespace platform {

struct ProgramFileFolders {
  std::filesystem::path languageLibraries;
  std::filesystem::path helpBook;
};

// The folders of a program in programFolder.
ProgramFileFolders ProgramFileFoldersOf(const std::filesystem::path& programFolder);
// The folders of the running program.
ProgramFileFolders OwnProgramFileFolders();

}  // namespace platform
