#pragma once
// Shared set-up of the dive tests: a private registry and log, the settings read afresh, a
// scripted user interface, and short ways to give a dive its points.
#include <gtest/gtest.h>

#include <string>

#include "engine/AppSettings.h"
#include "engine/DivePlan.h"
#include "engine/NumberText.h"
#include "engine/support/DebugLog.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/TempFolders.h"

class DiveTest : public testing::Test {
 protected:
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
};

// Appends a user point as a plan-file row would hold it (depth in metres, duration in seconds).
inline void AddUserPoint(CDivePlan& dive, double depthMetres, int durationSec, double oxygen = 21, double helium = 0,
                         bool closedCircuit = false, double setPoint = 0.7) {
  ASSERT_TRUE(dive.AddPointFromRecord(FormatC("100~%d~%0.2f~%d~%0.2f~%0.2f~%0.2f~0~0", durationSec,
                                              depthMetres * 100, closedCircuit ? 1 : 0, oxygen, helium, setPoint)));
}
