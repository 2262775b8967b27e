#pragma once
// F1 shows the help topic of a window, Shift+F1 enters context-help mode (the next click on a
// control asks for that control's help).
#include <functional>

#include <wx/event.h>
#include <wx/window.h>

namespace controls {

// True when the key was F1 and has been dealt with; topic gives the help id (0: no topic).
bool HandleHelpKey(const wxKeyEvent& event, wxWindow* window, const std::function<int()>& topic);

// The point a help request refers to, in screen coordinates.
wxPoint HelpRequestPoint(const wxHelpEvent& event);

}  // namespace controls
