// The entry widgets in a dialog of their own, driven by real clicks and keys, and a screenshot
// of the dialog holding one of each.
#include <gtest/gtest.h>

#include <chrono>
#include <tuple>
#include <vector>

#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "controls/GasComboCompletion.h"
#include "controls/HistoryEdit.h"
#include "controls/NumSpinCtrl.h"
#include "engine/PrivateMessages.h"
#include "framework/Messages.h"
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
constexpr int kGas = 9201;
constexpr int kMessages = 9206;

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
  // The gas messages in the order they arrived: message, oxygen, helium.
  std::vector<std::tuple<unsigned, std::intptr_t, std::intptr_t>> gasMessages;

 protected:
  wxWindow* CreateControl(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                          const wxSize& size) override {
    switch (control.id) {
      case kGfHighSpin: return new controls::CNumSpinCtrl(parent, control.id, position, size);
      case kGas: return new controls::CGasComboCompletion(parent, control.id, position, size);
      case kMessages: return new controls::CHistoryEdit(parent, control.id, position, size);
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
    for (unsigned message : {WMU_GAS_MIX_SELECTED, WMU_GAS_MIX_ADDED}) {
      framework::BindMessage(*this, message, [this, message](std::intptr_t oxygen, std::intptr_t helium) {
        gasMessages.emplace_back(message, oxygen, helium);
        return std::intptr_t{0};
      });
    }
    return TemplateDialog::OnInitDialog();
  }
};

wxString TextOf(EntryWidgetsDialog& dialog, int id) { return dialog.Find<wxTextCtrl>(id).GetValue(); }

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
  dialog.FindWindow(kDives)->SetFocus();  // the arrow keys also work in the buddy edit
  Settle();
  wxUIActionSimulator().Char(WXK_DOWN);
  ASSERT_TRUE(SettleUntil([&] { return TextOf(dialog, kDives) == "4"; }, 1000));

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

TEST(GasBoxAndHistory, TypingCompletesLeavingAddsOrRefusesAndTheHistoryKeepsItsNewestLineInView) {
  EntryWidgetsDialog dialog;
  ASSERT_TRUE(dialog.Create());
  dialog.Show();
  Settle(100);
  auto& gas = dialog.Find<controls::CGasComboCompletion>(kGas);
  ASSERT_TRUE(gas.FillList("21/0,100/0,36/0,18/45"));
  EXPECT_EQ(gas.GetValue(), "Air");
  EXPECT_EQ(gas.GetCount(), 4u);
  EXPECT_EQ(gas.GetString(2), "36% Nitrox");

  wxUIActionSimulator keys;
  gas.SetFocus();
  gas.SelectAll();
  Settle();
  keys.Char('3');
  ASSERT_TRUE(SettleUntil([&] { return gas.GetValue() == "36% Nitrox"; }, 1000));
  long from = 0, to = 0;
  gas.GetSelection(&from, &to);
  EXPECT_EQ(from, 1);  // the completed tail is selected, so the next key replaces it
  EXPECT_EQ(to, 10);
  keys.Char(WXK_BACK);
  ASSERT_TRUE(SettleUntil([&] { return gas.GetValue() == "3"; }, 1000));
  keys.Text("2%");
  ASSERT_TRUE(SettleUntil([&] { return gas.GetValue() == "32%"; }, 1000));
  dialog.gasMessages.clear();
  keys.Char(WXK_TAB);
  ASSERT_TRUE(SettleUntil([&] { return dialog.gasMessages.size() == 2; }, 1000));
  using Message = std::tuple<unsigned, std::intptr_t, std::intptr_t>;
  EXPECT_EQ(dialog.gasMessages[0], (Message{WMU_GAS_MIX_ADDED, 32, 0}));
  EXPECT_EQ(dialog.gasMessages[1], (Message{WMU_GAS_MIX_SELECTED, 32, 0}));
  EXPECT_EQ(gas.GetValue(), "32% Nitrox");
  EXPECT_EQ(gas.GetListText(), "21/0,100/0,32/0,36/0,18/45");
  EXPECT_TRUE(gas.IsListChanged());
  EXPECT_EQ(wxWindow::FindFocus(), dialog.FindWindow(1));  // Tab passes the history by

  // "32" with the suggested tail deleted names no gas: refused with the message, emptied.
  gas.SetFocus();
  gas.SelectAll();
  Settle();
  keys.Text("32");
  ASSERT_TRUE(SettleUntil([&] { return gas.GetValue() == "32% Nitrox"; }, 1000));
  keys.Char(WXK_DELETE);
  ASSERT_TRUE(SettleUntil([&] { return gas.GetValue() == "32"; }, 1000));
  dialog.gasMessages.clear();
  wxString caption, text;
  long style = 0;
  wxTEST_DIALOG(
      {
        keys.Char(WXK_TAB);
        SettleUntil([&] { return !text.empty(); }, 1000);
      },
      ExpectMessageBox(wxID_OK, &caption, &text, &style));
  EXPECT_EQ(caption, "Velmar Tessaline");
  EXPECT_TRUE(text.StartsWith("Invalid entry!\n\n\nPermitted gas entry styles are..."));
  EXPECT_TRUE(text.EndsWith("Helium 0% - 99%"));
  EXPECT_TRUE(style & wxICON_WARNING);
  EXPECT_EQ(gas.GetValue(), "");
  ASSERT_EQ(dialog.gasMessages.size(), 1u);
  EXPECT_EQ(dialog.gasMessages[0], (Message{WMU_GAS_MIX_SELECTED, 0, 0}));
  gas.SetSelection(2);

  auto& history = dialog.Find<controls::CHistoryEdit>(kMessages);
  history.SetLimits(false, true);
  for (int plan = 1; plan <= 30; ++plan) history.AppendString(wxString::Format("Plan %d of 30: 40 m for 20 min", plan));
  EXPECT_TRUE(history.GetValue().StartsWith("Plan 1 of 30"));
  EXPECT_EQ(history.GetValue().Freq('\n'), 29);
  Settle(200);
  const int clientHeight = history.GetClientSize().y;
  const wxPoint newest = history.PositionToCoords(history.GetLastPosition());
  EXPECT_GE(newest.y, 0);
  EXPECT_LT(newest.y, clientHeight);
  EXPECT_LT(history.PositionToCoords(0).y, 0);  // the first lines have scrolled away

  // A click into the history hands the focus back.
  auto& gfHigh = dialog.Find<wxTextCtrl>(kGfHigh);
  gfHigh.SetFocus();
  Settle();
  wxUIActionSimulator mouse;
  mouse.MouseMove(history.GetScreenRect().GetPosition() + wxPoint(40, 20));
  Settle(20);
  mouse.MouseClick();
  Settle(200);
  EXPECT_EQ(wxWindow::FindFocus(), &gfHigh);

  const wxString file = wxString(GUI_ARTEFACT_DIR) + "/entry-widgets.png";
  EXPECT_TRUE(CaptureWindow(dialog).SaveFile(file, wxBITMAP_TYPE_PNG));
}
