// Context help in the real program: Shift+F1 in a field of the dive page and of the Preferences,
// and Help -> What's This?, enter the mode; the next click shows the help of the control under
// the pointer, or only ends the mode, as a key does; the program then takes clicks, keys and
// events as before.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>

#include <wx/uiaction.h>

#include "app/DiveSettingsSheet.h"
#include "app/DivePlannerDlg.h"
#include "app/Preferences.h"
#include "app/TabDivePlan.h"
#include "controls/HelpPopup.h"
#include "framework/TemplateWindows.h"
#include "resources/resource.h"
#include "tests/app/ProgramRun.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/TempFolders.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

wxWindow& DiveField(int id) { return *MainWindow()->DivePage(0)->FindWindow(id); }

bool Focused(wxWindow& window) { return wxWindow::FindFocus() == &window; }

// The mode is on over a window while that window holds the mouse.
bool InContextHelpOver(wxWindow& window) { return wxWindow::GetCapture() == &window; }

bool PopupShows(const char* text) {
  return controls::HelpPopup::Current() != nullptr && controls::HelpPopup::Current()->Text() == wxString::FromUTF8(text);
}

void PressShiftF1() { PressKey(WXK_F1, wxMOD_SHIFT); }

// A condition met once the help pop-up is on the screen and drawn.
ProgramRun::Condition PopupDrawn() {
  return Drawn([]() -> wxWindow* { return controls::HelpPopup::Current(); });
}

// What the screen shows over the window, the help pop-up included, as build/<name>.png.
void SaveScreenOver(wxWindow& window, const std::string& name) {
  if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
  EXPECT_TRUE(CaptureWindow(window).SaveFile(GUI_ARTEFACT_DIR "/" + name + ".png", wxBITMAP_TYPE_PNG));
}

// Asks the event loop for a turn and times the answer.
class LoopProbe {
 public:
  void Ask(wxWindow& window) {
    asked_ = Clock::now();
    answered_ = std::make_shared<Clock::time_point>();
    window.CallAfter([answered = answered_] { *answered = Clock::now(); });
  }
  bool Answered() const { return *answered_ != Clock::time_point{}; }
  Clock::duration Delay() const { return *answered_ - asked_; }

 private:
  Clock::time_point asked_;
  std::shared_ptr<Clock::time_point> answered_ = std::make_shared<Clock::time_point>();
};

const char* const kGfLowHelp = "Factor to use at deepest stop – This controls the rate of ascent";
const char* const kGasListHelp = "Gases available for bailout";

}  // namespace

