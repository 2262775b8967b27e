#include "framework/Messages.h"

#include <map>
#include <mutex>

#include <wx/app.h>

namespace framework {
namespace {

// Posted messages wait here and are handed to their target when their turn comes, if the
// target still exists then.
class MessageRelay : public wxEvtHandler {
 public:
  bool ProcessEvent(wxEvent& event) override {
    auto* message = dynamic_cast<MessageEvent*>(&event);
    if (message != nullptr && message->Target() != nullptr) message->Target()->ProcessWindowEvent(*message);
    return true;
  }
};

MessageRelay& Relay() {
  static MessageRelay* relay = new MessageRelay;  // lives as long as the process
  return *relay;
}

}  // namespace

MessageEvent::MessageEvent(unsigned message, std::intptr_t wParam, std::intptr_t lParam, wxWindow* target)
    : wxEvent(target != nullptr ? target->GetId() : wxID_ANY, MessageEventType(message)),
      message_(message),
      wParam_(wParam),
      lParam_(lParam),
      target_(target) {
  SetEventObject(target);
}

wxEventType MessageEventType(unsigned message) {
  static std::mutex mutex;
  static std::map<unsigned, wxEventType> types;
  std::lock_guard guard(mutex);
  auto found = types.find(message);
  if (found != types.end()) return found->second;
  wxEventType type = wxNewEventType();
  types.emplace(message, type);
  return type;
}

void BindMessage(wxEvtHandler& window, unsigned message, MessageHandler handler) {
  window.Bind(wxEventTypeTag<MessageEvent>(MessageEventType(message)),
              [handler = std::move(handler)](MessageEvent& event) {
                event.SetResult(handler(event.WParam(), event.LParam()));
              });
}

void PostMessage(wxWindow* target, unsigned message, std::intptr_t wParam, std::intptr_t lParam) {
  if (target == nullptr) return;
  wxQueueEvent(&Relay(), new MessageEvent(message, wParam, lParam, target));
}

std::intptr_t SendMessage(wxWindow* target, unsigned message, std::intptr_t wParam, std::intptr_t lParam) {
  if (target == nullptr) return 0;
  MessageEvent event(message, wParam, lParam, target);
  target->ProcessWindowEvent(event);
  return event.Result();
}

wxWindow* MainWindow() { return wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr; }

void PostToMainWindow(unsigned message, std::intptr_t wParam, std::intptr_t lParam) {
  PostMessage(MainWindow(), message, wParam, lParam);
}

}  // namespace framework
