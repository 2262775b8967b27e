#include "controls/ColorFieldEdit.h"

#include <algorithm>

#include <wx/dcbuffer.h>
#include <wx/dcclient.h>
#include <wx/renderer.h>
#include <wx/settings.h>

namespace controls {
namespace {

constexpr int kTextMargin = 6;  // pixels between the frame's outer edge and the text

}  // namespace

CColorFieldEdit::CColorFieldEdit(wxWindow* parent, wxWindowID id, const wxPoint& position, const wxSize& size)
    : wxControl(parent, id, position, size, wxBORDER_NONE | wxWANTS_CHARS) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    Render(dc);
  });
  Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    Refresh();
    event.Skip();
  });
}

wxSize CColorFieldEdit::DoGetBestClientSize() const {
  const wxSize text = GetTextExtent(text_.empty() ? wxString("0") : text_);
  return wxSize(text.x + 2 * kTextMargin, text.y + 8);
}

void CColorFieldEdit::ShowText(const wxString& text, int selectionStart, int selectionEnd) {
  text_ = text;
  selectionStart_ = selectionStart;
  selectionEnd_ = selectionEnd;
  Refresh();
}

wxArrayInt CColorFieldEdit::Boundaries(wxDC& dc) const {
  wxArrayInt ends;
  dc.GetPartialTextExtents(text_, ends);
  wxArrayInt boundaries;
  boundaries.push_back(0);
  for (int end : ends) boundaries.push_back(end);
  return boundaries;
}

int CColorFieldEdit::ScrollOffset(const wxArrayInt& boundaries) const {
  const int last = static_cast<int>(boundaries.size()) - 1;
  const int room = GetClientSize().x - 2 * kTextMargin;
  const int selectionRight = boundaries[std::clamp(selectionEnd_, 0, last)];
  const int selectionLeft = boundaries[std::clamp(selectionStart_, 0, last)];
  if (selectionRight <= room) return 0;
  return std::min(selectionLeft, selectionRight - room);
}

int CColorFieldEdit::CharacterIndexAt(int x) {
  wxClientDC dc(this);
  dc.SetFont(GetFont());
  const wxArrayInt boundaries = Boundaries(dc);
  const int atText = x - kTextMargin + ScrollOffset(boundaries);
  if (atText < 0) return -1;
  for (std::size_t i = 1; i < boundaries.size(); ++i) {
    if (atText < boundaries[i]) return static_cast<int>(i) - 1;
  }
  return static_cast<int>(text_.length());
}

void CColorFieldEdit::Render(wxDC& dc) {
  const wxRect client(GetClientSize());
  const bool enabled = IsEnabled();
  const bool focused = HasFocus();
  dc.SetBrush(wxBrush(enabled ? background_ : wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE)));
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.DrawRectangle(client);
  int flags = 0;
  if (!enabled) flags |= wxCONTROL_DISABLED;
  if (focused) flags |= wxCONTROL_FOCUSED;
  wxRendererNative::Get().DrawTextCtrl(this, dc, client, flags);

  dc.SetFont(GetFont());
  const wxArrayInt boundaries = Boundaries(dc);
  const int last = static_cast<int>(boundaries.size()) - 1;
  const int x = client.x + kTextMargin - ScrollOffset(boundaries);
  const int y = client.y + (client.height - dc.GetCharHeight()) / 2;
  wxDCClipper clip(dc, wxRect(client).Deflate(2));
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  dc.SetTextForeground(enabled ? textColour_ : wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT));
  dc.DrawText(text_, x, y);
  const int start = std::clamp(selectionStart_, 0, last);
  const int end = std::clamp(selectionEnd_, start, last);
  if (!focused || !enabled || end == start) return;
  // The selected characters drawn again over the highlight.
  const wxRect highlight(x + boundaries[start], y, boundaries[end] - boundaries[start], dc.GetCharHeight());
  dc.SetBrush(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT)));
  dc.DrawRectangle(highlight);
  dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHTTEXT));
  dc.DrawText(text_.Mid(start, end - start), highlight.x, y);
}

}  // namespace controls
