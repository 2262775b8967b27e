// The entry widgets in a dialog of their own, driven by real clicks and keys.
#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "controls/NumSpinCtrl.h"
#include "framework/TemplateWindows.h"
#include "framework/UpDownControl.h"
#include "tests/gui/GuiTestSupport.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kEntryWidgets = 9010;
constexpr int kGfHigh = 9202;
constexpr int kGfHighSpin = 9203;
constexpr int kDives = 9204;
constexpr int kDivesSpin = 9205;

// Each widget stands in the template's place of the standard control it replaces.
class EntryWidgetsDialog : public framework::TemplateDialog {
 public:
  EntryWidgetsDialog() : TemplateDialog(kEntryWidgets, nullptr) {}

  template <typename Widget>
  Widget& Find(int id) {
    auto* widget = dynamic_cast<Widget*>(FindWindow(id));
    EXPECT_NE(widget, nullptr) << id;
    return *widget;
  }

  std::vector<Clock::time_point> settledAt;

 protected:
  wxWindow* CreateControl(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                          const wxSize& size) override {
    switch (control.id) {
      case kGfHighSpin: return new controls::CNumSpinCtrl(parent, control.id, position, size);
      default: return nullptr;
    }
  }

  bool OnInitDialog() override {
    auto& spin = Find<controls::CNumSpinCtrl>(kGfHighSpin);
    spin.SetDecimals(1);
    spin.SetRangeAndDelta(10, 100, 0.5);
    spin.SetPos(85);
    Bind(controls::EVT_SPIN_SETTLED, [this](wxCommandEvent& event) {
      if (event.GetInt() == controls::SPIN_SETTLED && event.GetEventObject() == FindWindow(kGfHighSpin)) {
        settledAt.push_back(Clock::now());
      }
    }, kGfHighSpin);
    auto& dives = Find<framework::UpDownControl>(kDivesSpin);
    dives.SetRange(1, 30);
    dives.SetValue(3);
    return TemplateDialog::OnInitDialog();
  }
};

wxString TextOf(EntryWidgetsDialog& dialog, int id) { return dialog.Find<wxTextCtrl>(id).GetValue(); }

void ClickUpperArrow(wxWindow& arrows) {
  wxUIActionSimulator mouse;
  const wxRect rect = arrows.GetScreenRect();
  mouse.MouseMove(rect.x + rect.width / 2, rect.y + rect.height / 4);
  Settle(20);
  mouse.MouseClick();
}

long long MillisecondsBetween(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(to - from).count();
}

}  // namespace

TEST(SpinFields, ClicksAndKeysStepTheBuddyAndOneSettledNoticeFollowsTheLastClickByASecond) {
  EntryWidgetsDialog dialog;
  ASSERT_TRUE(dialog.Create());
  dialog.Show();
  Settle(100);

  // Whole-number arrows write their position into the buddy edit.
  EXPECT_EQ(TextOf(dialog, kDives), "3");
  auto& dives = dialog.Find<framework::UpDownControl>(kDivesSpin);
  dives.SetFocus();
  Settle();
  wxUIActionSimulator().Char(WXK_UP);
  ASSERT_TRUE(SettleUntil([&] { return dives.GetValue() == 4; }, 1000));
  EXPECT_EQ(TextOf(dialog, kDives), "4");
  ClickUpperArrow(dives);
  ASSERT_TRUE(SettleUntil([&] { return dives.GetValue() == 5; }, 1000));
  EXPECT_EQ(TextOf(dialog, kDives), "5");

  auto& spin = dialog.Find<controls::CNumSpinCtrl>(kGfHighSpin);
  EXPECT_EQ(TextOf(dialog, kGfHigh), "85");
  EXPECT_EQ(spin.GetValue(), 150);  // (85 − 10) / 90 × 180 positions

  ClickUpperArrow(spin);
  ASSERT_TRUE(SettleUntil([&] { return TextOf(dialog, kGfHigh) == "85.5"; }, 1000));
  Settle(300);
  ClickUpperArrow(spin);
  ASSERT_TRUE(SettleUntil([&] { return TextOf(dialog, kGfHigh) == "86"; }, 1000));
  const Clock::time_point secondClick = Clock::now();
  EXPECT_TRUE(dialog.settledAt.empty());

  ASSERT_TRUE(SettleUntil([&] { return !dialog.settledAt.empty(); }, 2500));
  const long long delay = MillisecondsBetween(secondClick, dialog.settledAt.front());
  EXPECT_GE(delay, 950);
  EXPECT_LE(delay, 1400);
  Settle(600);
  EXPECT_EQ(dialog.settledAt.size(), 1u);

  // At the top of the range a click keeps the value; a typed value out of range is clamped.
  dialog.Find<wxTextCtrl>(kGfHigh).ChangeValue("100");
  ClickUpperArrow(spin);
  Settle(100);
  EXPECT_EQ(TextOf(dialog, kGfHigh), "100");
  dialog.Find<wxTextCtrl>(kGfHigh).ChangeValue("7.25");
  EXPECT_FALSE(spin.Validate());
  EXPECT_EQ(TextOf(dialog, kGfHigh), "10");
  EXPECT_DOUBLE_EQ(spin.GetPos(), 10);
}

