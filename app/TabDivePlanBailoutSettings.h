#pragma once
// "Bailout Settings", the second page of a dive page's settings sheet, present while the dive
// can be bailed out of: the number of gas switches, gradient factors, SAC rate, maximum PPO2,
// EAD and CNS, descent and ascent rates, the last decompression stop, and the choices Use
// Bailout Gas List, Ignore ICD Rules and Ignore CNS Limits.
#include "app/SettingsPage.h"

namespace app {

class CTabDivePlanBailoutSettings : public SettingsPage {
 public:
  CTabDivePlanBailoutSettings();

  void RefreshTexts() override;

  bool IsUseBailoutGasList() const { return useBailoutGasList_; }
  bool IsIgnoreIcd() const { return ignoreIcd_; }
  bool IsIgnoreCns() const { return ignoreCns_; }
  // Shows the three choices.
  void SetChoices(bool useBailoutGasList, bool ignoreIcd, bool ignoreCns);
  // The gas list chooses the gases, so their number cannot be typed while it is used.
  void UpdateGasSwitchEdit();

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(bool save) override;

 private:
  void BindChoice(int checkId, unsigned message);

  bool useBailoutGasList_ = false;
  bool ignoreIcd_ = false;
  bool ignoreCns_ = false;
};

}  // namespace app
