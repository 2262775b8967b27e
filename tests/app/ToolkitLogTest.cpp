// The toolkit stays quiet through a normal session: a start with a plan, the help book and a
// table window log no critical.
#include <gtest/gtest.h>

#include <cstdio>

#include <wx/html/helpfrm.h>

#include "app/DivePlannerDlg.h"
#include "bench/BenchmarkDives.h"
#include "engine/PlanGroup.h"
#include "framework/MenuBuilder.h"
#include "resources/resource.h"
#include "tests/app/ProgramRun.h"
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
