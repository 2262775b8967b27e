#include "platform/UserFolders.h"

#include <gtest/gtest.h>

#include <cstdlib>

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
