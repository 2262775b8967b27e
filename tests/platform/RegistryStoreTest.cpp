#include "platform/Registry.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>
#include <utility>

#include "tests/support/FileFaults.h"
#include "tests/support/OrdinaryUser.h"
#include "tests/support/TempFolders.h"

namespace {

constexpr const char* kKey = "Software\\Velmar\\VelmarTessaline\\Settings\\Dive";

std::size_t FilesStartingWith(const std::filesystem::path& folder, const std::string& prefix) {
  std::size_t count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    count += entry.path().filename().string().rfind(prefix, 0) == 0;
  }
  return count;
}

std::vector<std::filesystem::path> FilesNamed(const std::filesystem::path& folder, const std::string& prefix) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().filename().string().rfind(prefix, 0) == 0) files.push_back(entry.path());
  }
  return files;
}

// The faults the stores report while it lives.
class RecordedFaults {
 public:
  RecordedFaults() {
    platform::SetRegistryFaultReport([this](const platform::RegistryFault& fault) { faults.push_back(fault); });
  }
  ~RecordedFaults() { platform::SetRegistryFaultReport(nullptr); }
  RecordedFaults(const RecordedFaults&) = delete;
  RecordedFaults& operator=(const RecordedFaults&) = delete;

  std::vector<platform::RegistryFault> faults;
};

using Kind = platform::RegistryFault::Kind;

const std::string kDamagedStore = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" + std::string(kKey) +
                                  "]\r\n\"GF High\"=dword:00000055\r\n\"GF Low\"=dword:0000001";

}  // namespace

TEST(RegistryStore, LivesInTheConfigFolder) {
  TempFolders folders;
  EXPECT_EQ(platform::Registry().File(), folders.Config() / "Velmar" / "registry.reg");
}

TEST(RegistryStore, MakesItsMissingFolderPrivateAndLeavesAnExistingOneAlone) {
  TempFolders folders;
  const auto modeOf = [](const std::filesystem::path& folder) {
    struct stat status {};
    EXPECT_EQ(::stat(folder.c_str(), &status), 0);
    return status.st_mode & 07777;
  };
  platform::RegistryStore store(folders.Config() / "Velmar" / "registry.reg");
  ASSERT_TRUE(store.WriteDword(kKey, "GF Low", 30));
  EXPECT_EQ(modeOf(folders.Config() / "Velmar"), 0700u);

  const std::filesystem::path shared = folders.Config() / "Shared";
  std::filesystem::create_directory(shared);
  ::chmod(shared.c_str(), 0755);
  platform::RegistryStore sharedStore(shared / "registry.reg");
  ASSERT_TRUE(sharedStore.WriteDword(kKey, "GF Low", 30));
  EXPECT_EQ(modeOf(shared), 0755u);
}

TEST(RegistryStore, RoundTripsDwordAndStringValues) {
  TempFolders folders;
  platform::RegistryStore store(folders.Config() / "Velmar" / "registry.reg");
  EXPECT_FALSE(store.ReadDword(kKey, "GF Low"));
  ASSERT_TRUE(store.WriteDword(kKey, "GF Low", 35));
  ASSERT_TRUE(store.WriteString(kKey, "Name", "Wreck \"Thistle\""));
  ASSERT_TRUE(store.WriteDword(kKey, "GF Low", 0));

  platform::RegistryStore other(store.File());
  EXPECT_EQ(other.ReadDword(kKey, "GF Low"), 0u);
  EXPECT_EQ(other.ReadString(kKey, "Name"), "Wreck \"Thistle\"");
  EXPECT_FALSE(other.ReadString(kKey, "GF Low"));  // a DWORD is not a string
  EXPECT_TRUE(other.DeleteValue(kKey, "Name"));
  EXPECT_FALSE(store.ReadString(kKey, "Name"));
  // No temporary or lock debris besides the lock file.
  EXPECT_EQ(FilesStartingWith(store.File().parent_path(), "registry.reg.tmp"), 0u);
}

