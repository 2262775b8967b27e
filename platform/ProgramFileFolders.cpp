#include "platform/ProgramFileFolders.h"

#include <system_error>

#include "platform/UserFolders.h"

namespace platform {

ProgramFileFolders ProgramFileFoldersOf(const std::filesystem::path& programFolder) {
  if (!programFolder.is_absolute()) return {};
  const std::filesystem::path libraries = (programFolder / VT_LIBRARY_FOLDER_FROM_PROGRAM).lexically_normal();
  std::error_code error;
  if (!std::filesystem::is_directory(libraries, error)) return {programFolder, programFolder};
  return {libraries, (programFolder / VT_DATA_FOLDER_FROM_PROGRAM).lexically_normal()};
}

ProgramFileFolders OwnProgramFileFolders() { return ProgramFileFoldersOf(ExecutableFolder()); }

}  // namespace platform
