#pragma once
// The dives as the Sort Dive Plans dialog lists them: one row per dive with its tab text and
// its summary, moved one place at a time. The plan itself is changed only by the caller, from
// the order table.
#include <string>
#include <vector>

namespace app {

class CDiveOrder {
 public:
  // Appends a row for the next dive of the plan.
  void Add(std::string diveText, std::string summary);

  int Count() const { return static_cast<int>(rows_.size()); }
  const std::string& DiveText(int row) const { return rows_[static_cast<std::size_t>(row)].diveText; }
  const std::string& Summary(int row) const { return rows_[static_cast<std::size_t>(row)].summary; }

  // Moves the row one place up (step < 0) or down (step > 0); false, changing nothing, for a
  // step of 0, a row outside the list or a move past either end.
  bool Move(int row, int step);
  // Entry j: the plan's index of the dive now in row j.
  std::vector<int> Order() const;
  // Set by the first move and kept, even when later moves bring back the first order.
  bool Changed() const { return changed_; }

 private:
  struct Row {
    std::string diveText;
    std::string summary;
    int diveIndex = 0;
  };
  std::vector<Row> rows_;
  bool changed_ = false;
};

}  // namespace app
