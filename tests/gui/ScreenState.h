#pragma once
// What the toolkit shows on the screen and where the keyboard goes, for the window tests and the
// installed program's driver to wait on.
#include <chrono>
#include <functional>

#include <wx/window.h>

// A condition met once the window is shown and has been drawn since the condition was first
// asked: then it is on the screen and takes clicks, as the toolkit draws a top-level window only
// once the X server has mapped it. window() may give nullptr while it is not made yet.
std::function<bool()> Drawn(std::function<wxWindow*()> window);
std::function<bool()> Drawn(wxWindow& window);
// Whether the toolkit shows the window: mapped, with its top-level window, and viewable.
bool OnScreen(wxWindow& window);
// Whether a menu or a drop-down list is on the screen and holds the keyboard and the mouse, so
// that a key pressed now reaches it.
bool PopupOnScreen();
// Whether the keyboard focus is on the window or on one of its children.
bool FocusWithin(wxWindow& window);
// Two clicks at one place within this time make a double click, and the first press of it is
// not delivered as a press of its own.
std::chrono::milliseconds DoubleClickTime();
