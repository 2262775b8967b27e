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
  std::optional<WindowPlacement> saved = LoadWindowRect(name, rectOnly);
  if (!saved) return;
  const Box& rect = saved->normal;
  if (window_.IsMaximized()) window_.Maximize(false);
  const bool frameKnown = window_.GetSize() != window_.GetClientSize();
  if (frameKnown) window_.SetSize(rect.left, rect.top, rect.Width(), rect.Height());
  else window_.Move(rect.left, rect.top);
  if (saved->showCommand == show::kMaximised) window_.Maximize(true);
  else if (!frameKnown) RestoreSizeOnScreen(wxSize(rect.Width(), rect.Height()));
}

void CPlacementKeeper::RestoreSizeOnScreen(const wxSize& size) {
  sizeOnScreen_ = std::make_unique<framework::OnScreenWatch>(window_, [this, size] {
    if (!window_.IsMaximized()) window_.SetSize(size);
  });
}

void CPlacementKeeper::Save() {
  if (!enabled_) return;
  Remember();
  if (placed_) SaveWindowRect(window_, normalRect_, name_, rectOnly_);
}

void CPlacementKeeper::Remember() {
  if (window_.IsMaximized() || window_.IsIconized()) return;
  if (std::optional<wxRect> frame = framework::FrameOnScreen(window_)) {
    normalRect_ = *frame;
    placed_ = true;
  }
}

}  // namespace controls
