#pragma once
// "Dive Settings", the first page of a dive page's settings sheet: surface pressure, gradient
// factors, SAC rate, maximum PPO2 and EAD, surface interval, descent and ascent rates, the last
// decompression stop and the bell excursion (whose controls its owner keeps hidden).
#include "app/SettingsPage.h"

namespace controls {
class CGasComboCompletion;
class CSTimeHM;
}  // namespace controls

namespace app {

class CTabDivePlanDiveSettings : public SettingsPage {
 public:
  CTabDivePlanDiveSettings();

  void RefreshTexts() override;

  controls::CSTimeHM* SurfaceInterval() const;
  controls::CGasComboCompletion* BellGas() const;
  bool IsBellExcursion() const { return bellExcursion_; }
  // Shows or hides the surface interval field and its label.
  void ShowSurfaceInterval(bool show);
  void HideBellExcursion();

 protected:
  wxWindow* CreateControl(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                          const wxSize& size) override;
  bool OnInitDialog() override;
  void DoDataExchange(bool save) override;

 private:
  bool bellExcursion_ = false;
};

}  // namespace app
