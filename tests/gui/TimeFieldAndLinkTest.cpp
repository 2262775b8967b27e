// The hours:minutes field and the hyperlink in a dialog made from a template, driven with real
// keys and mouse moves and clicks; the links open through a stand-in for the desktop.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include <wx/settings.h>
#include <wx/textctrl.h>
#include <wx/tooltip.h>
#include <wx/uiaction.h>

#include "controls/HyperlinkLabel.h"
#include "controls/MultiFieldEdit.h"
#include "framework/TemplateWindows.h"
#include "tests/gui/GuiTestSupport.h"

namespace {

constexpr int kTimeAndLinks = 9004, kTime = 9120, kNote = 9121, kWeb = 9122, kMail = 9123;

class TimeAndLinksDialog : public framework::TemplateDialog {
 public:
  TimeAndLinksDialog() : TemplateDialog(kTimeAndLinks, nullptr) {}

  controls::CSTimeHM* Time() { return dynamic_cast<controls::CSTimeHM*>(FindWindow(kTime)); }
  controls::CHyperlinkLabel* Link(int id) { return dynamic_cast<controls::CHyperlinkLabel*>(FindWindow(id)); }

 protected:
  wxWindow* CreateControl(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                          const wxSize& size) override {
    if (control.id == kTime) return new controls::CSTimeHM(parent, control.id, position, size);
    if (control.id == kWeb || control.id == kMail) {
      return new controls::CHyperlinkLabel(parent, control.id, framework::TemplateText(control.text), position, size);
    }
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

TEST(HyperlinkLabel, ColoursUnderlineAndOpensOnlyWebAndMailTargets) {
  DesktopStandIn desktop;
  ShownDialog shown;
  controls::CHyperlinkLabel* web = shown.dialog.Link(kWeb);
  controls::CHyperlinkLabel* mail = shown.dialog.Link(kMail);
  ASSERT_NE(web, nullptr);
  ASSERT_NE(mail, nullptr);
  web->SetURL("https://www.example.com/velmar");
  EXPECT_EQ(web->GetToolTip()->GetTip(), "https://www.example.com/velmar");
  EXPECT_EQ(mail->GetURL(), "Oskerby E Mail");  // no target yet: the text
  EXPECT_TRUE(web->GetCursor().IsOk());
  // The window takes the size of its text instead of its 90-unit template width.
  EXPECT_EQ(web->GetSize(), web->GetTextExtent("Oskerby Home Page"));

  wxUIActionSimulator mouse;
  mouse.MouseMove(shown.dialog.FindWindow(kNote)->GetScreenRect().GetBottomRight() + wxPoint(-5, -5));
  Settle(100);
  const ColourCount resting = CountColour(Picture(*web), Blue);
  EXPECT_GT(resting.pixels, 50);
  EXPECT_LT(resting.widestRow, web->GetSize().x * 6 / 10);  // no underline

  mouse.MouseMove(web->GetScreenRect().GetPosition() + wxPoint(10, web->GetSize().y / 2));
  ASSERT_TRUE(SettleUntil([&] { return web->IsOver(); }));
  const wxImage hover = Picture(*web);
  EXPECT_EQ(CountColour(hover, Blue).pixels, 0);
  EXPECT_GT(CountColour(hover, Red).widestRow, web->GetSize().x * 8 / 10);  // red and underlined

  mouse.MouseMove(shown.dialog.FindWindow(kNote)->GetScreenRect().GetBottomRight() + wxPoint(-5, -5));
  ASSERT_TRUE(SettleUntil([&] { return !web->IsOver(); }));
  EXPECT_FALSE(web->GetFont().GetUnderlined());
  web->SetUnderline(controls::CHyperlinkLabel::kUnderlineAlways);
  EXPECT_GT(CountColour(Picture(*web), Blue).widestRow, web->GetSize().x * 8 / 10);

  // A click opens the target, and the link shows that it was visited.
  ClickAt(web->GetScreenRect().GetPosition() + wxPoint(10, web->GetSize().y / 2));
  ASSERT_TRUE(SettleUntil([&] { return web->IsVisited(); }));
  EXPECT_EQ(desktop.opened, std::vector<std::string>{"https://www.example.com/velmar"});
  mouse.MouseMove(shown.dialog.FindWindow(kNote)->GetScreenRect().GetBottomRight() + wxPoint(-5, -5));
  Settle(100);
  ASSERT_FALSE(web->IsOver());
  EXPECT_GT(CountColour(Picture(*web), Purple).pixels, 50);

  // Anything but a web or mail target is refused and reported, and the desktop never sees it.
  wxString caption, text;
  long style = 0;
  mail->SetURL("file:///etc/passwd");
  wxTEST_DIALOG(ClickAt(mail->GetScreenRect().GetPosition() + wxPoint(5, mail->GetSize().y / 2)),
                ExpectMessageBox(wxID_OK, &caption, &text, &style));
  EXPECT_EQ(caption, "Velmar Tessaline");
  EXPECT_EQ(text, "Unable to open hyperlink:\n\nOnly web (http:, https:) and e-mail (mailto:) links are opened.");
  EXPECT_TRUE(style & wxICON_WARNING);
  EXPECT_FALSE(mail->IsVisited());
  EXPECT_EQ(desktop.opened.size(), 1u);

  // A mail target the desktop cannot open is reported too.
  desktop.succeeds = false;
  mail->SetURL("mailto:info@example.com");
  wxTEST_DIALOG(ClickAt(mail->GetScreenRect().GetPosition() + wxPoint(5, mail->GetSize().y / 2)),
                ExpectMessageBox(wxID_OK, &caption, &text, &style));
  EXPECT_EQ(text, "Unable to open hyperlink:\n\nThere is no application associated\nwith the given filename extension.");
  EXPECT_EQ(desktop.opened.back(), "mailto:info@example.com");
  EXPECT_FALSE(mail->IsVisited());
}
