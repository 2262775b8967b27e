#pragma once
// How the settings pages and the preference pages show a dive or bailout setting: the range,
// step, decimals and label of its spin field in metric and in imperial units, and the conversion
// of its value between the engine's units (metres, metres per minute, litres per minute, bar)
// and the units shown (feet, feet per minute, cubic feet per minute, psi).
#include "engine/Gas.h"

enum class SettingQuantity { kAsStored, kLength, kRate, kSacRate, kPressure };

struct SpinFormat {
  double minimum;
  double maximum;
  double step;  // a negative step makes the up arrow lower the value
  int decimals;
  int labelId;  // the label's string; 0 for a field whose label never changes
};

struct SettingFieldFormat {
  SettingQuantity quantity;
  bool trimZeros;
  SpinFormat metric;
  SpinFormat imperial;

  const SpinFormat& In(UnitSystem units) const { return units == UnitSystem::kImperial ? imperial : metric; }
};

// The value a field shows for a value in the engine's unit. Imperial: lengths and rates × 3.2568
// to a whole number, SAC rates × 0.03531467 to hundredths, pressures × 14.50377 to a whole
// number. Metric values, and values of fields without units, are shown as they are.
double ShownSettingValue(SettingQuantity quantity, double engineValue, UnitSystem units);
// The value a field shows in the engine's unit: imperial lengths and rates × 0.30705, SAC rates
// × 28.31685, pressures × 0.06894757.
double EngineSettingValue(SettingQuantity quantity, double shownValue, UnitSystem units);
// What a field shows after a switch to units of the value it showed in the other units: to
// imperial as ShownSettingValue, to metric the engine value rounded to the field's metric step.
double ShownInUnits(const SettingFieldFormat& field, double shownValue, UnitSystem units);

namespace setting_fields {

extern const SettingFieldFormat kSurfacePressure;
extern const SettingFieldFormat kGfLow;
extern const SettingFieldFormat kGfHigh;
extern const SettingFieldFormat kSacRate;
extern const SettingFieldFormat kMaxPpo2;
extern const SettingFieldFormat kMaxEad;
extern const SettingFieldFormat kDescentRate;
extern const SettingFieldFormat kAscentRate;
extern const SettingFieldFormat kLastDecoStop;
extern const SettingFieldFormat kBellDepth;
extern const SettingFieldFormat kGasSwitches;
extern const SettingFieldFormat kMaxCns;
// The preferences' defaults for new plans and plan points.
extern const SettingFieldFormat kDefaultSetPoint;
extern const SettingFieldFormat kCylinderPressure;
extern const SettingFieldFormat kGasReserve;

}  // namespace setting_fields
