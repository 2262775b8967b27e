#pragma once
// The text of a registry-export file as keys holding values, in file order.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct RegistryValue {
  enum class Type { Dword, String, Other };
  std::string name;
  Type type = Type::String;
  std::uint32_t dword = 0;
  std::string text;  // the string, or for Other the raw text after '=' kept as it was
};

struct RegistryKey {
  std::string path;  // in full, root included: "HKEY_CURRENT_USER\\Software\\..."
  std::vector<RegistryValue> values;
};

class RegistryDocument {
 public:
  // Key paths given to Find, Set and Remove are below HKEY_CURRENT_USER; keys under other roots
  // are kept as they were read. Reads the export text. Lines that cannot be understood mark the document damaged and are
  // dropped; everything readable is kept. Text that is not an export at all gives an empty,
  // damaged document.
  static RegistryDocument Parse(std::string_view text);
  std::string Serialize() const;

  bool IsDamaged() const { return damaged_; }
  // The first lines that were refused, as they were read (for the log).
  const std::vector<std::string>& RefusedLines() const { return refusedLines_; }
  const RegistryValue* Find(std::string_view keyPath, std::string_view valueName) const;
  // False when the key held that value already, as it is given.
  bool Set(std::string_view keyPath, RegistryValue value);
  bool Remove(std::string_view keyPath, std::string_view valueName);
  const std::vector<RegistryKey>& Keys() const { return keys_; }

 private:
  RegistryKey* FindKey(std::string_view fullPath);
  RegistryKey* FindOrAddKey(std::string_view fullPath);
  static bool SetIn(RegistryKey& key, RegistryValue value);
  void Refuse(std::string_view line);
  static constexpr std::size_t kMaxRefusedLinesKept = 20;
  std::vector<RegistryKey> keys_;
  std::vector<std::string> refusedLines_;
  bool damaged_ = false;
};

bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace platform
