#include "platform/Registry.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <fstream>
#include <sstream>

#include "platform/RegistryDocument.h"
#include "platform/UserFolders.h"

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

std::string ReadWholeFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return {};
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool WriteAll(int fd, const std::string& text) {
  std::size_t written = 0;
  while (written < text.size()) {
    ssize_t n = ::write(fd, text.data() + written, text.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    written += static_cast<std::size_t>(n);
  }
  return true;
}

void SyncFolder(const std::filesystem::path& folder) {
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

// Writes text to a temporary file beside target and renames it over target.
bool ReplaceFile(const std::filesystem::path& target, const std::string& text) {
  std::filesystem::path temporary = target;
  temporary += ".tmp." + std::to_string(::getpid());
  int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, text) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok) ok = ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temporary.c_str());
    return false;
  }
  SyncFolder(target.parent_path());
  return true;
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
    if (stamp.exists) fresh->document = RegistryDocument::Parse(ReadWholeFile(file_));
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
    document = RegistryDocument::Parse(ReadWholeFile(file_));
    if (document.IsDamaged()) KeepDamagedCopy(file_);
  }
  if (!change(document)) return true;
  return ReplaceFile(file_, document.Serialize());
}

bool RegistryStore::WriteDword(std::string_view keyPath, std::string_view valueName, std::uint32_t value) {
  return Modify([&](RegistryDocument& document) {
    document.Set(keyPath, RegistryValue{std::string(valueName), RegistryValue::Type::Dword, value, {}});
    return true;
  });
}

bool RegistryStore::WriteString(std::string_view keyPath, std::string_view valueName, std::string_view value) {
  return Modify([&](RegistryDocument& document) {
    document.Set(keyPath,
                 RegistryValue{std::string(valueName), RegistryValue::Type::String, 0, std::string(value)});
    return true;
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
