// The dive commands of the real program: delete with its question, rename with its dialog, sort
// with its dialog, each changing the plan, its tabs and its calculations as the user expects; a
// long name leaves every tab readable.
#include <gtest/gtest.h>

#include <gtk/gtk.h>

#include <wx/listctrl.h>
#include <wx/msgdlg.h>
#include <wx/textctrl.h>

#include "app/DivePlannerDlg.h"
#include "app/RenameDive.h"
#include "app/SortDivePlans.h"
#include "framework/TemplateWindows.h"
#include "platform/Registry.h"
#include "resources/resource.h"
#include "tests/app/ProgramRun.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/StderrCapture.h"
#include "tests/support/TempFolders.h"

namespace {

using namespace std::chrono_literals;

CPlanGroup& Plan() { return MainWindow()->PlanGroup(); }

// A square profile: down in 2 minutes, then the rest of the time at the depth, on air.
void AddSquareDive(int dive, int depthMetres, int minutes) {
  CDivePlan& plan = *Plan().GetDivePlan(dive);
  ASSERT_EQ(plan.AddUserPlanPoint(99, 120, depthMetres * 100, false, 21, 0, 1.3, false), 0);
  ASSERT_EQ(plan.AddUserPlanPoint(99, (minutes - 2) * 60, depthMetres * 100, false, 21, 0, 1.3, false), 1);
}

bool Calculated(int dive) { return Plan().GetDivePlan(dive)->GetStepCount() > 0; }

std::vector<std::string> Captions() {
  std::vector<std::string> captions;
  for (int tab = 0; tab < MainWindow()->GetTabCount(); ++tab) captions.push_back(MainWindow()->GetTabCaption(tab));
  return captions;
}

std::vector<std::string> ListRows(wxListCtrl& list) {
  std::vector<std::string> rows;
  for (long row = 0; row < list.GetItemCount(); ++row) {
    rows.push_back(list.GetItemText(row, 0).utf8_string() + " | " + list.GetItemText(row, 1).utf8_string());
  }
  return rows;
}

long SelectedRow(wxListCtrl& list) { return list.GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); }

// Clicks the upper (up) or lower (down) arrow of the sort dialog's spin control.
void ClickArrow(app::CSortDivePlans& dialog, bool up) {
  wxWindow* spin = dialog.FindWindow(IDC_SORT_MOVE);
  const wxSize size = spin->GetClientSize();
  ClickOn(spin, wxPoint(size.x / 2, up ? size.y / 4 : size.y * 3 / 4));
}

// Where the Rename and Sort dialogs open.
wxPoint ExpectedDialogCorner() {
  return MainWindow()->Sheet()->GetPage(0)->GetScreenPosition() + wxPoint(3, 5);
}

// Whether the notebook shows the tab of the page with its whole label: on the screen and at least
// as wide as the label asks.
bool TabLabelShown(wxNotebook& notebook, int page) {
  GtkNotebook* tabs = GTK_NOTEBOOK(notebook.GetHandle());
  GtkWidget* label = gtk_notebook_get_tab_label(tabs, gtk_notebook_get_nth_page(tabs, page));
  if (label == nullptr || !gtk_widget_get_mapped(label) || !gtk_widget_get_child_visible(label)) return false;
  int asked = 0;
  gtk_widget_get_preferred_width(label, &asked, nullptr);
  return gtk_widget_get_allocated_width(label) >= asked && asked > 0;
}

bool EveryTabLabelShown() {
  for (int tab = 0; tab < MainWindow()->GetTabCount(); ++tab) {
    if (!TabLabelShown(*MainWindow()->Sheet(), tab)) return false;
  }
  return true;
}

}  // namespace

