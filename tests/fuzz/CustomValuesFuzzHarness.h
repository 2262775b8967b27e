#pragma once
// What the fuzz target of the custom compartment values reader does with one input, kept apart
// from the fuzzing engine so that the unit tests replay the committed corpus through it.
#include <cstddef>
#include <cstdint>

namespace valuesfuzz {

// Reads the input as a values file. A file that is read leaves only values a compartment can
// have, and written out and read again gives the same table; a file that is refused names a
// line among those read and leaves the table unchanged.
void RunCustomValues(const std::uint8_t* data, std::size_t size);

// Nothing to prepare: the reader needs no settings or files.
void PrepareProcess();

}  // namespace valuesfuzz
