#include "engine/support/VersionInfo.h"

#include <gtest/gtest.h>

#include "platform/UserFolders.h"

TEST(VersionInfo, NothingBeforeLoad) {
  CVersionInfo info;
  EXPECT_FALSE(info.IsLoaded());
  EXPECT_EQ(info.GetValue("FileVersion"), "");
}

TEST(VersionInfo, ReadsTheProgramsOwnVersionBlock) {
  CVersionInfo info;
  ASSERT_TRUE(info.LoadOwnModule());
  EXPECT_EQ(info.GetTranslation(), 0x040904B0u);
  EXPECT_EQ(info.GetValue("CompanyName"), "Oskerby Ltd.");
  EXPECT_EQ(info.GetValue("NoSuchValue"), "");
  EXPECT_EQ(info.GetValue("CompanyName", 0x040A04E4u), "");  // another translation
  const std::string version = info.GetProductVersion();
  EXPECT_FALSE(version.empty());
  EXPECT_EQ(CVersionInfo::DottedVersion(version).find_first_of(", "), std::string::npos);

  CVersionInfo byPath;
  EXPECT_TRUE(byPath.Load(platform::ExecutablePath().string()));
  EXPECT_EQ(byPath.GetProductVersion(), version);
  info.Free();
  EXPECT_EQ(info.GetProductVersion(), "");
}

TEST(VersionInfo, OtherFilesHaveNoVersionBlock) {
  CVersionInfo info;
  EXPECT_FALSE(info.Load("/bin/sh"));
  EXPECT_FALSE(info.Load("/nonexistent/file"));
  EXPECT_EQ(info.GetProductVersion(), "");
}

TEST(VersionInfo, DottedVersionTurnsCommasIntoPoints) {
  EXPECT_EQ(CVersionInfo::DottedVersion("1, 2, 3, 4"), "1.2.3.4");
  EXPECT_EQ(CVersionInfo::DottedVersion("1.0.0.1"), "1.0.0.1");
  EXPECT_EQ(CVersionInfo::DottedVersion(""), "");
}
