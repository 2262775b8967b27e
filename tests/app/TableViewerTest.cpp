// The dive tables of a loaded plan in the viewer: opened from the View menu, annotated, saved
// and kept open by Enter; each viewer has its own document from the first moment it is shown,
// and the browser engine ends with the program.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <set>

#include <wx/prntbase.h>
#include <wx/modalhook.h>
#include <wx/textctrl.h>
#include <wx/webview.h>

#include <X11/Xlib.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include "app/DivePlannerDlg.h"
#include "app/TabDivePlan.h"
#include "engine/AppSettings.h"
#include "engine/PlanGroup.h"
#include "framework/MenuBuilder.h"
#include "framework/TemplateWindows.h"
#include "platform/Registry.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"
#include "tests/app/ProgramRun.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/TempFolders.h"
#include "views/BrowserHostWnd.h"
#include "views/Notes.h"
#include "views/Viewer.h"

namespace {

views::CViewer* Viewer() { return FindShown<views::CViewer>(); }
// Conditions met once the window is on the screen and drawn, where its buttons take clicks.
ProgramRun::Condition ViewerDrawn() { return Drawn([] { return Viewer(); }); }
ProgramRun::Condition NotesDrawn() { return Drawn([] { return FindShown<views::CNotes>(); }); }

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

std::set<pid_t> PageProcesses() { return EngineProcesses("WebKitWebProces"); }

// The menu command, as the View menu sends it.
void RunViewCommand(int command) {
  wxQueueEvent(MainWindow(), new wxCommandEvent(wxEVT_MENU, framework::ToolkitCommandId(command)));
}

void SaveScreenshot(wxWindow& window, const char* name) {
  wxImage shot = CaptureWindow(window).ConvertToImage();
  if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
  EXPECT_TRUE(shot.SaveFile(std::string(GUI_ARTEFACT_DIR "/") + name, wxBITMAP_TYPE_PNG));
}

// Whether the keyboard focus of the viewer is in its document.
bool DocumentHasTheFocus() {
  auto* browser = static_cast<GtkWidget*>(Viewer()->Browser()->Browser()->GetHandle());
  GtkWidget* focus = gtk_window_get_focus(GTK_WINDOW(Viewer()->GetHandle()));
  return focus != nullptr && (focus == browser || gtk_widget_is_ancestor(focus, browser));
}

// Whether the keyboard focus of every top-level window, shown or hidden, is a control that is
// drawn, if it has one: GTK drops the keys of a window whose focus is not.
bool EveryKeyboardFocusIsDrawn() {
  for (wxWindow* window : wxTopLevelWindows) {
    GtkWidget* focus = gtk_window_get_focus(GTK_WINDOW(window->GetHandle()));
    if (focus != nullptr && !gtk_widget_get_realized(focus)) return false;
  }
  return true;
}

// The request a window manager sends when the close box of the window is clicked: a client
// message through the X server, which reaches the program in turn with the display's other
// events.
void SendCloseRequestThroughTheDisplay(wxTopLevelWindow& window) {
  GdkWindow* shown = gtk_widget_get_window(static_cast<GtkWidget*>(window.GetHandle()));
  ASSERT_NE(shown, nullptr);
  Display* display = GDK_WINDOW_XDISPLAY(shown);
  XEvent request{};
  request.xclient.type = ClientMessage;
  request.xclient.window = GDK_WINDOW_XID(shown);
  request.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  request.xclient.format = 32;
  request.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  request.xclient.data.l[1] = CurrentTime;
  ASSERT_NE(XSendEvent(display, request.xclient.window, False, NoEventMask, &request), 0);
  XFlush(display);
}

// Sends the main window a close request as each viewer starts to run: made, not yet on the
// screen. The display hands the request back after the viewer has been put on the screen as a
// modal window, before it is there.
class CloseRequestAsAViewerStarts : public wxModalDialogHook {
 public:
  CloseRequestAsAViewerStarts() { Register(); }
  ~CloseRequestAsAViewerStarts() override { Unregister(); }
  int sent = 0;

