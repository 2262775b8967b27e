#include "controls/HistoryEdit.h"

#include <wx/weakref.h>

#include "framework/NativeControls.h"

namespace controls {

CHistoryEdit::CHistoryEdit(wxWindow* parent, wxWindowID id, const wxPoint& position, const wxSize& size, long style)
    : wxTextCtrl(parent, id, wxEmptyString, position, size, style | wxTE_MULTILINE | wxTE_READONLY) {
  SetLimits(false, false);
  framework::SetTextSideMargins(*this, FromDIP(4));
  Bind(wxEVT_SET_FOCUS, &CHistoryEdit::OnFocus, this);
}

void CHistoryEdit::SetLimits(bool horizontalAllowed, bool verticalAllowed) {
  framework::SetTextScrollBars(*this, horizontalAllowed, verticalAllowed);
}

void CHistoryEdit::AppendString(const wxString& text) {
  AppendText(IsEmpty() ? text : "\n" + text);
  ShowPosition(GetLastPosition());
}

void CHistoryEdit::OnFocus(wxFocusEvent& event) {
  event.Skip();
  // Moving the focus inside the toolkit's own focus change would upset it: done right after.
  wxWindow* previous = event.GetWindow();
  if (previous == nullptr || previous == this) return;
  wxWeakRef<wxWindow> back(previous);
  CallAfter([back] {
    if (back) back->SetFocus();
  });
}

}  // namespace controls
