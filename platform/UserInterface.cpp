#include "platform/UserInterface.h"

namespace platform {
namespace {

class SilentUserInterface final : public UserInterface {
 public:
  int Ask(const std::string&, const std::string&, unsigned flags) override { return DefaultAnswer(flags); }
  void Post(unsigned, std::intptr_t, std::intptr_t) override {}
  void BeginWaitCursor() override {}
  void EndWaitCursor() override {}
};

SilentUserInterface silentUserInterface;
UserInterface* installed = &silentUserInterface;

}  // namespace

int DefaultAnswer(unsigned flags) {
  int buttons[3] = {answer::kOk, answer::kOk, answer::kOk};
  switch (flags & mb::kButtonMask) {
    case mb::kOkCancel: buttons[1] = buttons[2] = answer::kCancel; break;
    case mb::kYesNo: buttons[0] = answer::kYes; buttons[1] = buttons[2] = answer::kNo; break;
    case mb::kYesNoCancel:
      buttons[0] = answer::kYes;
      buttons[1] = answer::kNo;
      buttons[2] = answer::kCancel;
      break;
    default: break;
  }
  switch (flags & mb::kDefaultButtonMask) {
    case mb::kDefaultButton2: return buttons[1];
    case mb::kDefaultButton3: return buttons[2];
    default: return buttons[0];
  }
}

UserInterface& CurrentUserInterface() { return *installed; }

void InstallUserInterface(UserInterface* userInterface) {
  installed = userInterface != nullptr ? userInterface : &silentUserInterface;
}

int AskUser(const std::string& text, unsigned flags) {
  return CurrentUserInterface().Ask(kMessageCaption, text, flags);
}

void PostToMainWindow(unsigned message, std::intptr_t wParam, std::intptr_t lParam) {
  CurrentUserInterface().Post(message, wParam, lParam);
}

}  // namespace platform
