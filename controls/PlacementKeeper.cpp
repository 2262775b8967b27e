#include "controls/PlacementKeeper.h"

#include "controls/PlacementStore.h"

namespace controls {

CPlacementKeeper::CPlacementKeeper(wxTopLevelWindow& window) : window_(window) {
  window_.Bind(wxEVT_MOVE, &CPlacementKeeper::OnMove, this);
  window_.Bind(wxEVT_SIZE, &CPlacementKeeper::OnSize, this);
}

CPlacementKeeper::~CPlacementKeeper() {
  window_.Unbind(wxEVT_MOVE, &CPlacementKeeper::OnMove, this);
  window_.Unbind(wxEVT_SIZE, &CPlacementKeeper::OnSize, this);
}

void CPlacementKeeper::OnMove(wxMoveEvent& event) {
  Remember();
  event.Skip();
}

void CPlacementKeeper::OnSize(wxSizeEvent& event) {
  Remember();
  event.Skip();
}

void CPlacementKeeper::EnableSaveRestore(const std::string& name, bool rectOnly) {
  name_ = name;
  rectOnly_ = rectOnly;
  enabled_ = true;
  LoadWindowRect(window_, name, rectOnly);
  Remember();
}

void CPlacementKeeper::Save() const {
  if (enabled_) SaveWindowRect(window_, normalRect_, name_, rectOnly_);
}

void CPlacementKeeper::Remember() {
  if (!window_.IsMaximized() && !window_.IsIconized()) normalRect_ = window_.GetRect();
}

}  // namespace controls
