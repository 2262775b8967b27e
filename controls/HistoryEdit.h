#pragma once
// A read-only text box that grows by whole lines and keeps its newest line in view, such as
// the messages of a long run. It never keeps the keyboard focus: Tab passes it by and a click
// hands the focus back to the window that had it. Its scroll bars show only while the text
// needs them, and only those that SetLimits allows (none at first).
#include <wx/textctrl.h>

namespace controls {

class CHistoryEdit : public wxTextCtrl {
 public:
  // style may add wxTE_DONTWRAP for lines that scroll sideways instead of wrapping.
  CHistoryEdit(wxWindow* parent, wxWindowID id, const wxPoint& position, const wxSize& size, long style = 0);

  void SetLimits(bool horizontalAllowed, bool verticalAllowed);
  // Adds text as a new line (no line break before the first) and scrolls to it.
  void AppendString(const wxString& text);

  bool AcceptsFocusFromKeyboard() const override { return false; }

 private:
  void OnFocus(wxFocusEvent& event);
};

}  // namespace controls
