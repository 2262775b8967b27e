#include "app/SettingsPage.h"

#include <wx/stattext.h>

#include "controls/GasComboCompletion.h"
#include "controls/NumSpinCtrl.h"
#include "engine/AppSettings.h"
#include "framework/DataExchange.h"
#include "framework/Messages.h"
#include "resources/ProgramResources.h"

namespace app {
namespace {

constexpr std::uint32_t kUpDownWrap = 0x1;
constexpr std::uint32_t kUpDownArrowKeys = 0x20;

}  // namespace

SettingsPage::SettingsPage(int templateId, std::vector<SettingsSpinField> fields)
    : TemplatePanel(templateId), fields_(std::move(fields)) {
  Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
    // Enter moves on, which makes the edit lose the focus and so commits its value.
    if ((event.GetKeyCode() == WXK_RETURN || event.GetKeyCode() == WXK_NUMPAD_ENTER) && !event.HasAnyModifiers()) {
      if (wxWindow* focus = FindFocus(); focus != nullptr && IsDescendant(focus)) focus->Navigate();
      return;
    }
    event.Skip();
  });
}

wxWindow* SettingsPage::CreateControl(wxWindow* parent, const platform::DialogControl& control,
                                      const wxPoint& position, const wxSize& size) {
  if (control.className == "msctls_updown32") {
    return new controls::CNumSpinCtrl(parent, control.id, position, size, (control.style & kUpDownWrap) != 0,
                                      (control.style & kUpDownArrowKeys) != 0);
  }
  if (control.className == "ComboBox") return new controls::CGasComboCompletion(parent, control.id, position, size);
  return nullptr;
}

bool SettingsPage::OnInitDialog() {
  TemplatePanel::OnInitDialog();
  for (const SettingsSpinField& field : fields_) BindSpinField(field);
  ApplyUnits(DisplayUnits());
  return true;
}

void SettingsPage::BindSpinField(const SettingsSpinField& field) {
  Bind(controls::EVT_SPIN_SETTLED, [this, message = field.message](wxCommandEvent&) { PostToOwner(message); },
       field.spinId);
  // The edit and its arrows are one field: it is left when the focus goes elsewhere. Whether it
  // went to the other half is known once the focus change is complete.
  for (int id : {field.editId, field.spinId}) {
    if (wxWindow* half = FindWindow(id)) {
      half->Bind(wxEVT_KILL_FOCUS, [this, field](wxFocusEvent& event) {
        event.Skip();
        CallAfter([this, field] { LeaveField(field); });
      });
    }
  }
}

void SettingsPage::LeaveField(const SettingsSpinField& field) {
  wxWindow* focus = FindFocus();
  controls::CNumSpinCtrl* spin = Spin(field.spinId);
  if (focus != nullptr && (focus == spin || focus->GetId() == field.editId) && IsDescendant(focus)) return;
  if (spin != nullptr) spin->ClampToRange();
  PostToOwner(field.message);
}

const SettingsSpinField* SettingsPage::FieldOf(unsigned message) const {
  for (const SettingsSpinField& field : fields_) {
    if (field.message == message) return &field;
  }
  return nullptr;
}

void SettingsPage::ApplyUnits(UnitSystem units) {
  for (const SettingsSpinField& field : fields_) {
    controls::CNumSpinCtrl* spin = Spin(field.spinId);
    if (spin == nullptr) continue;
    const SpinFormat& format = field.format->In(units);
    spin->SetDecimals(format.decimals);
    spin->SetTrimTrailingZeros(field.format->trimZeros);
    spin->SetRangeAndDelta(format.minimum, format.maximum, format.step);
  }
  SetUnitLabels(units);
}

void SettingsPage::RefreshTexts() {
  ReloadTemplateTexts();
  SetUnitLabels(DisplayUnits());
}

void SettingsPage::SetUnitLabels(UnitSystem units) {
  for (const SettingsSpinField& field : fields_) SetLabel(field.labelId, field.format->In(units).labelId);
}

void SettingsPage::SetLabel(int controlId, int stringId) {
  if (wxWindow* label = FindWindow(controlId)) framework::SetWindowText(*label, wxString::FromUTF8(ResourceString(stringId)));
}

void SettingsPage::ShowValue(const SettingsSpinField& field, double value) {
  if (controls::CNumSpinCtrl* spin = Spin(field.spinId)) spin->SetPos(value);
  MarkGiven(field);
}

double SettingsPage::Value(const SettingsSpinField& field) const {
  const controls::CNumSpinCtrl* spin = Spin(field.spinId);
  return spin != nullptr ? spin->GetPos() : 0.0;
}

bool SettingsPage::IsChanged(const SettingsSpinField& field) const {
  const auto given = given_.find(field.spinId);
  return given == given_.end() || given->second != Value(field);
}

void SettingsPage::MarkGiven(const SettingsSpinField& field) { given_[field.spinId] = Value(field); }

controls::CNumSpinCtrl* SettingsPage::Spin(int spinId) const {
  return dynamic_cast<controls::CNumSpinCtrl*>(FindWindow(spinId));
}

void SettingsPage::PostToOwner(unsigned message) {
  if (wxWindow* owner = owner_.get()) framework::PostMessage(owner, message);
}

}  // namespace app
