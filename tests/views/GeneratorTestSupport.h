#pragma once
// Shared set-up of the table generator's tests: a private registry and log, the settings read
// afresh, a scripted user interface, and short ways to fill a page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/AppSettings.h"
#include "engine/support/DebugLog.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/TempFolders.h"
#include "views/core/GeneratorPage.h"

class GeneratorTest : public testing::Test {
 protected:
  void SetUp() override {
    LoadRegistrySettings();
    ASSERT_TRUE(TheDebugLog().Open("Velmar", "GeneratorTest"));
    TheDebugLog().SetTimeStamps(false);
    TheDebugLog().SetDebugLevel(0);
  }

  // The texts of the message boxes shown so far.
  std::vector<std::string> Told() const {
    std::vector<std::string> texts;
    for (const AskedQuestion& question : userInterface.questions) texts.push_back(question.text);
    return texts;
  }

  TempFolders folders;
  ScriptedUserInterface userInterface;
};

inline CGasSwitch Switch(double depthMetres, double oxygen, double helium, bool closedCircuit = false,
                         double setPoint = 0) {
  CGasSwitch gas;
  gas.Set(depthMetres, oxygen, helium, closedCircuit, setPoint, true);
  return gas;
}

// Adds the switches one after the other, expecting each to be taken.
inline void AddSwitches(GeneratorGasList& list, const std::vector<CGasSwitch>& switches) {
  std::vector<DroppedSwitch> dropped;
  for (const CGasSwitch& gas : switches) ASSERT_EQ(list.Add(gas, dropped), GeneratorGasList::AddResult::kAdded);
}

inline std::vector<double> Depths(const GeneratorGasList& list) {
  std::vector<double> depths;
  for (int row = 0; row < list.Count(); ++row) depths.push_back(list.Row(row).GetDepth());
  return depths;
}

// A metric page: depths, durations, and the usual dive settings.
inline GeneratorPage MetricPage(double depthStart, double depthFinish, double depthStep, int durationStart,
                                int durationFinish, int durationStep) {
  GeneratorPage page(UnitSystem::kMetric);
  const std::pair<GeneratorField, double> values[] = {
      {kDepthStart, depthStart},   {kDepthFinish, depthFinish},       {kDepthStep, depthStep},
      {kDurationStart, durationStart}, {kDurationFinish, durationFinish}, {kDurationStep, durationStep},
      {kSurfacePressure, 1000},    {kGfLow, 30},                      {kGfHigh, 70},
      {kDescentRate, 20},          {kAscentRate, 10},                 {kLastDecoStop, 6},
      {kMaxPpo2, 1.4},             {kMaxEad, 35}};
  for (const auto& [field, value] : values) page.SetShown(field, value);
  return page;
}
