#include "app/PreferencePages.h"

#include <cmath>

#include "controls/MultiFieldEdit.h"
#include "controls/NumSpinCtrl.h"
#include "engine/PrivateMessages.h"
#include "framework/DataExchange.h"
#include "framework/Messages.h"
#include "resources/resource.h"
#include "views/ShadedButtons.h"

namespace app {
namespace {

using N = PreferenceNumber;
using C = PreferenceChoice;

constexpr int kZhl16c = 1;
// The longest time the hours:minutes field holds: 71:59.
constexpr int kLongestShownIntervalSec = 71 * 3600 + 59 * 60;

}  // namespace

PreferencePage::PreferencePage(int templateId, std::vector<NumberField> numbers, std::vector<ChoiceField> choices)
    : SettingsPage(templateId, SpinFields(numbers)),
      numbers_(std::move(numbers)),
      spinFields_(SpinFields(numbers_)),
      choices_(std::move(choices)) {}

std::vector<SettingsSpinField> PreferencePage::SpinFields(const std::vector<NumberField>& numbers) {
  std::vector<SettingsSpinField> fields;
  for (const NumberField& field : numbers) {
    // The pages post nothing: the dialog reads them on OK.
    fields.push_back({0, field.editId, field.spinId, field.labelId, &PreferenceFormat(field.number)});
  }
  return fields;
}

bool PreferencePage::OnInitDialog() {
  SettingsPage::OnInitDialog();
  // Every check box and radio button keeps the members following the controls.
  for (const ChoiceField& choice : choices_) {
    for (int id = choice.firstId; id <= choice.firstId + (choice.radio ? 1 : 0); ++id) {
      Bind(choice.radio ? wxEVT_RADIOBUTTON : wxEVT_CHECKBOX, [this](wxCommandEvent& event) {
        UpdateData(true);
        event.Skip();
      }, id);
    }
  }
  return true;
}

void PreferencePage::DoDataExchange(bool save) {
  for (const ChoiceField& choice : choices_) {
    int& member = members_[choice.choice];
    if (choice.radio) {
      framework::ExchangeRadio(this, save, choice.firstId, member);
    } else {
      bool checked = member != 0;
      framework::ExchangeCheck(this, save, choice.firstId, checked);
      member = checked ? 1 : 0;
    }
  }
}

void PreferencePage::Show(const PreferenceValues& stored, UnitSystem units) {
  for (const ChoiceField& choice : choices_) members_[choice.choice] = stored[choice.choice];
  UpdateData(false);
  for (std::size_t i = 0; i < numbers_.size(); ++i) {
    const SettingsSpinField& field = SpinField(i);
    ShowValue(field, ShownSettingValue(field.format->quantity, stored[numbers_[i].number], units));
  }
}

void PreferencePage::Read(const PreferenceValues& stored, UnitSystem units, PreferenceValues& chosen) {
  UpdateData(true);
  for (const ChoiceField& choice : choices_) chosen[choice.choice] = members_[choice.choice];
  for (std::size_t i = 0; i < numbers_.size(); ++i) {
    const SettingsSpinField& field = SpinField(i);
    const PreferenceNumber number = numbers_[i].number;
    if (!IsChanged(field)) {
      chosen[number] = stored[number];
      continue;
    }
    // A value typed and not yet left is brought into range as leaving the field would.
    if (controls::CNumSpinCtrl* spin = Spin(field.spinId)) spin->ClampToRange();
    chosen[number] = EngineSettingValue(field.format->quantity, Value(field), units);
  }
}

void PreferencePage::ChangeUnits(UnitSystem units) {
  std::vector<double> shown;
  std::vector<bool> untouched;
  for (const SettingsSpinField& field : spinFields_) {
    shown.push_back(Value(field));
    untouched.push_back(!IsChanged(field));
  }
  ApplyUnits(units);
  for (std::size_t i = 0; i < spinFields_.size(); ++i) {
    const SettingsSpinField& field = spinFields_[i];
    if (field.format->quantity == SettingQuantity::kAsStored) continue;
    if (controls::CNumSpinCtrl* spin = Spin(field.spinId)) spin->SetPos(ShownInUnits(*field.format, shown[i], units));
    // An untouched value stays untouched: OK keeps what was stored.
    if (untouched[i]) MarkGiven(field);
  }
}

CTabPreferencesGeneral::CTabPreferencesGeneral()
    : PreferencePage(IDD_PREFERENCES_GENERAL, {{N::kDefaultSetPoint, IDC_PG_SET_POINT, IDC_PG_SET_POINT_SPIN, 0}},
                     {{C::kChartGrid, IDC_PG_CHART_GRID, false},
                      {C::kAutoRecalc, IDC_PG_AUTO_RECALC, false},
                      {C::kNoClearSurface, IDC_PG_NO_CLEAR_SURFACE, false},
                      {C::kUnits, IDC_PG_METRIC, true},
                      {C::kPrintingDirection, IDC_PG_RUN_TIME_DESCENDING, true},
                      {C::kTimeUnits, IDC_PG_MINUTES_ONLY, true},
                      {C::kFirstAscentOption, IDC_PG_MERGED_FIRST_ASCENT, true},
                      {C::kDefaultCircuit, IDC_PG_CLOSED_CIRCUIT, true}}) {}

bool CTabPreferencesGeneral::OnInitDialog() {
  PreferencePage::OnInitDialog();
  for (int id : {IDC_PG_METRIC, IDC_PG_IMPERIAL}) {
    Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent& event) {
      event.Skip();
      OnUnitsClicked();
    }, id);
  }
  return true;
}

