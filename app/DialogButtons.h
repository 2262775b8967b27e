#pragma once
// The push buttons of the program's dialogs: shaded, with an icon and the hand pointer.
#include <wx/window.h>

#include "platform/ResourceScript.h"

namespace app {

// The program's shaded button in place of a template's push button with one of these ids,
// else nullptr (the standard control is made).
wxWindow* CreateShadedButton(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                             const wxSize& size, std::initializer_list<int> buttonIds);
// Shade style 6 (granularity 8, highlight 10, no colouring), the icon (0: none), the hand
// pointer and, for a tooltipId other than 0, that string as tooltip. A button that is not
// shaded is left as it is.
void StyleShadedButton(wxWindow& dialog, int buttonId, int iconId, int tooltipId = 0);
// OK with icon 97 and Cancel with icon 92.
void StyleOkCancelButtons(wxWindow& dialog, int okTooltipId = 0, int cancelTooltipId = 0);

}  // namespace app
