// Resizable dialogs and pages: anchors, the smallest size, the grip and the saved placement.
#include <gtest/gtest.h>

#include <wx/frame.h>

#include "controls/PlacementStore.h"
#include "controls/ResizableDialog.h"
#include "controls/ResizablePage.h"
#include "controls/TabSheet.h"
#include "platform/Registry.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/TempFolders.h"

using controls::anchor::kBottomRight;
using controls::anchor::kTopLeft;
using controls::anchor::kTopRight;

namespace {

class SampleResizable : public controls::CResizableDialog {
 public:
  explicit SampleResizable(std::string placementName = {}) : CResizableDialog(9001, nullptr), name_(std::move(placementName)) {}

 protected:
  bool OnInitDialog() override {
    CResizableDialog::OnInitDialog();
    AddAnchor(9101, kTopLeft, kTopRight);
    AddAnchor(9102, kTopLeft, kBottomRight);
    AddAnchor(1, kBottomRight, kBottomRight);
    AddAnchor(2, kBottomRight, kBottomRight);
    if (!name_.empty()) EnableSaveRestore(name_);
    return true;
  }

 private:
  std::string name_;
};

const char* const kPlacementKey = "Software\\Velmar\\VelmarTessaline\\ResizableState";

}  // namespace

TEST(ResizableDialog, ChildrenFollowTheirAnchors) {
  SampleResizable dialog;
  ASSERT_TRUE(dialog.Create());
  ASSERT_TRUE(ShowOnScreen(dialog));
  const wxRect name = dialog.FindWindow(9101)->GetRect();
  const wxRect list = dialog.FindWindow(9102)->GetRect();
  const wxRect ok = dialog.FindWindow(1)->GetRect();
  const wxRect load = dialog.FindWindow(9103)->GetRect();  // not anchored: stays
  const wxSize client = dialog.GetClientSize();

  dialog.SetClientSize(client + wxSize(100, 60));
  ASSERT_TRUE(SettleUntil([&] { return dialog.GetClientSize() == client + wxSize(100, 60); }));
  EXPECT_TRUE(SettlesTo([&] { return dialog.FindWindow(9101)->GetRect(); }, wxRect(name.x, name.y, name.width + 100, name.height)));
  EXPECT_EQ(dialog.FindWindow(9102)->GetRect(), wxRect(list.x, list.y, list.width + 100, list.height + 60));
  EXPECT_EQ(dialog.FindWindow(1)->GetRect(), wxRect(ok.x + 100, ok.y + 60, ok.width, ok.height));
  EXPECT_EQ(dialog.FindWindow(9103)->GetRect(), load);
  // Another arrangement at the same size moves nothing.
  EXPECT_EQ(dialog.Anchors().ArrangeChildren(), 0);
  // The grip sits in the bottom-right corner.
  ASSERT_NE(dialog.Grip(), nullptr);
  EXPECT_TRUE(dialog.Grip()->IsShown());
  EXPECT_EQ(dialog.Grip()->GetRect().GetBottomRight(), wxPoint(dialog.GetClientSize().x - 1, dialog.GetClientSize().y - 1));
}

TEST(ResizableDialog, CannotBeMadeSmallerThanItsTemplate) {
  SampleResizable dialog;
  ASSERT_TRUE(dialog.Create());
  const wxSize created = dialog.GetSize();
  EXPECT_EQ(dialog.GetMinSize(), created);
  EXPECT_TRUE(dialog.HasFlag(wxRESIZE_BORDER));
  dialog.Show();
  dialog.SetSize(created / 2);
  Settle();
  EXPECT_GE(dialog.GetSize().x, created.x);
  EXPECT_GE(dialog.GetSize().y, created.y);
}

TEST(ResizableDialog, PlacementIsSavedAndRestored) {
  TempFolders folders;
  {
    SampleResizable dialog("VelmarTessalineTest");
    ASSERT_TRUE(dialog.Create());
    dialog.Show();
    dialog.SetSize(40, 50, 700, 500);
    ASSERT_TRUE(SettleUntil([&] { return dialog.GetRect() == wxRect(40, 50, 700, 500); }));
    Settle();
  }
  EXPECT_EQ(platform::Registry().ReadString(kPlacementKey, "VelmarTessalineTestWindowPlacement"),
            std::optional<std::string>("40,50,740,550,1,0,0,0"));
  SampleResizable again("VelmarTessalineTest");
  ASSERT_TRUE(again.Create());
  again.Show();
  EXPECT_TRUE(SettleUntil([&] { return again.GetRect() == wxRect(40, 50, 700, 500); })) << again.GetRect().x;
}

