#pragma once
// The toolkit hands a click on a window's close box to the program as a display event, so a
// wait that lets the display's events run would let another window close in the middle of the
// command that waits. While held, the close requests of the other top-level windows are kept
// instead, and each is sent again once the holder ends: after the command. That includes the
// requests the toolkit would drop, for a window it has disabled or while a modal window starts.
#include <memory>
#include <vector>

#include <wx/weakref.h>
#include <wx/window.h>

#include "framework/WindowFrames.h"

class wxCloseEvent;

namespace views {

class CHeldCloseRequests {
 public:
  CHeldCloseRequests() = default;
  CHeldCloseRequests(const CHeldCloseRequests&) = delete;
  CHeldCloseRequests& operator=(const CHeldCloseRequests&) = delete;
  // Sends the requests kept, once the event being handled now has been.
  ~CHeldCloseRequests();

  // From now on keeps the close requests of every top-level window but own's.
  void Hold(wxWindow& own);
  // Keeps as well the requests that the toolkit would drop: those for a window it has disabled,
  // and all while a modal window starts. Until Release, no wait may yield to the display's
  // events: that would give their handling back to the toolkit.
  void HoldEvenDroppedRequests();
  // Lets the windows take their close requests again; those kept stay kept.
  void Release();

 private:
  void OnClose(wxCloseEvent& event);
  bool Watched(const wxWindow& window) const;
  void Keep(wxWindow& window);

  std::vector<wxWeakRef<wxWindow>> watched_;
  std::unique_ptr<framework::CloseRequestFilter> requests_;
  std::vector<wxWeakRef<wxWindow>> kept_;
};

}  // namespace views
