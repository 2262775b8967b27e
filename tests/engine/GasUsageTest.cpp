#include "engine/GasUsage.h"

#include <gtest/gtest.h>

namespace {

GasUsageList UsageOf(double oxygen, double helium, double litres) {
  GasUsageList usage;
  usage[0].gas.SetMix(oxygen, helium);
  usage[0].litres = litres;
  return usage;
}

}  // namespace

TEST(GasUsage, MetricGivesLitresWithReserveAndTheCylinderSize) {
  // 1000 l + 33 % = 1330 l; 1330 l / 240 bar = 5.54 l of water capacity.
  EXPECT_EQ(GetGasUsageText(UsageOf(21, 0, 1000), 0, {33, 240, UnitSystem::kMetric}), "Air~1330~5.5");
  // 2400 l without reserve in a 200 bar cylinder: 12 l.
  EXPECT_EQ(GetGasUsageText(UsageOf(32, 0, 2400), 0, {0, 200, UnitSystem::kMetric}), "32% Nitrox~2400~12.0");
  // 750 l + 50 % = 1125 l; / 232 bar = 4.849 l.
  EXPECT_EQ(GetGasUsageText(UsageOf(18, 45, 750), 0, {50, 232, UnitSystem::kMetric}), "18/45~1125~4.8");
}

TEST(GasUsage, ImperialGivesCubicFeetTwice) {
  // 1330 l x 0.03531467 = 46.97 cu ft.
  EXPECT_EQ(GetGasUsageText(UsageOf(21, 0, 1000), 0, {33, 240, UnitSystem::kImperial}), "Air~47.0~47.0");
  // 2400 l x 0.03531467 = 84.755 cu ft.
  EXPECT_EQ(GetGasUsageText(UsageOf(100, 0, 2400), 0, {0, 200, UnitSystem::kImperial}), "Oxygen~84.8~84.8");
}

TEST(GasUsage, NoTextForMissingRecordsAndNoCylinderWithoutPressure) {
  const GasUsageList usage = UsageOf(21, 0, 1000);
  const GasUsageTerms metric{33, 240, UnitSystem::kMetric};
  EXPECT_EQ(GetGasUsageText(usage, 12, metric), "");
  EXPECT_EQ(GetGasUsageText(usage, -1, metric), "");
  EXPECT_EQ(GetGasUsageText(usage, 1, metric), "");  // a record without a gas
  EXPECT_EQ(GetGasUsageText(usage, 0, {33, 0, UnitSystem::kMetric}), "Air~1330~");
  EXPECT_EQ(GetGasUsageText(usage, 0, {33, -10, UnitSystem::kMetric}), "Air~1330~");
}
