#pragma once
// Shared set-up of the dive tests: a private registry and log, the settings read afresh, a
// scripted user interface, and short ways to give a dive its points.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/AppSettings.h"
#include "engine/DivePlan.h"
#include "engine/NumberText.h"
#include "engine/support/DebugLog.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/TempFolders.h"

// Stands in for the plan group a dive belongs to.
class TestGroup : public CDiveGroupSettings {
 public:
  explicit TestGroup(int algorithm = 1, int surfaceIntervalMethod = 0)
      : algorithm_(algorithm), surfaceIntervalMethod_(surfaceIntervalMethod) {}
  int GetAlgorithm() const override { return algorithm_; }
  int GetSurfaceIntervalMethod() const override { return surfaceIntervalMethod_; }

 private:
  int algorithm_;
  int surfaceIntervalMethod_;
};

// A dive made as the plan group makes it (registry defaults: surface 1000 mbar, model surface
// 970 mbar), with its gradient factors.
inline void PrepareDive(CDivePlan& dive, TestGroup& group, double gfLow, double gfHigh) {
  dive.LoadDefaults();
  dive.SetPlanGroup(&group);
  dive.SetGfLow(gfLow);
  dive.SetGfHigh(gfHigh);
}

class DiveTest : public testing::Test {
 protected:
  // A dive of a group with ZH-L16C and the Buhlmann equation between dives, its constants set.
  CDivePlan MadeDive(double gfLow = 20, double gfHigh = 80) {
    CDivePlan dive;
    PrepareDive(dive, group, gfLow, gfHigh);
    dive.InitConstants();
    return dive;
  }

  void SetUp() override {
    LoadRegistrySettings();
    ASSERT_TRUE(TheDebugLog().Open("Velmar", "DiveTest"));
    TheDebugLog().SetTimeStamps(false);
    TheDebugLog().SetDebugLevel(0);
  }
  void TearDown() override { TheDebugLog().SetDebugLevel(0); }

  static std::string LogText() { return ReadFileText(TheDebugLog().GetFileName()); }

  TempFolders folders;
  ScriptedUserInterface userInterface;
  TestGroup group{1, 1};
};

// Appends a user point as a plan-file row would hold it (depth in metres, duration in seconds).
inline void AddUserPoint(CDivePlan& dive, double depthMetres, int durationSec, double oxygen = 21, double helium = 0,
                         bool closedCircuit = false, double setPoint = 0.7, bool noClearSurface = false) {
  ASSERT_TRUE(dive.AddPointFromRecord(FormatC("100~%d~%0.2f~%d~%0.2f~%0.2f~%0.2f~%d~0", durationSec,
                                              depthMetres * 100, closedCircuit ? 1 : 0, oxygen, helium, setPoint,
                                              noClearSurface ? 1 : 0)));
}

inline bool Calculate(CDivePlan& dive, int diveIndex = 0, const CDivePlan::PreviousDiveState& previous = {}) {
  return dive.CalculatePlan(diveIndex, previous, false);
}

struct Leg {
  int type;
  double depthMetres;
  int startSec;
  int durationSec;
  bool operator==(const Leg&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Leg& leg) {
  return out << "{" << leg.type << ", " << leg.depthMetres << " m, " << leg.startSec << ", " << leg.durationSec << "}";
}

// The calculated profile points after the surface point.
inline std::vector<Leg> Legs(const CDivePlan& dive) {
  std::vector<Leg> legs;
  for (int i = 1; i < dive.GetPlanPlusPointCount(); ++i) {
    const CPlanPoint& point = *dive.GetPlanPlusPoint(i);
    legs.push_back({point.type, point.GetDepth(), point.startSec, point.durationSec});
  }
  return legs;
}

inline std::vector<Leg> Stops(const CDivePlan& dive) {
  std::vector<Leg> stops;
  for (const Leg& leg : Legs(dive)) {
    if (leg.type == kPointDeco) stops.push_back(leg);
  }
  return stops;
}

struct Row {
  int type;
  double depthMetres;
  int durationSec;
  int runTimeSec;
  bool operator==(const Row&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Row& row) {
  return out << "{" << row.type << ", " << row.depthMetres << " m, " << row.durationSec << ", " << row.runTimeSec
             << "}";
}

inline std::vector<Row> Rows(const CDivePlan& dive) {
  std::vector<Row> rows;
  for (int i = 0; i < dive.GetSegmentCount(); ++i) {
    rows.push_back({dive.GetSegmentType(i), dive.GetSegmentDepth(i), dive.GetSegmentDuration(i),
                    dive.GetSegmentRunTime(i)});
  }
  return rows;
}

// Expects a to lie within a relative 1e-9 of b.
inline void ExpectClose(double a, double b) { EXPECT_NEAR(a, b, 1e-9 * std::fabs(b)) << "expected " << b; }
