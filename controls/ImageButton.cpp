#include "controls/ImageButton.h"

#include <wx/dcbuffer.h>
#include <wx/settings.h>
#include <wx/tokenzr.h>
#include <wx/tooltip.h>

#include "framework/ResourceImages.h"
#include "resources/ProgramResources.h"

namespace controls {
namespace {

constexpr int kMargin = 3;          // icon margins
const wxPoint kPressedOffset{1, 1};

wxColour Sys(wxSystemColour which) { return wxSystemSettings::GetColour(which); }

Rgb ToRgb(const wxColour& c) { return Rgb{c.Red(), c.Green(), c.Blue()}; }

// Breaks the caption into lines that fit the width, at blanks where possible.
wxArrayString WrapCaption(wxDC& dc, const wxString& caption, int width) {
  wxArrayString lines;
  wxString line;
  for (const wxString& word : wxStringTokenize(caption, " ", wxTOKEN_STRTOK)) {
    const wxString candidate = line.empty() ? word : line + " " + word;
    if (!line.empty() && dc.GetTextExtent(candidate).x > width) {
      lines.push_back(line);
      line = word;
    } else {
      line = candidate;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

}  // namespace

CImageButton::CImageButton(wxWindow* parent, wxWindowID id, const wxString& caption, const wxPoint& position,
                           const wxSize& size)
    : wxControl(parent, id, position, size, wxBORDER_NONE | wxWANTS_CHARS) {
  SetLabel(caption);
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &CImageButton::OnPaint, this);
  Bind(wxEVT_ENTER_WINDOW, &CImageButton::OnMouseMove, this);
  Bind(wxEVT_MOTION, &CImageButton::OnMouseMove, this);
  Bind(wxEVT_LEAVE_WINDOW, [this](wxMouseEvent&) {
    if (!HasCapture()) SetHover(false);
  });
  Bind(wxEVT_LEFT_DOWN, &CImageButton::OnLeftDown, this);
  Bind(wxEVT_LEFT_DCLICK, &CImageButton::OnLeftDown, this);  // a double click counts as a click
  Bind(wxEVT_LEFT_UP, &CImageButton::OnLeftUp, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { EndPress(); });
  Bind(wxEVT_KEY_DOWN, &CImageButton::OnKeyDown, this);
  Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    if (clickOnEnter_ && (key == WXK_RETURN || key == WXK_NUMPAD_ENTER) && !event.HasAnyModifiers()) Click();
    else event.Skip();
  });
  Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& event) {
    Refresh();
    event.Skip();
  });
  Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
    SetHover(false);
    event.Skip();
  });
  Bind(wxEVT_SET_CURSOR, [this](wxSetCursorEvent& event) {
    if (cursor_.IsOk()) event.SetCursor(cursor_);
    else event.Skip();
  });
}

wxSize CImageButton::DoGetBestClientSize() const {
  wxSize text = GetTextExtent(wxControl::RemoveMnemonics(GetLabel()));
  const int iconWidth = icon_.IsOk() ? icon_.GetWidth() + 2 * kMargin : 0;
  return wxSize(text.x + iconWidth + 16, std::max(text.y, icon_.IsOk() ? icon_.GetHeight() : 0) + 10);
}

int CImageButton::SetIcon(int iconId, int) {
  icon_ = wxBitmap();
  iconId_ = iconId;
  wxIcon icon = framework::LoadResourceIcon(iconId);
  int result = 0;
  if (icon.IsOk()) icon_.CopyFromIcon(icon);
  else result = 1;
  Refresh();
  return result;
}

int CImageButton::SetButtonCursor(int cursorId, bool repaint) {
  cursor_ = wxCursor();
  if (cursorId == 0) return 0;
  cursor_ = framework::LoadResourceCursor(cursorId);
  if (cursor_.IsOk()) SetCursor(cursor_);
  if (repaint) Refresh();
  return cursor_.IsOk() ? 0 : 1;
}

void CImageButton::SetTooltipText(const wxString& text, bool activate) {
  if (text.empty()) return;
  SetToolTip(text);
  if (GetToolTip() != nullptr) GetToolTip()->Enable(activate);
}

