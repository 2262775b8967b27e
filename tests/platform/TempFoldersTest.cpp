// The tests' own folders: a temporary folder that cannot be made is reported, never used.
#include "tests/support/TempFolders.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "tests/support/OrdinaryUser.h"

namespace fs = std::filesystem;

TEST(TempFoldersTest, AFolderThatCannotBeMadeIsReportedWithTheSystemsReason) {
  const OrdinaryUser user;
  if (!user.Unavailable().empty()) GTEST_SKIP() << user.Unavailable();
  const TempFolders outer;
  const fs::path locked = outer.Root() / "locked";
  fs::create_directory(locked);
  user.Own(outer.Root());
  fs::permissions(locked, fs::perms(0555));
  const std::string failures = user.Run([&] {
    ::setenv("TMPDIR", locked.c_str(), 1);
    try {
      const TempFolders inner;
      return "made " + inner.Root().string();
    } catch (const std::system_error& error) {
      const std::string what = error.what();
      std::string failed;
      if (error.code() != std::errc::permission_denied) failed += "reason " + error.code().message() + "; ";
      if (what.rfind("Cannot make a temporary folder " + (locked / "vt-test-").string(), 0) != 0 ||
          !what.ends_with(std::string(": ") + std::strerror(EACCES))) {
        failed += "told: " + what;
      }
      return failed;
    }
  });
  fs::permissions(locked, fs::perms(0755));
  EXPECT_EQ(failures, "");
}
