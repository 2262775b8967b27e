#include "views/TableGeneration.h"

#include <wx/radiobut.h>
#include <wx/spinbutt.h>

#include "controls/HistoryEdit.h"
#include "controls/ImageButton.h"
#include "controls/NumSpinCtrl.h"
#include "engine/AppSettings.h"
#include "engine/PrivateMessages.h"
#include "framework/DataExchange.h"
#include "framework/Messages.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"
#include "views/DialogKeys.h"
#include "views/Viewer.h"
#include "views/ShadedButtons.h"
#include "views/core/GeneratedTableSets.h"
#include "views/core/GeneratorChecks.h"

namespace views {
namespace {

bool IsSpinId(int id) {
  for (int field = 0; field < kGeneratorFieldCount; ++field) {
    if (FieldSpec(GeneratorField(field)).editId + 1 == id) return true;
  }
  return false;
}

}  // namespace

CTableGeneration::CTableGeneration(wxWindow* parent)
    : CHelpDlg(IDD_TABLE_GENERATION, parent), units_(DisplayUnits()), page_(units_) {}

CTableGeneration::~CTableGeneration() = default;

wxWindow* CTableGeneration::CreateControl(wxWindow* parent, const platform::DialogControl& control,
                                          const wxPoint& position, const wxSize& size) {
  if (IsSpinId(control.id)) return new controls::CNumSpinCtrl(parent, control.id, position, size);
  if (control.id == IDC_TG_MESSAGES) return new controls::CHistoryEdit(parent, control.id, position, size);
  return MakeShadedButton(parent, control, position, size);
}

controls::CNumSpinCtrl* CTableGeneration::Spin(GeneratorField field) const {
  return dynamic_cast<controls::CNumSpinCtrl*>(FindWindow(FieldSpec(field).editId + 1));
}

controls::CHistoryEdit* CTableGeneration::Messages() const {
  return dynamic_cast<controls::CHistoryEdit*>(FindWindow(IDC_TG_MESSAGES));
}

bool CTableGeneration::OnInitDialog() {
  CHelpDlg::OnInitDialog();
  StyleShadedButton(*this, IDC_TG_GENERATE, IDI_GENERATE_WARNING, IDS_TIP_GENERATE);
  StyleShadedButton(*this, framework::kIdOk, IDI_DONE, IDS_TIP_DONE);
  StyleShadedButton(*this, IDC_TG_IMPORT, 0, IDS_TIP_IMPORT_SETTINGS);
  StyleShadedButton(*this, IDC_TG_LOAD, 0, IDS_TIP_LOAD_SETTINGS);
  StyleShadedButton(*this, IDC_TG_SAVE, 0, IDS_TIP_SAVE_SETTINGS);
  Messages()->SetLimits(false, true);
  page_ = LoadGeneratorPage(units_);
  SetUpLists();
  SetUpFields();
  SetUnitLabels();
  BindEvents();
  MoveFocusOnEnter(*this);
  RequestRevalidation();
  return true;
}

void CTableGeneration::SetUpFields() {
  for (int index = 0; index < kGeneratorFieldCount; ++index) {
    const GeneratorField field = GeneratorField(index);
    const GeneratorFieldSpec& spec = FieldSpec(field);
    controls::CNumSpinCtrl* spin = Spin(field);
    spin->SetBuddy(FindWindow(spec.editId), false);
    spin->SetDecimalPlaces(spec.decimals);
    spin->SetRangeAndDelta(page_.Range(field).min, page_.Range(field).max, spec.spinStep);
  }
  ShowFields();
}

void CTableGeneration::SetUnitLabels() {
  const bool feet = units_ == UnitSystem::kImperial;
  const std::pair<int, int> labels[] = {
      {IDC_TG_DEPTH_GROUP, feet ? IDS_GRAPH_DEPTH_FEET : IDS_GRAPH_DEPTH_METRES},
      {IDC_TG_DESCENT_RATE_LABEL, feet ? IDS_TG_DESCENT_RATE_FT : IDS_TG_DESCENT_RATE_M},
      {IDC_TG_ASCENT_RATE_LABEL, feet ? IDS_TG_ASCENT_RATE_FT : IDS_TG_ASCENT_RATE_M},
      {IDC_TG_LAST_STOP_LABEL, feet ? IDS_TG_LAST_STOP_FT : IDS_TG_LAST_STOP_M},
      {IDC_TG_MAX_EAD_LABEL, feet ? IDS_TG_MAX_EAD_FT : IDS_TG_MAX_EAD_M}};
  for (const auto& [id, text] : labels) {
    framework::SetWindowText(*FindWindow(id), wxString::FromUTF8(ResourceString(text)));
  }
}

void CTableGeneration::BindEvents() {
  for (int index = 0; index < kGeneratorFieldCount; ++index) {
    const GeneratorField field = GeneratorField(index);
    const GeneratorFieldSpec& spec = FieldSpec(field);
    FindWindow(spec.editId)->Bind(wxEVT_KILL_FOCUS, [this, field, spec](wxFocusEvent& event) {
      event.Skip();
      Spin(field)->ClampToRange();
      if (spec.revalidates) RequestRevalidation();
    });
    if (spec.revalidates) Bind(wxEVT_SPIN, [this](wxSpinEvent&) { RequestRevalidation(); }, spec.editId + 1);
  }
  framework::BindMessage(*this, WMU_TABLEGEN_REVALIDATE, [this](std::intptr_t, std::intptr_t) {
    ValidateInput();
    return 0;
  });
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnGenerate(); }, IDC_TG_GENERATE);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnImportSettings(); }, IDC_TG_IMPORT);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnLoadSettings(); }, IDC_TG_LOAD);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnSaveSettings(); }, IDC_TG_SAVE);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnDone(); }, framework::kIdOk);
}

