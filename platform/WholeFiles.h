#pragma once
// Files read and written whole: a read that never blocks on a pipe or a device and never takes
// more than a size limit, and a replacement that leaves either the old or the new contents on
// disk, never a mixture or an empty file.
#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

enum class ReadFileResult {
  kRead,
  kCannotOpen,  // missing, unreadable, a folder, a pipe or a device, or a read error
  kTooLarge,    // a regular file larger than the limit; nothing was read
};

// Reads a regular file whole into contents. On failure contents is empty and error (when
// given) tells why in the system's words.
ReadFileResult ReadRegularFile(const std::filesystem::path& file, std::uint64_t maxBytes, std::string& contents,
                               std::string* error = nullptr);

// Why a file was not replaced.
struct ReplaceFailure {
  std::string detail;            // the failed step, the file and the system's reason
  std::filesystem::path folder;  // the folder that was written to, links followed, as an absolute path
  int code = 0;                  // the system's error number
};

// Writes contents to a new temporary file beside target, flushes it to disk and renames it over
// target. A target that is a symbolic link has the file it points to replaced (made when it is
// missing) and stays a link; an existing target keeps its permissions, a new one gets
// newFileMode less the umask. A read-only target (IsReadOnlyFile) and a loop of links are
// refused. False, with the failed step and the system's reason, when the target is refused or
// any write, the flush, the close or the rename failed: target is then untouched and the
// temporary file removed. Also false when the folder could not be flushed after the rename: the
// new contents then stand in the file but may not be on the disk. The temporary files that
// killed saves of the same file left behind, by processes no longer running, are removed first.
bool ReplaceFileContents(const std::filesystem::path& target, std::string_view contents, mode_t newFileMode,
                         ReplaceFailure& failure);
// The same, with only the failure's detail in error (when given).
bool ReplaceFileContents(const std::filesystem::path& target, std::string_view contents, mode_t newFileMode = 0666,
                         std::string* error = nullptr);

// True when the file target names (through any links) exists and may not be written: this user
// lacks write permission, or nobody has it. The second holds even for the administrator, who
// may write anything, so that a file the user made read-only is never replaced.
bool IsReadOnlyFile(const std::filesystem::path& target);

// Makes file, which must not exist, with exactly contents, flushed to disk with its folder and
// read back to check it. False, with the failed step and the reason in error, when any step failed; a file
// made in part is removed. errno tells EEXIST from other failures.
bool WriteNewFile(const std::filesystem::path& file, std::string_view contents, mode_t mode,
                  std::string* error = nullptr);

}  // namespace platform
