#pragma once
// The Details window: for the profile step under the dive page's graph cursor, a panel of
// read-outs and a chart of the sixteen compartments' loading against their surfacing limit at
// GF High. It is modeless, one at a time: the main window opens it, writes the step into its
// values and asks it to repaint; closing it (OK, Escape, the close box) destroys it, which
// the main window sees through a weak reference.
#include "controls/HelpDlg.h"
#include "views/BarGraph.h"
#include "views/core/CompartmentDetails.h"

namespace views {

class CDetails : public controls::CHelpDlg {
 public:
  explicit CDetails(wxWindow* owner);

  // The coefficient set of the plan (0 ZH-L16A, 1 ZH-L16C, 2 custom): the bars are worked out
  // with it from now on, and the window repaints.
  void SetCoefficientSet(int coefficientSet);
  int GetCoefficientSet() const { return coefficientSet_; }
  // Paints the read-outs and the bars of the values as they stand.
  void DrawReadouts();
  // Every text again from the current resources (after a change of language), then repaints.
  void RefreshTexts();

  CBarGraph* BarGraph() const { return barGraph_; }
  wxWindow* ReadoutPanel() const;

  // The step shown; written by the main window.
  DetailsValues values;

 protected:
  wxWindow* CreateControl(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                          const wxSize& size) override;
  bool OnInitDialog() override;

 private:
  void LoadCoefficients();
  void SetupBarGraph();
  void FillBarGraph();

  int coefficientSet_ = 0;
  CompartmentCoefficients coefficients_{};
  CBarGraph* barGraph_ = nullptr;
};

}  // namespace views
