#pragma once
// The controls of a bailout gas list page over its list: a gas box, the list of gases and the
// Add, Delete, Load and Save buttons. Add puts the box's gas in its place (up to twelve rows),
// Delete and the Delete key remove the selected rows, Load and Save read and write a Gas Mix
// List file. After each change of the list by the user, changed runs. The gas box's choices go
// on to the main window; a gas typed into it is stored with the gas mixes first.
#include <functional>
#include <string>

#include <wx/window.h>

#include "app/core/BailoutGasListModel.h"

class wxListCtrl;

namespace controls {
class CGasComboCompletion;
}

namespace app {

struct GasListControlIds {
  int gas;
  int list;
  int add;
  int remove;
  int load;
  int save;
};

class BailoutGasListEditor {
 public:
  BailoutGasListEditor(wxWindow& page, GasListControlIds ids, std::function<void()> changed);

  // Binds the controls, once they exist, and gives the buttons their look and tooltips.
  void Bind(int addTip, int deleteTip, int loadTip, int saveTip);
  void SetTooltips(int addTip, int deleteTip, int loadTip, int saveTip);

  void SetGasMixes(const std::string& gasMixes);
  // A gas typed elsewhere joins the gas box, unselected.
  void AddGasToBox(int oxygenPercent, int heliumPercent);
  void SetListText(const std::string& listText);
  std::string GetListText() const { return list_.GetListText(); }
  const BailoutGasListModel& List() const { return list_; }
  void UpdateButtons();

  void OnAdd();
  void DeleteSelected();
  void OnLoad();
  void OnSave();

 private:
  wxListCtrl* ListControl() const;
  controls::CGasComboCompletion* GasBox() const;
  void ShowRows();

  wxWindow& page_;
  GasListControlIds ids_;
  std::function<void()> changed_;
  BailoutGasListModel list_;
};

}  // namespace app
