#pragma once
// The Sort Dive Plans dialog: the dives in a list of two columns (the tab text and the dive's
// depth and duration); the arrows move the selected dive one place up or down. The caller reads
// the new order after OK and changes the plan.
#include <wx/gdicmn.h>

#include "app/core/DiveOrder.h"
#include "controls/HelpDlg.h"

class wxListCtrl;

namespace app {

class CSortDivePlans : public controls::CHelpDlg {
 public:
  explicit CSortDivePlans(wxWindow* parent = nullptr);

  // Filled by the caller before the dialog runs, one row per dive; read after OK.
  CDiveOrder m_order;
  // Where the dialog's top-left corner goes, on the screen.
  wxPoint m_position;

 protected:
  wxWindow* CreateControl(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                          const wxSize& size) override;
  bool OnInitDialog() override;

 private:
  wxListCtrl* List() const;
  void FillList();
  void SelectRow(long row);
  // A click below the last row selects the last row, so that the next step moves it.
  void OnListClick(wxMouseEvent& event);
  void OnMoveDive(int step);
};

}  // namespace app
