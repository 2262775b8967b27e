// The main window of the real program: title, dive tab, command states, keys and placement.
#include <gtest/gtest.h>

#include <filesystem>

#include <wx/combobox.h>
#include <wx/menu.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "app/DivePlannerDlg.h"
#include "app/RenameDive.h"
#include "app/SplashWnd.h"
#include "engine/PrivateMessages.h"
#include "framework/MenuBuilder.h"
#include "framework/Messages.h"
#include "framework/TemplateWindows.h"
#include "framework/WindowFrames.h"
#include "platform/Registry.h"
#include "resources/resource.h"
#include "tests/app/ProgramRun.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/TempFolders.h"

namespace {

using namespace std::chrono_literals;

const char* const kPlacementKey = "Software\\Velmar\\VelmarTessaline\\ResizableState";

bool TitleMarksChanges() { return MainWindow()->GetTitle().EndsWith(" *"); }

// Descends to 30 m in 2 minutes on air and stays for 20 minutes.
void AddAirDive(CDivePlan& dive) {
  ASSERT_EQ(dive.AddUserPlanPoint(99, 120, 3000, false, 21, 0, 1.3, false), 0);
  ASSERT_EQ(dive.AddUserPlanPoint(99, 1200, 3000, false, 21, 0, 1.3, false), 1);
}

// The sheet covers the frame that marks its place, and the toolbar spans the top.
void ExpectLaidOut(app::CDivePlannerDlg& window) {
  wxWindow* marker = window.FindWindow(IDC_SHEET_FRAME);
  ASSERT_NE(marker, nullptr);
  EXPECT_FALSE(marker->IsShown());
  EXPECT_EQ(window.Sheet()->GetRect(), marker->GetRect());
  const wxSize body = window.Sheet()->GetParent()->GetClientSize();
  EXPECT_EQ(window.ToolBar()->GetPosition(), wxPoint(0, 0));
  EXPECT_EQ(window.ToolBar()->GetSize().x, body.x);
  EXPECT_LE(window.ToolBar()->GetSize().y, marker->GetRect().y);
}

}  // namespace