TEST(RegistryStore, SeesValuesWrittenByAnotherProcess) {
  TempFolders folders;
  platform::RegistryStore store(folders.Config() / "registry.reg");
  ASSERT_TRUE(store.WriteDword(kKey, "A", 1));
  EXPECT_EQ(store.ReadDword(kKey, "A"), 1u);
  pid_t child = fork();
  if (child == 0) {
    platform::RegistryStore childStore(folders.Config() / "registry.reg");
    _exit(childStore.WriteDword(kKey, "A", 2) ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(store.ReadDword(kKey, "A"), 2u);
}

TEST(RegistryStore, DamagedFileReadsEmptyAndIsKeptAsideBeforeAWrite) {
  TempFolders folders;
  const auto file = folders.Config() / "registry.reg";
  static constexpr char kJunk[] = "\x7f" "ELF\x02\x01\x00\x00garbage\xff\xfe";
  const std::string junk(kJunk, sizeof kJunk - 1);
  WriteFileText(file, junk);
  platform::RegistryStore store(file);
  EXPECT_FALSE(store.ReadDword(kKey, "GF Low"));
  EXPECT_EQ(ReadFileText(file), junk);  // reading never rewrites

  ASSERT_TRUE(store.WriteDword(kKey, "GF Low", 30));
  EXPECT_EQ(store.ReadDword(kKey, "GF Low"), 30u);
  ASSERT_EQ(FilesStartingWith(folders.Config(), "registry.reg.damaged-"), 1u);
  for (const auto& entry : std::filesystem::directory_iterator(folders.Config())) {
    if (entry.path().filename().string().rfind("registry.reg.damaged-", 0) == 0) {
      EXPECT_EQ(ReadFileText(entry.path()), junk);
    }
  }
}

TEST(RegistryStore, ANulInAStringLeavesEveryValueReadable) {
  TempFolders folders;
  const auto file = folders.Config() / "registry.reg";
  platform::RegistryStore store(file);
  const std::string withNul("Jo\0Ann", 6);
  ASSERT_TRUE(store.WriteDword(kKey, "GF Low", 35));
  ASSERT_TRUE(store.WriteString(kKey, "Diver ID", withNul));
  ASSERT_TRUE(store.WriteDword(kKey, "GF High", 85));
  platform::RegistryStore other(file);
  EXPECT_EQ(other.ReadDword(kKey, "GF Low"), 35u);
  EXPECT_EQ(other.ReadString(kKey, "Diver ID"), withNul);
  EXPECT_EQ(other.ReadDword(kKey, "GF High"), 85u);
  EXPECT_EQ(FilesStartingWith(folders.Config(), "registry.reg.damaged-"), 0u);

  // A store that already holds a raw NUL inside a string reads whole as well.
  WriteFileText(file, "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" + std::string(kKey) + "]\r\n\"GF Low\"=dword:00000028\r\n" +
                          "\"Diver ID\"=\"" + withNul + "\"\r\n");
  platform::RegistryStore older(file);
  EXPECT_EQ(older.ReadDword(kKey, "GF Low"), 40u);
  EXPECT_EQ(older.ReadString(kKey, "Diver ID"), withNul);
}

TEST(RegistryStore, TruncatedFileKeepsItsReadableValues) {
  TempFolders folders;
  const auto file = folders.Config() / "registry.reg";
  WriteFileText(file, "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" + std::string(kKey) + "]\r\n\"A\"=dword:00000005\r\n\"B\"=dwo");
  platform::RegistryStore store(file);
  EXPECT_EQ(store.ReadDword(kKey, "A"), 5u);
  ASSERT_TRUE(store.WriteDword(kKey, "C", 6));
  EXPECT_EQ(store.ReadDword(kKey, "A"), 5u);
  EXPECT_EQ(store.ReadDword(kKey, "C"), 6u);
}

TEST(RegistryStore, FailedWriteLeavesTheOldFile) {
  TempFolders folders;
  platform::RegistryStore store(folders.Config() / "registry.reg");
  ASSERT_TRUE(store.WriteDword(kKey, "A", 1));
  const std::string before = ReadFileText(store.File());
  {
    ScopedFileFault full(FileFault::kWrite, folders.Config());
    EXPECT_FALSE(store.WriteDword(kKey, "A", 2));
  }
  EXPECT_EQ(ReadFileText(store.File()), before);
  EXPECT_EQ(store.ReadDword(kKey, "A"), 1u);
}

TEST(RegistryStore, AStoreThatCannotBeReadIsNotReplaced) {
  TempFolders folders;
  // A folder where the store should be: nothing can be read, so nothing may be written over it.
  const auto file = folders.Config() / "registry.reg";
  std::filesystem::create_directories(file / "inside");
  platform::RegistryStore store(file);
  EXPECT_FALSE(store.ReadDword(kKey, "A"));
  EXPECT_FALSE(store.WriteDword(kKey, "A", 2));
  EXPECT_TRUE(std::filesystem::exists(file / "inside"));
}

TEST(RegistryStore, TwoProcessesWritingAtOnceLoseNothing) {
  TempFolders folders;
  const auto file = folders.Config() / "Velmar" / "registry.reg";
  constexpr int kValuesEach = 150;
  pid_t children[2];
  for (int writer = 0; writer < 2; ++writer) {
    children[writer] = fork();
    if (children[writer] == 0) {
      platform::RegistryStore store(file);
      bool ok = true;
      for (int i = 0; i < kValuesEach; ++i) {
        ok = store.WriteDword(kKey, "W" + std::to_string(writer) + "_" + std::to_string(i), static_cast<std::uint32_t>(i)) && ok;
      }
      _exit(ok ? 0 : 1);
    }
  }
  for (pid_t child : children) {
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  platform::RegistryStore store(file);
  for (int writer = 0; writer < 2; ++writer) {
    for (int i = 0; i < kValuesEach; ++i) {
      EXPECT_EQ(store.ReadDword(kKey, "W" + std::to_string(writer) + "_" + std::to_string(i)), static_cast<std::uint32_t>(i));
    }
  }
}

TEST(RegistryStore, TwoStoresOnOneFileEachWriteWhatTheyAreGiven) {
  TempFolders folders;
  const auto file = folders.Config() / "registry.reg";
  platform::RegistryStore first(file);
  platform::RegistryStore second(file);
  const auto identity = [&file] {
    struct stat status {};
    EXPECT_EQ(::stat(file.c_str(), &status), 0);
    return std::pair(status.st_ino, status.st_mtim.tv_nsec + status.st_mtim.tv_sec * 1000000000LL);
  };

  ASSERT_TRUE(first.WriteDword(kKey, "GF Low", 30));
  EXPECT_EQ(second.ReadDword(kKey, "GF Low"), 30u);
  ASSERT_TRUE(second.WriteDword(kKey, "GF Low", 40));
  EXPECT_EQ(first.ReadDword(kKey, "GF Low"), 40u);
  ASSERT_TRUE(first.WriteDword(kKey, "GF Low", 30));
  EXPECT_EQ(second.ReadDword(kKey, "GF Low"), 30u);

  // A value the file holds already, as it is, leaves the file as it was.
  ASSERT_TRUE(second.WriteString(kKey, "Diver ID", "Jo"));
  const auto before = identity();
  ASSERT_TRUE(first.WriteDword(kKey, "GF Low", 30));
  ASSERT_TRUE(first.WriteString(kKey, "Diver ID", "Jo"));
  EXPECT_EQ(identity(), before);
  // The same number as a text, or a text that differs only in case, is a change.
  ASSERT_TRUE(first.WriteString(kKey, "GF Low", "30"));
  EXPECT_EQ(second.ReadString(kKey, "GF Low"), "30");
  EXPECT_FALSE(second.ReadDword(kKey, "GF Low"));
  ASSERT_TRUE(first.WriteString(kKey, "Diver ID", "JO"));
  EXPECT_EQ(second.ReadString(kKey, "Diver ID"), "JO");
}

TEST(RegistryStore, ADamagedStoreIsRewrittenEvenByAWriteOfAValueItHolds) {
  TempFolders folders;
  const auto file = folders.Config() / "registry.reg";
  const std::string damaged =
      "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" + std::string(kKey) + "]\r\n\"A\"=dword:00000005\r\nrubbish\r\n";
  WriteFileText(file, damaged);
  platform::RegistryStore store(file);
  ASSERT_TRUE(store.WriteDword(kKey, "A", 5));
  EXPECT_EQ(ReadFileText(file).find("rubbish"), std::string::npos);
  EXPECT_EQ(store.ReadDword(kKey, "A"), 5u);
  ASSERT_EQ(FilesStartingWith(folders.Config(), "registry.reg.damaged-"), 1u);
}

TEST(RegistryStore, ADwordCutShortReadsAsNoValueAndIsKeptInTheCopy) {
  TempFolders folders;
  RecordedFaults recorded;
  const auto file = folders.Config() / "registry.reg";
  WriteFileText(file, kDamagedStore);
  platform::RegistryStore store(file);
  EXPECT_FALSE(store.ReadDword(kKey, "GF Low"));  // not 1
  EXPECT_EQ(store.ReadDword(kKey, "GF High"), 0x55u);

  ASSERT_TRUE(store.WriteDword(kKey, "Units", 1));
  EXPECT_FALSE(store.ReadDword(kKey, "GF Low"));
  EXPECT_EQ(ReadFileText(file).find("GF Low"), std::string::npos);
  const auto copies = FilesNamed(folders.Config(), "registry.reg.damaged-");
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(ReadFileText(copies[0]), kDamagedStore);
  ASSERT_EQ(recorded.faults.size(), 1u);
  EXPECT_EQ(recorded.faults[0].kind, Kind::kDamagedLinesKept);
  EXPECT_EQ(recorded.faults[0].file, file);
  EXPECT_EQ(recorded.faults[0].detail, copies[0].string());
  EXPECT_EQ(recorded.faults[0].refusedLines, std::vector<std::string>{"\"GF Low\"=dword:0000001"});
}

TEST(RegistryStore, RefusedLinesAreNotDroppedUnlessTheirCopyIsOnDisk) {
  TempFolders folders;
  RecordedFaults recorded;
  const auto file = folders.Config() / "registry.reg";
  WriteFileText(file, kDamagedStore);
  platform::RegistryStore store(file);
  struct Case {
    FileFault fault;
    const char* reason;
  };
  // A full disk, as one that took the copy's name but none of its bytes.
  for (const Case& c : {Case{FileFault::kWrite, "No space left on device"}, Case{FileFault::kSync, "Cannot flush"},
                        Case{FileFault::kClose, "Cannot close"}}) {
    SCOPED_TRACE(c.reason);
    recorded.faults.clear();
    {
      ScopedFileFault full(c.fault, folders.Config());
      EXPECT_FALSE(store.WriteDword(kKey, "Units", 1));
    }
    EXPECT_EQ(ReadFileText(file), kDamagedStore);
    EXPECT_EQ(FilesStartingWith(folders.Config(), "registry.reg."), 1u);  // the lock only
    ASSERT_EQ(recorded.faults.size(), 1u);
    EXPECT_EQ(recorded.faults[0].kind, Kind::kWriteFailed);
    EXPECT_NE(recorded.faults[0].detail.find("could not be kept aside"), std::string::npos) << recorded.faults[0].detail;
    EXPECT_NE(recorded.faults[0].detail.find(c.reason), std::string::npos) << recorded.faults[0].detail;
  }
  ASSERT_TRUE(store.WriteDword(kKey, "Units", 1));
  EXPECT_EQ(FilesStartingWith(folders.Config(), "registry.reg.damaged-"), 1u);
}

TEST(RegistryStore, AReadOnlyConfigFolderKeepsALinkedStoreWithRefusedLines) {
  const OrdinaryUser user;
  if (!user.Unavailable().empty()) GTEST_SKIP() << user.Unavailable();
  TempFolders folders;
  const auto config = folders.Config() / "Velmar";
  const auto elsewhere = folders.Root() / "elsewhere";
  std::filesystem::create_directories(config);
  std::filesystem::create_directories(elsewhere);
  WriteFileText(elsewhere / "registry.reg", kDamagedStore);
  std::filesystem::create_symlink(elsewhere / "registry.reg", config / "registry.reg");
  WriteFileText(config / "registry.reg.lock", "");
  user.Own(folders.Root());
  std::filesystem::permissions(config, std::filesystem::perms(0555));
  const std::string failures = user.Run([&] {
    RecordedFaults recorded;
    platform::RegistryStore store(config / "registry.reg");
    std::string failed;
    if (store.WriteDword(kKey, "Units", 1)) failed += "written; ";
    if (ReadFileText(elsewhere / "registry.reg") != kDamagedStore) failed += "the store changed; ";
    if (!std::filesystem::is_symlink(config / "registry.reg")) failed += "the link is gone; ";
    if (recorded.faults.size() != 1 || recorded.faults[0].kind != Kind::kWriteFailed ||
        recorded.faults[0].detail.find("Permission denied") == std::string::npos) {
      failed += "not reported as a failed write; ";
    }
    return failed;
  });
  std::filesystem::permissions(config, std::filesystem::perms(0755));
  EXPECT_EQ(failures, "");
}

TEST(RegistryStore, AReadOnlyStoreIsNotReplacedAndItsCopyIsKeptOnce) {
  TempFolders folders;
  RecordedFaults recorded;
  const auto file = folders.Config() / "registry.reg";
  WriteFileText(file, kDamagedStore);
  std::filesystem::permissions(file, std::filesystem::perms(0444));
  platform::RegistryStore store(file);
  EXPECT_FALSE(store.WriteDword(kKey, "Units", 1));
  EXPECT_FALSE(store.WriteDword(kKey, "Units", 2));
  EXPECT_EQ(ReadFileText(file), kDamagedStore);
  EXPECT_EQ(std::filesystem::status(file).permissions(), std::filesystem::perms(0444));
  EXPECT_EQ(FilesStartingWith(folders.Config(), "registry.reg.damaged-"), 1u);
  EXPECT_EQ(FilesStartingWith(folders.Config(), "registry.reg.tmp"), 0u);
  ASSERT_EQ(recorded.faults.size(), 3u);
  EXPECT_EQ(recorded.faults[0].kind, Kind::kDamagedLinesKept);
  for (int i : {1, 2}) {
    EXPECT_EQ(recorded.faults[i].kind, Kind::kWriteFailed);
    EXPECT_EQ(recorded.faults[i].detail, "The file " + file.string() + " is read-only");
  }
}

TEST(RegistryStore, ADamagedStoreThatStaysDamagedHasOneCopyForEachContentItHeld) {
  TempFolders folders;
  RecordedFaults recorded;
  const auto file = folders.Config() / "registry.reg";
  const std::string otherDamage = kDamagedStore + "1\r\nrubbish";
  // A copy-like name of other contents, and a link to the damaged contents, are no copies of them.
  WriteFileText(folders.Config() / "registry.reg.damaged-20260101-000000-1", otherDamage);
  WriteFileText(folders.Root() / "outside", kDamagedStore);
  std::filesystem::create_symlink(folders.Root() / "outside", folders.Config() / "registry.reg.damaged-link");
  WriteFileText(file, kDamagedStore);
  std::filesystem::permissions(file, std::filesystem::perms(0444));

  // Each store stands for one start of the program.
  for (int start = 0; start < 3; ++start) {
    platform::RegistryStore store(file);
    EXPECT_FALSE(store.WriteDword(kKey, "Units", 1));
  }
  std::vector<std::filesystem::path> copies = FilesNamed(folders.Config(), "registry.reg.damaged-2");
  ASSERT_EQ(copies.size(), 2u);
  std::erase(copies, folders.Config() / "registry.reg.damaged-20260101-000000-1");
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(ReadFileText(copies[0]), kDamagedStore);
  // Every start tells where the lines that cannot be read are kept.
  std::vector<std::string> keptIn;
  for (const platform::RegistryFault& fault : recorded.faults) {
    if (fault.kind == Kind::kDamagedLinesKept) keptIn.push_back(fault.detail);
  }
  EXPECT_EQ(keptIn, std::vector<std::string>(3, copies[0].string()));

  // Other damage is kept in a copy of its own, once.
  std::filesystem::permissions(file, std::filesystem::perms(0644));
  WriteFileText(file, otherDamage + "\r\nmore rubbish");
  std::filesystem::permissions(file, std::filesystem::perms(0444));
  for (int start = 0; start < 2; ++start) {
    platform::RegistryStore store(file);
    EXPECT_FALSE(store.WriteDword(kKey, "Units", 1));
  }
  EXPECT_EQ(FilesNamed(folders.Config(), "registry.reg.damaged-2").size(), 3u);
}

namespace {

// A second process that holds the store's lock for holdTime, then ends; returns once it holds it.
pid_t HoldLockElsewhere(const std::filesystem::path& lockFile, std::chrono::milliseconds holdTime) {
  int ready[2];
  if (::pipe(ready) != 0) return -1;
  const pid_t child = fork();
  if (child == 0) {
    const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT, 0600);
    if (fd < 0 || ::flock(fd, LOCK_EX) != 0) _exit(1);
    if (::write(ready[1], "x", 1) != 1) _exit(1);
    std::this_thread::sleep_for(holdTime);
    _exit(0);
  }
  ::close(ready[1]);
  char byte = 0;
  const bool held = ::read(ready[0], &byte, 1) == 1;
  ::close(ready[0]);
  return held ? child : -1;
}

bool EndedWell(pid_t child) {
  int status = 0;
  return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

TEST(RegistryStore, AWriteFailsWhenAnotherProcessKeepsTheLockPastTheWaitLimit) {
  EXPECT_EQ(platform::kRegistryLockWaitLimit, std::chrono::seconds(10));
  TempFolders folders;
  RecordedFaults recorded;
  const auto file = folders.Config() / "registry.reg";
  const std::filesystem::path lockFile = folders.Config() / "registry.reg.lock";
  platform::RegistryStore store(file, std::chrono::milliseconds(300));
  ASSERT_TRUE(store.WriteDword(kKey, "GF Low", 30));
  const std::string before = ReadFileText(file);

  const pid_t holder = HoldLockElsewhere(lockFile, std::chrono::seconds(3));
  ASSERT_GT(holder, 0);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(store.WriteDword(kKey, "GF Low", 40));
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_GE(waited, std::chrono::milliseconds(300));
  EXPECT_LT(waited, std::chrono::milliseconds(2500));  // it did not wait for the holder to end
  EXPECT_EQ(ReadFileText(file), before);
  ASSERT_EQ(recorded.faults.size(), 1u);
  EXPECT_EQ(recorded.faults[0].kind, Kind::kWriteFailed);
  EXPECT_EQ(recorded.faults[0].file, file);
  EXPECT_EQ(recorded.faults[0].detail, "Another program has held the lock " + lockFile.string() + " for 300 ms");
  EXPECT_TRUE(EndedWell(holder));

  // Once the other process has let go, writes go through again.
  ASSERT_TRUE(store.WriteDword(kKey, "GF Low", 40));
  EXPECT_EQ(store.ReadDword(kKey, "GF Low"), 40u);
}

TEST(RegistryStore, AWriteWaitsForALockReleasedWithinTheWaitLimit) {
  TempFolders folders;
  RecordedFaults recorded;
  const auto file = folders.Config() / "registry.reg";
  platform::RegistryStore store(file);  // the program's wait
  const pid_t holder = HoldLockElsewhere(folders.Config() / "registry.reg.lock", std::chrono::milliseconds(400));
  ASSERT_GT(holder, 0);
  EXPECT_TRUE(store.WriteDword(kKey, "GF Low", 30));
  EXPECT_TRUE(EndedWell(holder));
  EXPECT_EQ(store.ReadDword(kKey, "GF Low"), 30u);
  EXPECT_TRUE(recorded.faults.empty());
}
