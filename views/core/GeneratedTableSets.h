#pragma once
// The tables of a generation run: consolidated tables of the plans that were completed, either
// one per depth with a column per bottom time, or one per bottom time with a column per depth.
// A bottom time gives one table per run of depths whose plans used the same number of gas
// switches, so that every table holds plans of one shape.
#include <string>
#include <vector>

#include "views/core/DivePlanTablesHtml.h"
#include "views/core/TableGenerationRun.h"
#include "views/core/TableTexts.h"

namespace views {

// The depth indexes of one bottom time's tables: completed plans only, each run a stretch of
// them, in depth order, that used the same number of gas switches.
std::vector<std::vector<std::size_t>> RunsOfSameSwitchCount(const TableGenerationRun& run, std::size_t durationIndex);

// One table of the set as the writer takes it.
struct GeneratedTable {
  std::string header;
  bool cnsOverLimit = false;
  bool otuOverLimit = false;
  std::vector<std::string> rows;  // element 0 the headings
  std::vector<bool> flags;
  std::vector<std::string> warnings;
};

// The tables of the set in order; none when no plan was completed.
std::vector<GeneratedTable> BuildGeneratedTables(const TableGenerationRun& run, TableGrouping grouping,
                                                 const TableSettings& settings);
// Writes the set into the writer; false, with no table written, when no plan was completed.
bool CreateTables(const TableGenerationRun& run, TableGrouping grouping, const TableSettings& settings,
                  CDivePlanTablesHtml& writer);

}  // namespace views
