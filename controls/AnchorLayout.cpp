#include "controls/AnchorLayout.h"

namespace controls {

Box CAnchorLayout::ClientBox() const {
  const wxSize size = window_.GetClientSize();
  return Box{0, 0, size.x, size.y};
}

void CAnchorLayout::AddAnchor(wxWindow* child, Anchor topLeft, Anchor bottomRight) {
  if (child == nullptr) return;
  const wxRect rect = child->GetRect();
  const Box client = ClientBox();
  const Box childBox{rect.GetLeft() - client.left, rect.GetTop() - client.top, rect.GetLeft() + rect.GetWidth() - client.left,
                     rect.GetTop() + rect.GetHeight() - client.top};
  entries_.push_back(Entry{child, AnchorChild(childBox, client.Width(), client.Height(), topLeft, bottomRight)});
}

int CAnchorLayout::ArrangeChildren() {
  const Box client = ClientBox();
  std::vector<Box> places;
  for (const Entry& entry : entries_) places.push_back(PlaceChild(entry.place, client));
  KeepRowsApart(places);
  int moved = 0;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    wxWindow* child = entries_[i].child.get();
    if (child == nullptr) continue;
    const Box& place = places[i];
    const wxRect target(place.left, place.top, place.Width(), place.Height());
    if (child->GetRect() == target) continue;
    child->SetSize(target);
    ++moved;
  }
  return moved;
}

}  // namespace controls
