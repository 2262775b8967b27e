// A settings write that fails is logged each time and told to the user once in a run.
#include "engine/SettingsFaultReport.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>

#include "engine/RegSetting.h"
#include "engine/support/DebugLog.h"
#include "tests/support/FileFaults.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/TempFolders.h"

namespace {

constexpr const char* kGfLowPath = "Software\\Velmar\\VelmarTessaline\\Settings\\Dive\\GF Low";

class SettingsFaultReportTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(TheDebugLog().Open("Velmar", "SettingsFaultReportTest"));
    TheDebugLog().SetEnabled(true);
    TheDebugLog().SetTimeStamps(false);
    InstallSettingsFaultReport(&report);
  }
  void TearDown() override { InstallSettingsFaultReport(nullptr); }

  static std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
  }

  TempFolders folders;
  ScriptedUserInterface userInterface;
  CSettingsFaultReport report;
};

}  // namespace

TEST_F(SettingsFaultReportTest, TheFirstFailedWriteOfARunIsToldOnceAndEveryOneIsLogged) {
  const std::filesystem::path store = folders.Config() / "Velmar" / "registry.reg";
  CRegSettingDword gfLow(kGfLowPath, 20);
  gfLow.Set(25);
  ASSERT_TRUE(userInterface.questions.empty());
  const std::string before = ReadFileText(store);

  {
    ScopedFileFault full(FileFault::kWrite, folders.Config());
    gfLow.Set(30);
    ASSERT_EQ(userInterface.questions.size(), 1u);
    // The file, the reason (the temporary that could not be written) and what follows for the user.
    const std::string& text = userInterface.questions[0].text;
    const std::string start = "The settings cannot be saved in " + store.string() + ".\n\nCannot write " +
                              store.string() + ".tmp-" + std::to_string(::getpid()) + "-";
    const std::string end = std::string(": ") + std::strerror(ENOSPC) +
                            "\n\nChanges to the settings will last only until the program ends.";
    EXPECT_EQ(text.rfind(start, 0), 0u) << text;
    EXPECT_TRUE(text.size() > end.size() && text.substr(text.size() - end.size()) == end) << text;
    EXPECT_EQ(userInterface.questions[0].flags, platform::mb::kOk | platform::mb::kIconExclamation);
    gfLow.Set(35);
    EXPECT_EQ(userInterface.questions.size(), 1u);
  }
  // The value lives on in memory; the file keeps what it held.
  EXPECT_EQ(gfLow.Get(), 35u);
  EXPECT_EQ(ReadFileText(store), before);
  const std::string log = ReadFileText(TheDebugLog().GetFileName());
  EXPECT_EQ(Count(log, "Unable to write settings file " + store.string() + " - Cannot write "), 2u) << log;

  // Later failures of the same run stay in the log only.
  std::filesystem::permissions(store, std::filesystem::perms(0444));
  gfLow.Set(40);
  EXPECT_EQ(userInterface.questions.size(), 1u);
  EXPECT_EQ(Count(ReadFileText(TheDebugLog().GetFileName()),
                  "Unable to write settings file " + store.string() + " - The file " + store.string() + " is read-only"),
            1u);
}

TEST_F(SettingsFaultReportTest, ARefusedLineIsLoggedWithItsCopy) {
  const std::filesystem::path store = folders.Config() / "Velmar" / "registry.reg";
  std::filesystem::create_directories(store.parent_path());
  WriteFileText(store, "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Velmar\\VelmarTessaline\\Settings\\Dive]\r\n"
                       "\"GF Low\"=dword:0000001");
  CRegSettingDword gfLow(kGfLowPath, 20);
  EXPECT_EQ(gfLow.Get(), 20u);  // the default, not 1
  gfLow.Set(30);
  EXPECT_TRUE(userInterface.questions.empty());
  const std::string log = ReadFileText(TheDebugLog().GetFileName());
  EXPECT_NE(log.find("Settings file " + store.string() + " holds lines that cannot be read - defaults are used for "
                     "them and the file as it was is kept in " + store.string() + ".damaged-"),
            std::string::npos) << log;
  EXPECT_NE(log.find("Settings line refused - \"GF Low\"=dword:0000001\n"), std::string::npos) << log;
}

TEST_F(SettingsFaultReportTest, ALockHeldPastTheWaitLimitIsToldAndLoggedAsAFailedWrite) {
  const std::filesystem::path file = folders.Config() / "registry.reg";
  const std::filesystem::path lockFile = folders.Config() / "registry.reg.lock";
  platform::RegistryStore store(file, std::chrono::milliseconds(200));
  const int held = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);  // as another program's
  ASSERT_GE(held, 0);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  EXPECT_FALSE(store.WriteDword("Software\\Velmar", "A", 1));
  ::close(held);

  const std::string why = "Another program has held the lock " + lockFile.string() + " for 200 ms";
  ASSERT_EQ(userInterface.questions.size(), 1u);
  EXPECT_EQ(userInterface.questions[0].text, "The settings cannot be saved in " + file.string() + ".\n\n" + why +
                                                 "\n\nChanges to the settings will last only until the program ends.");
  const std::string log = ReadFileText(TheDebugLog().GetFileName());
  EXPECT_EQ(Count(log, "Unable to write settings file " + file.string() + " - " + why + "\n"), 1u) << log;
  EXPECT_FALSE(std::filesystem::exists(file));
}
