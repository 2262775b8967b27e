#include "platform/OwnFiles.h"

#include <gtest/gtest.h>

#include "tests/support/TempFolders.h"

namespace {

namespace fs = std::filesystem;

fs::perms ModeOf(const fs::path& path) { return fs::status(path).permissions(); }

struct stat StatusOf(const fs::path& path) {
  struct stat status {};
  EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
  return status;
}

}  // namespace

TEST(OwnFiles, TheProgramsFoldersAreMadeForTheUserAlone) {
  TempFolders folders;
  const fs::path base = folders.Root() / "missing" / "share";
  ASSERT_TRUE(platform::CreateOwnFolders(base, "Velmar/Velmar Tessaline"));
  EXPECT_EQ(ModeOf(base), fs::perms::owner_all);
  EXPECT_EQ(ModeOf(base / "Velmar"), fs::perms::owner_all);
  EXPECT_EQ(ModeOf(base / "Velmar" / "Velmar Tessaline"), fs::perms::owner_all);
  EXPECT_TRUE(platform::CreateOwnFolders(base, "Velmar/Velmar Tessaline"));  // already there

  // Existing folders: the program's own are closed to others, the base keeps its mode.
  const fs::path shared = folders.Root() / "shared";
  fs::create_directories(shared / "Velmar");
  fs::permissions(shared, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
  fs::permissions(shared / "Velmar", fs::perms::all);
  ASSERT_TRUE(platform::CreateOwnFolders(shared, "Velmar/Velmar Tessaline"));
  EXPECT_EQ(ModeOf(shared), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                fs::perms::others_read | fs::perms::others_exec);
  EXPECT_EQ(ModeOf(shared / "Velmar"), fs::perms::owner_all);
  EXPECT_EQ(ModeOf(shared / "Velmar" / "Velmar Tessaline"), fs::perms::owner_all);

  // A file where a folder should be.
  WriteFileText(folders.Root() / "blocked", "a file");
  std::string error;
  EXPECT_FALSE(platform::CreateOwnFolders(folders.Root() / "blocked", "Velmar", &error));
  EXPECT_EQ(error, "Not a directory " + (folders.Root() / "blocked").string());
}

TEST(OwnFiles, SaysWhoElseCouldChangeAFile) {
  TempFolders folders;
  const fs::path file = folders.Root() / "file";
  WriteFileText(file, "x");
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(platform::WhyOthersCanChange(StatusOf(file)), "");
  EXPECT_TRUE(platform::OthersCanRead(StatusOf(file)));
  fs::permissions(file, fs::perms::group_write, fs::perm_options::add);
  EXPECT_EQ(platform::WhyOthersCanChange(StatusOf(file)), "writable by group");
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_write);
  EXPECT_EQ(platform::WhyOthersCanChange(StatusOf(file)), "writable by others");
  EXPECT_FALSE(platform::OthersCanRead(StatusOf(file)));

  // Owned by someone else: neither the user nor root.
  struct stat status = StatusOf(file);
  status.st_mode = S_IFREG | 0644;
  status.st_uid = ::geteuid() + 1;
  if (status.st_uid == 0) ++status.st_uid;
  EXPECT_EQ(platform::WhyOthersCanChange(status), "owned by user " + std::to_string(status.st_uid));
  status.st_uid = 0;
  EXPECT_EQ(platform::WhyOthersCanChange(status), "");
}
