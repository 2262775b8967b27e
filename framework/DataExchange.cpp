#include "framework/DataExchange.h"

#include <vector>

#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/textentry.h>

namespace framework {
namespace {

// The buttons of the group that starts with first, in the order they were made.
std::vector<wxRadioButton*> RadioGroup(wxWindow* parent, int firstId) {
  std::vector<wxRadioButton*> group;
  bool inGroup = false;
  for (wxWindow* child : parent->GetChildren()) {
    auto* radio = dynamic_cast<wxRadioButton*>(child);
    if (!inGroup) {
      if (radio != nullptr && radio->GetId() == firstId) {
        inGroup = true;
        group.push_back(radio);
      }
      continue;
    }
    if (radio == nullptr || radio->HasFlag(wxRB_GROUP)) break;
    group.push_back(radio);
  }
  return group;
}

}  // namespace

wxString WindowText(const wxWindow& control) {
  if (const auto* entry = dynamic_cast<const wxTextEntry*>(&control)) return entry->GetValue();
  return control.GetLabel();
}

void SetWindowText(wxWindow& control, const wxString& text) {
  // A text control's label is not its text: SetLabel would leave what it shows unchanged.
  if (auto* entry = dynamic_cast<wxTextEntry*>(&control)) entry->ChangeValue(text);
  else control.SetLabel(text);
}

void ExchangeText(wxWindow* parent, bool save, int id, std::string& value) {
  wxWindow* control = parent->FindWindow(id);
  if (control == nullptr) return;
  if (save) value = WindowText(*control).utf8_string();
  else SetWindowText(*control, wxString::FromUTF8(value));
}

void ExchangeCheck(wxWindow* parent, bool save, int id, bool& checked) {
  auto* box = dynamic_cast<wxCheckBox*>(parent->FindWindow(id));
  if (box == nullptr) return;
  if (save) checked = box->GetValue();
  else box->SetValue(checked);
}

void ExchangeRadio(wxWindow* parent, bool save, int firstId, int& index) {
  std::vector<wxRadioButton*> group = RadioGroup(parent, firstId);
  if (save) {
    index = -1;
    for (std::size_t i = 0; i < group.size(); ++i) {
      if (group[i]->GetValue()) index = static_cast<int>(i);
    }
    return;
  }
  for (std::size_t i = 0; i < group.size(); ++i) group[i]->SetValue(static_cast<int>(i) == index);
}

}  // namespace framework
