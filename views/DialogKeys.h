#pragma once
// Keys of the table generator's dialogs.
#include <wx/window.h>

namespace views {

// Enter moves the focus to the next control, on a button too, and never ends the dialog. Call
// it once the dialog's controls exist.
void MoveFocusOnEnter(wxWindow& dialog);

}  // namespace views
