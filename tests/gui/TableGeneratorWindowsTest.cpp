// The table generator's dialogs, driven with real mouse clicks and keys.
#include <gtest/gtest.h>

#include <functional>

#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/dcclient.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "controls/ImageButton.h"
#include "engine/AppSettings.h"
#include "framework/TemplateWindows.h"
#include "engine/PlanGroup.h"
#include "platform/Registry.h"
#include "resources/resource.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/TempFolders.h"
#include "views/ImportSettings.h"
#include "views/TableGeneration.h"

namespace {

// Runs the script once the modal dialog is up; the script must end the dialog.
int RunModal(wxDialog& dialog, const std::function<void()>& script) {
  wxTheApp->CallAfter([&] {
    EXPECT_TRUE(SettleUntil(Drawn(dialog))) << "the dialog did not come on the screen";
    script();
    if (dialog.IsModal()) dialog.EndModal(framework::kIdCancel);
  });
  return dialog.ShowModal();
}

// The caller waits for what the click does.
void ClickAt(const wxPoint& screen, bool twice = false) {
  wxUIActionSimulator mouse;
  mouse.MouseMove(screen);
  if (twice) {
    mouse.MouseDblClick();
  } else {
    mouse.MouseClick();
  }
}

wxPoint RowPoint(wxListCtrl& list, long row) {
  wxRect rect;
  list.GetItemRect(row, rect);
  return list.ClientToScreen(wxPoint(rect.x + 12, rect.y + rect.height / 2));
}

// Enter on the window; a while after it, for a check that it did not end the dialog.
void PressEnterOn(wxWindow& window) {
  window.SetFocus();
  ASSERT_TRUE(SettleUntil([&] { return FocusWithin(window); }));
  wxUIActionSimulator().Char(WXK_RETURN);
  Settle(300);
}

void Save(wxWindow& window, const char* name) {
  EXPECT_TRUE(CaptureWindow(window).SaveFile(wxString(GUI_ARTEFACT_DIR) + "/" + name, wxBITMAP_TYPE_PNG));
}

TEST(ImportSettingsDialog, OffersEveryDiveAndItsBailoutPlanAndReturnsTheChoice) {
  TempFolders folders;
  LoadRegistrySettings();
  CPlanGroup group;
  ASSERT_TRUE(group.AddDivePlan());
  ASSERT_TRUE(group.AddDivePlan());
  ASSERT_TRUE(group.GetDivePlan(0)->AddPointFromRecord("100~1500~4000.00~0~18.00~45.00~0.00~0~0"));
  group.GetDivePlan(1)->SetBailoutMode(true);
  group.RenameDive(1, "Wall");

  views::CImportSettings dialog(nullptr);
  dialog.SetPlanGroup(&group);
  const int result = RunModal(dialog, [&] {
    auto& list = *dynamic_cast<wxListCtrl*>(dialog.FindWindow(IDC_IMPORT_DIVES));
    ASSERT_EQ(list.GetItemCount(), 4);
    EXPECT_EQ(list.GetItemText(0, 1), "Max Depth 40.0 (m), Duration 25:00 (mm:ss)");
    EXPECT_EQ(list.GetItemText(2, 0), "Dive 2 - Wall");
    EXPECT_EQ(list.GetItemText(2, 1), "Bailout Mode");
    EXPECT_EQ(list.GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED), 0);
    // Every column shows its whole text.
    wxClientDC dc(&list);
    dc.SetFont(list.GetFont());
    EXPECT_GT(list.GetColumnWidth(1), dc.GetTextExtent(list.GetItemText(0, 1)).x);
    EXPECT_LE(list.GetColumnWidth(0) + list.GetColumnWidth(1), list.GetClientSize().x);
    Save(dialog, "import-settings.png");

    // A click below the rows leaves none selected: the last row is taken.
    wxRect last;
    list.GetItemRect(3, last);
    ClickAt(list.ClientToScreen(wxPoint(last.x + 12, last.GetBottom() + 20)));
    EXPECT_TRUE(SettlesTo([&] { return list.GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); }, 3));

    auto* switches = dynamic_cast<wxCheckBox*>(dialog.FindWindow(IDC_IMPORT_SWITCHES_CHECK));
    ClickAt(switches->GetScreenRect().GetLeftTop() + wxPoint(8, switches->GetSize().y / 2));
    EXPECT_TRUE(SettlesTo([&] { return switches->GetValue(); }, false));
    // A double click on the bailout row of dive 2 takes it.
    ClickAt(RowPoint(list, 2), true);
    EXPECT_TRUE(SettleUntil([&] { return !dialog.IsModal(); })) << "the double click did not end the dialog";
  });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(dialog.GetChoice().dive, 1);
  EXPECT_TRUE(dialog.GetChoice().bailout);
  EXPECT_TRUE(dialog.IsImportSettings());
  EXPECT_FALSE(dialog.IsImportGasSwitches());
}

constexpr const char* kTableGeneration = "Software\\Velmar\\VelmarTessaline\\Settings\\Table Generation";
constexpr const char* kGasMix = "Software\\Velmar\\VelmarTessaline\\Settings\\Gas Mix";

