// Whole-file reads that refuse what is not a plain file, and replacements that leave the old
// contents whenever any step of writing the new ones fails.
#include "platform/WholeFiles.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include "tests/support/FileFaults.h"
#include "tests/support/OrdinaryUser.h"
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

TEST_F(WholeFilesTest, AFileNobodyMayWriteIsNotReplaced) {
  WriteFileText(target, "old plan\r\n");
  fs::permissions(target, fs::perms(0444));
  const fs::path link = folder / "link.ccp";
  fs::create_symlink("plan.ccp", link);
  for (const fs::path& saved : {target, link}) {
    SCOPED_TRACE(saved);
    EXPECT_TRUE(platform::IsReadOnlyFile(saved));
    std::string error;
    EXPECT_FALSE(platform::ReplaceFileContents(saved, "new plan\r\n", 0666, &error));
    EXPECT_EQ(error, "The file " + target.string() + " is read-only");
    EXPECT_EQ(ReadFileText(target), "old plan\r\n");
    EXPECT_EQ(fs::status(target).permissions(), fs::perms(0444));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Names(folder), (std::vector<std::string>{"link.ccp", "plan.ccp"}));
  }
  // A missing file, or one its owner may write, is no read-only file.
  EXPECT_FALSE(platform::IsReadOnlyFile(folder / "missing.ccp"));
  fs::permissions(target, fs::perms(0644));
  EXPECT_FALSE(platform::IsReadOnlyFile(target));
  EXPECT_TRUE(platform::ReplaceFileContents(link, "new plan\r\n"));
  EXPECT_EQ(ReadFileText(target), "new plan\r\n");
}

TEST_F(WholeFilesTest, AFileTheUserMayNotWriteIsNotReplaced) {
  const OrdinaryUser user;
  if (!user.Unavailable().empty()) GTEST_SKIP() << user.Unavailable();
  WriteFileText(target, "old plan\r\n");
  // Others may write it, its owner not.
  fs::permissions(target, fs::perms(0464));
  user.Own(folders.Root());
  const std::string failures = user.Run([this] {
    std::string failed;
    std::string error;
    if (!platform::IsReadOnlyFile(target)) failed += "not seen as read-only; ";
    if (platform::ReplaceFileContents(target, "new plan\r\n", 0666, &error)) failed += "replaced; ";
    if (error != "The file " + target.string() + " is read-only") failed += "error: " + error + "; ";
    if (ReadFileText(target) != "old plan\r\n") failed += "contents changed; ";
    if (Names(folder) != std::vector<std::string>{"plan.ccp"}) failed += "a file was left beside it; ";
    return failed;
  });
  EXPECT_EQ(failures, "");
}

TEST_F(WholeFilesTest, ASaveThroughADanglingLinkMakesItsTargetAndKeepsTheLink) {
  fs::create_directories(folder / "real");
  fs::create_symlink("real/missing.ccp", target);
  ASSERT_TRUE(platform::ReplaceFileContents(target, "new plan\r\n"));
  EXPECT_TRUE(fs::is_symlink(target));
  EXPECT_EQ(fs::read_symlink(target), "real/missing.ccp");
  EXPECT_EQ(ReadFileText(folder / "real" / "missing.ccp"), "new plan\r\n");
  EXPECT_EQ(Names(folder / "real"), std::vector<std::string>{"missing.ccp"});

  // A chain of links ends at the file that is replaced.
  const fs::path second = folder / "second.ccp";
  fs::create_symlink(target, second);
  ASSERT_TRUE(platform::ReplaceFileContents(second, "newer plan\r\n"));
  EXPECT_TRUE(fs::is_symlink(second));
  EXPECT_TRUE(fs::is_symlink(target));
  EXPECT_EQ(ReadFileText(folder / "real" / "missing.ccp"), "newer plan\r\n");

  // Links in a loop lead to no file: nothing is written.
  fs::create_symlink("loop-b.ccp", folder / "loop-a.ccp");
  fs::create_symlink("loop-a.ccp", folder / "loop-b.ccp");
  std::string error;
  EXPECT_FALSE(platform::ReplaceFileContents(folder / "loop-a.ccp", "x", 0666, &error));
  EXPECT_NE(error.find("Too many levels of symbolic links"), std::string::npos) << error;
  EXPECT_TRUE(fs::is_symlink(folder / "loop-a.ccp"));
  EXPECT_EQ(Names(folder), (std::vector<std::string>{"loop-a.ccp", "loop-b.ccp", "plan.ccp", "real", "second.ccp"}));
}

