#pragma once
// Taking the table generator's settings and gas switches from a dive of the open plan: the rows
// the import dialog offers, and the import itself.
#include <string>
#include <vector>

#include "engine/PlanGroup.h"
#include "views/core/GeneratorPage.h"

struct ImportRow {
  std::string name;
  std::string summary;
  double key;  // the dive's index, + 0.5 for the row of its bailout plan
};

// One row per dive, and a second row for a dive in bailout mode.
std::vector<ImportRow> BuildImportRows(const CPlanGroup& group);

struct ImportChoice {
  int dive = -1;
  bool bailout = false;
};
ImportChoice ChoiceOfKey(double key);

struct SwitchSides {
  std::vector<CGasSwitch> descent;
  std::vector<CGasSwitch> ascent;
};
// Follows the direction of the dive through its gas changes: from the first entry on it
// descends, a shallower entry turns it to ascending and a deeper one back to descending. Stops
// at the first entry without a gas.
SwitchSides SplitByDirection(const CPlanGroup::GasSwitchTable& switches);

// The dive's (or its bailout's) surface pressure, gradient factors, rates and last stop into
// the page; false without a group or a dive at the index.
bool ImportDiveSettings(const CPlanGroup* group, const ImportChoice& choice, GeneratorPage& page);
// Replaces both lists with the dive's gas changes, each side in depth order and freed of
// duplicates; every dropped or refused switch is told to the user. False, with the lists
// unchanged, without a group or when the dive has no gas.
bool ImportGasSwitches(const CPlanGroup* group, const ImportChoice& choice, GeneratorPage& page);
