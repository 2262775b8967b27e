#include "views/core/DiveTables.h"

#include <algorithm>

#include "engine/NumberText.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"
#include "views/core/DivePlanTable.h"

namespace views {
namespace {

bool Printable(const std::optional<DiveTableFacts>& dive) { return dive && !dive->segments.empty(); }

std::string Title(const DiveTableFacts& dive, UnitSystem units) {
  if (!dive.bailout) return "Dive Plan";
  return FormatC("Dive Plan<br>Bailout @ %s @ %s %s %s", DepthText(dive.bailoutDepthMetres, units).c_str(),
                 FormatC("%d mins", dive.bailoutTimeSec / 60).c_str(),
                 BailoutGradientFactorsText(dive.bailoutGfLowPercent, dive.bailoutGfHighPercent).c_str(),
                 SacText(dive.bailoutSacLitresPerMin, units).c_str());
}

struct Header {
  std::string text;
  bool cnsOverLimit = false;
  bool otuOverLimit = false;
};

Header TableHeader(const DiveTableFacts& dive, int index, int diveCount, UnitSystem units) {
  std::string number = DiveNumberText(index, diveCount, dive.lastStepTimeSec);
  if (diveCount >= 2 && index != 0) {
    const int interval = dive.surfaceIntervalSec;
    number += FormatC(ResourceFormat(IDS_TABLE_SURFACE_INTERVAL).c_str(), interval / 3600, interval % 3600 / 60);
  }
  Header header;
  std::string cns;
  std::string otu;
  // The first dive starts clean: it shows only where it ends.
  if (index == 0) {
    cns = FormatC(ResourceFormat(IDS_TABLE_CNS_FINAL).c_str(), dive.finalCns * 100);
    otu = FormatC(ResourceFormat(IDS_TABLE_OTU_FINAL).c_str(), OtuPercent(dive.finalOtu));
    header.cnsOverLimit = dive.finalCns > kCnsLimit;
    header.otuOverLimit = dive.finalOtu > kOtuLimit;
  } else {
    cns = FormatC(ResourceFormat(IDS_TABLE_CNS_INITIAL_FINAL).c_str(), dive.initialCns * 100, dive.finalCns * 100);
    otu = FormatC(ResourceFormat(IDS_TABLE_OTU_INITIAL_FINAL).c_str(), OtuPercent(dive.initialOtu),
                  OtuPercent(dive.finalOtu));
    header.cnsOverLimit = dive.initialCns > kCnsLimit || dive.finalCns > kCnsLimit;
    header.otuOverLimit = dive.initialOtu > kOtuLimit || dive.finalOtu > kOtuLimit;
  }
  header.text = DepthText(GreatestDepth(dive.segments), units) + "~" + Title(dive, units) + "~" +
                GradientFactorsText(dive.gfLowPercent, dive.gfHighPercent) + "~" + number + "~" + cns + "~" + otu;
  return header;
}

std::string DepthCell(const CDiveSegment& segment, UnitSystem units) {
  switch (segment.type) {
    case kSegmentFirstAscent: return ResourceString(IDS_TABLE_ASCENT_TO_FIRST_STOP);
    case kSegmentAscentToSurface: return ResourceString(IDS_TABLE_ASCENT_TO_SURFACE);
    case kSegmentBottomDepth:
      return FormatC(ResourceFormat(IDS_TABLE_BOTTOM_DEPTH).c_str(), DisplayDepth(segment.depthMetres, units));
    default: return FormatC("%2.0f", DisplayDepth(segment.depthMetres, units));
  }
}

// The segment and run time cells of every segment, in time order.
std::vector<std::string> TimeCells(const std::vector<CDiveSegment>& segments, bool minutesAndSeconds) {
  std::vector<std::string> cells;
  int previousRunTime = 0;
  for (const CDiveSegment& segment : segments) {
    if (minutesAndSeconds) {
      cells.push_back(FormatC("%d:%02d~%d:%02d", segment.durationSec / 60, segment.durationSec % 60,
                              segment.runTimeSec / 60, segment.runTimeSec % 60));
    } else {
      // Every run time is rounded up before the difference is taken, so the segment times add up
      // to the last run time.
      int runTime = segment.runTimeSec;
      RoundUpToMinute(runTime);
      cells.push_back(FormatC("%d~%d", (runTime - previousRunTime) / 60, runTime / 60));
      previousRunTime = runTime;
    }
  }
  return cells;
}

struct Rows {
  std::vector<std::string> rows;
  std::vector<bool> flags;
};

Rows TableRows(const DiveTableFacts& dive, const TableSettings& settings) {
  const std::vector<CDiveSegment>& segments = dive.segments;
  const bool warningColumn = !dive.gasWarnings.empty();
  const bool ncsColumn =
      std::any_of(segments.begin(), segments.end(), [](const CDiveSegment& s) { return s.noClearSurface; });
  std::string headings = ResourceString(IDS_TABLE_GAS) + "~" + ResourceString(IDS_TABLE_PPO2) + "~";
  if (warningColumn) headings += ResourceString(IDS_TABLE_WARNINGS) + "~";
  headings += ResourceString(settings.units == UnitSystem::kImperial ? IDS_TABLE_DEPTH_FEET : IDS_TABLE_DEPTH_METRES);
  headings += "~";
  if (ncsColumn) headings += ResourceString(IDS_TABLE_NCS) + "~";
  headings += ResourceString(IDS_TABLE_SEGMENT_TIME) + "~" + ResourceString(IDS_TABLE_RUN_TIME);

  Rows table{{headings}, {false}};
  const std::vector<std::string> times = TimeCells(segments, settings.minutesAndSeconds);
  const std::size_t count = segments.size();
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t s = settings.lastSegmentFirst ? count - 1 - i : i;
    const CDiveSegment& segment = segments[s];
    std::string row = MixName(segment.oxygenPercent, segment.heliumPercent) + "~" +
                      (segment.closedCircuit ? FormatC("%.2f", segment.setPointBar) : std::string("OC")) + "~";
    bool flagged = false;
    if (warningColumn) {
      const std::string warnings = SegmentWarningsText(segment.warningBits);
      flagged = !warnings.empty();
      row += (flagged ? warnings : std::string("&nbsp")) + "~";
    }
    row += DepthCell(segment, settings.units) + "~";
    if (ncsColumn) row += (segment.noClearSurface ? ResourceString(IDS_TABLE_NCS) : std::string("&nbsp")) + "~";
    row += times[s];
    table.rows.push_back(std::move(row));
    table.flags.push_back(flagged);
  }
  return table;
}

std::vector<std::string> WarningTable(const DiveTableFacts& dive) {
  if (dive.gasWarnings.empty()) return {};
  std::vector<std::string> warnings{ResourceString(IDS_TABLE_GAS) + "~" + ResourceString(IDS_TABLE_WARNINGS)};
  warnings.insert(warnings.end(), dive.gasWarnings.begin(), dive.gasWarnings.end());
  return warnings;
}

}  // namespace

bool BuildDiveTableHtml(const PlanTableFacts& plan, int index, const TableSettings& settings,
                        CDivePlanTablesHtml& writer) {
  const int diveCount = static_cast<int>(plan.dives.size());
  if (index < -1 || index >= diveCount) return false;
  const int first = index < 0 ? 0 : index;
  const int last = index < 0 ? diveCount - 1 : index;
  bool any = false;
  for (int d = first; d <= last; ++d) any = any || Printable(plan.dives[static_cast<std::size_t>(d)]);
  if (!any) return false;

  writer.Reset();
  const std::string footer = FooterText(writer.GetCreatedTime(), settings);
  for (int d = first; d <= last; ++d) {
    const std::optional<DiveTableFacts>& dive = plan.dives[static_cast<std::size_t>(d)];
    if (!Printable(dive)) continue;
    const Header header = TableHeader(*dive, d, diveCount, settings.units);
    const Rows rows = TableRows(*dive, settings);
    writer.AddTable(header.text, header.cnsOverLimit, header.otuOverLimit, rows.rows, footer, rows.flags,
                    WarningTable(*dive));
  }
  writer.EndDocument();
  return true;
}

}  // namespace views
