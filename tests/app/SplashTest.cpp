// The splash picture of the real program: shown while the main window starts, gone at the
// first key press (which does nothing else) or after five seconds.
#include <gtest/gtest.h>

#include <wx/display.h>

#include "app/DivePlannerDlg.h"
#include "app/LiabilityRichEdit.h"
#include "app/SplashWnd.h"
#include "framework/TemplateWindows.h"
#include "resources/resource.h"
#include "tests/app/ProgramRun.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/TempFolders.h"

namespace {

// The splash at the size of its picture over the main window.
bool SplashOverMainWindow() {
  return MainWindow() != nullptr && MainWindow()->IsShownOnScreen() && app::CSplashWnd::Current() != nullptr &&
         app::CSplashWnd::Current()->IsShownOnScreen() && app::CSplashWnd::Current()->GetClientSize() == wxSize(512, 315);
}

}  // namespace

TEST(Splash, AKeyPressOnlyHidesTheSplash) {
  TempFolders folders;
  ProgramRun run;
  AgreeToTheDisclaimer(run)
      .Then("the splash over the main window", SplashOverMainWindow, [] {
        app::CSplashWnd& splash = *app::CSplashWnd::Current();
        const wxRect screen = wxDisplay(0u).GetGeometry();
        EXPECT_NEAR(splash.GetPosition().x, (screen.width - 512) / 2, 1);
        EXPECT_NEAR(splash.GetPosition().y, (screen.height - 315) / 2, 1);
        // Escape would end the program; while the splash is up it only takes the splash away.
        MainWindow()->Raise();
        PressKey(WXK_ESCAPE);
      })
      .Then("the splash gone", [] { return app::CSplashWnd::Current() == nullptr; }, [] {})
      .Then("a moment after", Waited(std::chrono::milliseconds(300)), [] {
        ASSERT_TRUE(MainWindowOnScreen()) << "the Escape went on to the window and ended the program";
        MainWindow()->Raise();
        PressKey(WXK_ESCAPE);  // now it is Exit
      });
  EXPECT_EQ(run.Run({}), 0);
}

TEST(Splash, TheSplashGoesByItselfAfterFiveSeconds) {
  TempFolders folders;
  // The splash comes up while the main window is made, after the disclaimer; on a loaded machine
  // the main window may take seconds to reach the screen.
  std::chrono::steady_clock::time_point agreed;
  std::chrono::steady_clock::time_point seen;
  ProgramRun run;
  run.Then("the disclaimer", Drawn([] { return FindShown<app::CLiabilityRichEdit>(); }), [&] {
       agreed = std::chrono::steady_clock::now();
       ClickOn(FindShown<app::CLiabilityRichEdit>()->FindWindow(framework::kIdOk));
     })
      .Then("the splash over the main window", SplashOverMainWindow, [&] { seen = std::chrono::steady_clock::now(); })
      .Then("the splash gone", [] { return app::CSplashWnd::Current() == nullptr; }, [&] {
        const auto now = std::chrono::steady_clock::now();
        EXPECT_GE(now - agreed, std::chrono::milliseconds(5000));
        EXPECT_LT(now - seen, std::chrono::milliseconds(8000));
        EXPECT_TRUE(MainWindow()->IsShownOnScreen());
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({}), 0);
}
