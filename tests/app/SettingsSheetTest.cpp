// The settings sheet of a dive page on a window of its own, as the dive page carries it, over
// a real plan: typed values, spun values and tabbing in both units, the bailout pages coming and
// going with the dive, the gas list page and its files; screenshots of the three pages.
#include <gtest/gtest.h>

#include <chrono>
#include <optional>

#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/filedlg.h>
#include <wx/frame.h>
#include <wx/listctrl.h>
#include <wx/modalhook.h>
#include <wx/panel.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "app/DiveSettingsSheet.h"
#include "controls/GasComboCompletion.h"
#include "controls/MultiFieldEdit.h"
#include "engine/AppSettings.h"
#include "engine/PlanGroup.h"
#include "engine/PrivateMessages.h"
#include "framework/Messages.h"
#include "framework/TemplateBuilder.h"
#include "framework/WxUserInterface.h"
#include "resources/resource.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/TempFolders.h"

namespace {

using Clock = std::chrono::steady_clock;
using app::DiveSettingsSheet;

// A window standing in for the main window and the dive page: it refreshes the sheet whenever
// the plan announces the dive calculated, as the main window refreshes a dive page.
class SheetHost : public app::DiveSettingsOwner {
 public:
  SheetHost() {
    LoadRegistrySettings();
    plan.LoadSettings();
    plan.m_autoRecalc = true;
    frame = new wxFrame(nullptr, wxID_ANY, "Settings sheet");
    wxTheApp->SetTopWindow(frame);
    page = new wxPanel(frame);
    framework::BindMessage(*frame, WMU_DIVE_CALCULATED, [this](std::intptr_t index, std::intptr_t) {
      if (index == diveIndex) {
        ++calculations;
        sheet->RefreshSettingsPages();
      }
      return 0;
    });
    // The size of the sheet's place on the dive page.
    const wxRect place = framework::TemplateRectToPixels(page, 4, 4, 301, 193);
    sheet.emplace(*page, place, *this);
    frame->SetClientSize(place.GetRight() + place.x + 1, place.GetBottom() + place.y + 1);
    frame->Show();
    EXPECT_TRUE(SettleUntil(Drawn(*page))) << "the window did not come on the screen";
  }
  ~SheetHost() override {
    sheet.reset();
    frame->Destroy();
    Settle();
  }

  CDivePlan* SettingsDive() override { return plan.GetDivePlan(diveIndex); }
  bool IsRefilling() const override { return false; }
  void OnDiveSettingsChanged() override { ++diveSettingsChanges; }

  CDivePlan& Dive() { return *SettingsDive(); }
  void Show(int index) {
    diveIndex = index;
    sheet->RefreshSettingsPages();
    Settle();
  }
  template <typename Window>
  Window& Find(int id) {
    auto* window = dynamic_cast<Window*>(page->FindWindow(id));
    EXPECT_NE(window, nullptr) << id;
    return *window;
  }
  wxString Text(int id) { return Find<wxTextCtrl>(id).GetValue(); }
  int Pages() { return static_cast<int>(sheet->Sheet().GetPageCount()); }
  int ActivePage() { return sheet->Sheet().GetSelection(); }

  TempFolders folders;
  framework::WxUserInterface userInterface;
  CPlanGroup plan;
  wxFrame* frame;
  wxPanel* page;
  std::optional<DiveSettingsSheet> sheet;
  int diveIndex = 0;
  int calculations = 0;
  int diveSettingsChanges = 0;
};

// Replaces the text of an edit as the user does and leaves it with key; returns once the focus
// has left the edit and what leaving it queued has run.
void Type(wxWindow& edit, const char* text, int leaveKey = WXK_TAB) {
  edit.SetFocus();
  ASSERT_TRUE(SettleUntil([&] { return FocusWithin(edit); })) << "the edit did not take the focus";
  wxUIActionSimulator keys;
  keys.Char('a', wxMOD_CONTROL);
  keys.Text(text);
  keys.Char(leaveKey);
  EXPECT_TRUE(SettleUntil([&] { return !FocusWithin(edit); })) << "the key did not leave the edit";
  wxTheApp->ProcessPendingEvents();
}

void ClickTab(wxNotebook& sheet, int page) {
  wxPoint point;
  ASSERT_TRUE(FindTabPoint(sheet, page, point));
  wxUIActionSimulator mouse;
  mouse.MouseMove(sheet.ClientToScreen(point));
  mouse.MouseClick();
  EXPECT_TRUE(SettlesTo([&] { return sheet.GetSelection(); }, page));
}

// The caller waits for what the click does.
void Click(wxWindow& window) {
  wxUIActionSimulator mouse;
  mouse.MouseMove(window.GetScreenRect().GetPosition() + wxPoint(8, window.GetSize().y / 2));
  mouse.MouseClick();
}

// Answers the file dialogs with the path of the next file chosen, and records their titles,
// filters and folders; a message box would wait for an answer, and here fails the test.
class Dialogs : public wxModalDialogHook {
 public:
  Dialogs() { Register(); }
  ~Dialogs() override { Unregister(); }

