#pragma once
// What the display knows about top-level windows and the toolkit does not report: where the
// window manager has put a window's frame, when a window is on the screen, and the window
// manager's requests to close a window that the toolkit would drop (it drops them while a modal
// window holds the input, and for windows it has disabled).
#include <functional>
#include <optional>

#include <wx/toplevel.h>

namespace framework {

// The window with its frame, as the display has it now; nothing while the window is not on the
// screen.
std::optional<wxRect> FrameOnScreen(const wxTopLevelWindow& window);

// Calls the action once, when the window next comes onto the screen; never once the watch has
// gone.
class OnScreenWatch {
 public:
  OnScreenWatch(wxTopLevelWindow& window, std::function<void()> action);
  ~OnScreenWatch();
  OnScreenWatch(const OnScreenWatch&) = delete;
  OnScreenWatch& operator=(const OnScreenWatch&) = delete;

 private:
  struct Callbacks;
  friend struct Callbacks;
  void Disconnect();

  void* widget_ = nullptr;
  unsigned long handler_ = 0;
  std::function<void()> action_;
};

// While it exists, every request of the window manager to close a top-level window of the
// program is offered to take first, before the toolkit drops it; a request taken goes no
// further. It takes over the display's event handling: a wait that yields to the display's
// events meanwhile ends it.
class CloseRequestFilter {
 public:
  // take: whether the request to close this window is taken.
  explicit CloseRequestFilter(std::function<bool(wxTopLevelWindow&)> take);
  ~CloseRequestFilter();
  CloseRequestFilter(const CloseRequestFilter&) = delete;
  CloseRequestFilter& operator=(const CloseRequestFilter&) = delete;

 private:
  struct Callbacks;
  friend struct Callbacks;

  std::function<bool(wxTopLevelWindow&)> take_;
};

}  // namespace framework
