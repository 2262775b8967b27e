#pragma once
// The small pale-yellow pop-up, in dark text, with the one-line help of a control: the string
// whose id is the control's id.
#include <wx/popupwin.h>

namespace controls {

class HelpPopup : public wxPopupTransientWindow {
 public:
  HelpPopup(wxWindow* parent, const wxString& text);
  const wxString& Text() const { return text_; }
  // Closes the pop-up as a click elsewhere does.
  void Close() { DismissAndNotify(); }
  // The pop-up on the screen now, if any.
  static HelpPopup* Current();

 protected:
  void OnDismiss() override;

 private:
  wxString text_;
};

// Shows the help of controlId at the screen point; nothing (nullptr) when the control has no
// help string or there is no window to show it over.
HelpPopup* ShowHelpPopup(wxWindow* item, const wxPoint& screenPoint, int controlId);

}  // namespace controls
