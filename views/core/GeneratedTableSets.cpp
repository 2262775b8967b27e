#include "views/core/GeneratedTableSets.h"

#include <algorithm>

#include "engine/NumberText.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"
#include "views/core/DivePlanTable.h"
#include "views/core/GeneratorLog.h"

namespace views {
namespace {

// One plan of a table: its column and the value that names the column.
struct Column {
  std::size_t index;
  double key;
  const CDivePlan* dive;
};

// The plans of one table, in column order.
struct SetTable {
  std::vector<Column> columns;
  int durationMin = 0;  // the bottom time of a table of one bottom time
  std::string dumpTitle;
};

std::string Minutes(int minutes, bool minutesAndSeconds) {
  return minutesAndSeconds ? FormatC("%d:%02d", minutes, 0) : FormatC("%d", minutes);
}

std::string TimeText(int seconds) { return FormatC("%d:%02d", seconds / 60, seconds % 60); }

// Adds every segment of the plans to a new table; only the last plan's warnings are kept.
void FillTable(CDivePlanTable& table, const std::vector<Column>& columns, const TableSettings& settings) {
  for (std::size_t c = 0; c < columns.size(); ++c) {
    const CDivePlan& dive = *columns[c].dive;
    const bool last = c + 1 == columns.size();
    if (c > 0) LogGeneratorLine("-", DBG_DIVE_TABLES);
    int previousRunTime = 0;
    for (int s = 0; s < dive.GetSegmentCount(); ++s) {
      int runTime = dive.GetSegmentRunTime(s);
      int segmentTime = dive.GetSegmentDuration(s);
      if (!settings.minutesAndSeconds) {
        RoundUpToMinute(runTime);
        segmentTime = runTime - previousRunTime;
        previousRunTime = runTime;
      }
      const std::string gas = MixName(dive.GetSegmentOxygen(s), dive.GetSegmentHelium(s));
      const int warnings = last ? dive.GetSegmentWarningFlags(s) : 0;
      table.AddSegment(c == 0, dive.GetSegmentDepth(s), dive.IsSegmentNoClearSurface(s), gas,
                       dive.IsSegmentClosedCircuit(s), dive.GetSegmentPpo2(s), warnings, dive.GetSegmentType(s),
                       static_cast<int>(columns[c].index), columns[c].key, segmentTime, runTime);
      LogConsolidation(FormatC("Adding line - %s,%0.2f,%d,%s,%0.0f,%s,%s,", gas.c_str(), dive.GetSegmentPpo2(s),
                               warnings, CDiveSegment::GetTypeName(dive.GetSegmentType(s)), dive.GetSegmentDepth(s),
                               TimeText(segmentTime).c_str(), TimeText(runTime).c_str()));
    }
  }
}

class TableWriter {
 public:
  TableWriter(const TableGenerationRun& run, TableGrouping grouping, const TableSettings& settings)
      : run_(run), byDepth_(grouping == TableGrouping::kByDepth), settings_(settings) {}

  GeneratedTable Build(const SetTable& set) const {
    const std::vector<Column>& columns = set.columns;
    CDivePlanTable table;
    FillTable(table, columns, settings_);
    LogConsolidation(set.dumpTitle);
    for (int row = 0; row < table.GetRowCount(); ++row) LogConsolidation(table.GetRowText(row));

    const CDivePlan& last = *columns.back().dive;
    std::vector<std::size_t> cellColumns;
    if (byDepth_) {
      for (int c = 0; c < table.GetColumnCount(); ++c) cellColumns.push_back(static_cast<std::size_t>(c));
    } else {
      for (const Column& column : columns) cellColumns.push_back(column.index);
    }
    GeneratedTable generated{Header(table, set), last.GetFinalCns() > kCnsLimit, last.GetFinalOtu() > kOtuLimit,
                             {Headings(table, last, cellColumns)}, {false}, WarningTable(last)};
    AddRows(table, last, cellColumns, generated.rows, generated.flags);
    return generated;
  }

 private:
  std::string DepthText(double metres) const { return views::DepthText(metres, settings_.units); }

