// The dive tables of a loaded plan in the viewer: opened from the View menu, annotated, saved
// and kept open by Enter.
#include <gtest/gtest.h>

#include <filesystem>

#include <wx/prntbase.h>
#include <wx/textctrl.h>
#include <wx/webview.h>

#include "app/DivePlannerDlg.h"
#include "engine/AppSettings.h"
#include "engine/PlanGroup.h"
#include "framework/MenuBuilder.h"
#include "framework/TemplateWindows.h"
#include "platform/Registry.h"
#include "resources/resource.h"
#include "tests/app/ProgramRun.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/TempFolders.h"
#include "views/BrowserHostWnd.h"
#include "views/Notes.h"
#include "views/Viewer.h"

namespace {

views::CViewer* Viewer() { return FindShown<views::CViewer>(); }

// The answer of a script run in the viewer's document, or nothing while it cannot run one. The
// script waits for the browser, which lets events run: a check asked again meanwhile answers
// nothing.
std::string AskDocument(const std::string& script) {
  static bool asking = false;
  views::CViewer* viewer = Viewer();
  if (asking || viewer == nullptr || viewer->Browser() == nullptr || !viewer->Browser()->HasBrowser()) return {};
  asking = true;
  wxString answer;
  const bool ran = viewer->Browser()->Browser()->RunScript(wxString::FromUTF8(script), &answer);
  asking = false;
  return ran ? answer.utf8_string() : std::string();
}

constexpr const char* kCountTables = "document.querySelectorAll('table[width=\"90%\"]').length";
constexpr const char* kCountNotedFooters =
    "Array.from(document.querySelectorAll('tfoot')).filter(f => f.textContent.includes("
    "'Notes:Deco on the shot line\\nSecond <b>line</b>')).length";

// Two dives: 30 m on air for 20 minutes, then 20 m on EAN32 for 30 minutes.
void WriteTwoDivePlan(const std::string& path) {
  CPlanGroup plan;
  CDivePlan& first = *plan.GetDivePlan(0);
  ASSERT_EQ(first.AddUserPlanPoint(99, 120, 3000, false, 21, 0, 1.3, false), 0);
  ASSERT_EQ(first.AddUserPlanPoint(99, 1200, 3000, false, 21, 0, 1.3, false), 1);
  ASSERT_TRUE(plan.AddDivePlan());
  CDivePlan& second = *plan.GetDivePlan(1);
  ASSERT_TRUE(second.SetSurfaceInterval(3600));
  ASSERT_EQ(second.AddUserPlanPoint(99, 60, 2000, false, 32, 0, 1.3, false), 0);
  ASSERT_EQ(second.AddUserPlanPoint(99, 1800, 2000, false, 32, 0, 1.3, false), 1);
  ASSERT_TRUE(plan.SavePlanGroup(path));
}

void Click(int id) { ClickOn(Viewer()->FindWindow(id)); }

void SaveScreenshot(wxWindow& window, const char* name) {
  wxImage shot = CaptureWindow(window).ConvertToImage();
  if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
  EXPECT_TRUE(shot.SaveFile(std::string(GUI_ARTEFACT_DIR "/") + name, wxBITMAP_TYPE_PNG));
}

}  // namespace

