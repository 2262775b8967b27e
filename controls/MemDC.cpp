#include "controls/MemDC.h"

#include <wx/dcprint.h>
#include <wx/dcps.h>

namespace controls {
namespace {

bool IsPrinting(wxDC& dc) {
#if wxUSE_PRINTING_ARCHITECTURE
  if (dynamic_cast<wxPrinterDC*>(&dc) != nullptr) return true;
#endif
#if wxUSE_POSTSCRIPT
  if (dynamic_cast<wxPostScriptDC*>(&dc) != nullptr) return true;
#endif
  return false;
}

wxRect ClippingBox(wxDC& dc) {
  wxCoord x = 0, y = 0, width = 0, height = 0;
  if (!dc.GetClippingBox(&x, &y, &width, &height) || width <= 0 || height <= 0) {
    const wxSize size = dc.GetSize();
    return wxRect(dc.DeviceToLogicalX(0), dc.DeviceToLogicalY(0), dc.DeviceToLogicalXRel(size.x),
                  dc.DeviceToLogicalYRel(size.y));
  }
  return wxRect(x, y, width, height);
}

}  // namespace

CMemDC::CMemDC(wxDC& target, std::optional<wxRect> rect) : target_(target), rect_(rect ? *rect : ClippingBox(target)) {
  if (!IsPrinting(target) && rect_.width > 0 && rect_.height > 0) {
    const wxSize device(target.LogicalToDeviceXRel(rect_.width), target.LogicalToDeviceYRel(rect_.height));
    bitmap_.Create(std::max(device.x, 1), std::max(device.y, 1));
    memory_.emplace(bitmap_);
    memory_->SetMapMode(target.GetMapMode());
    double scaleX = 1, scaleY = 1;
    target.GetUserScale(&scaleX, &scaleY);
    memory_->SetUserScale(scaleX, scaleY);
    memory_->SetLogicalOrigin(rect_.x, rect_.y);
  }
  wxDC& dc = Dc();
  dc.SetBrush(wxBrush(target.GetTextBackground().IsOk() ? target.GetTextBackground() : *wxWHITE));
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.DrawRectangle(rect_);
}

CMemDC::~CMemDC() {
  if (!memory_) return;
  target_.Blit(rect_.x, rect_.y, rect_.width, rect_.height, &*memory_, rect_.x, rect_.y, wxCOPY);
  memory_->SelectObject(wxNullBitmap);
}

}  // namespace controls
