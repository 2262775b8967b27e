// Tools -> Preferences in the real program, with a spy on the settings store: the values each
// page shows in both units, Cancel after a switch of units, a gas typed into the gas list page's
// box; what OK writes, calculates and shows on the dive pages.
#include <gtest/gtest.h>

#include <algorithm>

#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "app/DivePlannerDlg.h"
#include "app/Preferences.h"
#include "app/TabDivePlan.h"
#include "engine/AppSettings.h"
#include "engine/DivePlan.h"
#include "views/XYLineGraph.h"
#include "controls/MultiFieldEdit.h"
#include "controls/TabSheet.h"
#include "framework/DataExchange.h"
#include "framework/TemplateWindows.h"
#include "platform/Registry.h"
#include "resources/resource.h"
#include "tests/app/ProgramRun.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/SettingsStoreSpy.h"
#include "tests/support/TempFolders.h"

namespace {

const std::string kSettings = "Software\\Velmar\\VelmarTessaline\\Settings";

CPlanGroup& Plan() { return MainWindow()->PlanGroup(); }

wxString Text(wxWindow& dialog, int id) { return dialog.FindWindow(id)->GetLabel(); }
wxString Field(wxWindow& dialog, int id) { return framework::WindowText(*dialog.FindWindow(id)); }

// What the unit-dependent fields of the Dive, Dive Plan and Bailout pages show, in order: SAC
// rate, max EAD, descent, ascent and last deco stop of the dive, cylinder pressure, and the
// bailout's max EAD.
std::vector<wxString> UnitFields(wxWindow& dialog) {
  std::vector<wxString> shown;
  for (int id : {IDC_PD_SAC_RATE, IDC_PD_MAX_EAD, IDC_PD_DESCENT_RATE, IDC_PD_ASCENT_RATE, IDC_PD_LAST_DECO_STOP,
                 IDC_SETTINGS_CYLINDER_PRESSURE, IDC_PB_MAX_EAD}) {
    shown.push_back(Field(dialog, id));
  }
  return shown;
}

void ShowPage(app::CPreferences& dialog, std::size_t page) { dialog.Sheet()->SetActivePage(page); }

void AddSquareDive(int dive) {
  CDivePlan& plan = *Plan().GetDivePlan(dive);
  ASSERT_EQ(plan.AddUserPlanPoint(99, 120, 3000, false, 21, 0, 1.3, false), 0);
  ASSERT_EQ(plan.AddUserPlanPoint(99, 18 * 60, 3000, false, 21, 0, 1.3, false), 1);
}

bool Calculated(int dive) { return Plan().GetDivePlan(dive)->GetStepCount() > 0; }

bool PreferencesClosed() { return DialogEnded<app::CPreferences>(); }

// Written by other means before the program starts: Auto Recalc off, so that only what OK
// calculates is calculated; a surface interval longer than the field can show and a GF Low
// outside its range, both kept as long as the user leaves them alone.
void StoreSettingsLeftAlone() {
  platform::Registry().WriteDword(kSettings + "\\General", "Auto Recalc", 0);
  platform::Registry().WriteDword(kSettings + "\\Dive", "Surface Interval", 300000);
  platform::Registry().WriteDword(kSettings + "\\Dive", "GF Low", 150);
}

// The steps up to the Preferences shown over two dives not yet calculated, with ZH-L16A in the
// program's settings and a spy on the store from then on.
ProgramRun& OpenOverTwoDives(ProgramRun& run, std::unique_ptr<SettingsStoreSpy>& spy, app::CPreferences*& dialog) {
  return AgreeToTheDisclaimer(run)
      .Then("the main window on the screen", [] { return MainWindow() != nullptr && MainWindow()->IsShownOnScreen(); },
            [&spy] {
              RunCommand(ID_DIVE_ADD);
              AddSquareDive(0);
              AddSquareDive(1);
              ASSERT_FALSE(Calculated(0));
              // Start-up made a stored ZH-L16A ZH-L16C; one stored since is made so by OK.
              AppSettings().divePlan.algorithm.Set(0);
              spy = std::make_unique<SettingsStoreSpy>();
              RunCommandLater(ID_TOOLS_PREFERENCES);
            })
      .Then("the Preferences", [&dialog] { return (dialog = FindShown<app::CPreferences>()) != nullptr; }, [] {});
}

}  // namespace

