#pragma once
// The gas-switch editor: one switch of the table generator's descent or ascent list, its depth,
// gas, circuit and set-point, with the open-circuit PPO2 of the gas at that depth. It ends with
// Add, Update or Delete, which the generator carries out.
#include <string>
#include <vector>

#include "engine/GasSwitch.h"
#include "framework/TemplateWindows.h"

namespace controls {
class CGasComboCompletion;
class CNumSpinCtrl;
}  // namespace controls

namespace views {

class CGasSwitchEdit : public framework::TemplateDialog {
 public:
  enum Result { kAdd = 0, kUpdate = 1, kDelete = 2, kNoResult = 3 };

  explicit CGasSwitchEdit(wxWindow* parent);

  // Before the dialog runs: the list's name, the kind of list, the depths of its used rows and,
  // for an edited row, the row and its depth; depths in the unit shown. The surface pressure is
  // the generator's, so that the PPO2 shown is the one its lists and checks show.
  void SetListTitle(const std::string& title) { title_ = title; }
  void SetDescentMode(bool descent) { descentMode_ = descent; }
  void AddUsedDepth(double depth) { usedDepths_.push_back(depth); }
  void SetSwitch(const CGasSwitch& gasSwitch) { switch_ = gasSwitch; }
  void SetStartingDepth(double depth) { startingDepth_ = depth; }
  void SetSurfacePressure(double mbar) { surfacePressureMbar_ = mbar; }

  // After OK: the button pressed and the switch built from the fields (depth in the unit shown).
  int GetResult() const { return result_; }
  const CGasSwitch& GetSwitch() const { return switch_; }

 protected:
  wxWindow* CreateControl(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                          const wxSize& size) override;
  bool OnInitDialog() override;

 private:
  controls::CNumSpinCtrl* DepthSpin() const;
  controls::CNumSpinCtrl* SetPointSpin() const;
  controls::CGasComboCompletion* GasBox() const;
  bool IsClosedCircuit() const;
  void ShowCircuit();
  void ChooseClosedCircuit();
  void UpdatePpo2();
  void UpdateButtons();
  void Finish(Result result);
  void BindEvents();

  std::string title_;
  bool descentMode_ = true;
  std::vector<double> usedDepths_;
  double startingDepth_ = -1;
  double surfacePressureMbar_ = 1000;
  CGasSwitch switch_;
  int result_ = kNoResult;
};

}  // namespace views
