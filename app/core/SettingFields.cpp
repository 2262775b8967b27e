#include "app/core/SettingFields.h"

#include <cmath>

#include "engine/support/Rounding.h"
#include "resources/resource.h"

namespace {

bool Converted(SettingQuantity quantity, UnitSystem units) {
  return units == UnitSystem::kImperial && quantity != SettingQuantity::kAsStored;
}

}  // namespace

double ShownSettingValue(SettingQuantity quantity, double engineValue, UnitSystem units) {
  if (!Converted(quantity, units)) return engineValue;
  switch (quantity) {
    case SettingQuantity::kSacRate: return RoundToStep(engineValue * kCubicFeetPerLitre, 0.01);
    case SettingQuantity::kPressure: return RoundToStep(engineValue * kPsiPerBar, 1);
    default: return RoundToStep(engineValue * kFeetPerMetre, 1);
  }
}

double EngineSettingValue(SettingQuantity quantity, double shownValue, UnitSystem units) {
  if (!Converted(quantity, units)) return shownValue;
  switch (quantity) {
    case SettingQuantity::kSacRate: return shownValue * kLitresPerCubicFoot;
    case SettingQuantity::kPressure: return shownValue * kBarPerPsi;
    default: return shownValue * kMetresPerFoot;
  }
}

double ShownInUnits(const SettingFieldFormat& field, double shownValue, UnitSystem units) {
  if (field.quantity == SettingQuantity::kAsStored) return shownValue;
  if (units == UnitSystem::kImperial) return ShownSettingValue(field.quantity, shownValue, units);
  return RoundToStep(EngineSettingValue(field.quantity, shownValue, UnitSystem::kImperial), std::fabs(field.metric.step));
}

namespace setting_fields {

namespace {

// A field whose range, step and label are the same in both unit systems.
constexpr SettingFieldFormat Unitless(bool trimZeros, SpinFormat format) {
  return {SettingQuantity::kAsStored, trimZeros, format, format};
}

}  // namespace

const SettingFieldFormat kSurfacePressure = Unitless(true, {600, 1080, 1, 0, IDS_SURFACE_PRESSURE_MBAR});
const SettingFieldFormat kGfLow = Unitless(true, {0, 100, 1, 0, IDS_GF_LOW_PERCENT});
const SettingFieldFormat kGfHigh = Unitless(true, {0, 100, 1, 0, IDS_GF_HIGH_PERCENT});
const SettingFieldFormat kSacRate{SettingQuantity::kSacRate, false, {8, 80, 0.1, 1, IDS_SAC_RATE_LITRES},
                                  {0.28, 2.82, 0.01, 2, IDS_SAC_RATE_CUBIC_FEET}};
const SettingFieldFormat kMaxPpo2 = Unitless(false, {1.0, 1.8, 0.01, 2, IDS_MAX_PPO2});
const SettingFieldFormat kMaxEad{SettingQuantity::kLength, false, {20, 70, -1, 0, IDS_MAX_EAD_METRES},
                                 {65, 230, -1, 0, IDS_MAX_EAD_FEET}};
const SettingFieldFormat kDescentRate{SettingQuantity::kRate, false, {5, 50, 1, 0, IDS_DESCENT_RATE_METRES},
                                      {16, 164, 1, 0, IDS_DESCENT_RATE_FEET}};
const SettingFieldFormat kAscentRate{SettingQuantity::kRate, false, {1, 25, 1, 0, IDS_ASCENT_RATE_METRES},
                                     {3, 82, 1, 0, IDS_ASCENT_RATE_FEET}};
const SettingFieldFormat kLastDecoStop{SettingQuantity::kLength, false, {3, 6, -1, 0, IDS_LAST_DECO_STOP_METRES},
                                       {10, 20, -1, 0, IDS_LAST_DECO_STOP_FEET}};
// Shown as whole metres or feet, as the other depth fields are.
const SettingFieldFormat kBellDepth{SettingQuantity::kLength, false, {0, 305, -1, 0, IDS_BELL_DEPTH_METRES},
                                    {0, 1000, -1, 0, IDS_BELL_DEPTH_FEET}};
const SettingFieldFormat kGasSwitches = Unitless(true, {1, NO_OF_GAS_MIXES, 1, 0, IDS_NO_OF_GAS_SWITCHES});
const SettingFieldFormat kMaxCns = Unitless(true, {100, 250, 1, 0, IDS_MAX_CNS});
const SettingFieldFormat kDefaultSetPoint = Unitless(false, {0.5, 1.5, 0.01, 2, 0});
const SettingFieldFormat kCylinderPressure{SettingQuantity::kPressure, false, {150, 250, 1, 0, IDS_CYLINDER_PRESSURE_BAR},
                                           {2200, 3675, 1, 0, IDS_CYLINDER_PRESSURE_PSI}};
const SettingFieldFormat kGasReserve = Unitless(true, {10, 50, 1, 1, 0});

}  // namespace setting_fields
