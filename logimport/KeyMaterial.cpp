#include "logimport/KeyMaterial.h"

#include <sys/stat.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "engine/support/DebugLog.h"
#include "engine/support/HexConversions.h"
#include "platform/OwnFiles.h"
#include "platform/UserFolders.h"
#include "platform/WholeFiles.h"

namespace logimport {

namespace {

// Placeholders only: files enciphered or scrambled by a real device need the maker's values.
// Each is built from its own running byte so that none of them is all zeros.
template <std::size_t N>
std::array<unsigned char, N> PlaceholderBytes(unsigned start, unsigned step) {
  std::array<unsigned char, N> bytes{};
  unsigned value = start;
  for (unsigned char& byte : bytes) {
    byte = static_cast<unsigned char>(value);
    value = value * 5 + step;
  }
  return bytes;
}

template <std::size_t N>
bool ParseHexLine(const std::string& line, std::array<unsigned char, N>& bytes) {
  if (line.size() != 2 * N || !std::all_of(line.begin(), line.end(), IsHexDigit)) return false;
  const std::string decoded = HexToBytes(line);
  std::copy(decoded.begin(), decoded.end(), bytes.begin());
  return true;
}

std::string Trimmed(const std::string& line) {
  const auto first = line.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

// Why the secret values of the file cannot be trusted: someone else could have written them.
// Empty when only the user (or root) can change the file; a file that others may read is
// trusted with a warning.
std::string WhyUntrusted(const std::filesystem::path& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return {};  // the read that follows says what is wrong
  if (std::string why = platform::WhyOthersCanChange(status); !why.empty()) return why;
  if (platform::OthersCanRead(status)) {
    TheDebugLog().LogText("Log key material: warning, " + path.string() +
                          " can be read by other users; make it readable by you alone (chmod 600)");
  }
  return {};
}

KeyMaterial LoadFromFile() {
  const std::filesystem::path path = KeyMaterialFilePath();
  if (std::string why = WhyUntrusted(path); !why.empty()) {
    TheDebugLog().LogText("Log key material: " + path.string() + " refused, it is " + why +
                          "; using the built-in placeholders");
    return PlaceholderKeyMaterial();
  }
  // A few lines of hex: anything large, or a pipe or device in its place, is not key material.
  constexpr std::uint64_t kMaxKeyFileBytes = 64 * 1024;
  std::string text;
  if (platform::ReadRegularFile(path, kMaxKeyFileBytes, text) != platform::ReadFileResult::kRead) {
    TheDebugLog().LogText("Log key material: no readable file " + path.string() + ", using the built-in placeholders");
    return PlaceholderKeyMaterial();
  }
  std::string reason;
  if (auto material = ParseKeyMaterial(text, reason)) return *material;
  TheDebugLog().LogText("Log key material: " + path.string() + " ignored (" + reason + "), using the built-in placeholders");
  return PlaceholderKeyMaterial();
}

std::optional<KeyMaterial>& Loaded() {
  static std::optional<KeyMaterial> material;
  return material;
}

}  // namespace

KeyMaterial PlaceholderKeyMaterial() {
  KeyMaterial material;
  material.aesKey = PlaceholderBytes<32>(0x3A, 0x71);
  material.digestFill = PlaceholderBytes<32>(0xC5, 0x2F);
  material.keystreamSeed = PlaceholderBytes<16>(0x5D, 0x93);
  return material;
}

std::filesystem::path KeyMaterialFilePath() { return platform::ConfigFolder() / "Velmar" / "LogKeyMaterial.txt"; }

std::optional<KeyMaterial> ParseKeyMaterial(const std::string& text, std::string& reason) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) {
    line = Trimmed(line);
    if (!line.empty() && line[0] != '#') lines.push_back(line);
  }
  if (lines.size() != 3) {
    reason = "expected three lines of hex digits, found " + std::to_string(lines.size());
    return std::nullopt;
  }
  KeyMaterial material;
  if (!ParseHexLine(lines[0], material.aesKey)) {
    reason = "the key must be 64 hex digits";
  } else if (!ParseHexLine(lines[1], material.digestFill)) {
    reason = "the fill value must be 64 hex digits";
  } else if (!ParseHexLine(lines[2], material.keystreamSeed)) {
    reason = "the seed must be 32 hex digits";
  } else {
    return material;
  }
  return std::nullopt;
}

const KeyMaterial& CurrentKeyMaterial() {
  if (!Loaded()) Loaded() = LoadFromFile();
  return *Loaded();
}

void ReloadKeyMaterial() { Loaded() = LoadFromFile(); }

}  // namespace logimport
