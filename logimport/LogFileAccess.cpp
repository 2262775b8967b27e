#include "logimport/LogFileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <new>
#include <thread>

namespace logimport {

namespace {

PauseFunction& CurrentPause() {
  static PauseFunction pause;
  return pause;
}

int CauseOf(int error) {
  switch (error) {
    case ENOENT: return kCauseNotFound;
    case ENOTDIR: case ENAMETOOLONG: return kCauseBadPath;
    case EMFILE: case ENFILE: return kCauseTooManyOpen;
    case EACCES: case EPERM: case EISDIR: return kCauseAccessDenied;
    default: return kCauseGeneric;
  }
}

FileFailure FailureFromError(const std::string& path, int error) {
  return FileFailure{CauseOf(error), error, path, std::strerror(error)};
}

}  // namespace

PauseFunction SetPauseFunction(PauseFunction pause) {
  PauseFunction previous = std::move(CurrentPause());
  CurrentPause() = std::move(pause);
  return previous;
}

void PauseMs(int milliseconds) {
  if (CurrentPause()) {
    CurrentPause()(milliseconds);
  } else {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
  }
}

std::string DescribeFailure(std::string_view prefix, const FileFailure& failure) {
  char codes[64];
  std::snprintf(codes, sizeof codes, " - m_cause %d, m_lOsError %d, m_strFileName ", failure.cause, failure.osError);
  std::string text(prefix);
  text += std::string_view(failure.description).substr(0, 255);
  text += codes;
  text += failure.fileName;
  return text;
}

bool CLogFileReader::Open(const std::string& path, int attempts) {
  Close();
  for (int attempt = 1;; ++attempt) {
    if (TryOpen(path)) return true;
    if (attempt >= attempts) return false;
    PauseMs(kPauseMs);
  }
}

bool CLogFileReader::TryOpen(const std::string& path) {
  // Non-blocking, so that opening a pipe cannot wait for a writer.
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) {
    failure_ = FailureFromError(path, errno);
    return false;
  }
  struct stat status {};
  if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
    const int error = errno;
    const bool statFailed = status.st_mode == 0;
    ::close(descriptor);
    if (statFailed) {
      failure_ = FailureFromError(path, error);
    } else if (S_ISDIR(status.st_mode)) {
      failure_ = FailureFromError(path, EISDIR);
    } else {
      failure_ = FileFailure{kCauseAccessDenied, 0, path, "Not a regular file"};
    }
    return false;
  }
  descriptor_ = descriptor;
  length_ = static_cast<std::uint64_t>(status.st_size);
  failure_ = FileFailure{};
  return true;
}

std::size_t CLogFileReader::Read(unsigned char* into, std::size_t count) {
  std::size_t done = 0;
  while (descriptor_ >= 0 && done < count) {
    const ssize_t got = ::read(descriptor_, into + done, count - done);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += static_cast<std::size_t>(got);
  }
  return done;
}

void CLogFileReader::Close() {
  if (descriptor_ >= 0) ::close(descriptor_);
  descriptor_ = -1;
  length_ = 0;
}

bool ReadWholeFile(const std::string& path, std::string_view openPrefix, std::vector<unsigned char>& bytes,
                   std::string& error, int attempts) {
  CLogFileReader file;
  if (!file.Open(path, attempts)) {
    error = DescribeFailure(openPrefix, file.GetFailure());
    return false;
  }
  const std::uint64_t length = file.GetLength();
  if (length > kMaxLogFileBytes) {
    error = kNoMemoryText;
    return false;
  }
  try {
    bytes.assign(static_cast<std::size_t>(length), 0);
  } catch (const std::bad_alloc&) {
    error = kNoMemoryText;
    return false;
  }
  if (file.Read(bytes.data(), bytes.size()) < bytes.size()) {
    error = kShortReadText;
    return false;
  }
  return true;
}

}  // namespace logimport
