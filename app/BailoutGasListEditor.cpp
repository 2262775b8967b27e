#include "app/BailoutGasListEditor.h"

#include <wx/listctrl.h>

#include "app/GasMixListDialogs.h"
#include "app/core/GasMixListFile.h"
#include "controls/GasComboCompletion.h"
#include "controls/ImageButton.h"
#include "engine/AppSettings.h"
#include "engine/PrivateMessages.h"
#include "framework/Messages.h"
#include "platform/UserInterface.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"
#include "views/ShadedButtons.h"

namespace app {

BailoutGasListEditor::BailoutGasListEditor(wxWindow& page, GasListControlIds ids, std::function<void()> changed)
    : page_(page), ids_(ids), changed_(std::move(changed)) {}

void BailoutGasListEditor::Bind(int addTip, int deleteTip, int loadTip, int saveTip) {
  page_.Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnAdd(); }, ids_.add);
  page_.Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { DeleteSelected(); }, ids_.remove);
  page_.Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnLoad(); }, ids_.load);
  page_.Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnSave(); }, ids_.save);
  page_.Bind(wxEVT_LIST_KEY_DOWN, [this](wxListEvent& event) {
    if (event.GetKeyCode() == WXK_DELETE || event.GetKeyCode() == WXK_NUMPAD_DELETE) DeleteSelected();
  }, ids_.list);
  framework::BindMessage(page_, WMU_GAS_MIX_SELECTED, [](std::intptr_t oxygen, std::intptr_t helium) {
    framework::PostToMainWindow(WMU_GAS_MIX_SELECTED, oxygen, helium);
    return 0;
  });
  framework::BindMessage(page_, WMU_GAS_MIX_ADDED, [this](std::intptr_t oxygen, std::intptr_t helium) {
    if (controls::CGasComboCompletion* box = GasBox()) AppSettings().gasMix.gasMixes.Set(box->GetListText());
    framework::PostToMainWindow(WMU_GAS_MIX_ADDED, oxygen, helium);
    return 0;
  });
  for (int id : {ids_.add, ids_.remove, ids_.load, ids_.save}) views::StyleShadedButton(page_, id, 0, 0);
  SetTooltips(addTip, deleteTip, loadTip, saveTip);
  UpdateButtons();
}

void BailoutGasListEditor::SetTooltips(int addTip, int deleteTip, int loadTip, int saveTip) {
  const std::pair<int, int> tips[] = {{ids_.add, addTip}, {ids_.remove, deleteTip}, {ids_.load, loadTip},
                                      {ids_.save, saveTip}};
  for (const auto& [id, tip] : tips) {
    if (auto* button = dynamic_cast<controls::CImageButton*>(page_.FindWindow(id))) button->SetTooltipTextId(tip, true);
  }
}

wxListCtrl* BailoutGasListEditor::ListControl() const { return dynamic_cast<wxListCtrl*>(page_.FindWindow(ids_.list)); }

controls::CGasComboCompletion* BailoutGasListEditor::GasBox() const {
  return dynamic_cast<controls::CGasComboCompletion*>(page_.FindWindow(ids_.gas));
}

void BailoutGasListEditor::SetGasMixes(const std::string& gasMixes) {
  if (controls::CGasComboCompletion* box = GasBox()) box->FillList(gasMixes);
}

void BailoutGasListEditor::AddGasToBox(int oxygenPercent, int heliumPercent) {
  if (controls::CGasComboCompletion* box = GasBox()) box->AddGas(oxygenPercent, heliumPercent, true);
}

void BailoutGasListEditor::SetListText(const std::string& listText) {
  list_.SetListText(listText);
  ShowRows();
  UpdateButtons();
}

void BailoutGasListEditor::ShowRows() {
  wxListCtrl* rows = ListControl();
  if (rows == nullptr) return;
  rows->DeleteAllItems();
  for (int row = 0; row < list_.RowCount(); ++row) {
    rows->InsertItem(row, wxString::FromUTF8(list_.Rows()[static_cast<std::size_t>(row)]));
  }
}

void BailoutGasListEditor::UpdateButtons() {
  if (wxWindow* add = page_.FindWindow(ids_.add)) add->Enable(list_.CanAdd());
  if (wxWindow* remove = page_.FindWindow(ids_.remove)) remove->Enable(list_.CanDelete());
}

void BailoutGasListEditor::OnAdd() {
  controls::CGasComboCompletion* box = GasBox();
  if (box == nullptr) return;
  switch (list_.Add(box->GetGas())) {
    case BailoutGasListModel::AddResult::kAdded: break;
    case BailoutGasListModel::AddResult::kInvalidGas:
      // An empty box adds nothing; a text that is no gas is refused as the box refuses it.
      if (!box->GetValue().IsEmpty()) {
        platform::AskUser(ResourceString(IDS_MSG_INVALID_GAS_ENTRY), platform::mb::kOk | platform::mb::kIconExclamation);
      }
      return;
    default: return;
  }
  ShowRows();
  UpdateButtons();
  changed_();
}

void BailoutGasListEditor::DeleteSelected() {
  std::vector<int> selected;
  if (wxListCtrl* rows = ListControl()) {
    for (long item = rows->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); item != -1;
         item = rows->GetNextItem(item, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED)) {
      selected.push_back(static_cast<int>(item));
    }
  }
  list_.DeleteRows(selected);
  ShowRows();
  if (wxListCtrl* rows = ListControl(); rows != nullptr && rows->GetItemCount() > 0) {
    rows->SetItemState(0, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
  }
  UpdateButtons();
  changed_();
}

void BailoutGasListEditor::OnLoad() {
  const std::string path = AskGasMixListToOpen(&page_);
  if (path.empty() || !LoadGasMixList(path, list_)) return;
  ShowRows();
  UpdateButtons();
  changed_();
}

void BailoutGasListEditor::OnSave() {
  const std::string path = AskGasMixListToSave(&page_);
  if (!path.empty()) SaveGasMixList(path, list_);
}

}  // namespace app
