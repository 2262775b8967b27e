#include "tests/support/FileFaults.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>

namespace {

struct FaultState {
  std::atomic<bool> armed{false};
  FileFault fault = FileFault::kCreate;
  std::string folder;  // with a trailing '/'
  std::set<int> descriptors;  // files below the folder opened for writing
  std::set<int> folders;      // the folder and folders below it opened
  int hits = 0;
};

// Never destroyed: files are still closed while the program ends.
FaultState& State() {
  static FaultState* const state = new FaultState;
  return *state;
}

template <typename Function>
Function Real(const char* name) {
  return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

bool InFolder(const char* path) {
  return State().armed && path != nullptr && std::string(path).rfind(State().folder, 0) == 0;
}

bool IsFolderOrBelow(const char* path) {
  return InFolder(path) || (State().armed && path != nullptr && std::string(path) + "/" == State().folder);
}

bool Strikes(FileFault fault, int fd) {
  const FaultState& state = State();
  if (!state.armed || state.fault != fault) return false;
  return (fault == FileFault::kSyncFolder ? state.folders : state.descriptors).count(fd) > 0;
}

int Fail(int error) {
  ++State().hits;
  errno = error;
  return -1;
}

}  // namespace

ScopedFileFault::ScopedFileFault(FileFault fault, const std::filesystem::path& folder) {
  FaultState& state = State();
  state.fault = fault;
  state.folder = (folder / "").string();
  state.descriptors.clear();
  state.folders.clear();
  state.hits = 0;
  state.armed = true;
}

ScopedFileFault::~ScopedFileFault() { State().armed = false; }

int ScopedFileFault::Hits() const { return State().hits; }

std::string CannotWriteMessage(const std::string& name, const std::filesystem::path& folder, int code) {
  return "Unable to open data file for writing.\n\n" + name + " could not be written in the folder " + folder.string() +
         ":\n" + std::strerror(code) + ".";
}

extern "C" {

int open(const char* path, int flags, ...) {
  mode_t mode = 0;
  if ((flags & O_CREAT) != 0) {
    std::va_list arguments;
    va_start(arguments, flags);
    mode = static_cast<mode_t>(va_arg(arguments, int));
    va_end(arguments);
  }
  const bool watched = InFolder(path);
  if (watched && (flags & O_CREAT) != 0 && State().fault == FileFault::kCreate) return Fail(EACCES);
  static const auto realOpen = Real<int (*)(const char*, int, ...)>("open");
  const int fd = realOpen(path, flags, mode);
  if (fd >= 0 && watched && (flags & (O_WRONLY | O_RDWR)) != 0) State().descriptors.insert(fd);
  if (fd >= 0 && (flags & O_DIRECTORY) != 0 && IsFolderOrBelow(path)) State().folders.insert(fd);
  return fd;
}

ssize_t write(int fd, const void* data, size_t size) {
  if (Strikes(FileFault::kWrite, fd)) return Fail(ENOSPC);
  static const auto realWrite = Real<ssize_t (*)(int, const void*, size_t)>("write");
  return realWrite(fd, data, size);
}

int fsync(int fd) {
  if (Strikes(FileFault::kSync, fd) || Strikes(FileFault::kSyncFolder, fd)) return Fail(EIO);
  static const auto realFsync = Real<int (*)(int)>("fsync");
  return realFsync(fd);
}

int close(int fd) {
  const bool strikes = Strikes(FileFault::kClose, fd);
  if (State().armed) {
    State().descriptors.erase(fd);
    State().folders.erase(fd);
  }
  static const auto realClose = Real<int (*)(int)>("close");
  const int result = realClose(fd);
  return strikes ? Fail(EIO) : result;
}

int rename(const char* from, const char* to) {
  if (InFolder(from) && State().fault == FileFault::kRename) return Fail(EACCES);
  if (InFolder(from) && State().fault == FileFault::kEndBeforeRename) ::_exit(ScopedFileFault::kEndedExitCode);
  static const auto realRename = Real<int (*)(const char*, const char*)>("rename");
  return realRename(from, to);
}

}  // extern "C"
