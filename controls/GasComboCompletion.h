#pragma once
// The drop-down box in which a breathing gas is picked or typed. Its list holds the long gas
// names in the gas order; typing completes against the list; leaving the box selects the gas
// typed, adds a new valid one in its place or refuses an invalid one with a message. The parent
// is told by posted messages: WMU_GAS_MIX_SELECTED and WMU_GAS_MIX_ADDED, wParam the oxygen and
// lParam the helium percentage.
#include <string>

#include <wx/combobox.h>

#include "controls/core/GasList.h"
#include "engine/Gas.h"

namespace controls {

class CGasComboCompletion : public wxComboBox {
 public:
  // size is the template's, whose height is that of the open list: the closed box keeps its own.
  CGasComboCompletion(wxWindow* parent, wxWindowID id, const wxPoint& position, const wxSize& size);

  // The gas the box's text names; an invalid gas for an empty or unreadable text.
  CGas GetGas() const;
  bool IsGasValid() const { return GetGas().IsValid(); }

  // Replaces the list by the gases of a list text ("21/0,32/0,18/45") and selects the first.
  bool FillList(const std::string& listText);
  // The short names of the entries, joined with ",": the inverse of FillList.
  std::string GetListText() const;
  // Adds a gas in its place, selecting it unless noSelect; false for an invalid gas.
  bool AddGas(int oxygenPercent, int heliumPercent, bool noSelect);
  // As AddGas; true also when the gas was in the list already (which then stays as it was).
  bool AddGasSorted(const CGas& gas, bool noSelect);
  // Selects the entry of that gas, adding it (and telling the parent) when it is missing.
  bool SelectGas(double oxygenPercent, double heliumPercent);

  // Whether the box itself ever added a gas to its list.
  bool IsListChanged() const { return listChanged_; }

 private:
  GasEntries Entries() const;
  void OnKeyDown(wxKeyEvent& event);
  void OnTextChanged(wxCommandEvent& event);
  void Complete();
  void OnSelected(wxCommandEvent& event);
  void OnFocusLost(wxFocusEvent& event);
  void AddedByBox(const CGas& gas);
  void PostToParent(unsigned message, const CGas& gas);
  void ShowInvalidGasMessage();

  bool autoComplete_ = true;
  bool completionPending_ = false;
  std::string lastSeenText_{kGasTextNotSet};
  bool listChanged_ = false;
};

}  // namespace controls
