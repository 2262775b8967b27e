#include "controls/HyperlinkLabel.h"

#include <wx/dcbuffer.h>
#include <wx/log.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>

#include "controls/core/LinkTarget.h"
#include "engine/support/DebugLog.h"
#include "framework/ResourceImages.h"
#include "platform/UserInterface.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"

namespace controls {
namespace {

bool LaunchWithDesktop(const std::string& target) {
  wxLogNull quiet;  // the failure is reported by the link itself
  return wxLaunchDefaultBrowser(wxString::FromUTF8(target));
}

LinkLauncher& CurrentLauncher() {
  static LinkLauncher launcher = LaunchWithDesktop;
  return launcher;
}

// The target as a log line may show it: control characters would start forged lines.
std::string Printable(const std::string& target) {
  std::string printable = target;
  for (char& c : printable) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  }
  return printable;
}

LinkAlignment AlignmentOf(long style) {
  if (style & wxALIGN_CENTRE_HORIZONTAL) return LinkAlignment::kCentre;
  if (style & wxALIGN_RIGHT) return LinkAlignment::kRight;
  return LinkAlignment::kLeft;
}

}  // namespace

LinkLauncher SetLinkLauncher(LinkLauncher launcher) {
  LinkLauncher old = std::move(CurrentLauncher());
  CurrentLauncher() = launcher ? std::move(launcher) : LinkLauncher(LaunchWithDesktop);
  return old;
}

CHyperlinkLabel::CHyperlinkLabel(wxWindow* parent, wxWindowID id, const wxString& text, const wxPoint& position,
                                 const wxSize& size, long style, const wxString& target)
    : wxControl(parent, id, position, size, (style & (wxALIGN_MASK)) | wxBORDER_NONE), target_(target) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  if (target_.empty()) target_ = text;
  SetLabel(text.empty() ? target_ : text);
  normalFont_ = GetFont();
  underlineFont_ = normalFont_.Underlined();
  handCursor_ = framework::LoadResourceCursor(IDC_HAND_POINTER);
  if (!handCursor_.IsOk()) handCursor_ = wxCursor(wxCURSOR_HAND);
  SetCursor(handCursor_);
  ShowFont();
  PositionWindow();
  if (!target_.empty()) SetToolTip(target_);

  Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    Render(dc);
  });
  Bind(wxEVT_ENTER_WINDOW, [this](wxMouseEvent& event) {
    SetOver(true);
    event.Skip();
  });
  Bind(wxEVT_MOTION, [this](wxMouseEvent& event) {
    SetOver(true);
    event.Skip();
  });
  Bind(wxEVT_LEAVE_WINDOW, [this](wxMouseEvent& event) {
    SetOver(false);
    event.Skip();
  });
  Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent&) { pressed_ = true; });
  Bind(wxEVT_LEFT_DCLICK, [this](wxMouseEvent&) { pressed_ = true; });  // the second click of two
  Bind(wxEVT_LEFT_UP, [this](wxMouseEvent& event) {
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (wasPressed && wxRect(GetClientSize()).Contains(event.GetPosition())) Click();
  });
}

void CHyperlinkLabel::SetURL(const wxString& target) {
  target_ = target;
  PositionWindow();
  if (target_.empty()) UnsetToolTip();
  else SetToolTip(target_);
}

void CHyperlinkLabel::SetUnderline(int mode) {
  if (mode == underlineMode_) return;
  underlineMode_ = mode;
  ShowFont();
}

void CHyperlinkLabel::SetVisited(bool visited) {
  visited_ = visited;
  Refresh();
}

void CHyperlinkLabel::ShowFont() {
  const bool underlined = underlineMode_ == kUnderlineAlways || (underlineMode_ == kUnderlineHover && over_);
  SetFont(underlined ? underlineFont_ : normalFont_);
  Refresh();
}

void CHyperlinkLabel::SetOver(bool over) {
  if (over_ == over) return;
  over_ = over;
  ShowFont();
}

void CHyperlinkLabel::PositionWindow() {
  wxSize text = GetTextExtent(GetLabel());
  text.IncTo(wxSize(1, 1));
  const wxSize frame = GetSize() - GetClientSize();
  const wxRect now = GetRect();
  const Box fitted = FitLinkWindow(Box{now.GetLeft(), now.GetTop(), now.GetRight() + 1, now.GetBottom() + 1},
                                   text.x, text.y, frame.x, frame.y, AlignmentOf(GetWindowStyle()),
                                   HasFlag(wxALIGN_CENTRE_VERTICAL));
  SetSize(fitted.left, fitted.top, fitted.Width(), fitted.Height());
}

void CHyperlinkLabel::Render(wxDC& dc) {
  const wxSize client = GetClientSize();
  dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
  dc.Clear();
  dc.SetFont(GetFont());
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  dc.SetTextForeground(over_ ? hoverColour_ : visited_ ? visitedColour_ : linkColour_);
  const wxSize text = dc.GetTextExtent(GetLabel());
  int x = 0;
  if (HasFlag(wxALIGN_CENTRE_HORIZONTAL)) x = (client.x - text.x) / 2;
  else if (HasFlag(wxALIGN_RIGHT)) x = client.x - text.x;
  const int y = HasFlag(wxALIGN_CENTRE_VERTICAL) ? (client.y - text.y) / 2 : 0;
  dc.DrawText(GetLabel(), x, y);
}

void CHyperlinkLabel::Click() {
  over_ = false;
  const OpenResult result = GotoURL(target_);
  SetVisited(result == OpenResult::kOpened);
  if (result == OpenResult::kOpened) return;
  wxBell();
  ReportError(result);
}

CHyperlinkLabel::OpenResult CHyperlinkLabel::GotoURL(const wxString& target) {
  const std::string text = target.utf8_string();
  if (!IsOpenableLinkTarget(text)) {
    TheDebugLog().Log("Hyperlink refused, only http, https and mailto targets are opened: %s", Printable(text).c_str());
    return OpenResult::kRefused;
  }
  if (CurrentLauncher()(text)) return OpenResult::kOpened;
  TheDebugLog().Log("Hyperlink could not be opened: %s", Printable(text).c_str());
  return OpenResult::kFailed;
}

void CHyperlinkLabel::ReportError(OpenResult result) {
  if (result == OpenResult::kOpened) return;
  const int reason = result == OpenResult::kRefused ? IDS_HYPERLINK_REFUSED : IDS_HYPERLINK_NO_PROGRAM;
  const std::string text = ResourceString(IDS_HYPERLINK_UNABLE_TO_OPEN) + ResourceString(reason);
  wxMessageDialog box(wxGetTopLevelParent(this), wxString::FromUTF8(text), platform::kMessageCaption,
                      wxOK | wxICON_WARNING);
  box.ShowModal();
}

}  // namespace controls
