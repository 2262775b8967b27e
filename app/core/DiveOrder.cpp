#include "app/core/DiveOrder.h"

#include <utility>

namespace app {

void CDiveOrder::Add(std::string diveText, std::string summary) {
  rows_.push_back({std::move(diveText), std::move(summary), Count()});
}

bool CDiveOrder::Move(int row, int step) {
  if (step == 0 || row < 0 || row >= Count()) return false;
  const int target = step > 0 ? row + 1 : row - 1;
  if (target < 0 || target >= Count()) return false;
  std::swap(rows_[static_cast<std::size_t>(row)], rows_[static_cast<std::size_t>(target)]);
  changed_ = true;
  return true;
}

std::vector<int> CDiveOrder::Order() const {
  std::vector<int> order;
  for (const Row& row : rows_) order.push_back(row.diveIndex);
  return order;
}

}  // namespace app