  std::string Header(const CDivePlanTable& table, const SetTable& set) const {
    const std::vector<Column>& columns = set.columns;
    const CDivePlan& last = *columns.back().dive;
    std::string first;
    std::string range;
    if (byDepth_) {
      double deepest = 0;
      for (int row = 0; row < table.GetRowCount(); ++row) deepest = std::max(deepest, table.GetDepth(row));
      first = DepthText(deepest);
      const std::vector<int>& durations = run_.Durations();
      range = ResourceString(IDS_GEN_TABLE_DURATIONS) + " " + Minutes(durations.front(), settings_.minutesAndSeconds) +
              " - " + Minutes(durations.back(), settings_.minutesAndSeconds) + " Mins";
    } else {
      const int duration = set.durationMin;
      first = settings_.minutesAndSeconds ? FormatC("%d:%02d(mm:ss)", duration, 0) : FormatC("%d(mins)", duration);
      const double shallowest = run_.Depths()[columns.front().index];
      const double deepest = run_.Depths()[columns.back().index];
      range = columns.size() == 1 ? ResourceString(IDS_GEN_TABLE_DEPTH) + " " + DepthText(shallowest)
                                  : ResourceString(IDS_GEN_TABLE_DEPTHS) + " " + DepthText(shallowest) + " - " +
                                        DepthText(deepest);
    }
    return first + "~Dive Table~" + GradientFactorsText(last.GetGfLow(), last.GetGfHigh()) + "~" + range + "~~";
  }

  std::string Headings(const CDivePlanTable& table, const CDivePlan& last,
                       const std::vector<std::size_t>& cellColumns) const {
    std::string headings = ResourceString(IDS_TABLE_GAS) + "~" + ResourceString(IDS_TABLE_PPO2) + "~";
    if (last.GetGasWarningCount() > 0) headings += ResourceString(IDS_TABLE_WARNINGS) + "~";
    headings += byDepth_ ? ResourceString(IDS_GEN_TABLE_DEPTHS) + "&nbsp\\&nbsp" + ResourceString(IDS_GEN_TABLE_TIMES)
                         : ResourceString(IDS_GEN_TABLE_DEPTHS);
    headings += "~";
    if (HasNoClearSurface(table)) headings += ResourceString(IDS_TABLE_NCS) + "~";
    for (std::size_t column : cellColumns) {
      headings += (byDepth_ ? Minutes(run_.Durations()[column], settings_.minutesAndSeconds)
                            : DepthText(run_.Depths()[column])) +
                  "~";
    }
    headings.pop_back();
    return headings;
  }

  static bool HasNoClearSurface(const CDivePlanTable& table) {
    for (int row = 0; row < table.GetRowCount(); ++row) {
      if (table.IsNoClearSurface(row)) return true;
    }
    return false;
  }

  std::string DepthCell(const CDivePlanTable& table, int row) const {
    if (table.IsFirstAscent(row)) return ResourceString(IDS_TABLE_ASCENT_TO_FIRST_STOP);
    const double depth = DisplayDepth(table.GetDepth(row), settings_.units);
    if (table.IsBottom(row)) {
      return byDepth_ ? FormatC(ResourceFormat(IDS_GEN_TABLE_BOTTOM).c_str(), depth)
                      : ResourceString(IDS_TABLE_BOTTOM_DEPTH);
    }
    return FormatC("%2.0f", depth);
  }

  std::string Cell(const CDivePlanTable& table, int row, std::size_t column) const {
    const int runTime = table.GetRunTime(row, static_cast<int>(column));
    if (runTime == 0) return "-";
    const int segmentTime = table.GetSegmentTime(row, static_cast<int>(column));
    if (settings_.minutesAndSeconds) {
      return FormatC("%d:%02d/%d:%02d", segmentTime / 60, segmentTime % 60, runTime / 60, runTime % 60);
    }
    return FormatC("%d / %d", segmentTime / 60, runTime / 60);
  }