 protected:
  int Enter(wxDialog* dialog) override {
    if (dynamic_cast<views::CViewer*>(dialog) != nullptr && MainWindow() != nullptr) {
      SendCloseRequestThroughTheDisplay(*MainWindow());
      ++sent;
    }
    return wxID_NONE;
  }
  void Exit(wxDialog*) override {}
};

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
      .Then("the plan's two dives", [] { return MainWindowOnScreen() && MainWindow()->GetTabCount() == 2; },
            [] { RunViewCommand(ID_VIEW_ALL_DIVE_TABLES); })
      .Then("the viewer showing two tables", [] { return AskDocument(kCountTables) == "2"; }, [] {
        views::CViewer& viewer = *Viewer();
        EXPECT_EQ(viewer.GetTitle(), "Velmar Tessaline - Viewer");
        EXPECT_EQ(viewer.GetHtmlText(), MainWindow()->DiveTables().GetHtml());
      })
      .Then("the tables drawn", Drawn([] { return Viewer()->Browser(); }), [] {
        SaveScreenshot(*Viewer(), "table-viewer.png");
        Click(IDC_VIEWER_NOTES);
      })
      .Then("the notes dialog", NotesDrawn(), [] {
        views::CNotes& notes = *FindShown<views::CNotes>();
        auto* text = dynamic_cast<wxTextCtrl*>(notes.FindWindow(IDC_NOTES_TEXT));
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->GetValue(), "");
        text->SetValue("Deco on the shot line\nSecond <b>line</b>");
      })
      .Then("the notes typed", Drawn([] { return FindShown<views::CNotes>()->FindWindow(IDC_NOTES_TEXT); }), [] {
        views::CNotes& notes = *FindShown<views::CNotes>();
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
      .Then("a moment after Enter", Waited(std::chrono::milliseconds(300)), [] {
        ASSERT_NE(Viewer(), nullptr) << "Enter closed the viewer";
        SaveScreenshot(*Viewer(), "table-viewer-notes.png");
        Click(IDC_VIEWER_PREVIEW);
      })
      .Then("the print preview", Drawn([] { return FindShown<wxPreviewFrame>(); }), [] {
        SaveScreenshot(*FindShown<wxPreviewFrame>(), "table-preview.png");
        FindShown<wxPreviewFrame>()->Close();
      })
      .Then("the preview closed", Drawn([]() -> wxWindow* { return FindShown<wxPreviewFrame>() == nullptr ? Viewer() : nullptr; }),
            [] { Click(IDC_VIEWER_EXIT); })
      .Then("the viewer closed", DialogEnded<views::CViewer>, [] { MainWindow()->Close(); });
  EXPECT_EQ(run.Run({"--no-splash", plan.string()}), 0);
}

// Auto Recalc is off, so a changed dive keeps its results, and the gas tables command with
// them, until the command brings the plan up to date: then no dive breathes open-circuit gas.
TEST(TableViewer, TheGasTablesOfAPlanWithoutOpenCircuitGasShowTheDocumentWithoutATable) {
  TempFolders folders;
  const std::filesystem::path path = folders.Root() / "Rebreather.ccp";
  WriteOneDivePlan(path);
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
            })
      .Then("the document drawn", Drawn([] { return Viewer()->Browser(); }), [] {
        SaveScreenshot(*Viewer(), "gas-tables-without-open-circuit.png");
        Click(IDC_VIEWER_EXIT);
      })
      .Then("the viewer closed", DialogEnded<views::CViewer>, [] { MainWindow()->Close(); });
  EXPECT_EQ(run.Run({"--no-splash", path.string()}), 0);
  EXPECT_EQ(run.NativeDialogs().size(), 1u);
}

