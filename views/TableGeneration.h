#pragma once
// The "Table Generation" dialog: ranges of depths and bottom times, the dive settings shared by
// every dive of the set, the limits of the gas checks and the descent and ascent gas lists.
// Every change is checked; "Generate Tables" calculates a dive for each depth and bottom time
// and shows the tables of the set in the viewer. "Done" keeps the page as the next start's
// defaults; the page can also be saved to and read from a settings file.
//
// Its members live in one source file per concern:
//   TableGeneration.cpp       the fields, the checks, generating and Done
//   TableGenerationLists.cpp  the two gas lists: showing, editing and deleting rows
//   TableGenerationFiles.cpp  settings files and the import from a dive of the plan
#include <string>

#include "controls/HelpDlg.h"
#include "engine/PlanGroup.h"
#include "views/core/DivePlanTablesHtml.h"
#include "views/core/GeneratorPage.h"
#include "views/core/TableGenerationRun.h"

struct GeneratorCheckResult;
class wxListCtrl;

namespace controls {
class CHistoryEdit;
class CNumSpinCtrl;
}  // namespace controls

namespace views {

class CTableGeneration : public controls::CHelpDlg {
 public:
  explicit CTableGeneration(wxWindow* parent);
  ~CTableGeneration() override;

  // The plan whose dives Import Settings offers, and which every generated dive names as its
  // group without joining it; may be null.
  void SetPlanGroup(CPlanGroup* group) { planGroup_ = group; }

  // The list operations of the two gas lists; depths in metres.
  void AddTravelSwitch(const CGasSwitch& gasSwitch);
  void AddDecoSwitch(const CGasSwitch& gasSwitch);
  void UpdateTravelSwitch(const CGasSwitch& gasSwitch, int row);
  void UpdateDecoSwitch(const CGasSwitch& gasSwitch, int row);
  void DeleteTravelSwitch(int row);
  void DeleteDecoSwitch(int row);
  void ClearTravelSwitches();
  void ClearDecoSwitches();
  void FillTravelList();
  void FillDecoList();

  bool WriteSettingsFile(const std::string& path);
  bool ReadSettingsFile(const std::string& path);
  bool ImportDiveSettings(int dive, bool bailout);
  bool ImportGasSwitches(int dive, bool bailout);

  // Runs the checks now, as the revalidation message does (wx already names its own Validate).
  void ValidateInput();
  bool CanGenerate() const { return canGenerate_; }
  const TableGenerationRun& LastRun() const { return run_; }

 protected:
  wxWindow* CreateControl(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                          const wxSize& size) override;
  bool OnInitDialog() override;

 private:
  controls::CNumSpinCtrl* Spin(GeneratorField field) const;
  controls::CHistoryEdit* Messages() const;
  wxListCtrl* ListControl(GasListKind kind) const;
  GeneratorGasList& List(GasListKind kind);

  void SetUpFields();
  void SetUnitLabels();
  void BindEvents();
  // The page's fields from the controls, as the user left them, and back.
  void ReadFields();
  void ShowFields();
  void RequestRevalidation();
  void UpdateGenerateButton(const GeneratorCheckResult& result);

  void OnGenerate();
  void OnDone();
  void AppendMessage(const std::string& text);

  void SetUpLists();
  void FillList(GasListKind kind);
  void ListChanged();
  void EditSwitch(GasListKind kind);
  void DeleteSelectedRows(GasListKind kind);
  void AddSwitch(GasListKind kind, const CGasSwitch& gasSwitch);
  void UpdateSwitch(GasListKind kind, const CGasSwitch& gasSwitch, int row);
  void DeleteSwitch(GasListKind kind, int row);

  void OnImportSettings();
  void OnLoadSettings();
  void OnSaveSettings();

  CPlanGroup* planGroup_ = nullptr;
  UnitSystem units_;
  GeneratorPage page_;
  bool loading_ = false;
  bool canGenerate_ = false;
  TableGenerationRun run_;
  // The set's own document: it has no title, author or link.
  CDivePlanTablesHtml tables_;
};

}  // namespace views
