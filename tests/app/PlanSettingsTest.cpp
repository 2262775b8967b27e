// The Dive Plan Settings dialog of the real program: what it shows in imperial units, the
// custom compartment values it loads, and what its OK does to the plan.
#include <gtest/gtest.h>

#include <filesystem>

#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include "app/DivePlannerDlg.h"
#include "app/PlanGroupSettings.h"
#include "engine/Zhl16Coefficients.h"
#include "framework/TemplateWindows.h"
#include "platform/Registry.h"
#include "resources/resource.h"
#include "tests/app/ProgramRun.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/TempFolders.h"

namespace {

CPlanGroup& Plan() { return MainWindow()->PlanGroup(); }

wxString Text(wxWindow& dialog, int id) { return dynamic_cast<wxTextCtrl*>(dialog.FindWindow(id))->GetValue(); }
bool Chosen(wxWindow& dialog, int id) { return dynamic_cast<wxRadioButton*>(dialog.FindWindow(id))->GetValue(); }
bool Shown(wxWindow& dialog, int id) { return dialog.FindWindow(id)->IsShown(); }

Zhl16Compartment Custom(int compartment) {
  Zhl16Compartment values;
  EXPECT_TRUE(Zhl16Coefficients().GetCompartment(kZhl16Custom, compartment, values));
  return values;
}

}  // namespace

