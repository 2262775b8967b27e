#pragma once
// What the Preferences dialog edits: the program-wide defaults in the settings store, read when
// the dialog opens. Numbers are in the engine's units (bar, metres, metres per minute, litres per
// minute, millibar, percent) whatever the display units; choices are radio indexes and check
// states (1 or 0). On OK only the settings whose value the user changed are written, so that
// a value shown rounded (in imperial units, or a surface interval of 72 hours or more shown
// clamped) is never written back in its rounded form.
#include <array>
#include <string>

#include "app/core/SettingFields.h"

class CAppSettings;

// The numbers of the pages, in the order of the pages' fields.
enum class PreferenceNumber {
  kDefaultSetPoint,
  kCylinderPressure,
  kGasReserve,
  kSurfacePressure,
  kGfLow,
  kGfHigh,
  kSacRate,
  kMaxPpo2,
  kMaxEad,
  kDescentRate,
  kAscentRate,
  kLastDecoStop,
  kBailoutGasSwitches,
  kBailoutGfLow,
  kBailoutGfHigh,
  kBailoutSacRate,
  kBailoutMaxPpo2,
  kBailoutMaxEad,
  kBailoutMaxCns,
  kBailoutDescentRate,
  kBailoutAscentRate,
  kBailoutLastDecoStop,
  kCount
};

// The radio groups (the index of the chosen button) and check boxes (1 checked, 0 not).
enum class PreferenceChoice {
  kChartGrid,
  kAutoRecalc,
  kUnits,
  kPrintingDirection,
  kTimeUnits,
  kFirstAscentOption,
  kDefaultCircuit,  // 0 closed circuit, 1 open circuit
  kNoClearSurface,
  kSurfaceIntervalAlgorithm,
  kAlgorithm,
  kUseBailoutGasList,
  kIgnoreIcd,
  kIgnoreCns,
  kCount
};

struct PreferenceValues {
  std::array<double, static_cast<std::size_t>(PreferenceNumber::kCount)> numbers{};
  std::array<int, static_cast<std::size_t>(PreferenceChoice::kCount)> choices{};
  int surfaceIntervalSec = 0;
  std::string diverName;
  std::string gasMixes;        // offered by the gas box; stored by the page when a gas is typed
  std::string bailoutGasList;  // the list text, "21/0,100/0,32/0"

  double& operator[](PreferenceNumber which) { return numbers[static_cast<std::size_t>(which)]; }
  double operator[](PreferenceNumber which) const { return numbers[static_cast<std::size_t>(which)]; }
  int& operator[](PreferenceChoice which) { return choices[static_cast<std::size_t>(which)]; }
  int operator[](PreferenceChoice which) const { return choices[static_cast<std::size_t>(which)]; }
  UnitSystem Units() const {
    return (*this)[PreferenceChoice::kUnits] == 1 ? UnitSystem::kImperial : UnitSystem::kMetric;
  }
};

// How a number is shown: its spin field's range, step, decimals and label in both units.
const SettingFieldFormat& PreferenceFormat(PreferenceNumber which);

PreferenceValues ReadPreferenceValues(const CAppSettings& settings);
// Writes each setting whose chosen value differs from the loaded one. Numbers kept in
// thousandths are stored rounded to the nearest thousandth, the others to the nearest whole
// number. The gas mixes are never written here.
void WriteChangedPreferences(const PreferenceValues& loaded, const PreferenceValues& chosen, CAppSettings& settings);
