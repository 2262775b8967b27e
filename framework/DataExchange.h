#pragma once
// Moving values between a dialog's members and its controls (save = controls → members).
#include <string>

#include <wx/window.h>

namespace framework {

// The text an edit or combo box holds, or the label of any other control. Setting it sends no
// change notice.
wxString WindowText(const wxWindow& control);
void SetWindowText(wxWindow& control, const wxString& text);

// Text of an edit, combo box or static control.
void ExchangeText(wxWindow* parent, bool save, int id, std::string& value);
void ExchangeCheck(wxWindow* parent, bool save, int id, bool& checked);
// The index of the chosen button of the radio group that starts with firstId (-1: none chosen).
void ExchangeRadio(wxWindow* parent, bool save, int firstId, int& index);

}  // namespace framework
