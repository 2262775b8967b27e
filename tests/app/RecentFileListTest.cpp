// The recent-file list in the profile: reading, writing and the order of its entries.
#include "app/core/RecentFileList.h"

#include <gtest/gtest.h>

#include "platform/Registry.h"
#include "tests/support/TempFolders.h"

using app::CRecentFileList;
using app::kRecentFileKey;

TEST(RecentFileList, ReadsTheFilesInOrderSkippingGapsAndRepeats) {
  TempFolders folders;
  auto& registry = platform::Registry();
  registry.WriteString(kRecentFileKey, "File1", "/plans/a.ccp");
  registry.WriteString(kRecentFileKey, "File2", "");
  registry.WriteString(kRecentFileKey, "File3", "/plans/c.ccp");
  registry.WriteString(kRecentFileKey, "File4", "/plans/a.ccp");
  registry.WriteString(kRecentFileKey, "File5", "/plans/e.ccp");  // beyond the list's four places
  CRecentFileList list(4);
  list.ReadList();
  EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/plans/a.ccp", "/plans/c.ccp"}));
}

TEST(RecentFileList, AddingPutsThePathFirstAndDropsTheOldest) {
  CRecentFileList list(4);
  for (const char* path : {"/p/1.ccp", "/p/2.ccp", "/p/3.ccp", "/p/4.ccp"}) list.Add(path);
  EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/p/4.ccp", "/p/3.ccp", "/p/2.ccp", "/p/1.ccp"}));
  list.Add("/p/5.ccp");
  EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/p/5.ccp", "/p/4.ccp", "/p/3.ccp", "/p/2.ccp"}));
  list.Add("/p/3.ccp");  // already listed: moves up, nothing drops off
  EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/p/3.ccp", "/p/5.ccp", "/p/4.ccp", "/p/2.ccp"}));
  list.Add("");
  EXPECT_EQ(list.Entries().size(), 4u);
}

TEST(RecentFileList, WritingStoresTheEntriesAndClearsTheRest) {
  TempFolders folders;
  auto& registry = platform::Registry();
  for (const char* name : {"File1", "File2", "File3", "File4"}) registry.WriteString(kRecentFileKey, name, "/old.ccp");
  CRecentFileList list(4);
  list.Add("/p/b.ccp");
  list.Add("/p/a.ccp");
  list.WriteList();
  EXPECT_EQ(registry.ReadString(kRecentFileKey, "File1"), std::optional<std::string>("/p/a.ccp"));
  EXPECT_EQ(registry.ReadString(kRecentFileKey, "File2"), std::optional<std::string>("/p/b.ccp"));
  EXPECT_EQ(registry.ReadString(kRecentFileKey, "File3"), std::nullopt);
  EXPECT_EQ(registry.ReadString(kRecentFileKey, "File4"), std::nullopt);
  CRecentFileList again(4);
  again.ReadList();
  EXPECT_EQ(again.Entries(), list.Entries());
}

TEST(RecentFileList, MenuTextNumbersFromOneAndKeepsAmpersands) {
  EXPECT_EQ(CRecentFileList::MenuText(0, "/plans/a.ccp"), "&1 /plans/a.ccp");
  EXPECT_EQ(CRecentFileList::MenuText(3, "/plans/Fish & Chips.ccp"), "&4 /plans/Fish && Chips.ccp");
}
