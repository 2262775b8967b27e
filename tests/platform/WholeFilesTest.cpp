// Whole-file reads that refuse what is not a plain file, and replacements that leave the old
// contents whenever any step of writing the new ones fails.
#include "platform/WholeFiles.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "tests/support/FileFaults.h"
#include "tests/support/TempFolders.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Names(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class WholeFilesTest : public testing::Test {
 protected:
  void SetUp() override {
    folder = folders.Root() / "files";
    fs::create_directories(folder);
    target = folder / "plan.ccp";
  }

  TempFolders folders;
  fs::path folder;
  fs::path target;
};

}  // namespace

TEST_F(WholeFilesTest, ReadsARegularFileWhole) {
  WriteFileText(target, std::string("line 1\r\nline 2\0binary\n", 23));
  std::string contents = "stale";
  ASSERT_EQ(platform::ReadRegularFile(target, 1000, contents), platform::ReadFileResult::kRead);
  EXPECT_EQ(contents, std::string("line 1\r\nline 2\0binary\n", 23));

  WriteFileText(target, "");
  ASSERT_EQ(platform::ReadRegularFile(target, 1000, contents), platform::ReadFileResult::kRead);
  EXPECT_EQ(contents, "");
}

TEST_F(WholeFilesTest, RefusesWhatIsNoRegularFileOrTooLarge) {
  std::string contents;
  std::string error;
  EXPECT_EQ(platform::ReadRegularFile(folder / "missing.ccp", 1000, contents, &error),
            platform::ReadFileResult::kCannotOpen);
  EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
  EXPECT_EQ(platform::ReadRegularFile(folder, 1000, contents), platform::ReadFileResult::kCannotOpen);

  // Opening a pipe for reading would wait for a writer for ever.
  const fs::path pipe = folder / "pipe.ccp";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(platform::ReadRegularFile(pipe, 1000, contents), platform::ReadFileResult::kCannotOpen);

  WriteFileText(target, "0123456789A");
  contents = "stale";
  EXPECT_EQ(platform::ReadRegularFile(target, 10, contents), platform::ReadFileResult::kTooLarge);
  EXPECT_EQ(contents, "");
  EXPECT_EQ(platform::ReadRegularFile(target, 11, contents), platform::ReadFileResult::kRead);
}

TEST_F(WholeFilesTest, ReplacesAFileAndKeepsItsPermissions) {
  const mode_t oldMask = ::umask(022);
  ASSERT_TRUE(platform::ReplaceFileContents(target, "first\r\n"));
  EXPECT_EQ(ReadFileText(target), "first\r\n");
  EXPECT_EQ(fs::status(target).permissions(), fs::perms(0644));

  fs::permissions(target, fs::perms(0640));
  ASSERT_TRUE(platform::ReplaceFileContents(target, "second\r\n"));
  EXPECT_EQ(ReadFileText(target), "second\r\n");
  EXPECT_EQ(fs::status(target).permissions(), fs::perms(0640));

  ASSERT_TRUE(platform::ReplaceFileContents(folder / "private.reg", "x", 0600));
  EXPECT_EQ(fs::status(folder / "private.reg").permissions(), fs::perms(0600));
  ::umask(oldMask);
  EXPECT_EQ(Names(folder), (std::vector<std::string>{"plan.ccp", "private.reg"}));
}

TEST_F(WholeFilesTest, ALinkStaysALinkToTheReplacedFile) {
  const fs::path real = folder / "real.ccp";
  WriteFileText(real, "old");
  const fs::path link = folder / "link.ccp";
  fs::create_symlink(real, link);
  ASSERT_TRUE(platform::ReplaceFileContents(link, "new"));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadFileText(real), "new");
}

