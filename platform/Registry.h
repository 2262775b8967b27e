#pragma once
// The current user's registry: keys holding DWORD and string values, kept in one file in the
// registry-export layout. Key paths are written with '\' and compared without regard to case,
// e.g. key "Software\Velmar\VelmarTessaline\Settings\General", value "Units".
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class RegistryDocument;
struct FileStamp;

// What went wrong with the store, for the program's log and its user.
struct RegistryFault {
  enum class Kind {
    kWriteFailed,       // a value could not be stored; detail says why
    kDamagedLinesKept,  // lines that cannot be read were kept in the copy named by detail
  };
  Kind kind = Kind::kWriteFailed;
  std::filesystem::path file;
  std::string detail;
  std::vector<std::string> refusedLines;  // kDamagedLinesKept: the first of them
};
using RegistryFaultReport = std::function<void(const RegistryFault&)>;
// Every store reports its faults here, outside its locks (none installed: they go unreported).
void SetRegistryFaultReport(RegistryFaultReport report);

// How long a write waits for another process to release the store's lock before it fails.
constexpr std::chrono::milliseconds kRegistryLockWaitLimit = std::chrono::seconds(10);

class RegistryStore {
 public:
  explicit RegistryStore(std::filesystem::path file,
                         std::chrono::milliseconds lockWaitLimit = kRegistryLockWaitLimit);
  ~RegistryStore();
  RegistryStore(const RegistryStore&) = delete;
  RegistryStore& operator=(const RegistryStore&) = delete;

  // Absent values, a missing file and a damaged file all read as "no value".
  std::optional<std::uint32_t> ReadDword(std::string_view keyPath, std::string_view valueName) const;
  std::optional<std::string> ReadString(std::string_view keyPath, std::string_view valueName) const;

  // Each write re-reads the file under an exclusive lock, changes the one value and replaces
  // the file atomically, so values written meanwhile by another process survive; a file that
  // holds the value already is not rewritten. A file holding lines that cannot be read is
  // rewritten only once a copy of it is safely on disk beside it, and one copy is kept of one
  // damaged content. False, and reported as a fault, when the file could not be written or the
  // lock was not free within the wait limit; the old file is then untouched.
  bool WriteDword(std::string_view keyPath, std::string_view valueName, std::uint32_t value);
  bool WriteString(std::string_view keyPath, std::string_view valueName, std::string_view value);
  bool DeleteValue(std::string_view keyPath, std::string_view valueName);

  const std::filesystem::path& File() const { return file_; }

 private:
  struct CachedDocument;
  using Change = std::function<bool(RegistryDocument&)>;
  bool Modify(const Change& change);
  bool ModifyLocked(const Change& change, std::vector<RegistryFault>& faults);
  bool KeepDamagedCopy(const FileStamp& stamp, std::string_view text, const RegistryDocument& document,
                       std::vector<RegistryFault>& faults);
  const RegistryDocument& Current() const;

  std::filesystem::path file_;
  std::chrono::milliseconds lockWaitLimit_;
  mutable std::mutex mutex_;
  mutable std::unique_ptr<CachedDocument> cache_;
  std::unique_ptr<FileStamp> copiedDamage_;  // the damaged file a copy was last kept of
};

// The process-wide store: $XDG_CONFIG_HOME/Velmar/registry.reg unless redirected.
RegistryStore& Registry();
// Points the process-wide store at another file (tests, or a portable set-up).
void UseRegistryFile(const std::filesystem::path& file);
std::filesystem::path DefaultRegistryFile();

}  // namespace platform
