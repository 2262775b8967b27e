#pragma once
// One of the table generator's two gas-switch lists: up to twelve switches, used rows first in
// ascending depth, never two rows at one depth and never two neighbours breathing the same gas.
// The descent list ("Travel" in stored settings) keeps its first row, the gas from the surface;
// the ascent list ("Deco") has no such row. Depths are metres.
#include <vector>

#include "engine/GasSwitch.h"
#include "engine/SettingRanges.h"

enum class GasListKind { kDescent, kAscent };

// A row dropped as the duplicate of its neighbour.
struct DroppedSwitch {
  double droppedMetres;
  double keptMetres;
};

// The deepest switch the gas-switch editor offers: 1000 ft.
inline constexpr double kMaxSwitchDepthMetres = 1000 * kMetresPerFoot;

// The set-points every set-point field of the program offers.
inline constexpr SettingRange kSetPointBar{0.5, 1.5};

// A switch a list may hold: in use, a depth from the surface to the deepest switch, a gas that
// can be breathed and, on closed circuit, a set-point the fields offer. Rows read from files and
// the settings store are checked with it before anything compares or sorts them.
bool IsUsableSwitch(const CGasSwitch& gasSwitch);
// Same mix, same circuit and, on closed circuit, the same set-point.
bool IsSameGas(const CGasSwitch& a, const CGasSwitch& b);
// By depth; rows of equal depth keep their order.
void SortSwitchesByDepth(std::vector<CGasSwitch>& rows);
// Walks neighbouring rows of a sorted list and drops one of each pair that breathes the same
// gas: in a descent list the deeper one (row 0 always stays), in an ascent list the shallower
// one, so that the deeper switch stays. The rows dropped, in the order they were dropped.
std::vector<DroppedSwitch> RemoveDuplicateSwitches(std::vector<CGasSwitch>& rows, GasListKind kind);

class GeneratorGasList {
 public:
  enum class AddResult { kAdded, kFull, kDepthExists, kUnusable };

  explicit GeneratorGasList(GasListKind kind) : kind_(kind) {}

  GasListKind Kind() const { return kind_; }
  int Count() const { return count_; }
  // All twelve slots; the unused ones after the used ones, reset.
  const GasSwitchList& Rows() const { return rows_; }
  const CGasSwitch& Row(int row) const { return rows_[static_cast<std::size_t>(row)]; }
  int SelectedRow() const { return selectedRow_; }
  void SetSelectedRow(int row) { selectedRow_ = row; }

  // Inserts the switch after every row of equal or smaller depth, selects it and drops the
  // duplicates; refused when the list is full, a row has the same depth or the switch is not
  // usable.
  AddResult Add(const CGasSwitch& gasSwitch, std::vector<DroppedSwitch>& dropped);
  // Overwrites a used row (any depth), sorts the list and drops the duplicates; false for a row
  // that is not used or a switch that is not usable.
  bool Update(int row, const CGasSwitch& gasSwitch, std::vector<DroppedSwitch>& dropped);
  // Any used row of an ascent list; of a descent list every used row but the first.
  bool CanDelete(int row) const;
  bool Delete(int row);
  // Deletes the rows that may be deleted, from the bottom up; how many went.
  int DeleteRows(std::vector<int> rows);
  void Clear();
  // Takes rows as they were stored, with gaps, in any order, with duplicates: each used row is
  // added in turn as Add does, and those Add refuses are left out.
  void Assign(const GasSwitchList& rows);

  void SetCheckResult(int row, int result) { rows_[static_cast<std::size_t>(row)].SetCheckResult(result); }
  void ClearCheckResults();

 private:
  std::vector<CGasSwitch> UsedRows() const;
  void StoreRows(const std::vector<CGasSwitch>& used);

  GasListKind kind_;
  GasSwitchList rows_{};
  int count_ = 0;
  int selectedRow_ = -1;
};
