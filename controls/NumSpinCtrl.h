#pragma once
// The arrows of a numeric field for real numbers. The value lives in the buddy edit as text; an
// arrow click adds the step to what the edit reads, keeps the result in range (or wraps it) and
// rewrites the edit. One second after the last click the parent is told that the value settled:
// a wxCommandEvent EVT_SPIN_SETTLED with the control's id and GetInt() == SPIN_SETTLED, sent to
// the parent at once.
#include <string>

#include <wx/event.h>
#include <wx/timer.h>

#include "controls/core/NumSpinModel.h"
#include "framework/UpDownControl.h"

namespace controls {

inline constexpr int SPIN_SETTLED = 1;
wxDECLARE_EVENT(EVT_SPIN_SETTLED, wxCommandEvent);

class CNumSpinCtrl : public framework::UpDownControl {
 public:
  static constexpr int kSettleDelayMs = 1000;

  CNumSpinCtrl(wxWindow* parent, wxWindowID id, const wxPoint& position, const wxSize& size, bool wrap = false,
               bool arrowKeys = true);

  // A step of 0 only stores the three; otherwise the arrows get as many positions as steps fit
  // in the range (at most 0x7FFF) and their position follows the buddy's value. A negative step
  // makes the up arrow lower the value.
  void SetRangeAndDelta(double minimum, double maximum, double step);
  // Digits after the point of the buddy text; −1 writes the value with "%g".
  void SetDecimalPlaces(int decimals) { model_.SetDecimalPlaces(decimals); }
  void SetDecimals(int decimals) { SetDecimalPlaces(decimals); }
  // A printf format for one double used for the buddy text instead of the decimals; empty
  // returns to the decimals.
  void SetFormatString(const std::string& format = {}) { model_.SetFormatString(format); }
  void SetTrimTrailingZeros(bool trim) { model_.SetTrimTrailingZeros(trim); }

  // The buddy's text read as a number: 0 for text that does not start with one, or without a
  // buddy.
  double GetPos() const;
  // Writes the value into the buddy and moves the arrows; no clamping and no notice.
  void SetPos(double value);
  // Clamps the buddy's value into the range and rewrites it; false when it was outside.
  // Not the window's Validate: a dialog's OK must never clamp fields the user left alone.
  bool ClampToRange();

  // The buddy shows the real value, never the arrows' whole-number position.
  void SetBuddy(wxWindow* buddy, bool showsPosition) override;
  // The range and the value are real numbers here: SetRangeAndDelta and SetPos.
  void SetRange(int minimum, int maximum) = delete;
  void SetValue(int position) = delete;

 private:
  void ApplyRange();
  void ShowValue(double value);
  void MovePosition(double value);
  void OnArrowClick(wxSpinEvent& event);
  void OnSettled(wxTimerEvent& event);

  NumSpinModel model_;
  wxTimer settleTimer_;
};

}  // namespace controls