void CImageButton::SetTooltipTextId(int stringId, bool activate) {
  const std::string text = ResourceString(stringId);
  if (!text.empty()) SetTooltipText(wxString::FromUTF8(text), activate);
}

bool CImageButton::Enable(bool enable) {
  if (!enable && HasFocus()) Navigate();  // the focus moves on to the next control
  if (!enable) {
    SetHover(false);
    EndPress();
  }
  const bool changed = wxControl::Enable(enable);
  Refresh();
  return changed;
}

void CImageButton::SetHover(bool hover) {
  if (hover_ == hover) return;
  hover_ = hover;
  Refresh();
}

void CImageButton::OnMouseMove(wxMouseEvent& event) {
  const bool inside = wxRect(GetClientSize()).Contains(event.GetPosition());
  // Dragging in from outside with the button held does not light the button up.
  if (event.LeftIsDown() && !hover_ && !HasCapture()) return;
  SetHover(inside && IsEnabled());
  event.Skip();
}

void CImageButton::OnLeftDown(wxMouseEvent&) {
  if (!IsEnabled()) return;
  SetFocus();
  pressed_ = true;
  hover_ = true;
  if (!HasCapture()) CaptureMouse();
  Refresh();
}

void CImageButton::OnLeftUp(wxMouseEvent& event) {
  const bool wasPressed = pressed_;
  EndPress();
  if (wasPressed && wxRect(GetClientSize()).Contains(event.GetPosition())) Click();
}

void CImageButton::EndPress() {
  if (HasCapture()) ReleaseMouse();
  if (!pressed_) return;
  pressed_ = false;
  Refresh();
}

void CImageButton::OnKeyDown(wxKeyEvent& event) {
  if (event.GetKeyCode() == WXK_SPACE) {
    Click();
    return;
  }
  if (event.GetKeyCode() == WXK_TAB) {
    Navigate(event.ShiftDown() ? wxNavigationKeyEvent::IsBackward : wxNavigationKeyEvent::IsForward);
    return;
  }
  event.Skip();
}

void CImageButton::Click() {
  if (!IsEnabled()) return;
  wxCommandEvent click(wxEVT_BUTTON, GetId());
  click.SetEventObject(this);
  ProcessWindowEvent(click);
}

void CImageButton::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  Render(dc);
}

void CImageButton::Render(wxDC& dc) {
  const wxRect item(GetClientSize());
  dc.SetFont(GetFont());
  dc.SetBrush(wxBrush(Sys(wxSYS_COLOUR_BTNFACE)));
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.DrawRectangle(item);
  PaintFace(dc, item);
  PaintBorder(dc, item);
  const wxString caption = wxControl::RemoveMnemonics(GetLabel());
  wxRect captionArea = item;
  const bool disabled = !IsEnabled();
  if (icon_.IsOk()) PaintIcon(dc, !caption.empty(), item, captionArea, pressed_, disabled);
  if (!caption.empty()) PaintCaption(dc, caption, item, captionArea, pressed_, disabled);
}

void CImageButton::PaintFace(wxDC&, const wxRect&) {}

void CImageButton::PaintBorder(wxDC& dc, const wxRect& rect) {
  if (!pressed_ && !hover_) return;  // flat: no frame at rest, and never a focus rectangle
  const wxColour topLeft = Sys(pressed_ ? wxSYS_COLOUR_BTNSHADOW : wxSYS_COLOUR_BTNHIGHLIGHT);
  const wxColour bottomRight = Sys(pressed_ ? wxSYS_COLOUR_BTNHIGHLIGHT : wxSYS_COLOUR_BTNSHADOW);
  dc.SetPen(wxPen(topLeft));
  dc.DrawLine(rect.GetLeft(), rect.GetBottom(), rect.GetLeft(), rect.GetTop());
  dc.DrawLine(rect.GetLeft(), rect.GetTop(), rect.GetRight(), rect.GetTop());
  dc.SetPen(wxPen(bottomRight));
  dc.DrawLine(rect.GetRight(), rect.GetTop(), rect.GetRight(), rect.GetBottom());
  dc.DrawLine(rect.GetRight(), rect.GetBottom(), rect.GetLeft() - 1, rect.GetBottom());
}

