#include "platform/WholeFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace platform {
namespace {

std::string StepError(std::string_view step, const std::filesystem::path& file, int code) {
  return std::string(step) + " " + file.string() + ": " + std::strerror(code);
}

void SetError(std::string* error, std::string_view step, const std::filesystem::path& file, int code) {
  if (error != nullptr) *error = StepError(step, file, code);
}

// A save of file that failed, file standing in the folder that was written to.
bool Failed(ReplaceFailure& failure, std::string detail, const std::filesystem::path& file, int code) {
  failure.detail = std::move(detail);
  failure.code = code;
  std::error_code ignored;
  failure.folder = std::filesystem::absolute(file, ignored).parent_path();
  return false;
}

// Closes the descriptor when the scope ends unless it was closed (and checked) already.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return fd_; }
  bool Valid() const { return fd_ >= 0; }
  // A failed close can mean that written data never reached the disk.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t n = ::write(fd, text.data(), text.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) {
      errno = EIO;
      return false;
    }
    text.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Brings the folder's entries to the disk, so that a file renamed or made in it stays there.
bool SyncFolder(const std::filesystem::path& folder) {
  Descriptor fd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  return fd.Valid() && ::fsync(fd.Get()) == 0;
}

// The file a save replaces: the target itself, or the file a chain of symbolic links ends in,
// whether it exists or not, so that the links survive the save. False on a loop of links.
bool ReplacedFile(const std::filesystem::path& target, std::filesystem::path& file) {
  constexpr int kMaxLinks = 40;  // as the system follows them
  file = target;
  for (int link = 0; link < kMaxLinks; ++link) {
    std::error_code error;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(file, error))) return true;
    const std::filesystem::path next = std::filesystem::read_symlink(file, error);
    if (error) return true;  // the save then reports what stands in its way
    file = next.is_absolute() ? next : file.parent_path() / next;
  }
  errno = ELOOP;
  return false;
}

