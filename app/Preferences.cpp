#include "app/Preferences.h"

#include "app/DialogButtons.h"
#include "app/PreferencePages.h"
#include "controls/TabSheet.h"
#include "engine/PrivateMessages.h"
#include "framework/Messages.h"
#include "resources/resource.h"
#include "views/ShadedButtons.h"

namespace app {

CPreferences::CPreferences(PreferenceValues stored, wxWindow* parent)
    : CHelpDlg(IDD_PREFERENCES, parent), stored_(std::move(stored)), chosen_(stored_) {}

wxWindow* CPreferences::CreateControl(wxWindow* parent, const platform::DialogControl& control,
                                      const wxPoint& position, const wxSize& size) {
  return views::MakeShadedButton(parent, control, position, size);
}

bool CPreferences::OnInitDialog() {
  CHelpDlg::OnInitDialog();
  StyleOkCancelButtons(*this, IDS_PREFERENCES_OK_TIP, IDS_PREFERENCES_CANCEL_TIP);
  if (!CreateSheet()) return false;
  const UnitSystem units = stored_.Units();
  for (PreferencePage* page : Pages()) {
    page->Show(stored_, units);
  }
  general_->SetUnitsTarget(this);
  framework::BindMessage(*this, WMU_UNITS_CHANGED, [this](std::intptr_t units, std::intptr_t) {
    OnUnitsChanged(units == 1 ? UnitSystem::kImperial : UnitSystem::kMetric);
    return 0;
  });
  return true;
}

bool CPreferences::CreateSheet() {
  wxWindow* frame = FindWindow(IDC_SHEET_FRAME);
  if (frame == nullptr) return false;
  sheet_ = new controls::CHelpPrpSheet(GetTitle(), this);
  sheet_->SetSize(frame->GetRect());
  frame->Hide();
  general_ = new CTabPreferencesGeneral;
  divePlan_ = new CTabPreferencesDivePlan;
  dive_ = new CTabPreferencesDive;
  bailout_ = new CTabPreferencesBailout;
  gasList_ = new CTabPreferencesBailoutGasList;
  for (PreferencePage* page : Pages()) {
    if (!page->Create(sheet_)) return false;
    sheet_->AddPage(page, page->Caption());
  }
  sheet_->SetActivePage(0);
  // Tab goes from the buttons through the controls of the page shown.
  sheet_->MoveBeforeInTabOrder(FindWindow(framework::kIdOk));
  return true;
}

std::array<PreferencePage*, 5> CPreferences::Pages() const {
  return {general_, divePlan_, dive_, bailout_, gasList_};
}

void CPreferences::OnUnitsChanged(UnitSystem units) {
  divePlan_->ChangeUnits(units);
  dive_->ChangeUnits(units);
  bailout_->ChangeUnits(units);
}

bool CPreferences::TransferDataFromWindow() {
  if (general_ == nullptr) return CHelpDlg::TransferDataFromWindow();
  PreferenceValues chosen = stored_;
  const UnitSystem units = general_->Units();
  for (PreferencePage* page : Pages()) {
    page->Read(stored_, units, chosen);
  }
  chosen_ = chosen;
  return CHelpDlg::TransferDataFromWindow();
}

}  // namespace app
