// Start-up of the real program: the disclaimer decides whether the planner runs at all; the
// start-up and shut-down lines of the diagnostic log.
#include <gtest/gtest.h>

#include <wx/textctrl.h>

#include "app/DivePlannerDlg.h"
#include "app/LiabilityRichEdit.h"
#include "engine/PlanGroup.h"
#include "engine/support/DebugLog.h"
#include "platform/Registry.h"
#include "resources/resource.h"
#include "tests/app/ProgramRun.h"
#include "tests/support/TempFolders.h"

namespace {

const char* const kPlacementKey = "Software\\Velmar\\VelmarTessaline\\ResizableState";

app::CLiabilityRichEdit* Disclaimer() { return FindShown<app::CLiabilityRichEdit>(); }

bool DisclaimerHasFocus() {
  wxWindow* focus = wxWindow::FindFocus();
  return Disclaimer() != nullptr && focus != nullptr && wxGetTopLevelParent(focus) == Disclaimer();
}

bool IsBoldAt(wxTextCtrl& text, long position) {
  wxTextAttr style;
  return text.GetStyle(position, style) && style.GetFontWeight() == wxFONTWEIGHT_BOLD;
}

std::size_t IndexOf(const std::vector<std::string>& lines, const std::string& line) {
  return static_cast<std::size_t>(std::find(lines.begin(), lines.end(), line) - lines.begin());
}

bool AnyLineHas(const std::vector<std::string>& lines, const std::string& part) {
  return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.find(part) != std::string::npos; });
}

}  // namespace

TEST(Startup, ExitOnTheDisclaimerEndsWithStatusZeroBeforeAnyMainWindow) {
  TempFolders folders;
  ProgramRun run;
  run.Then("the disclaimer", [] { return Disclaimer() != nullptr; },
           [] { ClickOn(Disclaimer()->FindWindow(IDC_LIABILITY_EXIT)); });
  EXPECT_EQ(run.Run({}), 0);
  const std::vector<std::string> log = DiagnosticLogLines(folders.Data());
  EXPECT_EQ(log, std::vector<std::string>{"Velmar Tessaline Startup"});
  EXPECT_FALSE(AnyLineHas(log, "Shutdown"));
  // The main window never existed, so it never kept a placement; the disclaimer did.
  EXPECT_EQ(platform::Registry().ReadString(kPlacementKey, "VelmarTessalineWindowPlacement"), std::nullopt);
  EXPECT_NE(platform::Registry().ReadString(kPlacementKey, "VelmarTessalineLiabilityWindowPlacement"), std::nullopt);
}

TEST(Startup, EnterOnTheDisclaimerPressesExitItsDefaultButton) {
  TempFolders folders;
  ProgramRun run;
  run.Then("the disclaimer with the focus", [] { return DisclaimerHasFocus(); }, [] { PressKey(WXK_RETURN); });
  EXPECT_EQ(run.Run({}), 0);
  EXPECT_EQ(DiagnosticLogLines(folders.Data()), std::vector<std::string>{"Velmar Tessaline Startup"});
}

TEST(Startup, EnterOnAFocusedIAgreeAgrees) {
  TempFolders folders;
  ProgramRun run;
  run.Then("the disclaimer with the focus", [] { return DisclaimerHasFocus(); },
           [] { Disclaimer()->FindWindow(framework::kIdOk)->SetFocus(); })
      .Then("I Agree with the focus", [] { return wxWindow::FindFocus() == Disclaimer()->FindWindow(framework::kIdOk); },
            [] { PressKey(WXK_RETURN); })
      .Then("the main window", [] { return MainWindow() != nullptr; }, [] { MainWindow()->Close(); });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
}

