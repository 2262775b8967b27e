#pragma once
// Flicker-free drawing: everything drawn through a CMemDC goes into an off-screen picture of the
// covered rectangle, copied onto the target in one transfer when the CMemDC ends. Over a
// printer the drawing goes straight to the target.
#include <optional>

#include <wx/dc.h>
#include <wx/dcmemory.h>

namespace controls {

class CMemDC {
 public:
  // Without a rectangle the target's clipping box is covered.
  explicit CMemDC(wxDC& target, std::optional<wxRect> rect = std::nullopt);
  ~CMemDC();
  CMemDC(const CMemDC&) = delete;
  CMemDC& operator=(const CMemDC&) = delete;

  wxDC& Dc() { return memory_ ? static_cast<wxDC&>(*memory_) : target_; }
  wxDC* operator->() { return &Dc(); }
  const wxRect& Rect() const { return rect_; }
  bool IsOffScreen() const { return memory_.has_value(); }

 private:
  wxDC& target_;
  wxRect rect_;
  wxBitmap bitmap_;
  std::optional<wxMemoryDC> memory_;
};

}  // namespace controls
