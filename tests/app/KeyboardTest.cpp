// The keyboard in the real program. Tab, and Enter where it moves on, stop exactly at the controls
// that the dialog templates mark as tab stops, in template order, never on the arrows beside a
// field; a radio group is one stop. The orders below are read off the templates by hand. A page
// that the program shows by itself leaves the keyboard where the user has it.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include <wx/radiobut.h>
#include <wx/uiaction.h>

#include "app/DivePlannerDlg.h"
#include "app/Preferences.h"
#include "app/DiveSettingsSheet.h"
#include "app/TabDivePlan.h"
#include "framework/DataExchange.h"
#include "framework/MenuBuilder.h"
#include "framework/TemplateWindows.h"
#include "resources/resource.h"
#include "tests/app/ProgramRun.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/gui/ScreenState.h"
#include "tests/support/TempFolders.h"
#include "views/TableGeneration.h"

namespace {

using Find = std::function<wxWindow*(int id)>;

// A radio group is one stop: the toolkit stops on the button checked. These stand for the groups
// of two buttons in the lists of stops.
constexpr int kCircuitButtons = -1;
constexpr int kGroupingButtons = -2;

wxWindow* CheckedOf(wxWindow& parent, int first, int second) {
  auto* button = dynamic_cast<wxRadioButton*>(parent.FindWindow(first));
  return button != nullptr && button->GetValue() ? button : parent.FindWindow(second);
}

wxWindow* DiveField(int id) {
  wxWindow& page = *MainWindow()->DivePage(0);
  return id == kCircuitButtons ? CheckedOf(page, IDC_CLOSED_CIRCUIT, IDC_OPEN_CIRCUIT) : page.FindWindow(id);
}

wxWindow* GeneratorControl(int id) {
  views::CTableGeneration* generator = FindShown<views::CTableGeneration>();
  if (generator == nullptr) return nullptr;
  return id == kGroupingButtons ? CheckedOf(*generator, IDC_TG_GROUP_BY_DEPTH, IDC_TG_GROUP_BY_TIME)
                                : generator->FindWindow(id);
}

bool HasTheKeys(const Find& find, int id) {
  wxWindow* control = find(id);
  return control != nullptr && FocusWithin(*control);
}

// Replaces the text of the field that has the keyboard, as the user does, and presses key.
void TypeAndPress(const char* text, int key) {
  wxUIActionSimulator keys;
  keys.Char('a', wxMOD_CONTROL);
  keys.Text(text);
  keys.Char(key);
}

std::string TextOf(const Find& find, int id) { return framework::WindowText(*find(id)).ToStdString(); }

// The steps that press key in each control of stops in turn, each waiting until the control
// before has the keyboard; the last step waits for the last control. The first control must get
// the keyboard by the step before.
ProgramRun& Visit(ProgramRun& run, const Find& find, int key, const std::string& keyName, const std::vector<int>& stops,
                  ProgramRun::Action afterwards) {
  for (std::size_t stop = 0; stop < stops.size(); ++stop) {
    const bool last = stop + 1 == stops.size();
    run.Then(keyName + " stop " + std::to_string(stop + 1) + " (control " + std::to_string(stops[stop]) + ")",
             [find, id = stops[stop]] { return HasTheKeys(find, id); },
             last ? afterwards : ProgramRun::Action([key] { PressKey(key); }));
  }
  return run;
}

const std::vector<int> kDiveSettingsStops = {IDC_DS_SURFACE_PRESSURE, IDC_DS_GF_LOW,     IDC_DS_GF_HIGH,
                                             IDC_DS_SAC_RATE,         IDC_DS_MAX_PPO2,   IDC_DS_MAX_EAD,
                                             IDC_DS_DESCENT_RATE,     IDC_DS_ASCENT_RATE, IDC_DS_LAST_DECO_STOP};

}  // namespace