TEST(TableViewer, ShowsAnnotatesAndSavesTheDiveTablesOfALoadedPlan) {
  TempFolders folders;
  const std::filesystem::path plan = folders.Root() / "Weekend.ccp";
  WriteTwoDivePlan(plan.string());
  platform::Registry().WriteString("Software\\Velmar\\VelmarTessaline\\Settings\\General", "Diver ID", "J\xC3\xBCrgen");
  const std::filesystem::path saved = folders.Root() / "Dive Tables.html";
  const std::filesystem::path notAFolder = folders.Root() / "Weekend.ccp";
  std::string shown;

  ProgramRun run;
  run.Answer(wxID_OK)   // the save dialog
      .Answer(wxID_OK)  // the save dialog again, in a folder that is a file
      .Answer(wxID_OK);  // the message that it could not be saved
  AgreeToTheDisclaimer(run)
      .Then("the plan's two dives", [] { return MainWindow() != nullptr && MainWindow()->GetTabCount() == 2; }, [] {
        // The menu command, as the View menu sends it.
        wxQueueEvent(MainWindow(),
                     new wxCommandEvent(wxEVT_MENU, framework::ToolkitCommandId(ID_VIEW_ALL_DIVE_TABLES)));
      })
      .Then("the viewer showing two tables", [] { return AskDocument(kCountTables) == "2"; }, [] {
        views::CViewer& viewer = *Viewer();
        EXPECT_EQ(viewer.GetTitle(), "Velmar Tessaline - Viewer");
        EXPECT_EQ(viewer.GetHtmlText(), MainWindow()->DiveTables().GetHtml());
        Settle(500);
        SaveScreenshot(viewer, "table-viewer.png");
        Click(IDC_VIEWER_NOTES);
      })
      .Then("the notes dialog", [] { return FindShown<views::CNotes>() != nullptr; }, [] {
        views::CNotes& notes = *FindShown<views::CNotes>();
        auto* text = dynamic_cast<wxTextCtrl*>(notes.FindWindow(IDC_NOTES_TEXT));
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->GetValue(), "");
        text->SetValue("Deco on the shot line\nSecond <b>line</b>");
        Settle(200);
        SaveScreenshot(notes, "table-notes.png");
        ClickOn(notes.FindWindow(framework::kIdOk));
      })
      .Then("the notes in both footers", [] { return AskDocument(kCountNotedFooters) == "2"; }, [&] {
        // Typed markup is shown as the text it is.
        EXPECT_EQ(AskDocument("document.querySelectorAll('tfoot b').length"), "4");  // "Created" and "Notes:"
        shown = Viewer()->GetHtmlText();
        AppSettings().directories.plansAndDives.Set(folders.Root().string());
        Click(IDC_VIEWER_SAVE);
      })
      .Then("the saved file", [&] { return std::filesystem::exists(saved); }, [&] {
        // Latin-1 as the document declares, with the line ends of the desktop.
        std::string expected = shown;
        for (std::size_t at = expected.find('\n'); at != std::string::npos; at = expected.find('\n', at + 2)) {
          expected.insert(at, "\r");
        }
        ASSERT_NE(expected.find("J\xC3\xBCrgen"), std::string::npos);
        for (std::size_t at = expected.find("\xC3\xBC"); at != std::string::npos; at = expected.find("\xC3\xBC", at)) {
          expected.replace(at, 2, "\xFC");
        }
        EXPECT_EQ(ReadFileText(saved), expected);
        AppSettings().directories.plansAndDives.Set(notAFolder.string());
        Click(IDC_VIEWER_SAVE);
      })
      .Then("the failure reported", [&] { return run.NativeDialogs().size() == 3; }, [&] {
        EXPECT_EQ(run.NativeDialogs()[2].rfind("Unable to save the file " + (notAFolder / "Dive Tables.html").string() +
                                                   ".\n\n",
                                               0),
                  0u)
            << run.NativeDialogs()[2];
        // Enter while reading the tables.
        Viewer()->Raise();
        Viewer()->Browser()->Browser()->SetFocus();
        PressKey(WXK_RETURN);
      })
      .Then("a moment after Enter", [] { Settle(300); return true; }, [] {
        ASSERT_NE(Viewer(), nullptr) << "Enter closed the viewer";
        SaveScreenshot(*Viewer(), "table-viewer-notes.png");
        Click(IDC_VIEWER_PREVIEW);
      })
      .Then("the print preview", [] { return FindShown<wxPreviewFrame>() != nullptr; }, [] {
        Settle(1000);
        SaveScreenshot(*FindShown<wxPreviewFrame>(), "table-preview.png");
        FindShown<wxPreviewFrame>()->Close();
      })
      .Then("the preview closed", [] { return FindShown<wxPreviewFrame>() == nullptr; }, [] {
        Click(IDC_VIEWER_EXIT);
      })
      .Then("the viewer closed", [] { return Viewer() == nullptr; }, [] { MainWindow()->Close(); });
  EXPECT_EQ(run.Run({"--no-splash", plan.string()}), 0);
}

// Auto Recalc is off, so a changed dive keeps its results, and the gas tables command with
// them, until the command brings the plan up to date: then no dive breathes open-circuit gas.
TEST(TableViewer, TheGasTablesOfAPlanWithoutOpenCircuitGasShowTheDocumentWithoutATable) {
  TempFolders folders;
  const std::filesystem::path path = folders.Root() / "Rebreather.ccp";
  {
    CPlanGroup plan;
    ASSERT_EQ(plan.GetDivePlan(0)->AddUserPlanPoint(99, 120, 3000, false, 21, 0, 1.3, false), 0);
    ASSERT_EQ(plan.GetDivePlan(0)->AddUserPlanPoint(99, 1200, 3000, false, 21, 0, 1.3, false), 1);
    ASSERT_TRUE(plan.SavePlanGroup(path.string()));
  }
  platform::Registry().WriteDword("Software\\Velmar\\VelmarTessaline\\Settings\\General", "Auto Recalc", 0);
  ProgramRun run;
  run.Answer(wxID_NO);  // the changed plan is not saved at the end
  AgreeToTheDisclaimer(run)
      .Then("the loaded dive calculated on open circuit",
            [] { return MainWindow() != nullptr && MainWindow()->PlanGroup().GetDivePlan(0)->IsGasUsed(); },
            [] {
              CDivePlan& dive = *MainWindow()->PlanGroup().GetDivePlan(0);
              ASSERT_TRUE(dive.UpdateUserPlanPoint(0, 120, 3000, true, 21, 0, 1.3, false));
              ASSERT_TRUE(dive.UpdateUserPlanPoint(1, 1200, 3000, true, 21, 0, 1.3, false));
              ASSERT_TRUE(MainWindow()->IsCalculationPending());
              ASSERT_TRUE(ToolEnabled(ID_VIEW_GAS_TABLE));
              RunCommandLater(ID_VIEW_GAS_TABLE);
            })
      .Then("the viewer showing the document's footer",
            [] { return AskDocument("document.body.textContent.includes('This file was created on')") == "true"; },
            [] {
              EXPECT_FALSE(MainWindow()->PlanGroup().GetDivePlan(0)->IsGasUsed());
              EXPECT_EQ(AskDocument("document.querySelectorAll('table').length"), "0");
              const std::string html = Viewer()->GetHtmlText();
              EXPECT_EQ(html.rfind("<!DOCTYPE html", 0), 0u);
              EXPECT_NE(html.find("Dive Table created by the Velmar Tessaline program<br>"), std::string::npos);
              EXPECT_EQ(html.find("Gas Usage Table"), std::string::npos);
              Settle(300);
              SaveScreenshot(*Viewer(), "gas-tables-without-open-circuit.png");
              Click(IDC_VIEWER_EXIT);
            })
      .Then("the viewer closed", [] { return Viewer() == nullptr; }, [] { MainWindow()->Close(); });
  EXPECT_EQ(run.Run({"--no-splash", path.string()}), 0);
  EXPECT_EQ(run.NativeDialogs().size(), 1u);
}
