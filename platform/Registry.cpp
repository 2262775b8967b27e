#include "platform/Registry.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <thread>

#include "platform/OwnFiles.h"
#include "platform/RegistryDocument.h"
#include "platform/UserFolders.h"
#include "platform/WholeFiles.h"

namespace platform {

struct FileStamp {
  bool exists = false;
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  timespec modified{};

  bool operator==(const FileStamp& other) const {
    return exists == other.exists && device == other.device && inode == other.inode &&
           size == other.size && modified.tv_sec == other.modified.tv_sec &&
           modified.tv_nsec == other.modified.tv_nsec;
  }
};

namespace {

FileStamp StampOf(const std::filesystem::path& file) {
  struct stat info {};
  FileStamp stamp;
  if (::stat(file.c_str(), &info) != 0) return stamp;
  stamp.exists = true;
  stamp.device = info.st_dev;
  stamp.inode = info.st_ino;
  stamp.size = info.st_size;
  stamp.modified = info.st_mtim;
  return stamp;
}

// A store this large is not one the program wrote.
constexpr std::uint64_t kMaxStoreBytes = 64u << 20;

// The store's text; false when an existing store cannot be read.
bool ReadStore(const std::filesystem::path& file, std::string& text, std::string* error = nullptr) {
  return ReadRegularFile(file, kMaxStoreBytes, text, error) == ReadFileResult::kRead;
}

// "<store>.damaged-<local date and time>-<process id>", with a number added when that exists.
std::filesystem::path DamagedCopyName(const std::filesystem::path& file, int attempt) {
  char stamp[32];
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  std::filesystem::path copy = file;
  copy += std::string(".damaged-") + stamp + "-" + std::to_string(::getpid());
  if (attempt > 0) copy += "-" + std::to_string(attempt);
  return copy;
}

RegistryFaultReport& FaultReport() {
  static RegistryFaultReport report;
  return report;
}

// "10 s", or "250 ms" for a wait of no whole seconds.
std::string WaitText(std::chrono::milliseconds wait) {
  if (wait.count() % 1000 == 0) return std::to_string(wait.count() / 1000) + " s";
  return std::to_string(wait.count()) + " ms";
}

// The exclusive lock of the lock file, taken within the wait limit; a process that holds it for
// longer keeps this one out, and its write fails instead of waiting for ever.
class ExclusiveLock {
 public:
  ExclusiveLock(const std::filesystem::path& lockFile, std::chrono::milliseconds waitLimit)
      : fd_(::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
    if (fd_ < 0) {
      why_ = "Cannot open " + lockFile.string() + ": " + std::strerror(errno);
      return;
    }
    constexpr auto kRetryInterval = std::chrono::milliseconds(20);
    const auto deadline = std::chrono::steady_clock::now() + waitLimit;
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
      if (errno == EINTR) continue;
      if (errno != EWOULDBLOCK) {
        why_ = "Cannot lock " + lockFile.string() + ": " + std::strerror(errno);
        return;
      }
      const auto now = std::chrono::steady_clock::now();
      if (now >= deadline) {
        why_ = "Another program has held the lock " + lockFile.string() + " for " + WaitText(waitLimit);
        return;
      }
      std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(kRetryInterval, deadline - now));
    }
    held_ = true;
  }
  ~ExclusiveLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
  }
  ExclusiveLock(const ExclusiveLock&) = delete;
  ExclusiveLock& operator=(const ExclusiveLock&) = delete;
  bool Held() const { return held_; }
  // Why the lock is not held.
  const std::string& Why() const { return why_; }

 private:
  int fd_;
  bool held_ = false;
  std::string why_;
};

// A copy of the store kept earlier, by this run or another, that holds exactly text; empty
// when there is none.
std::filesystem::path FindKeptCopy(const std::filesystem::path& file, std::string_view text) {
  const std::string prefix = file.filename().string() + ".damaged-";
  std::error_code error;
  for (std::filesystem::directory_iterator it(file.parent_path(), error), end; !error && it != end;
       it.increment(error)) {
    if (it->path().filename().string().rfind(prefix, 0) != 0) continue;
    std::error_code statusError;
    if (it->symlink_status(statusError).type() != std::filesystem::file_type::regular) continue;
    if (it->file_size(statusError) != text.size()) continue;  // also when the size is unknown
    std::string copy;
    if (ReadStore(it->path(), copy) && copy == text) return it->path();
  }
  return {};
}

}  // namespace

struct RegistryStore::CachedDocument {
  FileStamp stamp;
  RegistryDocument document;
};

RegistryStore::RegistryStore(std::filesystem::path file, std::chrono::milliseconds lockWaitLimit)
    : file_(std::move(file)), lockWaitLimit_(lockWaitLimit) {}
RegistryStore::~RegistryStore() = default;

const RegistryDocument& RegistryStore::Current() const {
  FileStamp stamp = StampOf(file_);
  if (!cache_ || !(cache_->stamp == stamp)) {
    auto fresh = std::make_unique<CachedDocument>();
    fresh->stamp = stamp;
    std::string text;
    if (stamp.exists && ReadStore(file_, text)) fresh->document = RegistryDocument::Parse(text);
    cache_ = std::move(fresh);
  }
  return cache_->document;
}

