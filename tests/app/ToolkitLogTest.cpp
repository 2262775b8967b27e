// The toolkit stays quiet through a normal session: a start with a plan, the help book and a
// table window log no critical; new and opened plans, a reviewed log and the bailout tabs log no
// warning either.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include <wx/html/helpfrm.h>
#include <wx/msgdlg.h>
#include <wx/radiobut.h>
#include <wx/textentry.h>
#include <wx/uiaction.h>

#include "app/DivePlannerDlg.h"
#include "app/TabDivePlan.h"
#include "bench/BenchmarkDives.h"
#include "engine/PlanGroup.h"
#include "framework/MenuBuilder.h"
#include "resources/resource.h"
#include "tests/app/ProgramRun.h"
#include "tests/logimport/writers/ExampleDives.h"
#include "tests/support/StderrCapture.h"
#include "tests/support/TempFolders.h"
#include "views/Viewer.h"

TEST(ToolkitLog, AStartWithAPlanTheHelpBookAndATableWindowLogNoCritical) {
  TempFolders folders;
  const std::string path = (folders.Root() / "Trimix.ccp").string();
  {
    CPlanGroup plan;
    plan.CreateDefaultPlan();
    PlanOpenCircuitTrimix(*plan.GetDivePlan(0));
    ASSERT_TRUE(plan.SavePlanGroup(path));
  }
  StderrCapture capture(folders.Root());
  std::fputs("captured\n", stderr);
  ProgramRun run;
  AgreeToTheDisclaimer(run)
      .Then("the plan calculated",
            [] {
              return MainWindowOnScreen() && MainWindow()->PlanGroup().GetDivePlan(0)->GetStepCount() > 0;
            },
            [] { RunCommand(ID_HELP_CONTENTS); })
      .Then("the help book drawn", Drawn([] { return FindShown<wxHtmlHelpFrame>(); }),
            [] { FindShown<wxHtmlHelpFrame>()->Close(); })
      // Closing the help book destroys its frame.
      .Then("the help closed", [] { return !AnyWindowIs<wxHtmlHelpFrame>(); }, [] {
        wxQueueEvent(MainWindow(), new wxCommandEvent(wxEVT_MENU, framework::ToolkitCommandId(ID_VIEW_DIVE_TABLE)));
      })
      .Then("the table window drawn, modal",
            [drawn = Drawn([] { return FindShown<views::CViewer>(); })] {
              return drawn() && FindShown<views::CViewer>()->IsModal();
            },
            [] { ClickOn(FindShown<views::CViewer>()->FindWindow(IDC_VIEWER_EXIT)); })
      .Then("the table window closed", DialogEnded<views::CViewer>,
            [] { MainWindow()->Close(); });
  EXPECT_EQ(run.Run({"--no-splash", path}), 0);
  const std::string log = capture.Finish();
  ASSERT_NE(log.find("captured\n"), std::string::npos);
  EXPECT_EQ(log.find("CRITICAL"), std::string::npos) << "the toolkit's log is above";
}

namespace {

app::CTabDivePlan& FirstPage() { return *MainWindow()->DivePage(0); }

int SettingsTabs() { return static_cast<int>(FirstPage().SettingsSheet()->Sheet().GetPageCount()); }

// The first dive page drawn with this many settings tabs, after its dive was calculated or not.
ProgramRun::Condition FirstPageDrawn(int settingsTabs, bool calculated) {
  return [=, drawn = Drawn([] { return MainWindow()->DivePage(0); })] {
    return MainWindowOnScreen() && MainWindow()->DivePage(0) != nullptr &&
           (MainWindow()->PlanGroup().GetDivePlan(0)->GetStepCount() > 0) == calculated &&
           SettingsTabs() == settingsTabs && drawn();
  };
}

// Clicks into a field of the first page and types the text over what it holds.
void TypeOver(int id, const char* text) {
  ClickOn(FirstPage().FindWindow(id));
  wxUIActionSimulator keys;
  keys.Char('a', wxMOD_CONTROL);
  keys.Text(text);
}

std::string Text(int id) { return dynamic_cast<wxTextEntry&>(*FirstPage().FindWindow(id)).GetValue().utf8_string(); }

// Marks in the captured log where each step starts, so that a finding names its step.
void Mark(const char* step) { std::fprintf(stderr, "step: %s\n", step); }

}  // namespace

TEST(ToolkitLog, NewAndOpenedPlansAReviewedLogAndTheBailoutTabsLogNoWarning) {
  TempFolders folders;
  const std::string planPath = (folders.Root() / "Rebreather.ccp").string();
  const std::string logPath = (folders.Root() / "logged.ccl").string();
  {
    CPlanGroup plan;
    plan.CreateDefaultPlan();
    PlanClosedCircuitTrimix(*plan.GetDivePlan(0));
    ASSERT_TRUE(plan.SavePlanGroup(planPath));
  }
  WriteFileText(logPath, testlog::TextLog(testlog::PlainDive()));
  StderrCapture capture(folders.Root());
  ProgramRun run;
  run.Answer(wxID_NO)  // Open: save the changes? no
      .AnswerFile(planPath)
      .AnswerFile(logPath);
  AgreeToTheDisclaimer(run)
      .Then("the plan's bailout tabs drawn", FirstPageDrawn(2, true), [] {
        Mark("File > New");
        RunCommand(ID_FILE_NEW_PLAN);
      })
      .Then("the new plan drawn", FirstPageDrawn(1, false), [] {
        Mark("the first closed-circuit point");
        ClickOn(FirstPage().FindWindow(IDC_CLOSED_CIRCUIT));
        TypeOver(IDC_DEPTH_EDIT, "30");
        TypeOver(IDC_DURATION_EDIT, "20");
        TypeOver(IDC_POINT_GAS, "Air");
        PressKey(WXK_TAB);
      })
      .Then("the point typed",
            [] {
              return Text(IDC_DEPTH_EDIT) == "30" && Text(IDC_DURATION_EDIT) == "20" && Text(IDC_POINT_GAS) == "Air" &&
                     dynamic_cast<wxRadioButton&>(*FirstPage().FindWindow(IDC_CLOSED_CIRCUIT)).GetValue() &&
                     !FocusWithin(*FirstPage().FindWindow(IDC_POINT_GAS));
            },
            [] { ClickOn(FirstPage().FindWindow(IDC_POINT_ADD)); })
      .Then("its bailout tabs drawn", FirstPageDrawn(2, true), [] {
        SaveScreenshot(*MainWindow(), "first-closed-circuit-point");
        Mark("File > Open");
        RunCommand(ID_FILE_OPEN);
      })
      .Then("the opened plan's bailout tabs drawn", FirstPageDrawn(2, true), [] {
        Mark("Review Log File");
        RunCommand(ID_FILE_REVIEW_LOG);
      })
      .Then("the logged dive drawn",
            [drawn = FirstPageDrawn(1, true)] { return drawn() && MainWindow()->PlanGroup().GetDivePlan(0)->IsReviewDive(); },
            [] {
              Mark("end");
              MainWindow()->Close();
            });
  EXPECT_EQ(run.Run({"--no-splash", planPath}), 0);
  const std::string log = capture.Finish();
  EXPECT_EQ(log.find("Gtk-WARNING"), std::string::npos) << "the toolkit's log is above";
  EXPECT_EQ(log.find("CRITICAL"), std::string::npos) << "the toolkit's log is above";
}