// Air from the surface and 10/70 from 18 m, EAN50 from 21 m and oxygen from 3 m on the way up,
// within a PPO2 of 1.6, for one dive to 21 m of 10 minutes.
void WriteHypoxicAscentPage() {
  const std::pair<const char*, std::uint32_t> values[] = {
      {"Depth Start", 21000},    {"Depth Finish", 21000},   {"Depth Step Size", 10000}, {"Duration Start", 10},
      {"Duration Finish", 10},   {"Duration Step Size", 10}, {"Surface Pressure", 1000},  {"Descent Rate", 20000},
      {"Max PPO2", 1600},        {"Max EAD", 35000}};
  for (const auto& [name, value] : values) ASSERT_TRUE(platform::Registry().WriteDword(kTableGeneration, name, value));
  const std::pair<const char*, const char*> rows[] = {{"Travel Gas 01", "0.00,21.00,0.00,0,0.00,1"},
                                                      {"Travel Gas 02", "18.00,10.00,70.00,0,0.00,1"},
                                                      {"Deco Gas 01", "3.00,100.00,0.00,0,0.00,1"},
                                                      {"Deco Gas 02", "21.00,50.00,0.00,0,0.00,1"}};
  for (const auto& [name, row] : rows) ASSERT_TRUE(platform::Registry().WriteString(kGasMix, name, row));
  LoadRegistrySettings();
}

TEST(TableGenerationDialog, ChecksFollowTheStepsAndEnterOnAButtonOnlyMovesTheFocus) {
  TempFolders folders;
  WriteHypoxicAscentPage();
  views::CTableGeneration dialog(nullptr);
  const auto field = [&](int id) -> wxWindow& { return *dialog.FindWindow(id); };
  const auto messages = [&] {
    return dynamic_cast<wxTextCtrl&>(field(IDC_TG_MESSAGES)).GetValue().utf8_string();
  };
  const auto checked = [&](bool canGenerate) { return SettleUntil([&] { return dialog.CanGenerate() == canGenerate; }); };
  const int result = RunModal(dialog, [&] {
    // The dive to 21 m never switches to EAN50 at its bottom: 10/70 is breathed up to 3 m,
    // where it holds 1.3 bar x 0.10.
    ASSERT_TRUE(checked(false));
    EXPECT_EQ(messages(), "Descent Gas 18 m - PPO2 of 0.13 is Hypoxic (0.16 limit) at 3 m (Fail)");
    EXPECT_EQ(dynamic_cast<controls::CImageButton&>(field(IDC_TG_GENERATE)).IconId(), IDI_CANCEL);
    Save(dialog, "table-generator-hypoxic.png");
    // Enter on a button moves the focus on; on Done it does not end the dialog, nor in a field.
    wxWindow& done = field(framework::kIdOk);
    PressEnterOn(done);
    EXPECT_TRUE(dialog.IsModal());
    EXPECT_TRUE(SettleUntil([&] { return !FocusWithin(done); }));
    PressEnterOn(field(IDC_TG_GENERATE));
    EXPECT_TRUE(SettleUntil([&] { return !FocusWithin(field(IDC_TG_GENERATE)); }));
    PressEnterOn(field(IDC_TG_GF_LOW));
    EXPECT_TRUE(dialog.IsModal());


    // 12, 22 and 30 m switch to EAN50 at 21 m on the way up.
    TypeInto(dialog.FindWindow(IDC_TG_DEPTH_START), "12");
    TypeInto(dialog.FindWindow(IDC_TG_DEPTH_FINISH), "30");
    ASSERT_TRUE(checked(true));
    EXPECT_EQ(messages(), "");
    // A step of 9 m makes the axis 12, 21 and 30 m, typed or stepped with the arrows.
    TypeInto(dialog.FindWindow(IDC_TG_DEPTH_STEP), "9");
    ASSERT_TRUE(checked(false));
    ClickUpperArrow(field(IDC_TG_DEPTH_STEP + 1));
    EXPECT_TRUE(checked(true));

    // 22 to 30 m in 1 m steps and 10 to 360 min: 9 depths by 351 bottom times in 1 minute
    // steps, 176 in 2 minute steps.
    TypeInto(dialog.FindWindow(IDC_TG_DEPTH_START), "22");
    TypeInto(dialog.FindWindow(IDC_TG_DEPTH_STEP), "1");
    TypeInto(dialog.FindWindow(IDC_TG_DURATION_FINISH), "360");
    ASSERT_TRUE(checked(true));
    TypeInto(dialog.FindWindow(IDC_TG_DURATION_STEP), "1");
    ASSERT_TRUE(checked(false));
    EXPECT_EQ(messages(), "These ranges give 3159 dive plans; one run makes at most 2000");
    ClickUpperArrow(field(IDC_TG_DURATION_STEP + 1));
    EXPECT_TRUE(checked(true));

  });
  EXPECT_EQ(result, framework::kIdCancel);
  // Done never ran: nothing was stored.
  EXPECT_EQ(platform::Registry().ReadDword(kTableGeneration, "Depth Start"), 21000u);
}

}  // namespace