void CImageButton::PaintIcon(wxDC& dc, bool hasCaption, const wxRect& item, wxRect& caption, bool pressed, bool disabled) {
  wxPoint at(hasCaption ? item.x + kMargin : item.x + (item.width - icon_.GetWidth()) / 2,
             item.y + (item.height - icon_.GetHeight()) / 2);
  if (hasCaption) {
    caption.x = at.x + icon_.GetWidth() + kMargin;
    caption.width = item.GetRight() - caption.x;
  }
  if (pressed) at += kPressedOffset;
  dc.DrawBitmap(disabled ? icon_.ConvertToDisabled() : icon_, at, true);
}

void CImageButton::PaintCaption(wxDC& dc, const wxString& caption, const wxRect&, const wxRect& area, bool pressed,
                                bool disabled) {
  dc.SetTextForeground(Sys(disabled ? wxSYS_COLOUR_GRAYTEXT : wxSYS_COLOUR_BTNTEXT));
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  const wxArrayString lines = WrapCaption(dc, caption, std::max(area.width, 1));
  const int lineHeight = dc.GetCharHeight();
  int y = area.y + (area.height - lineHeight * static_cast<int>(lines.size())) / 2 + (pressed ? kPressedOffset.y : 0);
  for (const wxString& line : lines) {
    const int x = area.x + (area.width - dc.GetTextExtent(line).x) / 2 + (pressed ? kPressedOffset.x : 0);
    dc.DrawText(line, x, y);
    y += lineHeight;
  }
}

ShadeColours SystemShadeColours() {
  return ShadeColours{ToRgb(Sys(wxSYS_COLOUR_BTNSHADOW)), ToRgb(Sys(wxSYS_COLOUR_BTNFACE)),
                      ToRgb(Sys(wxSYS_COLOUR_BTNHIGHLIGHT))};
}

wxBitmap FaceBitmap(const IndexedImage& face) {
  if (face.Width() <= 0 || face.Height() <= 0) return wxBitmap();
  wxImage image(face.Width(), face.Height(), false);
  for (int y = 0; y < face.Height(); ++y) {
    for (int x = 0; x < face.Width(); ++x) {
      const Rgb c = face.Colour(x, y);
      image.SetRGB(x, y, c.r, c.g, c.b);
    }
  }
  return wxBitmap(image);
}

void CShadedButton::SetShadeStyle(int shadeType, int granularity, int highlightPercent, int colouringPercent,
                                  wxColour colouring) {
  ShadeStyle style;
  style.type = shadeType;
  style.granularity = granularity;
  style.highlightPercent = highlightPercent;
  style.colouringPercent = colouringPercent;
  style.colouring = colouring.IsOk() ? ToRgb(colouring) : Rgb{};
  static Rand15 random;  // one sequence for all buttons, as the desktop's rand() is
  const wxSize size = GetClientSize();
  ShadedFaces faces = BuildShadedFaces(size.x, size.y, style, SystemShadeColours(), random);
  normalFace_ = FaceBitmap(faces.normal);
  hoverFace_ = FaceBitmap(faces.hover);
  disabledFace_ = FaceBitmap(faces.disabled);
  Refresh();
}

void CShadedButton::PaintFace(wxDC& dc, const wxRect& rect) {
  if (!IsEnabled()) {
    if (disabledFace_.IsOk()) dc.DrawBitmap(disabledFace_, rect.GetTopLeft());
  } else if (!IsHovering()) {
    if (normalFace_.IsOk()) dc.DrawBitmap(normalFace_, rect.GetTopLeft());
  } else if (hoverFace_.IsOk()) {
    dc.DrawBitmap(hoverFace_, rect.GetTopLeft() + (IsPressed() ? kPressedOffset : wxPoint()));
  }
}

}  // namespace controls
