#include "views/core/GeneratorGasList.h"

#include <algorithm>

#include "engine/Gas.h"

bool IsUsableSwitch(const CGasSwitch& gasSwitch) {
  CGas gas;
  return gasSwitch.IsGasSet() && gasSwitch.GetDepth() >= 0 && gasSwitch.GetDepth() <= kMaxSwitchDepthMetres &&
         gas.SetMix(gasSwitch.GetOxygen(), gasSwitch.GetHelium()) &&
         (!gasSwitch.IsClosedCircuit() || (gasSwitch.GetSetPoint() >= kSetPointBar.min && gasSwitch.GetSetPoint() <= kSetPointBar.max));
}

bool IsSameGas(const CGasSwitch& a, const CGasSwitch& b) {
  return a.GetOxygen() == b.GetOxygen() && a.GetHelium() == b.GetHelium() &&
         a.IsClosedCircuit() == b.IsClosedCircuit() && (!a.IsClosedCircuit() || a.GetSetPoint() == b.GetSetPoint());
}

void SortSwitchesByDepth(std::vector<CGasSwitch>& rows) {
  std::stable_sort(rows.begin(), rows.end(),
                   [](const CGasSwitch& a, const CGasSwitch& b) { return a.GetDepth() < b.GetDepth(); });
}

std::vector<DroppedSwitch> RemoveDuplicateSwitches(std::vector<CGasSwitch>& rows, GasListKind kind) {
  std::vector<DroppedSwitch> dropped;
  std::size_t i = 0;
  while (i + 1 < rows.size()) {
    if (!IsSameGas(rows[i], rows[i + 1])) {
      ++i;
      continue;
    }
    const std::size_t drop = kind == GasListKind::kDescent ? i + 1 : i;
    const std::size_t keep = drop == i ? i + 1 : i;
    dropped.push_back({rows[drop].GetDepth(), rows[keep].GetDepth()});
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(drop));
  }
  return dropped;
}

std::vector<CGasSwitch> GeneratorGasList::UsedRows() const {
  return std::vector<CGasSwitch>(rows_.begin(), rows_.begin() + count_);
}

void GeneratorGasList::StoreRows(const std::vector<CGasSwitch>& used) {
  for (CGasSwitch& row : rows_) row.Reset();
  count_ = static_cast<int>(std::min(used.size(), rows_.size()));
  std::copy_n(used.begin(), count_, rows_.begin());
}

GeneratorGasList::AddResult GeneratorGasList::Add(const CGasSwitch& gasSwitch, std::vector<DroppedSwitch>& dropped) {
  if (!IsUsableSwitch(gasSwitch)) return AddResult::kUnusable;
  if (count_ == NO_OF_GAS_MIXES) return AddResult::kFull;
  std::vector<CGasSwitch> used = UsedRows();
  const auto sameDepth = [&](const CGasSwitch& row) { return row.GetDepth() == gasSwitch.GetDepth(); };
  if (std::any_of(used.begin(), used.end(), sameDepth)) return AddResult::kDepthExists;
  const auto deeper = std::find_if(used.begin(), used.end(),
                                   [&](const CGasSwitch& row) { return row.GetDepth() > gasSwitch.GetDepth(); });
  selectedRow_ = static_cast<int>(deeper - used.begin());
  used.insert(deeper, gasSwitch);
  const std::vector<DroppedSwitch> removed = RemoveDuplicateSwitches(used, kind_);
  dropped.insert(dropped.end(), removed.begin(), removed.end());
  StoreRows(used);
  return AddResult::kAdded;
}

bool GeneratorGasList::Update(int row, const CGasSwitch& gasSwitch, std::vector<DroppedSwitch>& dropped) {
  if (row < 0 || row >= count_ || !IsUsableSwitch(gasSwitch)) return false;
  std::vector<CGasSwitch> used = UsedRows();
  used[static_cast<std::size_t>(row)] = gasSwitch;
  SortSwitchesByDepth(used);
  const std::vector<DroppedSwitch> removed = RemoveDuplicateSwitches(used, kind_);
  dropped.insert(dropped.end(), removed.begin(), removed.end());
  StoreRows(used);
  return true;
}

bool GeneratorGasList::CanDelete(int row) const {
  return row >= (kind_ == GasListKind::kDescent ? 1 : 0) && row < count_;
}

bool GeneratorGasList::Delete(int row) {
  if (!CanDelete(row)) return false;
  std::vector<CGasSwitch> used = UsedRows();
  used.erase(used.begin() + row);
  StoreRows(used);
  return true;
}

int GeneratorGasList::DeleteRows(std::vector<int> rows) {
  std::sort(rows.begin(), rows.end(), std::greater<>());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return static_cast<int>(std::count_if(rows.begin(), rows.end(), [this](int row) { return Delete(row); }));
}

void GeneratorGasList::Clear() {
  StoreRows({});
  selectedRow_ = -1;
}

void GeneratorGasList::Assign(const GasSwitchList& rows) {
  Clear();
  std::vector<DroppedSwitch> ignored;
  for (const CGasSwitch& row : rows) {
    if (row.IsGasSet()) Add(row, ignored);
  }
}

void GeneratorGasList::ClearCheckResults() {
  for (CGasSwitch& row : rows_) row.SetCheckResult(0);
}
