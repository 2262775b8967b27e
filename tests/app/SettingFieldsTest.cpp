// The settings fields' units: values shown in feet, cubic feet and psi, and what a shown value
// stores, worked out by hand with the display factors.
#include <gtest/gtest.h>

#include <cmath>

#include "app/core/SettingFields.h"

namespace {

constexpr UnitSystem kMetric = UnitSystem::kMetric;
constexpr UnitSystem kImperial = UnitSystem::kImperial;

TEST(SettingFieldsTest, ImperialValuesAreShownToTheFieldStepAndStoredWithTheOtherFactor) {
  // 30 l/min × 0.03531467 = 1.0594 cu ft/min, shown 1.06; 1.06 × 28.31685 = 30.0159 l/min.
  EXPECT_DOUBLE_EQ(ShownSettingValue(SettingQuantity::kSacRate, 30, kImperial), 1.06);
  EXPECT_NEAR(EngineSettingValue(SettingQuantity::kSacRate, 1.06, kImperial), 30.015861, 1e-6);
  // 6 m × 3.2568 = 19.54 ft, shown 20; 20 ft × 0.30705 = 6.141 m.
  EXPECT_EQ(ShownSettingValue(SettingQuantity::kLength, 6, kImperial), 20);
  EXPECT_DOUBLE_EQ(EngineSettingValue(SettingQuantity::kLength, 20, kImperial), 6.141);
  // 35 m = 113.99 ft, 10 m/min = 32.57 ft/min, 240 bar = 3480.9 psi.
  EXPECT_EQ(ShownSettingValue(SettingQuantity::kLength, 35, kImperial), 114);
  EXPECT_EQ(ShownSettingValue(SettingQuantity::kRate, 10, kImperial), 33);
  EXPECT_EQ(ShownSettingValue(SettingQuantity::kPressure, 240, kImperial), 3481);
  EXPECT_NEAR(EngineSettingValue(SettingQuantity::kPressure, 3481, kImperial), 240.0065, 1e-4);

  // Metric values and unitless fields pass unchanged.
  EXPECT_EQ(ShownSettingValue(SettingQuantity::kSacRate, 30.0159, kMetric), 30.0159);
  EXPECT_EQ(EngineSettingValue(SettingQuantity::kLength, 6, kMetric), 6);
  EXPECT_EQ(ShownSettingValue(SettingQuantity::kAsStored, 1013, kImperial), 1013);
  EXPECT_EQ(EngineSettingValue(SettingQuantity::kAsStored, 1013, kImperial), 1013);
}

TEST(SettingFieldsTest, EveryImperialValueAFieldOffersIsShownAgainAfterItWasStored) {
  using namespace setting_fields;
  for (const SettingFieldFormat* field : {&kSacRate, &kMaxEad, &kDescentRate, &kAscentRate, &kLastDecoStop, &kBellDepth}) {
    const SpinFormat& feet = field->In(kImperial);
    const double step = std::fabs(feet.step);
    for (double shown = feet.minimum; shown <= feet.maximum + step / 2; shown += step) {
      const double expected = std::round(shown / step) * step;
      const double stored = EngineSettingValue(field->quantity, expected, kImperial);
      EXPECT_NEAR(ShownSettingValue(field->quantity, stored, kImperial), expected, 1e-9) << expected;
    }
  }
}

}  // namespace

TEST(SettingFieldsTest, ASwitchToImperialAndBackShowsTheMetricValuesAgain) {
  using namespace setting_fields;
  // Worked by hand: 30 l/min = 1.0594 cu ft/min, shown 1.06, and 1.06 × 28.31685 = 30.016, shown
  // 30.0; 35 m = 113.99 ft and 114 × 0.30705 = 35.004 m; 20 m/min = 65.14 ft/min and 65 ft =
  // 19.958 m; 10 m/min = 32.57 and 33 ft = 10.13 m; 6 m = 19.54 ft and 20 ft = 6.141 m; 240 bar =
  // 3480.9 psi and 3481 psi = 240.0065 bar.
  struct Case {
    const SettingFieldFormat* field;
    double metric;
    double imperial;
  };
  for (const Case& each : {Case{&kSacRate, 30, 1.06}, Case{&kMaxEad, 35, 114}, Case{&kDescentRate, 20, 65},
                           Case{&kAscentRate, 10, 33}, Case{&kLastDecoStop, 6, 20}, Case{&kCylinderPressure, 240, 3481}}) {
    EXPECT_NEAR(ShownInUnits(*each.field, each.metric, kImperial), each.imperial, 1e-9) << each.metric;
    EXPECT_NEAR(ShownInUnits(*each.field, each.imperial, kMetric), each.metric, 1e-9) << each.imperial;
  }
  // A field without units keeps what it shows, fraction and all.
  EXPECT_EQ(ShownInUnits(kGfLow, 25.7, kImperial), 25.7);
  EXPECT_EQ(ShownInUnits(kGasReserve, 33.5, kMetric), 33.5);
}
