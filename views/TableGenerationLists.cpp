// The descent and ascent gas lists of the table generator: their list controls, the
// gas-switch editor on a double click and the Delete key.
#include <wx/imaglist.h>
#include <wx/listctrl.h>

#include "controls/NumSpinCtrl.h"
#include "engine/AppSettings.h"
#include "engine/NumberText.h"
#include "framework/ResourceImages.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"
#include "views/GasSwitchEdit.h"
#include "views/TableGeneration.h"
#include "views/core/GasListMessages.h"
#include "views/core/GasSwitchEditRules.h"
#include "views/core/GeneratorChecks.h"

namespace views {
namespace {

constexpr int kImageCount = 3;

// One image of a strip per check state: none, warning, failure.
wxImageList* CheckStateImages(int bitmapId, int size) {
  auto* images = new wxImageList(size, size, true, kImageCount);
  const wxBitmap strip = framework::LoadResourceBitmap(bitmapId);
  if (strip.IsOk()) {
    images->Add(strip, wxColour(framework::kStripKeyRed, framework::kStripKeyGreen, framework::kStripKeyBlue));
  }
  return images;
}

int ImageOf(int checkResult) {
  if (checkResult & kCheckFailure) return 2;
  return (checkResult & kCheckWarning) ? 1 : 0;
}

int LabelOf(GasListKind kind) { return kind == GasListKind::kDescent ? IDS_DESCENT_GAS : IDS_ASCENT_GAS; }

}  // namespace

wxListCtrl* CTableGeneration::ListControl(GasListKind kind) const {
  return dynamic_cast<wxListCtrl*>(FindWindow(kind == GasListKind::kDescent ? IDC_TG_DESCENT_LIST : IDC_TG_ASCENT_LIST));
}

GeneratorGasList& CTableGeneration::List(GasListKind kind) {
  return kind == GasListKind::kDescent ? page_.travel : page_.deco;
}

void CTableGeneration::SetUpLists() {
  for (GasListKind kind : {GasListKind::kDescent, GasListKind::kAscent}) {
    wxListCtrl* list = ListControl(kind);
    list->AssignImageList(CheckStateImages(IDB_CHECK_STATES, 32), wxIMAGE_LIST_NORMAL);
    list->AssignImageList(CheckStateImages(IDB_CHECK_STATES_SMALL, 16), wxIMAGE_LIST_SMALL);
    const std::pair<wxString, int> columns[] = {
        {"   ", 20},
        {wxString::FromUTF8(ResourceString(units_ == UnitSystem::kImperial ? IDS_GRAPH_DEPTH_FEET : IDS_GRAPH_DEPTH_METRES)), 65},
        {wxString::FromUTF8(ResourceString(IDS_CIRCUIT)), 50},
        {wxString::FromUTF8(ResourceString(IDS_GAS_MIX)), 90},
        {wxString::FromUTF8(ResourceString(IDS_PPO2)), 90}};
    for (const auto& [heading, width] : columns) list->AppendColumn(heading, wxLIST_FORMAT_LEFT, width);
    list->Bind(wxEVT_LEFT_DCLICK, [this, kind](wxMouseEvent&) { EditSwitch(kind); });
    list->Bind(wxEVT_LIST_KEY_DOWN, [this, kind](wxListEvent& event) {
      if (event.GetKeyCode() == WXK_DELETE) DeleteSelectedRows(kind);
      else event.Skip();
    });
  }
}

void CTableGeneration::FillTravelList() { FillList(GasListKind::kDescent); }
void CTableGeneration::FillDecoList() { FillList(GasListKind::kAscent); }

void CTableGeneration::FillList(GasListKind kind) {
  wxListCtrl* list = ListControl(kind);
  const GeneratorGasList& rows = List(kind);
  const double surfaceMbar = page_.Metric(kSurfacePressure);
  list->DeleteAllItems();
  for (int row = 0; row < rows.Count(); ++row) {
    const CGasSwitch& gas = rows.Row(row);
    const double ppo2 =
        gas.IsClosedCircuit() ? gas.GetSetPoint() : GeneratorPpo2(gas.GetOxygen(), gas.GetDepth(), surfaceMbar);
    const long item = list->InsertItem(row, "", ImageOf(gas.GetCheckResult()));
    list->SetItem(item, 1, FormatC("%.0f", ToShownLength(gas.GetDepth(), units_)));
    list->SetItem(item, 2, ResourceString(gas.IsClosedCircuit() ? IDS_CLOSED_CIRCUIT : IDS_OPEN_CIRCUIT));
    list->SetItem(item, 3, wxString::FromUTF8(gas.GetGasName()));
    list->SetItem(item, 4, FormatC("%.2f", ppo2));
  }
  for (int column = 1; column < list->GetColumnCount(); ++column) {
    list->SetColumnWidth(column, wxLIST_AUTOSIZE_USEHEADER);
    const int header = list->GetColumnWidth(column);
    list->SetColumnWidth(column, wxLIST_AUTOSIZE);
    if (list->GetColumnWidth(column) < header) list->SetColumnWidth(column, header);
  }
  const int selected = rows.SelectedRow();
  if (selected >= 0 && selected < rows.Count()) {
    list->SetItemState(selected, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
  }
}

void CTableGeneration::ListChanged() {
  FillTravelList();
  FillDecoList();
  RequestRevalidation();
}

void CTableGeneration::AddSwitch(GasListKind kind, const CGasSwitch& gasSwitch) {
  std::vector<DroppedSwitch> dropped;
  if (loading_) List(kind).Add(gasSwitch, dropped);
  else AddSwitchTellingUser(List(kind), gasSwitch, units_);
  ListChanged();
}

void CTableGeneration::UpdateSwitch(GasListKind kind, const CGasSwitch& gasSwitch, int row) {
  std::vector<DroppedSwitch> dropped;
  if (loading_) List(kind).Update(row, gasSwitch, dropped);
  else UpdateSwitchTellingUser(List(kind), row, gasSwitch, units_);
  ListChanged();
}

void CTableGeneration::DeleteSwitch(GasListKind kind, int row) {
  if (List(kind).Delete(row)) ListChanged();
}

void CTableGeneration::AddTravelSwitch(const CGasSwitch& gasSwitch) { AddSwitch(GasListKind::kDescent, gasSwitch); }
void CTableGeneration::AddDecoSwitch(const CGasSwitch& gasSwitch) { AddSwitch(GasListKind::kAscent, gasSwitch); }
void CTableGeneration::UpdateTravelSwitch(const CGasSwitch& gasSwitch, int row) {
  UpdateSwitch(GasListKind::kDescent, gasSwitch, row);
}
void CTableGeneration::UpdateDecoSwitch(const CGasSwitch& gasSwitch, int row) {
  UpdateSwitch(GasListKind::kAscent, gasSwitch, row);
}
void CTableGeneration::DeleteTravelSwitch(int row) { DeleteSwitch(GasListKind::kDescent, row); }
void CTableGeneration::DeleteDecoSwitch(int row) { DeleteSwitch(GasListKind::kAscent, row); }

void CTableGeneration::ClearTravelSwitches() {
  page_.travel.Clear();
  ListChanged();
}

void CTableGeneration::ClearDecoSwitches() {
  page_.deco.Clear();
  ListChanged();
}

void CTableGeneration::DeleteSelectedRows(GasListKind kind) {
  wxListCtrl* list = ListControl(kind);
  std::vector<int> rows;
  for (long item = list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); item != -1;
       item = list->GetNextItem(item, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED)) {
    rows.push_back(static_cast<int>(item));
  }
  if (List(kind).DeleteRows(rows) > 0) ListChanged();
}

void CTableGeneration::EditSwitch(GasListKind kind) {
  ReadFields();
  GeneratorGasList& rows = List(kind);
  CGasSwitchEdit editor(this);
  editor.SetListTitle(ResourceString(LabelOf(kind)));
  editor.SetDescentMode(kind == GasListKind::kDescent);
  editor.SetSurfacePressure(page_.Metric(kSurfacePressure));
  for (int row = 0; row < rows.Count(); ++row) editor.AddUsedDepth(EditorDepth(rows.Row(row).GetDepth(), units_));
  const long selected = ListControl(kind)->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
  const bool rowChosen = selected >= 0 && selected < rows.Count();
  if (rowChosen) {
    rows.SetSelectedRow(static_cast<int>(selected));
    CGasSwitch shown = rows.Row(static_cast<int>(selected));
    const double depth = EditorDepth(shown.GetDepth(), units_);
    shown.Set(depth, shown.GetOxygen(), shown.GetHelium(), shown.IsClosedCircuit(), shown.GetSetPoint(), true);
    editor.SetSwitch(shown);
    editor.SetStartingDepth(depth);
  }
  if (editor.ShowModal() != framework::kIdOk) return;
  CGasSwitch edited = editor.GetSwitch();
  edited.Set(ToMetres(edited.GetDepth(), units_), edited.GetOxygen(), edited.GetHelium(), edited.IsClosedCircuit(),
             edited.GetSetPoint(), true);
  switch (editor.GetResult()) {
    case CGasSwitchEdit::kAdd:
      AddSwitch(kind, edited);
      break;
    case CGasSwitchEdit::kUpdate:
      if (rowChosen) UpdateSwitch(kind, edited, static_cast<int>(selected));
      break;
    case CGasSwitchEdit::kDelete:
      if (rowChosen) DeleteSwitch(kind, static_cast<int>(selected));
      break;
  }
}

}  // namespace views
