#pragma once
// What a file dialog closed with OK names.
#include <wx/filedlg.h>

namespace framework {

// The path of the chosen file. A file given to the dialog by code (as the window tests do)
// rather than picked on the screen is known to the common part of the dialog only.
wxString ChosenPath(const wxFileDialog& dialog);

}  // namespace framework