TEST(KeyboardStops, TabAndEnterGoFieldByFieldThroughThePlanPointAndDiveSettingsAndTypedValuesLandInTheirFields) {
  TempFolders folders;
  ProgramRun run;
  const Find dive = DiveField;
  AgreeToTheDisclaimer(run).Then("the main window on the screen", MainWindowOnScreen,
                                 [] { ClickOn(DiveField(IDC_DEPTH_EDIT)); });
  // The issue of typing: a value and Enter, twice, fill Depth and Duration.
  run.Then("Depth has the keys", [dive] { return HasTheKeys(dive, IDC_DEPTH_EDIT); },
           [] { TypeAndPress("40", WXK_RETURN); })
      .Then("Enter in Depth moves to Duration", [dive] { return HasTheKeys(dive, IDC_DURATION_EDIT); },
            [] { TypeAndPress("25", WXK_RETURN); })
      .Then("Enter in Duration moves to the circuit buttons",
            [dive] { return HasTheKeys(dive, kCircuitButtons); }, [dive] {
              EXPECT_EQ(TextOf(dive, IDC_DEPTH_EDIT), "40");
              EXPECT_EQ(TextOf(dive, IDC_DURATION_EDIT), "25");
              PressKey(WXK_RETURN);
            })
      .Then("Enter on the circuit buttons moves to NCS", [dive] { return HasTheKeys(dive, IDC_NO_CLEAR_SURFACE); },
            [] { ClickOn(DiveField(IDC_DURATION_EDIT)); })
      // Up and Down still step the field (Duration: step 1 minute).
      .Then("Duration has the keys again", [dive] { return HasTheKeys(dive, IDC_DURATION_EDIT); },
            [] { PressKey(WXK_UP); })
      .Then("Up steps Duration to 26", [dive] { return TextOf(dive, IDC_DURATION_EDIT) == "26"; },
            [] { PressKey(WXK_DOWN); })
      .Then("Down steps it back to 25", [dive] { return TextOf(dive, IDC_DURATION_EDIT) == "25"; },
            [] { ClickUpperArrow(*DiveField(IDC_DURATION_SPIN)); })
      // A click on the arrows steps the field and leaves the keyboard in it.
      .Then("the click steps Duration to 26 and leaves the keys in it",
            [dive] { return TextOf(dive, IDC_DURATION_EDIT) == "26" && HasTheKeys(dive, IDC_DURATION_EDIT); },
            [] { PressKey(WXK_TAB); })
      .Then("Tab goes on to the circuit buttons", [dive] { return HasTheKeys(dive, kCircuitButtons); },
            [] { ClickOn(DiveField(IDC_DEPTH_EDIT)); });
  // The first dive shows no set point (open circuit) and no surface interval.
  Visit(run, dive, WXK_TAB, "Tab",
        {IDC_DEPTH_EDIT, IDC_DURATION_EDIT, kCircuitButtons, IDC_NO_CLEAR_SURFACE, IDC_POINT_GAS},
        [] { ClickOn(DiveField(IDC_DS_SURFACE_PRESSURE)); });
  Visit(run, dive, WXK_TAB, "Tab on the Dive Settings page", kDiveSettingsStops,
        [] { ClickOn(DiveField(IDC_DS_SURFACE_PRESSURE)); });
  Visit(run, dive, WXK_RETURN, "Enter on the Dive Settings page", kDiveSettingsStops, [] {
    MainWindow()->PlanGroup().ClearModified();
    MainWindow()->Close();
  });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
}

