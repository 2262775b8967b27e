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
  // Before the window has been on the screen the toolkit may not know the size of the window
  // manager's frame, or know it wrong (it then takes the frame's size as the inside's, and the
  // window grows by its frame on every start): the size is set again once the display has the
  // frame.
  if (window_.GetSize() != window_.GetClientSize()) window_.SetSize(rect.left, rect.top, rect.Width(), rect.Height());
  else window_.Move(rect.left, rect.top);
  if (saved->showCommand == show::kMaximised) window_.Maximize(true);
  else RestoreSizeOnScreen(wxSize(rect.Width(), rect.Height()));
}

void CPlacementKeeper::RestoreSizeOnScreen(const wxSize& frameSize) {
  sizeOnScreen_ = std::make_unique<framework::OnScreenWatch>(window_, [this, frameSize] {
    const std::optional<wxRect> frame = framework::FrameOnScreen(window_);
    if (!frame || window_.IsMaximized() || frame->GetSize() == frameSize) return;
    window_.SetClientSize(window_.GetClientSize() + frameSize - frame->GetSize());
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
