#include "app/DiveSettingsSheet.h"

#include <algorithm>

#include "app/core/DiveSettingsAccess.h"
#include "controls/MultiFieldEdit.h"
#include "engine/AppSettings.h"
#include "engine/DivePlan.h"
#include "engine/SettingRanges.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"

namespace app {
namespace {

// The tabs' titles by page index.
constexpr int kTabTitles[] = {IDS_TAB_DIVE_SETTINGS, IDS_TAB_BAILOUT_SETTINGS, IDS_TAB_BAILOUT_GAS_LIST};

wxString TabTitle(int page) { return wxString::FromUTF8(ResourceString(kTabTitles[page])); }

}  // namespace

// Marks the changes made while it lives as the sheet's own.
class DiveSettingsSheet::Refill {
 public:
  explicit Refill(DiveSettingsSheet& sheet) : sheet_(sheet), was_(sheet.refilling_) { sheet_.refilling_ = true; }
  ~Refill() { sheet_.refilling_ = was_; }
  Refill(const Refill&) = delete;
  Refill& operator=(const Refill&) = delete;

 private:
  DiveSettingsSheet& sheet_;
  bool was_;
};

DiveSettingsSheet::DiveSettingsSheet(wxWindow& page, const wxRect& place, DiveSettingsOwner& owner)
    : page_(page),
      owner_(owner),
      sheet_(new controls::CHelpPrpSheet(wxString::FromUTF8(ResourceString(IDS_SETTINGS_SHEET_CAPTION)), &page, 0)),
      diveSettings_(new CTabDivePlanDiveSettings),
      bailoutSettings_(new CTabDivePlanBailoutSettings),
      bailoutGasList_(new CTabDivePlanBailoutGasList) {
  sheet_->SetSize(place);
  for (SettingsPage* settingsPage : std::initializer_list<SettingsPage*>{diveSettings_, bailoutSettings_, bailoutGasList_}) {
    settingsPage->Create(sheet_);
    settingsPage->RefreshTexts();
  }
  // The bailout pages wait out of sight until the sheet takes them. They go in and out once, so
  // that the toolkit holds them as it holds a removed page (and not half inside the sheet, which
  // it cannot take apart when the dive page goes).
  sheet_->AddPage(diveSettings_, TabTitle(kDiveSettingsPage));
  sheet_->AddPage(bailoutSettings_, TabTitle(kBailoutSettingsPage));
  sheet_->AddPage(bailoutGasList_, TabTitle(kBailoutGasListPage));
  sheet_->RemovePage(kBailoutGasListPage);
  sheet_->RemovePage(kBailoutSettingsPage);
  bailoutSettings_->Hide();
  bailoutGasList_->Hide();
  diveSettings_->SetOwner(&page_);
  BindMessages();
}

void DiveSettingsSheet::RefreshTexts() {
  diveSettings_->RefreshTexts();
  bailoutSettings_->RefreshTexts();
  bailoutGasList_->RefreshTexts();
  for (int page = 0; page < PageCount(); ++page) sheet_->SetPageText(static_cast<std::size_t>(page), TabTitle(page));
}

void DiveSettingsSheet::RefreshSettingsPages() {
  const CDivePlan* dive = owner_.SettingsDive();
  if (dive == nullptr) return;
  Refill refill(*this);
  const UnitSystem units = DisplayUnits();
  FillDiveSettings(*dive, units);
  if (dive->HasClosedCircuitPoint() && HasCalculatedProfile(*dive)) {
    if (PageCount() < 2) {
      AddBailoutSettingsPage();
      if (diveSettingsUntilCalculated_) sheet_->SetActivePage(kDiveSettingsPage);
    }
    FillBailoutSettings(*dive, units);
    if (!dive->IsUseBailoutGasList()) {
      RemoveBailoutGasListPage();
    } else if (PageCount() < 3) {
      AddBailoutGasListPage();
    } else if (bailoutGasList_->Editor().GetListText() != dive->GetBailoutGasList()) {
      // An unchanged list keeps its rows as they are, and so the user's selection.
      FillBailoutGasList(*dive);
    }
  } else if (PageCount() > 1) {
    RemoveBailoutSettingsPage();
  }
  if (HasCalculatedProfile(*dive)) diveSettingsUntilCalculated_ = false;
}

void DiveSettingsSheet::ShowPage(int page) {
  if (page < PageCount()) sheet_->SetActivePage(static_cast<std::size_t>(page));
}

void DiveSettingsSheet::ResetToDiveSettings() {
  const CDivePlan* dive = owner_.SettingsDive();
  diveSettingsUntilCalculated_ = dive == nullptr || !HasCalculatedProfile(*dive);
  ShowPage(kDiveSettingsPage);
  PutDiveInModeOf(kDiveSettingsPage);
}

void DiveSettingsSheet::FillDiveSettings(const CDivePlan& dive, UnitSystem units) {
  diveSettings_->ApplyUnits(units);
  for (const SpinSettingAccess& setting : DiveSpinSettings()) {
    if (const SettingsSpinField* field = diveSettings_->FieldOf(setting.message)) {
      diveSettings_->ShowValue(*field, ShownSettingValue(field->format->quantity, setting.get(dive), units));
    }
  }
  diveSettings_->ShowSurfaceInterval(dive.GetDiveIndex() != 0);
  if (controls::CSTimeHM* interval = diveSettings_->SurfaceInterval()) {
    // The field shows at most 71:59; a longer interval is kept unless the user changes the field.
    interval->SetSeconds(std::min(dive.GetSurfaceInterval(), static_cast<int>(setting_ranges::kSurfaceIntervalSec.max)));
    shownSurfaceIntervalSec_ = interval->GetSeconds();
  }
  diveSettings_->HideBellExcursion();
}

void DiveSettingsSheet::FillBailoutSettings(const CDivePlan& dive, UnitSystem units) {
  bailoutSettings_->ApplyUnits(units);
  for (const SpinSettingAccess& setting : BailoutSpinSettings()) {
    if (const SettingsSpinField* field = bailoutSettings_->FieldOf(setting.message)) {
      bailoutSettings_->ShowValue(*field, ShownSettingValue(field->format->quantity, setting.get(dive), units));
    }
  }
  bailoutSettings_->SetChoices(dive.IsUseBailoutGasList(), dive.IsIgnoreIcd(), dive.IsIgnoreCns());
}

void DiveSettingsSheet::FillBailoutGasList(const CDivePlan& dive) {
  bailoutGasList_->Editor().SetGasMixes(AppSettings().gasMix.gasMixes.Get());
  bailoutGasList_->Editor().SetListText(dive.GetBailoutGasList());
}

bool DiveSettingsSheet::AddBailoutSettingsPage() {
  if (PageCount() > 1) return false;
  bailoutSettings_->Show();
  sheet_->InsertPage(kBailoutSettingsPage, bailoutSettings_, TabTitle(kBailoutSettingsPage));
  bailoutSettings_->SetOwner(&page_);
  sheet_->SetActivePage(kBailoutSettingsPage);
  return true;
}

bool DiveSettingsSheet::RemoveBailoutSettingsPage() {
  RemoveBailoutGasListPage();
  if (PageCount() < 2) return false;
  bailoutSettings_->SetOwner(nullptr);
  sheet_->RemovePage(kBailoutSettingsPage);
  bailoutSettings_->Hide();
  sheet_->SetActivePage(kDiveSettingsPage);
  return true;
}

bool DiveSettingsSheet::AddBailoutGasListPage() {
  const CDivePlan* dive = owner_.SettingsDive();
  if (dive == nullptr || PageCount() > 2) return false;
  const int active = sheet_->GetSelection();
  bailoutGasList_->Show();
  sheet_->InsertPage(kBailoutGasListPage, bailoutGasList_, TabTitle(kBailoutGasListPage));
  bailoutGasList_->SetOwner(&page_);
  sheet_->SetActivePage(kBailoutGasListPage);
  sheet_->SetActivePage(static_cast<std::size_t>(std::max(active, 0)));
  FillBailoutGasList(*dive);
  return true;
}

bool DiveSettingsSheet::RemoveBailoutGasListPage() {
  if (PageCount() != 3) return false;
  bailoutGasList_->SetOwner(nullptr);
  sheet_->RemovePage(kBailoutGasListPage);
  bailoutGasList_->Hide();
  sheet_->SetActivePage(kBailoutSettingsPage);
  return true;
}

}  // namespace app
