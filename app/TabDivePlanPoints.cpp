#include <functional>

#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/spinbutt.h>
#include <wx/textctrl.h>
#include <wx/utils.h>
#include <wx/wupdlock.h>

#include "app/TabDivePlan.h"
#include "app/core/PointList.h"
#include "controls/ColorListCtrl.h"
#include "controls/GasComboCompletion.h"
#include "controls/IconMenu.h"
#include "controls/NumSpinCtrl.h"
#include "engine/AppSettings.h"
#include "engine/DivePlan.h"
#include "engine/NumberText.h"
#include "framework/MenuBuilder.h"
#include "resources/resource.h"

namespace app {
namespace {

constexpr int kPointCommands[] = {ID_POINT_CUT, ID_POINT_COPY, ID_POINT_PASTE, ID_POINT_DELETE};

int ListAlignment(ColumnAlignment alignment) {
  switch (alignment) {
    case ColumnAlignment::kRight: return wxLIST_FORMAT_RIGHT;
    case ColumnAlignment::kCentre: return wxLIST_FORMAT_CENTRE;
    default: return wxLIST_FORMAT_LEFT;
  }
}

bool IsChecked(const wxWindow* parent, int id) {
  if (const auto* radio = dynamic_cast<const wxRadioButton*>(parent->FindWindow(id))) return radio->GetValue();
  if (const auto* box = dynamic_cast<const wxCheckBox*>(parent->FindWindow(id))) return box->GetValue();
  return false;
}

long FirstSelectedRow(const wxListCtrl& list) { return list.GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); }

void SetChecked(wxWindow* parent, int id, bool checked) {
  if (auto* radio = dynamic_cast<wxRadioButton*>(parent->FindWindow(id))) radio->SetValue(checked);
  if (auto* box = dynamic_cast<wxCheckBox*>(parent->FindWindow(id))) box->SetValue(checked);
}

}  // namespace

void CTabDivePlan::BindEntryEvents() {
  // A field commits its value when the focus leaves it, clamped into its range, and at every
  // arrow step.
  auto onLeave = [this](int editId, std::function<void()> handler) {
    if (wxWindow* edit = FindWindow(editId)) {
      edit->Bind(wxEVT_KILL_FOCUS, [this, handler = std::move(handler)](wxFocusEvent& event) {
        event.Skip();
        if (IsActive()) handler();
      });
    }
  };
  auto onSpin = [this](int spinId, std::function<void()> handler) {
    Bind(wxEVT_SPIN, [this, handler = std::move(handler)](wxSpinEvent& event) {
      event.Skip();
      if (IsActive()) handler();
    }, spinId);
  };
  onLeave(IDC_DEPTH_EDIT, [this] { OnDepthChanged(true); });
  onSpin(IDC_DEPTH_SPIN, [this] { OnDepthChanged(false); });
  onLeave(IDC_DURATION_EDIT, [this] {
    durationSpin_->ClampToRange();
    durationValueMin_ = static_cast<int>(durationSpin_->GetPos());
  });
  onSpin(IDC_DURATION_SPIN, [this] { durationValueMin_ = static_cast<int>(durationSpin_->GetPos()); });
  onLeave(IDC_SET_POINT_EDIT, [this] {
    setPointSpin_->ClampToRange();
    setPointValueBar_ = setPointSpin_->GetPos();
  });
  onSpin(IDC_SET_POINT_SPIN, [this] { setPointValueBar_ = setPointSpin_->GetPos(); });

  auto onClick = [this](int id, std::function<void()> handler) {
    Bind(wxEVT_BUTTON, [this, handler = std::move(handler)](wxCommandEvent&) {
      if (IsActive()) handler();
    }, id);
  };
  onClick(IDC_POINT_ADD, [this] { OnAddPoint(false); });
  onClick(IDC_POINT_INSERT, [this] { OnAddPoint(true); });
  onClick(IDC_POINT_UPDATE, [this] { OnUpdatePoint(); });
  onClick(IDC_POINT_DELETE, [this] { OnDeletePoint(); });
  Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { if (IsActive()) OnCircuitClicked(true); }, IDC_CLOSED_CIRCUIT);
  Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { if (IsActive()) OnCircuitClicked(false); }, IDC_OPEN_CIRCUIT);
  pointList_->Bind(wxEVT_LIST_ITEM_SELECTED, [this](wxListEvent&) {
    if (IsActive()) ShowSelectedPoint();
  });
}

void CTabDivePlan::OnDepthChanged(bool leftField) {
  if (leftField) depthSpin_->ClampToRange();
  depthValue_ = depthSpin_->GetPos();
  UpdateOpenCircuitPpo2();
}