TEST_F(WholeFilesTest, AFileWithTheLongestNameTheFolderAllowsIsSaved) {
  const long nameMax = ::pathconf(folder.c_str(), _PC_NAME_MAX);
  ASSERT_GE(nameMax, 249);
  // 249 bytes, and the longest name of two-byte characters with the extension.
  const std::string name249 = std::string(245, 'p') + ".ccp";
  std::string longest;
  while (longest.size() + 2 + 4 <= static_cast<std::size_t>(nameMax)) longest += "\xc3\xa9";
  longest += ".ccp";
  for (const std::string& name : {name249, longest}) {
    SCOPED_TRACE(name.size());
    std::string error;
    ASSERT_TRUE(platform::ReplaceFileContents(folder / name, "plan\r\n", 0666, &error)) << error;
    EXPECT_EQ(ReadFileText(folder / name), "plan\r\n");
  }
  EXPECT_EQ(Names(folder).size(), 2u);

  // A killed save leaves a temporary whose name fits too, and only a later save of the same file
  // removes it: not one of another file whose long name begins alike.
  const fs::path file = folder / name249;
  EXPECT_EXIT(
      {
        ScopedFileFault fault(FileFault::kEndBeforeRename, folder);
        platform::ReplaceFileContents(file, "killed\r\n");
      },
      testing::ExitedWithCode(ScopedFileFault::kEndedExitCode), "");
  std::vector<std::string> names = Names(folder);
  ASSERT_EQ(names.size(), 3u);
  const auto temporary = std::find_if(names.begin(), names.end(), [](const std::string& n) {
    return n.find(".tmp-") != std::string::npos;
  });
  ASSERT_NE(temporary, names.end());
  EXPECT_LE(temporary->size(), static_cast<std::size_t>(nameMax));
  EXPECT_EQ(temporary->rfind(std::string(200, 'p'), 0), 0u) << *temporary;
  EXPECT_EQ(ReadFileText(folder / *temporary), "killed\r\n");

  const fs::path alike = folder / (std::string(245, 'p') + ".ccd");
  ASSERT_TRUE(platform::ReplaceFileContents(alike, "dive\r\n"));
  EXPECT_TRUE(fs::exists(folder / *temporary));
  ASSERT_TRUE(platform::ReplaceFileContents(file, "saved\r\n"));
  EXPECT_FALSE(fs::exists(folder / *temporary));
  EXPECT_EQ(ReadFileText(file), "saved\r\n");
  EXPECT_EQ(Names(folder).size(), 3u);
}

TEST_F(WholeFilesTest, ANewFileIsMadeWholeOrNotAtAll) {
  const fs::path copy = folder / "copy";
  ASSERT_TRUE(platform::WriteNewFile(copy, "kept\r\n", 0600));
  EXPECT_EQ(ReadFileText(copy), "kept\r\n");
  EXPECT_EQ(fs::status(copy).permissions(), fs::perms(0600));
  std::string error;
  EXPECT_FALSE(platform::WriteNewFile(copy, "other", 0600, &error));  // never over a file
  EXPECT_EQ(errno, EEXIST);
  EXPECT_EQ(ReadFileText(copy), "kept\r\n");
  for (FileFault fault : {FileFault::kWrite, FileFault::kSync, FileFault::kClose}) {
    ScopedFileFault full(fault, folder);
    EXPECT_FALSE(platform::WriteNewFile(folder / "second", "lines", 0600, &error));
    EXPECT_GE(full.Hits(), 1);
  }
  EXPECT_NE(error.find("Cannot close"), std::string::npos) << error;
  EXPECT_EQ(Names(folder), std::vector<std::string>{"copy"});
}