TEST(Preferences, UnitsSwitchBackAndForthAndCancelStoresOnlyATypedGas) {
  TempFolders folders;
  StoreSettingsLeftAlone();
  ProgramRun run;
  std::unique_ptr<SettingsStoreSpy> spy;
  app::CPreferences* dialog = nullptr;
  OpenOverTwoDives(run, spy, dialog)
      .Then("drawn", Drawn([&] { return dialog; }), [&] {
        EXPECT_EQ(dialog->GetTitle(), "Preferences");
        ASSERT_EQ(dialog->Sheet()->GetPageCount(), 5u);
        EXPECT_EQ(dialog->Sheet()->GetSelection(), 0);
        EXPECT_TRUE(dynamic_cast<wxRadioButton*>(dialog->FindWindow(IDC_PG_METRIC))->GetValue());
        EXPECT_EQ(Field(*dialog, IDC_PG_SET_POINT), "1.30");
        EXPECT_EQ(Field(*dialog, IDC_SETTINGS_GAS_RESERVE), "33");
        EXPECT_EQ(Field(*dialog, IDC_PD_GF_LOW), "150");           // shown as stored, not clamped
        EXPECT_EQ(dynamic_cast<controls::CSTimeHM*>(dialog->FindWindow(IDC_PD_SURFACE_INTERVAL))->GetSeconds(),
                  71 * 3600 + 59 * 60);  // the longest it shows
        EXPECT_EQ(UnitFields(*dialog), (std::vector<wxString>{"30.0", "35", "20", "10", "6", "240", "40"}));
        EXPECT_EQ(Text(*dialog, IDC_PD_SAC_RATE_LABEL), "SAC Rate (l/min)");
        EXPECT_FALSE(dialog->FindWindow(IDC_SETTINGS_ZHL16A)->IsShown());
        EXPECT_TRUE(dynamic_cast<wxRadioButton*>(dialog->FindWindow(IDC_SETTINGS_ZHL16C))->GetValue());
        SaveScreenshot(*dialog, "preferences-general");
        ClickOn(dialog->FindWindow(IDC_PG_IMPERIAL));
      })
      .Then("imperial", [&] { return Field(*dialog, IDC_PD_MAX_EAD) != "35"; }, [&] {
        // 30 l/min = 1.0594 cu ft/min; 35 m = 113.99 ft; 20 m/min = 65.1 ft/min; 10 m/min = 32.6;
        // 6 m = 19.5 ft; 240 bar = 3480.9 psi; 40 m = 130.3 ft.
        EXPECT_EQ(UnitFields(*dialog), (std::vector<wxString>{"1.06", "114", "65", "33", "20", "3481", "130"}));
        EXPECT_EQ(Text(*dialog, IDC_PD_SAC_RATE_LABEL), "SAC Rate (cu ft/min)");
        EXPECT_EQ(Text(*dialog, IDC_PB_LAST_DECO_STOP_LABEL), "Last Deco Stop (ft)");
        EXPECT_EQ(Text(*dialog, IDC_SETTINGS_CYLINDER_LABEL), "Cylinder Working Pressure (psi)");
        // Fields without units keep what they show.
        EXPECT_EQ(Field(*dialog, IDC_PD_GF_LOW), "150");
        EXPECT_EQ(Field(*dialog, IDC_PG_SET_POINT), "1.30");
        ShowPage(*dialog, 1);
      })
      .Then("the Dive Plan page", Drawn([&] { return dialog->Sheet()->GetPage(1); }), [&] {
        SaveScreenshot(*dialog, "preferences-dive-plan");
        ShowPage(*dialog, 2);
      })
      .Then("the Dive page", Drawn([&] { return dialog->Sheet()->GetPage(2); }), [&] {
        SaveScreenshot(*dialog, "preferences-dive");
        ShowPage(*dialog, 3);
      })
      .Then("the Bailout page", Drawn([&] { return dialog->Sheet()->GetPage(3); }), [&] {
        SaveScreenshot(*dialog, "preferences-bailout");
        ShowPage(*dialog, 4);
        // A gas typed into the box joins the gas mixes when the box is left. Showing the page
        // leaves the keyboard where it was: the box is entered first, as the user does.
        dialog->FindWindow(IDC_PL_GAS)->SetFocus();
      })
      .Then("the gas box entered", [&] { return FocusWithin(*dialog->FindWindow(IDC_PL_GAS)); },
            [&] { dynamic_cast<wxComboBox*>(dialog->FindWindow(IDC_PL_GAS))->SetValue("32/0"); })
      .Then("the gas typed", [&] {
        return FocusWithin(*dialog->FindWindow(IDC_PL_GAS)) &&
               dynamic_cast<wxComboBox*>(dialog->FindWindow(IDC_PL_GAS))->GetValue() == "32/0";
      }, [&] {
        dialog->FindWindow(IDC_PL_LIST)->SetFocus();
        ClickOn(dialog->FindWindow(IDC_PL_ADD));
      })
      .Then("the gas added to the list", [&] {
        return dynamic_cast<wxListCtrl*>(dialog->FindWindow(IDC_PL_LIST))->GetItemCount() == 1;
      }, [&] {
        SaveScreenshot(*dialog, "preferences-gas-list");
        ShowPage(*dialog, 0);
      })
      .Then("back on General", Drawn([&] { return dialog->Sheet()->GetPage(0); }), [&] { ClickOn(dialog->FindWindow(IDC_PG_METRIC)); })
      .Then("metric again", [&] { return Field(*dialog, IDC_PD_MAX_EAD) == "35"; }, [&] {
        EXPECT_EQ(UnitFields(*dialog), (std::vector<wxString>{"30.0", "35", "20", "10", "6", "240", "40"}));
        ClickOn(dialog->FindWindow(IDC_PG_IMPERIAL));
      })
      .Then("imperial again", [&] { return Field(*dialog, IDC_PD_MAX_EAD) == "114"; },
            [&] { ClickOn(dialog->FindWindow(framework::kIdCancel)); })
      .Then("cancelled", PreferencesClosed, [&] {
        // Only the typed gas was stored, at once; the list and the units wait for an OK.
        EXPECT_EQ(spy->Changes(), (std::vector<std::string>{"Gas Mix\\Gas Mixes=21/0,32/0"}));
        EXPECT_FALSE(Calculated(0));
        Plan().ClearModified();
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
}

TEST(Preferences, OkWritesWhatChangedRecalculatesEveryDiveAndRelabelsThePages) {
  TempFolders folders;
  StoreSettingsLeftAlone();
  ProgramRun run;
  std::unique_ptr<SettingsStoreSpy> spy;
  app::CPreferences* dialog = nullptr;
  auto opened = [&] { return (dialog = FindShown<app::CPreferences>()) != nullptr; };
  auto sorted = [](std::vector<std::string> lines) {
    std::sort(lines.begin(), lines.end());
    return lines;
  };
  OpenOverTwoDives(run, spy, dialog)
      .Then("drawn", Drawn([&] { return dialog; }), [&] { ClickOn(dialog->FindWindow(framework::kIdOk)); })
      .Then("closed by OK without a change", PreferencesClosed, [&] {
        // The GF Low outside its range and the surface interval the field cannot show were left
        // alone and keep their stored values; ZH-L16A is no longer offered.
        EXPECT_EQ(spy->Changes(), (std::vector<std::string>{"Dive Plan\\Algorithm=1"}));
        // Auto Recalc is off, yet OK calculates every dive.
        EXPECT_TRUE(Calculated(0));
        EXPECT_TRUE(Calculated(1));
        EXPECT_TRUE(MainWindow()->DivePage(0)->Graph()->IsShowGrid());
        spy->Reset();
        RunCommandLater(ID_TOOLS_PREFERENCES);
      })
      .Then("the Preferences again", opened, [] {})
      .Then("drawn again", Drawn([&] { return dialog; }), [&] {
        ClickOn(dialog->FindWindow(IDC_PG_CHART_GRID));
        ClickOn(dialog->FindWindow(IDC_PG_IMPERIAL));
      })
      .Then("imperial", [&] { return Field(*dialog, IDC_PD_MAX_EAD) == "114"; }, [&] { ShowPage(*dialog, 2); })
      .Then("the Dive page", Drawn([&] { return dialog->Sheet()->GetPage(2); }), [&] {
        ClickOn(dialog->FindWindow(IDC_PD_GF_HIGH));
        wxUIActionSimulator keys;
        keys.Char('a', wxMOD_CONTROL);
        keys.Text("85");
      })
      .Then("GF High typed", [&] { return Field(*dialog, IDC_PD_GF_HIGH) == "85"; },
            [&] { ClickOn(dialog->FindWindow(framework::kIdOk)); })
      .Then("closed by OK", PreferencesClosed, [&] {
        // The imperial fields were not touched, so their metric values stay as stored.
        EXPECT_EQ(sorted(spy->Changes()),
                  sorted({"General\\Chart Grid Enable=0", "General\\Units=1", "Dive\\GF High=85"}));
        for (int dive : {0, 1}) {
          app::CTabDivePlan& page = *MainWindow()->DivePage(dive);
          EXPECT_FALSE(page.Graph()->IsShowGrid());
          EXPECT_EQ(page.FindWindow(IDC_DEPTH_LABEL)->GetLabel(), "Depth (ft)");
        }
        EXPECT_EQ(Plan().GetDivePlan(0)->GetGfHigh(), 80);  // the open plan's dives keep their own settings
      })
      .Then("the main window drawn", Drawn([] { return MainWindow(); }), [&] {
        SaveScreenshot(*MainWindow(), "preferences-applied");
        Plan().ClearModified();
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
}
