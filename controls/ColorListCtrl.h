#pragma once
// The report list of the plan points: a row's item data 1 shows its text in lime green, any
// other value in black; row backgrounds are never changed.
#include <wx/listctrl.h>

namespace controls {

class CColorListCtrl : public wxListCtrl {
 public:
  CColorListCtrl(wxWindow* parent, wxWindowID id, const wxPoint& position, const wxSize& size,
                 long style = wxLC_REPORT | wxBORDER_THEME);

  // Sets the row's item data and its text colour with it.
  bool SetRowData(long item, long data);
  static wxColour RowTextColour(long data);
};

}  // namespace controls