void CTabDivePlan::OnCircuitClicked(bool closedCircuit) {
  if (closedCircuit) {
    setPointValueBar_ = AppSettings().divePlan.defaultSetPointBar.Get();
    setPointSpin_->SetPos(setPointValueBar_);
    setPointSpin_->ClampToRange();
  } else {
    UpdateOpenCircuitPpo2();
  }
  ShowCircuitFields();
}

void CTabDivePlan::ShowCircuitFields() {
  const bool closedCircuit = IsChecked(this, IDC_CLOSED_CIRCUIT);
  for (int id : {IDC_SET_POINT_EDIT, IDC_SET_POINT_SPIN}) {
    if (wxWindow* field = FindWindow(id)) field->Show(closedCircuit);
  }
  if (wxWindow* readout = FindWindow(IDC_OPEN_CIRCUIT_PPO2)) readout->Show(!closedCircuit);
}

void CTabDivePlan::UpdateOpenCircuitPpo2() {
  if (dive_ == nullptr) return;
  const double ppo2 = OpenCircuitPpo2AtShownDepth(*dive_, depthValue_, units_, gasBox_->GetGas());
  if (wxWindow* readout = FindWindow(IDC_OPEN_CIRCUIT_PPO2)) readout->SetLabel(FormatC("%.2f", ppo2));
}

PointEntry CTabDivePlan::EntryFromValues() const {
  const CGas gas = gasBox_->GetGas();
  return PointEntry{depthValue_,        durationValueMin_, IsChecked(this, IDC_CLOSED_CIRCUIT),
                    gas.GetOxygen(),    gas.GetHelium(),   setPointValueBar_,
                    IsChecked(this, IDC_NO_CLEAR_SURFACE)};
}

void CTabDivePlan::OnAddPoint(bool insert) {
  const int added = editor_.Add(*dive_, selectedRow_, insert, EntryFromValues(), units_);
  if (added < 0) return;
  selectedRow_ = added;
  RefillPointList();
}

void CTabDivePlan::OnUpdatePoint() {
  // Update takes the depth and the set-point from their fields as they stand.
  PointEntry entry = EntryFromValues();
  entry.depthShown = depthSpin_->GetPos();
  entry.setPointBar = setPointSpin_->GetPos();
  if (CPointEditor::Update(*dive_, selectedRow_, entry, units_)) RefillPointList();
}

void CTabDivePlan::OnDeletePoint() {
  dive_->DeleteUserPlanPoint(selectedRow_);
  RefillPointList();
}

void CTabDivePlan::RefillPointList() {
  if (dive_ == nullptr) return;
  const PointListTable table = BuildPointList(*dive_, units_);
  wxWindowUpdateLocker frozen(pointList_);
  pointList_->DeleteAllItems();
  pointList_->DeleteAllColumns();
  for (std::size_t column = 0; column < table.columns.size(); ++column) {
    const PointListColumn& header = table.columns[column];
    pointList_->InsertColumn(static_cast<long>(column), wxString::FromUTF8(header.header),
                             ListAlignment(header.alignment), header.startingWidth);
  }
  for (std::size_t row = 0; row < table.rows.size(); ++row) {
    const PointListRow& line = table.rows[row];
    const long item = pointList_->InsertItem(static_cast<long>(row), wxString::FromUTF8(line.cells.front()));
    for (std::size_t column = 1; column < line.cells.size(); ++column) {
      pointList_->SetItem(item, static_cast<int>(column), wxString::FromUTF8(line.cells[column]));
    }
    pointList_->SetRowData(item, line.itemData);
  }
  for (int column = 0; column < pointList_->GetColumnCount(); ++column) {
    pointList_->SetColumnWidth(column, wxLIST_AUTOSIZE_USEHEADER);
  }
  ReselectPoint(selectedRow_);
}

void CTabDivePlan::ReselectPoint(int row) {
  const int count = pointList_->GetItemCount();
  selectedRow_ = count == 0 ? -1 : std::min(row, count - 1);
  SelectRow(selectedRow_);
  ShowSelectedPoint();
}

void CTabDivePlan::SelectRow(int row) {
  constexpr long kSelectedAndFocused = wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED;
  const bool wasResetting = resetting_;
  resetting_ = true;  // a selection made here is no click of the diver's
  for (long item = FirstSelectedRow(*pointList_); item != -1;
       item = pointList_->GetNextItem(item, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED)) {
    if (item != row) pointList_->SetItemState(item, 0, kSelectedAndFocused);
  }
  if (row >= 0) {
    pointList_->SetItemState(row, kSelectedAndFocused, kSelectedAndFocused);
    pointList_->EnsureVisible(row);
  }
  resetting_ = wasResetting;
}