void CTableGeneration::ReadFields() {
  for (int index = 0; index < kGeneratorFieldCount; ++index) {
    page_.SetShown(GeneratorField(index), Spin(GeneratorField(index))->GetPos());
  }
  const auto* byDepth = dynamic_cast<wxRadioButton*>(FindWindow(IDC_TG_GROUP_BY_DEPTH));
  page_.grouping = byDepth->GetValue() ? TableGrouping::kByDepth : TableGrouping::kByTime;
}

void CTableGeneration::ShowFields() {
  for (int index = 0; index < kGeneratorFieldCount; ++index) {
    Spin(GeneratorField(index))->SetPos(page_.Shown(GeneratorField(index)));
  }
  const int radio = page_.grouping == TableGrouping::kByDepth ? IDC_TG_GROUP_BY_DEPTH : IDC_TG_GROUP_BY_TIME;
  dynamic_cast<wxRadioButton*>(FindWindow(radio))->SetValue(true);
}

void CTableGeneration::RequestRevalidation() {
  if (!loading_) framework::PostMessage(this, WMU_TABLEGEN_REVALIDATE);
}

void CTableGeneration::ValidateInput() {
  ReadFields();
  const GeneratorCheckResult result = CheckGeneratorPage(page_);
  Messages()->Clear();
  for (const std::string& line : result.messages) AppendMessage(line);
  UpdateGenerateButton(result);
  FillTravelList();
  FillDecoList();
}

void CTableGeneration::UpdateGenerateButton(const GeneratorCheckResult& result) {
  canGenerate_ = result.CanGenerate();
  const int icon = !canGenerate_                           ? IDI_CANCEL
                   : (result.combined & kCheckWarning) != 0 ? IDI_GENERATE_WARNING
                                                            : IDI_GENERATE;
  if (auto* button = dynamic_cast<controls::CImageButton*>(FindWindow(IDC_TG_GENERATE))) {
    button->SetIcon(icon);
    button->Refresh();
  }
}

void CTableGeneration::AppendMessage(const std::string& text) {
  controls::CHistoryEdit* messages = Messages();
  messages->AppendString(wxString::FromUTF8(text));
  // A run is one synchronous step: the box is painted at once so that its lines show as they come.
  messages->Update();
}

void CTableGeneration::OnGenerate() {
  if (!canGenerate_) return;
  ReadFields();
  Messages()->Clear();
  EnginePlanCalculator engine;
  if (!run_.Run(page_, planGroup_, engine, [this](const std::string& line) { AppendMessage(line); })) return;
  AppendMessage(ResourceString(IDS_GEN_PREPARING));
  if (CreateTables(run_, page_.grouping, TableSettings::FromProgram(), tables_)) {
    CViewer viewer(nullptr);
    viewer.SetHtmlText(tables_.GetHtml());
    viewer.ShowModal();
  }
  AppendMessage(ResourceString(IDS_GEN_COMPLETED));
}

void CTableGeneration::OnDone() {
  ReadFields();
  StoreGeneratorPage(page_);
  EndModal(framework::kIdOk);
}

}  // namespace views