TEST(ContextHelp, ShiftF1InADiveFieldAndWhatsThisShowTheHelpOfTheControlClickedOrEndWithAClickElsewhereOrAKey) {
  TempFolders folders;
  ProgramRun run;
  LoopProbe probe;
  AgreeToTheDisclaimer(run)
      .Then("the main window on the screen", MainWindowOnScreen,
            [] { ClickOn(&DiveField(IDC_DS_SURFACE_PRESSURE)); })
      .Then("Surface Pressure focused", [] { return Focused(DiveField(IDC_DS_SURFACE_PRESSURE)); },
            PressShiftF1)
      .Then("the context-help mode", [] { return InContextHelpOver(*MainWindow()); },
            [] { ClickOn(&DiveField(IDC_DS_GF_LOW)); })
      .Then("the help of Gradient Factor Low", [] { return PopupShows(kGfLowHelp); }, [] {
        EXPECT_EQ(wxWindow::GetCapture(), nullptr) << "the mode goes on after its click";
        EXPECT_TRUE(Focused(DiveField(IDC_DS_SURFACE_PRESSURE))) << "the help click or the pop-up took the focus";
      })
      .Then("the pop-up drawn", PopupDrawn(), [] {
        SaveScreenOver(*MainWindow(), "context-help-dive-page");
        // A click elsewhere closes the pop-up.
        ClickOn(&DiveField(IDC_DS_GF_LOW_LABEL));
      })
      .Then("the pop-up closed", [] { return controls::HelpPopup::Current() == nullptr; },
            [] { ClickOn(&DiveField(IDC_DEPTH_EDIT)); })
      .Then("Depth focused", [] { return Focused(DiveField(IDC_DEPTH_EDIT)); }, PressShiftF1)
      .Then("the mode again", [] { return InContextHelpOver(*MainWindow()); },
            [] { ClickOn(&DiveField(IDC_DS_GF_LOW_LABEL)); })  // a label has no help
      .Then("the mode ended", [] { return wxWindow::GetCapture() == nullptr; }, [] {
        EXPECT_EQ(controls::HelpPopup::Current(), nullptr);
        ClickOn(&DiveField(IDC_DS_GF_LOW));
      })
      .Then("the next click reaching Gradient Factor Low", [] { return Focused(DiveField(IDC_DS_GF_LOW)); },
            [] { RunCommand(ID_HELP_WHATS_THIS); })
      .Then("the mode of What's This?", [] { return InContextHelpOver(*MainWindow()); },
            [] { ClickOn(&DiveField(IDC_DS_SURFACE_PRESSURE)); })
      .Then("the help of Surface Pressure",
            [] { return PopupShows("Adjust to ambient surface pressure for altitude diving"); }, [&] {
              EXPECT_EQ(wxWindow::GetCapture(), nullptr);
              controls::HelpPopup::Current()->Close();
              probe.Ask(*MainWindow());
            })
      .Then("the event loop's answer", [&] { return probe.Answered(); }, [&] {
        EXPECT_LT(probe.Delay(), 1s);
        PressShiftF1();
      })
      .Then("the mode from Shift+F1 again", [] { return InContextHelpOver(*MainWindow()); },
            [] { PressKey(WXK_ESCAPE); })
      .Then("the mode ended by the key", [] { return wxWindow::GetCapture() == nullptr; }, [] {})
      .Then("a while after Escape", Waited(300ms), [] {
        ASSERT_TRUE(MainWindowOnScreen()) << "the Escape that ended the mode went on to Exit";
        MainWindow()->PlanGroup().ClearModified();
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
}

TEST(ContextHelp, ShiftF1InAPreferencesFieldShowsTheHelpOfTheFieldClickedAndTheNextClickReachesIt) {
  TempFolders folders;
  ProgramRun run;
  LoopProbe probe;
  app::CPreferences* dialog = nullptr;
  // The set point is clicked twice, in the mode and after it: the second click comes past the
  // double-click time, so that it is a click of its own.
  Clock::time_point helpClickedAt;
  auto field = [&dialog](int id) -> wxWindow& { return *dialog->FindWindow(id); };
  AgreeToTheDisclaimer(run)
      .Then("the main window on the screen", MainWindowOnScreen, [] { RunCommandLater(ID_TOOLS_PREFERENCES); })
      .Then("the Preferences drawn", Drawn([&] { return dialog = FindShown<app::CPreferences>(); }),
            [&] { ClickOn(&field(IDC_PG_DIVER_NAME)); })
      .Then("Diver Name focused", [&] { return Focused(field(IDC_PG_DIVER_NAME)); }, PressShiftF1)
      .Then("the context-help mode", [&] { return InContextHelpOver(*dialog); },
            [&] {
              helpClickedAt = Clock::now();
              ClickOn(&field(IDC_PG_SET_POINT));
            })
      .Then("the help of the PPO2 set point",
            [] { return PopupShows("Set the default profile entry PPO2 when using CC mode"); }, [&] {
              EXPECT_EQ(wxWindow::GetCapture(), nullptr);
              EXPECT_TRUE(Focused(field(IDC_PG_DIVER_NAME)));
            })
      .Then("the pop-up drawn", PopupDrawn(), [&] {
        SaveScreenOver(*dialog, "context-help-preferences");
        controls::HelpPopup::Current()->Close();
      })
      .Then("the pop-up closed, past the double-click time",
            [&] {
              return controls::HelpPopup::Current() == nullptr &&
                     Clock::now() - helpClickedAt > DoubleClickTime() + 50ms;
            },
            [&] { ClickOn(&field(IDC_PG_SET_POINT)); })
      .Then("the next click reaching the set point", [&] { return Focused(field(IDC_PG_SET_POINT)); },
            [&] { probe.Ask(*dialog); })
      .Then("the event loop's answer", [&] { return probe.Answered(); }, [&] {
        EXPECT_LT(probe.Delay(), 1s);
        ClickOn(dialog->FindWindow(framework::kIdCancel));
      })
      .Then("the Preferences closed", DialogEnded<app::CPreferences>, [] {
        MainWindow()->PlanGroup().ClearModified();
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
}

// The lists of bailout gases are drawn by the toolkit in an inner window of the list, which the
// click in the mode finds; the help is the list's own.
TEST(ContextHelp, WhatsThisAndAClickOnTheDivePagesBailoutGasListShowTheListsHelp) {
  TempFolders folders;
  ProgramRun run;
  auto settings = [] { return MainWindow()->DivePage(0)->SettingsSheet(); };
  AgreeToTheDisclaimer(run)
      .Then("the main window on the screen", MainWindowOnScreen, [] {
        // A closed-circuit dive whose bailout uses the gas list.
        CDivePlan& dive = *MainWindow()->PlanGroup().GetDivePlan(0);
        ASSERT_EQ(dive.AddUserPlanPoint(0, 0, 0, true, 21, 0, 1.3, false), 0);
        ASSERT_EQ(dive.AddUserPlanPoint(1, 1200, 3000, true, 21, 0, 1.3, false), 1);
        dive.SetUseBailoutGasList(true);
        MainWindow()->PlanGroup().CalculateDivePlan(0, true);
      })
      .Then("the Bailout Gas List tab", [settings] { return settings()->Sheet().GetPageCount() == 3; },
            [settings] { settings()->ShowPage(app::DiveSettingsSheet::kBailoutGasListPage); })
      .Then("the gas list drawn", Drawn([] { return &DiveField(IDC_GL_LIST); }),
            [] { ClickOn(&DiveField(IDC_GL_GAS)); })
      .Then("the gas box focused", [] { return FocusWithin(DiveField(IDC_GL_GAS)); },
            [] { RunCommand(ID_HELP_WHATS_THIS); })
      .Then("the context-help mode", [] { return InContextHelpOver(*MainWindow()); },
            [] { ClickOn(&DiveField(IDC_GL_LIST)); })
      .Then("the help of the gas list", [] { return PopupShows(kGasListHelp); },
            [] { EXPECT_EQ(wxWindow::GetCapture(), nullptr) << "the mode goes on after its click"; })
      .Then("the pop-up drawn", PopupDrawn(), [] {
        SaveScreenOver(*MainWindow(), "context-help-bailout-gas-list");
        controls::HelpPopup::Current()->Close();
        MainWindow()->PlanGroup().ClearModified();
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
}

TEST(ContextHelp, ShiftF1AndAClickOnThePreferencesBailoutGasListShowTheListsHelp) {
  TempFolders folders;
  ProgramRun run;
  app::CPreferences* dialog = nullptr;
  constexpr std::size_t kGasListPage = 4;  // General, Dive Plan, Dive, Bailout, Bailout Gas List
  AgreeToTheDisclaimer(run)
      .Then("the main window on the screen", MainWindowOnScreen, [] { RunCommandLater(ID_TOOLS_PREFERENCES); })
      .Then("the Preferences drawn", Drawn([&] { return dialog = FindShown<app::CPreferences>(); }),
            [&] { dialog->Sheet()->SetActivePage(kGasListPage); })
      .Then("the gas list drawn", Drawn([&] { return dialog->FindWindow(IDC_PL_LIST); }),
            [&] { ClickOn(dialog->FindWindow(IDC_PL_GAS)); })
      .Then("the gas box focused", [&] { return FocusWithin(*dialog->FindWindow(IDC_PL_GAS)); }, PressShiftF1)
      .Then("the context-help mode", [&] { return InContextHelpOver(*dialog); },
            [&] { ClickOn(dialog->FindWindow(IDC_PL_LIST)); })
      .Then("the help of the gas list", [] { return PopupShows(kGasListHelp); },
            [] { EXPECT_EQ(wxWindow::GetCapture(), nullptr); })
      .Then("the pop-up drawn", PopupDrawn(), [&] {
        SaveScreenOver(*dialog, "context-help-preferences-gas-list");
        controls::HelpPopup::Current()->Close();
      })
      .Then("the pop-up closed", [] { return controls::HelpPopup::Current() == nullptr; },
            [&] { ClickOn(dialog->FindWindow(framework::kIdCancel)); })
      .Then("the Preferences closed", DialogEnded<app::CPreferences>, [] {
        MainWindow()->PlanGroup().ClearModified();
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
}
