#pragma once
// The gas mixes the user has typed, remembered for every gas combo box, and their ageing: a
// mix not chosen during the last ten or more starts and five or more days is forgotten.
//
// Gas-mix list: "21/0,32/0" (whole O2 and He percentages). Ageing list: one "O2/He/day/count"
// item per mix, the day of the last choice counted from 1 January 2000, the count the program
// starts since then; day and count -1 mark a mix that never ages.
#include <string>
#include <string_view>

#include "engine/support/DateAndNames.h"

struct GasMixLists {
  std::string mixes;
  std::string ageing;
};

// One start's ageing of both lists on day today.
GasMixLists AgeGasMixLists(std::string_view mixes, std::string_view ageing, int today);
// The ageing list after the mix was chosen on day today.
std::string RecordGasMixChoice(std::string_view ageing, int oxygenPercent, int heliumPercent, int today);

// Ages the two gas-mix settings at start-up and stores them back.
void LoadGasLists(int today = GetDaysSince2000());
// Records in the ageing setting that the mix was chosen.
void UpdateGasMixAgeing(int oxygenPercent, int heliumPercent, int today = GetDaysSince2000());
