#pragma once
// A label that is a link: coloured text (red under the mouse, purple once opened) that
// underlines always, never or while the mouse is over it, a hand cursor and the target as its
// tooltip. A click opens the target with the desktop's default program; only web and e-mail
// targets are opened, anything else is refused, logged and reported.
#include <functional>
#include <string>

#include <wx/control.h>
#include <wx/cursor.h>

namespace controls {

// Opens a target with the desktop's default program; false when that failed.
using LinkLauncher = std::function<bool(const std::string& target)>;
// Replaces the launcher of every link (an empty one restores the desktop's); returns the old.
LinkLauncher SetLinkLauncher(LinkLauncher launcher);

class CHyperlinkLabel : public wxControl {
 public:
  static constexpr int kUnderlineNever = 0;
  static constexpr int kUnderlineAlways = 1;
  static constexpr int kUnderlineHover = -1;

  enum class OpenResult { kOpened, kRefused, kFailed };

  // style: wxALIGN_LEFT, wxALIGN_CENTRE_HORIZONTAL or wxALIGN_RIGHT, and wxALIGN_CENTRE_VERTICAL:
  // which edges stay put when the window takes the size of its text. An empty text shows the
  // target; an empty target is the text.
  CHyperlinkLabel(wxWindow* parent, wxWindowID id, const wxString& text, const wxPoint& position,
                  const wxSize& size, long style = wxALIGN_LEFT, const wxString& target = wxString());

  void SetURL(const wxString& target);
  const wxString& GetURL() const { return target_; }
  void SetUnderline(int mode);
  void SetVisited(bool visited);
  bool IsVisited() const { return visited_; }
  bool IsOver() const { return over_; }

  // Opens the target if it is a web or e-mail target.
  OpenResult GotoURL(const wxString& target);
  void ReportError(OpenResult result);

  bool AcceptsFocus() const override { return false; }
  // Draws the link as it looks now, as the paint handler does.
  void Render(wxDC& dc);

 private:
  void PositionWindow();
  void SetOver(bool over);
  void ShowFont();
  void Click();

  wxColour linkColour_{0, 0, 238};
  wxColour visitedColour_{85, 26, 139};
  wxColour hoverColour_{255, 0, 0};
  bool over_ = false;
  bool visited_ = false;
  bool pressed_ = false;
  int underlineMode_ = kUnderlineHover;
  wxString target_;
  wxFont underlineFont_;
  wxFont normalFont_;
  wxCursor handCursor_;
};

}  // namespace controls
