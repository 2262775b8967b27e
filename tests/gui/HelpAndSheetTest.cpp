// Help keys and pop-ups of dialogs and sheets; the notices that sheets give about tab changes;
// a page drawn at once as soon as it is added has its tab placed.
#include <gtest/gtest.h>

#include <gtk/gtk.h>

#include <algorithm>
#include <string>

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include "controls/HelpDlg.h"
#include "controls/HelpPopup.h"
#include "controls/TabSheet.h"
#include "engine/PrivateMessages.h"
#include "framework/Help.h"
#include "framework/Messages.h"
#include "framework/NativeControls.h"
#include "framework/TemplateWindows.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/StderrCapture.h"
#include "tests/support/TempFolders.h"

namespace {

class HelpTopics {
 public:
  HelpTopics() {
    framework::SetHelpTopicHandler([this](int context) { shown.push_back(context); });
  }
  ~HelpTopics() { framework::SetHelpTopicHandler(nullptr); }
  std::vector<int> shown;
};

void SendHelpRequest(wxWindow* control) {
  wxHelpEvent request(wxEVT_HELP, control->GetId(), control->GetScreenRect().GetPosition() + wxPoint(5, 5));
  request.SetEventObject(control);
  control->GetEventHandler()->ProcessEvent(request);
}

wxString PopupText() { return controls::HelpPopup::Current() != nullptr ? controls::HelpPopup::Current()->Text() : ""; }

void ClosePopup() {
  if (controls::HelpPopup::Current() != nullptr) controls::HelpPopup::Current()->Close();
  Settle();
}

}  // namespace

TEST(HelpDialog, F1OpensTheDialogTopicWithoutReachingTheControl) {
  HelpTopics topics;
  controls::CHelpDlg dialog(9001, nullptr);
  ASSERT_TRUE(dialog.Create());
  ASSERT_TRUE(ShowOnScreen(dialog));
  bool controlSawF1 = false;
  dialog.FindWindow(9101)->Bind(wxEVT_KEY_DOWN, [&](wxKeyEvent& event) {
    controlSawF1 |= event.GetKeyCode() == WXK_F1;
    event.Skip();
  });
  dialog.FindWindow(9101)->SetFocus();
  ASSERT_TRUE(SettleUntil([&] { return FocusWithin(*dialog.FindWindow(9101)); }));
  wxUIActionSimulator().Char(WXK_F1);
  ASSERT_TRUE(SettleUntil([&] { return !topics.shown.empty(); }));
  EXPECT_EQ(topics.shown, std::vector<int>{0x20000 + 9001});
  EXPECT_FALSE(controlSawF1);
}

TEST(HelpDialog, AHelpRequestShowsTheControlsStringAndNothingWithoutOne) {
  controls::CHelpDlg dialog(9001, nullptr);
  ASSERT_TRUE(dialog.Create());
  ASSERT_TRUE(ShowOnScreen(dialog));
  SendHelpRequest(dialog.FindWindow(9101));
  EXPECT_TRUE(SettlesTo(PopupText, "Type the name of the sample"));
  ClosePopup();
  SendHelpRequest(dialog.FindWindow(9102));  // no string 9102
  Settle();
  EXPECT_EQ(controls::HelpPopup::Current(), nullptr);
  EXPECT_TRUE(dialog.IsShown());
}