TEST(Startup, TheDisclaimerShowsItsBoldRunsAndComesBackWhereItWas) {
  TempFolders folders;
  platform::Registry().WriteString(kPlacementKey, "VelmarTessalineLiabilityWindowPlacement", "50,60,850,710,1,0,0,0");
  wxRect text;
  wxRect agree;
  wxRect exit;
  ProgramRun run;
  run.Then("the disclaimer where it was left", [] { return Disclaimer() != nullptr && Disclaimer()->GetRect() == wxRect(50, 60, 800, 650); },
           [&] {
             app::CLiabilityRichEdit& dialog = *Disclaimer();
             auto* box = dynamic_cast<wxTextCtrl*>(dialog.FindWindow(IDC_LIABILITY_TEXT));
             ASSERT_NE(box, nullptr);
             EXPECT_FALSE(box->IsEditable());
             const wxString all = box->GetValue();
             EXPECT_TRUE(all.StartsWith("WARNING!\n\nVelmar Tessaline, a Theoretical Dive Planner,")) << all.Left(80);
             EXPECT_TRUE(all.EndsWith("gives no warranty of any kind, expressed or implied.\n\n"));
             EXPECT_EQ(all, app::CLiabilityRichEdit::FullText());
             // Runs 1, 4, 5, 7, 9 and 13 are bold; 2, 3 and 14 are not.
             EXPECT_TRUE(IsBoldAt(*box, 0));
             EXPECT_FALSE(IsBoldAt(*box, all.Find("a Theoretical Dive Planner")));
             EXPECT_FALSE(IsBoldAt(*box, all.Find("Every effort is made")));
             EXPECT_TRUE(IsBoldAt(*box, all.Find("The planner is a number cruncher")));
             EXPECT_TRUE(IsBoldAt(*box, all.Find("All dive profiles involve a risk")));
             EXPECT_TRUE(IsBoldAt(*box, all.Find("can result in neurological dysfunction")));
             EXPECT_TRUE(IsBoldAt(*box, all.Find("In short, this is a development tool")));
             EXPECT_TRUE(IsBoldAt(*box, all.Find("DISCLAIMER")));
             EXPECT_FALSE(IsBoldAt(*box, all.Find("By using this product")));
             text = box->GetRect();
             agree = dialog.FindWindow(framework::kIdOk)->GetRect();
             exit = dialog.FindWindow(IDC_LIABILITY_EXIT)->GetRect();
             dialog.SetSize(wxRect(40, 30, 900, 780));
           })
      .Then("the disclaimer made larger", [] { return Disclaimer()->GetRect() == wxRect(40, 30, 900, 780); },
            [&] {
              app::CLiabilityRichEdit& dialog = *Disclaimer();
              Pump();
              const wxSize client = dialog.GetClientSize();
              // The text grows with the window; the buttons keep their size, stay together
              // centred and keep their distance from the bottom.
              const wxRect newText = dialog.FindWindow(IDC_LIABILITY_TEXT)->GetRect();
              const wxRect newAgree = dialog.FindWindow(framework::kIdOk)->GetRect();
              const wxRect newExit = dialog.FindWindow(IDC_LIABILITY_EXIT)->GetRect();
              EXPECT_EQ(newText.GetTopLeft(), text.GetTopLeft());
              EXPECT_EQ(newText.width - text.width, 100);
              EXPECT_EQ(newText.height - text.height, 130);
              EXPECT_EQ(newAgree.GetSize(), agree.GetSize());
              EXPECT_EQ(newExit.GetSize(), exit.GetSize());
              EXPECT_EQ(newExit.x - newAgree.x, exit.x - agree.x);
              EXPECT_NEAR((newAgree.GetLeft() + newExit.GetRight()) / 2.0, client.x / 2.0, 2.0);
              EXPECT_EQ(newAgree.y - agree.y, 130);
              ClickOn(dialog.FindWindow(IDC_LIABILITY_EXIT));
            });
  EXPECT_EQ(run.Run({}), 0);
  EXPECT_EQ(platform::Registry().ReadString(kPlacementKey, "VelmarTessalineLiabilityWindowPlacement"),
            std::optional<std::string>("40,30,940,810,1,0,0,0"));
}

