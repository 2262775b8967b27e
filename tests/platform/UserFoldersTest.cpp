#include "platform/UserFolders.h"

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "tests/support/KeptVariables.h"
#include "tests/support/TempFolders.h"

TEST(UserFolders, HonourTheXdgVariables) {
  TempFolders folders;
  EXPECT_EQ(platform::ConfigFolder(), folders.Config());
  EXPECT_EQ(platform::DataFolder(), folders.Data());
}

TEST(UserFolders, FallBackBelowHome) {
  TempFolders folders;
  ::unsetenv("XDG_CONFIG_HOME");
  ::setenv("XDG_DATA_HOME", "relative/is/ignored", 1);
  EXPECT_EQ(platform::ConfigFolder(), platform::HomeFolder() / ".config");
  EXPECT_EQ(platform::DataFolder(), platform::HomeFolder() / ".local/share");
}

TEST(UserFolders, KnowsTheProgramsOwnFolder) {
  EXPECT_EQ(platform::ExecutablePath().filename(), "platform_tests");
  EXPECT_TRUE(std::filesystem::is_directory(platform::ExecutableFolder()));
}

// A relative or empty HOME would put the settings and the log wherever the program was started.
TEST(UserFolders, ARelativeOrEmptyHomeIsTakenFromThePasswordDatabase) {
  TempFolders folders;
  const char* oldHome = std::getenv("HOME");
  const std::string kept = oldHome != nullptr ? oldHome : "";
  const passwd* entry = ::getpwuid(::getuid());
  ASSERT_NE(entry, nullptr);
  const std::filesystem::path databaseHome = entry->pw_dir;
  ::unsetenv("XDG_CONFIG_HOME");
  ::unsetenv("XDG_DATA_HOME");
  for (const char* home : {"rel", "", "./rel/../x"}) {
    ::setenv("HOME", home, 1);
    EXPECT_EQ(platform::HomeFolder(), databaseHome) << '"' << home << '"';
    EXPECT_EQ(platform::ConfigFolder(), databaseHome / ".config") << '"' << home << '"';
    EXPECT_EQ(platform::DataFolder(), databaseHome / ".local/share") << '"' << home << '"';
  }
  ::setenv("HOME", folders.Root().c_str(), 1);
  EXPECT_EQ(platform::HomeFolder(), folders.Root());
  if (oldHome != nullptr) {
    ::setenv("HOME", kept.c_str(), 1);
  } else {
    ::unsetenv("HOME");
  }
}

namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "(unset)";
}

}  // namespace

// The toolkit and the browser engine read these variables themselves: a relative one would make
// them write below the folder the program was started in.
TEST(UserFolders, RelativeOrEmptyFolderVariablesAreReplacedByTheFoldersTaken) {
  KeptVariables kept({"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"});
  const passwd* entry = ::getpwuid(::getuid());
  ASSERT_NE(entry, nullptr);
  const std::string databaseHome = entry->pw_dir;
  for (const char* home : {"rel", "", "./x/../y"}) {
    ::setenv("HOME", home, 1);
    ::setenv("XDG_CONFIG_HOME", "/abs/config", 1);
    ::unsetenv("XDG_DATA_HOME");
    ::setenv("XDG_CACHE_HOME", "cache", 1);
    platform::AnchorUserFolders();
    EXPECT_EQ(Variable("HOME"), databaseHome) << '"' << home << '"';
    EXPECT_EQ(Variable("XDG_CONFIG_HOME"), "/abs/config") << '"' << home << '"';
    EXPECT_EQ(Variable("XDG_DATA_HOME"), "(unset)") << '"' << home << '"';
    EXPECT_EQ(Variable("XDG_CACHE_HOME"), databaseHome + "/.cache") << '"' << home << '"';
  }
  // Below an absolute home, a relative or empty XDG variable names the usual folder there.
  ::setenv("HOME", "/home/diver", 1);
  ::setenv("XDG_CONFIG_HOME", "", 1);
  ::setenv("XDG_DATA_HOME", "./data", 1);
  ::unsetenv("XDG_CACHE_HOME");
  platform::AnchorUserFolders();
  EXPECT_EQ(Variable("HOME"), "/home/diver");
  EXPECT_EQ(Variable("XDG_CONFIG_HOME"), "/home/diver/.config");
  EXPECT_EQ(Variable("XDG_DATA_HOME"), "/home/diver/.local/share");
  EXPECT_EQ(Variable("XDG_CACHE_HOME"), "(unset)");
}
