// The entry widgets in a dialog of their own, driven by real clicks and keys, and a screenshot
// of the dialog holding one of each; the link opens through a stand-in for the desktop.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <tuple>
#include <vector>

#include <wx/settings.h>
#include <wx/textctrl.h>
#include <wx/tooltip.h>
#include <wx/uiaction.h>

#include "controls/GasComboCompletion.h"
#include "controls/HistoryEdit.h"
#include "controls/HyperlinkLabel.h"
#include "controls/MultiFieldEdit.h"
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
constexpr int kInterval = 9207;
constexpr int kHomePage = 9208;

// Each widget stands in the template's place of the standard control it replaces.
class EntryWidgetsDialog : public framework::TemplateDialog {
 public:
  EntryWidgetsDialog() : TemplateDialog(kEntryWidgets, nullptr) {}

  // Made and shown, with its first events handled.
  bool Open() {
    if (!Create()) return false;
    Show();
    return SettleUntil(Drawn(*this));
  }

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
      case kInterval: return new controls::CSTimeHM(parent, control.id, position, size);
      case kHomePage:
        return new controls::CHyperlinkLabel(parent, control.id, framework::TemplateText(control.text), position, size);
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

// A point on the screen over the field's character at index.
wxPoint OverCharacter(controls::CSTimeHM& field, int index) {
  const wxSize size = field.GetClientSize();
  for (int x = 0; x < size.x; ++x) {
    if (field.CharacterIndexAt(x) == index && field.CharacterIndexAt(x + 2) == index) {
      return field.ClientToScreen(wxPoint(x + 1, size.y / 2));
    }
  }
  ADD_FAILURE() << "no character " << index;
  return field.GetScreenPosition();
}

// The caller waits for what the click does.
void ClickAt(const wxPoint& point) {
  wxUIActionSimulator mouse;
  mouse.MouseMove(point);
  mouse.MouseClick();
}

// Pixels of a rendered picture by colour: how many there are, and the most on any one row.
struct ColourCount {
  int pixels = 0;
  int widestRow = 0;
};

ColourCount CountColour(const wxImage& image, const std::function<bool(int r, int g, int b)>& matches) {
  ColourCount count;
  for (int y = 0; y < image.GetHeight(); ++y) {
    int row = 0;
    for (int x = 0; x < image.GetWidth(); ++x) {
      row += matches(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
    }
    count.pixels += row;
    count.widestRow = std::max(count.widestRow, row);
  }
  return count;
}

// Loose enough for the edges of letters and an underline that falls between two pixel rows.
bool Blue(int r, int g, int b) { return b > r + 80 && b > g + 80; }
bool Red(int r, int g, int b) { return r > g + 80 && r > b + 80; }
bool Purple(int r, int g, int b) { return r > 50 && r < 140 && g < 80 && b > 100 && b > r + 20; }

wxImage Picture(controls::CHyperlinkLabel& link) {
  return RenderToBitmap(link.GetClientSize(), [&](wxDC& dc) { link.Render(dc); }).ConvertToImage();
}

// Records what the links ask the desktop to open, and answers as told.
struct DesktopStandIn {
  DesktopStandIn() {
    old = controls::SetLinkLauncher([this](const std::string& target) {
      opened.push_back(target);
      return succeeds;
    });
  }
  ~DesktopStandIn() { controls::SetLinkLauncher(old); }
  std::vector<std::string> opened;
  bool succeeds = true;
  controls::LinkLauncher old;
};

}  // namespace

TEST(SpinFields, ClicksAndKeysStepTheBuddyAndOneSettledNoticeFollowsTheLastClickByASecond) {
  EntryWidgetsDialog dialog;
  ASSERT_TRUE(dialog.Open());

  // Whole-number arrows write their position into the buddy edit.
  EXPECT_EQ(TextOf(dialog, kDives), "3");
  auto& dives = dialog.Find<framework::UpDownControl>(kDivesSpin);
  dives.SetFocus();
  ASSERT_TRUE(SettleUntil([&] { return FocusWithin(dives); }));
  wxUIActionSimulator().Char(WXK_UP);
  ASSERT_TRUE(SettleUntil([&] { return dives.GetValue() == 4; }));
  EXPECT_EQ(TextOf(dialog, kDives), "4");
  ClickUpperArrow(dives);
  ASSERT_TRUE(SettleUntil([&] { return dives.GetValue() == 5; }));
  EXPECT_EQ(TextOf(dialog, kDives), "5");
  dialog.FindWindow(kDives)->SetFocus();  // the arrow keys also work in the buddy edit
  ASSERT_TRUE(SettleUntil([&] { return FocusWithin(*dialog.FindWindow(kDives)); }));
  wxUIActionSimulator().Char(WXK_DOWN);
  ASSERT_TRUE(SettleUntil([&] { return TextOf(dialog, kDives) == "4"; }));

  auto& spin = dialog.Find<controls::CNumSpinCtrl>(kGfHighSpin);
  EXPECT_EQ(TextOf(dialog, kGfHigh), "85");
  EXPECT_EQ(spin.GetValue(), 150);  // (85 − 10) / 90 × 180 positions

  ClickUpperArrow(spin);
  ASSERT_TRUE(SettleUntil([&] { return TextOf(dialog, kGfHigh) == "85.5"; }));
  Settle(300);  // apart, so that the toolkit does not take the two clicks for a double click
  // The notice's second runs from when the click is taken, after it is sent; a busy machine may
  // take the click and the notice late.
  const Clock::time_point secondClick = Clock::now();
  ClickUpperArrow(spin);
  ASSERT_TRUE(SettleUntil([&] { return TextOf(dialog, kGfHigh) == "86"; }));
  EXPECT_TRUE(dialog.settledAt.empty());

  ASSERT_TRUE(SettleUntil([&] { return !dialog.settledAt.empty(); }));
  const long long delay = MillisecondsBetween(secondClick, dialog.settledAt.front());
  EXPECT_GE(delay, 950);
  EXPECT_LE(delay, 3000);
  Settle(600);
  EXPECT_EQ(dialog.settledAt.size(), 1u);

  // At the top of the range a click keeps the value; a typed value out of range is clamped.
  dialog.Find<wxTextCtrl>(kGfHigh).ChangeValue("100");
  ClickUpperArrow(spin);
  Settle(100);
  EXPECT_EQ(TextOf(dialog, kGfHigh), "100");
  dialog.Find<wxTextCtrl>(kGfHigh).ChangeValue("7.25");
  EXPECT_FALSE(spin.ClampToRange());
  EXPECT_EQ(TextOf(dialog, kGfHigh), "10");
  EXPECT_DOUBLE_EQ(spin.GetPos(), 10);
}

TEST(GasBoxAndHistory, TypingCompletesLeavingAddsOrRefusesAndTheHistoryKeepsItsNewestLineInView) {
  EntryWidgetsDialog dialog;
  ASSERT_TRUE(dialog.Open());
  auto& gas = dialog.Find<controls::CGasComboCompletion>(kGas);
  ASSERT_TRUE(gas.FillList("21/0,100/0,36/0,18/45"));
  EXPECT_EQ(gas.GetValue(), "Air");
  EXPECT_EQ(gas.GetCount(), 4u);
  EXPECT_EQ(gas.GetString(2), "36% Nitrox");

  wxUIActionSimulator keys;
  gas.SetFocus();
  gas.SelectAll();
  ASSERT_TRUE(SettleUntil([&] { return FocusWithin(gas); }));
  keys.Char('3');
  ASSERT_TRUE(SettleUntil([&] { return gas.GetValue() == "36% Nitrox"; }));
  long from = 0, to = 0;
  gas.GetSelection(&from, &to);
  EXPECT_EQ(from, 1);  // the completed tail is selected, so the next key replaces it
  EXPECT_EQ(to, 10);
  keys.Char(WXK_BACK);
  ASSERT_TRUE(SettleUntil([&] { return gas.GetValue() == "3"; }));
  keys.Text("2%");
  ASSERT_TRUE(SettleUntil([&] { return gas.GetValue() == "32%"; }));
  dialog.gasMessages.clear();
  keys.Char(WXK_TAB);
  ASSERT_TRUE(SettleUntil([&] { return dialog.gasMessages.size() == 2; }));
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
  ASSERT_TRUE(SettleUntil([&] { return FocusWithin(gas); }));
  keys.Text("32");
  ASSERT_TRUE(SettleUntil([&] { return gas.GetValue() == "32% Nitrox"; }));
  keys.Char(WXK_DELETE);
  ASSERT_TRUE(SettleUntil([&] { return gas.GetValue() == "32"; }));
  dialog.gasMessages.clear();
  wxString caption, text;
  long style = 0;
  wxTEST_DIALOG(
      {
        keys.Char(WXK_TAB);
        SettleUntil([&] { return !text.empty(); });
      },
      ExpectMessageBox(wxID_OK, &caption, &text, &style));
  EXPECT_EQ(caption, "Velmar Tessaline");
  EXPECT_TRUE(text.StartsWith("Invalid entry!\n\n\nPermitted gas entry styles are..."));
  EXPECT_TRUE(text.EndsWith("Helium 0% - 99%"));
  EXPECT_TRUE(style & wxICON_WARNING);
  EXPECT_EQ(gas.GetValue(), "");
  ASSERT_EQ(dialog.gasMessages.size(), 1u);
  EXPECT_EQ(dialog.gasMessages[0], (Message{WMU_GAS_MIX_SELECTED, 0, 0}));

  // Selecting a gas from outside: one in the list is only selected, a missing one is added in
  // its place and the owner told, an invalid one is refused.
  dialog.gasMessages.clear();
  EXPECT_TRUE(gas.SelectGas(18, 45));
  EXPECT_EQ(gas.GetValue(), "18/45");
  EXPECT_TRUE(gas.SelectGas(50, 0));
  EXPECT_EQ(gas.GetValue(), "50% Nitrox");
  EXPECT_FALSE(gas.SelectGas(4, 0));
  EXPECT_EQ(gas.GetListText(), "21/0,100/0,32/0,36/0,50/0,18/45");
  ASSERT_TRUE(SettlesTo([&] { return dialog.gasMessages.size(); }, 1u));
  EXPECT_EQ(dialog.gasMessages[0], (Message{WMU_GAS_MIX_ADDED, 50, 0}));
  gas.SetSelection(2);

  auto& history = dialog.Find<controls::CHistoryEdit>(kMessages);
  history.SetLimits(false, true);
  for (int plan = 1; plan <= 30; ++plan) history.AppendString(wxString::Format("Plan %d of 30: 40 m for 20 min", plan));
  EXPECT_TRUE(history.GetValue().StartsWith("Plan 1 of 30"));
  EXPECT_EQ(history.GetValue().Freq('\n'), 29);
  const int clientHeight = history.GetClientSize().y;
  EXPECT_TRUE(SettleUntil([&] {
    const wxPoint newest = history.PositionToCoords(history.GetLastPosition());
    return newest.y >= 0 && newest.y < clientHeight;
  })) << "the newest line is not in view";
  EXPECT_LT(history.PositionToCoords(0).y, 0);  // the first lines have scrolled away

  // A click into the history hands the focus back.
  auto& gfHigh = dialog.Find<wxTextCtrl>(kGfHigh);
  gfHigh.SetFocus();
  ASSERT_TRUE(SettleUntil([&] { return FocusWithin(gfHigh); }));
  bool clicked = false;
  history.Bind(wxEVT_LEFT_UP, [&](wxMouseEvent& event) {
    clicked = true;
    event.Skip();
  });
  ClickAt(history.GetScreenRect().GetPosition() + wxPoint(40, 20));
  ASSERT_TRUE(SettleUntil([&] { return clicked; }));
  EXPECT_TRUE(SettlesTo([] { return wxWindow::FindFocus(); }, &gfHigh));

  const wxString file = wxString(GUI_ARTEFACT_DIR) + "/entry-widgets.png";
  EXPECT_TRUE(CaptureWindow(dialog).SaveFile(file, wxBITMAP_TYPE_PNG));
}

TEST(TimeField, TypingKeysAndClicksEditHoursAndMinutesAndLeavingItNotifiesTheDialog) {
  EntryWidgetsDialog dialog;
  ASSERT_TRUE(dialog.Open());
  auto& time = dialog.Find<controls::CSTimeHM>(kInterval);
  std::vector<int> leftFields;
  dialog.Bind(controls::EVT_EDIT_KILL_FOCUS, [&](wxCommandEvent& event) { leftFields.push_back(event.GetId()); });
  time.SetSeconds(2 * 3600 + 5 * 60);
  EXPECT_EQ(time.ShownText(), "02:05");

  // A click on the hours takes the focus there; the hours are shown selected.
  ClickAt(OverCharacter(time, 0));
  ASSERT_TRUE(SettleUntil([&] { return time.HasFocus(); }));
  EXPECT_EQ(time.GetCurrentField(), 0);
  wxUIActionSimulator keys;
  keys.Text("1345");
  ASSERT_TRUE(SettleUntil([&] { return time.GetSeconds() == 13 * 3600 + 45 * 60; }));
  EXPECT_EQ(time.ShownText(), "13:45");
  const wxImage picture = RenderToBitmap(time.GetClientSize(), [&](wxDC& dc) { time.Render(dc); }).ConvertToImage();
  const wxColour highlight = wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT);
  auto isHighlight = [&](int r, int g, int b) { return r == highlight.Red() && g == highlight.Green() && b == highlight.Blue(); };
  // Rows through the middle of the text, clear of the frame (which may show the focus colour).
  const int colon = OverCharacter(time, 2).x - time.GetScreenPosition().x;
  const int middle = picture.GetHeight() / 2;
  EXPECT_GT(CountColour(picture.GetSubImage(wxRect(4, middle - 3, colon - 4, 6)), isHighlight).pixels, 20);
  EXPECT_EQ(CountColour(picture.GetSubImage(wxRect(colon + 4, middle - 3, picture.GetWidth() - colon - 10, 6)),
                        isHighlight).pixels, 0);
  const wxString file = wxString(GUI_ARTEFACT_DIR) + "/entry-widgets-time-field.png";
  EXPECT_TRUE(CaptureWindow(dialog).SaveFile(file, wxBITMAP_TYPE_PNG));

