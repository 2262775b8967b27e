#pragma once
// The rows and columns of the dive page's point list: the dive's user points, or in bailout mode
// its bailout plan points, with their texts and the colour of each row.
#include <string>
#include <vector>

#include "engine/Gas.h"

class CDivePlan;
class CPlanPoint;

namespace app {

enum class ColumnAlignment { kLeft, kRight, kCentre };

struct PointListColumn {
  std::string header;
  ColumnAlignment alignment;
  int startingWidth;
};

// Item data of a row: a point the diver planned before the bailout, shown in green while the
// dive is in bailout mode; every other row is black.
inline constexpr long kPlannedBeforeBailoutRow = 1;
inline constexpr long kOrdinaryRow = 0;

struct PointListRow {
  std::vector<std::string> cells;
  long itemData = kOrdinaryRow;
};

struct PointListTable {
  std::vector<PointListColumn> columns;
  std::vector<PointListRow> rows;
};

// The points the list shows and the page edits: the user points, in bailout mode the bailout
// plan points.
int ListedPointCount(const CDivePlan& dive);
const CPlanPoint* ListedPoint(const CDivePlan& dive, int row);

PointListTable BuildPointList(const CDivePlan& dive, UnitSystem units);

// A depth in metres as the page shows it: in feet rounded to whole feet when imperial.
double DisplayDepth(double metres, UnitSystem units);

}  // namespace app