TEST(MainWindow, ANewPlanShowsTheVersionOneDiveTabAndSaveGreyed) {
  TempFolders folders;
  ProgramRun run;
  AgreeToTheDisclaimer(run)
      .Then("the main window on the screen", MainWindowOnScreen, [] {
        app::CDivePlannerDlg& window = *MainWindow();
        EXPECT_EQ(app::CSplashWnd::Current(), nullptr);  // switched off on the command line
        EXPECT_EQ(window.GetTitle(), "Velmar Tessaline v1.0.0.1");
        EXPECT_EQ(window.GetTabCount(), 1);
        EXPECT_EQ(window.GetActiveTab(), 0);
        EXPECT_EQ(window.GetTabCaption(0), "Dive 1");
        ExpectLaidOut(window);
        window.UpdateWindowUI(wxUPDATE_UI_RECURSE);
        wxToolBar& tools = *window.ToolBar();
        EXPECT_EQ(tools.GetToolsCount(), 22u);  // 16 buttons and 6 separators
        EXPECT_FALSE(tools.GetToolEnabled(Command(ID_FILE_SAVE)));
        EXPECT_EQ(tools.GetToolShortHelp(Command(ID_TOOLS_CALCULATE)), "Calculate");
        wxMenuBar& menus = *window.GetMenuBar();
        EXPECT_EQ(menus.GetMenuCount(), 5u);
        EXPECT_EQ(menus.GetMenuLabelText(0), "File");
        EXPECT_FALSE(menus.IsEnabled(Command(ID_FILE_SAVE)));
        EXPECT_TRUE(menus.IsEnabled(Command(ID_FILE_SAVE_AS)));
        EXPECT_TRUE(menus.IsEnabled(Command(ID_FILE_EXIT)));
        // No recent files yet: the place holder stands greyed.
        EXPECT_EQ(menus.GetLabel(Command(ID_FILE_MRU_FILE1)), "Recent File");
        EXPECT_FALSE(menus.IsEnabled(Command(ID_FILE_MRU_FILE1)));
        // Enter has no default button to press: the window stays.
        window.Raise();
        PressKey(WXK_RETURN);
      })
      .Then("a moment after Enter", Waited(300ms), [] {
        ASSERT_TRUE(MainWindowOnScreen());
        SaveScreenshot(*MainWindow(), "main-window");
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
  EXPECT_TRUE(run.NativeDialogs().empty());  // nothing to save, so nothing asked
}

TEST(MainWindow, EscapeEndsTheProgramLikeExit) {
  TempFolders folders;
  ProgramRun run;
  AgreeToTheDisclaimer(run).Then("the main window on the screen", MainWindowOnScreen, [] {
    MainWindow()->Raise();
    PressKey(WXK_ESCAPE);
  });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
  EXPECT_EQ(DiagnosticLogLines(folders.Data()).back(), "Velmar Tessaline Shutdown");
}

TEST(MainWindow, AnEscapeThatClosesAMenuOrADropDownListLeavesTheProgramRunningWhileTheNextEndsIt) {
  TempFolders folders;
  int menusOpened = 0;
  int menusClosed = 0;
  bool listDropped = false;
  bool listClosed = false;
  // A menu or list on the screen, and the Escape that closes it; a while after it closed, the
  // program still runs.
  auto escapeOnceOpen = [] { PressKey(WXK_ESCAPE); };
  auto stillRunning = [] { ASSERT_TRUE(MainWindowOnScreen()) << "the Escape went on to the window and ended the program"; };
  const char* const aWhileAfter = "a while after the Escape";
  ProgramRun run;
  AgreeToTheDisclaimer(run)
      .Then("the main window on the screen", MainWindowOnScreen, [&] {
        MainWindow()->Bind(wxEVT_MENU_OPEN, [&](wxMenuEvent& event) {
          ++menusOpened;
          event.Skip();
        });
        MainWindow()->Bind(wxEVT_MENU_CLOSE, [&](wxMenuEvent& event) {
          ++menusClosed;
          event.Skip();
        });
        auto* gas = dynamic_cast<wxComboBox*>(MainWindow()->DivePage(0)->FindWindow(IDC_POINT_GAS));
        ASSERT_NE(gas, nullptr);
        gas->Bind(wxEVT_COMBOBOX_DROPDOWN, [&](wxCommandEvent& event) {
          listDropped = true;
          event.Skip();
        });
        gas->Bind(wxEVT_COMBOBOX_CLOSEUP, [&](wxCommandEvent& event) {
          listClosed = true;
          event.Skip();
        });
        MainWindow()->Raise();
      })
      .Then("the menu bar drawn", Drawn([] { return MainWindow()->GetMenuBar(); }), [] {
        wxMenuBar& menus = *MainWindow()->GetMenuBar();
        ClickOn(&menus, wxPoint(15, menus.GetClientSize().y / 2));  // on "File"
      })
      .Then("the File menu opened with the mouse", [&] { return menusOpened == 1 && PopupOnScreen(); }, escapeOnceOpen)
      .Then("the File menu closed", [&] { return menusClosed == 1; }, [] {})
      .Then(aWhileAfter, Waited(300ms), [&] {
        stillRunning();
        PressKey('F', wxMOD_ALT);
      })
      .Then("the File menu opened with the keyboard", [&] { return menusOpened == 2 && PopupOnScreen(); }, escapeOnceOpen)
      .Then("the File menu closed again", [&] { return menusClosed == 2; }, [] {})
      .Then(aWhileAfter, Waited(300ms), [&] {
        stillRunning();
        wxWindow& gas = *MainWindow()->DivePage(0)->FindWindow(IDC_POINT_GAS);
        ClickOn(&gas, wxPoint(gas.GetSize().x - 8, gas.GetSize().y / 2));  // on its arrow
      })
      .Then("the list of gases", [&] { return listDropped && PopupOnScreen(); }, escapeOnceOpen)
      .Then("the list closed", [&] { return listClosed; }, [] {})
      .Then(aWhileAfter, Waited(300ms), [&] {
        stillRunning();
        wxPoint tab;
        ASSERT_TRUE(FindTabPoint(*MainWindow()->Sheet(), 0, tab));
        wxUIActionSimulator mouse;
        mouse.MouseMove(MainWindow()->Sheet()->ClientToScreen(tab));
        mouse.MouseClick(wxMOUSE_BTN_RIGHT);
      })
      .Then("the dive menu of the tabs", [&] { return menusOpened == 3 && PopupOnScreen(); }, escapeOnceOpen)
      .Then("the dive menu closed", [&] { return menusClosed == 3; }, [] {})
      .Then(aWhileAfter, Waited(300ms), [&] {
        stillRunning();
        PressKey(WXK_ESCAPE);  // nothing open: Exit
      });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
  EXPECT_EQ(DiagnosticLogLines(folders.Data()).back(), "Velmar Tessaline Shutdown");
}

TEST(MainWindow, ThePlacementComesBackAndIsKeptAgainAtExit) {
  TempFolders folders;
  platform::Registry().WriteString(kPlacementKey, "VelmarTessalineWindowPlacement", "60,40,1460,1040,1,0,0,0");
  wxRect sheet;
  ProgramRun run;
  AgreeToTheDisclaimer(run)
      .Then("the main window where it was left",
            [] { return MainWindowOnScreen() && MainWindow()->GetRect() == wxRect(60, 40, 1400, 1000); },
            [&] {
              Pump();
              ExpectLaidOut(*MainWindow());
              sheet = MainWindow()->Sheet()->GetRect();
              MainWindow()->SetSize(100, 80, 1450, 1050);
            })
      .Then("the main window resized on the screen",
            [] { return framework::FrameOnScreen(*MainWindow()) == std::optional(wxRect(100, 80, 1450, 1050)); },
            [&] {
              Pump();
              ExpectLaidOut(*MainWindow());
              EXPECT_EQ(MainWindow()->Sheet()->GetRect(), wxRect(sheet.GetTopLeft(), sheet.GetSize() + wxSize(50, 50)));
              MainWindow()->Close();
            });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
  EXPECT_EQ(platform::Registry().ReadString(kPlacementKey, "VelmarTessalineWindowPlacement"),
            std::optional<std::string>("100,80,1550,1130,1,0,0,0"));
}

TEST(MainWindow, AtThirtyDivesAddIsGreyedInTheMenuTheToolbarAndTheTabsRightClickMenu) {
  TempFolders folders;
  wxMenu* opened = nullptr;
  bool closed = false;
  ProgramRun run;
  AgreeToTheDisclaimer(run)
      .Then("the main window on the screen", MainWindowOnScreen, [&] {
        app::CDivePlannerDlg& window = *MainWindow();
        for (int added = 0; added < 29; ++added) {
          EXPECT_TRUE(ToolEnabled(ID_DIVE_ADD));
          RunCommand(ID_DIVE_ADD);
        }
        ASSERT_EQ(window.GetTabCount(), 30);
        EXPECT_EQ(window.GetTabCaption(29), "Dive 30");
        EXPECT_FALSE(ToolEnabled(ID_DIVE_ADD));
        EXPECT_FALSE(window.GetMenuBar()->IsEnabled(Command(ID_DIVE_ADD)));
        EXPECT_TRUE(window.GetMenuBar()->IsEnabled(Command(ID_DIVE_DELETE)));
        RunCommand(ID_DIVE_ADD);  // refused without a word
        EXPECT_EQ(window.PlanGroup().GetDiveCount(), 30);
        window.Bind(wxEVT_MENU_OPEN, [&](wxMenuEvent& event) {
          opened = event.GetMenu();
          event.Skip();
        });
        window.Bind(wxEVT_MENU_CLOSE, [&](wxMenuEvent& event) {
          closed = true;
          event.Skip();
        });
      })
      .Then("the tabs drawn", Drawn([] { return MainWindow()->Sheet(); }), [] {
        app::CDivePlannerDlg& window = *MainWindow();
        SaveScreenshot(window, "main-window-30-dives");
        // Any tab on the screen will do: not every one of 30 fits.
        wxPoint tab;
        int page = window.GetActiveTab();
        while (page >= 0 && !FindTabPoint(*window.Sheet(), page, tab)) --page;
        ASSERT_GE(page, 0);
        wxUIActionSimulator mouse;
        mouse.MouseMove(window.Sheet()->ClientToScreen(tab));
        mouse.MouseClick(wxMOUSE_BTN_RIGHT);
      })
      .Then("the dive menu", [&] { return opened != nullptr && PopupOnScreen(); }, [&] {
        EXPECT_FALSE(opened->IsEnabled(ID_DIVES_ADD));
        for (int command : {ID_DIVES_DELETE, ID_DIVES_RENAME, ID_DIVES_SORT, ID_DIVES_IMPORT, ID_DIVES_EXPORT}) {
          ASSERT_NE(opened->FindItem(command), nullptr) << command;
          EXPECT_TRUE(opened->IsEnabled(command)) << command;
        }
        EXPECT_EQ(opened->FindItem(ID_DIVES_ADD)->GetItemLabel(), "&Add Dive");
        EXPECT_TRUE(opened->FindItem(ID_DIVES_ADD)->GetBitmap().IsOk());
        PressKey(WXK_ESCAPE);
      })
      .Then("the dive menu closed", [&] { return closed; }, [] {
        ASSERT_TRUE(MainWindowOnScreen());  // the Escape closed the menu only
        MainWindow()->PlanGroup().ClearModified();
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
}

TEST(MainWindow, AModifiedPlanEnablesSaveAndExitAsksWhileACancelledSaveKeepsTheProgramOpen) {
  TempFolders folders;
  const std::string question = "The Dive Plan has been modified.\n\nDo you want to save the changes?";
  ProgramRun run;
  run.Answer(wxID_CANCEL)   // Ctrl+S: the Save As dialog
      .Answer(wxID_YES)     // first exit: save the changes?
      .Answer(wxID_CANCEL)  // ... the Save As dialog
      .Answer(wxID_NO);     // second exit: do not save
  AgreeToTheDisclaimer(run)
      .Then("the main window on the screen", MainWindowOnScreen, [] {
        EXPECT_FALSE(ToolEnabled(ID_FILE_SAVE));
        MainWindow()->Raise();
        PressKey('S', wxMOD_CONTROL);  // greyed: nothing happens
      })
      .Then("a moment after Ctrl+S", Waited(300ms), [&] {
        EXPECT_TRUE(run.NativeDialogs().empty());
        ASSERT_TRUE(MainWindow()->PlanGroup().GetDivePlan(0)->SetGfLow(30));
      })
      .Then("the title marking the change", TitleMarksChanges, [] {
        EXPECT_EQ(MainWindow()->GetTitle(), "Velmar Tessaline v1.0.0.1 *");
        EXPECT_TRUE(ToolEnabled(ID_FILE_SAVE));
        // Ctrl+S reaches Save from the dive tab, before the tab could see the key.
        MainWindow()->Sheet()->SetFocus();
        PressKey('S', wxMOD_CONTROL);
      })
      .Then("the Save As dialog of Ctrl+S", [&] { return run.NativeDialogs().size() == 1; }, [] {
        MainWindow()->Close();
      })
      .Then("the question and the Save As dialog of Exit", [&] { return run.NativeDialogs().size() == 3; }, [] {})
      .Then("a while after them", Waited(300ms), [&] {
        EXPECT_EQ(run.NativeDialogs()[1], question);
        ASSERT_TRUE(MainWindowOnScreen()) << "the changes would be lost";
        EXPECT_TRUE(TitleMarksChanges());
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
  ASSERT_EQ(run.NativeDialogs().size(), 4u);
  EXPECT_EQ(run.NativeDialogs()[3], question);
  EXPECT_EQ(DiagnosticLogLines(folders.Data()).back(), "Velmar Tessaline Shutdown");
}

TEST(MainWindow, EscapeExitAndTheCloseBoxTakeAValueStillBeingTypedAndAskAboutIt) {
  TempFolders folders;
  ProgramRun run;
  const std::string question = "The Dive Plan has been modified.\n\nDo you want to save the changes?";
  auto field = [] { return dynamic_cast<wxTextCtrl*>(MainWindow()->DivePage(0)->FindWindow(IDC_DS_SURFACE_PRESSURE)); };
  auto surfacePressureMbar = [] { return MainWindow()->PlanGroup().GetDivePlan(0)->GetSurfacePressure(); };
  // Types over the last digit of the field, as the user does.
  auto typeLastDigit = [](char digit) {
    PressKey(WXK_END);
    PressKey(WXK_BACK);
    PressKey(digit);
  };
  // Each way out asks; a Yes whose Save As is cancelled keeps the program, with the value.
  auto expectAskedAndKept = [&](std::size_t dialogs, double mbar) {
    ASSERT_EQ(run.NativeDialogs().size(), dialogs);
    EXPECT_EQ(run.NativeDialogs()[dialogs - 2], question);
    ASSERT_TRUE(MainWindowOnScreen()) << "the program ended";
    EXPECT_EQ(surfacePressureMbar(), mbar);
    EXPECT_TRUE(TitleMarksChanges());
  };
  int menusOpened = 0;
  for (int way = 0; way < 3; ++way) run.Answer(wxID_YES).Answer(wxID_CANCEL);
  AgreeToTheDisclaimer(run)
      .Then("the main window on the screen", MainWindowOnScreen, [&] {
        MainWindow()->Bind(wxEVT_MENU_OPEN, [&](wxMenuEvent& event) {
          ++menusOpened;
          event.Skip();
        });
        MainWindow()->Raise();
        ClickOn(field());
      })
      .Then("Surface Pressure focused", [&] { return wxWindow::FindFocus() == field(); },
            [&] { typeLastDigit('5'); })
      .Then("1005 typed", [&] { return field()->GetValue() == "1005"; }, [&] {
        EXPECT_FALSE(TitleMarksChanges());
        EXPECT_EQ(surfacePressureMbar(), 1000);
        PressKey(WXK_ESCAPE);
      })
      .Then("the question and the Save As dialog of Escape", [&] { return run.NativeDialogs().size() == 2; }, [&] {
        expectAskedAndKept(2, 1005);
        MainWindow()->PlanGroup().ClearModified();
      })
      .Then("the typing back in the field", [&] { return wxWindow::FindFocus() == field(); },
            [&] { typeLastDigit('7'); })
      .Then("1007 typed", [&] { return field()->GetValue() == "1007"; }, [&] {
        EXPECT_EQ(surfacePressureMbar(), 1005);
        PressKey('F', wxMOD_ALT);
      })
      .Then("the File menu", [&] { return menusOpened == 1 && PopupOnScreen(); }, [] { PressKey('X'); })
      .Then("the question and the Save As dialog of Exit", [&] { return run.NativeDialogs().size() == 4; }, [&] {
        expectAskedAndKept(4, 1007);
        MainWindow()->PlanGroup().ClearModified();
      })
      .Then("the field focused again", [&] { return wxWindow::FindFocus() == field(); },
            [&] { typeLastDigit('3'); })
      .Then("1003 typed", [&] { return field()->GetValue() == "1003"; }, [&] {
        EXPECT_EQ(surfacePressureMbar(), 1007);
        PressCloseBox(*MainWindow());
      })
      .Then("the question and the Save As dialog of the close box", [&] { return run.NativeDialogs().size() == 6; },
            [&] {
              expectAskedAndKept(6, 1003);
            })
      .Then("drawn again", Drawn([] { return MainWindow(); }), [] {
        SaveScreenshot(*MainWindow(), "exit-takes-typed-value");
        MainWindow()->PlanGroup().ClearModified();
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
}

TEST(MainWindow, SaveWritesAnOpenedPlanBackToItsFileAndClearsTheChange) {
  TempFolders folders;
  const std::string path = (folders.Root() / "Saturday.ccp").string();
  {
    CPlanGroup plan;
    plan.CreateDefaultPlan();
    ASSERT_TRUE(plan.SavePlanGroup(path));
  }
  ProgramRun run;
  AgreeToTheDisclaimer(run)
      .Then("the main window on the screen", MainWindowOnScreen, [] {
        EXPECT_EQ(MainWindow()->GetTitle(), "Velmar Tessaline v1.0.0.1 - Saturday.ccp");
        ASSERT_TRUE(MainWindow()->PlanGroup().GetDivePlan(0)->SetGfLow(35));
      })
      .Then("the title marking the change", TitleMarksChanges, [] {
        EXPECT_EQ(MainWindow()->GetTitle(), "Velmar Tessaline v1.0.0.1 - Saturday.ccp *");
        MainWindow()->Raise();
        PressKey('S', wxMOD_CONTROL);  // the plan has its file: no dialog
      })
      .Then("the change saved", [] { return !TitleMarksChanges(); }, [] {
        EXPECT_EQ(MainWindow()->GetTitle(), "Velmar Tessaline v1.0.0.1 - Saturday.ccp");
        EXPECT_FALSE(MainWindow()->PlanGroup().m_modified);
        EXPECT_FALSE(ToolEnabled(ID_FILE_SAVE));
        MainWindow()->Close();  // nothing unsaved: no question
      });
  EXPECT_EQ(run.Run({"--no-splash", path}), 0);
  EXPECT_TRUE(run.NativeDialogs().empty());
  CPlanGroup reloaded;
  ASSERT_TRUE(reloaded.LoadPlanGroup(path));
  EXPECT_DOUBLE_EQ(reloaded.GetDivePlan(0)->GetGfLow(), 35.0);
}

TEST(MainWindow, ASaveAsDialogClosedWithoutANameWritesNothing) {
  TempFolders folders;
  const std::filesystem::path nameless = std::filesystem::current_path() / ".ccp";
  std::filesystem::remove(nameless);
  ProgramRun run;
  run.Answer(wxID_OK)   // Save As: OK with the name field empty
      .Answer(wxID_NO);  // exit: do not save
  AgreeToTheDisclaimer(run)
      .Then("the main window on the screen", MainWindowOnScreen, [] {
        ASSERT_TRUE(MainWindow()->PlanGroup().GetDivePlan(0)->SetGfLow(30));
      })
      .Then("the title marking the change", TitleMarksChanges, [] { RunCommand(ID_FILE_SAVE_AS); })
      .Then("the Save As dialog", [&] { return run.NativeDialogs().size() == 1; }, [&] {
        EXPECT_FALSE(std::filesystem::exists(nameless));
        EXPECT_TRUE(TitleMarksChanges());
        EXPECT_EQ(MainWindow()->GetTitle(), "Velmar Tessaline v1.0.0.1 *");
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
  EXPECT_EQ(run.NativeDialogs().size(), 2u);
  std::filesystem::remove(nameless);
}

TEST(MainWindow, WithAutoRecalcOffAnEditWaitsForCalculateAndTheDiveMessagesAct) {
  TempFolders folders;
  const std::string settings = "Software\\Velmar\\VelmarTessaline\\Settings";
  platform::Registry().WriteDword(settings + "\\General", "Auto Recalc", 0);
  platform::Registry().WriteString(settings + "\\Gas Mix", "Gas Mixes", "21/0,32/0");
  platform::Registry().WriteString(settings + "\\Gas Mix", "Gas Mixes Ageing", "21/0/-1/-1,32/0/100/7");
  const int today = static_cast<int>((std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()) -
                                      std::chrono::sys_days(std::chrono::year(2000) / 1 / 1)).count());
  wxPoint tab;
  wxPoint onTab;
  ProgramRun run;
  AgreeToTheDisclaimer(run)
      .Then("the main window on the screen", MainWindowOnScreen, [] {
        CPlanGroup& plan = MainWindow()->PlanGroup();
        EXPECT_FALSE(plan.m_autoRecalc);
        EXPECT_FALSE(ToolEnabled(ID_TOOLS_CALCULATE));
        AddAirDive(*plan.GetDivePlan(0));
        EXPECT_TRUE(plan.m_calcPending);
        EXPECT_EQ(plan.GetDivePlan(0)->GetStepCount(), 0);
      })
      .Then("Calculate offered", [] { return ToolEnabled(ID_TOOLS_CALCULATE); }, [] {
        RunCommand(ID_TOOLS_CALCULATE);
        CPlanGroup& plan = MainWindow()->PlanGroup();
        EXPECT_FALSE(plan.m_calcPending);
        EXPECT_GT(plan.GetDivePlan(0)->GetStepCount(), 1320);  // at least one step a second
        EXPECT_FALSE(ToolEnabled(ID_TOOLS_CALCULATE));
        // A second dive, named, awaiting its calculation.
        ASSERT_TRUE(plan.AddDivePlan());
        MainWindow()->SyncTabsToPlan();
        EXPECT_EQ(MainWindow()->GetTabCount(), 2);
        EXPECT_EQ(MainWindow()->GetActiveTab(), 1);
        ASSERT_TRUE(plan.RenameDive(1, "Wreck"));
        AddAirDive(*plan.GetDivePlan(1));
        EXPECT_EQ(MainWindow()->GetTabCaption(1), "Dive 2");
        framework::PostToMainWindow(WMU_DIVE_CALCULATED, 7);  // no such tab: nothing
        framework::PostToMainWindow(WMU_DIVE_CALCULATED, 1);
        framework::PostToMainWindow(WMU_PLAN_LOADED, 5);
        framework::PostToMainWindow(WMU_PLAN_LOADED, 0);
        framework::PostToMainWindow(WMU_GAS_MIX_SELECTED, 32, 0);
      })
      .Then("the messages handled", [] { return MainWindow()->GetActiveTab() == 0; }, [&] {
        Pump();
        CPlanGroup& plan = MainWindow()->PlanGroup();
        EXPECT_EQ(MainWindow()->GetTabCaption(0), "Dive 1");
        EXPECT_EQ(MainWindow()->GetTabCaption(1), "Dive 2 - Wreck");
        EXPECT_TRUE(plan.m_calcPending);  // the loaded notice calculated dive 1 only
        EXPECT_EQ(plan.GetDivePlan(1)->GetStepCount(), 0);
        EXPECT_EQ(platform::Registry().ReadString(settings + "\\Gas Mix", "Gas Mixes Ageing"),
                  std::optional<std::string>("21/0/-1/-1,32/0/" + std::to_string(today) + "/0"));
      })
      // The user's change to the second tab brings the plan up to date to that dive. The click
      // waits until the toolkit has laid the new tab out and the pointer has reached it.
      .Then("the second dive's tab laid out", [&] { return FindTabPoint(*MainWindow()->Sheet(), 1, tab); }, [&] {
        onTab = MainWindow()->Sheet()->ClientToScreen(tab);
        wxUIActionSimulator().MouseMove(onTab);
      })
      .Then("the pointer on the second dive's tab", [&] { return wxGetMousePosition() == onTab; },
            [] { wxUIActionSimulator().MouseClick(); })
      .Then("the second dive calculated", [] { return !MainWindow()->PlanGroup().m_calcPending; }, [] {
        EXPECT_EQ(MainWindow()->GetActiveTab(), 1);
        EXPECT_GT(MainWindow()->PlanGroup().GetDivePlan(1)->GetStepCount(), 1320);
        MainWindow()->PlanGroup().ClearModified();
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
}

TEST(MainWindow, TheRenameMessageRenamesTheSelectedDiveAndTheRefreshMessageBringsTitleAndCaptionsUpToDate) {
  TempFolders folders;
  app::CRenameDive* rename = nullptr;
  ProgramRun run;
  AgreeToTheDisclaimer(run)
      .Then("the main window on the screen", MainWindowOnScreen, [] {
        RunCommand(ID_DIVE_ADD);
        MainWindow()->PlanGroup().ClearModified();
      })
      .Then("the title without changes", [] { return !TitleMarksChanges(); }, [] {
        CPlanGroup& plan = MainWindow()->PlanGroup();
        // Changes the window is not told about: the flag set directly, a name given behind the tabs.
        plan.m_modified = true;
        ASSERT_TRUE(plan.RenameDive(0, "Reef"));
        Pump();
        EXPECT_EQ(MainWindow()->GetTabCaption(0), "Dive 1");
        EXPECT_FALSE(TitleMarksChanges());
        framework::PostToMainWindow(WMU_REFRESH_VIEW);
      })
      .Then("title and captions up to date", [] { return MainWindow()->GetTabCaption(0) == "Dive 1 - Reef"; }, [] {
        EXPECT_EQ(MainWindow()->GetTitle(), "Velmar Tessaline v1.0.0.1 *");
        EXPECT_EQ(MainWindow()->GetTabCaption(1), "Dive 2");
        framework::PostToMainWindow(WMU_RENAME_DIVE);
      })
      .Then("the Rename Dive dialog", [&] { return (rename = FindShown<app::CRenameDive>()) != nullptr; }, [] {})
      .Then("the dialog drawn", Drawn([&] { return rename; }), [&] {
        auto* name = dynamic_cast<wxTextCtrl*>(rename->FindWindow(IDC_RENAME_NAME));
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->GetValue(), "");  // the selected dive, the second, has no name
        name->SetValue("Wall");
        ClickOn(rename->FindWindow(framework::kIdOk));
      })
      .Then("the dialog closed", DialogEnded<app::CRenameDive>, [] {
        EXPECT_EQ(MainWindow()->GetTabCaption(1), "Dive 2 - Wall");
        EXPECT_EQ(MainWindow()->PlanGroup().GetDiveName(1), "Wall");
        EXPECT_EQ(MainWindow()->PlanGroup().GetDiveName(0), "Reef");
        MainWindow()->PlanGroup().ClearModified();
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
}
