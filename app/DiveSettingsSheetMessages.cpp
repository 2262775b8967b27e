// The settings sheet's handlers of the messages its pages post: each reads its field, compares
// it with what the field showed and calls the dive's setter only for a real change.
#include "app/DiveSettingsSheet.h"
#include "app/core/DiveSettingsAccess.h"
#include "controls/GasComboCompletion.h"
#include "controls/MultiFieldEdit.h"
#include "engine/AppSettings.h"
#include "engine/DivePlan.h"
#include "engine/PrivateMessages.h"
#include "framework/Messages.h"

namespace app {

void DiveSettingsSheet::BindMessages() {
  for (const SpinSettingAccess& setting : DiveSpinSettings()) {
    BindSpinSetting(*diveSettings_, setting.message, setting.get, setting.set);
  }
  for (const SpinSettingAccess& setting : BailoutSpinSettings()) {
    BindSpinSetting(*bailoutSettings_, setting.message, setting.get, setting.set);
  }
  BindChoice(WMU_BAILSET_IGNORE_ICD, &CTabDivePlanBailoutSettings::IsIgnoreIcd, &CDivePlan::IsIgnoreIcd,
             &CDivePlan::SetIgnoreIcd);
  BindChoice(WMU_BAILSET_IGNORE_CNS, &CTabDivePlanBailoutSettings::IsIgnoreCns, &CDivePlan::IsIgnoreCns,
             &CDivePlan::SetIgnoreCns);
  const std::pair<unsigned, void (DiveSettingsSheet::*)()> others[] = {
      {WMU_DIVESET_SURFACE_INTERVAL, &DiveSettingsSheet::OnSurfaceInterval},
      {WMU_DIVESET_BELL_EXCURSION, &DiveSettingsSheet::OnBellExcursion},
      {WMU_DIVESET_BELL_GAS, &DiveSettingsSheet::OnBellGas},
      {WMU_BAILSET_USE_GAS_LIST, &DiveSettingsSheet::OnUseBailoutGasList},
      {WMU_BAILSET_GAS_LIST_CHANGED, &DiveSettingsSheet::OnGasListChanged},
      {WMU_SETTINGS_PAGE_CHANGED, &DiveSettingsSheet::OnPageChanged},
  };
  for (const auto& other : others) {
    framework::BindMessage(page_, other.first, [this, handler = other.second](std::intptr_t, std::intptr_t) {
      (this->*handler)();
      return 0;
    });
  }
}

CDivePlan* DiveSettingsSheet::ActiveDive() {
  return refilling_ || owner_.IsRefilling() ? nullptr : owner_.SettingsDive();
}

CDivePlan* DiveSettingsSheet::DiveFor(const wxWindow& pageWindow) {
  // A removed page's messages still on their way are not acted on.
  return sheet_->FindPage(&pageWindow) != wxNOT_FOUND ? ActiveDive() : nullptr;
}

void DiveSettingsSheet::BindSpinSetting(SettingsPage& page, unsigned message, double (*get)(const CDivePlan&),
                                        bool (*set)(CDivePlan&, double)) {
  framework::BindMessage(page_, message, [this, &page, message, get, set](std::intptr_t, std::intptr_t) {
    CDivePlan* dive = DiveFor(page);
    const SettingsSpinField* field = page.FieldOf(message);
    if (dive == nullptr || field == nullptr || !page.IsChanged(*field)) return 0;
    const double value = EngineSettingValue(field->format->quantity, page.Value(*field), DisplayUnits());
    page.MarkGiven(*field);
    if (get(*dive) != value) set(*dive, value);
    if (message == WMU_DIVESET_SURFACE_PRESSURE) owner_.OnDiveSettingsChanged();
    return 0;
  });
}

void DiveSettingsSheet::BindChoice(unsigned message, bool (CTabDivePlanBailoutSettings::*shown)() const,
                                   bool (CDivePlan::*get)() const, bool (CDivePlan::*set)(bool)) {
  framework::BindMessage(page_, message, [this, shown, get, set](std::intptr_t, std::intptr_t) {
    CDivePlan* dive = DiveFor(*bailoutSettings_);
    const bool on = (bailoutSettings_->*shown)();
    if (dive != nullptr && on != (dive->*get)()) (dive->*set)(on);
    return 0;
  });
}

void DiveSettingsSheet::OnSurfaceInterval() {
  CDivePlan* dive = DiveFor(*diveSettings_);
  const controls::CSTimeHM* interval = diveSettings_->SurfaceInterval();
  if (dive == nullptr || interval == nullptr || interval->GetSeconds() == shownSurfaceIntervalSec_) return;
  shownSurfaceIntervalSec_ = interval->GetSeconds();
  dive->SetSurfaceInterval(shownSurfaceIntervalSec_);
}

void DiveSettingsSheet::OnBellExcursion() {
  CDivePlan* dive = ActiveDive();
  if (dive == nullptr) return;
  if (diveSettings_->IsBellExcursion() != dive->IsBellExcursion()) dive->SetBellExcursion(diveSettings_->IsBellExcursion());
  owner_.OnDiveSettingsChanged();
}

void DiveSettingsSheet::OnBellGas() {
  CDivePlan* dive = DiveFor(*diveSettings_);
  const controls::CGasComboCompletion* box = diveSettings_->BellGas();
  if (dive == nullptr || box == nullptr) return;
  const CGas gas = box->GetGas();
  if (gas.GetName(false) != dive->GetBellGas().GetName(false)) dive->SetBellGas(gas.GetOxygen(), gas.GetHelium());
}

void DiveSettingsSheet::OnUseBailoutGasList() {
  CDivePlan* dive = DiveFor(*bailoutSettings_);
  if (dive == nullptr) return;
  const bool on = bailoutSettings_->IsUseBailoutGasList();
  if (on != dive->IsUseBailoutGasList()) dive->SetUseBailoutGasList(on);
  if (on) {
    AddBailoutGasListPage();
  } else {
    RemoveBailoutGasListPage();
  }
}

void DiveSettingsSheet::OnGasListChanged() {
  CDivePlan* dive = DiveFor(*bailoutGasList_);
  if (dive == nullptr) return;
  const std::string text = bailoutGasList_->Editor().GetListText();
  if (text != dive->GetBailoutGasList()) dive->SetBailoutGasList(text);
}

void DiveSettingsSheet::OnPageChanged() { PutDiveInModeOf(sheet_->GetSelection()); }

void DiveSettingsSheet::PutDiveInModeOf(int page) {
  CDivePlan* dive = ActiveDive();
  if (dive == nullptr) return;
  if (dive->IsBailoutMode()) {
    if (page == kDiveSettingsPage) dive->ClearBailout();
  } else if (page == kBailoutSettingsPage && HasCalculatedProfile(*dive)) {
    dive->TriggerBailout();
  }
}

}  // namespace app
