// The custom compartment values file: which lines fill which compartments, what a damaged file
// does to the coefficients, and the values coming back after a restart.
#include "app/core/CustomCompartmentValues.h"

#include <gtest/gtest.h>

#include "engine/AppSettings.h"
#include "engine/Zhl16Coefficients.h"
#include "tests/fuzz/CorpusFiles.h"
#include "tests/fuzz/CustomValuesFuzzHarness.h"
#include "tests/support/TempFolders.h"

using app::CustomValuesReading;
using Result = app::CustomValuesReading::Result;

namespace {

Zhl16Compartment Custom(const CZhl16Coefficients& table, int compartment) {
  Zhl16Compartment values;
  EXPECT_TRUE(table.GetCompartment(kZhl16Custom, compartment, values));
  return values;
}

// Line n (from 1) of a file whose compartments all differ: nitrogen half-time 10n, a 1000 + n,
// b 0.5 + n / 100, helium half-time 2n, a 1500 + n, b 0.4 + n / 100.
std::string NumberedLine(int n) {
  return std::to_string(10 * n) + "," + std::to_string(1000 + n) + ",0." + std::to_string(50 + n) + "," +
         std::to_string(2 * n) + "," + std::to_string(1500 + n) + ",0." + std::to_string(40 + n);
}

void ExpectNumberedLine(const Zhl16Compartment& v, int n) {
  EXPECT_DOUBLE_EQ(v.nitrogenHalfTimeMin, 10.0 * n);
  EXPECT_DOUBLE_EQ(v.nitrogenAMbar, 1000.0 + n);
  EXPECT_DOUBLE_EQ(v.nitrogenB, 0.5 + n / 100.0);
  EXPECT_DOUBLE_EQ(v.heliumHalfTimeMin, 2.0 * n);
  EXPECT_DOUBLE_EQ(v.heliumAMbar, 1500.0 + n);
  EXPECT_DOUBLE_EQ(v.heliumB, 0.4 + n / 100.0);
}

bool SameCustomValues(const CZhl16Coefficients& a, const CZhl16Coefficients& b) {
  for (int c = 0; c < CZhl16Coefficients::kCompartments; ++c) {
    const Zhl16Compartment x = Custom(a, c);
    const Zhl16Compartment y = Custom(b, c);
    if (x.nitrogenHalfTimeMin != y.nitrogenHalfTimeMin || x.heliumHalfTimeMin != y.heliumHalfTimeMin ||
        x.nitrogenAMbar != y.nitrogenAMbar || x.nitrogenB != y.nitrogenB || x.heliumAMbar != y.heliumAMbar ||
        x.heliumB != y.heliumB) {
      return false;
    }
  }
  return true;
}

}  // namespace

TEST(CustomCompartmentValues, TwentyLinesFillTheSixteenCompartmentsInTheFilesFieldOrder) {
  CZhl16Coefficients table;
  // The first line holds the published ZH-L16 values of compartment 1, spaced as a user may.
  std::string file = "4, 1259.9, 0.505, 1.51, 1742.4, 0.4245\r\n";
  for (int n = 2; n <= 16; ++n) file += NumberedLine(n) + "\r\n";
  // Lines 17 to 20 are not read at all, whatever they hold.
  file += "17,1,1,1,1,1\r\nnot a compartment\r\n\r\n0,0,0,0,0,0\r\n";
  EXPECT_EQ(app::ReadCustomCompartmentValues(file, table).result, Result::kRead);
  const Zhl16Compartment first = Custom(table, 0);
  EXPECT_DOUBLE_EQ(first.nitrogenHalfTimeMin, 4);
  EXPECT_DOUBLE_EQ(first.nitrogenAMbar, 1259.9);
  EXPECT_DOUBLE_EQ(first.nitrogenB, 0.505);
  EXPECT_DOUBLE_EQ(first.heliumHalfTimeMin, 1.51);
  EXPECT_DOUBLE_EQ(first.heliumAMbar, 1742.4);
  EXPECT_DOUBLE_EQ(first.heliumB, 0.4245);
  for (int n = 2; n <= 16; ++n) ExpectNumberedLine(Custom(table, n - 1), n);
  // The built-in variants stay as published.
  Zhl16Compartment c16;
  ASSERT_TRUE(table.GetCompartment(kZhl16C, 15, c16));
  EXPECT_DOUBLE_EQ(c16.nitrogenHalfTimeMin, 635.0);
}

TEST(CustomCompartmentValues, AShortFileFillsItsCompartmentsAndLeavesTheRest) {
  CZhl16Coefficients table;
  EXPECT_EQ(app::ReadCustomCompartmentValues(NumberedLine(1) + "\n" + NumberedLine(2) + "\n\n\n", table).result,
            Result::kRead);
  ExpectNumberedLine(Custom(table, 1), 2);
  // Compartment 3 keeps the ZH-L16C values it started with.
  EXPECT_DOUBLE_EQ(Custom(table, 2).nitrogenHalfTimeMin, 12.5);
  EXPECT_DOUBLE_EQ(Custom(table, 2).heliumB, 0.6527);
}

