#pragma once
// The page of one dive on the main window's dive-tab sheet (template 80): the entry of a plan
// point with its buttons, the list of the dive's points, the place of the settings sheet and the
// profile graph. The page computes nothing itself: every edit goes to its dive, which
// recalculates, and the page draws again from the dive when the main window tells it to.
//
// Its members live in one source file per concern:
//   TabDivePlan.cpp        set-up, texts, units, the refresh and the gas box
//   TabDivePlanPoints.cpp  the entry fields, the point buttons, the point list and its menu
//   TabDivePlanGraph.cpp   the profile graph: its set-up, its feed and its messages
#include <memory>
#include <string>

#include "app/DiveSettingsSheet.h"
#include "app/core/PointEditing.h"
#include "app/core/ProfileReadout.h"
#include "controls/ResizablePage.h"
#include "engine/Gas.h"

class CDivePlan;
class CPlanPoint;
class wxCommandEvent;
class wxUpdateUIEvent;

namespace controls {
class CColorListCtrl;
class CGasComboCompletion;
class CNumSpinCtrl;
}  // namespace controls

namespace views {
class CXYLineGraph;
}  // namespace views

namespace app {

class CDivePlannerDlg;

// The graph asks the page what the read-out of its dive answers; the settings sheet asks it for
// its dive.
class CTabDivePlan : public controls::CResizablePage, public CProfileReadout, public DiveSettingsOwner {
 public:
  CTabDivePlan();
  ~CTabDivePlan() override;

  // Both only store: the main window binds the pages again after every change of the dives.
  void SetDivePlan(CDivePlan* dive) {
    dive_ = dive;
    SetReadoutDive(dive);
  }
  CDivePlan* GetDivePlan() const { return dive_; }
  void SetPlanIndex(int index) { index_ = index; }
  int GetPlanIndex() const { return index_; }

  // Everything again from the dive: the graph, its labels, the point list. Nothing without a dive.
  void RefreshAll();
  // Every text of the page again from the resources (after a change of language), then RefreshAll.
  void RefreshTexts();
  // After the units preference changed: the depth field's label, range and value follow.
  void SetDepthUnits(UnitSystem units);
  // A gas typed on another page joins this page's gas box, unselected.
  bool AddGasToLists(double oxygenPercent, double heliumPercent);
  void UpdatePointButtons();
  // The row the next refill selects; a row past the last selects the last.
  void SetSelectedRow(int row) { selectedRow_ = row; }
  int GetSelectedRow() const { return selectedRow_; }
  views::CXYLineGraph* Graph() const { return graph_; }
  // The sheet over control 2116; null before the page's window is made.
  DiveSettingsSheet* SettingsSheet() const { return settingsSheet_.get(); }

  // DiveSettingsOwner
  CDivePlan* SettingsDive() override { return dive_; }
  bool IsRefilling() const override { return resetting_; }
  void OnDiveSettingsChanged() override;

 protected:
  wxWindow* CreateControl(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                          const wxSize& size) override;
  bool OnInitDialog() override;

 private:
  // TabDivePlan.cpp
  void AnchorControls();
  void SetUpPointButtons();
  void SetUpEntryFields();
  void BindEvents();
  void BindGasMessages();
  void OnCharHook(wxKeyEvent& event);
  bool IsActive() const { return dive_ != nullptr && !resetting_; }

  // TabDivePlanPoints.cpp
  void BindEntryEvents();
  void BindPointCommands();
  void OnDepthChanged(bool leftField);
  void OnCircuitClicked(bool closedCircuit);
  void ShowCircuitFields();
  void UpdateOpenCircuitPpo2();
  PointEntry EntryFromValues() const;
  void OnAddPoint(bool insert);
  void OnUpdatePoint();
  void OnDeletePoint();
  void RefillPointList();
  void ReselectPoint(int row);
  void SelectRow(int row);
  void ShowSelectedPoint();
  void ShowPoint(const CPlanPoint& point);
  void OnListContextMenu();
  void OnPointCommand(int command);
  void OnUpdatePointCommand(wxUpdateUIEvent& event);
  void SetDepthLabel();

  // TabDivePlanGraph.cpp
  CDivePlannerDlg* MainWindowOfPage() const;
  void CreateGraph();
  void FeedGraph();
  void UpdateGraphLabels();
  void BindGraphMessages();

  views::CXYLineGraph* graph_ = nullptr;
  std::unique_ptr<DiveSettingsSheet> settingsSheet_;
  double setPointValueBar_ = 0;
  CPointEditor editor_;
  double depthValue_ = 0;  // in the display unit
  int durationValueMin_ = 0;
  int selectedRow_ = -1;
  UnitSystem units_ = UnitSystem::kMetric;
  controls::CNumSpinCtrl* depthSpin_ = nullptr;
  controls::CNumSpinCtrl* durationSpin_ = nullptr;
  controls::CNumSpinCtrl* setPointSpin_ = nullptr;
  controls::CGasComboCompletion* gasBox_ = nullptr;
  controls::CColorListCtrl* pointList_ = nullptr;
  bool initialised_ = false;
  int index_ = -1;
  CDivePlan* dive_ = nullptr;
  // Set while the page refills itself, so that its own handlers write nothing back.
  bool resetting_ = false;
};

}  // namespace app