TEST(KeyboardStops, StartFinishAndStepTypedWithEnterLandInTheGeneratorsAxesAndTabGoesOnFieldByField) {
  TempFolders folders;
  ProgramRun run;
  const Find generator = GeneratorControl;
  AgreeToTheDisclaimer(run)
      .Then("the main window on the screen", MainWindowOnScreen,
            [] { RunCommandLater(ID_TOOLS_CREATE_DIVE_TABLES); })
      .Then("the generator drawn", Drawn([] { return FindShown<views::CTableGeneration>(); }),
            [] { ClickOn(GeneratorControl(IDC_TG_DEPTH_START)); })
      .Then("Depth Start has the keys", [generator] { return HasTheKeys(generator, IDC_TG_DEPTH_START); },
            [] { TypeAndPress("40", WXK_RETURN); })
      .Then("Enter moves to Depth Finish", [generator] { return HasTheKeys(generator, IDC_TG_DEPTH_FINISH); },
            [] { TypeAndPress("60", WXK_RETURN); })
      .Then("Enter moves to Depth Step", [generator] { return HasTheKeys(generator, IDC_TG_DEPTH_STEP); },
            [] { TypeAndPress("10", WXK_RETURN); })
      .Then("Enter moves to Duration Start", [generator] { return HasTheKeys(generator, IDC_TG_DURATION_START); },
            [generator] {
              EXPECT_EQ(TextOf(generator, IDC_TG_DEPTH_START), "40");
              EXPECT_EQ(TextOf(generator, IDC_TG_DEPTH_FINISH), "60");
              EXPECT_EQ(TextOf(generator, IDC_TG_DEPTH_STEP), "10");
              SaveScreenshot(*FindShown<views::CTableGeneration>(), "keyboard-stops-generator");
              ClickOn(GeneratorControl(IDC_TG_DEPTH_START));
            });
  // From the axes on through the gas checks, the grouping and the dive settings.
  Visit(run, generator, WXK_TAB, "Tab in the generator",
        {IDC_TG_DEPTH_START, IDC_TG_DEPTH_FINISH, IDC_TG_DEPTH_STEP, IDC_TG_DURATION_START, IDC_TG_DURATION_FINISH,
         IDC_TG_DURATION_STEP, IDC_TG_MAX_PPO2, IDC_TG_MAX_EAD, kGroupingButtons, IDC_TG_SURFACE_PRESSURE},
        [] { ClickOn(GeneratorControl(framework::kIdOk)); })
      .Then("the generator closed", DialogEnded<views::CTableGeneration>, [] {
        MainWindow()->PlanGroup().ClearModified();
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
}

TEST(KeyboardStops, TabGoesFieldByFieldThroughThePreferencesDivePage) {
  TempFolders folders;
  ProgramRun run;
  app::CPreferences* dialog = nullptr;
  const Find preferences = [&dialog](int id) { return dialog != nullptr ? dialog->FindWindow(id) : nullptr; };
  AgreeToTheDisclaimer(run)
      .Then("the main window on the screen", MainWindowOnScreen, [] { RunCommandLater(ID_TOOLS_PREFERENCES); })
      .Then("the Preferences drawn", Drawn([&] { return dialog = FindShown<app::CPreferences>(); }),
            [&] { dialog->Sheet()->SetActivePage(2); })
      .Then("the Dive page drawn", Drawn([&] { return dialog->Sheet()->GetPage(2); }),
            [&] { ClickOn(dialog->FindWindow(IDC_PD_SURFACE_PRESSURE)); });
  Visit(run, preferences, WXK_TAB, "Tab on the Dive page",
        {IDC_PD_SURFACE_PRESSURE, IDC_PD_GF_LOW, IDC_PD_GF_HIGH, IDC_PD_SAC_RATE, IDC_PD_MAX_PPO2, IDC_PD_MAX_EAD,
         IDC_PD_SURFACE_INTERVAL, IDC_PD_DESCENT_RATE, IDC_PD_ASCENT_RATE, IDC_PD_LAST_DECO_STOP},
        [&] { ClickOn(dialog->FindWindow(framework::kIdCancel)); })
      .Then("the Preferences closed", DialogEnded<app::CPreferences>, [] {
        MainWindow()->PlanGroup().ClearModified();
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
}

TEST(KeyboardFocus, StaysWithThePlanPointControlsWhenTheFirstClosedCircuitPointBringsTheBailoutSettings) {
  TempFolders folders;
  ProgramRun run;
  const Find dive = DiveField;
  const auto settings = [] { return MainWindow()->DivePage(0)->SettingsSheet(); };
  AgreeToTheDisclaimer(run)
      .Then("the main window on the screen", MainWindowOnScreen, [] { ClickOn(DiveField(IDC_CLOSED_CIRCUIT)); })
      .Then("closed circuit chosen",
            [] { return dynamic_cast<wxRadioButton&>(*DiveField(IDC_CLOSED_CIRCUIT)).GetValue(); },
            [] { ClickOn(DiveField(IDC_DEPTH_EDIT)); })
      .Then("Depth has the keys", [dive] { return HasTheKeys(dive, IDC_DEPTH_EDIT); },
            [] { TypeAndPress("30", WXK_TAB); })
      .Then("Duration has the keys", [dive] { return HasTheKeys(dive, IDC_DURATION_EDIT); }, [settings] {
        ASSERT_EQ(settings()->Sheet().GetPageCount(), 1u);
        TypeAndPress("20", WXK_TAB);
      })
      .Then("Duration left", [dive] { return !HasTheKeys(dive, IDC_DURATION_EDIT); },
            [] { ClickOn(DiveField(IDC_POINT_ADD)); })
      .Then("the Bailout Settings tab added and shown",
            [settings] {
              return settings()->Sheet().GetPageCount() == 2 &&
                     settings()->Sheet().GetSelection() == app::DiveSettingsSheet::kBailoutSettingsPage;
            },
            [] {})
      .Then("the bailout settings drawn", Drawn([] { return DiveField(IDC_BS_GAS_SWITCHES); }), [dive] {
        EXPECT_EQ(MainWindow()->PlanGroup().GetDivePlan(0)->GetUserPlanPointCount(), 2);
        EXPECT_TRUE(HasTheKeys(dive, IDC_POINT_ADD)) << "the keyboard left the Add button clicked";
        SaveScreenshot(*MainWindow(), "keyboard-after-first-closed-circuit-point");
        // The next key goes on from Add, to Insert.
        PressKey(WXK_TAB);
      })
      .Then("Tab from Add reaches Insert", [dive] { return HasTheKeys(dive, IDC_POINT_INSERT); }, [] {
        MainWindow()->PlanGroup().ClearModified();
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
}
