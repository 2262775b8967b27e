// The hours:minutes field in a dialog made from a template, driven with real keys and clicks.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include <wx/settings.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "controls/MultiFieldEdit.h"
#include "framework/TemplateWindows.h"
#include "tests/gui/GuiTestSupport.h"

namespace {

constexpr int kTimeAndLinks = 9004, kTime = 9120, kNote = 9121;

class TimeAndLinksDialog : public framework::TemplateDialog {
 public:
  TimeAndLinksDialog() : TemplateDialog(kTimeAndLinks, nullptr) {}

  controls::CSTimeHM* Time() { return dynamic_cast<controls::CSTimeHM*>(FindWindow(kTime)); }

 protected:
  wxWindow* CreateControl(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                          const wxSize& size) override {
    if (control.id == kTime) return new controls::CSTimeHM(parent, control.id, position, size);
    return nullptr;
  }
};

struct ShownDialog {
  ShownDialog() {
    EXPECT_TRUE(dialog.Create());
    dialog.Show();
    Settle(100);
  }
  ~ShownDialog() { dialog.Destroy(); }
  TimeAndLinksDialog dialog;
};

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

void ClickAt(const wxPoint& point) {
  wxUIActionSimulator mouse;
  mouse.MouseMove(point);
  Settle(30);
  mouse.MouseClick();
  Settle(50);
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

}  // namespace

TEST(TimeField, TypingKeysAndClicksEditHoursAndMinutesAndLeavingItNotifiesTheDialog) {
  ShownDialog shown;
  controls::CSTimeHM* time = shown.dialog.Time();
  ASSERT_NE(time, nullptr);
  std::vector<int> leftFields;
  shown.dialog.Bind(controls::EVT_EDIT_KILL_FOCUS, [&](wxCommandEvent& event) { leftFields.push_back(event.GetId()); });
  time->SetSeconds(2 * 3600 + 5 * 60);
  EXPECT_EQ(time->ShownText(), "02:05");

  // A click on the hours takes the focus there; the hours are shown selected.
  ClickAt(OverCharacter(*time, 0));
  ASSERT_TRUE(SettleUntil([&] { return time->HasFocus(); }));
  EXPECT_EQ(time->GetCurrentField(), 0);
  wxUIActionSimulator keys;
  keys.Text("1345");
  ASSERT_TRUE(SettleUntil([&] { return time->GetSeconds() == 13 * 3600 + 45 * 60; }));
  EXPECT_EQ(time->ShownText(), "13:45");
  const wxImage picture =
      RenderToBitmap(time->GetClientSize(), [&](wxDC& dc) { time->Render(dc); }).ConvertToImage();
  const wxColour highlight = wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT);
  auto isHighlight = [&](int r, int g, int b) { return r == highlight.Red() && g == highlight.Green() && b == highlight.Blue(); };
  // Rows through the middle of the text, clear of the frame (which may show the focus colour).
  const int colon = OverCharacter(*time, 2).x - time->GetScreenPosition().x;
  const int middle = picture.GetHeight() / 2;
  EXPECT_GT(CountColour(picture.GetSubImage(wxRect(4, middle - 3, colon - 4, 6)), isHighlight).pixels, 20);
  EXPECT_EQ(CountColour(picture.GetSubImage(wxRect(colon + 4, middle - 3, picture.GetWidth() - colon - 10, 6)),
                        isHighlight).pixels, 0);

  // The minutes by a click, then 8 and 0: 80 is too many, so the 0 starts again.
  ClickAt(OverCharacter(*time, 4));
  EXPECT_EQ(time->GetCurrentField(), 1);
  ClickAt(OverCharacter(*time, 2));  // the ":" keeps the minutes
  EXPECT_EQ(time->GetCurrentField(), 1);
  keys.Text("80");
  ASSERT_TRUE(SettleUntil([&] { return time->ShownText() == "13:00"; }));
  EXPECT_EQ(time->GetCurrentField(), 0);  // two digits moved on to the hours

  keys.Char(WXK_DOWN);  // 13 → 12 hours
  keys.Char(WXK_RIGHT);
  keys.Char(WXK_UP);  // minutes 0 → 1
  ASSERT_TRUE(SettleUntil([&] { return time->ShownText() == "12:01"; }));
  EXPECT_TRUE(leftFields.empty());

  // Tab goes on to the note; the dialog hears that the field was left, once.
  keys.Char(WXK_TAB);
  ASSERT_TRUE(SettleUntil([&] { return !leftFields.empty(); }));
  Settle(50);
  EXPECT_EQ(leftFields, std::vector<int>{kTime});
  EXPECT_TRUE(shown.dialog.FindWindow(kNote)->HasFocus());
  EXPECT_EQ(time->GetSeconds(), 12 * 3600 + 60);

  const wxString file = wxString(GUI_ARTEFACT_DIR) + "/time-field-and-links.png";
  EXPECT_TRUE(CaptureWindow(shown.dialog).SaveFile(file, wxBITMAP_TYPE_PNG));
}
