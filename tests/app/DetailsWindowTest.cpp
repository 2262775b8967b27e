// The Details window of the real program: View -> Details opens one window on the first dive's
// first step, the main window shows other steps in it, and closing it clears the main window's
// reference.
#include <gtest/gtest.h>

#include "app/DivePlannerDlg.h"
#include "bench/BenchmarkDives.h"
#include "framework/MenuBuilder.h"
#include "resources/resource.h"
#include "tests/app/ProgramRun.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/TempFolders.h"

namespace {

void ViewDetails() {
  wxCommandEvent event(wxEVT_MENU, framework::ToolkitCommandId(ID_VIEW_DETAILS));
  MainWindow()->ProcessWindowEvent(event);
}

views::CDetails* ShownDetails() { return FindShown<views::CDetails>(); }

}  // namespace

TEST(DetailsWindow, OpensOnceFromTheViewMenuFollowsTheStepsAndClosesCleanly) {
  TempFolders folders;
  views::CDetails* first = nullptr;
  ProgramRun run;
  AgreeToTheDisclaimer(run)
      .Then("the main window on the screen", MainWindowOnScreen, [&] {
        EXPECT_TRUE(MainWindow()->IsCommandEnabled(ID_VIEW_DETAILS));
        ViewDetails();
        first = ShownDetails();
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(MainWindow()->Details(), first);
        EXPECT_FALSE(first->values.hasData);  // nothing calculated yet
        CPlanGroup& plan = MainWindow()->PlanGroup();
        PlanOpenCircuitTrimix(*plan.GetDivePlan(0));
        plan.CalculateDivePlan(0, true);
        ASSERT_GT(plan.GetDivePlan(0)->GetStepCount(), 3000);
        ViewDetails();  // the same window again, on step 0 of dive 1
      })
      .Then("the first step of the calculated dive", [&] { return first->values.hasData; }, [&] {
        EXPECT_EQ(ShownDetails(), first);
        EXPECT_EQ(first->values.stepTimeSec, 0);
        EXPECT_EQ(first->values.depthMetres, 0);
        // Past the end the last step shows, at the surface, under the time asked for.
        MainWindow()->UpdateDetails(999999, 0);
        EXPECT_EQ(first->values.stepTimeSec, 999999);
        EXPECT_EQ(first->values.depthMetres, 0);
        EXPECT_GT(first->values.cns, 0);
        // Near the end of the bottom time at 60 m on trimix 18/45, GF High 70.
        MainWindow()->UpdateDetails(1400, 0);
        EXPECT_DOUBLE_EQ(first->values.depthMetres, 60);
        EXPECT_DOUBLE_EQ(first->values.oxygenPercent, 18);
        EXPECT_DOUBLE_EQ(first->values.heliumPercent, 45);
        EXPECT_DOUBLE_EQ(first->values.gfHighPercent, 70);
        first->Raise();
      })
      .Then("the Details window painted", Drawn([&] { return first; }), [&] {
        const wxImage shot = CaptureWindow(*first).ConvertToImage();
        if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
        EXPECT_TRUE(shot.SaveFile(GUI_ARTEFACT_DIR "/details-window.png", wxBITMAP_TYPE_PNG));
        first->SetFocus();
        PressKey(WXK_ESCAPE);
      })
      .Then("the Details window closed", [] { return MainWindow()->Details() == nullptr; }, [&] {
        EXPECT_EQ(ShownDetails(), nullptr);
        MainWindow()->UpdateDetails(10, 0);  // nothing to show it in
        ViewDetails();
        ASSERT_NE(ShownDetails(), nullptr);
        EXPECT_EQ(MainWindow()->Details(), ShownDetails());
        MainWindow()->PlanGroup().ClearModified();
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
}
