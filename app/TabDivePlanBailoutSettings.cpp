#include "app/TabDivePlanBailoutSettings.h"

#include "engine/PrivateMessages.h"
#include "framework/DataExchange.h"
#include "resources/resource.h"

namespace app {
namespace {

using namespace setting_fields;

std::vector<SettingsSpinField> BailoutFields() {
  return {
      {WMU_BAILSET_GAS_SWITCHES, IDC_BS_GAS_SWITCHES, IDC_BS_GAS_SWITCHES_SPIN, IDC_BS_GAS_SWITCHES_LABEL,
       &kGasSwitches},
      {WMU_BAILSET_GF_LOW, IDC_BS_GF_LOW, IDC_BS_GF_LOW_SPIN, IDC_BS_GF_LOW_LABEL, &kGfLow},
      {WMU_BAILSET_GF_HIGH, IDC_BS_GF_HIGH, IDC_BS_GF_HIGH_SPIN, IDC_BS_GF_HIGH_LABEL, &kGfHigh},
      {WMU_BAILSET_SAC_RATE, IDC_BS_SAC_RATE, IDC_BS_SAC_RATE_SPIN, IDC_BS_SAC_RATE_LABEL, &kSacRate},
      {WMU_BAILSET_MAX_PPO2, IDC_BS_MAX_PPO2, IDC_BS_MAX_PPO2_SPIN, IDC_BS_MAX_PPO2_LABEL, &kMaxPpo2},
      {WMU_BAILSET_MAX_EAD, IDC_BS_MAX_EAD, IDC_BS_MAX_EAD_SPIN, IDC_BS_MAX_EAD_LABEL, &kMaxEad},
      {WMU_BAILSET_MAX_CNS, IDC_BS_MAX_CNS, IDC_BS_MAX_CNS_SPIN, IDC_BS_MAX_CNS_LABEL, &kMaxCns},
      {WMU_BAILSET_DESCENT_RATE, IDC_BS_DESCENT_RATE, IDC_BS_DESCENT_RATE_SPIN, IDC_BS_DESCENT_RATE_LABEL,
       &kDescentRate},
      {WMU_BAILSET_ASCENT_RATE, IDC_BS_ASCENT_RATE, IDC_BS_ASCENT_RATE_SPIN, IDC_BS_ASCENT_RATE_LABEL, &kAscentRate},
      {WMU_BAILSET_LAST_DECO_STOP, IDC_BS_LAST_DECO_STOP, IDC_BS_LAST_DECO_STOP_SPIN, IDC_BS_LAST_DECO_STOP_LABEL,
       &kLastDecoStop},
  };
}

}  // namespace

CTabDivePlanBailoutSettings::CTabDivePlanBailoutSettings() : SettingsPage(IDD_BAILOUT_SETTINGS, BailoutFields()) {}

bool CTabDivePlanBailoutSettings::OnInitDialog() {
  SettingsPage::OnInitDialog();
  BindChoice(IDC_BS_USE_GAS_LIST, WMU_BAILSET_USE_GAS_LIST);
  BindChoice(IDC_BS_IGNORE_ICD, WMU_BAILSET_IGNORE_ICD);
  BindChoice(IDC_BS_IGNORE_CNS, WMU_BAILSET_IGNORE_CNS);
  return true;
}

void CTabDivePlanBailoutSettings::BindChoice(int checkId, unsigned message) {
  Bind(wxEVT_CHECKBOX, [this, message](wxCommandEvent&) {
    UpdateData(true);
    UpdateGasSwitchEdit();
    PostToOwner(message);
  }, checkId);
}

void CTabDivePlanBailoutSettings::DoDataExchange(bool save) {
  framework::ExchangeCheck(this, save, IDC_BS_USE_GAS_LIST, useBailoutGasList_);
  framework::ExchangeCheck(this, save, IDC_BS_IGNORE_ICD, ignoreIcd_);
  framework::ExchangeCheck(this, save, IDC_BS_IGNORE_CNS, ignoreCns_);
}

void CTabDivePlanBailoutSettings::RefreshTexts() {
  SettingsPage::RefreshTexts();
  SetLabel(IDC_BS_USE_GAS_LIST, IDS_USE_BAILOUT_GAS_LIST);
  SetLabel(IDC_BS_IGNORE_ICD, IDS_IGNORE_ICD_RULES);
  SetLabel(IDC_BS_IGNORE_CNS, IDS_IGNORE_CNS_LIMITS);
}

void CTabDivePlanBailoutSettings::SetChoices(bool useBailoutGasList, bool ignoreIcd, bool ignoreCns) {
  useBailoutGasList_ = useBailoutGasList;
  ignoreIcd_ = ignoreIcd;
  ignoreCns_ = ignoreCns;
  UpdateData(false);
  UpdateGasSwitchEdit();
}

void CTabDivePlanBailoutSettings::UpdateGasSwitchEdit() {
  if (wxWindow* edit = FindWindow(IDC_BS_GAS_SWITCHES)) edit->Enable(!useBailoutGasList_);
}

}  // namespace app
