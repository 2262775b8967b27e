#pragma once
// The engine's road to the user, on wxWidgets: message boxes, posts to the main window and the
// wait cursor. Installs itself for its lifetime.
#include <wx/window.h>
// after the window header, which brings what the weak reference needs
#include <wx/weakref.h>

#include "platform/UserInterface.h"

namespace framework {

class WxUserInterface final : public platform::UserInterface {
 public:
  WxUserInterface();
  ~WxUserInterface() override;
  WxUserInterface(const WxUserInterface&) = delete;
  WxUserInterface& operator=(const WxUserInterface&) = delete;

  // Once this window closes the program is ending: a box would have no window to stand over, and
  // would run its own loop inside the window's destruction. A question then gets its default
  // answer without a box.
  void FollowMainWindow(wxWindow& window);

  int Ask(const std::string& caption, const std::string& text, unsigned flags) override;
  void Post(unsigned message, std::intptr_t wParam, std::intptr_t lParam) override;
  void BeginWaitCursor() override;
  void EndWaitCursor() override;

 private:
  int waitDepth_ = 0;
  bool followsMainWindow_ = false;
  wxWeakRef<wxWindow> mainWindow_;
};

// The wx style of a message box with these flags (buttons, icon, default button).
long MessageBoxStyle(unsigned flags);
// The answer for the button a wx message box returned; anything unexpected gives the default.
int MessageBoxAnswer(int wxResult, unsigned flags);

}  // namespace framework
