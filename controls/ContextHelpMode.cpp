#include "controls/ContextHelpMode.h"

#include <wx/eventfilter.h>
#include <wx/toplevel.h>
#include <wx/utils.h>
#include <wx/weakref.h>

namespace controls {
namespace {

// An id that the program gave, not one the toolkit made up for a window created without one.
bool HasIdOfItsOwn(const wxWindow& window) {
  const wxWindowID id = window.GetId();
  return id < wxID_AUTO_LOWEST || id > wxID_AUTO_HIGHEST;
}

// The control under the point. The toolkit builds some controls of inner windows (the rows and the
// header of a list), which have no id of their own: their control is the nearest parent that has one.
wxWindow* ControlAt(const wxPoint& screenPoint) {
  wxWindow* window = wxFindWindowAtPoint(screenPoint);
  while (window != nullptr && !window->IsTopLevel() && !HasIdOfItsOwn(*window)) window = window->GetParent();
  return window;
}

bool IsModifierKey(int keyCode) {
  return keyCode == WXK_SHIFT || keyCode == WXK_CONTROL || keyCode == WXK_ALT || keyCode == WXK_RAW_CONTROL;
}

// Sees every event of the program while the mode is on. The mode's window is a top-level window:
// holding the mouse capture, it gets every click, wherever the control clicked is. A control that
// the toolkit draws in its parent's window would pass a capture of its own to that parent, which
// would then take the clicks that the mode waits for.
class ContextHelpMode : public wxEventFilter {
 public:
  bool IsOn() const { return on_; }

  void Enter(wxWindow& topLevel) {
    on_ = true;
    window_ = &topLevel;
    previousCursor_ = topLevel.GetCursor();
    topLevel.SetCursor(wxCursor(wxCURSOR_QUESTION_ARROW));  // the capture shows the window's cursor
    wxEvtHandler::AddFilter(this);
    topLevel.CaptureMouse();
  }

  int FilterEvent(wxEvent& event) override {
    const wxEventType type = event.GetEventType();
    if (type == wxEVT_LEFT_DOWN) {
      wxWindow* window = window_.get();
      End();
      AskForHelpAt(window, wxGetMousePosition());
      return Event_Processed;
    }
    if (type == wxEVT_RIGHT_DOWN || type == wxEVT_MIDDLE_DOWN || type == wxEVT_AUX1_DOWN || type == wxEVT_AUX2_DOWN ||
        ((type == wxEVT_CHAR_HOOK || type == wxEVT_KEY_DOWN) &&
         !IsModifierKey(static_cast<wxKeyEvent&>(event).GetKeyCode()))) {
      End();
      return Event_Processed;
    }
    if (type == wxEVT_MOUSE_CAPTURE_LOST && event.GetEventObject() == window_.get()) {
      End();
      return Event_Processed;
    }
    if (type == wxEVT_DESTROY && (window_ == nullptr || event.GetEventObject() == window_.get())) End();
    return Event_Skip;
  }

 private:
  void End() {
    if (!on_) return;
    on_ = false;
    wxEvtHandler::RemoveFilter(this);
    wxWindow* window = window_.get();
    window_ = nullptr;
    if (window == nullptr) return;
    if (window->HasCapture()) window->ReleaseMouse();
    window->SetCursor(previousCursor_);
  }

  // A help event, as the toolkit sends for a control picked in this mode, for the control of
  // the window that was in the mode; a click elsewhere asks for nothing.
  static void AskForHelpAt(const wxWindow* modeWindow, const wxPoint& screenPoint) {
    wxWindow* control = ControlAt(screenPoint);
    if (control == nullptr || wxGetTopLevelParent(control) != modeWindow) return;
    wxHelpEvent help(wxEVT_HELP, control->GetId(), screenPoint, wxHelpEvent::Origin_HelpButton);
    help.SetEventObject(control);
    control->GetEventHandler()->ProcessEvent(help);
  }

  bool on_ = false;
  wxWeakRef<wxWindow> window_;
  wxCursor previousCursor_;
};

ContextHelpMode& TheMode() {
  static ContextHelpMode mode;
  return mode;
}

}  // namespace

void EnterContextHelpMode(wxWindow& window) {
  if (TheMode().IsOn()) return;
  if (wxWindow* topLevel = wxGetTopLevelParent(&window)) TheMode().Enter(*topLevel);
}

}  // namespace controls
