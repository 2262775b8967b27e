#include "controls/SizeGrip.h"

#include <wx/dcclient.h>
#include <wx/settings.h>
#include <wx/toplevel.h>

namespace controls {
namespace {

constexpr unsigned kCreated = 1;

int GripSize(wxWindow* window) {
  return std::max(wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, window), window->FromDIP(14));
}

}  // namespace

CSizeGrip::CSizeGrip(wxWindow* parent, bool visible)
    : wxWindow(parent, wxID_ANY, wxDefaultPosition, wxSize(GripSize(parent), GripSize(parent)), wxBORDER_NONE) {
  SetCursor(wxCursor(wxCURSOR_SIZENWSE));
  Bind(wxEVT_PAINT, &CSizeGrip::OnPaint, this);
  Bind(wxEVT_LEFT_DOWN, &CSizeGrip::OnLeftDown, this);
  Bind(wxEVT_MOTION, &CSizeGrip::OnMotion, this);
  Bind(wxEVT_LEFT_UP, &CSizeGrip::OnLeftUp, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, [](wxMouseCaptureLostEvent&) {});
  if (visible) ShowFor(kCreated);
  UpdatePlace();
}

void CSizeGrip::ShowFor(unsigned reasonBit) {
  if (reasons_ & reasonBit) return;
  reasons_ |= reasonBit;
  ++count_;
}

void CSizeGrip::HideFor(unsigned reasonBit) {
  if (!(reasons_ & reasonBit)) return;
  reasons_ &= ~reasonBit;
  --count_;
}

void CSizeGrip::UpdatePlace() {
  const wxSize client = GetParent()->GetClientSize();
  const wxSize own = GetSize();
  Move(client.x - own.x, client.y - own.y);
  Raise();
  Show(Wanted());
}

void CSizeGrip::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  const wxSize size = GetClientSize();
  const wxColour light = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNHIGHLIGHT);
  const wxColour dark = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW);
  // Three diagonal ridges in the lower-right triangle.
  for (int offset = 3; offset < size.x; offset += 4) {
    dc.SetPen(wxPen(dark));
    dc.DrawLine(size.x - offset, size.y, size.x, size.y - offset);
    dc.SetPen(wxPen(light));
    dc.DrawLine(size.x - offset + 1, size.y, size.x, size.y - offset + 1);
  }
}

void CSizeGrip::OnLeftDown(wxMouseEvent& event) {
  wxWindow* top = wxGetTopLevelParent(this);
  if (top == nullptr) return;
  dragStart_ = ClientToScreen(event.GetPosition());
  sizeAtStart_ = top->GetSize();
  CaptureMouse();
}

void CSizeGrip::OnMotion(wxMouseEvent& event) {
  if (!HasCapture() || !event.LeftIsDown()) return;
  wxWindow* top = wxGetTopLevelParent(this);
  const wxPoint now = ClientToScreen(event.GetPosition());
  top->SetSize(sizeAtStart_ + wxSize(now.x - dragStart_.x, now.y - dragStart_.y));
}

void CSizeGrip::OnLeftUp(wxMouseEvent&) {
  if (HasCapture()) ReleaseMouse();
}

}  // namespace controls
