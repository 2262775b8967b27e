#pragma once
// The size grip in the bottom-right corner of a resizable window: dragging it resizes the
// window. It shows while at least one reason for showing it is set (the window hides it while
// maximised).
#include <wx/window.h>

namespace controls {

class CSizeGrip : public wxWindow {
 public:
  CSizeGrip(wxWindow* parent, bool visible);

  void ShowFor(unsigned reasonBit);
  void HideFor(unsigned reasonBit);
  bool Wanted() const { return count_ > 0; }
  // Moves the grip into the bottom-right corner and shows or hides it.
  void UpdatePlace();

 private:
  void OnPaint(wxPaintEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnMotion(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);

  unsigned reasons_ = 0;
  int count_ = 0;
  wxPoint dragStart_;
  wxSize sizeAtStart_;
};

}  // namespace controls
