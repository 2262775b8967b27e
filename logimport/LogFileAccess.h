#pragma once
// How the log import reads files: an open is tried ten times, 10 ms apart; a whole file is read
// at once, up to a size limit; failures become texts ending " - m_cause %d, m_lOsError %d,
// m_strFileName %s" with a cause code, the system's error number and the file name.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace logimport {

using PauseFunction = std::function<void(int milliseconds)>;
// Replaces the wait between attempts (tests and fuzzing pass one that only counts); an empty
// function restores the real pause. Returns the one replaced.
PauseFunction SetPauseFunction(PauseFunction pause);
void PauseMs(int milliseconds);

// Cause codes of a failed open.
enum FileCause { kCauseGeneric = 1, kCauseNotFound = 2, kCauseBadPath = 3, kCauseTooManyOpen = 4, kCauseAccessDenied = 5 };

struct FileFailure {
  int cause = 0;
  int osError = 0;
  std::string fileName;
  std::string description;
};

// prefix, the description cut to 255 characters, then the cause, error number and file name.
std::string DescribeFailure(std::string_view prefix, const FileFailure& failure);

// A file open for binary reading. Only regular files are opened: a folder or a device would
// not hold a log, and a pipe could block the program.
class CLogFileReader {
 public:
  static constexpr int kOpenAttempts = 10;
  static constexpr int kPauseMs = 10;

  CLogFileReader() = default;
  ~CLogFileReader() { Close(); }
  CLogFileReader(const CLogFileReader&) = delete;
  CLogFileReader& operator=(const CLogFileReader&) = delete;

  // Tries attempts times with a pause of kPauseMs between tries.
  bool Open(const std::string& path, int attempts = kOpenAttempts);
  const FileFailure& GetFailure() const { return failure_; }
  std::uint64_t GetLength() const { return length_; }
  // Reads up to count bytes; fewer only at the end of the file or on a read error.
  std::size_t Read(unsigned char* into, std::size_t count);
  void Close();

 private:
  bool TryOpen(const std::string& path);

  int descriptor_ = -1;
  std::uint64_t length_ = 0;
  FileFailure failure_;
};

inline constexpr std::uint64_t kMaxLogFileBytes = 256u << 20;
inline constexpr const char* kNoMemoryText = "Unable to allocate memory";
inline constexpr const char* kShortReadText = "Unable to read full file contents";

// Reads the whole file, trying the open attempts times. On failure error is openPrefix followed
// by the open failure, or the text for a file too large to hold (kNoMemoryText) or one that
// ended early (kShortReadText).
bool ReadWholeFile(const std::string& path, std::string_view openPrefix, std::vector<unsigned char>& bytes,
                   std::string& error, int attempts = CLogFileReader::kOpenAttempts);

}  // namespace logimport