TEST(ResizableDialog, ASavedPlacementOfEightNumbersIsRestoredAndADamagedOneIgnored) {
  TempFolders folders;
  ASSERT_TRUE(platform::Registry().WriteString(kPlacementKey, "VelmarTessalineWindowPlacement", "10,20,810,620,1,0,0,0"));
  {
    SampleResizable dialog("VelmarTessaline");
    ASSERT_TRUE(dialog.Create());
    dialog.Show();
    EXPECT_TRUE(SettleUntil([&] { return dialog.GetRect() == wxRect(10, 20, 800, 600); })) << dialog.GetSize().x;
  }
  ASSERT_TRUE(platform::Registry().WriteString(kPlacementKey, "DamagedWindowPlacement", "10,20,810,620,1,0,0"));
  SampleResizable damaged("Damaged");
  ASSERT_TRUE(damaged.Create());
  EXPECT_EQ(damaged.GetSize(), damaged.GetMinSize());
  // Far off the screen: brought back onto the display.
  ASSERT_TRUE(platform::Registry().WriteString(kPlacementKey, "LostWindowPlacement", "5000,4000,5600,4500,1,0,0,0"));
  SampleResizable lost("Lost");
  ASSERT_TRUE(lost.Create());
  lost.Show();
  EXPECT_TRUE(SettleUntil([&] { return lost.GetRect() == wxRect(1280 - 600, 1024 - 500, 600, 500); })) << lost.GetPosition().x;
}

// Made and placed but never on the screen: no place was ever known, none is saved, and the
// placement saved before stays.
TEST(ResizableDialog, AWindowNeverOnTheScreenSavesNoPlacement) {
  TempFolders folders;
  {
    SampleResizable unshown("Unshown");
    ASSERT_TRUE(unshown.Create());
    unshown.SetSize(30, 40, 700, 500);
  }
  EXPECT_EQ(platform::Registry().ReadString(kPlacementKey, "UnshownWindowPlacement"), std::nullopt);
  ASSERT_TRUE(platform::Registry().WriteString(kPlacementKey, "KeptWindowPlacement", "10,20,810,620,1,0,0,0"));
  {
    SampleResizable kept("Kept");
    ASSERT_TRUE(kept.Create());
  }
  EXPECT_EQ(platform::Registry().ReadString(kPlacementKey, "KeptWindowPlacement"),
            std::optional<std::string>("10,20,810,620,1,0,0,0"));
}

TEST(ResizablePage, ChildrenFollowTheirAnchorsAndTheSheetRespectsThePageSize) {
  wxFrame frame(nullptr, wxID_ANY, "Pages", wxDefaultPosition, wxSize(700, 500));
  auto* sheet = new controls::CResizableSheet("Dives", &frame);
  class Page : public controls::CResizablePage {
   public:
    Page() : CResizablePage(9002) {}

   protected:
    bool OnInitDialog() override {
      CResizablePage::OnInitDialog();
      AddAnchor(9110, kTopLeft, kTopRight);
      return true;
    }
  };
  auto* page = new Page;
  ASSERT_TRUE(page->Create(sheet));
  const wxSize pageMin = page->GetMinSize();
  const wxRect field = page->FindWindow(9110)->GetRect();
  sheet->AddPage(page, page->Caption());
  EXPECT_EQ(sheet->GetMinSize(), sheet->CalcSizeFromPage(pageMin));
  ASSERT_TRUE(ShowOnScreen(frame));
  ASSERT_TRUE(SettleUntil([&] { return page->GetClientSize().x > pageMin.x; })) << "the page did not grow";
  const int grown = page->GetClientSize().x - pageMin.x;
  EXPECT_TRUE(SettlesTo([&] { return page->FindWindow(9110)->GetRect(); }, wxRect(field.x, field.y, field.width + grown, field.height)));
}
