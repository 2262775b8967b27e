#include "framework/UpDownControl.h"

#include <wx/dcbuffer.h>
#include <wx/renderer.h>
#include <wx/settings.h>
#include <wx/spinbutt.h>

#include "framework/DataExchange.h"

namespace framework {
namespace {

constexpr int kFirstRepeatMs = 400;
constexpr int kRepeatMs = 80;
constexpr int kRepeatTimerId = 1;

}  // namespace

UpDownControl::UpDownControl(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, bool wrap,
                             bool arrowKeys)
    : wxControl(parent, id, pos, size, wxBORDER_NONE | wxWANTS_CHARS),
      wrap_(wrap),
      arrowKeys_(arrowKeys),
      repeat_(this, kRepeatTimerId) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &UpDownControl::OnPaint, this);
  Bind(wxEVT_LEFT_DOWN, &UpDownControl::OnLeftDown, this);
  Bind(wxEVT_LEFT_DCLICK, &UpDownControl::OnLeftDown, this);
  Bind(wxEVT_LEFT_UP, &UpDownControl::OnLeftUp, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { StopRepeat(); });
  Bind(wxEVT_KEY_DOWN, &UpDownControl::OnKeyDown, this);
  Bind(wxEVT_TIMER, &UpDownControl::OnRepeat, this, kRepeatTimerId);
}

UpDownControl::~UpDownControl() {
  if (buddy_) buddy_->Unbind(wxEVT_KEY_DOWN, &UpDownControl::OnKeyDown, this);
}

wxSize UpDownControl::DoGetBestClientSize() const { return FromDIP(wxSize(16, 24)); }

void UpDownControl::SetRange(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = maximum;
  SetValue(value_);
}

void UpDownControl::SetValue(int value) {
  const int low = std::min(minimum_, maximum_);
  const int high = std::max(minimum_, maximum_);
  value_ = std::clamp(value, low, high);
  if (buddy_ && buddyShowsPosition_) SetWindowText(*buddy_, wxString::Format("%d", value_));
}

void UpDownControl::SetBuddy(wxWindow* buddy, bool showsPosition) {
  if (buddy_) buddy_->Unbind(wxEVT_KEY_DOWN, &UpDownControl::OnKeyDown, this);
  buddy_ = buddy;
  buddyShowsPosition_ = showsPosition;
  if (buddy_) buddy_->Bind(wxEVT_KEY_DOWN, &UpDownControl::OnKeyDown, this);
}

void UpDownControl::Step(int direction) {
  // A range given from high to low turns the arrows round, as the desktop control does.
  const int delta = minimum_ <= maximum_ ? direction : -direction;
  const int low = std::min(minimum_, maximum_);
  const int high = std::max(minimum_, maximum_);
  int next = value_ + delta;
  if (next > high) next = wrap_ ? low : high;
  if (next < low) next = wrap_ ? high : low;

  wxSpinEvent step(direction > 0 ? wxEVT_SPIN_UP : wxEVT_SPIN_DOWN, GetId());
  step.SetEventObject(this);
  step.SetPosition(next);
  if (GetEventHandler()->ProcessEvent(step) && !step.IsAllowed()) return;
  SetValue(step.GetPosition());
  wxSpinEvent changed(wxEVT_SPIN, GetId());
  changed.SetEventObject(this);
  changed.SetPosition(value_);
  GetEventHandler()->ProcessEvent(changed);
}

void UpDownControl::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  const wxSize size = GetClientSize();
  dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
  dc.Clear();
  wxRendererNative& renderer = wxRendererNative::Get();
  const int half = size.y / 2;
  const wxRect upper(0, 0, size.x, half);
  const wxRect lower(0, half, size.x, size.y - half);
  renderer.DrawPushButton(this, dc, upper, heldDirection_ > 0 ? int{wxCONTROL_PRESSED} : 0);
  renderer.DrawPushButton(this, dc, lower, heldDirection_ < 0 ? int{wxCONTROL_PRESSED} : 0);
  dc.SetBrush(wxBrush(wxSystemSettings::GetColour(IsEnabled() ? wxSYS_COLOUR_BTNTEXT : wxSYS_COLOUR_GRAYTEXT)));
  dc.SetPen(*wxTRANSPARENT_PEN);
  const int cx = size.x / 2;
  const int arrow = std::max(2, std::min(size.x / 4, half / 3));
  const wxPoint up[] = {{cx - arrow, half / 2 + arrow / 2}, {cx + arrow, half / 2 + arrow / 2}, {cx, half / 2 - arrow / 2 - 1}};
  const int lowMid = half + (size.y - half) / 2;
  const wxPoint down[] = {{cx - arrow, lowMid - arrow / 2}, {cx + arrow, lowMid - arrow / 2}, {cx, lowMid + arrow / 2 + 1}};
  dc.DrawPolygon(3, up);
  dc.DrawPolygon(3, down);
}

void UpDownControl::OnLeftDown(wxMouseEvent& event) {
  // The arrows are no keyboard stop: a click puts the keyboard in their field, from where Tab goes on.
  if (buddy_) buddy_->SetFocus();
  else SetFocus();
  heldDirection_ = event.GetY() < GetClientSize().y / 2 ? 1 : -1;
  if (!HasCapture()) CaptureMouse();
  Step(heldDirection_);
  repeat_.StartOnce(kFirstRepeatMs);
  Refresh();
}

void UpDownControl::OnLeftUp(wxMouseEvent&) { StopRepeat(); }

void UpDownControl::StopRepeat() {
  repeat_.Stop();
  heldDirection_ = 0;
  if (HasCapture()) ReleaseMouse();
  Refresh();
}

void UpDownControl::OnRepeat(wxTimerEvent&) {
  if (heldDirection_ == 0) return;
  Step(heldDirection_);
  repeat_.StartOnce(kRepeatMs);
}

void UpDownControl::OnKeyDown(wxKeyEvent& event) {
  if (!StepForKey(event.GetKeyCode())) event.Skip();
}

bool UpDownControl::StepForKey(int keyCode) {
  if (!arrowKeys_ || (keyCode != WXK_UP && keyCode != WXK_DOWN)) return false;
  Step(keyCode == WXK_UP ? 1 : -1);
  return true;
}

}  // namespace framework
