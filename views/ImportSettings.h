#pragma once
// "Import Settings": the user picks a dive of the open plan, or the bailout plan of a dive, and
// whether its settings, its gas switches or both go into the table generator.
#include <vector>

#include "controls/HelpDlg.h"
#include "engine/PlanGroup.h"
#include "views/core/SettingsImport.h"

class wxListCtrl;
class wxListEvent;

namespace views {

class CImportSettings : public controls::CHelpDlg {
 public:
  explicit CImportSettings(wxWindow* parent);

  void SetPlanGroup(const CPlanGroup* group) { planGroup_ = group; }

  // The results, read when the dialog closed with OK.
  ImportChoice GetChoice() const { return choice_; }
  bool IsImportSettings() const { return importSettings_; }
  bool IsImportGasSwitches() const { return importGasSwitches_; }

 protected:
  wxWindow* CreateControl(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                          const wxSize& size) override;
  bool OnInitDialog() override;
  void DoDataExchange(bool save) override;

 private:
  wxListCtrl* List() const;
  void FillList();
  void SizeColumns();
  void Accept();
  void OnRowClick(wxMouseEvent& event);

  const CPlanGroup* planGroup_ = nullptr;
  std::vector<ImportRow> rows_;
  ImportChoice choice_;
  bool importSettings_ = true;
  bool importGasSwitches_ = true;
};

}  // namespace views
