#include "app/PlanGroupSettings.h"

#include "app/DialogButtons.h"
#include "app/core/CustomCompartmentValues.h"
#include "controls/NumSpinCtrl.h"
#include "engine/AppSettings.h"
#include "engine/NumberText.h"
#include "framework/DataExchange.h"
#include "framework/FileDialogs.h"
#include "platform/UserInterface.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"
#include "views/ShadedButtons.h"

namespace app {
namespace {

constexpr int kCustomAlgorithm = 2;
constexpr int kZhl16cAlgorithm = 1;

struct PressureRange {
  double minimum;
  double maximum;
};
constexpr PressureRange kBarRange{150, 250};
constexpr PressureRange kPsiRange{2200, 3675};
constexpr double kGasReserveMinimumPercent = 10;
constexpr double kGasReserveMaximumPercent = 50;

bool Imperial() { return DisplayUnits() == UnitSystem::kImperial; }

}  // namespace

CPlanGroupSettings::CPlanGroupSettings(wxWindow* parent) : CHelpDlg(IDD_PLAN_GROUP_SETTINGS, parent) {
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { LoadCustomValues(); }, IDC_SETTINGS_LOAD);
  for (int radio : {IDC_SETTINGS_ZHL16A, IDC_SETTINGS_ZHL16C, IDC_SETTINGS_CUSTOM}) {
    Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) {
      UpdateData(true);
      ShowLoadForCustom();
    }, radio);
  }
}

wxWindow* CPlanGroupSettings::CreateControl(wxWindow* parent, const platform::DialogControl& control,
                                            const wxPoint& position, const wxSize& size) {
  if (control.id == IDC_SETTINGS_CYLINDER_SPIN || control.id == IDC_SETTINGS_GAS_RESERVE_SPIN) {
    return new controls::CNumSpinCtrl(parent, control.id, position, size);
  }
  return views::MakeShadedButton(parent, control, position, size);
}

controls::CNumSpinCtrl* CPlanGroupSettings::Spin(int id) const {
  return dynamic_cast<controls::CNumSpinCtrl*>(FindWindow(id));
}

bool CPlanGroupSettings::OnInitDialog() {
  CHelpDlg::OnInitDialog();
  StyleOkCancelButtons(*this, IDS_SETTINGS_OK_TIP, IDS_SETTINGS_CANCEL_TIP);
  views::StyleShadedButton(*this, IDC_SETTINGS_LOAD, 0, 0);
  ShowLoadForCustom();
  SetUpSpins();
  // The choice is between ZH-L16C, hidden but in force, and Custom; the option of the OEM group
  // is never offered.
  for (int hidden : {IDC_SETTINGS_ZHL16A, IDC_SETTINGS_ZHL16C, IDC_SETTINGS_LOAD, IDC_SETTINGS_OEM,
                     IDC_SETTINGS_MAXPIGT}) {
    if (wxWindow* control = FindWindow(hidden)) control->Hide();
  }
  m_algorithm = kZhl16cAlgorithm;
  m_useMaxPigtForGf = false;
  UpdateData(false);
  return true;
}

void CPlanGroupSettings::SetUpSpins() {
  const bool imperial = Imperial();
  if (controls::CNumSpinCtrl* cylinder = Spin(IDC_SETTINGS_CYLINDER_SPIN)) {
    const PressureRange range = imperial ? kPsiRange : kBarRange;
    cylinder->SetDecimals(0);
    cylinder->SetRangeAndDelta(range.minimum, range.maximum, 1);
    cylinder->SetPos(imperial ? m_cylinderWorkingPressureBar * kPsiPerBar : m_cylinderWorkingPressureBar);
  }
  if (wxWindow* label = FindWindow(IDC_SETTINGS_CYLINDER_LABEL)) {
    label->SetLabel(wxString::FromUTF8(ResourceString(imperial ? IDS_CYLINDER_PRESSURE_PSI : IDS_CYLINDER_PRESSURE_BAR)));
  }
  if (controls::CNumSpinCtrl* reserve = Spin(IDC_SETTINGS_GAS_RESERVE_SPIN)) {
    reserve->SetDecimals(1);
    reserve->SetTrimTrailingZeros(true);
    reserve->SetRangeAndDelta(kGasReserveMinimumPercent, kGasReserveMaximumPercent, 1);
    reserve->SetPos(m_gasReservePercent);
  }
  // A typed value is brought into its range when the field is left.
  for (const auto& [edit, spin] : {std::pair{IDC_SETTINGS_CYLINDER_PRESSURE, IDC_SETTINGS_CYLINDER_SPIN},
                                   std::pair{IDC_SETTINGS_GAS_RESERVE, IDC_SETTINGS_GAS_RESERVE_SPIN}}) {
    if (wxWindow* field = FindWindow(edit)) {
      field->Bind(wxEVT_KILL_FOCUS, [this, spinId = spin](wxFocusEvent& event) {
        if (controls::CNumSpinCtrl* arrows = Spin(spinId)) arrows->ClampToRange();
        event.Skip();
      });
    }
  }
}

void CPlanGroupSettings::ShowLoadForCustom() {
  if (wxWindow* load = FindWindow(IDC_SETTINGS_LOAD)) load->Show(m_algorithm == kCustomAlgorithm);
}

void CPlanGroupSettings::DoDataExchange(bool save) {
  framework::ExchangeRadio(this, save, IDC_SETTINGS_SI_DSD, m_surfaceIntervalMethod);
  framework::ExchangeRadio(this, save, IDC_SETTINGS_ZHL16A, m_algorithm);
  framework::ExchangeCheck(this, save, IDC_SETTINGS_MAXPIGT, m_useMaxPigtForGf);
}

bool CPlanGroupSettings::TransferDataFromWindow() {
  // A value typed and confirmed with Enter has not left its field: it is brought into range here.
  controls::CNumSpinCtrl* cylinder = Spin(IDC_SETTINGS_CYLINDER_SPIN);
  controls::CNumSpinCtrl* reserve = Spin(IDC_SETTINGS_GAS_RESERVE_SPIN);
  if (cylinder != nullptr) {
    cylinder->ClampToRange();
    m_cylinderWorkingPressureBar = Imperial() ? cylinder->GetPos() * kBarPerPsi : cylinder->GetPos();
  }
  if (reserve != nullptr) {
    reserve->ClampToRange();
    m_gasReservePercent = reserve->GetPos();
  }
  return CHelpDlg::TransferDataFromWindow();
}

void CPlanGroupSettings::LoadCustomValues() {
  wxFileDialog dialog(this, wxString::FromUTF8(ResourceString(IDS_CUSTOM_VALUES_TITLE)), wxEmptyString, wxEmptyString,
                      wxString::FromUTF8(ResourceString(IDS_CUSTOM_VALUES_FILTER)), wxFD_OPEN);
  if (dialog.ShowModal() != wxID_OK) return;
  const CustomValuesReading reading = LoadCustomCompartmentValuesFile(framework::ChosenPath(dialog).utf8_string());
  switch (reading.result) {
    case CustomValuesReading::Result::kRead: break;
    case CustomValuesReading::Result::kCannotOpen:
      platform::AskUser(ResourceString(IDS_MSG_UNABLE_TO_OPEN_FILE), platform::mb::kOk | platform::mb::kIconExclamation);
      break;
    case CustomValuesReading::Result::kWrongLine:
      platform::AskUser(FormatC(ResourceFormat(IDS_MSG_CUSTOM_VALUES_LINE).c_str(), reading.wrongLine),
                        platform::mb::kOk | platform::mb::kIconExclamation);
      break;
  }
}

}  // namespace app
