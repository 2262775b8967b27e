// Shaded buttons: faces for rest, hover and press, the click, icon, cursor and tooltip.
#include <gtest/gtest.h>

#include <algorithm>

#include <wx/dcmemory.h>
#include <wx/settings.h>
#include <wx/frame.h>
#include <wx/tooltip.h>
#include <wx/uiaction.h>

#include "controls/ColorListCtrl.h"
#include "controls/ImageButton.h"
#include "controls/MemDC.h"
#include "tests/gui/GuiTestSupport.h"

namespace {

struct ButtonWindow {
  ButtonWindow() : frame(nullptr, wxID_ANY, "Buttons", wxPoint(50, 50), wxSize(300, 200)) {
    panel = new wxPanel(&frame);
    button = new controls::CShadedButton(panel, 1, "OK", wxPoint(40, 40), wxSize(120, 40));
    other = new wxPanel(panel, wxID_ANY, wxPoint(200, 120), wxSize(40, 30));
    button->SetShadeStyle(6, 8, 10, 0, wxColour(0, 0, 0));
    button->SetIcon(97, 0);
    button->SetButtonCursor(50, true);
    button->SetTooltipTextId(1, true);
    EXPECT_TRUE(ShowOnScreen(frame));
  }
  wxImage Face() {
    return RenderToBitmap(button->GetClientSize(), [&](wxDC& dc) { button->Render(dc); }).ConvertToImage();
  }
  wxFrame frame;
  wxPanel* panel;
  controls::CShadedButton* button;
  wxPanel* other;
};

}  // namespace

TEST(ShadedButton, LightsUpUnderTheMouseAndSendsItsCommandWhenClicked) {
  ButtonWindow window;
  wxUIActionSimulator mouse;
  const wxPoint away = window.other->GetScreenRect().GetPosition() + wxPoint(5, 5);
  mouse.MouseMove(away);
  ASSERT_TRUE(SettleUntil([&] { return wxGetMousePosition() == away; }));
  ASSERT_FALSE(window.button->IsHovering());
  const wxImage resting = window.Face();
  // Light at the top left, dark at the bottom right, with no frame at rest.
  EXPECT_GT(Brightness(resting, wxRect(2, 2, 8, 6)), Brightness(resting, wxRect(108, 32, 8, 6)));

  int clicks = 0;
  window.panel->Bind(wxEVT_BUTTON, [&](wxCommandEvent& event) { clicks += event.GetId() == 1; });
  mouse.MouseMove(window.button->GetScreenRect().GetPosition() + wxPoint(60, 20));
  ASSERT_TRUE(SettleUntil([&] { return window.button->IsHovering(); }));
  const wxImage hover = window.Face();
  EXPECT_GT(Brightness(hover, wxRect(60, 2, 40, 36)), Brightness(resting, wxRect(60, 2, 40, 36)));
  // A raised frame while hovering: highlight on top, shadow at the bottom.
  const wxColour light = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNHIGHLIGHT);
  const wxColour dark = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW);
  EXPECT_EQ(wxColour(hover.GetRed(50, 0), hover.GetGreen(50, 0), hover.GetBlue(50, 0)), light);
  EXPECT_EQ(wxColour(hover.GetRed(50, 39), hover.GetGreen(50, 39), hover.GetBlue(50, 39)), dark);

  mouse.MouseDown();
  ASSERT_TRUE(SettleUntil([&] { return window.button->IsPressed(); }));
  const wxImage pressed = window.Face();
  EXPECT_EQ(wxColour(pressed.GetRed(50, 0), pressed.GetGreen(50, 0), pressed.GetBlue(50, 0)), dark);  // sunken
  EXPECT_EQ(wxColour(pressed.GetRed(50, 39), pressed.GetGreen(50, 39), pressed.GetBlue(50, 39)), light);
  EXPECT_EQ(clicks, 0);
  mouse.MouseUp();
  ASSERT_TRUE(SettleUntil([&] { return clicks == 1; }));
  EXPECT_FALSE(window.button->IsPressed());
}

TEST(ShadedButton, HoldingTheButtonOutsideDoesNotLightItUp) {
  ButtonWindow window;
  wxUIActionSimulator mouse;
  mouse.MouseMove(window.other->GetScreenRect().GetPosition() + wxPoint(5, 5));
  mouse.MouseDown();
  const wxPoint onButton = window.button->GetScreenRect().GetPosition() + wxPoint(60, 20);
  mouse.MouseMove(onButton);
  ASSERT_TRUE(SettleUntil([&] { return wxGetMousePosition() == onButton; }));
  Settle(150);  // the toolkit has the move; the button must not light up
  EXPECT_FALSE(window.button->IsHovering());
  mouse.MouseUp();
  Settle();
}

