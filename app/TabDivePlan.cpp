#include "app/TabDivePlan.h"

#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>

#include "controls/ColorListCtrl.h"
#include "controls/GasComboCompletion.h"
#include "controls/ImageButton.h"
#include "controls/NumSpinCtrl.h"
#include "engine/AppSettings.h"
#include "engine/DivePlan.h"
#include "engine/PrivateMessages.h"
#include "framework/Messages.h"
#include "framework/TemplateBuilder.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"

namespace app {
namespace {

using controls::anchor::kBottomRight;
using controls::anchor::kTopLeft;

constexpr std::uint32_t kUpDownWrap = 0x1;
constexpr std::uint32_t kUpDownArrowKeys = 0x20;

// The fields and buttons keep their place and size; the graph follows the page's.
constexpr int kFixedControls[] = {
    IDC_ENTRY_GROUP,    IDC_DEPTH_LABEL,       IDC_DURATION_LABEL,   IDC_DEPTH_EDIT,      IDC_DEPTH_SPIN,
    IDC_DURATION_EDIT,  IDC_DURATION_SPIN,     IDC_CIRCUIT_LABEL,    IDC_GAS_MIX_LABEL,   IDC_SET_POINT_LABEL,
    IDC_CLOSED_CIRCUIT, IDC_OPEN_CIRCUIT,      IDC_NO_CLEAR_SURFACE, IDC_POINT_GAS,       IDC_SET_POINT_EDIT,
    IDC_SET_POINT_SPIN, IDC_OPEN_CIRCUIT_PPO2, IDC_POINT_ADD,        IDC_POINT_INSERT,    IDC_POINT_UPDATE,
    IDC_POINT_DELETE,   IDC_POINT_LIST,        IDC_SETTINGS_SHEET_FRAME};

struct PointButton {
  int id;
  int captionId;
  int tooltipId;
};
constexpr PointButton kPointButtons[] = {{IDC_POINT_ADD, IDS_POINT_ADD, IDS_TIP_POINT_ADD},
                                         {IDC_POINT_UPDATE, IDS_POINT_UPDATE, IDS_TIP_POINT_UPDATE},
                                         {IDC_POINT_INSERT, IDS_POINT_INSERT, IDS_TIP_POINT_INSERT},
                                         {IDC_POINT_DELETE, IDS_POINT_DELETE, IDS_TIP_POINT_DELETE}};

// The shade of every button of the program's windows.
constexpr int kShadeStyle = 6;
constexpr int kShadeGranularity = 8;
constexpr int kShadeHighlightPercent = 10;

double DefaultSetPointBar() { return AppSettings().divePlan.defaultSetPointBar.Get(); }

}  // namespace

CTabDivePlan::CTabDivePlan()
    : CResizablePage(IDD_DIVE_PLAN_PAGE), CProfileReadout(nullptr, DisplayUnits()), editor_(DefaultSetPointBar()) {}

CTabDivePlan::~CTabDivePlan() = default;

wxWindow* CTabDivePlan::CreateControl(wxWindow* parent, const platform::DialogControl& control,
                                      const wxPoint& position, const wxSize& size) {
  switch (control.id) {
    case IDC_DEPTH_SPIN:
    case IDC_DURATION_SPIN:
    case IDC_SET_POINT_SPIN:
      return new controls::CNumSpinCtrl(parent, control.id, position, size, (control.style & kUpDownWrap) != 0,
                                        (control.style & kUpDownArrowKeys) != 0);
    case IDC_POINT_GAS: return new controls::CGasComboCompletion(parent, control.id, position, size);
    case IDC_POINT_ADD:
    case IDC_POINT_INSERT:
    case IDC_POINT_UPDATE:
    case IDC_POINT_DELETE:
      return new controls::CShadedButton(parent, control.id, framework::TemplateText(control.text), position, size);
    case IDC_POINT_LIST:
      return new controls::CColorListCtrl(parent, control.id, position, size,
                                          wxLC_REPORT | wxLC_SINGLE_SEL | wxBORDER_THEME);
    default: return nullptr;
  }
}

bool CTabDivePlan::OnInitDialog() {
  CResizablePage::OnInitDialog();
  depthSpin_ = dynamic_cast<controls::CNumSpinCtrl*>(FindWindow(IDC_DEPTH_SPIN));
  durationSpin_ = dynamic_cast<controls::CNumSpinCtrl*>(FindWindow(IDC_DURATION_SPIN));
  setPointSpin_ = dynamic_cast<controls::CNumSpinCtrl*>(FindWindow(IDC_SET_POINT_SPIN));
  gasBox_ = dynamic_cast<controls::CGasComboCompletion*>(FindWindow(IDC_POINT_GAS));
  pointList_ = dynamic_cast<controls::CColorListCtrl*>(FindWindow(IDC_POINT_LIST));
  if (!depthSpin_ || !durationSpin_ || !setPointSpin_ || !gasBox_ || !pointList_) return false;
  units_ = DisplayUnits();
  AnchorControls();
  initialised_ = true;
  if (wxWindow* place = FindWindow(IDC_SETTINGS_SHEET_FRAME)) {
    settingsSheet_ = std::make_unique<DiveSettingsSheet>(*this, place->GetRect(), *this);
  }
  CreateGraph();
  SetUpPointButtons();
  selectedRow_ = -1;
  gasBox_->FillList(AppSettings().gasMix.gasMixes.Get());
  SetUpEntryFields();
  BindEvents();
  ShowCircuitFields();
  RefreshTexts();
  return true;
}

void CTabDivePlan::AnchorControls() {
  for (int id : kFixedControls) AddAnchor(id, kTopLeft, kTopLeft);
  AddAnchor(IDC_GRAPH_FRAME, kTopLeft, kBottomRight);
}

void CTabDivePlan::SetUpPointButtons() {
  for (const PointButton& entry : kPointButtons) {
    auto* button = dynamic_cast<controls::CShadedButton*>(FindWindow(entry.id));
    if (button == nullptr) continue;
    button->SetShadeStyle(kShadeStyle, kShadeGranularity, kShadeHighlightPercent, 0, wxColour(0, 0, 0));
    button->SetButtonCursor(IDC_HAND_POINTER, true);
    button->SetTooltipTextId(entry.tooltipId, true);
    if (entry.id != IDC_POINT_ADD) button->Disable();
  }
}

void CTabDivePlan::SetUpEntryFields() {
  const double setPoint = DefaultSetPointBar();
  SetDepthUnits(units_);
  depthSpin_->SetPos(0);
  depthValue_ = 0;
  setPointSpin_->SetRangeAndDelta(0.5, 1.5, 0.01);
  setPointSpin_->SetDecimals(2);
  setPointSpin_->SetPos(setPoint);
  setPointValueBar_ = setPoint;
  durationSpin_->SetRangeAndDelta(0, 360, 1);
  durationSpin_->SetDecimals(0);
  durationSpin_->SetPos(0);
  durationValueMin_ = 0;
  // "Default CC" 0 chooses closed circuit.
  const bool closedCircuit = AppSettings().divePlan.defaultClosedCircuit.raw.Get() == 0;
  if (auto* radio = dynamic_cast<wxRadioButton*>(FindWindow(closedCircuit ? IDC_CLOSED_CIRCUIT : IDC_OPEN_CIRCUIT))) {
    radio->SetValue(true);
  }
  if (auto* box = dynamic_cast<wxCheckBox*>(FindWindow(IDC_NO_CLEAR_SURFACE))) {
    box->SetValue(AppSettings().divePlan.defaultNoClearSurface.raw.Get() != 0);
  }
}

void CTabDivePlan::BindEvents() {
  BindEntryEvents();
  BindPointCommands();
  BindGasMessages();
  BindGraphMessages();
  Bind(wxEVT_CHAR_HOOK, &CTabDivePlan::OnCharHook, this);
}

void CTabDivePlan::OnCharHook(wxKeyEvent& event) {
  // Enter commits nothing on the page: it moves on to the next field.
  const int key = event.GetKeyCode();
  if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER) && !event.HasAnyModifiers()) {
    if (wxWindow* focus = FindFocus(); focus != nullptr && IsDescendant(focus)) {
      focus->Navigate(wxNavigationKeyEvent::IsForward);
      return;
    }
  }
  event.Skip();
}

