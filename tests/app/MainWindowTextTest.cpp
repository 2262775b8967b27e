// The main window's title, tab captions, tab selection after a change of the page count, and
// the settings it logs when it starts.
#include "app/core/MainWindowText.h"

#include <gtest/gtest.h>

#include "engine/AppSettings.h"
#include "platform/Registry.h"
#include "tests/support/TempFolders.h"

using app::MainWindowTitle;
using app::SelectionAfterTabCountChange;
using app::TabCaption;

TEST(MainWindowTitle, VersionThenFileNameThenTheUnsavedMark) {
  EXPECT_EQ(MainWindowTitle("3, 0, 5, 0", "", false), "Velmar Tessaline v3.0.5.0");
  EXPECT_EQ(MainWindowTitle("3, 0, 5, 0", "", true), "Velmar Tessaline v3.0.5.0 *");
  EXPECT_EQ(MainWindowTitle("1, 0, 0, 1", "/home/diver/plans/Wreck week.ccp", false),
            "Velmar Tessaline v1.0.0.1 - Wreck week.ccp");
  EXPECT_EQ(MainWindowTitle("1, 0, 0, 1", "/home/diver/plans/Wreck week.ccp", true),
            "Velmar Tessaline v1.0.0.1 - Wreck week.ccp *");
  EXPECT_EQ(MainWindowTitle("1, 0, 0, 1", "relative.ccp", false), "Velmar Tessaline v1.0.0.1 - relative.ccp");
}

TEST(TabCaption, NumberFromOneWithTheNameWhenThereIsOne) {
  EXPECT_EQ(TabCaption("", 0, false), "Dive 1");
  EXPECT_EQ(TabCaption("", 29, false), "Dive 30");
  EXPECT_EQ(TabCaption("", 2, true), "Bailout 3");
  EXPECT_EQ(TabCaption("Wreck", 1, false), "Dive 2 - Wreck");
  EXPECT_EQ(TabCaption("Cave - day 2", 4, true), "Bailout 5 - Cave - day 2");
}

TEST(TabSelection, GrowingSelectsTheNewLastTab) {
  EXPECT_EQ(SelectionAfterTabCountChange(2, 5, 0), 4);
  EXPECT_EQ(SelectionAfterTabCountChange(0, 5, 0), 4);
  EXPECT_EQ(SelectionAfterTabCountChange(29, 30, 3), 29);
}

TEST(TabSelection, ShrinkingMovesTheSelectionDownByThePagesRemoved) {
  // Six tabs with tab 6 selected, down to four: tab 4.
  EXPECT_EQ(SelectionAfterTabCountChange(6, 4, 5), 3);
  // Six tabs with tab 2 selected, down to three: 1 - 3 is below the first tab, so tab 1.
  EXPECT_EQ(SelectionAfterTabCountChange(6, 3, 1), 0);
  // Deleting the active dive 3 of 4 (the last page goes): tab 2.
  EXPECT_EQ(SelectionAfterTabCountChange(4, 3, 2), 1);
  EXPECT_EQ(SelectionAfterTabCountChange(3, 1, 2), 0);
}

namespace {

const std::string kSettings = "Software\\Velmar\\VelmarTessaline\\Settings";

}  // namespace

TEST(SettingsLogLines, BelowLevelFourOnlyTheLevel) {
  TempFolders folders;
  platform::Registry().WriteDword(kSettings, "Debug Level", 3);
  LoadRegistrySettings();
  EXPECT_EQ(app::SettingsLogLines(AppSettings()), std::vector<std::string>{"Debug Message Level 3"});
}

TEST(SettingsLogLines, AtLevelFourTheNineSettingsFollow) {
  TempFolders folders;
  auto& registry = platform::Registry();
  registry.WriteDword(kSettings, "Debug Level", 4);
  registry.WriteString(kSettings + "\\Directories", "Default Directory", "/data/plans");
  registry.WriteString(kSettings + "\\Directories", "Default Settings Directory", "/data/100% tables");
  registry.WriteDword(kSettings + "\\General", "Chart Grid Enable", 0);
  registry.WriteDword(kSettings + "\\General", "Auto Recalc", 1);
  registry.WriteDword(kSettings + "\\Dive Plan", "Surface Interval Algorithm", 1);
  registry.WriteDword(kSettings + "\\Dive Plan", "Algorithm", 0);  // read as ZH-L16C
  registry.WriteDword(kSettings + "\\General", "Printing Direction", 0);
  registry.WriteDword(kSettings + "\\General", "Time Units", 1);
  registry.WriteDword(kSettings + "\\General", "First Ascent Option", 1);
  LoadRegistrySettings();
  const std::vector<std::string> expected = {
      "Debug Message Level 4",
      "Registry Settings",
      "   Default Dir - /data/plans",
      "   Default Settings Dir - /data/100% tables",
      "   Chart Grid Enable - Disabled",
      "   Auto Recalc - Enabled",
      "   Surface Interval Algorithm - Buhlmann",
      "   Buhlmann Algorithm - ZH-L16C",
      "   Print Direction - Run Time Descending down the page",
      "   Time Units - Minutes & Seconds",
      "   First Ascent Option - Detailed 1st Ascent",
  };
  EXPECT_EQ(app::SettingsLogLines(AppSettings()), expected);
}

TEST(SettingsLogLines, TheOtherTextsAtTheDefaultsOfAFreshInstallation) {
  TempFolders folders;
  platform::Registry().WriteDword(kSettings, "Debug Level", 7);
  platform::Registry().WriteDword(kSettings + "\\Dive Plan", "Algorithm", 2);  // custom: the A text
  LoadRegistrySettings();
  const std::vector<std::string> lines = app::SettingsLogLines(AppSettings());
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines[0], "Debug Message Level 7");
  EXPECT_EQ(lines[4], "   Chart Grid Enable - Enabled");
  EXPECT_EQ(lines[6], "   Surface Interval Algorithm - SDS");
  EXPECT_EQ(lines[7], "   Buhlmann Algorithm - ZH-L16A");
  EXPECT_EQ(lines[8], "   Print Direction - Run Time Ascending up the page");
  EXPECT_EQ(lines[9], "   Time Units - Minutes Only");
  EXPECT_EQ(lines[10], "   First Ascent Option - Merged 1st Ascent");
}
