#pragma once
// What the fuzz targets of the program's text-file readers do with one input, kept apart from
// the fuzzing engine so that the unit tests replay the committed corpus through the same code.
// Besides surviving any input, each target checks what its reader promises and stops the
// process (a finding) when a promise is broken.
#include <cstddef>
#include <cstdint>

namespace filefuzz {

// Loads the input as a plan file. A plan that loads holds 1 to 30 dives whose settings all lie
// within their ranges, and saved, loaded and saved again it gives the same file.
void RunPlanFile(const std::uint8_t* data, std::size_t size);
// Imports the input as a dive file into a plan of one dive, with the same promises for the
// exported dive.
void RunDiveFile(const std::uint8_t* data, std::size_t size);
// Line 1 the day, line 2 the gas-mix list, line 3 its ageing list: one start's ageing keeps one
// ageing item per kept mix, in the same order, and recording a choice keeps one item per mix.
void RunGasMixLists(const std::uint8_t* data, std::size_t size);
// Reads the input as the settings store's file. What the store writes it reads back undamaged,
// and writes again unchanged.
void RunSettingsStore(const std::uint8_t* data, std::size_t size);
// Reads the input as a table-generation settings file into a metric and an imperial page. Every
// field lies within its range, each gas list holds usable rows in ascending depth with no two at
// one depth and no neighbours breathing the same gas, and from the second save on a page saved
// and read again saves the same file.
void RunTableSettingsFile(const std::uint8_t* data, std::size_t size);
// Loads the input as a Gas Mix List file into a bailout gas list. A list that loads holds at
// most the items a file may give, each row a gas's name or "Invalid"; a file that does not load
// leaves the list as it was; and from the first save on a list saved and loaded again saves the
// same file.
void RunGasMixListFile(const std::uint8_t* data, std::size_t size);

// Settings from an empty private configuration folder, scratch files in memory where the system
// offers it.
void PrepareProcess();

}  // namespace filefuzz