  // The minutes by a click, then 8 and 0: 80 is too many, so the 0 starts again.
  ClickAt(OverCharacter(time, 4));
  EXPECT_TRUE(SettlesTo([&] { return time.GetCurrentField(); }, 1));
  ClickAt(OverCharacter(time, 2));  // the ":" keeps the minutes
  EXPECT_EQ(time.GetCurrentField(), 1);
  keys.Text("80");
  ASSERT_TRUE(SettleUntil([&] { return time.ShownText() == "13:00"; }));
  EXPECT_EQ(time.GetCurrentField(), 0);  // two digits moved on to the hours

  keys.Char(WXK_DOWN);  // 13 → 12 hours
  keys.Char(WXK_RIGHT);
  keys.Char(WXK_UP);  // minutes 0 → 1
  ASSERT_TRUE(SettleUntil([&] { return time.ShownText() == "12:01"; }));
  EXPECT_TRUE(leftFields.empty());

  // Tab passes the link by to GF High; the dialog hears that the field was left, once.
  keys.Char(WXK_TAB);
  ASSERT_TRUE(SettleUntil([&] { return !leftFields.empty(); }));
  Settle(50);
  EXPECT_EQ(leftFields, std::vector<int>{kInterval});
  EXPECT_EQ(wxWindow::FindFocus(), dialog.FindWindow(kGfHigh));
  EXPECT_EQ(time.GetSeconds(), 12 * 3600 + 60);
}

