#include "views/core/GasListMessages.h"

#include "engine/NumberText.h"
#include "platform/UserInterface.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"
#include "views/core/GeneratorPage.h"

namespace {

void Tell(const std::string& text) { platform::AskUser(text, platform::mb::kOk | platform::mb::kIconExclamation); }

}  // namespace

void TellDroppedSwitches(const std::vector<DroppedSwitch>& dropped, UnitSystem units) {
  const char* unit = LengthUnitText(units);
  for (const DroppedSwitch& row : dropped) {
    const double droppedDepth = ToShownLength(row.droppedMetres, units);
    Tell(FormatC(ResourceFormat(IDS_MSG_DUPLICATE_SWITCHES).c_str(), droppedDepth, unit,
                 ToShownLength(row.keptMetres, units), unit, droppedDepth, unit));
  }
}

bool AddSwitchTellingUser(GeneratorGasList& list, const CGasSwitch& gasSwitch, UnitSystem units) {
  std::vector<DroppedSwitch> dropped;
  switch (list.Add(gasSwitch, dropped)) {
    case GeneratorGasList::AddResult::kAdded:
      TellDroppedSwitches(dropped, units);
      return true;
    case GeneratorGasList::AddResult::kFull:
      Tell(ResourceString(IDS_MSG_TOO_MANY_SWITCHES));
      return false;
    case GeneratorGasList::AddResult::kDepthExists:
      Tell(ResourceString(IDS_MSG_DEPTH_EXISTS));
      return false;
    case GeneratorGasList::AddResult::kUnusable:
      return false;
  }
  return false;
}

bool UpdateSwitchTellingUser(GeneratorGasList& list, int row, const CGasSwitch& gasSwitch, UnitSystem units) {
  std::vector<DroppedSwitch> dropped;
  if (!list.Update(row, gasSwitch, dropped)) return false;
  TellDroppedSwitches(dropped, units);
  return true;
}
