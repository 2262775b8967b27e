#pragma once
// The up-down control of the dialog templates: two small arrows stacked in a slot of about
// 10 × 14 dialog units (GTK's own spin button is a wide +/- pair that does not fit there).
// Clicking or holding an arrow, or the arrow keys (in the arrows or in the buddy edit), step the
// position within the range and send wxEVT_SPIN_UP / wxEVT_SPIN_DOWN (which a handler may veto)
// and then wxEVT_SPIN.
#include <wx/control.h>
#include <wx/timer.h>
#include <wx/weakref.h>

namespace framework {

class UpDownControl : public wxControl {
 public:
  UpDownControl(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, bool wrap, bool arrowKeys);
  ~UpDownControl() override;

  void SetRange(int minimum, int maximum);
  int GetMin() const { return minimum_; }
  int GetMax() const { return maximum_; }
  void SetValue(int value);
  int GetValue() const { return value_; }
  bool Wraps() const { return wrap_; }
  // The edit beside the arrows (the template's "auto buddy": the control made just before);
  // with showsPosition its text follows the position (the template's "set buddy int").
  virtual void SetBuddy(wxWindow* buddy, bool showsPosition);
  wxWindow* GetBuddy() const { return buddy_.get(); }

  // One step up (+1) or down (−1), as a click on that arrow does.
  void Step(int direction);

 protected:
  wxSize DoGetBestClientSize() const override;

 private:
  void OnPaint(wxPaintEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnKeyDown(wxKeyEvent& event);
  // Steps for the Up and Down keys when the arrow keys are on; false for any other key.
  bool StepForKey(int keyCode);
  void OnRepeat(wxTimerEvent& event);
  void StopRepeat();

  int minimum_ = 0;
  int maximum_ = 100;
  int value_ = 0;
  bool wrap_;
  bool arrowKeys_;
  int heldDirection_ = 0;
  wxWeakRef<wxWindow> buddy_;
  bool buddyShowsPosition_ = false;
  wxTimer repeat_;
};

}  // namespace framework
