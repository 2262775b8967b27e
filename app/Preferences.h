#pragma once
// The Preferences dialog: the program's defaults on five pages in a sheet that takes the place
// of the template's frame. It shows the values it is given and, on OK, holds the values chosen;
// it writes nothing itself. A switch of units on the General page converts the values the other
// pages show at once; the stored units change only with OK.
#include <array>

#include "app/core/PreferenceValues.h"
#include "controls/HelpDlg.h"

namespace controls {
class CHelpPrpSheet;
}

namespace app {

class CTabPreferencesGeneral;
class CTabPreferencesDivePlan;
class CTabPreferencesDive;
class CTabPreferencesBailout;
class CTabPreferencesBailoutGasList;
class PreferencePage;

class CPreferences : public controls::CHelpDlg {
 public:
  explicit CPreferences(PreferenceValues stored, wxWindow* parent = nullptr);

  // What the pages chose, read on OK; the stored values until then.
  const PreferenceValues& Chosen() const { return chosen_; }
  controls::CHelpPrpSheet* Sheet() const { return sheet_; }

 protected:
  wxWindow* CreateControl(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                          const wxSize& size) override;
  bool OnInitDialog() override;
  bool TransferDataFromWindow() override;

 private:
  bool CreateSheet();
  // In tab order.
  std::array<PreferencePage*, 5> Pages() const;
  void OnUnitsChanged(UnitSystem units);

  PreferenceValues stored_;
  PreferenceValues chosen_;
  controls::CHelpPrpSheet* sheet_ = nullptr;
  CTabPreferencesGeneral* general_ = nullptr;
  CTabPreferencesDivePlan* divePlan_ = nullptr;
  CTabPreferencesDive* dive_ = nullptr;
  CTabPreferencesBailout* bailout_ = nullptr;
  CTabPreferencesBailoutGasList* gasList_ = nullptr;
};

}  // namespace app
