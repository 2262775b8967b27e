#pragma once
// Keeps the placement of a top-level window: its normal rectangle (neither maximised nor
// minimised) with the window manager's frame, as the display has it while the window is on the
// screen. It restores a placement saved under a name and saves it again; a window that never
// came onto the screen has no placement to save.
#include <memory>
#include <optional>
#include <string>

#include <wx/toplevel.h>

#include "framework/WindowFrames.h"

namespace controls {

class CPlacementKeeper {
 public:
  explicit CPlacementKeeper(wxTopLevelWindow& window);
  ~CPlacementKeeper();
  CPlacementKeeper(const CPlacementKeeper&) = delete;
  CPlacementKeeper& operator=(const CPlacementKeeper&) = delete;

  // Remembers the name and restores the placement saved under it: the place at once, the size at
  // once when the toolkit knows the size of the window's frame, and again once the window is on
  // the screen if the display's frame is not that size.
  void EnableSaveRestore(const std::string& name, bool rectOnly);
  // Saves the placement when a name was given and the window has been on the screen; the window
  // must still exist.
  void Save();
  // Takes the window's rectangle now, if it is on the screen and neither maximised nor minimised.
  void Remember();
  const wxRect& NormalRect() const { return normalRect_; }

 private:
  void OnMove(wxMoveEvent& event);
  void OnSize(wxSizeEvent& event);
  void RestoreSizeOnScreen(const wxSize& frameSize);

  wxTopLevelWindow& window_;
  bool enabled_ = false;
  bool rectOnly_ = false;
  bool placed_ = false;  // normalRect_ holds a placement the display reported
  std::string name_;
  wxRect normalRect_;
  std::unique_ptr<framework::OnScreenWatch> sizeOnScreen_;
};

}  // namespace controls
