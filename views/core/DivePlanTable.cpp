#include "views/core/DivePlanTable.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "engine/AppSettings.h"
#include "engine/DiveSegment.h"
#include "engine/NumberText.h"
#include "engine/support/DebugLog.h"

namespace views {
namespace {

constexpr LogCategory kConsolidationLog = DBG_DIVE_TABLES;

void LogConsolidation(const char* what) {
  if (TheDebugLog().IsEnabledFor(kConsolidationLog)) TheDebugLog().Log("Table Consolidation - %s", what);
}

std::string MinutesAndSeconds(int seconds) { return FormatC("%d:%02d,", seconds / 60, seconds % 60); }

template <typename Value>
Value At(const std::vector<Value>& values, int index) {
  return index >= 0 && index < static_cast<int>(values.size()) ? values[static_cast<std::size_t>(index)] : Value{};
}

}  // namespace

void RoundUpToMinute(int& seconds) {
  std::int64_t minutes = seconds / 60;
  if (seconds % 60 > 0) ++minutes;
  seconds = static_cast<int>(std::min<std::int64_t>(minutes * 60, INT_MAX / 60 * 60));
}

// --- One row ---

void CDivePlanTableSegment::SetSegment(double depthMetres, double ppo2Bar, bool closedCircuit, bool noClearSurface,
                                       const std::string& gasName, int type, int warnings, int column, double key,
                                       int segmentTimeSec, int runTimeSec) {
  depthMetres_ = depthMetres;
  ppo2Bar_ = ppo2Bar;
  closedCircuit_ = closedCircuit;
  noClearSurface_ = noClearSurface;
  gasName_ = gasName;
  type_ = type;
  warnings_ = warnings;
  AddColumn(column, key, segmentTimeSec, runTimeSec);
}

void CDivePlanTableSegment::AddColumn(int column, double key, int segmentTimeSec, int runTimeSec) {
  if (column < 0) return;
  const auto index = static_cast<std::size_t>(column);
  if (keys_.size() <= index) {
    keys_.resize(index + 1, 0.0);
    segmentTimesSec_.resize(index + 1, 0);
    runTimesSec_.resize(index + 1, 0);
  }
  keys_[index] = key;
  segmentTimesSec_[index] = segmentTimeSec;
  runTimesSec_[index] = runTimeSec;
}

bool CDivePlanTableSegment::HasKey(double key) const {
  return std::find(keys_.begin(), keys_.end(), key) != keys_.end();
}

int CDivePlanTableSegment::GetSegmentTime(int column) const { return At(segmentTimesSec_, column); }
int CDivePlanTableSegment::GetRunTime(int column) const { return At(runTimesSec_, column); }

// --- The table ---

CDivePlanTable::CDivePlanTable() : CDivePlanTable(static_cast<int>(AppSettings().general.firstAscentOption.Get())) {}

CDivePlanTable::CDivePlanTable(int firstAscentOption) : firstAscentOption_(firstAscentOption) {}

CDivePlanTable::~CDivePlanTable() = default;

bool CDivePlanTable::AddSegment(bool newTable, double depthMetres, bool noClearSurface, const std::string& gasName,
                                bool closedCircuit, double ppo2Bar, int warnings, int type, int column, double key,
                                int segmentTimeSec, int runTimeSec) {
  // The first segment of a column counts as descending, and so does each segment deeper than the
  // one before it in the same column.
  bool descending = true;
  if (column != state_.lastColumn) {
    state_.lastColumn = column;
  } else if (state_.lastDepth >= depthMetres) {
    descending = false;
  }
  state_.lastDepth = depthMetres;

  auto newRow = [&] {
    auto row = std::make_unique<CDivePlanTableSegment>();
    row->SetSegment(depthMetres, ppo2Bar, closedCircuit, noClearSurface, gasName, type, warnings, column, key,
                    segmentTimeSec, runTimeSec);
    return row;
  };
  if (newTable) {
    rows_.push_back(newRow());
    return true;
  }

  FindRowsOfKind();
  // A first ascent or bottom segment joins the row of its kind whatever its depth; without such
  // a row in this table it is placed by its depth like any other segment.
  int joined = -1;
  const char* how = nullptr;
  if (firstAscentOption_ == 1 && type == kSegmentFirstAscent && state_.firstAscentRow >= 0) {
    joined = state_.firstAscentRow;
    how = "First Ascent - AddColumn";
  } else if (type == kSegmentBottomDepth && state_.bottomRow >= 0) {
    joined = state_.bottomRow;
    how = "Bottom Depth - Add Column";
  } else {
    joined = FindRowToJoin(descending, depthMetres, key);
    how = "Segment Depth Found - Add Column";
  }
  if (joined >= 0) {
    CDivePlanTableSegment& row = *rows_[static_cast<std::size_t>(joined)];
    row.AddColumn(column, key, segmentTimeSec, runTimeSec);
    row.AddWarnings(warnings);
    LogConsolidation(how);
    return true;
  }
  rows_.insert(rows_.begin() + InsertionIndex(descending, depthMetres), newRow());
  LogConsolidation("Depth Not Found - Insert Line");
  return true;
}

void CDivePlanTable::FindRowsOfKind() {
  double deepest = 0;
  for (int r = 0; r < GetRowCount(); ++r) {
    const CDivePlanTableSegment& row = *rows_[static_cast<std::size_t>(r)];
    // The last of several equally deep rows is the deepest.
    if (row.GetDepth() >= deepest) {
      deepest = row.GetDepth();
      state_.deepestRow = r;
    }
    if (firstAscentOption_ == 1 && row.GetType() == kSegmentFirstAscent) state_.firstAscentRow = r;
    if (row.GetType() == kSegmentBottomDepth) state_.bottomRow = r;
  }
}

int CDivePlanTable::FindRowToJoin(bool descending, double depthMetres, double key) const {
  // Descending segments are looked for above the deepest row, ascending ones from it down.
  const int first = descending ? 0 : state_.deepestRow;
  const int end = descending ? state_.deepestRow : GetRowCount();
  for (int r = first; r < end; ++r) {
    const CDivePlanTableSegment& row = *rows_[static_cast<std::size_t>(r)];
    if (row.GetDepth() == depthMetres && !row.HasKey(key)) return r;
  }
  return -1;
}

int CDivePlanTable::InsertionIndex(bool descending, double depthMetres) const {
  if (descending) {
    for (int r = 0; r < state_.deepestRow; ++r) {
      if (rows_[static_cast<std::size_t>(r)]->GetDepth() > depthMetres) return r;
    }
    return std::min(state_.deepestRow, GetRowCount());
  }
  const int start =
      firstAscentOption_ == 1 && state_.firstAscentRow >= 0 ? state_.firstAscentRow : state_.deepestRow;
  for (int r = start + 1; r < GetRowCount(); ++r) {
    if (rows_[static_cast<std::size_t>(r)]->GetDepth() < depthMetres) return r;
  }
  return GetRowCount();
}

const CDivePlanTableSegment* CDivePlanTable::Row(int row) const {
  return row >= 0 && row < GetRowCount() ? rows_[static_cast<std::size_t>(row)].get() : nullptr;
}

int CDivePlanTable::GetColumnCount() const {
  int columns = 0;
  for (const auto& row : rows_) columns = std::max(columns, row->GetColumnCount());
  return columns;
}

double CDivePlanTable::GetDepth(int row) const { return Row(row) ? Row(row)->GetDepth() : 0; }
double CDivePlanTable::GetPpo2(int row) const { return Row(row) ? Row(row)->GetPpo2() : 0; }
bool CDivePlanTable::IsClosedCircuit(int row) const { return Row(row) && Row(row)->IsClosedCircuit(); }
bool CDivePlanTable::IsNoClearSurface(int row) const { return Row(row) && Row(row)->IsNoClearSurface(); }
int CDivePlanTable::GetWarnings(int row) const { return Row(row) ? Row(row)->GetWarnings() : 0; }
std::string CDivePlanTable::GetGasName(int row) const { return Row(row) ? Row(row)->GetGasName() : std::string(); }
bool CDivePlanTable::IsFirstAscent(int row) const { return Row(row) && Row(row)->GetType() == kSegmentFirstAscent; }
bool CDivePlanTable::IsBottom(int row) const { return Row(row) && Row(row)->GetType() == kSegmentBottomDepth; }
int CDivePlanTable::GetSegmentTime(int row, int column) const {
  return Row(row) ? Row(row)->GetSegmentTime(column) : 0;
}
int CDivePlanTable::GetRunTime(int row, int column) const { return Row(row) ? Row(row)->GetRunTime(column) : 0; }

std::string CDivePlanTable::GetRowText(int row) const {
  const CDivePlanTableSegment* segment = Row(row);
  if (!segment) return {};
  std::string text = segment->GetGasName() + "," +
                     FormatC("%0.2f,%d,%d,%0.0f,", segment->GetPpo2(), segment->GetWarnings(), segment->GetType(),
                             segment->GetDepth());
  for (int c = 0; c < segment->GetColumnCount(); ++c) {
    text += MinutesAndSeconds(segment->GetSegmentTime(c));
    text += MinutesAndSeconds(segment->GetRunTime(c));
  }
  return text;
}

}  // namespace views
