#include "controls/NumSpinCtrl.h"

#include <wx/spinbutt.h>

#include "framework/DataExchange.h"

namespace controls {

wxDEFINE_EVENT(EVT_SPIN_SETTLED, wxCommandEvent);

namespace {
constexpr int kSettleTimerId = 1234;
}  // namespace

CNumSpinCtrl::CNumSpinCtrl(wxWindow* parent, wxWindowID id, const wxPoint& position, const wxSize& size, bool wrap,
                           bool arrowKeys)
    : UpDownControl(parent, id, position, size, wrap, arrowKeys), settleTimer_(this, kSettleTimerId) {
  Bind(wxEVT_SPIN_UP, &CNumSpinCtrl::OnArrowClick, this);
  Bind(wxEVT_SPIN_DOWN, &CNumSpinCtrl::OnArrowClick, this);
  Bind(wxEVT_TIMER, &CNumSpinCtrl::OnSettled, this, kSettleTimerId);
  ApplyRange();
}

void CNumSpinCtrl::SetBuddy(wxWindow* buddy, bool) {
  UpDownControl::SetBuddy(buddy, false);
  ApplyRange();
}

void CNumSpinCtrl::SetRangeAndDelta(double minimum, double maximum, double step) {
  model_.SetRangeAndDelta(minimum, maximum, step);
  if (step != 0) ApplyRange();
}

void CNumSpinCtrl::ApplyRange() {
  UpDownControl::SetRange(0, model_.RangeCount());
  MovePosition(GetPos());
}

void CNumSpinCtrl::MovePosition(double value) {
  if (const std::optional<int> position = model_.PositionOf(value)) UpDownControl::SetValue(*position);
}

double CNumSpinCtrl::GetPos() const {
  const wxWindow* buddy = GetBuddy();
  return buddy != nullptr ? NumSpinModel::ReadValue(framework::WindowText(*buddy).utf8_string()) : 0.0;
}

void CNumSpinCtrl::SetPos(double value) {
  ShowValue(value);
  MovePosition(value);
}

void CNumSpinCtrl::ShowValue(double value) {
  if (wxWindow* buddy = GetBuddy()) framework::SetWindowText(*buddy, wxString::FromUTF8(model_.TextOf(value)));
}

bool CNumSpinCtrl::ClampToRange() {
  double value = GetPos();
  const bool inRange = model_.Clamp(value);
  SetPos(value);
  return inRange;
}

void CNumSpinCtrl::OnArrowClick(wxSpinEvent& event) {
  const int delta = event.GetEventType() == wxEVT_SPIN_UP ? 1 : -1;
  // The arrows' own position moves by itself once this handler allows the click.
  ShowValue(model_.Clicked(GetPos(), delta, Wraps()));
  settleTimer_.StartOnce(kSettleDelayMs);
}

void CNumSpinCtrl::OnSettled(wxTimerEvent&) {
  settleTimer_.Stop();
  wxWindow* parent = GetParent();
  if (parent == nullptr) return;
  wxCommandEvent settled(EVT_SPIN_SETTLED, GetId());
  settled.SetEventObject(this);
  settled.SetInt(SPIN_SETTLED);
  parent->GetEventHandler()->ProcessEvent(settled);
}

}  // namespace controls