TEST(DiveCommands, ALongNameIsShortenedOnItsTabOnlySoEveryTabKeepsItsCaption) {
  TempFolders folders;
  std::string name;
  for (int part = 0; part < 30; ++part) name += "Wreck " + std::to_string(part % 10) + "abc";  // 300 characters
  ASSERT_EQ(name.size(), 300u);
  // What a tab shows: "Dive 1 - " and 22 characters of the name, then the ellipsis.
  const std::string shown = "Dive 1 - " + name.substr(0, 22) + "\u2026";
  StderrCapture capture(folders.Root());
  ProgramRun run;
  app::CRenameDive* rename = nullptr;
  auto renameShown = [&] { return (rename = FindShown<app::CRenameDive>()) != nullptr; };
  auto nameField = [&] { return dynamic_cast<wxTextCtrl*>(rename->FindWindow(IDC_RENAME_NAME)); };
  AgreeToTheDisclaimer(run)
      .Then("the main window on the screen", MainWindowOnScreen, [] { RunCommandLater(ID_DIVE_RENAME); })
      .Then("the Rename Dive dialog drawn", [&, drawn = Drawn([&] { return rename; })] { return renameShown() && drawn(); },
            [&] {
              nameField()->SetValue(wxString::FromUTF8(name));
              ClickOn(rename->FindWindow(framework::kIdOk));
            })
      .Then("the dive renamed", DialogEnded<app::CRenameDive>, [&] {
        EXPECT_EQ(Plan().GetDiveName(0), name);
        EXPECT_EQ(MainWindow()->GetTabCaption(0), "Dive 1 - " + name);
        EXPECT_EQ(MainWindow()->Sheet()->GetPageText(0).utf8_string(), shown);
        RunCommand(ID_DIVE_ADD);
      })
      .Then("both tabs drawn with their captions",
            [drawn = Drawn([] { return MainWindow()->Sheet(); })] {
              return MainWindow()->GetTabCount() == 2 && drawn() && EveryTabLabelShown();
            },
            [&] {
              EXPECT_EQ(MainWindow()->Sheet()->GetPageText(0).utf8_string(), shown);
              EXPECT_EQ(MainWindow()->Sheet()->GetPageText(1).utf8_string(), "Dive 2");
              SaveScreenshot(*MainWindow(), "long-dive-name-tabs");
              MainWindow()->Sheet()->SetActivePage(0);
              RunCommandLater(ID_DIVE_RENAME);
            })
      // Renaming again starts from the whole name, not from what the tab shows.
      .Then("the Rename Dive dialog again", renameShown, [&] {
        EXPECT_EQ(nameField()->GetValue().utf8_string(), name);
        ClickOn(rename->FindWindow(framework::kIdCancel));
      })
      .Then("the dialog cancelled", DialogEnded<app::CRenameDive>, [&] {
        EXPECT_EQ(Plan().GetDiveName(0), name);
        Plan().ClearModified();
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
  const std::string log = capture.Finish();
  EXPECT_EQ(log.find("CRITICAL"), std::string::npos) << "the toolkit's log is above";
  EXPECT_EQ(log.find("Gtk-WARNING"), std::string::npos) << "the toolkit's log is above";
}

TEST(DiveCommands, DeleteAsksWithNoFirstRenameRefusesTildesAndSortReordersWithTheSurfaceIntervalsInPlace) {
  TempFolders folders;
  // Nothing is calculated until asked, so that what a command calculates shows.
  platform::Registry().WriteDword("Software\\Velmar\\VelmarTessaline\\Settings\\General", "Auto Recalc", 0);
  const std::string deleteQuestion = "Are you sure that you wish to delete the current dive?\n\nDive 3 - C";
  ProgramRun run;
  run.Answer(wxID_NO)    // delete dive 3: no
      .Answer(wxID_YES)  // delete dive 3: yes
      .Answer(wxID_OK);  // the refused name
  app::CRenameDive* rename = nullptr;
  app::CSortDivePlans* sort = nullptr;
  AgreeToTheDisclaimer(run)
      .Then("the main window on the screen", [] { return MainWindow() != nullptr && MainWindow()->IsShownOnScreen(); },
            [&] {
              for (int added = 0; added < 3; ++added) RunCommand(ID_DIVE_ADD);
              ASSERT_EQ(MainWindow()->GetTabCount(), 4);
              EXPECT_EQ(MainWindow()->GetActiveTab(), 3);
              const char* names[] = {"A", "B", "C", "D"};
              const int depths[] = {30, 33, 25, 20};  // all within the 35 m limit of air's EAD
              for (int dive = 0; dive < 4; ++dive) {
                AddSquareDive(dive, depths[dive], 20);
                ASSERT_TRUE(Plan().RenameDive(dive, names[dive]));
                ASSERT_FALSE(Calculated(dive));
              }
              MainWindow()->RefreshTabCaptions();
              ASSERT_TRUE(Plan().GetDivePlan(3)->SetSurfaceInterval(7200));
              MainWindow()->Sheet()->SetActivePage(2);
              RunCommand(ID_DIVE_DELETE);  // answered No
              EXPECT_EQ(MainWindow()->GetTabCount(), 4);
              EXPECT_EQ(Plan().GetDiveName(2), "C");
              EXPECT_FALSE(Calculated(0));
              RunCommand(ID_DIVE_DELETE);  // answered Yes
            })
      .Then("dive 3 deleted", [] { return MainWindow()->GetTabCount() == 3; }, [&] {
        ASSERT_EQ(run.NativeDialogs().size(), 2u);
        for (std::size_t question = 0; question < 2; ++question) {
          EXPECT_EQ(run.NativeDialogs()[question], deleteQuestion);
          EXPECT_TRUE(run.NativeDialogStyles()[question] & wxNO_DEFAULT);
          EXPECT_TRUE(run.NativeDialogStyles()[question] & wxICON_QUESTION);
        }
        Pump();
        EXPECT_EQ(Captions(), (std::vector<std::string>{"Dive 1 - A", "Dive 2 - B", "Dive 3 - D"}));
        EXPECT_EQ(Plan().GetDivePlan(2)->GetDiveIndex(), 2);
        // The tab before the deleted one is active, and the dives up to it are calculated.
        EXPECT_EQ(MainWindow()->GetActiveTab(), 1);
        EXPECT_TRUE(Calculated(0));
        EXPECT_TRUE(Calculated(1));
        EXPECT_FALSE(Calculated(2));
        EXPECT_TRUE(Plan().m_modified);
        RunCommandLater(ID_DIVE_RENAME);
      })
      .Then("the Rename Dive dialog", [&] { return (rename = FindShown<app::CRenameDive>()) != nullptr; }, [] {})
      .Then("the dialog drawn", Drawn([&] { return rename; }), [&] {
        auto* name = dynamic_cast<wxTextCtrl*>(rename->FindWindow(IDC_RENAME_NAME));
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->GetValue(), "B");
        EXPECT_EQ(rename->GetScreenPosition(), ExpectedDialogCorner());
        name->SetValue("Wreck ~ deep");
      })
      .Then("the name typed", Drawn([&] { return rename->FindWindow(IDC_RENAME_NAME); }), [&] {
        SaveScreenshot(*rename, "rename-dive");
        ClickOn(rename->FindWindow(framework::kIdOk));
      })
      .Then("the refused name", [&] { return run.NativeDialogs().size() == 3; }, [] {})
      .Then("a moment after the message", Waited(200ms), [&] {
        EXPECT_EQ(run.NativeDialogs()[2].substr(0, 45), "A dive name cannot hold the character ~ or co");
        ASSERT_EQ(FindShown<app::CRenameDive>(), rename);  // still open for the name to be changed
        EXPECT_EQ(Plan().GetDiveName(1), "B");
        dynamic_cast<wxTextCtrl*>(rename->FindWindow(IDC_RENAME_NAME))->SetValue("");
        ClickOn(rename->FindWindow(framework::kIdOk));
      })
      .Then("the dialog closed", DialogEnded<app::CRenameDive>, [&] {
        EXPECT_EQ(MainWindow()->GetTabCaption(1), "Dive 2");
        EXPECT_EQ(Plan().GetDiveName(1), "");
        // Sort: the surface intervals are those of the places.
        ASSERT_TRUE(Plan().GetDivePlan(1)->SetSurfaceInterval(3600));
        ASSERT_EQ(Plan().GetDivePlan(2)->GetSurfaceInterval(), 7200);
        Plan().ClearModified();
        RunCommandLater(ID_DIVE_SORT);
      })
      .Then("the Sort Dive Plans dialog", [&] { return (sort = FindShown<app::CSortDivePlans>()) != nullptr; }, [] {})
      .Then("the dialog drawn", Drawn([&] { return sort; }), [&] {
        auto& list = *dynamic_cast<wxListCtrl*>(sort->FindWindow(IDC_SORT_LIST));
        EXPECT_EQ(ListRows(list), (std::vector<std::string>{
                                      "Dive 1 - A | Max Depth 30.0 (m), Duration 2:00 (mm:ss)",
                                      "Dive 2 | Max Depth 33.0 (m), Duration 2:00 (mm:ss)",
                                      "Dive 3 - D | Max Depth 20.0 (m), Duration 2:00 (mm:ss)"}));
        EXPECT_EQ(SelectedRow(list), 0);
        EXPECT_EQ(sort->GetScreenPosition(), ExpectedDialogCorner());
        // A click below the rows picks the last one.
        ClickOn(&list, wxPoint(20, list.GetClientSize().y - 6));
      })
      .Then("the last row picked", [&] { return SelectedRow(*dynamic_cast<wxListCtrl*>(sort->FindWindow(IDC_SORT_LIST))) == 2; },
            [&] {
              ClickArrow(*sort, true);
              ClickArrow(*sort, true);
            })
      .Then("dive 3 moved to the top", [&] { return sort->m_order.Order() == std::vector<int>{2, 0, 1}; }, [&] {
        auto& list = *dynamic_cast<wxListCtrl*>(sort->FindWindow(IDC_SORT_LIST));
        EXPECT_EQ(list.GetItemText(0, 0), "Dive 3 - D");
        EXPECT_EQ(list.GetItemText(1, 0), "Dive 1 - A");
        EXPECT_EQ(SelectedRow(list), 0);
      })
      .Then("the moves drawn", Drawn([&] { return sort->FindWindow(IDC_SORT_LIST); }), [&] {
        SaveScreenshot(*sort, "sort-dive-plans");
        ClickArrow(*sort, true);  // the first row cannot go higher
        ClickOn(sort->FindWindow(framework::kIdOk));
      })
      .Then("the dives sorted", DialogEnded<app::CSortDivePlans>, [] {
        Pump();
        EXPECT_EQ(Captions(), (std::vector<std::string>{"Dive 1 - D", "Dive 2 - A", "Dive 3"}));
        EXPECT_EQ(Plan().GetDivePlan(0)->GetSurfaceInterval(), 0);
        EXPECT_EQ(Plan().GetDivePlan(1)->GetSurfaceInterval(), 3600);
        EXPECT_EQ(Plan().GetDivePlan(2)->GetSurfaceInterval(), 7200);
        EXPECT_TRUE(Plan().m_modified);
        // The dives up to the active tab are calculated again: dive D, never calculated before,
        // now first.
        EXPECT_EQ(MainWindow()->GetActiveTab(), 1);
        EXPECT_TRUE(Calculated(0));
        EXPECT_TRUE(Calculated(1));
        Plan().ClearModified();
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
}
