// The splash picture of the real program: shown while the main window starts, gone at the
// first key press (which does nothing else) or after five seconds.
#include <gtest/gtest.h>

#include <wx/display.h>

#include "app/DivePlannerDlg.h"
#include "app/SplashWnd.h"
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
      .Then("the splash gone", [] { return app::CSplashWnd::Current() == nullptr; }, [] {
        Settle(300);
        ASSERT_TRUE(MainWindow() != nullptr && MainWindow()->IsShownOnScreen());
        MainWindow()->Raise();
        PressKey(WXK_ESCAPE);  // now it is Exit
      });
  EXPECT_EQ(run.Run({}), 0);
}

TEST(Splash, TheSplashGoesByItselfAfterFiveSeconds) {
  TempFolders folders;
  std::chrono::steady_clock::time_point shown;
  ProgramRun run;
  AgreeToTheDisclaimer(run)
      .Then("the splash over the main window", SplashOverMainWindow, [&] { shown = std::chrono::steady_clock::now(); })
      .Then("the splash gone", [] { return app::CSplashWnd::Current() == nullptr; }, [&] {
        const auto elapsed = std::chrono::steady_clock::now() - shown;
        EXPECT_GT(elapsed, std::chrono::milliseconds(4500));
        EXPECT_LT(elapsed, std::chrono::milliseconds(6500));
        EXPECT_TRUE(MainWindow()->IsShownOnScreen());
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({}), 0);
}
