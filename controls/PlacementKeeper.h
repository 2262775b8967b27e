#pragma once
// Keeps the placement of a top-level window: follows its normal rectangle (neither maximised nor
// minimised) as it moves and resizes, restores a placement saved under a name and saves it again.
#include <string>

#include <wx/toplevel.h>

namespace controls {

class CPlacementKeeper {
 public:
  explicit CPlacementKeeper(wxTopLevelWindow& window);
  ~CPlacementKeeper();
  CPlacementKeeper(const CPlacementKeeper&) = delete;
  CPlacementKeeper& operator=(const CPlacementKeeper&) = delete;

  // Remembers the name and restores the placement saved under it at once.
  void EnableSaveRestore(const std::string& name, bool rectOnly);
  // Saves the placement when a name was given; the window must still exist.
  void Save() const;
  // Takes the window's rectangle now, unless it is maximised or minimised.
  void Remember();
  const wxRect& NormalRect() const { return normalRect_; }

 private:
  void OnMove(wxMoveEvent& event);
  void OnSize(wxSizeEvent& event);

  wxTopLevelWindow& window_;
  bool enabled_ = false;
  bool rectOnly_ = false;
  std::string name_;
  wxRect normalRect_;
};

}  // namespace controls
