#pragma once
// Keys of the table generator's dialogs.
#include <wx/window.h>

namespace views {

// Enter moves the focus to the next control instead of ending the dialog.
void MoveFocusOnEnter(wxWindow& dialog);

}  // namespace views