void CTabDivePlan::ShowSelectedPoint() {
  if (!initialised_ || dive_ == nullptr) return;
  SetDepthLabel();
  if (ListedPointCount(*dive_) == 0) {
    UpdatePointButtons();
    return;
  }
  long selected = FirstSelectedRow(*pointList_);
  if (selected < 0) {
    selected = pointList_->GetItemCount() - 1;
    SelectRow(static_cast<int>(selected));
  }
  selectedRow_ = static_cast<int>(selected);
  if (const CPlanPoint* point = ListedPoint(*dive_, selectedRow_)) ShowPoint(*point);
  UpdatePointButtons();
}

void CTabDivePlan::ShowPoint(const CPlanPoint& point) {
  depthValue_ = DisplayDepth(point.GetDepth(), units_);
  depthSpin_->SetPos(depthValue_);
  durationValueMin_ = point.durationSec / 60;
  durationSpin_->SetPos(durationValueMin_);
  SetChecked(this, point.closedCircuit ? IDC_CLOSED_CIRCUIT : IDC_OPEN_CIRCUIT, true);
  ShowCircuitFields();
  gasBox_->SelectGas(point.oxygenPercent, point.heliumPercent);
  setPointValueBar_ = point.setPointBar;
  setPointSpin_->SetPos(setPointValueBar_);
  if (!point.closedCircuit) UpdateOpenCircuitPpo2();
  SetChecked(this, IDC_NO_CLEAR_SURFACE, point.noClearSurface);
}

void CTabDivePlan::UpdatePointButtons() {
  if (!initialised_ || dive_ == nullptr) return;
  const std::optional<PointButtonStates> states = PointButtons(*dive_, selectedRow_, gasBox_->IsGasValid());
  if (!states) return;
  const std::pair<int, bool> buttons[] = {{IDC_POINT_ADD, states->add},
                                          {IDC_POINT_INSERT, states->insert},
                                          {IDC_POINT_UPDATE, states->update},
                                          {IDC_POINT_DELETE, states->remove}};
  for (const auto& [id, enabled] : buttons) {
    if (wxWindow* button = FindWindow(id)) button->Enable(enabled);
  }
}

// --- The list's menu ---

void CTabDivePlan::BindPointCommands() {
  pointList_->Bind(wxEVT_CONTEXT_MENU, [this](wxContextMenuEvent&) {
    if (IsActive()) OnListContextMenu();
  });
  for (int command : kPointCommands) {
    const int id = framework::ToolkitCommandId(command);
    Bind(wxEVT_MENU, [this, command](wxCommandEvent&) { if (IsActive()) OnPointCommand(command); }, id);
    Bind(wxEVT_UPDATE_UI, &CTabDivePlan::OnUpdatePointCommand, this, id);
  }
}

void CTabDivePlan::OnListContextMenu() {
  if (pointList_->GetItemCount() == 0) return;
  const long selected = FirstSelectedRow(*pointList_);
  ReselectPoint(selected >= 0 ? static_cast<int>(selected) : dive_->GetUserPlanPointCount() - 1);
  controls::CIconMenu menu;
  if (!menu.LoadMenu(IDR_POINT_LIST_POPUP)) return;
  menu.LoadToolbarImages(IDR_POINT_LIST_TOOLBAR);
  if (wxMenu* popup = menu.Popup(0)) PopupMenu(popup, ScreenToClient(wxGetMousePosition()));
}

void CTabDivePlan::OnPointCommand(int command) {
  const long selected = FirstSelectedRow(*pointList_);
  if (command == ID_POINT_PASTE) {
    const int pasted = CPointEditor::Paste(*dive_, static_cast<int>(selected));
    if (pasted >= 0) selectedRow_ = pasted;
    RefillPointList();
    return;
  }
  if (selected < 0) return;
  const int row = static_cast<int>(selected);
  if (command == ID_POINT_COPY) {
    dive_->CopyPoint(row);
    return;
  }
  if (command == ID_POINT_CUT) CPointEditor::Cut(*dive_, row);
  else dive_->DeleteUserPlanPoint(row);
  RefillPointList();
}

void CTabDivePlan::OnUpdatePointCommand(wxUpdateUIEvent& event) {
  if (dive_ == nullptr) return;
  const std::optional<PointMenuStates> states = PointMenu(*dive_, selectedRow_);
  if (!states) return;
  const bool paste = framework::ResourceCommandId(event.GetId()) == ID_POINT_PASTE;
  event.Enable(paste ? states->paste : states->cutCopyDelete);
}

}  // namespace app
