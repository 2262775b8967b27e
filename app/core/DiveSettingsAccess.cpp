#include "app/core/DiveSettingsAccess.h"

#include "engine/PrivateMessages.h"

// One entry: the message, the getter and the setter of the dive setting it names.
#define VT_SPIN_SETTING(message, getter, setter)                                         \
  SpinSettingAccess {                                                                    \
    message, [](const CDivePlan& dive) { return static_cast<double>(dive.getter()); },   \
        [](CDivePlan& dive, double value) { return dive.setter(value); }                 \
  }

const std::vector<SpinSettingAccess>& DiveSpinSettings() {
  static const std::vector<SpinSettingAccess> settings = {
      VT_SPIN_SETTING(WMU_DIVESET_SURFACE_PRESSURE, GetSurfacePressure, SetSurfacePressure),
      VT_SPIN_SETTING(WMU_DIVESET_GF_LOW, GetGfLow, SetGfLow),
      VT_SPIN_SETTING(WMU_DIVESET_GF_HIGH, GetGfHigh, SetGfHigh),
      VT_SPIN_SETTING(WMU_DIVESET_SAC_RATE, GetSacRate, SetSacRate),
      VT_SPIN_SETTING(WMU_DIVESET_MAX_PPO2, GetMaxPpo2, SetMaxPpo2),
      VT_SPIN_SETTING(WMU_DIVESET_MAX_EAD, GetMaxEad, SetMaxEad),
      VT_SPIN_SETTING(WMU_DIVESET_DESCENT_RATE, GetDescentRate, SetDescentRate),
      VT_SPIN_SETTING(WMU_DIVESET_ASCENT_RATE, GetAscentRate, SetAscentRate),
      VT_SPIN_SETTING(WMU_DIVESET_LAST_DECO_STOP, GetLastStopDepth, SetLastStopDepth),
      VT_SPIN_SETTING(WMU_DIVESET_BELL_DEPTH, GetBellDepth, SetBellDepth),
  };
  return settings;
}

const std::vector<SpinSettingAccess>& BailoutSpinSettings() {
  static const std::vector<SpinSettingAccess> settings = {
      {WMU_BAILSET_GAS_SWITCHES, [](const CDivePlan& dive) { return static_cast<double>(dive.GetBailoutGasSwitchCount()); },
       [](CDivePlan& dive, double value) { return dive.SetBailoutGasSwitchCount(static_cast<int>(value)); }},
      VT_SPIN_SETTING(WMU_BAILSET_GF_LOW, GetBailoutGfLow, SetBailoutGfLow),
      VT_SPIN_SETTING(WMU_BAILSET_GF_HIGH, GetBailoutGfHigh, SetBailoutGfHigh),
      VT_SPIN_SETTING(WMU_BAILSET_SAC_RATE, GetBailoutSacRate, SetBailoutSacRate),
      VT_SPIN_SETTING(WMU_BAILSET_MAX_PPO2, GetBailoutMaxPpo2, SetBailoutMaxPpo2),
      VT_SPIN_SETTING(WMU_BAILSET_MAX_EAD, GetBailoutMaxEad, SetBailoutMaxEad),
      VT_SPIN_SETTING(WMU_BAILSET_MAX_CNS, GetBailoutMaxCns, SetBailoutMaxCns),
      VT_SPIN_SETTING(WMU_BAILSET_DESCENT_RATE, GetBailoutDescentRate, SetBailoutDescentRate),
      VT_SPIN_SETTING(WMU_BAILSET_ASCENT_RATE, GetBailoutAscentRate, SetBailoutAscentRate),
      VT_SPIN_SETTING(WMU_BAILSET_LAST_DECO_STOP, GetBailoutLastStopDepth, SetBailoutLastStopDepth),
  };
  return settings;
}
