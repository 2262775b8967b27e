#include "controls/core/GasList.h"

#include <gtest/gtest.h>

using controls::GasEntries;
using controls::GasFocusLoss;

namespace {

// Adds a typed gas where the box would put it; false when it was already there.
bool Add(GasEntries& entries, const char* typed) {
  CGas gas;
  EXPECT_TRUE(gas.Parse(typed)) << typed;
  const std::optional<std::size_t> index = controls::SortedGasIndex(entries, gas);
  if (!index) return false;
  entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(*index), gas.GetName(false));
  return true;
}

}  // namespace

TEST(GasList, KeepsAirOxygenNitroxAndTrimixInTheirOrder) {
  GasEntries entries;
  for (const char* typed : {"Oxygen", "18/45", "32%", "21/35", "50% Nitrox", "18/35", "36/0", "10/70", "oxygen"}) {
    Add(entries, typed);
  }
  EXPECT_EQ(entries, (GasEntries{"Oxygen", "32% Nitrox", "36% Nitrox", "50% Nitrox", "10/70", "18/35", "18/45",
                                 "21/35"}));
  EXPECT_TRUE(Add(entries, "Air"));  // Air goes before the Oxygen that came first
  EXPECT_TRUE(Add(entries, "28%"));
  EXPECT_TRUE(Add(entries, "18/40"));
  EXPECT_FALSE(Add(entries, "18/45"));
  EXPECT_EQ(entries, (GasEntries{"Air", "Oxygen", "28% Nitrox", "32% Nitrox", "36% Nitrox", "50% Nitrox", "10/70",
                                 "18/35", "18/40", "18/45", "21/35"}));

  CGas invalid;
  invalid.Parse("4%");
  EXPECT_FALSE(controls::SortedGasIndex(entries, invalid).has_value());
  GasEntries nitroxOnly{"40% Nitrox"};
  EXPECT_TRUE(Add(nitroxOnly, "80%"));
  EXPECT_TRUE(Add(nitroxOnly, "Oxygen"));
  EXPECT_EQ(nitroxOnly, (GasEntries{"Oxygen", "40% Nitrox", "80% Nitrox"}));
}

TEST(GasList, TheListTextRoundTripsAndDamagedTextGivesOnlyTheFieldsThatRead) {
  const GasEntries entries{"Air", "Oxygen", "32% Nitrox", "18/45", "not a gas"};
  EXPECT_EQ(controls::GasListText(entries), "21/0,100/0,32/0,18/45");
  EXPECT_EQ(controls::GasListMixes("21/0,100/0,32/0,18/45"),
            (std::vector<std::pair<int, int>>{{21, 0}, {100, 0}, {32, 0}, {18, 45}}));
  EXPECT_EQ(controls::GasListText({}), "");
  EXPECT_TRUE(controls::GasListMixes("").empty());

  // Empty fields, a missing helium part, words, junk bytes and numbers too large for an int.
  std::string damaged = "21/0,,32,abc/5,18/, /45,";
  damaged += std::string("\xff\0/7", 4);
  damaged += ",1e300/0,99999999999/-99999999999,15/55.9";
  EXPECT_EQ(controls::GasListMixes(damaged),
            (std::vector<std::pair<int, int>>{{21, 0}, {2147483647, 0}, {2147483647, -2147483647 - 1}, {15, 55}}));
}

TEST(GasList, TypingCompletesToTheFirstEntryWithThatBeginning) {
  const GasEntries entries{"Air", "Oxygen", "32% Nitrox", "36% Nitrox", "18/45"};
  controls::GasCompletion completion = controls::CompleteGasText(entries, "3", 1, 1);
  EXPECT_EQ(completion.entry, 2u);
  EXPECT_EQ(completion.text, "32% Nitrox");
  EXPECT_EQ(completion.selectionStart, 1);
  EXPECT_EQ(completion.selectionEnd, 10);

  completion = controls::CompleteGasText(entries, "oX", 2, 2);
  EXPECT_EQ(completion.text, "Oxygen");
  EXPECT_EQ(completion.selectionStart, 2);
  EXPECT_EQ(completion.selectionEnd, 6);

  completion = controls::CompleteGasText(entries, "4", 1, 1);  // no entry: the typed text stays
  EXPECT_FALSE(completion.entry.has_value());
  EXPECT_EQ(completion.text, "4");
  EXPECT_EQ(completion.selectionStart, 1);
  EXPECT_EQ(completion.selectionEnd, 1);

  completion = controls::CompleteGasText(entries, "18/4", 2, 2);  // the caret inside the text stays put
  EXPECT_EQ(completion.text, "18/45");
  EXPECT_EQ(completion.selectionStart, 2);
  EXPECT_EQ(completion.selectionEnd, 2);
  EXPECT_FALSE(controls::CompleteGasText(entries, "", 0, 0).entry.has_value());
}

TEST(GasList, LeavingTheBoxSelectsAddsOrRejectsOnlyAChangedText) {
  const GasEntries entries{"10/5", "10/50"};
  std::string lastSeen(controls::kGasTextNotSet);
  GasFocusLoss decision = controls::DecideOnFocusLoss(entries, "10/5", lastSeen);
  EXPECT_EQ(decision.action, GasFocusLoss::Action::kSelectEntry);
  EXPECT_EQ(decision.entry, 0u);  // the entry named exactly, not the next that begins so
  EXPECT_EQ(lastSeen, "10/5");
  EXPECT_EQ(controls::DecideOnFocusLoss(entries, "10/5", lastSeen).action, GasFocusLoss::Action::kNothing);

  decision = controls::DecideOnFocusLoss(entries, "32%", lastSeen);
  EXPECT_EQ(decision.action, GasFocusLoss::Action::kAddGas);
  EXPECT_EQ(decision.gas.GetOxygen(), 32);
  EXPECT_EQ(decision.gas.GetHelium(), 0);

  for (const char* wrong : {"32", "4%", "50/60", "Nitrox"}) {
    SCOPED_TRACE(wrong);
    EXPECT_EQ(controls::DecideOnFocusLoss(entries, wrong, lastSeen).action, GasFocusLoss::Action::kReject);
    EXPECT_EQ(lastSeen, "");
  }
  EXPECT_EQ(controls::DecideOnFocusLoss(entries, "", lastSeen).action, GasFocusLoss::Action::kNothing);
  std::string first(controls::kGasTextNotSet);
  decision = controls::DecideOnFocusLoss(entries, "AIR", first);
  EXPECT_EQ(decision.action, GasFocusLoss::Action::kAddGas);
  EXPECT_EQ(decision.gas.GetName(false), "Air");
}
