#pragma once
// The file dialogs of the bailout gas list pages' Load and Save: they start in the folder the
// user chose last for gas mix lists, show only Gas Mix List files, log the choice and remember
// its folder. An empty path when the user cancelled.
#include <string>

#include <wx/window.h>

namespace app {

std::string AskGasMixListToOpen(wxWindow* parent);
// A name typed without extension gets ".ccg"; replacing an existing file is asked first.
std::string AskGasMixListToSave(wxWindow* parent);

}  // namespace app
