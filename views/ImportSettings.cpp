#include "views/ImportSettings.h"

#include <wx/listctrl.h>

#include "framework/DataExchange.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"
#include "views/ShadedButtons.h"

namespace views {

CImportSettings::CImportSettings(wxWindow* parent) : CHelpDlg(IDD_IMPORT_SETTINGS, parent) {
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Accept(); }, framework::kIdOk);
  Bind(wxEVT_LIST_ITEM_ACTIVATED, [this](wxListEvent&) { Accept(); }, IDC_IMPORT_DIVES);
}

wxWindow* CImportSettings::CreateControl(wxWindow* parent, const platform::DialogControl& control,
                                         const wxPoint& position, const wxSize& size) {
  return MakeShadedButton(parent, control, position, size);
}

wxListCtrl* CImportSettings::List() const { return dynamic_cast<wxListCtrl*>(FindWindow(IDC_IMPORT_DIVES)); }

bool CImportSettings::OnInitDialog() {
  CHelpDlg::OnInitDialog();
  StyleShadedButton(*this, framework::kIdOk, IDI_OK, IDS_TIP_IMPORT_OK);
  StyleShadedButton(*this, framework::kIdCancel, IDI_CANCEL, IDS_TIP_IMPORT_CANCEL);
  FillList();
  if (wxListCtrl* list = List()) {
    list->Bind(wxEVT_LEFT_UP, &CImportSettings::OnRowClick, this);
  }
  return true;
}

void CImportSettings::DoDataExchange(bool save) {
  framework::ExchangeCheck(this, save, IDC_IMPORT_SETTINGS_CHECK, importSettings_);
  framework::ExchangeCheck(this, save, IDC_IMPORT_SWITCHES_CHECK, importGasSwitches_);
}

void CImportSettings::FillList() {
  wxListCtrl* list = List();
  if (list == nullptr) return;
  if (planGroup_ != nullptr) rows_ = BuildImportRows(*planGroup_);
  list->DeleteAllColumns();
  const int width = list->GetClientSize().x;
  list->InsertColumn(0, wxString::FromUTF8(ResourceString(IDS_IMPORT_DIVE_COLUMN)), wxLIST_FORMAT_LEFT, width);
  list->InsertColumn(1, wxString::FromUTF8(ResourceString(IDS_IMPORT_SUMMARY_COLUMN)), wxLIST_FORMAT_LEFT, width);
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const long item = list->InsertItem(static_cast<long>(i), wxString::FromUTF8(rows_[i].name));
    list->SetItem(item, 1, wxString::FromUTF8(rows_[i].summary));
  }
  if (!rows_.empty()) list->SetItemState(0, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
  SizeColumns();
}

// Each column as wide as its heading or its widest text, whichever is wider.
void CImportSettings::SizeColumns() {
  wxListCtrl* list = List();
  for (int column = 0; column < list->GetColumnCount(); ++column) {
    list->SetColumnWidth(column, wxLIST_AUTOSIZE_USEHEADER);
    const int header = list->GetColumnWidth(column);
    list->SetColumnWidth(column, wxLIST_AUTOSIZE);
    if (list->GetColumnWidth(column) < header) list->SetColumnWidth(column, header);
  }
}

// A click that leaves no row selected selects the last row.
void CImportSettings::OnRowClick(wxMouseEvent& event) {
  event.Skip();
  wxListCtrl* list = List();
  CallAfter([list] {
    if (list->GetSelectedItemCount() == 0 && list->GetItemCount() > 0) {
      const long last = list->GetItemCount() - 1;
      list->SetItemState(last, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
    }
  });
}

void CImportSettings::Accept() {
  UpdateData(true);
  const long row = List() ? List()->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED) : -1;
  choice_ = row >= 0 && row < static_cast<long>(rows_.size()) ? ChoiceOfKey(rows_[static_cast<std::size_t>(row)].key)
                                                               : ImportChoice{};
  EndModal(framework::kIdOk);
}

}  // namespace views
