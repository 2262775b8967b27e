#include "platform/Registry.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

#include "platform/RegistryDocument.h"
#include "platform/UserFolders.h"
#include "platform/WholeFiles.h"

namespace platform {
namespace {

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
bool ReadStore(const std::filesystem::path& file, std::string& text) {
  return ReadRegularFile(file, kMaxStoreBytes, text) == ReadFileResult::kRead;
}

// A damaged store is kept aside before it is replaced, so nothing it held is lost.
void KeepDamagedCopy(const std::filesystem::path& file) {
  char stamp[32];
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  std::filesystem::path copy = file;
  copy += std::string(".damaged-") + stamp + "-" + std::to_string(::getpid());
  std::error_code ignored;
  std::filesystem::copy_file(file, copy, std::filesystem::copy_options::skip_existing, ignored);
}

class ExclusiveLock {
 public:
  explicit ExclusiveLock(const std::filesystem::path& lockFile)
      : fd_(::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
    if (fd_ >= 0) {
      while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
      }
    }
  }
  ~ExclusiveLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
  }
  ExclusiveLock(const ExclusiveLock&) = delete;
  ExclusiveLock& operator=(const ExclusiveLock&) = delete;
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_;
};

}  // namespace

struct RegistryStore::CachedDocument {
  FileStamp stamp;
  RegistryDocument document;
};

RegistryStore::RegistryStore(std::filesystem::path file) : file_(std::move(file)) {}
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

template <typename Change>
bool RegistryStore::Modify(Change&& change) {
  std::lock_guard guard(mutex_);
  std::error_code error;
  std::filesystem::create_directories(file_.parent_path(), error);
  std::filesystem::path lockFile = file_;
  lockFile += ".lock";
  ExclusiveLock lock(lockFile);
  if (!lock.Held()) return false;

  cache_.reset();
  RegistryDocument document;
  if (StampOf(file_).exists) {
    std::string text;
    // Replacing a store that could not be read would lose every value in it.
    if (!ReadStore(file_, text)) return false;
    document = RegistryDocument::Parse(text);
    if (document.IsDamaged()) KeepDamagedCopy(file_);
  }
  // A store that holds the value already is left as it is, unless it is damaged: its copy was
  // kept aside and it is rewritten with what could be read.
  if (!change(document) && !document.IsDamaged()) return true;
  return ReplaceFileContents(file_, document.Serialize(), 0600);
}

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