TEST(CustomCompartmentValues, ADamagedFileChangesNothingAndNamesItsFirstWrongLine) {
  static const char kJunk[] = "\x7f" "ELF\x02\x01\x01\0\0\xff\xfe,,,,,\n\x01";
  const std::string good = NumberedLine(1) + "\n" + NumberedLine(2) + "\n";
  const struct {
    std::string text;
    int wrongLine;
  } cases[] = {
      {"", 1},                                                       // nothing in it
      {good + "30,600,0.8,11", 3},                                   // truncated
      {good + "30,600,0.8,11,900,0.8,5\n", 3},                       // seven fields
      {good + "\n" + NumberedLine(4), 3},                            // a blank line among the compartments
      {good + "30;600;0.8;11;900;0.8\n", 3},                         // another separator
      {good + "30,600,0.8,11,900,zero\n", 3},                        // a word for a number
      {good + "30,600,0.8 bar,11,900,0.8\n", 3},                     // a unit after a number
      {good + "0,600,0.8,11,900,0.8\n", 3},                          // a half-time no tissue has
      {good + "30,-600,0.8,11,900,0.8\n", 3},                        // a negative a
      {good + "30,600,1.2,11,900,0.8\n", 3},                         // b above 1
      {good + "30,600,0.8,11,900,1e999\n", 3},                       // a number beyond any double
      {good + "30,nan,0.8,11,900,0.8\n", 3},                         // not a number
      {std::string(kJunk, sizeof kJunk - 1), 1},                     // binary junk
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    CZhl16Coefficients table;
    const CZhl16Coefficients before = table;
    const CustomValuesReading reading = app::ReadCustomCompartmentValues(c.text, table);
    EXPECT_EQ(reading.result, Result::kWrongLine);
    EXPECT_EQ(reading.wrongLine, c.wrongLine);
    EXPECT_TRUE(SameCustomValues(table, before));
  }
}

TEST(CustomCompartmentValues, LoadedValuesComeBackAfterARestartAndDamagedStoredValuesAreLeftOut) {
  TempFolders folders;
  LoadRegistrySettings();
  const CZhl16Coefficients builtIn;
  std::string file;
  for (int n = 1; n <= 16; ++n) file += NumberedLine(n) + "\n";
  const auto path = folders.Root() / "deep.csv";
  WriteFileText(path, file);
  EXPECT_EQ(app::LoadCustomCompartmentValuesFile(folders.Root() / "missing.csv").result, Result::kCannotOpen);
  ASSERT_EQ(app::LoadCustomCompartmentValuesFile(path).result, Result::kRead);
  ExpectNumberedLine(Custom(Zhl16Coefficients(), 15), 16);

  // A new process: built-in values and the settings read again from the store.
  Zhl16Coefficients() = builtIn;
  LoadRegistrySettings();
  EXPECT_TRUE(app::RestoreCustomCompartmentValues());
  for (int n = 1; n <= 16; ++n) ExpectNumberedLine(Custom(Zhl16Coefficients(), n - 1), n);

  // A store damaged by hand: the built-in values stay for the whole table.
  Zhl16Coefficients() = builtIn;
  AppSettings().divePlan.customCompartmentValues.Set(NumberedLine(1) + ";4,broken;");
  EXPECT_FALSE(app::RestoreCustomCompartmentValues());
  EXPECT_TRUE(SameCustomValues(Zhl16Coefficients(), builtIn));
}

TEST(CustomCompartmentValues, TheFuzzCorpusRunsThroughItsTargetAndItsSeedIsTheZhl16cTable) {
  for (const auto& file : CorpusFiles("custom_values")) {
    SCOPED_TRACE(file.filename());
    const std::string text = ReadFileText(file);
    valuesfuzz::RunCustomValues(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  }
  // The seed written from the published ZH-L16C table gives back exactly that table.
  CZhl16Coefficients table;
  ASSERT_TRUE(table.SetCompartment(0, 1, 1, 1, 1, 1, 1));
  ASSERT_EQ(app::ReadCustomCompartmentValues(ReadFileText(std::filesystem::path(VT_FUZZ_CORPUS_DIR) / "custom_values" /
                                                          "zhl16c.csv"),
                                             table)
                .result,
            Result::kRead);
  for (int c = 0; c < CZhl16Coefficients::kCompartments; ++c) {
    Zhl16Compartment published;
    ASSERT_TRUE(table.GetCompartment(kZhl16C, c, published));
    const Zhl16Compartment read = Custom(table, c);
    EXPECT_EQ(read.nitrogenHalfTimeMin, published.nitrogenHalfTimeMin) << c;
    EXPECT_EQ(read.nitrogenAMbar, published.nitrogenAMbar) << c;
    EXPECT_EQ(read.heliumHalfTimeMin, published.heliumHalfTimeMin) << c;
    EXPECT_EQ(read.heliumB, published.heliumB) << c;
  }
}