bool IsWriteProtected(const std::filesystem::path& file) {
  struct stat status {};
  if (::stat(file.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
  return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
         ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0;
}

// Temporary files are named "<stem>.tmp-<process id>-<counter>".
constexpr std::string_view kTemporaryMark = ".tmp-";
// The mark, a process id and a counter at their longest.
constexpr std::size_t kTemporarySuffixBytes = kTemporaryMark.size() + 10 + 1 + 10;

std::uint64_t NameHash(std::string_view name) {  // 64-bit FNV-1a
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  return hash;
}

// The file's name, or when the temporary's name would then be longer than the folder allows,
// the name's beginning and a hash of the whole name, so that it still belongs to this file alone.
std::string TemporaryStem(const std::filesystem::path& file) {
  const std::string name = file.filename().native();
  const std::filesystem::path folder = file.parent_path();
  long nameMax = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
  if (nameMax <= 0) nameMax = NAME_MAX;
  const auto limit = static_cast<std::size_t>(nameMax);
  if (name.size() + kTemporarySuffixBytes <= limit) return name;
  char hash[20];
  std::snprintf(hash, sizeof hash, "~%016llx", static_cast<unsigned long long>(NameHash(name)));
  const std::size_t hashBytes = std::strlen(hash);
  std::size_t kept = limit > kTemporarySuffixBytes + hashBytes ? limit - kTemporarySuffixBytes - hashBytes : 0;
  // Never half a UTF-8 character, so that the name still shows as text.
  while (kept > 0 && (static_cast<unsigned char>(name[kept]) & 0xC0) == 0x80) --kept;
  return name.substr(0, kept) + hash;
}

// A name beside the file that no other save, of this process or another, is using.
std::filesystem::path TemporaryName(const std::filesystem::path& file, const std::string& stem) {
  static std::atomic<unsigned> counter{0};
  return file.parent_path() /
         (stem + std::string(kTemporaryMark) + std::to_string(::getpid()) + "-" + std::to_string(counter++));
}

bool ReadDigits(std::string_view& text, unsigned long& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end == text.data()) return false;
  text.remove_prefix(static_cast<std::size_t>(end - text.data()));
  return true;
}

// The process that made name as a temporary file of a save of the file whose temporaries begin
// with stem; 0 for any other name.
pid_t TemporaryFileProcess(std::string_view name, std::string_view stem) {
  if (!name.starts_with(stem)) return 0;
  std::string_view rest = name.substr(stem.size());
  if (!rest.starts_with(kTemporaryMark)) return 0;
  rest.remove_prefix(kTemporaryMark.size());
  unsigned long process = 0;
  unsigned long counter = 0;
  if (!ReadDigits(rest, process) || rest.empty() || rest.front() != '-') return 0;
  rest.remove_prefix(1);
  if (!ReadDigits(rest, counter) || !rest.empty() || process == 0 || process > INT_MAX) return 0;
  return static_cast<pid_t>(process);
}

// A save killed before its rename leaves its temporary file behind. The next save of the same
// file removes those of processes that no longer run; a running one may be writing its own.
// Other files are never touched, whatever their names look like: they may be another
// program's.
void RemoveAbandonedTemporaries(const std::filesystem::path& file, const std::string& stem) {
  const std::filesystem::path folder = file.parent_path();
  std::error_code error;
  std::filesystem::directory_iterator entry(folder.empty() ? "." : folder, error);
  for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
    const pid_t process = TemporaryFileProcess(entry->path().filename().native(), stem);
    if (process == 0) continue;
    struct stat status {};
    if (::lstat(entry->path().c_str(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::geteuid()) {
      continue;
    }
    if (::kill(process, 0) != 0 && errno == ESRCH) ::unlink(entry->path().c_str());
  }
}

int CreateTemporary(const std::filesystem::path& file, const std::string& stem, std::filesystem::path& temporary,
                    mode_t mode) {
  constexpr int kAttempts = 100;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    temporary = TemporaryName(file, stem);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

}  // namespace

ReadFileResult ReadRegularFile(const std::filesystem::path& file, std::uint64_t maxBytes, std::string& contents,
                               std::string* error) {
  contents.clear();
  // Non-blocking, so that opening a pipe cannot wait for a writer.
  Descriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (!fd.Valid()) {
    SetError(error, "Cannot open", file, errno);
    return ReadFileResult::kCannotOpen;
  }
  struct stat status {};
  if (::fstat(fd.Get(), &status) != 0) {
    SetError(error, "Cannot examine", file, errno);
    return ReadFileResult::kCannotOpen;
  }
  if (!S_ISREG(status.st_mode)) {
    SetError(error, "Not a regular file:", file, S_ISDIR(status.st_mode) ? EISDIR : EINVAL);
    return ReadFileResult::kCannotOpen;
  }
  if (static_cast<std::uint64_t>(status.st_size) > maxBytes) {
    SetError(error, "Too large:", file, EFBIG);
    return ReadFileResult::kTooLarge;
  }
  contents.reserve(static_cast<std::size_t>(status.st_size));
  // The file may change while it is read: the contents are what was there, within the limit.
  char chunk[65536];
  while (true) {
    const ssize_t got = ::read(fd.Get(), chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      SetError(error, "Cannot read", file, errno);
      contents.clear();
      return ReadFileResult::kCannotOpen;
    }
    if (got == 0) break;
    if (contents.size() + static_cast<std::uint64_t>(got) > maxBytes) {
      SetError(error, "Too large:", file, EFBIG);
      contents.clear();
      return ReadFileResult::kTooLarge;
    }
    contents.append(chunk, static_cast<std::size_t>(got));
  }
  return ReadFileResult::kRead;
}

bool ReplaceFileContents(const std::filesystem::path& target, std::string_view contents, mode_t newFileMode,
                         ReplaceFailure& failure) {
  std::filesystem::path file;
  if (!ReplacedFile(target, file)) {
    return Failed(failure, StepError("Cannot follow the links of", target, ELOOP), target, ELOOP);
  }
  if (IsWriteProtected(file)) return Failed(failure, "The file " + file.string() + " is read-only", file, EACCES);
  const std::string stem = TemporaryStem(file);
  RemoveAbandonedTemporaries(file, stem);
  struct stat existing {};
  const bool keepMode = ::stat(file.c_str(), &existing) == 0 && S_ISREG(existing.st_mode);

  std::filesystem::path temporary;
  Descriptor fd(CreateTemporary(file, stem, temporary, newFileMode));
  if (!fd.Valid()) {
    const int code = errno;
    return Failed(failure, StepError("Cannot create", temporary, code), file, code);
  }
  const char* failedStep = nullptr;
  if (keepMode && ::fchmod(fd.Get(), existing.st_mode & 07777) != 0) {
    failedStep = "Cannot set the permissions of";
  } else if (!WriteAll(fd.Get(), contents)) {
    failedStep = "Cannot write";
  } else if (::fsync(fd.Get()) != 0) {
    failedStep = "Cannot flush";
  } else if (!fd.Close()) {
    failedStep = "Cannot close";
  } else if (::rename(temporary.c_str(), file.c_str()) != 0) {
    failedStep = "Cannot replace the file with";
  }
  if (failedStep != nullptr) {
    const int code = errno;
    if (fd.Valid()) fd.Close();
    ::unlink(temporary.c_str());
    return Failed(failure, StepError(failedStep, temporary, code), file, code);
  }
  if (!SyncFolder(file.parent_path())) {
    const int code = errno;
    return Failed(failure, StepError("Cannot flush the folder of", file, code), file, code);
  }
  return true;
}

bool ReplaceFileContents(const std::filesystem::path& target, std::string_view contents, mode_t newFileMode,
                         std::string* error) {
  ReplaceFailure failure;
  if (ReplaceFileContents(target, contents, newFileMode, failure)) return true;
  if (error != nullptr) *error = failure.detail;
  return false;
}

bool IsReadOnlyFile(const std::filesystem::path& target) {
  std::filesystem::path file;
  return ReplacedFile(target, file) && IsWriteProtected(file);
}

bool WriteNewFile(const std::filesystem::path& file, std::string_view contents, mode_t mode, std::string* error) {
  Descriptor fd(::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
  if (!fd.Valid()) {
    const int code = errno;
    SetError(error, "Cannot create", file, code);
    errno = code;
    return false;
  }
  const char* failedStep = nullptr;
  std::string written;
  if (!WriteAll(fd.Get(), contents)) {
    failedStep = "Cannot write";
  } else if (::fsync(fd.Get()) != 0) {
    failedStep = "Cannot flush";
  } else if (!fd.Close()) {
    failedStep = "Cannot close";
  } else if (ReadRegularFile(file, contents.size(), written) != ReadFileResult::kRead || written != contents) {
    failedStep = "Cannot read back all that was written to";
    errno = EIO;
  } else if (!SyncFolder(file.parent_path())) {
    failedStep = "Cannot flush the folder of";
  }
  if (failedStep == nullptr) return true;
  const int code = errno;
  if (fd.Valid()) fd.Close();
  ::unlink(file.c_str());
  SetError(error, failedStep, file, code);
  errno = code;
  return false;
}

}  // namespace platform
