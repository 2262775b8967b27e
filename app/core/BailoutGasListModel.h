#pragma once
// The bailout gas list of a dive page and of the preferences, without the list control: its
// rows, the gases' long names in the list's order, and its list text, the short names of the
// gases joined with "," ("21/0,100/0,32/0,18/45"), as the dive and the settings store keep it.
//
// The order: Air first, then Oxygen, then the other gases without helium, then those with
// helium, each group sorted by its item texts byte by byte (so 50/0 comes before 9/0). A row
// whose item is not a gas shows "Invalid" and is left out of the list text.
#include <string>
#include <string_view>
#include <vector>

#include "engine/Gas.h"

class BailoutGasListModel {
 public:
  // The most rows the user may add; a list read from a file or a dive may hold more.
  static constexpr int kMaxRowsAdded = NO_OF_GAS_MIXES;

  enum class AddResult { kAdded, kFull, kAlreadyListed, kInvalidGas };

  // The items of a list text in the list's order; empty items are kept (they show "Invalid").
  static std::vector<std::string> OrderGasList(std::string_view listText);

  // Rebuilds the rows from a list text.
  void SetListText(std::string_view listText);
  std::string GetListText() const;

  const std::vector<std::string>& Rows() const { return rows_; }
  int RowCount() const { return static_cast<int>(rows_.size()); }
  // A row shows exactly this name.
  bool IsInList(std::string_view name) const;
  bool CanAdd() const { return RowCount() < kMaxRowsAdded; }
  bool CanDelete() const { return !rows_.empty(); }

  // Puts the gas in its place; the list stays as it was unless kAdded.
  AddResult Add(const CGas& gas);
  // Deletes the rows at these indexes (others are ignored); how many went.
  int DeleteRows(std::vector<int> rows);

 private:
  std::vector<std::string> rows_;
};
