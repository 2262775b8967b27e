#pragma once
// Makes one step of writing a file fail, for files in or below one folder, by standing in for the C
// library's open, write, fsync, close and rename in the test program. The code under test runs
// its real error paths and needs no hooks of its own; calls for other files pass through.
#include <filesystem>
#include <string>

enum class FileFault {
  kCreate,           // creating a file fails: permission denied
  kWrite,            // every write fails: no space left on the device
  kSync,             // flushing to the disk fails: input/output error
  kSyncFolder,       // flushing the folder's entries to the disk fails: input/output error
  kClose,            // the close fails (the file is closed all the same): input/output error
  kRename,           // the rename fails: permission denied
  kEndBeforeRename,  // the process ends at once where it would rename, as in a crash
};

// The fault is in force for the object's lifetime; one at a time.
class ScopedFileFault {
 public:
  // The exit code of a process ended by kEndBeforeRename.
  static constexpr int kEndedExitCode = 86;

  ScopedFileFault(FileFault fault, const std::filesystem::path& folder);
  ~ScopedFileFault();
  ScopedFileFault(const ScopedFileFault&) = delete;
  ScopedFileFault& operator=(const ScopedFileFault&) = delete;

  // How often the fault struck.
  int Hits() const;
};

// What the user is told when a save of the file shown as name failed in folder with the
// system's error code (its reason is given in the user's language).
std::string CannotWriteMessage(const std::string& name, const std::filesystem::path& folder, int code);
