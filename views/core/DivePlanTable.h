#pragma once
// A consolidated dive table: several plans of the same kind side by side, one row per distinct
// segment (gas, depth, kind of segment) and one column per plan, each cell holding that plan's
// segment time and run time. Plans are added segment by segment; the table decides whether a
// segment joins an existing row or becomes a new one, so that the rows stay in the order a
// diver meets them: descending segments by increasing depth above the deepest row, ascending
// ones by decreasing depth below it.
#include <memory>
#include <string>
#include <vector>

namespace views {

// Rounds a time in seconds up to a whole minute (61 s becomes 120 s; 120 s stays).
void RoundUpToMinute(int& seconds);

// One row of a consolidated table.
class CDivePlanTableSegment {
 public:
  virtual ~CDivePlanTableSegment() = default;

  // All values of a new row, with its first column.
  void SetSegment(double depthMetres, double ppo2Bar, bool closedCircuit, bool noClearSurface,
                  const std::string& gasName, int type, int warnings, int column, double key, int segmentTimeSec,
                  int runTimeSec);
  // Sets column c, first extending every column array with zeros up to it.
  void AddColumn(int column, double key, int segmentTimeSec, int runTimeSec);
  void AddWarnings(int warnings) { warnings_ |= warnings; }
  // Whether a column already holds the key (exact equality).
  bool HasKey(double key) const;

  double GetDepth() const { return depthMetres_; }
  double GetPpo2() const { return ppo2Bar_; }
  bool IsClosedCircuit() const { return closedCircuit_; }
  bool IsNoClearSurface() const { return noClearSurface_; }
  const std::string& GetGasName() const { return gasName_; }
  int GetType() const { return type_; }
  int GetWarnings() const { return warnings_; }
  int GetColumnCount() const { return static_cast<int>(keys_.size()); }
  // 0 for a column the row does not have.
  int GetSegmentTime(int column) const;
  int GetRunTime(int column) const;

 private:
  double depthMetres_ = 0;
  double ppo2Bar_ = 0;
  bool closedCircuit_ = false;
  bool noClearSurface_ = false;
  std::string gasName_;
  int type_ = 0;
  int warnings_ = 0;
  std::vector<int> segmentTimesSec_;
  std::vector<int> runTimesSec_;
  std::vector<double> keys_;
};

class CDivePlanTable {
 public:
  // The table follows the "General\First Ascent Option" setting: with 1 the first ascent of
  // every plan has a row of its own.
  CDivePlanTable();
  explicit CDivePlanTable(int firstAscentOption);
  virtual ~CDivePlanTable();

  // Stores the segment of the plan in the column: newTable is set for every segment of the
  // first plan, whose segments become the rows in order; later plans merge into them. True when
  // the segment was stored.
  bool AddSegment(bool newTable, double depthMetres, bool noClearSurface, const std::string& gasName,
                  bool closedCircuit, double ppo2Bar, int warnings, int type, int column, double key,
                  int segmentTimeSec, int runTimeSec);

  int GetRowCount() const { return static_cast<int>(rows_.size()); }
  // The largest column count of the rows.
  int GetColumnCount() const;
  // Every row getter gives 0, false or the empty text for a row that does not exist.
  double GetDepth(int row) const;
  double GetPpo2(int row) const;
  bool IsClosedCircuit(int row) const;
  bool IsNoClearSurface(int row) const;
  int GetWarnings(int row) const;
  std::string GetGasName(int row) const;
  bool IsFirstAscent(int row) const;
  bool IsBottom(int row) const;
  int GetSegmentTime(int row, int column) const;
  int GetRunTime(int row, int column) const;
  // The row's line for the diagnostic log: gas, PPO2, warnings, type, depth, then every
  // column's segment and run time as minutes:seconds.
  std::string GetRowText(int row) const;

 private:
  // Where a segment that is not merged into a row of its kind goes.
  struct Consolidation {
    int lastColumn = -1;
    double lastDepth = -1.0;
    int deepestRow = 0;
    int firstAscentRow = -1;  // -1: the table has no such row
    int bottomRow = -1;
  };
  const CDivePlanTableSegment* Row(int row) const;
  void FindRowsOfKind();
  int FindRowToJoin(bool descending, double depthMetres, double key) const;
  int InsertionIndex(bool descending, double depthMetres) const;

  std::vector<std::unique_ptr<CDivePlanTableSegment>> rows_;
  int firstAscentOption_;
  Consolidation state_;
};

}  // namespace views