UnitSystem CTabPreferencesGeneral::Units() const {
  return Members()[C::kUnits] == 1 ? UnitSystem::kImperial : UnitSystem::kMetric;
}

void CTabPreferencesGeneral::OnUnitsClicked() {
  UpdateData(true);
  const int units = Members()[C::kUnits];
  if (units == unitsTold_ || !unitsTarget_) return;
  unitsTold_ = units;
  framework::PostMessage(unitsTarget_.get(), WMU_UNITS_CHANGED, units, 0);
}

void CTabPreferencesGeneral::Show(const PreferenceValues& stored, UnitSystem units) {
  PreferencePage::Show(stored, units);
  unitsTold_ = stored[C::kUnits];
  if (wxWindow* name = FindWindow(IDC_PG_DIVER_NAME)) framework::SetWindowText(*name, wxString::FromUTF8(stored.diverName));
}

void CTabPreferencesGeneral::Read(const PreferenceValues& stored, UnitSystem units, PreferenceValues& chosen) {
  PreferencePage::Read(stored, units, chosen);
  if (const wxWindow* name = FindWindow(IDC_PG_DIVER_NAME)) chosen.diverName = framework::WindowText(*name).utf8_string();
}

CTabPreferencesDivePlan::CTabPreferencesDivePlan()
    : PreferencePage(IDD_PREFERENCES_DIVE_PLAN,
                     {{N::kCylinderPressure, IDC_SETTINGS_CYLINDER_PRESSURE, IDC_SETTINGS_CYLINDER_SPIN,
                       IDC_SETTINGS_CYLINDER_LABEL},
                      {N::kGasReserve, IDC_SETTINGS_GAS_RESERVE, IDC_SETTINGS_GAS_RESERVE_SPIN, 0}},
                     {{C::kSurfaceIntervalAlgorithm, IDC_SETTINGS_SI_DSD, true},
                      {C::kAlgorithm, IDC_SETTINGS_ZHL16A, true}}) {}

bool CTabPreferencesDivePlan::OnInitDialog() {
  PreferencePage::OnInitDialog();
  // ZH-L16A is no choice: the page always chooses ZH-L16C.
  if (wxWindow* zhl16a = FindWindow(IDC_SETTINGS_ZHL16A)) zhl16a->Hide();
  return true;
}

void CTabPreferencesDivePlan::Show(const PreferenceValues& stored, UnitSystem units) {
  PreferenceValues shown = stored;
  shown[C::kAlgorithm] = kZhl16c;
  PreferencePage::Show(shown, units);
}

CTabPreferencesDive::CTabPreferencesDive()
    : PreferencePage(IDD_PREFERENCES_DIVE,
                     {{N::kSurfacePressure, IDC_PD_SURFACE_PRESSURE, IDC_PD_SURFACE_PRESSURE_SPIN, 0},
                      {N::kGfLow, IDC_PD_GF_LOW, IDC_PD_GF_LOW_SPIN, 0},
                      {N::kGfHigh, IDC_PD_GF_HIGH, IDC_PD_GF_HIGH_SPIN, 0},
                      {N::kSacRate, IDC_PD_SAC_RATE, IDC_PD_SAC_RATE_SPIN, IDC_PD_SAC_RATE_LABEL},
                      {N::kMaxPpo2, IDC_PD_MAX_PPO2, IDC_PD_MAX_PPO2_SPIN, 0},
                      {N::kMaxEad, IDC_PD_MAX_EAD, IDC_PD_MAX_EAD_SPIN, IDC_PD_MAX_EAD_LABEL},
                      {N::kDescentRate, IDC_PD_DESCENT_RATE, IDC_PD_DESCENT_RATE_SPIN, IDC_PD_DESCENT_RATE_LABEL},
                      {N::kAscentRate, IDC_PD_ASCENT_RATE, IDC_PD_ASCENT_RATE_SPIN, IDC_PD_ASCENT_RATE_LABEL},
                      {N::kLastDecoStop, IDC_PD_LAST_DECO_STOP, IDC_PD_LAST_DECO_STOP_SPIN,
                       IDC_PD_LAST_DECO_STOP_LABEL}},
                     {}) {}

wxWindow* CTabPreferencesDive::CreateControl(wxWindow* parent, const platform::DialogControl& control,
                                             const wxPoint& position, const wxSize& size) {
  if (control.id == IDC_PD_SURFACE_INTERVAL) return new controls::CSTimeHM(parent, control.id, position, size);
  return PreferencePage::CreateControl(parent, control, position, size);
}