std::optional<std::uint32_t> RegistryStore::ReadDword(std::string_view keyPath, std::string_view valueName) const {
  std::lock_guard guard(mutex_);
  const RegistryValue* value = Current().Find(keyPath, valueName);
  if (value == nullptr || value->type != RegistryValue::Type::Dword) return std::nullopt;
  return value->dword;
}

std::optional<std::string> RegistryStore::ReadString(std::string_view keyPath, std::string_view valueName) const {
  std::lock_guard guard(mutex_);
  const RegistryValue* value = Current().Find(keyPath, valueName);
  if (value == nullptr || value->type != RegistryValue::Type::String) return std::nullopt;
  return value->text;
}

bool RegistryStore::Modify(const Change& change) {
  std::vector<RegistryFault> faults;
  bool written = false;
  {
    std::lock_guard guard(mutex_);
    written = ModifyLocked(change, faults);
  }
  // Outside the lock: telling the user may run a message loop that writes settings again.
  if (const RegistryFaultReport& report = FaultReport()) {
    for (const RegistryFault& fault : faults) report(fault);
  }
  return written;
}

bool RegistryStore::ModifyLocked(const Change& change, std::vector<RegistryFault>& faults) {
  const auto failed = [&](std::string reason) {
    faults.push_back(RegistryFault{RegistryFault::Kind::kWriteFailed, file_, std::move(reason), {}});
    return false;
  };
  // Missing folders are made private; existing ones are left as they are.
  CreateOwnFolders(file_.parent_path(), {});
  std::filesystem::path lockFile = file_;
  lockFile += ".lock";
  const ExclusiveLock lock(lockFile, lockWaitLimit_);
  if (!lock.Held()) return failed(lock.Why());

  cache_.reset();
  RegistryDocument document;
  const FileStamp stamp = StampOf(file_);
  if (stamp.exists) {
    std::string text;
    std::string reason;
    // Replacing a store that could not be read would lose every value in it.
    if (!ReadStore(file_, text, &reason)) return failed(reason);
    document = RegistryDocument::Parse(text);
    // The rewrite drops the lines that cannot be read: only once they are safe in a copy.
    if (document.IsDamaged() && !KeepDamagedCopy(stamp, text, document, faults)) return false;
  }
  // A store that holds the value already is left as it is, unless it is damaged: its copy was
  // kept aside and it is rewritten with what could be read.
  if (!change(document) && !document.IsDamaged()) return true;
  std::string reason;
  if (!ReplaceFileContents(file_, document.Serialize(), 0600, &reason)) return failed(reason);
  return true;
}

bool RegistryStore::KeepDamagedCopy(const FileStamp& stamp, std::string_view text, const RegistryDocument& document,
                                    std::vector<RegistryFault>& faults) {
  // A write that failed after the copy was kept need not keep another of the same file.
  if (copiedDamage_ && *copiedDamage_ == stamp) return true;
  const auto kept = [&](const std::filesystem::path& copy) {
    copiedDamage_ = std::make_unique<FileStamp>(stamp);
    faults.push_back(
        RegistryFault{RegistryFault::Kind::kDamagedLinesKept, file_, copy.string(), document.RefusedLines()});
    return true;
  };
  // A store that stays damaged, as a read-only one does, keeps the copy of an earlier run.
  if (const std::filesystem::path copy = FindKeptCopy(file_, text); !copy.empty()) return kept(copy);
  constexpr int kAttempts = 100;
  std::string reason;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const std::filesystem::path copy = DamagedCopyName(file_, attempt);
    if (WriteNewFile(copy, text, 0600, &reason)) return kept(copy);
    if (errno != EEXIST) break;
  }
  faults.push_back(RegistryFault{RegistryFault::Kind::kWriteFailed, file_,
                                 "Lines that cannot be read could not be kept aside - " + reason, {}});
  return false;
}

void SetRegistryFaultReport(RegistryFaultReport report) { FaultReport() = std::move(report); }

bool RegistryStore::WriteDword(std::string_view keyPath, std::string_view valueName, std::uint32_t value) {
  return Modify([&](RegistryDocument& document) {
    return document.Set(keyPath, RegistryValue{std::string(valueName), RegistryValue::Type::Dword, value, {}});
  });
}

bool RegistryStore::WriteString(std::string_view keyPath, std::string_view valueName, std::string_view value) {
  return Modify([&](RegistryDocument& document) {
    return document.Set(keyPath,
                        RegistryValue{std::string(valueName), RegistryValue::Type::String, 0, std::string(value)});
  });
}

bool RegistryStore::DeleteValue(std::string_view keyPath, std::string_view valueName) {
  return Modify([&](RegistryDocument& document) { return document.Remove(keyPath, valueName); });
}

namespace {
std::unique_ptr<RegistryStore>& ProcessStore() {
  static std::unique_ptr<RegistryStore> store;
  return store;
}
}  // namespace

std::filesystem::path DefaultRegistryFile() { return ConfigFolder() / "Velmar" / "registry.reg"; }

RegistryStore& Registry() {
  auto& store = ProcessStore();
  if (!store) store = std::make_unique<RegistryStore>(DefaultRegistryFile());
  return *store;
}

void UseRegistryFile(const std::filesystem::path& file) {
  ProcessStore() = std::make_unique<RegistryStore>(file);
}

}  // namespace platform
