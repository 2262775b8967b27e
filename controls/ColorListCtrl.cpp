#include "controls/ColorListCtrl.h"

namespace controls {

CColorListCtrl::CColorListCtrl(wxWindow* parent, wxWindowID id, const wxPoint& position, const wxSize& size, long style)
    : wxListCtrl(parent, id, position, size, style) {}

wxColour CColorListCtrl::RowTextColour(long data) { return data == 1 ? wxColour(50, 205, 50) : wxColour(0, 0, 0); }

bool CColorListCtrl::SetRowData(long item, long data) {
  if (item < 0 || item >= GetItemCount() || !SetItemData(item, data)) return false;
  SetItemTextColour(item, RowTextColour(data));
  return true;
}

}  // namespace controls
