#pragma once
// A page of the settings sheet of a dive page. It keeps no dive values: its owner, the dive
// page, fills it and handles the private message the page posts after each change of a field.
// A spin field posts when its arrows settle and when the focus leaves its edit and arrows (after
// bringing the typed value into range); Enter moves to the next control. Nothing is posted before the
// owner is set.
#include <map>
#include <vector>

#include <wx/weakref.h>

#include "app/core/SettingFields.h"
#include "framework/TemplateWindows.h"

namespace controls {
class CNumSpinCtrl;
}

namespace app {

struct SettingsSpinField {
  unsigned message;  // posted to the owner after a change
  int editId;
  int spinId;
  int labelId;
  const SettingFieldFormat* format;
};

class SettingsPage : public framework::TemplatePanel {
 public:
  SettingsPage(int templateId, std::vector<SettingsSpinField> fields);
  // The window's own label stays reachable beside the label of a control below.
  using framework::TemplatePanel::SetLabel;

  void SetOwner(wxWindow* owner) { owner_ = owner; }
  wxWindow* GetOwner() const { return owner_.get(); }

  const SettingsSpinField* FieldOf(unsigned message) const;
  // Ranges, steps, decimals and labels of the spin fields in these units.
  void ApplyUnits(UnitSystem units);
  // Reloads the captions from the template and the labels from the string table in the units of
  // the settings.
  virtual void RefreshTexts();

  // Shows the value in the field and remembers what the field then reads.
  void ShowValue(const SettingsSpinField& field, double value);
  double Value(const SettingsSpinField& field) const;
  // The field reads another value than the one it was given last.
  bool IsChanged(const SettingsSpinField& field) const;
  // What the field reads now counts as given.
  void MarkGiven(const SettingsSpinField& field);

  controls::CNumSpinCtrl* Spin(int spinId) const;

 protected:
  wxWindow* CreateControl(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                          const wxSize& size) override;
  bool OnInitDialog() override;
  void PostToOwner(unsigned message);
  void SetLabel(int controlId, int stringId);
  void SetUnitLabels(UnitSystem units);

 private:
  void BindSpinField(const SettingsSpinField& field);
  void LeaveField(const SettingsSpinField& field);

  std::vector<SettingsSpinField> fields_;
  std::map<int, double> given_;
  wxWeakRef<wxWindow> owner_;
};

}  // namespace app
