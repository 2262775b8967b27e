#pragma once
// The engine's only road to the user: questions in message boxes, messages posted to the main
// window and the wait cursor. The GUI installs its implementation at start-up; with none
// installed posting and the wait cursor do nothing and a question gets its default button.
#include <cstdint>
#include <string>

namespace platform {

// Message-box flags and answers, with the desktop's numbers.
namespace mb {
constexpr unsigned kOk = 0x0;
constexpr unsigned kOkCancel = 0x1;
constexpr unsigned kYesNoCancel = 0x3;
constexpr unsigned kYesNo = 0x4;
constexpr unsigned kButtonMask = 0xF;
constexpr unsigned kIconError = 0x10;
constexpr unsigned kIconQuestion = 0x20;
constexpr unsigned kIconExclamation = 0x30;
constexpr unsigned kIconInformation = 0x40;
constexpr unsigned kIconMask = 0xF0;
constexpr unsigned kDefaultButton2 = 0x100;
constexpr unsigned kDefaultButton3 = 0x200;
constexpr unsigned kDefaultButtonMask = 0xF00;
}  // namespace mb

namespace answer {
constexpr int kOk = 1;
constexpr int kCancel = 2;
constexpr int kYes = 6;
constexpr int kNo = 7;
}  // namespace answer

constexpr const char* kMessageCaption = "Velmar Tessaline";

class UserInterface {
 public:
  virtual ~UserInterface() = default;
  // Shows a modal message box and returns the button chosen (answer::...).
  virtual int Ask(const std::string& caption, const std::string& text, unsigned flags) = 0;
  // Queues a private message for the main window; it arrives after the current handler.
  virtual void Post(unsigned message, std::intptr_t wParam, std::intptr_t lParam) = 0;
  virtual void BeginWaitCursor() = 0;
  virtual void EndWaitCursor() = 0;
};

// The button a message box with these flags has as its default.
int DefaultAnswer(unsigned flags);

UserInterface& CurrentUserInterface();
// Installs an implementation (not owned); nullptr restores the do-nothing default.
void InstallUserInterface(UserInterface* userInterface);

// Shorthands for the engine.
int AskUser(const std::string& text, unsigned flags);  // captioned "Velmar Tessaline"
void PostToMainWindow(unsigned message, std::intptr_t wParam = 0, std::intptr_t lParam = 0);

// Shows the wait cursor for the lifetime of the object.
class WaitCursor {
 public:
  WaitCursor() { CurrentUserInterface().BeginWaitCursor(); }
  ~WaitCursor() { CurrentUserInterface().EndWaitCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace platform
