#pragma once
// What the program asks of the toolkit's own controls beyond what wx offers.
#include <wx/combobox.h>

namespace framework {

// Tab passes an editable combo box in one step, as the templates expect: the toolkit would
// also stop on its drop-down button.
void MakeOneTabStop(wxComboBox& box);

}  // namespace framework
