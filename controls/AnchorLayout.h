#pragma once
// Children that follow their anchors when their parent's client area changes size.
#include <vector>

#include <wx/weakref.h>
#include <wx/window.h>

#include "controls/core/LayoutGeometry.h"

namespace controls {

class CAnchorLayout {
 public:
  explicit CAnchorLayout(wxWindow& window) : window_(window) {}

  void AddAnchor(wxWindow* child, Anchor topLeft, Anchor bottomRight);
  void AddAnchor(int childId, Anchor topLeft, Anchor bottomRight) { AddAnchor(window_.FindWindow(childId), topLeft, bottomRight); }
  void AddAnchor(wxWindow* child, Anchor both) { AddAnchor(child, both, both); }
  void AddAnchor(int childId, Anchor both) { AddAnchor(childId, both, both); }
  // Moves every child to its place for the current client size; a child whose place and size
  // are unchanged is left alone. Returns the number of children moved.
  int ArrangeChildren();
  void RemoveAllAnchors() { entries_.clear(); }

 private:
  struct Entry {
    wxWeakRef<wxWindow> child;
    AnchoredPlace place;
  };
  Box ClientBox() const;

  wxWindow& window_;
  std::vector<Entry> entries_;
};

}  // namespace controls
