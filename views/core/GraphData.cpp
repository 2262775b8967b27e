#include "views/core/GraphData.h"

#include <stdexcept>

namespace views {

void CGraphDataSet::AddPoint(double x, double y) {
  points_.push_back(CGraphData{y, x});
}

const CGraphData& CGraphDataSet::At(int index) const {
  if (index < 0 || index >= GetPointCount()) throw std::invalid_argument("graph point index out of range");
  return points_[static_cast<std::size_t>(index)];
}

double CGraphDataSet::GetX(int index) const { return At(index).x; }
double CGraphDataSet::GetY(int index) const { return At(index).y; }

}  // namespace views