TEST(ShadedButton, CarriesItsIconTooltipAndCursor) {
  ButtonWindow window;
  ASSERT_NE(window.button->GetToolTip(), nullptr);
  EXPECT_EQ(window.button->GetToolTip()->GetTip(), "Exit and accept changes");
  EXPECT_TRUE(window.button->GetCursor().IsOk());
  EXPECT_EQ(window.button->SetIcon(12345, 0), 1);
  EXPECT_EQ(window.button->SetIcon(92, 0), 0);
  EXPECT_EQ(window.button->SetButtonCursor(0, true), 0);
  EXPECT_EQ(window.button->SetButtonCursor(4711, true), 1);
  // The keyboard clicks too.
  int clicks = 0;
  window.panel->Bind(wxEVT_BUTTON, [&](wxCommandEvent&) { ++clicks; });
  window.button->SetFocus();
  ASSERT_TRUE(SettleUntil([&] { return FocusWithin(*window.button); }));
  wxUIActionSimulator().Char(' ');
  EXPECT_TRUE(SettleUntil([&] { return clicks == 1; }));
  // Enter too, before the window around could give it to a default button.
  bool windowSawEnter = false;
  window.frame.Bind(wxEVT_CHAR_HOOK, [&](wxKeyEvent& event) {
    windowSawEnter |= event.GetKeyCode() == WXK_RETURN;
    event.Skip();
  });
  wxUIActionSimulator().Char(WXK_RETURN);
  EXPECT_TRUE(SettleUntil([&] { return clicks == 2; }));
  EXPECT_FALSE(windowSawEnter);
  // Disabled, clicks do nothing.
  window.button->Disable();
  wxUIActionSimulator mouse;
  const wxPoint onButton = window.button->GetScreenRect().GetPosition() + wxPoint(60, 20);
  mouse.MouseMove(onButton);
  ASSERT_TRUE(SettleUntil([&] { return wxGetMousePosition() == onButton; }));
  mouse.MouseClick();
  Settle(100);  // a while for the click: it must not reach the window
  EXPECT_EQ(clicks, 2);
}

TEST(ShadedButton, ADisabledButtonIsGreyedAndDoesNotLightUp) {
  ButtonWindow window;
  wxUIActionSimulator mouse;
  const wxPoint away = window.other->GetScreenRect().GetPosition() + wxPoint(5, 5);
  mouse.MouseMove(away);
  ASSERT_TRUE(SettleUntil([&] { return wxGetMousePosition() == away && !window.button->IsHovering(); }));
  ASSERT_TRUE(SettleUntil(Drawn(*window.button)));
  const wxImage enabled = window.Face();
  window.button->Disable();
  ASSERT_TRUE(SettleUntil(Drawn(*window.button)));
  const wxImage disabled = window.Face();
  // The caption: black text enabled, grey text disabled (its darkest pixel is far lighter).
  auto darkest = [](const wxImage& image, const wxRect& area) {
    int least = 255;
    for (int y = area.GetTop(); y <= area.GetBottom(); ++y) {
      for (int x = area.GetLeft(); x <= area.GetRight(); ++x) {
        least = std::min({least, int{image.GetRed(x, y)}, int{image.GetGreen(x, y)}, int{image.GetBlue(x, y)}});
      }
    }
    return least;
  };
  const wxRect caption(50, 8, 60, 24);  // right of the icon
  EXPECT_LT(darkest(enabled, caption), 60);
  EXPECT_GT(darkest(disabled, caption), darkest(enabled, caption) + 60);
  // The face: the light top left and the dark bottom right come closer, as on a flat button.
  auto contrast = [](const wxImage& image) {
    return Brightness(image, wxRect(2, 2, 8, 6)) - Brightness(image, wxRect(108, 32, 8, 6));
  };
  EXPECT_GT(contrast(enabled), 0);
  EXPECT_LT(contrast(disabled), contrast(enabled) / 2);

  // The mouse over it changes nothing.
  const wxPoint onButton = window.button->GetScreenRect().GetPosition() + wxPoint(60, 20);
  mouse.MouseMove(onButton);
  ASSERT_TRUE(SettleUntil([&] { return wxGetMousePosition() == onButton; }));
  Settle(200);  // the toolkit has the move; the button must not light up
  EXPECT_FALSE(window.button->IsHovering());
  ASSERT_TRUE(SettleUntil(Drawn(*window.button)));
  wxImage both(240, 40);
  both.Paste(enabled, 0, 0);
  both.Paste(window.Face(), 120, 0);
  if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
  EXPECT_TRUE(both.SaveFile(std::string(GUI_ARTEFACT_DIR) + "/shaded-button-enabled-disabled.png", wxBITMAP_TYPE_PNG));
}

TEST(MemDC, DrawsOffScreenAndCopiesOnceAtTheEnd) {
  wxBitmap target(100, 50);
  wxMemoryDC dc(target);
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  {
    controls::CMemDC buffer(dc, wxRect(10, 10, 40, 20));
    EXPECT_TRUE(buffer.IsOffScreen());
    buffer->SetBrush(*wxRED_BRUSH);
    buffer->SetPen(*wxRED_PEN);
    buffer->DrawRectangle(10, 10, 40, 20);
    wxColour before;
    dc.GetPixel(20, 15, &before);
    EXPECT_EQ(before, *wxWHITE);
  }
  wxColour after;
  dc.GetPixel(20, 15, &after);
  EXPECT_EQ(after, *wxRED);
  dc.GetPixel(60, 15, &after);
  EXPECT_EQ(after, *wxWHITE);  // outside the rectangle

  dc.SetClippingRegion(20, 5, 30, 30);
  controls::CMemDC clipped(dc);
  EXPECT_EQ(clipped.Rect(), wxRect(20, 5, 30, 30));
}

TEST(ColorList, RowsWithItemDataOneShowGreenText) {
  wxFrame frame(nullptr, wxID_ANY, "List");
  auto* list = new controls::CColorListCtrl(&frame, wxID_ANY, wxDefaultPosition, wxSize(200, 100));
  list->InsertColumn(0, "Depth");
  list->InsertItem(0, "30");
  list->InsertItem(1, "21");
  const wxColour background = list->GetItemBackgroundColour(1);
  EXPECT_TRUE(list->SetRowData(0, 0));
  EXPECT_TRUE(list->SetRowData(1, 1));
  EXPECT_EQ(list->GetItemTextColour(0), wxColour(0, 0, 0));
  EXPECT_EQ(list->GetItemTextColour(1), wxColour(50, 205, 50));
  EXPECT_EQ(list->GetItemData(1), 1);
  EXPECT_EQ(list->GetItemBackgroundColour(1), background);
  EXPECT_FALSE(list->SetRowData(7, 1));
}
