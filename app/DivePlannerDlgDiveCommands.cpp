#include "app/DivePlannerDlg.h"
#include "app/PlanGroupSettings.h"
#include "app/RenameDive.h"
#include "app/SortDivePlans.h"
#include "app/core/DiveName.h"
#include "engine/NumberText.h"
#include "platform/UserInterface.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"
#include "views/Details.h"

namespace app {
namespace {

// The Rename and Sort dialogs open this far inside the first dive page.
const wxPoint kDiveDialogOffset(3, 5);

}  // namespace

void CDivePlannerDlg::BindDiveCommands() {
  for (int command : {ID_DIVE_ADD, ID_DIVES_ADD}) BindCommand(command, [this] { OnAddDive(); });
  for (int command : {ID_DIVE_DELETE, ID_DIVES_DELETE}) BindCommand(command, [this] { OnDeleteDive(); });
  for (int command : {ID_DIVE_RENAME, ID_DIVES_RENAME}) BindCommand(command, [this] { OnRenameDive(); });
  for (int command : {ID_DIVE_SORT, ID_DIVES_SORT}) BindCommand(command, [this] { OnSortDives(); });
  BindCommand(ID_DIVE_PLAN_SETTINGS, [this] { OnDivePlanSettings(); });
  BindCommand(ID_TOOLS_CALCULATE, [this] { OnCalculate(); });
}

void CDivePlannerDlg::OnAddDive() {
  if (!planGroup_.AddDivePlan()) return;  // 30 dives: the plan group only logs it
  SyncTabsToPlan();
  RefreshTitleAndCaptions();
}

void CDivePlannerDlg::OnDeleteDive() {
  const int index = GetActiveTab();
  if (index < 0 || index >= GetTabCount()) return;
  const std::string question = FormatC(ResourceFormat(IDS_MSG_DELETE_DIVE).c_str(), GetTabCaption(index).c_str());
  const int answer = platform::AskUser(question, platform::mb::kYesNo | platform::mb::kIconQuestion |
                                                     platform::mb::kDefaultButton2);
  if (answer == platform::answer::kYes) RemoveDive(index);
}

void CDivePlannerDlg::RemoveDive(int index) {
  if (CTabDivePlan* page = pages_[static_cast<std::size_t>(index)]) page->SetDivePlan(nullptr);
  planGroup_.DeleteDivePlan(index);
  SyncTabsToPlan();
  planGroup_.CaluclateDivePlans(false, GetActiveTab(), true);
  RefreshTitleAndCaptions();
}

wxPoint CDivePlannerDlg::DiveDialogPosition() const {
  const CTabDivePlan* first = pages_[0];
  return (first != nullptr ? first->GetScreenPosition() : GetScreenPosition()) + kDiveDialogOffset;
}

void CDivePlannerDlg::OnRenameDive() {
  const int index = GetActiveTab();
  if (index < 0 || index >= GetTabCount()) return;
  CRenameDive dialog(this);
  dialog.m_name = NameInTabCaption(GetTabCaption(index));
  dialog.m_position = DiveDialogPosition();
  if (dialog.ShowModal() != framework::kIdOk) return;
  SetTabCaption(dialog.m_name, index, planGroup_.IsBailoutDive(index));
  planGroup_.RenameDive(index, dialog.m_name);
}

void CDivePlannerDlg::OnSortDives() {
  if (GetTabCount() <= 0) return;
  CSortDivePlans dialog(this);
  for (int index = 0; index < planGroup_.GetDiveCount(); ++index) {
    dialog.m_order.Add(GetTabCaption(index), planGroup_.GetDiveDepthText(index));
  }
  dialog.m_position = DiveDialogPosition();
  if (dialog.ShowModal() != framework::kIdOk) return;
  if (dialog.m_order.Changed() && planGroup_.SortDivePlans(dialog.m_order.Order())) {
    for (int k = 0; k < GetTabCount(); ++k) pages_[static_cast<std::size_t>(k)]->SetDivePlan(planGroup_.GetDivePlan(k));
  }
  planGroup_.CaluclateDivePlans(false, GetActiveTab(), true);
  RefreshTitleAndCaptions();
}

void CDivePlannerDlg::OnDivePlanSettings() {
  CPlanGroupSettings dialog(this);
  dialog.m_surfaceIntervalMethod = planGroup_.GetSurfaceIntervalMethod();
  dialog.m_algorithm = planGroup_.GetAlgorithm();
  dialog.m_cylinderWorkingPressureBar = planGroup_.GetCylinderWorkingPressure();
  dialog.m_gasReservePercent = planGroup_.GetGasReserve();
  dialog.m_useMaxPigtForGf = planGroup_.IsUseMaxPigtForGf();
  if (dialog.ShowModal() != framework::kIdOk) return;
  planGroup_.SetAlgorithm(dialog.m_algorithm);
  if (details_) details_->SetCoefficientSet(dialog.m_algorithm);
  planGroup_.SetSurfaceIntervalMethod(dialog.m_surfaceIntervalMethod);
  planGroup_.SetCylinderWorkingPressure(dialog.m_cylinderWorkingPressureBar);
  planGroup_.SetGasReserve(dialog.m_gasReservePercent);
  planGroup_.SetUseMaxPigtForGf(dialog.m_useMaxPigtForGf);
  planGroup_.CaluclateDivePlans(false, GetActiveTab(), true);
  planGroup_.SetModified(true);
}

void CDivePlannerDlg::OnCalculate() {
  RecalculateActiveDive();
  RefreshTitleAndCaptions();
}

}  // namespace app