void CTabDivePlan::BindGasMessages() {
  // The gas box tells the page; the main window keeps the ageing of the mixes and gives a new
  // one to every page.
  framework::BindMessage(*this, WMU_GAS_MIX_SELECTED, [this](std::intptr_t oxygen, std::intptr_t helium) {
    if (!IsActive()) return std::intptr_t{0};
    UpdatePointButtons();
    UpdateOpenCircuitPpo2();
    framework::PostToMainWindow(WMU_GAS_MIX_SELECTED, oxygen, helium);
    return std::intptr_t{0};
  });
  framework::BindMessage(*this, WMU_GAS_MIX_ADDED, [this](std::intptr_t oxygen, std::intptr_t helium) {
    if (!IsActive()) return std::intptr_t{0};
    UpdatePointButtons();
    AppSettings().gasMix.gasMixes.Set(gasBox_->GetListText());
    framework::PostToMainWindow(WMU_GAS_MIX_ADDED, oxygen, helium);
    return std::intptr_t{0};
  });
}

void CTabDivePlan::RefreshAll() {
  if (dive_ == nullptr) return;
  resetting_ = true;
  FeedGraph();
  UpdateGraphLabels();
  RefillPointList();
  if (settingsSheet_) settingsSheet_->RefreshSettingsPages();
  resetting_ = false;
}

