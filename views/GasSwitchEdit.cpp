#include "views/GasSwitchEdit.h"

#include <wx/radiobut.h>
#include <wx/spinbutt.h>

#include "controls/GasComboCompletion.h"
#include "controls/NumSpinCtrl.h"
#include "engine/AppSettings.h"
#include "engine/NumberText.h"
#include "engine/PrivateMessages.h"
#include "framework/DataExchange.h"
#include "framework/Messages.h"
#include "platform/UserInterface.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"
#include "views/DialogKeys.h"
#include "views/ShadedButtons.h"
#include "views/core/GasSwitchEditRules.h"
#include "views/core/GeneratorChecks.h"
#include "views/core/GeneratorPage.h"

namespace views {
namespace {

constexpr double kMaxDepthMetres = 305;
constexpr double kMaxDepthFeet = 1000;

bool IsDisplayImperial() { return DisplayUnits() == UnitSystem::kImperial; }

double DefaultSetPoint() { return AppSettings().divePlan.defaultSetPointBar.Get(); }

}  // namespace

CGasSwitchEdit::CGasSwitchEdit(wxWindow* parent) : TemplateDialog(IDD_GAS_SWITCH_EDIT, parent) {}

wxWindow* CGasSwitchEdit::CreateControl(wxWindow* parent, const platform::DialogControl& control,
                                        const wxPoint& position, const wxSize& size) {
  switch (control.id) {
    case IDC_GS_DEPTH_SPIN:
    case IDC_GS_SET_POINT_SPIN:
      return new controls::CNumSpinCtrl(parent, control.id, position, size);
    case IDC_GS_GAS:
      return new controls::CGasComboCompletion(parent, control.id, position, size);
    default:
      return MakeShadedButton(parent, control, position, size);
  }
}

controls::CNumSpinCtrl* CGasSwitchEdit::DepthSpin() const {
  return dynamic_cast<controls::CNumSpinCtrl*>(FindWindow(IDC_GS_DEPTH_SPIN));
}

controls::CNumSpinCtrl* CGasSwitchEdit::SetPointSpin() const {
  return dynamic_cast<controls::CNumSpinCtrl*>(FindWindow(IDC_GS_SET_POINT_SPIN));
}

controls::CGasComboCompletion* CGasSwitchEdit::GasBox() const {
  return dynamic_cast<controls::CGasComboCompletion*>(FindWindow(IDC_GS_GAS));
}

bool CGasSwitchEdit::IsClosedCircuit() const {
  const auto* closed = dynamic_cast<wxRadioButton*>(FindWindow(IDC_GS_CLOSED_CIRCUIT));
  return closed != nullptr && closed->GetValue();
}

bool CGasSwitchEdit::OnInitDialog() {
  TemplateDialog::OnInitDialog();
  for (const auto& [id, tip] : {std::pair{IDC_GS_ADD, IDS_TIP_ADD_SWITCH}, {IDC_GS_UPDATE, IDS_TIP_UPDATE_SWITCH},
                                {IDC_GS_DELETE, IDS_TIP_DELETE_SWITCH}, {IDC_GS_CANCEL, IDS_TIP_CANCEL_SWITCH}}) {
    StyleShadedButton(*this, id, 0, tip);
  }
  wxWindow* title = FindWindow(IDC_GS_TITLE);
  framework::SetWindowText(*title, wxString::FromUTF8(title_));
  title->SetFont(title->GetFont().Bold());
  framework::SetWindowText(*FindWindow(IDC_GS_DEPTH_LABEL),
                           wxString::FromUTF8(ResourceString(IsDisplayImperial() ? IDS_GRAPH_DEPTH_FEET : IDS_GRAPH_DEPTH_METRES)));

  controls::CNumSpinCtrl* depth = DepthSpin();
  depth->SetBuddy(FindWindow(IDC_GS_DEPTH), false);
  depth->SetDecimalPlaces(0);
  depth->SetRangeAndDelta(0, IsDisplayImperial() ? kMaxDepthFeet : kMaxDepthMetres, -1);
  depth->SetPos(switch_.GetDepth());

  const bool closedCircuit =
      switch_.IsGasSet() ? switch_.IsClosedCircuit() : AppSettings().divePlan.defaultClosedCircuit.raw.Get() == 0;
  dynamic_cast<wxRadioButton*>(FindWindow(closedCircuit ? IDC_GS_CLOSED_CIRCUIT : IDC_GS_OPEN_CIRCUIT))->SetValue(true);

  controls::CGasComboCompletion* gas = GasBox();
  gas->FillList(AppSettings().gasMix.gasMixes.Get());
  gas->SelectGas(switch_.GetOxygen(), switch_.GetHelium());

  controls::CNumSpinCtrl* setPoint = SetPointSpin();
  setPoint->SetBuddy(FindWindow(IDC_GS_SET_POINT), false);
  setPoint->SetDecimalPlaces(2);
  setPoint->SetRangeAndDelta(kSetPointBar.min, kSetPointBar.max, 0.01);
  setPoint->SetPos(switch_.IsGasSet() ? switch_.GetSetPoint() : DefaultSetPoint());

  ShowCircuit();
  UpdateButtons();
  BindEvents();
  MoveFocusOnEnter(*this);
  return true;
}

void CGasSwitchEdit::BindEvents() {
  FindWindow(IDC_GS_DEPTH)->Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
    event.Skip();
    DepthSpin()->ClampToRange();
    UpdatePpo2();
    UpdateButtons();
  });
  Bind(wxEVT_SPIN, [this](wxSpinEvent&) {
    UpdatePpo2();
    UpdateButtons();
  }, IDC_GS_DEPTH_SPIN);
  FindWindow(IDC_GS_SET_POINT)->Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
    event.Skip();
    SetPointSpin()->ClampToRange();
  });
  Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { ChooseClosedCircuit(); }, IDC_GS_CLOSED_CIRCUIT);
  Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { ShowCircuit(); }, IDC_GS_OPEN_CIRCUIT);
  framework::BindMessage(*this, WMU_GAS_MIX_SELECTED, [this](std::intptr_t oxygen, std::intptr_t helium) {
    UpdatePpo2();
    framework::PostToMainWindow(WMU_GAS_MIX_SELECTED, oxygen, helium);
    return 0;
  });
  framework::BindMessage(*this, WMU_GAS_MIX_ADDED, [this](std::intptr_t oxygen, std::intptr_t helium) {
    AppSettings().gasMix.gasMixes.Set(GasBox()->GetListText());
    framework::PostToMainWindow(WMU_GAS_MIX_ADDED, oxygen, helium);
    return 0;
  });
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Finish(kAdd); }, IDC_GS_ADD);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Finish(kUpdate); }, IDC_GS_UPDATE);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Finish(kDelete); }, IDC_GS_DELETE);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(framework::kIdCancel); }, IDC_GS_CANCEL);
}