TEST(PlanSettings, ImperialValuesCustomValuesFromAFileAndOkSettingTheAlgorithmAndTheChange) {
  TempFolders folders;
  platform::Registry().WriteDword("Software\\Velmar\\VelmarTessaline\\Settings\\General", "Units", 1);
  // Twenty lines: n-th nitrogen half-time 10n, a 1000 + n, b 0.5; helium half-time 2n, a 1500,
  // b 0.4. The last four lines could be no compartment.
  std::string values;
  for (int n = 1; n <= 16; ++n) {
    values += std::to_string(10 * n) + "," + std::to_string(1000 + n) + ",0.5," + std::to_string(2 * n) + ",1500,0.4\n";
  }
  values += "0,0,0,0,0,0\nfour\nmore\nlines\n";
  const std::filesystem::path good = folders.Root() / "twenty.csv";
  const std::filesystem::path bad = folders.Root() / "bad.csv";
  WriteFileText(good, values);
  WriteFileText(bad, "5,1100,0.55,2,1600,0.45\n5,1100,1.55,2,1600,0.45\n");
  ProgramRun run;
  run.AnswerFile(good.string())  // Load
      .AnswerFile(bad.string())  // Load again: line 2 is wrong
      .Answer(wxID_OK);          // its message
  app::CPlanGroupSettings* dialog = nullptr;
  AgreeToTheDisclaimer(run)
      .Then("the main window on the screen", [] { return MainWindow() != nullptr && MainWindow()->IsShownOnScreen(); },
            [] {
              Plan().SetAlgorithm(2);
              Plan().SetSurfaceIntervalMethod(1);
              Plan().SetCylinderWorkingPressure(200);
              Plan().SetGasReserve(20.5);
              Plan().ClearModified();
              RunCommandLater(ID_DIVE_PLAN_SETTINGS);
            })
      .Then("the Dive Plan Settings dialog", [&] { return (dialog = FindShown<app::CPlanGroupSettings>()) != nullptr; },
            [] {})
      .Then("the dialog drawn", Drawn([&] { return dialog; }), [&] {
        // 200 bar is 2900.754 psi, shown without decimals.
        EXPECT_EQ(dialog->FindWindow(IDC_SETTINGS_CYLINDER_LABEL)->GetLabel(), "Cylinder Working Pressure (psi)");
        EXPECT_EQ(Text(*dialog, IDC_SETTINGS_CYLINDER_PRESSURE), "2901");
        EXPECT_EQ(Text(*dialog, IDC_SETTINGS_GAS_RESERVE), "20.5");
        EXPECT_TRUE(Chosen(*dialog, IDC_SETTINGS_SI_BUHLMANN));
        // Opened on ZH-L16C, which is not offered: Custom is not chosen and Load is hidden.
        EXPECT_FALSE(Chosen(*dialog, IDC_SETTINGS_CUSTOM));
        for (int hidden : {IDC_SETTINGS_ZHL16A, IDC_SETTINGS_ZHL16C, IDC_SETTINGS_LOAD, IDC_SETTINGS_OEM,
                           IDC_SETTINGS_MAXPIGT}) {
          EXPECT_FALSE(Shown(*dialog, hidden)) << hidden;
        }
        ClickOn(dialog->FindWindow(IDC_SETTINGS_CUSTOM));
      })
      .Then("Load offered", Drawn([&] { return dialog->FindWindow(IDC_SETTINGS_LOAD); }), [&] {
        SaveScreenshot(*dialog, "plan-settings");
        ClickOn(dialog->FindWindow(IDC_SETTINGS_LOAD));
      })
      .Then("the values loaded", [&] { return run.NativeDialogs().size() == 1; }, [&] {
        EXPECT_EQ(run.NativeDialogs()[0], "Select custom settings file to open");
        for (int n = 1; n <= 16; ++n) {
          const Zhl16Compartment c = Custom(n - 1);
          EXPECT_DOUBLE_EQ(c.nitrogenHalfTimeMin, 10.0 * n);
          EXPECT_DOUBLE_EQ(c.nitrogenAMbar, 1000.0 + n);
          EXPECT_DOUBLE_EQ(c.heliumHalfTimeMin, 2.0 * n);
          EXPECT_DOUBLE_EQ(c.heliumB, 0.4);
        }
        ClickOn(dialog->FindWindow(IDC_SETTINGS_LOAD));
      })
      .Then("the damaged file refused", [&] { return run.NativeDialogs().size() == 3; }, [&] {
        EXPECT_EQ(run.NativeDialogs()[2].rfind("Line 2 of the custom values file is not a compartment", 0), 0u);
        EXPECT_DOUBLE_EQ(Custom(0).nitrogenHalfTimeMin, 10.0);  // nothing of the damaged file taken
        // A reserve beyond its range is brought back to 50 % when the field is left for OK.
        dynamic_cast<wxTextCtrl*>(dialog->FindWindow(IDC_SETTINGS_GAS_RESERVE))->SetValue("75");
        dialog->FindWindow(IDC_SETTINGS_GAS_RESERVE)->SetFocus();
      })
      .Then("the reserve typed", [&] { return FocusWithin(*dialog->FindWindow(IDC_SETTINGS_GAS_RESERVE)); }, [&] { ClickOn(dialog->FindWindow(framework::kIdOk)); })
      .Then("the dialog closed", DialogEnded<app::CPlanGroupSettings>, [] {
        EXPECT_EQ(Plan().GetAlgorithm(), 2);
        EXPECT_EQ(Plan().GetSurfaceIntervalMethod(), 1);
        EXPECT_NEAR(Plan().GetCylinderWorkingPressure(), 2901 * 0.06894757, 1e-9);
        EXPECT_DOUBLE_EQ(Plan().GetGasReserve(), 50);
        EXPECT_TRUE(Plan().m_modified);
        Plan().ClearModified();
        RunCommandLater(ID_DIVE_PLAN_SETTINGS);
      })
      .Then("the dialog again", [&] { return (dialog = FindShown<app::CPlanGroupSettings>()) != nullptr; }, [] {})
      .Then("drawn again", Drawn([&] { return dialog; }), [&] {
        EXPECT_FALSE(Chosen(*dialog, IDC_SETTINGS_CUSTOM));
        EXPECT_FALSE(Shown(*dialog, IDC_SETTINGS_LOAD));
        EXPECT_EQ(Text(*dialog, IDC_SETTINGS_GAS_RESERVE), "50");
        ClickOn(dialog->FindWindow(framework::kIdOk));  // nothing touched
      })
      .Then("closed again", DialogEnded<app::CPlanGroupSettings>, [] {
        EXPECT_EQ(Plan().GetAlgorithm(), 1);  // Custom becomes ZH-L16C
        EXPECT_TRUE(Plan().m_modified);      // and the plan counts as changed
        Pump();
        EXPECT_EQ(MainWindow()->GetTitle(), "Velmar Tessaline v1.0.0.1 *");
        Plan().ClearModified();
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
  EXPECT_FALSE(platform::Registry()
                   .ReadString("Software\\Velmar\\VelmarTessaline\\Settings\\Dive Plan", "Custom Compartment Values")
                   .value_or("")
                   .empty());
}
