#include "engine/GasUsage.h"

#include "engine/NumberText.h"

std::string GetGasUsageText(const GasUsageList& usage, int index, const GasUsageTerms& terms) {
  if (index < 0 || index >= static_cast<int>(usage.size())) return {};
  const GasUsage& record = usage[static_cast<std::size_t>(index)];
  if (!record.gas.IsValid()) return {};

  const double litresWithReserve = (terms.reservePercent / 100 + 1) * record.litres;
  std::string volume;
  std::string cylinder;
  if (terms.units == UnitSystem::kImperial) {
    volume = FormatC("%0.1f", litresWithReserve * kCubicFeetPerLitre);
    cylinder = volume;
  } else {
    volume = FormatC("%0.0f", litresWithReserve);
    if (terms.cylinderWorkingPressureBar > 0) {
      cylinder = FormatC("%0.1f", litresWithReserve / terms.cylinderWorkingPressureBar);
    }
  }
  return record.gas.GetName(false) + "~" + volume + "~" + cylinder;
}
