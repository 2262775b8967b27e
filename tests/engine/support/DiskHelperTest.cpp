#include "engine/support/DiskHelper.h"

#include <gtest/gtest.h>

#include "tests/support/TempFolders.h"

TEST(DiskHelper, DirectoryExists) {
  TempFolders folders;
  CDiskHelper disk;
  EXPECT_FALSE(disk.DirectoryExists(""));
  EXPECT_EQ(disk.GetLastError(), "CDiskHelper internal error - check call parameters");
  EXPECT_TRUE(disk.DirectoryExists(folders.Root().string()));
  EXPECT_EQ(disk.GetLastError(), "");
  EXPECT_FALSE(disk.DirectoryExists((folders.Root() / "missing").string()));
  EXPECT_FALSE(disk.DirectoryExists((folders.Root() / "*").string()));
}

TEST(DiskHelper, NormalizeDirectoryQualifiesAndEndsWithASeparator) {
  CDiskHelper disk;
  std::string path = "/tmp/a/../b";
  ASSERT_TRUE(disk.NormalizeDirectory(path));
  EXPECT_EQ(path, "/tmp/b/");
  path = "\\tmp\\c";
  ASSERT_TRUE(disk.NormalizeDirectory(path));
  EXPECT_EQ(path, "/tmp/c/");
  path = "relative";
  ASSERT_TRUE(disk.NormalizeDirectory(path));
  EXPECT_EQ(path, (std::filesystem::current_path() / "relative").string() + "/");
  path = "//server/share";
  ASSERT_TRUE(disk.NormalizeDirectory(path));
  EXPECT_EQ(path, "//server/share");
  path = "/tmp/what?";
  EXPECT_FALSE(disk.NormalizeDirectory(path));
  EXPECT_EQ(disk.GetLastError(), CDiskHelper::kInternalError);
}

TEST(DiskHelper, CreatesEveryMissingFolderAndReportsFailures) {
  TempFolders folders;
  CDiskHelper disk;
  std::vector<std::string> errors;
  disk.SetFeedback([&](const std::string& error) { errors.push_back(error); });
  const std::string deep = (folders.Root() / "one" / "two" / "three").string();
  ASSERT_TRUE(disk.CreateDirectoryPath(deep));
  EXPECT_TRUE(std::filesystem::is_directory(deep));
  EXPECT_TRUE(disk.CreateDirectoryPath(deep));  // already there

  WriteFileText(folders.Root() / "file", "x");
  const std::string blocked = (folders.Root() / "file" / "below").string();
  EXPECT_FALSE(disk.CreateDirectoryPath(blocked));
  EXPECT_NE(disk.GetLastError().find(blocked), std::string::npos);
  EXPECT_EQ(errors.size(), 1u);
}

TEST(DiskHelper, ListsMatchingFilesSorted) {
  TempFolders folders;
  for (const char* name : {"VelmarTessalineSpa.so", "VelmarTessalineDeu.so", "other.so", "VelmarTessaline"}) {
    WriteFileText(folders.Root() / name, "");
  }
  std::filesystem::create_directories(folders.Root() / "VelmarTessalineDir.so");
  CDiskHelper disk;
  std::vector<std::string> names;
  ASSERT_TRUE(disk.EnumFilesInDirectory(folders.Root().string(), "VelmarTessaline*.so", names, false));
  EXPECT_EQ(names, (std::vector<std::string>{"VelmarTessalineDeu.so", "VelmarTessalineSpa.so"}));
  std::vector<std::string> paths;
  ASSERT_TRUE(disk.EnumFilesInDirectory(folders.Root().string(), "*.so", paths, true));
  ASSERT_EQ(paths.size(), 3u);
  EXPECT_EQ(paths[0], folders.Root().string() + "/VelmarTessalineDeu.so");
  EXPECT_FALSE(disk.EnumFilesInDirectory((folders.Root() / "missing").string(), "*", paths, false));
  EXPECT_FALSE(disk.GetLastError().empty());
}
