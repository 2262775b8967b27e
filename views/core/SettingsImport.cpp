#include "views/core/SettingsImport.h"

#include "engine/NumberText.h"
#include "views/core/GasListMessages.h"

std::vector<ImportRow> BuildImportRows(const CPlanGroup& group) {
  std::vector<ImportRow> rows;
  for (int i = 0; i < group.GetDiveCount(); ++i) {
    const CDivePlan* dive = group.GetDivePlan(i);
    if (dive == nullptr) continue;
    const std::string name =
        dive->GetName().empty() ? FormatC("Dive %d", i + 1) : FormatC("Dive %d - %s", i + 1, dive->GetName().c_str());
    rows.push_back({name, group.GetDiveDepthText(i), static_cast<double>(i)});
    if (dive->IsBailoutMode()) rows.push_back({name, "Bailout Mode", i + 0.5});
  }
  return rows;
}

ImportChoice ChoiceOfKey(double key) {
  const int dive = static_cast<int>(key);
  return {dive, key - dive == 0.5};
}

SwitchSides SplitByDirection(const CPlanGroup::GasSwitchTable& switches) {
  SwitchSides sides;
  if (!switches[0].IsGasSet()) return sides;
  sides.descent.push_back(switches[0]);
  bool descending = true;
  double previousMetres = 0;
  for (std::size_t i = 1; i < switches.size() && switches[i].IsGasSet(); ++i) {
    const double depth = switches[i].GetDepth();
    if (descending && depth < previousMetres) descending = false;
    if (!descending && depth > previousMetres) descending = true;
    (descending ? sides.descent : sides.ascent).push_back(switches[i]);
    previousMetres = depth;
  }
  return sides;
}

bool ImportDiveSettings(const CPlanGroup* group, const ImportChoice& choice, GeneratorPage& page) {
  CPlanGroup::DiveSummary summary;
  if (group == nullptr || !group->GetDiveSummary(choice.dive, choice.bailout, summary)) return false;
  page.SetMetric(kSurfacePressure, summary.surfacePressureMbar);
  page.SetMetric(kGfLow, summary.gfLowPercent);
  page.SetMetric(kGfHigh, summary.gfHighPercent);
  page.SetMetric(kDescentRate, summary.descentRateMetresPerMin);
  page.SetMetric(kAscentRate, summary.ascentRateMetresPerMin);
  page.SetMetric(kLastDecoStop, summary.lastStopMetres);
  return true;
}

bool ImportGasSwitches(const CPlanGroup* group, const ImportChoice& choice, GeneratorPage& page) {
  CPlanGroup::GasSwitchTable switches;
  if (group == nullptr || !group->GetGasSwitches(choice.dive, switches, choice.bailout) || !switches[0].IsGasSet()) {
    return false;
  }
  SwitchSides sides = SplitByDirection(switches);
  const UnitSystem units = page.Units();
  for (auto [side, kind] : {std::pair{&sides.descent, GasListKind::kDescent}, {&sides.ascent, GasListKind::kAscent}}) {
    SortSwitchesByDepth(*side);
    TellDroppedSwitches(RemoveDuplicateSwitches(*side, kind), units);
  }
  page.travel.Clear();
  page.deco.Clear();
  for (const CGasSwitch& gas : sides.descent) AddSwitchTellingUser(page.travel, gas, units);
  for (const CGasSwitch& gas : sides.ascent) AddSwitchTellingUser(page.deco, gas, units);
  return true;
}