TEST(HelpDialog, TheHelpPopupWritesDarkTextOnItsPaleYellowGround) {
  controls::CHelpDlg dialog(9001, nullptr);
  ASSERT_TRUE(dialog.Create());
  ASSERT_TRUE(ShowOnScreen(dialog));
  SendHelpRequest(dialog.FindWindow(9101));
  ASSERT_TRUE(SettleUntil([] { return controls::HelpPopup::Current() != nullptr; }));
  ASSERT_TRUE(SettleUntil(Drawn([] { return controls::HelpPopup::Current(); })));
  const wxBitmap screen = CaptureWindow(*controls::HelpPopup::Current());
  ASSERT_TRUE(screen.IsOk());
  EXPECT_TRUE(screen.SaveFile(wxString(GUI_ARTEFACT_DIR) + "/help-popup.png", wxBITMAP_TYPE_PNG));
  const wxImage picture = screen.ConvertToImage();
  // The ground inside the frame is RGB(255, 255, 208); the darkest pixels are the letters.
  const wxPoint inside(2, 2);
  EXPECT_EQ(wxColour(picture.GetRed(inside.x, inside.y), picture.GetGreen(inside.x, inside.y),
                     picture.GetBlue(inside.x, inside.y)),
            wxColour(255, 255, 208));
  int darkest = 255;
  for (int y = 1; y < picture.GetHeight() - 1; ++y) {
    for (int x = 1; x < picture.GetWidth() - 1; ++x) {
      darkest = std::min(darkest, Brightness(picture, wxRect(x, y, 1, 1)));
    }
  }
  EXPECT_LT(darkest, 80) << "the text cannot be read on the pale yellow";
  ClosePopup();
}

TEST(HelpDialog, ShiftF1EntersContextHelpAndTheNextClickAsksForThatControl) {
  controls::CHelpDlg dialog(9001, nullptr);
  ASSERT_TRUE(dialog.Create());
  ASSERT_TRUE(ShowOnScreen(dialog));
  dialog.FindWindow(9101)->SetFocus();
  ASSERT_TRUE(SettleUntil([&] { return FocusWithin(*dialog.FindWindow(9101)); }));
  wxWindow* load = dialog.FindWindow(9103);
  const wxPoint target = load->GetScreenRect().GetPosition() + wxPoint(10, 8);
  // Once context-help mode holds the mouse: one click on the Load button.
  wxTimer click;
  click.Bind(wxEVT_TIMER, [&click, target](wxTimerEvent&) {
    if (wxWindow::GetCapture() == nullptr) return;
    click.Stop();
    wxUIActionSimulator mouse;
    mouse.MouseMove(target);
    mouse.MouseClick();
  });
  click.Start(20);
  wxUIActionSimulator().KeyDown(WXK_F1, wxMOD_SHIFT);
  wxUIActionSimulator().KeyUp(WXK_F1, wxMOD_SHIFT);
  EXPECT_TRUE(SettleUntil([] { return controls::HelpPopup::Current() != nullptr; }));
  EXPECT_EQ(PopupText(), "Load a sample from a file");
  ClosePopup();
}

TEST(HelpSheet, OnlyAUsersTabChangePostsOneNoticeToTheParent) {
  wxFrame frame(nullptr, wxID_ANY, "Sheet", wxDefaultPosition, wxSize(500, 360));
  auto* page = new wxPanel(&frame);
  int notices = 0;
  framework::BindMessage(*page, WMU_SETTINGS_PAGE_CHANGED, [&](std::intptr_t w, std::intptr_t l) {
    EXPECT_EQ(w, 0);
    EXPECT_EQ(l, 0);
    ++notices;
    return std::intptr_t{0};
  });
  auto* sheet = new controls::CHelpPrpSheet("Settings", page, 0);
  sheet->SetSize(0, 0, 480, 300);
  for (int id : {9002, 9003}) {
    auto* tab = new framework::TemplatePanel(id);
    ASSERT_TRUE(tab->Create(sheet));
    sheet->AddPage(tab, tab->Caption(), true);
  }
  ASSERT_TRUE(ShowOnScreen(frame));
  sheet->SetActivePage(0);
  sheet->SetSelection(1);
  Settle(100);  // no notice comes
  EXPECT_EQ(notices, 0);
  EXPECT_EQ(sheet->GetSelection(), 1);

  wxPoint tab;
  ASSERT_TRUE(FindTabPoint(*sheet, 0, tab));
  wxUIActionSimulator mouse;
  mouse.MouseMove(sheet->ClientToScreen(tab));
  mouse.MouseClick();
  ASSERT_TRUE(SettleUntil([&] { return notices > 0; }));
  Settle(100);  // no second notice comes
  EXPECT_EQ(sheet->GetSelection(), 0);
  EXPECT_EQ(notices, 1);
}