controls::CSTimeHM* CTabPreferencesDive::SurfaceInterval() const {
  return dynamic_cast<controls::CSTimeHM*>(FindWindow(IDC_PD_SURFACE_INTERVAL));
}

void CTabPreferencesDive::Show(const PreferenceValues& stored, UnitSystem units) {
  PreferencePage::Show(stored, units);
  if (controls::CSTimeHM* interval = SurfaceInterval()) {
    interval->SetSeconds(std::min(stored.surfaceIntervalSec, kLongestShownIntervalSec));
    shownIntervalSec_ = interval->GetSeconds();
  }
}

void CTabPreferencesDive::Read(const PreferenceValues& stored, UnitSystem units, PreferenceValues& chosen) {
  PreferencePage::Read(stored, units, chosen);
  // A field left as shown keeps the stored seconds, also those it cannot show.
  const controls::CSTimeHM* interval = SurfaceInterval();
  const bool untouched = interval == nullptr || interval->GetSeconds() == shownIntervalSec_;
  chosen.surfaceIntervalSec = untouched ? stored.surfaceIntervalSec : interval->GetSeconds();
}

CTabPreferencesBailout::CTabPreferencesBailout()
    : PreferencePage(IDD_PREFERENCES_BAILOUT,
                     {{N::kBailoutGasSwitches, IDC_PB_GAS_SWITCHES, IDC_PB_GAS_SWITCHES_SPIN, 0},
                      {N::kBailoutGfLow, IDC_PB_GF_LOW, IDC_PB_GF_LOW_SPIN, 0},
                      {N::kBailoutGfHigh, IDC_PB_GF_HIGH, IDC_PB_GF_HIGH_SPIN, 0},
                      {N::kBailoutSacRate, IDC_PB_SAC_RATE, IDC_PB_SAC_RATE_SPIN, IDC_PB_SAC_RATE_LABEL},
                      {N::kBailoutMaxPpo2, IDC_PB_MAX_PPO2, IDC_PB_MAX_PPO2_SPIN, 0},
                      {N::kBailoutMaxEad, IDC_PB_MAX_EAD, IDC_PB_MAX_EAD_SPIN, IDC_PB_MAX_EAD_LABEL},
                      {N::kBailoutMaxCns, IDC_PB_MAX_CNS, IDC_PB_MAX_CNS_SPIN, 0},
                      {N::kBailoutDescentRate, IDC_PB_DESCENT_RATE, IDC_PB_DESCENT_RATE_SPIN,
                       IDC_PB_DESCENT_RATE_LABEL},
                      {N::kBailoutAscentRate, IDC_PB_ASCENT_RATE, IDC_PB_ASCENT_RATE_SPIN, IDC_PB_ASCENT_RATE_LABEL},
                      {N::kBailoutLastDecoStop, IDC_PB_LAST_DECO_STOP, IDC_PB_LAST_DECO_STOP_SPIN,
                       IDC_PB_LAST_DECO_STOP_LABEL}},
                     {{C::kUseBailoutGasList, IDC_PB_USE_GAS_LIST, false},
                      {C::kIgnoreIcd, IDC_PB_IGNORE_ICD, false},
                      {C::kIgnoreCns, IDC_PB_IGNORE_CNS, false}}) {}

CTabPreferencesBailoutGasList::CTabPreferencesBailoutGasList()
    : PreferencePage(IDD_PREFERENCES_GAS_LIST, {}, {}),
      // The list reaches the settings only through the dialog's OK.
      editor_(*this, {IDC_PL_GAS, IDC_PL_LIST, IDC_PL_ADD, IDC_PL_DELETE, IDC_PL_LOAD, IDC_PL_SAVE}, [] {}) {}

wxWindow* CTabPreferencesBailoutGasList::CreateControl(wxWindow* parent, const platform::DialogControl& control,
                                                       const wxPoint& position, const wxSize& size) {
  if (wxWindow* button = views::MakeShadedButton(parent, control, position, size)) return button;
  return PreferencePage::CreateControl(parent, control, position, size);
}

bool CTabPreferencesBailoutGasList::OnInitDialog() {
  PreferencePage::OnInitDialog();
  editor_.Bind(IDS_TIP_GAS_LIST_ADD, IDS_TIP_GAS_LIST_DELETE, IDS_TIP_GAS_LIST_LOAD, IDS_TIP_GAS_LIST_SAVE);
  return true;
}

void CTabPreferencesBailoutGasList::Show(const PreferenceValues& stored, UnitSystem) {
  editor_.SetGasMixes(stored.gasMixes);
  editor_.SetListText(stored.bailoutGasList);
}

void CTabPreferencesBailoutGasList::Read(const PreferenceValues&, UnitSystem, PreferenceValues& chosen) {
  chosen.bailoutGasList = editor_.GetListText();
}

}  // namespace app