void CTabDivePlan::OnDiveSettingsChanged() {
  UpdateOpenCircuitPpo2();
  RefreshAll();
}

void CTabDivePlan::RefreshTexts() {
  if (settingsSheet_) settingsSheet_->RefreshTexts();
  ReloadTemplateTexts({IDC_OPEN_CIRCUIT_PPO2});
  SetDepthLabel();
  const std::pair<int, int> labels[] = {{IDC_DURATION_LABEL, IDS_DURATION_MINS},
                                        {IDC_CIRCUIT_LABEL, IDS_CIRCUIT},
                                        {IDC_GAS_MIX_LABEL, IDS_GAS_MIX},
                                        {IDC_SET_POINT_LABEL, IDS_PPO2}};
  for (const auto& [id, stringId] : labels) {
    if (wxWindow* label = FindWindow(id)) label->SetLabel(wxString::FromUTF8(ResourceString(stringId)));
  }
  for (const PointButton& entry : kPointButtons) {
    auto* button = dynamic_cast<controls::CShadedButton*>(FindWindow(entry.id));
    if (button == nullptr) continue;
    button->SetLabel(framework::TemplateText(ResourceString(entry.captionId)));
    button->SetTooltipTextId(entry.tooltipId, true);
  }
  RefreshAll();
}

void CTabDivePlan::SetDepthLabel() {
  if (wxWindow* label = FindWindow(IDC_DEPTH_LABEL)) {
    const int text = units_ == UnitSystem::kImperial ? IDS_GRAPH_DEPTH_FEET : IDS_GRAPH_DEPTH_METRES;
    label->SetLabel(wxString::FromUTF8(ResourceString(text)));
  }
}

void CTabDivePlan::SetDepthUnits(UnitSystem units) {
  const bool converting = units != units_;
  units_ = units;
  SetReadoutUnits(units);
  SetDepthLabel();
  depthSpin_->SetRangeAndDelta(0, units == UnitSystem::kImperial ? 1000 : 305, -1);
  depthSpin_->SetDecimals(0);
  if (converting) depthSpin_->SetPos(ConvertShownDepth(depthSpin_->GetPos(), units));
  depthValue_ = depthSpin_->GetPos();
}

bool CTabDivePlan::AddGasToLists(double oxygenPercent, double heliumPercent) {
  gasBox_->AddGas(static_cast<int>(oxygenPercent), static_cast<int>(heliumPercent), true);
  if (settingsSheet_) {
    settingsSheet_->BailoutGasList().Editor().AddGasToBox(static_cast<int>(oxygenPercent),
                                                          static_cast<int>(heliumPercent));
  }
  return true;
}

}  // namespace app
