#pragma once
// The engine's road to the user, on wxWidgets: message boxes, posts to the main window and the
// wait cursor. Installs itself for its lifetime. While the main window goes, the program is ending:
// a question then gets its default answer and no box.
#include "platform/UserInterface.h"

namespace framework {

class WxUserInterface final : public platform::UserInterface {
 public:
  WxUserInterface();
  ~WxUserInterface() override;
  WxUserInterface(const WxUserInterface&) = delete;
  WxUserInterface& operator=(const WxUserInterface&) = delete;

  int Ask(const std::string& caption, const std::string& text, unsigned flags) override;
  void Post(unsigned message, std::intptr_t wParam, std::intptr_t lParam) override;
  void BeginWaitCursor() override;
  void EndWaitCursor() override;

 private:
  int waitDepth_ = 0;
};

// The wx style of a message box with these flags (buttons, icon, default button).
long MessageBoxStyle(unsigned flags);
// The answer for the button a wx message box returned; anything unexpected gives the default.
int MessageBoxAnswer(int wxResult, unsigned flags);

}  // namespace framework
