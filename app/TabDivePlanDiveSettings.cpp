#include "app/TabDivePlanDiveSettings.h"

#include "controls/GasComboCompletion.h"
#include "controls/MultiFieldEdit.h"
#include "engine/AppSettings.h"
#include "engine/PrivateMessages.h"
#include "framework/DataExchange.h"
#include "framework/Messages.h"
#include "resources/resource.h"

namespace app {
namespace {

using namespace setting_fields;

std::vector<SettingsSpinField> DiveFields() {
  return {
      {WMU_DIVESET_SURFACE_PRESSURE, IDC_DS_SURFACE_PRESSURE, IDC_DS_SURFACE_PRESSURE_SPIN,
       IDC_DS_SURFACE_PRESSURE_LABEL, &kSurfacePressure},
      {WMU_DIVESET_GF_LOW, IDC_DS_GF_LOW, IDC_DS_GF_LOW_SPIN, IDC_DS_GF_LOW_LABEL, &kGfLow},
      {WMU_DIVESET_GF_HIGH, IDC_DS_GF_HIGH, IDC_DS_GF_HIGH_SPIN, IDC_DS_GF_HIGH_LABEL, &kGfHigh},
      {WMU_DIVESET_SAC_RATE, IDC_DS_SAC_RATE, IDC_DS_SAC_RATE_SPIN, IDC_DS_SAC_RATE_LABEL, &kSacRate},
      {WMU_DIVESET_MAX_PPO2, IDC_DS_MAX_PPO2, IDC_DS_MAX_PPO2_SPIN, IDC_DS_MAX_PPO2_LABEL, &kMaxPpo2},
      {WMU_DIVESET_MAX_EAD, IDC_DS_MAX_EAD, IDC_DS_MAX_EAD_SPIN, IDC_DS_MAX_EAD_LABEL, &kMaxEad},
      {WMU_DIVESET_DESCENT_RATE, IDC_DS_DESCENT_RATE, IDC_DS_DESCENT_RATE_SPIN, IDC_DS_DESCENT_RATE_LABEL,
       &kDescentRate},
      {WMU_DIVESET_ASCENT_RATE, IDC_DS_ASCENT_RATE, IDC_DS_ASCENT_RATE_SPIN, IDC_DS_ASCENT_RATE_LABEL, &kAscentRate},
      {WMU_DIVESET_LAST_DECO_STOP, IDC_DS_LAST_DECO_STOP, IDC_DS_LAST_DECO_STOP_SPIN, IDC_DS_LAST_DECO_STOP_LABEL,
       &kLastDecoStop},
      {WMU_DIVESET_BELL_DEPTH, IDC_DS_BELL_DEPTH, IDC_DS_BELL_DEPTH_SPIN, IDC_DS_BELL_DEPTH_LABEL, &kBellDepth},
  };
}

constexpr int kBellExcursionControls[] = {IDC_DS_BELL_EXCURSION, IDC_DS_BELL_GAS,   IDC_DS_BELL_GAS_LABEL,
                                          IDC_DS_BELL_DEPTH_LABEL, IDC_DS_BELL_DEPTH, IDC_DS_BELL_DEPTH_SPIN};

}  // namespace

CTabDivePlanDiveSettings::CTabDivePlanDiveSettings() : SettingsPage(IDD_DIVE_SETTINGS, DiveFields()) {}

wxWindow* CTabDivePlanDiveSettings::CreateControl(wxWindow* parent, const platform::DialogControl& control,
                                                  const wxPoint& position, const wxSize& size) {
  if (control.id == IDC_DS_SURFACE_INTERVAL) return new controls::CSTimeHM(parent, control.id, position, size);
  return SettingsPage::CreateControl(parent, control, position, size);
}

bool CTabDivePlanDiveSettings::OnInitDialog() {
  SettingsPage::OnInitDialog();
  SetLabel(IDC_DS_SURFACE_INTERVAL_LABEL, IDS_SURFACE_INTERVAL_HHMM);
  Bind(controls::EVT_EDIT_KILL_FOCUS, [this](wxCommandEvent&) { PostToOwner(WMU_DIVESET_SURFACE_INTERVAL); },
       IDC_DS_SURFACE_INTERVAL);
  Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) {
    UpdateData(true);
    PostToOwner(WMU_DIVESET_BELL_EXCURSION);
  }, IDC_DS_BELL_EXCURSION);
  // The bell gas box tells this page; the owner learns of a choice, the main window of a new gas.
  framework::BindMessage(*this, WMU_GAS_MIX_SELECTED, [this](std::intptr_t, std::intptr_t) {
    PostToOwner(WMU_DIVESET_BELL_GAS);
    return 0;
  });
  framework::BindMessage(*this, WMU_GAS_MIX_ADDED, [](std::intptr_t oxygen, std::intptr_t helium) {
    framework::PostToMainWindow(WMU_GAS_MIX_ADDED, oxygen, helium);
    return 0;
  });
  if (controls::CGasComboCompletion* gas = BellGas()) gas->FillList(AppSettings().gasMix.gasMixes.Get());
  return true;
}

void CTabDivePlanDiveSettings::DoDataExchange(bool save) {
  framework::ExchangeCheck(this, save, IDC_DS_BELL_EXCURSION, bellExcursion_);
}

void CTabDivePlanDiveSettings::RefreshTexts() {
  SettingsPage::RefreshTexts();
  SetLabel(IDC_DS_SURFACE_INTERVAL_LABEL, IDS_SURFACE_INTERVAL_HHMM);
}

controls::CSTimeHM* CTabDivePlanDiveSettings::SurfaceInterval() const {
  return dynamic_cast<controls::CSTimeHM*>(FindWindow(IDC_DS_SURFACE_INTERVAL));
}

controls::CGasComboCompletion* CTabDivePlanDiveSettings::BellGas() const {
  return dynamic_cast<controls::CGasComboCompletion*>(FindWindow(IDC_DS_BELL_GAS));
}

void CTabDivePlanDiveSettings::ShowSurfaceInterval(bool show) {
  for (int id : {IDC_DS_SURFACE_INTERVAL, IDC_DS_SURFACE_INTERVAL_LABEL}) {
    if (wxWindow* control = FindWindow(id)) control->Show(show);
  }
}

void CTabDivePlanDiveSettings::HideBellExcursion() {
  for (int id : kBellExcursionControls) {
    if (wxWindow* control = FindWindow(id)) control->Hide();
  }
}

}  // namespace app
