#pragma once
// The open-circuit gas-consumption tables of the open plan: one table per dive that breathed
// open-circuit gas, one row per gas with the volume needed and the cylinder that holds it.
#include "views/core/DiveTableFacts.h"
#include "views/core/GasConsumptionTablesHtml.h"
#include "views/core/TableTexts.h"

namespace views {

// Rebuilds the writer's document with the table of the dive with the index, or of every dive
// for -1; a dive without open-circuit gas, or not calculated as it stands, has none. The
// document always has its head and footer, even without a table.
void BuildGasUsageTableHtml(const PlanTableFacts& plan, int index, const TableSettings& settings,
                            CGasConsumptionTablesHtml& writer);

}  // namespace views
