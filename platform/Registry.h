#pragma once
// The current user's registry: keys holding DWORD and string values, kept in one file in the
// registry-export layout. Key paths are written with '\' and compared without regard to case,
// e.g. key "Software\Velmar\VelmarTessaline\Settings\General", value "Units".
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

class RegistryDocument;

class RegistryStore {
 public:
  explicit RegistryStore(std::filesystem::path file);
  ~RegistryStore();
  RegistryStore(const RegistryStore&) = delete;
  RegistryStore& operator=(const RegistryStore&) = delete;

  // Absent values, a missing file and a damaged file all read as "no value".
  std::optional<std::uint32_t> ReadDword(std::string_view keyPath, std::string_view valueName) const;
  std::optional<std::string> ReadString(std::string_view keyPath, std::string_view valueName) const;

  // Each write re-reads the file under an exclusive lock, changes the one value and replaces
  // the file atomically, so values written meanwhile by another process survive; a file that
  // holds the value already is not rewritten. False when the file could not be written; the
  // old file is then untouched.
  bool WriteDword(std::string_view keyPath, std::string_view valueName, std::uint32_t value);
  bool WriteString(std::string_view keyPath, std::string_view valueName, std::string_view value);
  bool DeleteValue(std::string_view keyPath, std::string_view valueName);

  const std::filesystem::path& File() const { return file_; }

 private:
  struct CachedDocument;
  template <typename Change>
  bool Modify(Change&& change);
  const RegistryDocument& Current() const;

  std::filesystem::path file_;
  mutable std::mutex mutex_;
  mutable std::unique_ptr<CachedDocument> cache_;
};

// The process-wide store: $XDG_CONFIG_HOME/Velmar/registry.reg unless redirected.
RegistryStore& Registry();
// Points the process-wide store at another file (tests, or a portable set-up).
void UseRegistryFile(const std::filesystem::path& file);
std::filesystem::path DefaultRegistryFile();

}  // namespace platform
