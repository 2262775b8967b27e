#include "platform/ProgramFileFolders.h"

#include <gtest/gtest.h>

#include "platform/UserFolders.h"
#include "tests/support/TempFolders.h"

namespace {

namespace fs = std::filesystem;

// An install prefix below the test's folder, with the program's folder and, when asked, the
// language folder of an installed program.
fs::path MakePrefix(const TempFolders& folders, bool withLanguageFolder) {
  const fs::path prefix = folders.Root() / "prefix";
  fs::create_directories(prefix / INSTALL_BIN_DIR);
  if (withLanguageFolder) fs::create_directories(prefix / INSTALL_LIBRARY_DIR);
  return prefix;
}

}  // namespace

TEST(ProgramFileFolders, AnInstalledProgramUsesThePrivateFoldersOfItsPrefix) {
  TempFolders folders;
  const fs::path prefix = MakePrefix(folders, true);
  const platform::ProgramFileFolders found = platform::ProgramFileFoldersOf(prefix / INSTALL_BIN_DIR);
  EXPECT_EQ(found.languageLibraries, prefix / INSTALL_LIBRARY_DIR);
  EXPECT_EQ(found.helpBook, prefix / INSTALL_DATA_DIR);
}

TEST(ProgramFileFolders, AProgramWithoutThemUsesItsOwnFolder) {
  TempFolders folders;
  const fs::path program = MakePrefix(folders, false) / INSTALL_BIN_DIR;
  platform::ProgramFileFolders found = platform::ProgramFileFoldersOf(program);
  EXPECT_EQ(found.languageLibraries, program);
  EXPECT_EQ(found.helpBook, program);
  // A file where the language folder would be is no folder.
  const fs::path prefix = folders.Root() / "prefix";
  fs::create_directories((prefix / INSTALL_LIBRARY_DIR).parent_path());
  WriteFileText(prefix / INSTALL_LIBRARY_DIR, "not a folder");
  found = platform::ProgramFileFoldersOf(program);
  EXPECT_EQ(found.languageLibraries, program);
  EXPECT_EQ(found.helpBook, program);
}

TEST(ProgramFileFolders, TheFolderTheProgramRunsInPlaysNoPart) {
  TempFolders folders;
  // Started from the program folder of an install, the test program (in the build, with no
  // folders of its own) still keeps to its own folder.
  const fs::path prefix = MakePrefix(folders, true);
  const fs::path before = fs::current_path();
  fs::current_path(prefix / INSTALL_BIN_DIR);
  const platform::ProgramFileFolders found = platform::OwnProgramFileFolders();
  fs::current_path(before);
  EXPECT_EQ(found.languageLibraries, platform::ExecutableFolder());
  EXPECT_EQ(found.helpBook, platform::ExecutableFolder());
}

TEST(ProgramFileFolders, AProgramWhoseFolderIsUnknownHasNoFiles) {
  TempFolders folders;
  // Run from an install's program folder, an unknown (empty) or relative program folder must
  // not lead to the folders of that install.
  const fs::path prefix = MakePrefix(folders, true);
  const fs::path before = fs::current_path();
  fs::current_path(prefix / INSTALL_BIN_DIR);
  const platform::ProgramFileFolders unknown = platform::ProgramFileFoldersOf("");
  const platform::ProgramFileFolders relative = platform::ProgramFileFoldersOf(".");
  fs::current_path(before);
  EXPECT_EQ(unknown.languageLibraries, fs::path());
  EXPECT_EQ(unknown.helpBook, fs::path());
  EXPECT_EQ(relative.languageLibraries, fs::path());
  EXPECT_EQ(relative.helpBook, fs::path());
}
