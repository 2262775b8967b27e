#pragma once
// The push buttons of the table generator's dialogs: shaded buttons, all styled alike.
#include <wx/window.h>

#include "platform/ResourceScript.h"

namespace views {

// A shaded button for a push button of a template; nullptr for any other control.
wxWindow* MakeShadedButton(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                           const wxSize& size);
// The common look: shade style (6, 8, 10, 0, 0), the hand cursor, the icon (none for 0) and the
// tooltip string.
void StyleShadedButton(wxWindow& dialog, int buttonId, int iconId, int tooltipId);

}  // namespace views