TEST(HyperlinkLabel, ColoursUnderlineAndOpensOnlyWebAndMailTargets) {
  DesktopStandIn desktop;
  EntryWidgetsDialog dialog;
  ASSERT_TRUE(dialog.Open());
  auto& link = dialog.Find<controls::CHyperlinkLabel>(kHomePage);
  EXPECT_EQ(link.GetURL(), "Oskerby Home Page");  // no target yet: the text
  link.SetURL("https://www.example.com/velmar");
  EXPECT_EQ(link.GetToolTip()->GetTip(), "https://www.example.com/velmar");
  EXPECT_TRUE(link.GetCursor().IsOk());
  // The window takes the size of its text instead of its 100-unit template width.
  EXPECT_EQ(link.GetSize(), link.GetTextExtent("Oskerby Home Page"));

  wxUIActionSimulator mouse;
  const wxPoint elsewhere = dialog.FindWindow(kDives)->GetScreenRect().GetPosition() + wxPoint(5, 5);
  const wxPoint onLink = link.GetScreenRect().GetPosition() + wxPoint(10, link.GetSize().y / 2);
  mouse.MouseMove(elsewhere);
  Settle(100);
  const ColourCount resting = CountColour(Picture(link), Blue);
  EXPECT_GT(resting.pixels, 50);
  EXPECT_LT(resting.widestRow, link.GetSize().x * 6 / 10);  // no underline

  mouse.MouseMove(onLink);
  ASSERT_TRUE(SettleUntil([&] { return link.IsOver(); }));
  const wxImage hover = Picture(link);
  EXPECT_EQ(CountColour(hover, Blue).pixels, 0);
  EXPECT_GT(CountColour(hover, Red).widestRow, link.GetSize().x * 8 / 10);  // red and underlined

  mouse.MouseMove(elsewhere);
  ASSERT_TRUE(SettleUntil([&] { return !link.IsOver(); }));
  EXPECT_FALSE(link.GetFont().GetUnderlined());
  link.SetUnderline(controls::CHyperlinkLabel::kUnderlineAlways);
  EXPECT_GT(CountColour(Picture(link), Blue).widestRow, link.GetSize().x * 8 / 10);

  // A click opens the target, and the link shows that it was visited.
  ClickAt(onLink);
  ASSERT_TRUE(SettleUntil([&] { return link.IsVisited(); }));
  EXPECT_EQ(desktop.opened, std::vector<std::string>{"https://www.example.com/velmar"});
  mouse.MouseMove(elsewhere);
  ASSERT_TRUE(SettleUntil([&] { return !link.IsOver(); }));
  EXPECT_GT(CountColour(Picture(link), Purple).pixels, 50);
  EXPECT_TRUE(link.GetFont().GetUnderlined());  // always underlined, also off the link

  // Anything but a web or mail target is refused and reported, and the desktop never sees it.
  wxString caption, text;
  long style = 0;
  link.SetURL("file:///etc/passwd");
  // Each click waits for the message box it brings.
  auto clickForMessage = [&] {
    text.clear();
    ClickAt(onLink);
    SettleUntil([&] { return !text.empty(); });
  };
  wxTEST_DIALOG(clickForMessage(), ExpectMessageBox(wxID_OK, &caption, &text, &style));
  EXPECT_EQ(caption, "Velmar Tessaline");
  EXPECT_EQ(text, "Unable to open hyperlink:\n\nOnly web (http:, https:) and e-mail (mailto:) links are opened.");
  EXPECT_TRUE(style & wxICON_WARNING);
  EXPECT_FALSE(link.IsVisited());
  EXPECT_EQ(desktop.opened.size(), 1u);

  // A mail target the desktop cannot open is reported too.
  desktop.succeeds = false;
  link.SetURL("mailto:info@example.com");
  wxTEST_DIALOG(clickForMessage(), ExpectMessageBox(wxID_OK, &caption, &text, &style));
  EXPECT_EQ(text, "Unable to open hyperlink:\n\nThere is no application associated\nwith the given filename extension.");
  EXPECT_EQ(desktop.opened.back(), "mailto:info@example.com");
  EXPECT_FALSE(link.IsVisited());

  // A link without a text of its own shows its target.
  auto* bare = new controls::CHyperlinkLabel(&dialog, wxID_ANY, "", wxPoint(0, 0), wxSize(10, 10), wxALIGN_LEFT,
                                             "mailto:info@example.com");
  EXPECT_EQ(bare->GetLabel(), "mailto:info@example.com");
  bare->Destroy();
}
