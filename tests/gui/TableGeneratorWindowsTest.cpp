// The table generator's dialogs, driven with real mouse clicks and keys.
#include <gtest/gtest.h>

#include <functional>

#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/dcclient.h>
#include <wx/listctrl.h>
#include <wx/uiaction.h>

#include "framework/TemplateWindows.h"
#include "engine/PlanGroup.h"
#include "resources/resource.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/TempFolders.h"
#include "views/ImportSettings.h"

namespace {

// Runs the script once the modal dialog is up; the script must end the dialog.
int RunModal(wxDialog& dialog, const std::function<void()>& script) {
  wxTheApp->CallAfter([&] {
    Settle(200);
    script();
    if (dialog.IsModal()) dialog.EndModal(framework::kIdCancel);
  });
  return dialog.ShowModal();
}

void ClickAt(const wxPoint& screen, bool twice = false) {
  wxUIActionSimulator mouse;
  mouse.MouseMove(screen);
  Settle(50);
  if (twice) {
    mouse.MouseDblClick();
  } else {
    mouse.MouseClick();
  }
  Settle(150);
}

wxPoint RowPoint(wxListCtrl& list, long row) {
  wxRect rect;
  list.GetItemRect(row, rect);
  return list.ClientToScreen(wxPoint(rect.x + 12, rect.y + rect.height / 2));
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
    EXPECT_EQ(list.GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED), 3);

    auto* switches = dynamic_cast<wxCheckBox*>(dialog.FindWindow(IDC_IMPORT_SWITCHES_CHECK));
    ClickAt(switches->GetScreenRect().GetLeftTop() + wxPoint(8, switches->GetSize().y / 2));
    EXPECT_FALSE(switches->GetValue());
    // A double click on the bailout row of dive 2 takes it.
    ClickAt(RowPoint(list, 2), true);
  });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(dialog.GetChoice().dive, 1);
  EXPECT_TRUE(dialog.GetChoice().bailout);
  EXPECT_TRUE(dialog.IsImportSettings());
  EXPECT_FALSE(dialog.IsImportGasSwitches());
}

}  // namespace
