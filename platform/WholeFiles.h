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

// Writes contents to a new temporary file beside target, flushes it to disk and renames it over
// target. A target that is a symbolic link has the file it points to replaced; an existing
// target keeps its permissions, a new one gets newFileMode less the umask. False, with the
// failed step and the system's reason in error (when given), when any write, the flush, the
// close or the rename failed: target is then untouched and the temporary file removed. The
// temporary files that killed saves of the same file left behind, by processes no longer
// running, are removed first.
bool ReplaceFileContents(const std::filesystem::path& target, std::string_view contents, mode_t newFileMode = 0666,
                         std::string* error = nullptr);

}  // namespace platform
