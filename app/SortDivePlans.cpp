#include "app/SortDivePlans.h"

#include <wx/listctrl.h>
#include <wx/spinbutt.h>

#include "app/DialogButtons.h"
#include "views/ShadedButtons.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"

namespace app {
namespace {

constexpr int kDiveColumn = 0;
constexpr int kSummaryColumn = 1;

}  // namespace

CSortDivePlans::CSortDivePlans(wxWindow* parent) : CHelpDlg(IDD_SORT_DIVE_PLANS, parent) {}

wxWindow* CSortDivePlans::CreateControl(wxWindow* parent, const platform::DialogControl& control,
                                        const wxPoint& position, const wxSize& size) {
  return views::MakeShadedButton(parent, control, position, size);
}

wxListCtrl* CSortDivePlans::List() const { return dynamic_cast<wxListCtrl*>(FindWindow(IDC_SORT_LIST)); }

bool CSortDivePlans::OnInitDialog() {
  CHelpDlg::OnInitDialog();
  Move(m_position);
  StyleOkCancelButtons(*this, IDS_SORT_OK_TIP, IDS_SORT_CANCEL_TIP);
  wxListCtrl* list = List();
  if (list == nullptr) return true;
  list->ClearAll();
  list->InsertColumn(kDiveColumn, wxString::FromUTF8(ResourceString(IDS_SORT_DIVE)));
  list->InsertColumn(kSummaryColumn, wxString::FromUTF8(ResourceString(IDS_SORT_SUMMARY)));
  FillList();
  SelectRow(0);
  for (int column : {kDiveColumn, kSummaryColumn}) {
    // As wide as the widest of the header and the texts.
    list->SetColumnWidth(column, wxLIST_AUTOSIZE_USEHEADER);
    const int header = list->GetColumnWidth(column);
    list->SetColumnWidth(column, wxLIST_AUTOSIZE);
    if (list->GetColumnWidth(column) < header) list->SetColumnWidth(column, header);
  }
  list->Bind(wxEVT_LEFT_DOWN, &CSortDivePlans::OnListClick, this);
  Bind(wxEVT_SPIN_UP, [this](wxSpinEvent&) { OnMoveDive(-1); }, IDC_SORT_MOVE);
  Bind(wxEVT_SPIN_DOWN, [this](wxSpinEvent&) { OnMoveDive(1); }, IDC_SORT_MOVE);
  return true;
}

void CSortDivePlans::FillList() {
  wxListCtrl* list = List();
  list->DeleteAllItems();
  for (int row = 0; row < m_order.Count(); ++row) {
    list->InsertItem(row, wxString::FromUTF8(m_order.DiveText(row)));
    list->SetItem(row, kSummaryColumn, wxString::FromUTF8(m_order.Summary(row)));
  }
}

void CSortDivePlans::SelectRow(long row) {
  wxListCtrl* list = List();
  if (row < 0 || row >= list->GetItemCount()) return;
  for (long other = 0; other < list->GetItemCount(); ++other) list->SetItemState(other, 0, wxLIST_STATE_SELECTED);
  list->SetItemState(row, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
  list->EnsureVisible(row);
}

void CSortDivePlans::OnListClick(wxMouseEvent& event) {
  event.Skip();
  CallAfter([this] {
    wxListCtrl* list = List();
    if (list->GetSelectedItemCount() == 0) SelectRow(list->GetItemCount() - 1);
  });
}

void CSortDivePlans::OnMoveDive(int step) {
  const long row = List()->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
  if (row < 0 || !m_order.Move(static_cast<int>(row), step)) return;
  FillList();
  SelectRow(row + step);
}

}  // namespace app
