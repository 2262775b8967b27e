#pragma once
// The five pages of the Preferences dialog: General, Dive Plan, Dive, Bailout and Bailout Gas
// List. They are plain editors of the program's defaults: the dialog shows the stored values in
// them and reads them back on OK. A value counts as changed only when its field reads another
// value than the one it was shown with (after a switch of units: the one the switch showed), so
// that a value the user did not touch is kept exactly as it was stored, whatever rounding its
// display needed.
#include <vector>

#include <wx/weakref.h>

#include "app/BailoutGasListEditor.h"
#include "app/SettingsPage.h"
#include "app/core/PreferenceValues.h"

namespace controls {
class CSTimeHM;
}

namespace app {

class PreferencePage : public SettingsPage {
 public:
  struct NumberField {
    PreferenceNumber number;
    int editId;
    int spinId;
    int labelId;  // the label that changes with the units; 0 when it never changes
  };
  struct ChoiceField {
    PreferenceChoice choice;
    int firstId;  // the check box, or the first button of the radio group
    bool radio;
  };

  PreferencePage(int templateId, std::vector<NumberField> numbers, std::vector<ChoiceField> choices);

  // Showing and hiding the page stays reachable beside showing the stored values.
  using SettingsPage::Show;
  // The stored values, numbers shown in these units.
  virtual void Show(const PreferenceValues& stored, UnitSystem units);
  // What the page's fields choose: an untouched field keeps the stored value.
  virtual void Read(const PreferenceValues& stored, UnitSystem units, PreferenceValues& chosen);
  // Converts what the unit-dependent fields show into the other units, rounded to their steps.
  void ChangeUnits(UnitSystem units);

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(bool save) override;
  // The check boxes and radio groups as the page shows them.
  PreferenceValues& Members() { return members_; }
  const PreferenceValues& Members() const { return members_; }

 private:
  static std::vector<SettingsSpinField> SpinFields(const std::vector<NumberField>& numbers);
  const SettingsSpinField& SpinField(std::size_t index) const { return spinFields_[index]; }

  std::vector<NumberField> numbers_;
  std::vector<SettingsSpinField> spinFields_;
  std::vector<ChoiceField> choices_;
  PreferenceValues members_;
};

class CTabPreferencesGeneral : public PreferencePage {
 public:
  CTabPreferencesGeneral();

  // The window told by WMU_UNITS_CHANGED when the user picks the other units.
  void SetUnitsTarget(wxWindow* target) { unitsTarget_ = target; }
  UnitSystem Units() const;
  void Show(const PreferenceValues& stored, UnitSystem units) override;
  void Read(const PreferenceValues& stored, UnitSystem units, PreferenceValues& chosen) override;

 protected:
  bool OnInitDialog() override;

 private:
  void OnUnitsClicked();

  wxWeakRef<wxWindow> unitsTarget_;
  int unitsTold_ = 0;  // the units shown, or last told to the target
};

class CTabPreferencesDivePlan : public PreferencePage {
 public:
  CTabPreferencesDivePlan();

  // A stored ZH-L16A is shown, and chosen, as ZH-L16C.
  void Show(const PreferenceValues& stored, UnitSystem units) override;

 protected:
  bool OnInitDialog() override;
};

class CTabPreferencesDive : public PreferencePage {
 public:
  CTabPreferencesDive();

  // A surface interval of 72 hours or more is shown as the longest the field holds.
  void Show(const PreferenceValues& stored, UnitSystem units) override;
  void Read(const PreferenceValues& stored, UnitSystem units, PreferenceValues& chosen) override;

 protected:
  wxWindow* CreateControl(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                          const wxSize& size) override;

 private:
  controls::CSTimeHM* SurfaceInterval() const;

  int shownIntervalSec_ = 0;
};

class CTabPreferencesBailout : public PreferencePage {
 public:
  CTabPreferencesBailout();
};

// The bailout gas list of the defaults: its changes stay in the page until the dialog's OK; a
// gas typed into its gas box is stored with the gas mixes at once.
class CTabPreferencesBailoutGasList : public PreferencePage {
 public:
  CTabPreferencesBailoutGasList();

  void Show(const PreferenceValues& stored, UnitSystem units) override;
  void Read(const PreferenceValues& stored, UnitSystem units, PreferenceValues& chosen) override;
  BailoutGasListEditor& Editor() { return editor_; }

 protected:
  wxWindow* CreateControl(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                          const wxSize& size) override;
  bool OnInitDialog() override;

 private:
  BailoutGasListEditor editor_;
};

}  // namespace app
