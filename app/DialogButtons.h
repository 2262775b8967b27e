#pragma once
// The OK and Cancel buttons of the program's small dialogs.
#include <wx/window.h>

namespace app {

// OK with icon 97 and Cancel with icon 92, shaded, with the hand pointer and, for ids other than
// 0, those strings as tooltips. Buttons that are not shaded are left as they are.
void StyleOkCancelButtons(wxWindow& dialog, int okTooltipId = 0, int cancelTooltipId = 0);

}  // namespace app