TEST(Startup, AgreeingRunsThePlannerAndTheLogTellsStartVersionLevelAndShutdown) {
  TempFolders folders;
  ProgramRun run;
  AgreeToTheDisclaimer(run)
      .Then("the main window", [] { return MainWindow() != nullptr; }, [] {
        // At the default level only the lines of categories with threshold 0 would be written.
        EXPECT_EQ(TheDebugLog().GetDebugLevel(), 0);
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
  const std::vector<std::string> expected = {"Velmar Tessaline Startup", "Program Version 1.0.0.1",
                                             "Debug Message Level 0", "Velmar Tessaline Shutdown"};
  EXPECT_EQ(DiagnosticLogLines(folders.Data()), expected);
}

TEST(Startup, AtDebugLevelFourTheLogListsTheSettingsAndEveryCategoryIsOn) {
  TempFolders folders;
  const std::string settings = "Software\\Velmar\\VelmarTessaline\\Settings";
  platform::Registry().WriteDword(settings, "Debug Level", 4);
  platform::Registry().WriteString(settings + "\\Directories", "Default Directory", "/dives");
  platform::Registry().WriteDword(settings + "\\General", "Auto Recalc", 0);
  ProgramRun run;
  AgreeToTheDisclaimer(run)
      .Then("the main window", [] { return MainWindow() != nullptr; }, [] {
        const CDebugLog& log = TheDebugLog();
        EXPECT_EQ(log.GetDebugLevel(), 4);
        const int thresholds[] = {3, 4, 4, 3, 2, 3, 4, 3, 4};
        for (int category = 0; category < DBG_CATEGORY_COUNT; ++category) {
          EXPECT_EQ(log.GetThreshold(static_cast<LogCategory>(category)), thresholds[category]);
          EXPECT_TRUE(log.IsEnabledFor(static_cast<LogCategory>(category)));
        }
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
  const std::vector<std::string> log = DiagnosticLogLines(folders.Data());
  const std::size_t level = IndexOf(log, "Debug Message Level 4");
  ASSERT_LT(level + 11, log.size());
  EXPECT_EQ(log[level + 1], "Registry Settings");
  EXPECT_EQ(log[level + 2], "   Default Dir - /dives");
  EXPECT_EQ(log[level + 4], "   Chart Grid Enable - Enabled");
  EXPECT_EQ(log[level + 5], "   Auto Recalc - Disabled");
  EXPECT_EQ(log[level + 10], "   First Ascent Option - Merged 1st Ascent");
  EXPECT_EQ(log.back(), "Velmar Tessaline Shutdown");
}

TEST(Startup, APlanNamedOnTheCommandLineIsOpenedOnceTheWindowIsReady) {
  TempFolders folders;
  const std::string plan = (folders.Root() / "Wreck week.ccp").string();
  {
    CPlanGroup saved;
    saved.CreateDefaultPlan();
    saved.AddDivePlan();
    saved.RenameDive(1, "Thistle");
    ASSERT_TRUE(saved.SavePlanGroup(plan));
  }
  ProgramRun run;
  AgreeToTheDisclaimer(run)
      .Then("the main window", [] { return MainWindow() != nullptr; }, [] {
        EXPECT_EQ(MainWindow()->GetTitle(), "Velmar Tessaline v1.0.0.1 - Wreck week.ccp");
        ASSERT_EQ(MainWindow()->GetTabCount(), 2);
        EXPECT_EQ(MainWindow()->GetTabCaption(0), "Dive 1");
        EXPECT_EQ(MainWindow()->GetTabCaption(1), "Dive 2 - Thistle");
        EXPECT_FALSE(MainWindow()->PlanGroup().m_modified);
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash", plan}), 0);
  EXPECT_TRUE(run.NativeDialogs().empty());
  const std::vector<std::string> log = DiagnosticLogLines(folders.Data());
  EXPECT_LT(IndexOf(log, "Debug Message Level 0"), IndexOf(log, "Auto open file " + plan));
  EXPECT_LT(IndexOf(log, "Auto open file " + plan), log.size());
}

TEST(Startup, AnUnreadablePlanOnTheCommandLineLeavesOneNewDive) {
  TempFolders folders;
  const std::string plan = (folders.Root() / "missing.ccp").string();
  ProgramRun run;
  run.Answer(wxID_OK);  // the message that the file cannot be opened
  AgreeToTheDisclaimer(run)
      .Then("the main window", [] { return MainWindow() != nullptr; }, [] {
        EXPECT_EQ(MainWindow()->GetTitle(), "Velmar Tessaline v1.0.0.1");
        EXPECT_EQ(MainWindow()->GetTabCount(), 1);
        EXPECT_EQ(MainWindow()->GetTabCaption(0), "Dive 1");
        EXPECT_FALSE(MainWindow()->PlanGroup().m_modified);
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash", plan}), 0);
  EXPECT_EQ(run.NativeDialogs(), std::vector<std::string>{"Unable to open data file."});
}