TEST_F(WholeFilesTest, EveryFailedStepLeavesTheOldFileAndNoTemporaryFile) {
  struct Case {
    FileFault fault;
    const char* reason;
  };
  const Case cases[] = {
      {FileFault::kCreate, "Cannot create"},       {FileFault::kWrite, "No space left on device"},
      {FileFault::kSync, "Cannot flush"},          {FileFault::kClose, "Cannot close"},
      {FileFault::kRename, "Permission denied"},
  };
  WriteFileText(target, "old plan\r\n");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reason);
    std::string error;
    {
      ScopedFileFault fault(c.fault, folder);
      EXPECT_FALSE(platform::ReplaceFileContents(target, "new plan\r\n", 0666, &error));
      EXPECT_GE(fault.Hits(), 1);
    }
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    EXPECT_EQ(ReadFileText(target), "old plan\r\n");
    EXPECT_EQ(Names(folder), std::vector<std::string>{"plan.ccp"});
  }
  // Nothing is left in the way of the next save.
  ASSERT_TRUE(platform::ReplaceFileContents(target, "new plan\r\n"));
  EXPECT_EQ(ReadFileText(target), "new plan\r\n");
}

TEST_F(WholeFilesTest, AWriteEndedBeforeTheRenameLeavesTheOldFile) {
  WriteFileText(target, "old plan\r\n");
  EXPECT_EXIT(
      {
        ScopedFileFault fault(FileFault::kEndBeforeRename, folder);
        platform::ReplaceFileContents(target, "new plan\r\n");
      },
      testing::ExitedWithCode(ScopedFileFault::kEndedExitCode), "");
  EXPECT_EQ(ReadFileText(target), "old plan\r\n");
  // The new contents had been written in full beside it.
  const std::vector<std::string> names = Names(folder);
  ASSERT_EQ(names.size(), 2u);
  EXPECT_EQ(names[1].rfind("plan.ccp.tmp-", 0), 0u) << names[1];
  EXPECT_EQ(ReadFileText(folder / names[1]), "new plan\r\n");

  // The next save of the same file clears what the ended save left.
  ASSERT_TRUE(platform::ReplaceFileContents(target, "newer plan\r\n"));
  EXPECT_EQ(Names(folder), std::vector<std::string>{"plan.ccp"});
  EXPECT_EQ(ReadFileText(target), "newer plan\r\n");
}

TEST_F(WholeFilesTest, ASaveRemovesOnlyItsOwnFilesAbandonedTemporaries) {
  // A process that has ended: its number names no running process.
  const pid_t child = ::fork();
  if (child == 0) _exit(0);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  const std::string ended = std::to_string(child);
  const std::string running = std::to_string(::getpid());

  const std::vector<std::string> others = {
      // other programs' files, and other saves of this one, that look like temporaries
      "notes.txt.tmp-4000000-1", "holiday.jpg.tmp-999999-0", "dive.ccd.tmp-" + ended + "-3",
      // names that begin like the saved file's own temporaries but are not
      "plan.ccpx.tmp-" + ended + "-0", "plan.tmp-" + ended + "-0", "plan.ccp.tmp-" + ended + "-1x",
      "plan.ccp.tmp--1", "plan.ccp.tmp-" + ended, "xplan.ccp.tmp-" + ended + "-0",
      // a save of the same file still running
      "plan.ccp.tmp-" + running + "-7"};
  for (const std::string& name : others) WriteFileText(folder / name, "not the save's to remove");
  WriteFileText(folder / ("plan.ccp.tmp-" + ended + "-2"), "the rest of a killed save");
  WriteFileText(folder / ("plan.ccp.tmp-" + ended + "-12"), "another killed save");
  WriteFileText(target, "old plan\r\n");

  ASSERT_TRUE(platform::ReplaceFileContents(target, "new plan\r\n"));
  std::vector<std::string> expected = others;
  expected.push_back("plan.ccp");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Names(folder), expected);
  for (const std::string& name : others) EXPECT_EQ(ReadFileText(folder / name), "not the save's to remove") << name;
  EXPECT_EQ(ReadFileText(target), "new plan\r\n");
}

TEST_F(WholeFilesTest, AMissingFolderIsReported) {
  std::string error;
  EXPECT_FALSE(platform::ReplaceFileContents(folder / "no such folder" / "plan.ccp", "x", 0666, &error));
  EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
}