// The program opens the dive table of the current dive, then of both dives with notes. Each
// step acts at the first look at the viewer after it was shown: its document must be there
// already, not come a moment later, and not be the document of the viewer before. The exit
// status of the program, or 1 when a step failed.
int RunViewersInARow() {
  TempFolders folders;
  const std::filesystem::path plan = folders.Root() / "Weekend.ccp";
  WriteTwoDivePlan(plan.string());
  std::set<pid_t> pageProcesses;

  ProgramRun run;
  AgreeToTheDisclaimer(run)
      .Then("the plan's two dives", [] { return MainWindowOnScreen() && MainWindow()->GetTabCount() == 2; },
            [] { RunViewCommand(ID_VIEW_DIVE_TABLE); })
      .Then("the viewer of the current dive", [] { return Viewer() != nullptr; }, [&] {
        EXPECT_EQ(AskDocument("document.title"), "Velmar Tessaline");
        EXPECT_EQ(AskDocument(kCountTables), "1");
        pageProcesses = PageProcesses();
        EXPECT_FALSE(pageProcesses.empty());
      })
      .Then("the first viewer drawn", ViewerDrawn(), [] { Click(IDC_VIEWER_EXIT); })
      .Then("the first viewer closed", DialogEnded<views::CViewer>,
            [] { RunViewCommand(ID_VIEW_ALL_DIVE_TABLES); })
      .Then("the viewer of both dives", [] { return Viewer() != nullptr; }, [&] {
        EXPECT_EQ(AskDocument(kCountTables), "2");
        // The engine was not started again for this viewer.
        EXPECT_EQ(PageProcesses(), pageProcesses);
      })
      .Then("the second viewer drawn", ViewerDrawn(), [] { Click(IDC_VIEWER_NOTES); })
      .Then("the notes dialog", NotesDrawn(), [] {
        views::CNotes& notes = *FindShown<views::CNotes>();
        dynamic_cast<wxTextCtrl*>(notes.FindWindow(IDC_NOTES_TEXT))->SetValue("Deco on the shot line\nSecond <b>line</b>");
        ClickOn(notes.FindWindow(framework::kIdOk));
      })
      .Then("the notes dialog gone", [] { return !AnyWindowIs<views::CNotes>(); }, [] {
        EXPECT_EQ(AskDocument(kCountNotedFooters), "2");
        Click(IDC_VIEWER_EXIT);
      })
      .Then("the second viewer closed", DialogEnded<views::CViewer>, [] { MainWindow()->Close(); });
  const int status = run.Run({"--no-splash", plan.string()});
  return ::testing::Test::HasFailure() ? 1 : status;
}

// The program runs in a process of its own, so that the engine's end with it is seen.
TEST(TableViewer, EachViewerShowsItsOwnDocumentAtOnceAndTheEngineEndsWithTheProgram) {
  RunInAProcessOfItsOwn(RunViewersInARow);
}

