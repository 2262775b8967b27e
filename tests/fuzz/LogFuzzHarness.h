#pragma once
// What the log-import fuzz targets do with one input, kept apart from the fuzzing engine so that
// the unit tests replay the committed corpus through the same code.
//
// The first byte of an input picks how the rest becomes a file: 0 as it stands, 1 followed by
// its CRC-32 (a binary log whose whole-file check passes), 2 that binary log enciphered and
// digested with the built-in key material (a secured log whose checks pass). Modes 1 and 2 take
// the fuzzer past the checksums into the record parser and the decoders.
#include <cstddef>
#include <cstdint>
#include <string>

#include "tests/logimport/writers/LogWriter.h"

namespace logfuzz {

enum Mode { kRaw = 0, kWithCrc = 1, kSecured = 2, kModeCount = 3 };

testlog::Bytes FileForInput(const std::uint8_t* data, std::size_t size, Mode& mode);
// Writes the file of the input to a scratch file of this process and returns its path.
std::string WriteScratchFile(const testlog::Bytes& file);

// Loads the file in the layout of its mode (a raw file in both) and walks every record
// through its decoder.
void RunReader(const std::uint8_t* data, std::size_t size);
// Tells the file's kind and converts it, then reads the text back line by line.
void RunConverter(const std::uint8_t* data, std::size_t size);

// The dive-log loader's input: by the first byte, 0 the rest as a file as it stands, 1 the rest
// as a text log whose every line is completed by its check pair (so the fuzzer gets past the
// line checks into the record handlers), 2 the rest cut into 32-byte records of a time-stamped
// binary log.
enum LoaderMode { kLoaderRaw = 0, kLoaderChecked = 1, kLoaderTimeStamped = 2, kLoaderModeCount = 3 };
testlog::Bytes LoaderFileForInput(const std::uint8_t* data, std::size_t size, LoaderMode& mode);
// Loads the file of the input into a dive-log container and reads what it holds.
void RunLoader(const std::uint8_t* data, std::size_t size);

// For the fuzzing processes: no pauses between opens, and key material from a folder that
// holds none, so the built-in placeholders are in force.
void PrepareProcess();

}  // namespace logfuzz
