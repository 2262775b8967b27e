// The disclaimer and the table viewer on a screen smaller than they were laid out for (a
// 640 x 480 screen when run so): each opens within the screen's work area, never larger, with
// its buttons on the screen, apart from each other and below the window's other content.
#include <gtest/gtest.h>

#include <wx/display.h>

#include "app/DivePlannerDlg.h"
#include "app/LiabilityRichEdit.h"
#include "framework/TemplateWindows.h"
#include "resources/resource.h"
#include "tests/app/ProgramRun.h"
#include "tests/support/TempFolders.h"
#include "views/Viewer.h"

namespace {

wxRect WorkArea() { return wxDisplay(0u).GetClientArea(); }

// The window, its content and its buttons lie within the work area, and the buttons side by
// side in one row below the content.
void ExpectOnTheWorkArea(wxTopLevelWindow& window, int contentId, const std::vector<int>& buttonIds) {
  const wxRect area = WorkArea();
  EXPECT_TRUE(area.Contains(window.GetRect())) << "window " << window.GetRect().x << "," << window.GetRect().y << " "
                                               << window.GetSize().x << "x" << window.GetSize().y;
  const wxRect content = window.FindWindow(contentId)->GetScreenRect();
  EXPECT_TRUE(area.Contains(content));
  wxRect previous;
  for (int id : buttonIds) {
    const wxRect button = window.FindWindow(id)->GetScreenRect();
    EXPECT_TRUE(area.Contains(button)) << "button " << id << " at " << button.x << "," << button.y;
    EXPECT_GT(button.y, content.GetBottom()) << "button " << id << " over the content";
    if (!previous.IsEmpty()) {
      EXPECT_GT(button.x, previous.GetRight()) << "button " << id << " over the one before";
      EXPECT_EQ(button.y, previous.y);
    }
    previous = button;
  }
  // On a screen smaller than the disclaimer's 716 x 540 layout, the smaller of the two, either
  // window takes the whole work area.
  if (area.width < 716 && area.height < 540) {
    EXPECT_EQ(window.GetRect(), area);
  }
}

}  // namespace

TEST(SmallScreen, TheDisclaimerAndTheViewerOpenWithinTheWorkAreaWithTheirButtonsOnIt) {
  TempFolders folders;
  const std::filesystem::path plan = folders.Root() / "Dive.ccp";
  WriteOneDivePlan(plan);
  ProgramRun run;
  run.Then("the disclaimer drawn", Drawn([] { return FindShown<app::CLiabilityRichEdit>(); }), [] {
       app::CLiabilityRichEdit& disclaimer = *FindShown<app::CLiabilityRichEdit>();
       ExpectOnTheWorkArea(disclaimer, IDC_LIABILITY_TEXT, {framework::kIdOk, IDC_LIABILITY_EXIT});
       SaveScreenshot(disclaimer, "small-screen-disclaimer");
       ClickOn(disclaimer.FindWindow(framework::kIdOk));
     })
      .Then("the main window with the dive",
            [] { return MainWindowOnScreen() && MainWindow()->PlanGroup().GetDivePlan(0)->GetUserPlanPointCount() == 2; },
            [] { RunCommandLater(ID_VIEW_DIVE_TABLE); })
      .Then("the viewer drawn", Drawn([] { return FindShown<views::CViewer>(); }), [] {
        views::CViewer& viewer = *FindShown<views::CViewer>();
        ExpectOnTheWorkArea(viewer, IDC_VIEWER_BROWSER,
                            {IDC_VIEWER_SAVE, IDC_VIEWER_NOTES, IDC_VIEWER_PREVIEW, IDC_VIEWER_PRINT, IDC_VIEWER_EXIT});
        SaveScreenshot(viewer, "small-screen-viewer");
        ClickOn(viewer.FindWindow(IDC_VIEWER_EXIT));
      })
      .Then("the viewer closed", DialogEnded<views::CViewer>, [] { MainWindow()->Close(); });
  EXPECT_EQ(run.Run({"--no-splash", plan.string()}), 0);
}
