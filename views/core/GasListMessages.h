#pragma once
// The table generator's gas-list changes made on the user's behalf: what a list refuses or drops
// is told in message boxes ("Velmar Tessaline", exclamation icon), depths in the page's unit.
#include <vector>

#include "views/core/GeneratorGasList.h"

// False when the list refused the switch (full, or a row at that depth).
bool AddSwitchTellingUser(GeneratorGasList& list, const CGasSwitch& gasSwitch, UnitSystem units);
bool UpdateSwitchTellingUser(GeneratorGasList& list, int row, const CGasSwitch& gasSwitch, UnitSystem units);
// One message per dropped duplicate.
void TellDroppedSwitches(const std::vector<DroppedSwitch>& dropped, UnitSystem units);
