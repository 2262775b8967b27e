#pragma once
// The dive tables of the open plan: one table per dive with its header, one row per printed
// segment and, when the dive warns about a gas, a warning table.
#include "views/core/DivePlanTablesHtml.h"
#include "views/core/DiveTableFacts.h"
#include "views/core/TableTexts.h"

namespace views {

// Writes the table of the dive with the index, or of every dive for -1, into the writer. A dive
// is printed when the plan holds it calculated and it has printed segments; when no dive is,
// nothing is written, the writer keeps its document and the result is false.
bool BuildDiveTableHtml(const PlanTableFacts& plan, int index, const TableSettings& settings,
                        CDivePlanTablesHtml& writer);

}  // namespace views
