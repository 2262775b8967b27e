#pragma once
// Private messages between windows: a message number with two integer parameters. Each
// number has its own event type; handlers are bound per number. Posting queues the message
// (it arrives after the current handler, in posting order); sending handles it at once. A
// message posted to a window that is destroyed before it arrives is dropped.
#include <cstdint>
#include <functional>

#include <wx/event.h>
#include <wx/weakref.h>
#include <wx/window.h>

namespace framework {

class MessageEvent : public wxEvent {
 public:
  MessageEvent(unsigned message, std::intptr_t wParam, std::intptr_t lParam, wxWindow* target);
  wxEvent* Clone() const override { return new MessageEvent(*this); }

  unsigned Message() const { return message_; }
  std::intptr_t WParam() const { return wParam_; }
  std::intptr_t LParam() const { return lParam_; }
  wxWindow* Target() const { return target_.get(); }
  std::intptr_t Result() const { return result_; }
  void SetResult(std::intptr_t result) { result_ = result; }

 private:
  unsigned message_;
  std::intptr_t wParam_;
  std::intptr_t lParam_;
  wxWeakRef<wxWindow> target_;
  std::intptr_t result_ = 0;
};

// The event type of a message number, made on first use.
wxEventType MessageEventType(unsigned message);

using MessageHandler = std::function<std::intptr_t(std::intptr_t wParam, std::intptr_t lParam)>;
void BindMessage(wxEvtHandler& window, unsigned message, MessageHandler handler);

void PostMessage(wxWindow* target, unsigned message, std::intptr_t wParam = 0, std::intptr_t lParam = 0);
// The handler's result; 0 when the window has no handler for the message.
std::intptr_t SendMessage(wxWindow* target, unsigned message, std::intptr_t wParam = 0, std::intptr_t lParam = 0);

// The application's main window at this moment, or nullptr.
wxWindow* MainWindow();
void PostToMainWindow(unsigned message, std::intptr_t wParam = 0, std::intptr_t lParam = 0);

}  // namespace framework