// Three viewers opened with Alt+V, V, Return. The first is closed as Alt+F4 closes it (the
// window manager turns the key into a request to close the window, which the test sends), the
// second the same way after a click into its document, the third with its Exit button. Each
// time the field typed in before has the keyboard again, and at the end the View menu opens.
TEST(TableViewer, TheKeyboardStaysWithTheMainWindowAfterViewersOpenedByKeys) {
  TempFolders folders;
  const std::filesystem::path plan = folders.Root() / "Weekend.ccp";
  WriteTwoDivePlan(plan.string());
  int menusOpened = 0;
  wxWindow* field = nullptr;
  std::unique_ptr<GtkLogRecorder> gtkLog;
  const auto focusBackInField = [&] {
    return !AnyWindowIs<views::CViewer>() && wxWindow::FindFocus() == field && gtk_grab_get_current() == nullptr &&
           EveryKeyboardFocusIsDrawn();
  };
  // V picks the current dive's tables or, from there, all dives' tables.
  const auto viewerWithTables = [] {
    return [drawn = ViewerDrawn()] {
      const std::string tables = AskDocument(kCountTables);
      return (tables == "1" || tables == "2") && drawn();
    };
  };
  const auto menuOpenedTimes = [&](int times) {
    return [&, times] { return menusOpened == times && PopupOnScreen(); };
  };
  const auto pickTables = [] {
    PressKey('V');
    PressKey(WXK_RETURN);
  };

  ProgramRun run;
  AgreeToTheDisclaimer(run)
      .Then("the plan's two dives", [] { return MainWindowOnScreen() && MainWindow()->GetTabCount() == 2; },
            [&] {
              MainWindow()->Bind(wxEVT_MENU_OPEN, [&](wxMenuEvent& event) {
                ++menusOpened;
                event.Skip();
              });
              field = MainWindow()->DivePage(0)->FindWindow(IDC_DEPTH_EDIT);
              ClickOn(field);
            })
      .Then("the focus in the depth field", [&] { return wxWindow::FindFocus() == field; }, [&] {
        gtkLog = std::make_unique<GtkLogRecorder>();
        PressKey('V', wxMOD_ALT);
      })
      .Then("the View menu open", menuOpenedTimes(1), pickTables)
      .Then("the first viewer", viewerWithTables(), [] { PressCloseBox(*Viewer()); })
      .Then("the first viewer closed, the focus in the depth field", focusBackInField,
            [] { PressKey('V', wxMOD_ALT); })
      .Then("the View menu open again", menuOpenedTimes(2), pickTables)
      .Then("the second viewer", viewerWithTables(), [] { ClickOn(Viewer()->Browser()->Browser()); })
      .Then("the focus in its document", DocumentHasTheFocus, [] { PressCloseBox(*Viewer()); })
      .Then("the second viewer closed, the focus in the depth field", focusBackInField,
            [] { PressKey('V', wxMOD_ALT); })
      .Then("the View menu open a third time", menuOpenedTimes(3), pickTables)
      .Then("the third viewer", viewerWithTables(), [] { Click(IDC_VIEWER_EXIT); })
      .Then("the third viewer closed, the focus in the depth field", focusBackInField,
            [] { PressKey('V', wxMOD_ALT); })
      .Then("the View menu open after the viewers", menuOpenedTimes(4), [&] {
        SaveScreenshot(*MainWindow(), "view-menu-after-viewers.png");
        EXPECT_TRUE(gtkLog->Messages().empty()) << gtkLog->Messages().front();
        PressKey(WXK_ESCAPE);
      })
      .Then("the menu closed, the focus in the depth field", focusBackInField, [&] {
        gtkLog.reset();
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash", plan.string()}), 0);
}

// The main window's close box is pressed as a viewer starts: the request reaches the program
// while the viewer waits for its document. The viewer still comes up over the main window, and
// the main window asks about the changed plan and closes once the viewer has been closed.
TEST(TableViewer, AClosePressedWhileAViewerWaitsForItsDocumentReachesTheMainWindowAfterTheViewer) {
  TempFolders folders;
  const std::filesystem::path plan = folders.Root() / "Weekend.ccp";
  WriteTwoDivePlan(plan.string());

  ProgramRun run;
  run.Answer(wxID_NO);  // the changed plan is not saved
  AgreeToTheDisclaimer(run)
      .Then("the plan's two dives", [] { return MainWindowOnScreen() && MainWindow()->GetTabCount() == 2; },
            [] {
              MainWindow()->PlanGroup().SetModified(true);
              MainWindow()->CallAfter([] {
                PressCloseBox(*MainWindow());
                RunCommand(ID_VIEW_DIVE_TABLE);
              });
            })
      .Then("the viewer with its document, drawn",
            [drawn = ViewerDrawn()] { return AskDocument(kCountTables) == "1" && drawn(); }, [&] {
        ASSERT_NE(MainWindow(), nullptr) << "the main window closed under the viewer";
        EXPECT_TRUE(run.NativeDialogs().empty()) << "asked over the viewer: " << run.NativeDialogs().front();
        SaveScreenshot(*Viewer(), "viewer-after-close-box.png");
        Click(IDC_VIEWER_EXIT);
      });
  EXPECT_EQ(run.Run({"--no-splash", plan.string()}), 0);
  ASSERT_EQ(run.NativeDialogs().size(), 1u);
  EXPECT_EQ(run.NativeDialogs()[0], ResourceString(IDS_MSG_PLAN_MODIFIED));
}

// The close box of the main window is clicked as a viewer is put on the screen, when the main
// window no longer takes requests: the request is not lost, the main window asks about the
// changed plan once the viewer has been closed, and the program ends.
TEST(TableViewer, ACloseRequestThatComesAsTheViewerComesOnTheScreenReachesTheMainWindowAfterTheViewer) {
  TempFolders folders;
  const std::filesystem::path plan = folders.Root() / "Weekend.ccp";
  WriteTwoDivePlan(plan.string());
  CloseRequestAsAViewerStarts closeBox;

  ProgramRun run;
  run.Answer(wxID_NO);  // the changed plan is not saved
  AgreeToTheDisclaimer(run)
      .Then("the plan's two dives", [] { return MainWindowOnScreen() && MainWindow()->GetTabCount() == 2; },
            [] {
              MainWindow()->PlanGroup().SetModified(true);
              RunCommandLater(ID_VIEW_DIVE_TABLE);
            })
      .Then("the viewer drawn", ViewerDrawn(), [&] {
        EXPECT_EQ(closeBox.sent, 1);
        ASSERT_NE(MainWindow(), nullptr) << "the main window closed under the viewer";
      })
      .Then("a moment with the viewer on the screen", Waited(std::chrono::milliseconds(300)), [&] {
        EXPECT_TRUE(run.NativeDialogs().empty()) << "asked over the viewer: " << run.NativeDialogs().front();
        Click(IDC_VIEWER_EXIT);
      });
  EXPECT_EQ(run.Run({"--no-splash", plan.string()}), 0);
  ASSERT_EQ(run.NativeDialogs().size(), 1u);
  EXPECT_EQ(run.NativeDialogs()[0], ResourceString(IDS_MSG_PLAN_MODIFIED));
}
