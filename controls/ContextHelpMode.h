#pragma once
// Context-help mode (What's This?): the question-mark pointer over a window until the next
// click, which asks the control under the pointer for its help, or the next key or other
// button, which only ends the mode. The mode waits in the program's own event loop, not in a
// loop of its own, so the program is idle meanwhile and every window keeps being drawn.
#include <wx/window.h>

namespace controls {

// Enters the mode over the top-level window that holds window, whichever of its controls has
// the focus; nothing happens while the mode is already on.
void EnterContextHelpMode(wxWindow& window);

}  // namespace controls
