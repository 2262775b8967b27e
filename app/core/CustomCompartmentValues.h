#pragma once
// The custom compartment values file (".csv"): one line per compartment from the first, no
// header, each line six numbers separated by commas in this order: nitrogen half-time (min),
// nitrogen a (mbar), nitrogen b, helium half-time (min), helium a (mbar), helium b. Lines after
// the sixteenth are ignored; a file of fewer lines leaves the later compartments as they were.
//
// The values loaded last are kept in the settings store and brought back at start-up, so that
// a plan calculated with the custom coefficients gives the same stops after a restart.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

class CZhl16Coefficients;

namespace app {

struct CustomValuesReading {
  enum class Result {
    kRead,
    kCannotOpen,  // the file: missing, unreadable or too large for a values file
    kWrongLine,   // a line that is not six numbers, or whose numbers no compartment can have
  };
  Result result = Result::kRead;
  int wrongLine = 0;  // from 1, for kWrongLine
};

// The largest file taken for a values file.
constexpr std::uint64_t kMaxCustomValuesFileBytes = 1 << 20;

// Reads the values into the custom variant of table, lines separated by lineEnd (a "\r" before
// it is dropped). A wrong line among the lines used leaves table as it was.
CustomValuesReading ReadCustomCompartmentValues(std::string_view text, CZhl16Coefficients& table,
                                                char lineEnd = '\n');
// The custom variant of table in the file's form, lines separated by lineEnd.
std::string CustomCompartmentValuesText(const CZhl16Coefficients& table, char lineEnd = '\n');

// Reads a values file into the process's coefficient table and, when it was read, keeps the
// whole custom variant in the settings store.
CustomValuesReading LoadCustomCompartmentValuesFile(const std::filesystem::path& file);
// Start-up: brings back the custom values kept by the last load. Values in the store that are
// damaged are left out (the built-in values stay) and logged; false then.
bool RestoreCustomCompartmentValues();

}  // namespace app
