#include "app/DivePlannerDlg.h"
#include "engine/PrivateMessages.h"
#include "framework/Messages.h"

namespace app {

CTabDivePlan* CDivePlannerDlg::DivePage(int index) const {
  return index >= 0 && index < GetTabCount() ? pages_[static_cast<std::size_t>(index)] : nullptr;
}

void CDivePlannerDlg::BindPageMessages() {
  framework::BindMessage(*this, WMU_SELECT_LAST_PLAN_POINT, [this](std::intptr_t index, std::intptr_t) {
    OnSelectLastPlanPoint(static_cast<int>(index));
    return std::intptr_t{0};
  });
  framework::BindMessage(*this, WMU_GAS_MIX_ADDED, [this](std::intptr_t oxygen, std::intptr_t helium) {
    OnGasMixAdded(static_cast<unsigned>(oxygen), static_cast<int>(helium));
    return std::intptr_t{0};
  });
}

void CDivePlannerDlg::OnSelectLastPlanPoint(int index) {
  // The page's next refill takes a row past the end for its last row.
  constexpr int kPastAnyRow = 999;
  if (CTabDivePlan* page = DivePage(index)) page->SetSelectedRow(kPastAnyRow);
}

void CDivePlannerDlg::OnGasMixAdded(unsigned oxygenPercent, int heliumPercent) {
  for (int k = 0; k < GetTabCount(); ++k) {
    if (CTabDivePlan* page = DivePage(k)) page->AddGasToLists(oxygenPercent, heliumPercent);
  }
}

void CDivePlannerDlg::SetTabDepthUnits(UnitSystem units) {
  for (int k = 0; k < GetTabCount(); ++k) {
    if (CTabDivePlan* page = DivePage(k)) page->SetDepthUnits(units);
  }
}

}  // namespace app
