#pragma once
// The settings sheet of a dive page: a "Settings" sheet with the Dive Settings page always, the
// Bailout Settings page while the dive has a closed-circuit point and a calculated profile, and
// the Bailout Gas List page while, besides, its bailout uses the gas list. The sheet fills the
// pages from the dive and turns each change the user makes on a page, which the page posts to
// the dive page, into one setter call on the dive (which recalculates it). Picking the Dive
// Settings tab leaves bailout mode, picking the Bailout Settings tab enters it; a page the
// program brings to the front leaves the dive in the same mode as that click.
//
// A field is compared in the units it shows with what it showed when it was filled, so that
// leaving a field unchanged calls no setter even where the units' rounding would change the
// stored value (20 ft shows 6 m as stored, but stores 6.141 m).
#include <wx/window.h>

#include "app/TabDivePlanBailoutGasList.h"
#include "app/TabDivePlanBailoutSettings.h"
#include "app/TabDivePlanDiveSettings.h"
#include "controls/TabSheet.h"

class CDivePlan;

namespace app {

// What the sheet asks of the dive page that carries it.
class DiveSettingsOwner {
 public:
  virtual ~DiveSettingsOwner() = default;
  // The dive shown; null before one is bound.
  virtual CDivePlan* SettingsDive() = 0;
  // The dive page is refilling itself: what the pages report meanwhile is not the user's.
  virtual bool IsRefilling() const = 0;
  // The surface pressure or the bell excursion changed: the page's own read-outs follow.
  virtual void OnDiveSettingsChanged() = 0;
};

class DiveSettingsSheet {
 public:
  static constexpr int kDiveSettingsPage = 0;
  static constexpr int kBailoutSettingsPage = 1;
  static constexpr int kBailoutGasListPage = 2;

  // Makes the sheet over place on page (the window the pages post to) with its first page.
  DiveSettingsSheet(wxWindow& page, const wxRect& place, DiveSettingsOwner& owner);

  // Fills the pages from the dive and adds or removes the bailout pages.
  void RefreshSettingsPages();
  // Reloads the pages' texts (after a change of language or units).
  void RefreshTexts();

  // Brings a page the sheet holds to the front without acting on the dive: for an operation
  // that puts the dive in that page's mode itself (a bailout, a return to the dive).
  void ShowPage(int page);
  // Brings Dive Settings to the front and takes the dive out of bailout mode, as a click on its
  // tab does. A dive not yet calculated keeps Dive Settings in front when its calculation adds
  // the Bailout Settings page: it was eligible for a bailout before the diver saw it.
  void ResetToDiveSettings();

  bool AddBailoutSettingsPage();
  bool RemoveBailoutSettingsPage();
  bool AddBailoutGasListPage();
  bool RemoveBailoutGasListPage();

  controls::CHelpPrpSheet& Sheet() { return *sheet_; }
  CTabDivePlanDiveSettings& DiveSettings() { return *diveSettings_; }
  CTabDivePlanBailoutSettings& BailoutSettings() { return *bailoutSettings_; }
  CTabDivePlanBailoutGasList& BailoutGasList() { return *bailoutGasList_; }

 private:
  class Refill;
  int PageCount() const { return static_cast<int>(sheet_->GetPageCount()); }
  void FillDiveSettings(const CDivePlan& dive, UnitSystem units);
  void FillBailoutSettings(const CDivePlan& dive, UnitSystem units);
  void FillBailoutGasList(const CDivePlan& dive);
  void BindMessages();
  void BindSpinSetting(SettingsPage& page, unsigned message, double (*get)(const CDivePlan&),
                       bool (*set)(CDivePlan&, double));
  void BindChoice(unsigned message, bool (CTabDivePlanBailoutSettings::*shown)() const,
                  bool (CDivePlan::*get)() const, bool (CDivePlan::*set)(bool));
  // The dive, when a message is the user's to act on (not the sheet's or the dive page's refill).
  CDivePlan* ActiveDive();
  // The same for a message of a page, which must be in the sheet.
  CDivePlan* DiveFor(const wxWindow& pageWindow);
  void OnSurfaceInterval();
  void OnBellExcursion();
  void OnBellGas();
  void OnUseBailoutGasList();
  void OnGasListChanged();
  void OnPageChanged();
  // What a click on the tab of page does to the dive's mode.
  void PutDiveInModeOf(int page);

  wxWindow& page_;
  DiveSettingsOwner& owner_;
  controls::CHelpPrpSheet* sheet_;
  CTabDivePlanDiveSettings* diveSettings_;
  CTabDivePlanBailoutSettings* bailoutSettings_;
  CTabDivePlanBailoutGasList* bailoutGasList_;
  int shownSurfaceIntervalSec_ = 0;
  bool refilling_ = false;
  bool diveSettingsUntilCalculated_ = false;
};

}  // namespace app
