#include "controls/GasComboCompletion.h"

#include <wx/msgdlg.h>

#include "engine/PrivateMessages.h"
#include "framework/Messages.h"
#include "framework/NativeControls.h"
#include "framework/WxUserInterface.h"
#include "platform/ResourceModule.h"
#include "platform/UserInterface.h"
#include "resources/resource.h"

namespace controls {

CGasComboCompletion::CGasComboCompletion(wxWindow* parent, wxWindowID id, const wxPoint& position, const wxSize& size)
    : wxComboBox(parent, id, wxEmptyString, position, wxSize(size.x, -1), 0, nullptr, wxCB_DROPDOWN) {
  framework::MakeOneTabStop(*this);
  Bind(wxEVT_KEY_DOWN, &CGasComboCompletion::OnKeyDown, this);
  Bind(wxEVT_TEXT, &CGasComboCompletion::OnTextChanged, this);
  Bind(wxEVT_COMBOBOX, &CGasComboCompletion::OnSelected, this);
  Bind(wxEVT_KILL_FOCUS, &CGasComboCompletion::OnFocusLost, this);
}

GasEntries CGasComboCompletion::Entries() const {
  GasEntries entries;
  entries.reserve(GetCount());
  for (unsigned i = 0; i < GetCount(); ++i) entries.push_back(GetString(i).utf8_string());
  return entries;
}

CGas CGasComboCompletion::GetGas() const {
  CGas gas;
  gas.Parse(GetValue().utf8_string());
  return gas;
}

bool CGasComboCompletion::FillList(const std::string& listText) {
  Clear();
  for (const auto& [oxygen, helium] : GasListMixes(listText)) AddGas(oxygen, helium, false);
  if (!IsListEmpty()) SetSelection(0);
  return true;
}

std::string CGasComboCompletion::GetListText() const { return GasListText(Entries()); }

bool CGasComboCompletion::AddGas(int oxygenPercent, int heliumPercent, bool noSelect) {
  CGas gas;
  return gas.SetMix(oxygenPercent, heliumPercent) && AddGasSorted(gas, noSelect);
}

bool CGasComboCompletion::AddGasSorted(const CGas& gas, bool noSelect) {
  if (!gas.IsValid()) return false;
  const std::optional<std::size_t> index = SortedGasIndex(Entries(), gas);
  if (!index) return true;
  Insert(wxString::FromUTF8(gas.GetName(false)), static_cast<unsigned>(*index));
  // The entry by its place: selecting by name would pick the first entry that begins with it.
  if (!noSelect) SetSelection(static_cast<int>(*index));
  return true;
}

bool CGasComboCompletion::SelectGas(double oxygenPercent, double heliumPercent) {
  CGas gas;
  if (!gas.SetMix(oxygenPercent, heliumPercent)) return false;
  if (const std::optional<std::size_t> entry = FindGasEntry(Entries(), gas.GetName(false))) {
    SetSelection(static_cast<int>(*entry));
    return true;
  }
  AddGasSorted(gas, false);
  AddedByBox(gas);
  return true;
}

void CGasComboCompletion::AddedByBox(const CGas& gas) {
  listChanged_ = true;
  PostToParent(WMU_GAS_MIX_ADDED, gas);
}

void CGasComboCompletion::PostToParent(unsigned message, const CGas& gas) {
  framework::PostMessage(GetParent(), message, static_cast<int>(gas.GetOxygen()), static_cast<int>(gas.GetHelium()));
}

void CGasComboCompletion::OnKeyDown(wxKeyEvent& event) {
  const int key = event.GetKeyCode();
  autoComplete_ = key != WXK_DELETE && key != WXK_NUMPAD_DELETE && key != WXK_BACK;
  event.Skip();
}

void CGasComboCompletion::OnTextChanged(wxCommandEvent& event) {
  event.Skip();
  if (!autoComplete_ || completionPending_) return;
  // Completed once the toolkit has finished the keystroke: it would move the caret over the
  // selected tail otherwise.
  completionPending_ = true;
  CallAfter(&CGasComboCompletion::Complete);
}

void CGasComboCompletion::Complete() {
  // The flag stays set while the text changes here, so that those changes start no completion.
  if (autoComplete_) {
    long from = 0;
    long to = 0;
    GetSelection(&from, &to);
    const GasCompletion completion = CompleteGasText(Entries(), GetValue().utf8_string(), from, to);
    if (completion.entry) {
      SetSelection(static_cast<int>(*completion.entry));
      SetSelection(completion.selectionStart, completion.selectionEnd);
    }
  }
  completionPending_ = false;
}

void CGasComboCompletion::OnSelected(wxCommandEvent& event) {
  event.Skip();
  CGas gas;
  gas.Parse(event.GetString().utf8_string());
  PostToParent(WMU_GAS_MIX_SELECTED, gas);
}

void CGasComboCompletion::OnFocusLost(wxFocusEvent& event) {
  event.Skip();
  const GasFocusLoss decision = DecideOnFocusLoss(Entries(), GetValue().utf8_string(), lastSeenText_);
  switch (decision.action) {
    case GasFocusLoss::Action::kNothing: return;
    case GasFocusLoss::Action::kSelectEntry: SetSelection(static_cast<int>(*decision.entry)); break;
    case GasFocusLoss::Action::kAddGas: AddGasSorted(decision.gas, false); AddedByBox(decision.gas); break;
    case GasFocusLoss::Action::kReject:
      ChangeValue(wxEmptyString);
      PostToParent(WMU_GAS_MIX_SELECTED, CGas());
      // A modal box inside the toolkit's focus change would disturb it: shown right after.
      CallAfter(&CGasComboCompletion::ShowInvalidGasMessage);
      return;
  }
  PostToParent(WMU_GAS_MIX_SELECTED, decision.gas);
}

void CGasComboCompletion::ShowInvalidGasMessage() {
  const wxString text = wxString::FromUTF8(platform::LoadResourceString(IDS_MSG_INVALID_GAS_ENTRY));
  wxMessageDialog box(wxGetTopLevelParent(this), text, platform::kMessageCaption,
                      framework::MessageBoxStyle(platform::mb::kOk | platform::mb::kIconExclamation));
  box.ShowModal();
}

}  // namespace controls