  void AddRows(const CDivePlanTable& table, const CDivePlan& last, const std::vector<std::size_t>& cellColumns,
               std::vector<std::string>& rows, std::vector<bool>& flags) const {
    const bool warningColumn = last.GetGasWarningCount() > 0;
    const bool ncsColumn = HasNoClearSurface(table);
    const int count = table.GetRowCount();
    for (int i = 0; i < count; ++i) {
      const int row = settings_.lastSegmentFirst ? count - 1 - i : i;
      std::string text = table.GetGasName(row) + "~" +
                         (table.IsClosedCircuit(row) ? FormatC("%.2f", table.GetPpo2(row)) : std::string("OC")) + "~";
      bool flagged = false;
      if (warningColumn) {
        const std::string warnings = SegmentWarningsText(table.GetWarnings(row));
        flagged = !warnings.empty();
        text += (flagged ? warnings : std::string("&nbsp")) + "~";
      }
      text += DepthCell(table, row) + "~";
      if (ncsColumn) text += (table.IsNoClearSurface(row) ? ResourceString(IDS_TABLE_NCS) : std::string("&nbsp")) + "~";
      for (std::size_t column : cellColumns) text += Cell(table, row, column) + "~";
      text.pop_back();
      rows.push_back(std::move(text));
      flags.push_back(flagged);
    }
  }

  static std::vector<std::string> WarningTable(const CDivePlan& last) {
    if (last.GetGasWarningCount() == 0) return {};
    std::vector<std::string> warnings{ResourceString(IDS_TABLE_GAS) + "~" + ResourceString(IDS_TABLE_WARNINGS)};
    for (int w = 0; w < last.GetGasWarningCount(); ++w) warnings.push_back(last.GetGasWarningText(w));
    return warnings;
  }

 private:
  const TableGenerationRun& run_;
  bool byDepth_;
  const TableSettings& settings_;
};

}  // namespace

std::vector<std::vector<std::size_t>> RunsOfSameSwitchCount(const TableGenerationRun& run, std::size_t durationIndex) {
  std::vector<std::vector<std::size_t>> runs;
  int switches = -1;
  for (std::size_t i = 0; i < run.Depths().size(); ++i) {
    const GeneratedPlan& plan = run.PlanAt(i, durationIndex);
    if (!plan.TakesPart()) continue;
    if (runs.empty() || plan.dive->GetGasSwitchesUsed() != switches) runs.emplace_back();
    switches = plan.dive->GetGasSwitchesUsed();
    runs.back().push_back(i);
  }
  return runs;
}

std::vector<GeneratedTable> BuildGeneratedTables(const TableGenerationRun& run, TableGrouping grouping,
                                                 const TableSettings& settings) {
  LogConsolidation("Started");
  const TableWriter builder(run, grouping, settings);
  std::vector<GeneratedTable> tables;
  const auto add = [&](const SetTable& set) {
    if (!set.columns.empty()) tables.push_back(builder.Build(set));
  };
  if (grouping == TableGrouping::kByDepth) {
    for (std::size_t i = 0; i < run.Depths().size(); ++i) {
      SetTable set{{}, 0, FormatC("Table %zu Dump", i + 1)};
      for (std::size_t j = 0; j < run.Durations().size(); ++j) {
        const GeneratedPlan& plan = run.PlanAt(i, j);
        if (plan.TakesPart()) set.columns.push_back({j, static_cast<double>(run.Durations()[j]), plan.dive.get()});
      }
      add(set);
    }
  } else {
    for (std::size_t j = 0; j < run.Durations().size(); ++j) {
      for (const std::vector<std::size_t>& depths : RunsOfSameSwitchCount(run, j)) {
        SetTable set{{}, run.Durations()[j], FormatC("Table %zu", j + 1)};
        for (std::size_t i : depths) set.columns.push_back({i, run.Depths()[i], run.PlanAt(i, j).dive.get()});
        add(set);
      }
    }
  }
  return tables;
}

bool CreateTables(const TableGenerationRun& run, TableGrouping grouping, const TableSettings& settings,
                  CDivePlanTablesHtml& writer) {
  const std::vector<GeneratedTable> tables = BuildGeneratedTables(run, grouping, settings);
  if (tables.empty()) return false;
  writer.Reset();
  const std::string footer = FooterText(writer.GetCreatedTime(), settings);
  for (const GeneratedTable& table : tables) {
    writer.AddTable(table.header, table.cnsOverLimit, table.otuOverLimit, table.rows, footer, table.flags,
                    table.warnings);
  }
  writer.EndDocument();
  return true;
}

}  // namespace views
