#pragma once
// The ranges within which the settings pages and preferences keep each dive and plan setting,
// in the engine's units. A page shown in imperial units has its own range, converted with the
// display factors, that reaches a little past the metric one (230 ft is 70.62 m), so each range
// here takes in both: a value either page could store is in range.
#include <algorithm>

#include "engine/Gas.h"

struct SettingRange {
  double min;
  double max;

  // The nearer end for a value outside the range (also for a value that is not a number).
  constexpr double Clamp(double value) const { return value >= min ? std::min(value, max) : min; }
};

namespace setting_ranges {

// A metric range widened by its imperial counterpart converted to metric units.
constexpr SettingRange Either(double metricMin, double metricMax, double imperialMin, double imperialMax,
                              double factor) {
  return {std::min(metricMin, imperialMin * factor), std::max(metricMax, imperialMax * factor)};
}

inline constexpr SettingRange kSurfacePressureMbar{600, 1080};
inline constexpr SettingRange kGradientFactorPercent{0, 100};
inline constexpr SettingRange kSacRateLitresPerMin = Either(8, 80, 0.28, 2.82, kLitresPerCubicFoot);
inline constexpr SettingRange kMaxPpo2Bar{1.0, 1.8};
inline constexpr SettingRange kMaxEadMetres = Either(20, 70, 65, 230, kMetresPerFoot);
// Hours 0 to 71 and minutes 0 to 59.
inline constexpr SettingRange kSurfaceIntervalSec{0, 71 * 3600 + 59 * 60};
inline constexpr SettingRange kDescentRateMetresPerMin = Either(5, 50, 16, 164, kMetresPerFoot);
inline constexpr SettingRange kAscentRateMetresPerMin = Either(1, 25, 3, 82, kMetresPerFoot);
inline constexpr SettingRange kLastStopMetres = Either(3, 6, 10, 20, kMetresPerFoot);
inline constexpr SettingRange kBellDepthMetres = Either(0, 305, 0, 1000, kMetresPerFoot);
inline constexpr SettingRange kBailoutGasSwitches{1, NO_OF_GAS_MIXES};
inline constexpr SettingRange kBailoutMaxCnsPercent{100, 250};
inline constexpr SettingRange kCylinderWorkingPressureBar = Either(150, 250, 2200, 3675, kBarPerPsi);
inline constexpr SettingRange kGasReservePercent{10, 50};
// The group's surface-interval method (0 delayed desaturation, 1 Buhlmann equation).
inline constexpr SettingRange kSurfaceIntervalMethod{0, 1};
// The algorithm a new plan may take from the settings: ZH-L16C or the custom coefficients, as
// start-up makes a stored ZH-L16A ZH-L16C.
inline constexpr SettingRange kNewPlanAlgorithm{1, 2};
// How far below the dive's surface pressure the model's surface lies.
inline constexpr SettingRange kDecoSurfaceOffsetMbar{0, 100};

}  // namespace setting_ranges
