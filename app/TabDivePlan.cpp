#include "app/TabDivePlan.h"

namespace app {

bool CTabDivePlan::Create(wxWindow* sheet) { return wxPanel::Create(sheet, wxID_ANY); }

}  // namespace app
