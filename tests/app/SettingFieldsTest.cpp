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