  std::string chosen;
  std::vector<wxString> fileDialogs;

 protected:
  int Enter(wxDialog* dialog) override {
    auto* files = dynamic_cast<wxFileDialog*>(dialog);
    if (files == nullptr) {
      ADD_FAILURE() << "unexpected dialog: " << dialog->GetTitle();
      return wxID_CANCEL;
    }
    fileDialogs.push_back(files->GetMessage() + "|" + files->GetWildcard() + "|" + files->GetDirectory());
    files->SetPath(wxString::FromUTF8(chosen));
    // The toolkit takes the chosen folder in a while.
    EXPECT_TRUE(SettleUntil([files] { return !files->GetPath().empty(); }));
    return wxID_OK;
  }
  void Exit(wxDialog*) override {}
};

// The window as it looks with the mouse away from it.
void SaveScreenshot(wxWindow& window, const char* name) {
  const wxPoint away = window.GetScreenRect().GetBottomRight() + wxPoint(40, 40);
  wxUIActionSimulator().MouseMove(away);
  EXPECT_TRUE(SettleUntil([&] { return wxGetMousePosition() == away; }));
  EXPECT_TRUE(SettleUntil(Drawn(window)));
  EXPECT_TRUE(CaptureWindow(window).SaveFile(wxString(GUI_ARTEFACT_DIR "/") + name, wxBITMAP_TYPE_PNG));
}

}  // namespace

TEST(SettingsSheet, AFieldCallsItsSetterOnlyForAValueTheUserChanged) {
  SheetHost host;
  ASSERT_TRUE(host.plan.AddDivePlan());
  // The first dive has no surface interval, a later one has.
  host.Show(0);
  EXPECT_FALSE(host.Find<controls::CSTimeHM>(IDC_DS_SURFACE_INTERVAL).IsShown());
  host.Show(1);
  EXPECT_TRUE(host.Find<controls::CSTimeHM>(IDC_DS_SURFACE_INTERVAL).IsShown());
  EXPECT_FALSE(host.Find<wxCheckBox>(IDC_DS_BELL_EXCURSION).IsShown());
  EXPECT_EQ(host.Pages(), 1);

  // 2000 mbar is above the range: Enter brings it to 1080, which the dive takes once.
  Type(host.Find<wxTextCtrl>(IDC_DS_SURFACE_PRESSURE), "2000", WXK_RETURN);
  EXPECT_TRUE(SettlesTo([&] { return host.calculations; }, 1));
  EXPECT_EQ(host.Text(IDC_DS_SURFACE_PRESSURE), "1080");
  EXPECT_EQ(host.Dive().GetSurfacePressure(), 1080);
  EXPECT_EQ(host.diveSettingsChanges, 1);
  // Enter moved on to the next field.
  EXPECT_EQ(wxWindow::FindFocus(), &host.Find<wxTextCtrl>(IDC_DS_GF_LOW));

  // Five clicks raise GF Low from 20 to 25; the dive hears of it once, a second after the last.
  auto& gfLowArrows = host.Find<wxWindow>(IDC_DS_GF_LOW_SPIN);
  for (int click = 0; click < 5; ++click) {
    ClickUpperArrow(gfLowArrows);
    Settle(20);
  }
  const Clock::time_point lastClick = Clock::now();  // the last click is taken after it is sent
  EXPECT_TRUE(SettlesTo([&] { return host.Text(IDC_DS_GF_LOW); }, "25"));
  ASSERT_TRUE(SettlesTo([&] { return host.calculations; }, 2));
  const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - lastClick).count();
  EXPECT_GE(waited, 900);
  EXPECT_EQ(host.Dive().GetGfLow(), 25);
  Settle(1200);
  EXPECT_EQ(host.calculations, 2);

  // In feet the fields show the dive rounded to their step; going through all of them changes
  // nothing, although 20 ft would store 6.141 m for the 6 m last stop.
  AppSettings().general.units.Set(1);
  host.Show(1);
  EXPECT_EQ(host.Text(IDC_DS_SAC_RATE), "1.06");
  EXPECT_EQ(host.Text(IDC_DS_MAX_EAD), "114");
  EXPECT_EQ(host.Text(IDC_DS_LAST_DECO_STOP), "20");
  EXPECT_EQ(host.Text(IDC_DS_DESCENT_RATE), "65");
  host.plan.ClearModified();
  host.Find<wxTextCtrl>(IDC_DS_SURFACE_PRESSURE).SetFocus();
  for (int field = 0; field < 12; ++field) {
    wxUIActionSimulator().Char(WXK_TAB);
    Settle(30);
  }
  Settle(1200);
  EXPECT_EQ(host.calculations, 2);
  EXPECT_FALSE(host.plan.m_modified);
  EXPECT_EQ(host.Dive().GetLastStopDepth(), 6);
  EXPECT_EQ(host.Dive().GetSacRate(), 30);
  EXPECT_EQ(host.Dive().GetMaxEad(), 35);

  // A SAC rate typed in cubic feet is stored in litres: 1.2 x 28.31685.
  Type(host.Find<wxTextCtrl>(IDC_DS_SAC_RATE), "1.2");
  EXPECT_TRUE(SettlesTo([&] { return host.Text(IDC_DS_SAC_RATE); }, "1.20"));
  EXPECT_NEAR(host.Dive().GetSacRate(), 33.98022, 1e-5);
  EXPECT_EQ(host.Text(IDC_DS_SAC_RATE), "1.20");
  // An interval of 1:30 is stored in seconds.
  auto& interval = host.Find<controls::CSTimeHM>(IDC_DS_SURFACE_INTERVAL);
  interval.SetFocus();
  ASSERT_TRUE(SettleUntil([&] { return FocusWithin(interval); }));
  wxUIActionSimulator keys;
  keys.Text("0130");
  keys.Char(WXK_TAB);
  EXPECT_TRUE(SettlesTo([&] { return host.Dive().GetSurfaceInterval(); }, 5400));

  host.Show(1);
  SaveScreenshot(*host.frame, "settings-sheet-dive-settings.png");
}