// Every choice of closed circuit starts again from the default set-point.
void CGasSwitchEdit::ChooseClosedCircuit() {
  SetPointSpin()->SetPos(DefaultSetPoint());
  SetPointSpin()->ClampToRange();
  ShowCircuit();
}

void CGasSwitchEdit::ShowCircuit() {
  const bool closedCircuit = IsClosedCircuit();
  for (int id : {IDC_GS_SET_POINT_LABEL, IDC_GS_SET_POINT, IDC_GS_SET_POINT_SPIN}) FindWindow(id)->Show(closedCircuit);
  for (int id : {IDC_GS_PPO2_LABEL, IDC_GS_PPO2}) FindWindow(id)->Show(!closedCircuit);
  UpdatePpo2();
}

// The open-circuit PPO2 at the depth, below the generator's surface pressure.
void CGasSwitchEdit::UpdatePpo2() {
  if (IsClosedCircuit()) return;
  const double metres = ToMetres(DepthSpin()->GetPos(), DisplayUnits());
  const double ppo2 = GeneratorPpo2(GasBox()->GetGas().GetOxygen(), metres, surfacePressureMbar_);
  framework::SetWindowText(*FindWindow(IDC_GS_PPO2), FormatC("%.2f", ppo2));
}

void CGasSwitchEdit::UpdateButtons() {
  const GasSwitchEditRules rules(descentMode_, startingDepth_, usedDepths_);
  const double depth = DepthSpin()->GetPos();
  FindWindow(IDC_GS_ADD)->Enable(rules.CanAdd(depth));
  FindWindow(IDC_GS_UPDATE)->Enable(rules.CanUpdate(depth));
  FindWindow(IDC_GS_DELETE)->Enable(rules.CanDelete());
}

void CGasSwitchEdit::Finish(Result result) {
  if (result != kDelete) {
    const CGas gas = GasBox()->GetGas();
    if (!gas.IsValid()) {
      platform::AskUser(ResourceString(IDS_MSG_INVALID_GAS), platform::mb::kOk | platform::mb::kIconExclamation);
      return;
    }
    const bool closedCircuit = IsClosedCircuit();
    switch_.Set(DepthSpin()->GetPos(), gas.GetOxygen(), gas.GetHelium(), closedCircuit,
                closedCircuit ? SetPointSpin()->GetPos() : 0, true);
  }
  result_ = result;
  EndModal(framework::kIdOk);
}

}  // namespace views
