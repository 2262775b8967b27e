#include "views/core/GasTables.h"

#include <algorithm>
#include <cmath>

#include "engine/NumberText.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"

namespace views {
namespace {

std::string Title(const DiveTableFacts& dive, UnitSystem units) {
  const std::string diveSac = SacText(dive.sacLitresPerMin, units);
  if (!dive.bailout) return FormatC("Gas Usage Table<br>%s", diveSac.c_str());
  const std::string bailoutSac = SacText(dive.bailoutSacLitresPerMin, units);
  std::string usage;
  if (dive.diveSacUsed && dive.bailoutSacUsed) {
    usage = FormatC("Dive %s Bailout %s", diveSac.c_str(), bailoutSac.c_str());
  } else if (dive.diveSacUsed) {
    usage = diveSac;
  } else if (dive.bailoutSacUsed) {
    usage = bailoutSac;
  }
  return FormatC("Gas Usage Table<br>Bailout @ %s @ %s %s<br>%s", DepthText(dive.bailoutDepthMetres, units).c_str(),
                 FormatC("%d mins", dive.bailoutTimeSec / 60).c_str(),
                 BailoutGradientFactorsText(dive.bailoutGfLowPercent, dive.bailoutGfHighPercent).c_str(),
                 usage.c_str());
}

std::string Headings(const PlanTableFacts& plan, UnitSystem units) {
  const bool imperial = units == UnitSystem::kImperial;
  std::string headings = ResourceString(IDS_GAS_TABLE_MIX) + "~";
  headings += FormatC(ResourceFormat(imperial ? IDS_GAS_TABLE_VOLUME_CUBIC_FEET : IDS_GAS_TABLE_VOLUME_LITRES).c_str(),
                      plan.gasReservePercent);
  headings += "~";
  if (imperial) {
    // The working pressure in whole psi, halves up.
    headings += FormatC(ResourceFormat(IDS_GAS_TABLE_CYLINDER_CUBIC_FEET).c_str(),
                        std::floor(plan.cylinderWorkingPressureBar * kPsiPerBar + 0.5));
  } else {
    headings += FormatC(ResourceFormat(IDS_GAS_TABLE_CYLINDER_LITRES).c_str(), plan.cylinderWorkingPressureBar);
  }
  return headings;
}

}  // namespace

void BuildGasUsageTableHtml(const PlanTableFacts& plan, int index, const TableSettings& settings,
                            CGasConsumptionTablesHtml& writer) {
  writer.Reset();
  const std::string footer = FooterText(writer.GetCreatedTime(), settings);
  const int diveCount = static_cast<int>(plan.dives.size());
  int first = 0;
  int last = index == -1 ? diveCount - 1 : -1;
  if (index >= 0) {
    first = index;
    last = std::min(index, diveCount - 1);
  }
  for (int d = first; d <= last; ++d) {
    const std::optional<DiveTableFacts>& dive = plan.dives[static_cast<std::size_t>(d)];
    if (!dive || !dive->gasUsed) continue;
    const std::string header =
        DepthText(GreatestDepth(dive->segments), settings.units) + "~" + Title(*dive, settings.units) + "~" +
        GradientFactorsText(dive->gfLowPercent, dive->gfHighPercent) + "~" +
        DiveNumberText(d, diveCount, dive->lastStepTimeSec) + "~" +
        FormatC(ResourceFormat(IDS_TABLE_CNS_FINAL).c_str(), dive->finalCns * 100) + "~" +
        FormatC(ResourceFormat(IDS_TABLE_OTU_FINAL).c_str(), OtuPercent(dive->finalOtu));
    std::vector<std::string> rows{Headings(plan, settings.units)};
    rows.insert(rows.end(), dive->gasUsage.begin(), dive->gasUsage.end());
    writer.AddTable(header, dive->finalCns > kCnsLimit, dive->finalOtu > kOtuLimit, rows, footer);
  }
  writer.EndDocument();
}

}  // namespace views