TEST_F(WholeFilesTest, AFailedSaveTellsTheFolderWrittenToAndTheSystemsReason) {
  fs::create_symlink("self.ccp", folder / "self.ccp");
  fs::create_symlink("loop-b.ccp", folder / "loop-a.ccp");
  fs::create_symlink("loop-a.ccp", folder / "loop-b.ccp");
  fs::create_symlink("missing/plan.ccp", folder / "dangling.ccp");
  const long nameMax = ::pathconf(folder.c_str(), _PC_NAME_MAX);
  // A name that fits until the extension is added.
  const std::string tooLong = std::string(static_cast<std::size_t>(nameMax) - 2, 'p') + ".ccp";
  struct Case {
    fs::path target;
    fs::path folder;
    int code;
  };
  const Case cases[] = {
      {folder / "self.ccp", folder, ELOOP},
      {folder / "loop-a.ccp", folder, ELOOP},
      {folder / "dangling.ccp", folder / "missing", ENOENT},
      {folder / tooLong, folder, ENAMETOOLONG},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.target.filename().string().substr(0, 20));
    platform::ReplaceFailure failure;
    EXPECT_FALSE(platform::ReplaceFileContents(c.target, "new plan\r\n", 0666, failure));
    EXPECT_EQ(failure.folder, c.folder);
    EXPECT_EQ(failure.code, c.code);
    EXPECT_NE(failure.detail.find(std::strerror(c.code)), std::string::npos) << failure.detail;
  }
  EXPECT_EQ(Names(folder), (std::vector<std::string>{"dangling.ccp", "loop-a.ccp", "loop-b.ccp", "self.ccp"}));

  // A relative name is told in the folder the program runs in.
  const fs::path running = fs::current_path();
  fs::current_path(folder);
  platform::ReplaceFailure failure;
  EXPECT_FALSE(platform::ReplaceFileContents("self.ccp", "x", 0666, failure));
  fs::current_path(running);
  EXPECT_EQ(failure.folder, folder);
}

TEST_F(WholeFilesTest, AFolderTheUserMayNotWriteIsTold) {
  const OrdinaryUser user;
  if (!user.Unavailable().empty()) GTEST_SKIP() << user.Unavailable();
  user.Own(folders.Root());
  fs::permissions(folder, fs::perms(0555));
  const std::string failures = user.Run([this] {
    std::string failed;
    platform::ReplaceFailure failure;
    if (platform::IsReadOnlyFile(target)) failed += "a new file seen as read-only; ";
    if (platform::ReplaceFileContents(target, "new plan\r\n", 0666, failure)) failed += "saved; ";
    if (failure.folder != folder) failed += "folder: " + failure.folder.string() + "; ";
    if (failure.code != EACCES) failed += "reason: " + failure.detail + "; ";
    if (!Names(folder).empty()) failed += "a file was left; ";
    return failed;
  });
  fs::permissions(folder, fs::perms(0755));
  EXPECT_EQ(failures, "");
}

TEST_F(WholeFilesTest, AFolderThatCannotBeFlushedFailsTheSave) {
  WriteFileText(target, "old plan\r\n");
  {
    ScopedFileFault fault(FileFault::kSyncFolder, folder);
    platform::ReplaceFailure failure;
    EXPECT_FALSE(platform::ReplaceFileContents(target, "new plan\r\n", 0666, failure));
    EXPECT_EQ(fault.Hits(), 1);
    EXPECT_EQ(failure.detail, "Cannot flush the folder of " + target.string() + ": Input/output error");
    EXPECT_EQ(failure.code, EIO);
    EXPECT_EQ(failure.folder, folder);

    // A new file is not kept when its folder was not flushed.
    std::string error;
    EXPECT_FALSE(platform::WriteNewFile(folder / "copy", "kept\r\n", 0600, &error));
    EXPECT_EQ(error, "Cannot flush the folder of " + (folder / "copy").string() + ": Input/output error");
  }
  // The new contents stand, but are not known to be on the disk.
  EXPECT_EQ(ReadFileText(target), "new plan\r\n");
  EXPECT_EQ(Names(folder), std::vector<std::string>{"plan.ccp"});
}