TEST(SettingsSheet, BailoutPagesComeWithAClosedCircuitPointAndTheGasList) {
  SheetHost host;
  Dialogs dialogs;
  CDivePlan& dive = host.Dive();
  ASSERT_EQ(dive.AddUserPlanPoint(0, 0, 0, false, 21, 0, 0, false), 0);
  ASSERT_EQ(dive.AddUserPlanPoint(1, 1200, 3000, false, 21, 0, 0, false), 1);
  EXPECT_TRUE(SettlesTo([&] { return host.calculations; }, 2));  // once a point
  EXPECT_EQ(host.Pages(), 1);

  // A closed-circuit point: once calculated, the Bailout Settings tab is added and shown.
  ASSERT_EQ(dive.AddUserPlanPoint(2, 600, 3000, true, 21, 0, 1.3, false), 2);
  ASSERT_TRUE(SettlesTo([&] { return host.Pages(); }, 2));
  EXPECT_TRUE(SettlesTo([&] { return host.ActivePage(); }, DiveSettingsSheet::kBailoutSettingsPage));
  EXPECT_FALSE(dive.IsBailoutMode());
  EXPECT_EQ(host.Text(IDC_BS_GAS_SWITCHES), "2");

  // The number of gas switches stays within 1 and 12, and is kept for the next bailout.
  Type(host.Find<wxTextCtrl>(IDC_BS_GAS_SWITCHES), "0");
  EXPECT_TRUE(SettlesTo([&] { return host.Text(IDC_BS_GAS_SWITCHES); }, "1"));
  Type(host.Find<wxTextCtrl>(IDC_BS_GAS_SWITCHES), "13");
  EXPECT_TRUE(SettlesTo([&] { return host.Text(IDC_BS_GAS_SWITCHES); }, "12"));
  EXPECT_TRUE(SettlesTo([&] { return dive.GetBailoutGasSwitchCount(); }, 12));

  // Use Bailout Gas List adds the third tab behind the one shown, and the number of switches
  // can no longer be typed.
  Click(host.Find<wxCheckBox>(IDC_BS_USE_GAS_LIST));
  EXPECT_TRUE(SettleUntil([&] { return dive.IsUseBailoutGasList(); }));
  EXPECT_TRUE(SettlesTo([&] { return host.Pages(); }, 3));
  EXPECT_EQ(host.ActivePage(), DiveSettingsSheet::kBailoutSettingsPage);
  EXPECT_FALSE(host.Find<wxTextCtrl>(IDC_BS_GAS_SWITCHES).IsEnabled());
  SaveScreenshot(*host.frame, "settings-sheet-bailout-settings.png");

  // The gas list: a typed gas is added in its place and reaches the dive; Delete removes the
  // selected rows.
  wxNotebook& sheet = host.sheet->Sheet();
  ClickTab(sheet, DiveSettingsSheet::kBailoutGasListPage);
  auto& gas = host.Find<controls::CGasComboCompletion>(IDC_GL_GAS);
  auto& rows = host.Find<wxListCtrl>(IDC_GL_LIST);
  for (const char* typed : {"50%", "18/45", "Air"}) {
    const int before = rows.GetItemCount();
    gas.SetFocus();
    ASSERT_TRUE(SettleUntil([&] { return FocusWithin(gas); }));
    wxUIActionSimulator keys;
    keys.Char('a', wxMOD_CONTROL);
    keys.Text(typed);
    Click(host.Find<wxWindow>(IDC_GL_ADD));
    ASSERT_TRUE(SettlesTo([&] { return rows.GetItemCount(); }, before + 1)) << typed;
  }
  EXPECT_TRUE(SettlesTo([&] { return dive.GetBailoutGasList(); }, "21/0,50/0,18/45"));
  ASSERT_EQ(rows.GetItemCount(), 3);
  EXPECT_EQ(rows.GetItemText(0), "Air");
  EXPECT_EQ(rows.GetItemText(1), "50% Nitrox");
  EXPECT_EQ(rows.GetItemText(2), "18/45");
  SaveScreenshot(*host.frame, "settings-sheet-bailout-gas-list.png");

  rows.SetFocus();
  rows.SetItemState(1, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
  ASSERT_TRUE(SettleUntil([&] { return FocusWithin(rows); }));
  wxUIActionSimulator().Char(WXK_DELETE);
  EXPECT_TRUE(SettlesTo([&] { return dive.GetBailoutGasList(); }, "21/0,18/45"));
  EXPECT_EQ(rows.GetItemState(0, wxLIST_STATE_SELECTED), wxLIST_STATE_SELECTED);

  // Saved and loaded through the file dialogs, which start in the folder chosen last.
  dialogs.chosen = (host.folders.Root() / "bailout").string();
  Click(host.Find<wxWindow>(IDC_GL_SAVE));
  // The file is written in the click, after its dialog.
  ASSERT_TRUE(SettlesTo([&] { return dialogs.fileDialogs.size(); }, 1u));
  EXPECT_EQ(ReadFileText(dialogs.chosen + ".ccg"), "Gas Mix List\r\n060~21/0,18/45\r\n");
  dialogs.chosen = (host.folders.Root() / "other.ccg").string();
  WriteFileText(dialogs.chosen, "Gas Mix List\r\n060~100/0,32/0,4/0\r\n");
  Click(host.Find<wxWindow>(IDC_GL_LOAD));
  ASSERT_TRUE(SettlesTo([&] { return dive.GetBailoutGasList(); }, "100/0,32/0"));
  ASSERT_EQ(dialogs.fileDialogs.size(), 2u);
  EXPECT_EQ(dialogs.fileDialogs[1], "Select Gas Mix List file to open|Velmar Tessaline Gas Mix List Files (*.ccg)|*.ccg|" +
                                        host.folders.Root().string());
  ASSERT_EQ(rows.GetItemCount(), 3);
  EXPECT_EQ(rows.GetItemText(2), "Invalid");
  EXPECT_EQ(dive.GetBailoutGasList(), "100/0,32/0");

  // Picking the tabs enters and leaves bailout mode.
  ClickTab(sheet, DiveSettingsSheet::kBailoutSettingsPage);
  EXPECT_TRUE(SettleUntil([&] { return dive.IsBailoutMode(); }));
  ClickTab(sheet, DiveSettingsSheet::kBailoutGasListPage);
  EXPECT_TRUE(dive.IsBailoutMode());
  ClickTab(sheet, DiveSettingsSheet::kDiveSettingsPage);
  EXPECT_TRUE(SettleUntil([&] { return !dive.IsBailoutMode(); }));

  // Without the closed-circuit point both bailout tabs go.
  ASSERT_TRUE(dive.DeleteUserPlanPoint(2));
  ASSERT_TRUE(SettleUntil([&] { return host.Pages() == 1; }));
  EXPECT_EQ(host.ActivePage(), DiveSettingsSheet::kDiveSettingsPage);
}