TEST(HelpSheet, F1OpensTheTopicOfTheActivePage) {
  HelpTopics topics;
  wxFrame frame(nullptr, wxID_ANY, "Sheet", wxDefaultPosition, wxSize(500, 360));
  auto* sheet = new controls::CHelpPrpSheet("Preferences", &frame, 1);
  for (int id : {9002, 9003}) {
    auto* tab = new framework::TemplatePanel(id);
    ASSERT_TRUE(tab->Create(sheet));
    sheet->AddPage(tab, tab->Caption());
  }
  EXPECT_EQ(sheet->GetSelection(), 1);  // the first page asked for
  ASSERT_TRUE(ShowOnScreen(frame));
  sheet->SetFocus();
  ASSERT_TRUE(SettleUntil([&] { return FocusWithin(*sheet); }));
  wxUIActionSimulator().Char(WXK_F1);
  ASSERT_TRUE(SettleUntil([&] { return !topics.shown.empty(); }));
  EXPECT_EQ(topics.shown, std::vector<int>{0x20000 + 9003});
}

TEST(ResizableSheet, TellsTheMainWindowAboutTabSelectionAndRightClicks) {
  auto* frame = new wxFrame(nullptr, wxID_ANY, "Dives", wxDefaultPosition, wxSize(500, 360));
  wxTheApp->SetTopWindow(frame);
  std::vector<unsigned> received;
  for (unsigned message : {WMU_DIVE_TAB_SELECTED, WMU_DIVE_TAB_RIGHT_CLICK}) {
    framework::BindMessage(*frame, message, [&received, message](std::intptr_t, std::intptr_t) {
      received.push_back(message);
      return std::intptr_t{0};
    });
  }
  auto* sheet = new controls::CResizableSheet("Dives", frame);
  for (const char* name : {"Dive 1", "Dive 2"}) sheet->AddPage(new wxPanel(sheet), name);
  ASSERT_TRUE(ShowOnScreen(*frame));
  EXPECT_TRUE(received.empty());

  wxPoint tab;
  ASSERT_TRUE(FindTabPoint(*sheet, 1, tab));
  wxUIActionSimulator mouse;
  mouse.MouseMove(sheet->ClientToScreen(tab));
  mouse.MouseClick();
  ASSERT_TRUE(SettleUntil([&] { return !received.empty(); }));
  mouse.MouseClick(wxMOUSE_BTN_RIGHT);
  EXPECT_TRUE(SettleUntil([&] { return received.size() >= 2; }));
  EXPECT_EQ(received, (std::vector<unsigned>{WMU_DIVE_TAB_SELECTED, WMU_DIVE_TAB_RIGHT_CLICK}));
  wxTheApp->SetTopWindow(nullptr);
  frame->Destroy();
  Settle();
}

TEST(DrawNow, APageJustAddedToASheetIsDrawnAtOnceWithItsTabPlaced) {
  wxFrame frame(nullptr, wxID_ANY, "Sheet", wxDefaultPosition, wxSize(500, 300));
  auto* sheet = new wxNotebook(&frame, wxID_ANY);
  sheet->AddPage(new wxPanel(sheet), "Dive Settings");
  ASSERT_TRUE(ShowOnScreen(frame));
  TempFolders folders;
  StderrCapture capture(folders.Root());
  auto* page = new wxPanel(sheet);
  sheet->AddPage(page, "Bailout Settings", true);
  auto* graph = new wxWindow(page, wxID_ANY, wxPoint(10, 10), wxSize(200, 100));
  graph->Refresh();
  framework::DrawNow(*graph);
  // The tab's label has its place at once, as wide as its text asks.
  GtkNotebook* tabs = GTK_NOTEBOOK(sheet->GetHandle());
  GtkWidget* label = gtk_notebook_get_tab_label(tabs, gtk_notebook_get_nth_page(tabs, 1));
  ASSERT_NE(label, nullptr);
  int asked = 0;
  gtk_widget_get_preferred_width(label, &asked, nullptr);
  EXPECT_GT(asked, 0);
  EXPECT_GE(gtk_widget_get_allocated_width(label), asked);
  const std::string log = capture.Finish();
  EXPECT_EQ(log.find("Gtk-WARNING"), std::string::npos) << "the toolkit's log is above";
}
