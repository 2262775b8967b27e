#include <wx/utils.h>

#include "app/DivePlannerDlg.h"
#include "engine/GasMixLists.h"
#include "engine/PrivateMessages.h"
#include "framework/Messages.h"
#include "resources/resource.h"

namespace app {

void CDivePlannerDlg::BindMessages() {
  // Every handler returns 0.
  auto bind = [this](unsigned message, std::function<void(std::intptr_t wParam, std::intptr_t lParam)> handler) {
    framework::BindMessage(*this, message, [handler = std::move(handler)](std::intptr_t wParam, std::intptr_t lParam) {
      handler(wParam, lParam);
      return std::intptr_t{0};
    });
  };
  bind(WMU_PLAN_MODIFIED, [this](std::intptr_t, std::intptr_t) { OnPlanModified(); });
  bind(WMU_GAS_MIX_SELECTED, [](std::intptr_t oxygen, std::intptr_t helium) {
    UpdateGasMixAgeing(static_cast<int>(oxygen), static_cast<int>(helium));
  });
  bind(WMU_DIVE_TAB_SELECTED, [this](std::intptr_t, std::intptr_t) { OnDiveTabSelected(); });
  bind(WMU_DIVE_TAB_RIGHT_CLICK, [this](std::intptr_t, std::intptr_t) { OnDiveTabRightClick(); });
  bind(WMU_RENAME_DIVE, [this](std::intptr_t, std::intptr_t) { OnRenameDiveMessage(); });
  bind(WMU_REFRESH_VIEW, [this](std::intptr_t, std::intptr_t) { OnRefreshView(); });
  bind(WMU_DIVE_CALCULATED, [this](std::intptr_t wParam, std::intptr_t) { OnDiveCalculated(static_cast<int>(wParam)); });
  bind(WMU_PLAN_LOADED, [this](std::intptr_t wParam, std::intptr_t) { OnPlanLoaded(static_cast<int>(wParam)); });
  BindPageMessages();
}

void CDivePlannerDlg::OnPlanModified() { UpdateTitle(); }

void CDivePlannerDlg::OnDiveTabSelected() {
  planGroup_.CaluclateDivePlans(false, GetActiveTab(), false);
  UpdateDetails(0, GetActiveTab());
}

void CDivePlannerDlg::OnDiveCalculated(int index) {
  if (index < 0 || index >= GetTabCount() || pages_[static_cast<std::size_t>(index)] == nullptr) return;
  pages_[static_cast<std::size_t>(index)]->RefreshAll();
  SetTabCaption(planGroup_.GetDiveName(index), index, planGroup_.IsBailoutDive(index));
}

void CDivePlannerDlg::OnPlanLoaded(int index) {
  if (index < 0 || index >= GetTabCount()) return;
  for (int k = 0; k < GetTabCount(); ++k) {
    const CTabDivePlan* page = DivePage(k);
    if (page != nullptr && page->SettingsSheet() != nullptr) page->SettingsSheet()->ResetToDiveSettings();
  }
  sheet_->SetActivePage(static_cast<std::size_t>(index));
  planGroup_.CalculateDivePlan(index, true);
}

void CDivePlannerDlg::OnDiveTabRightClick() {
  controls::CIconMenu menu;
  if (!menu.LoadMenu(IDR_DIVES_POPUP)) return;
  menu.LoadToolbarImages(IDR_DIVES_TOOLBAR);
  if (wxMenu* popup = menu.Popup(0)) PopupMenu(popup, ScreenToClient(wxGetMousePosition()));
}

void CDivePlannerDlg::OnRenameDiveMessage() { OnRenameDive(); }

void CDivePlannerDlg::OnRefreshView() { RefreshTitleAndCaptions(); }

}  // namespace app
