#pragma once
// The three secret values of the log files: the AES-256 key of secured files, the 32-byte value
// that stands in for a secured file's digest while the digest is computed, and the 16-byte seed
// of the keystream that scrambles datalog and memory-block records. The program carries
// placeholders; a user who holds the device maker's values puts them in a key-material file in
// the configuration folder, three lines of hex digits (key, fill value, seed), which then
// replaces the placeholders without a rebuild.
#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace logimport {

struct KeyMaterial {
  std::array<unsigned char, 32> aesKey{};
  std::array<unsigned char, 32> digestFill{};
  std::array<unsigned char, 16> keystreamSeed{};
};

KeyMaterial PlaceholderKeyMaterial();
// <configuration folder>/Velmar/LogKeyMaterial.txt
std::filesystem::path KeyMaterialFilePath();
// Parses the file's text: blank lines and lines starting with '#' are skipped; the rest must be
// exactly three lines of 64, 64 and 32 hex digits. On failure reason says what is wrong.
std::optional<KeyMaterial> ParseKeyMaterial(const std::string& text, std::string& reason);

// The values in force. Read at the first use and again at every ReloadKeyMaterial; a missing or
// malformed file, or one that someone other than the user or root owns or that group or others
// can write, leaves the placeholders and writes one line to the diagnostic log. A file that
// others can read is used, with a warning in the log.
const KeyMaterial& CurrentKeyMaterial();
void ReloadKeyMaterial();

}  // namespace logimport
