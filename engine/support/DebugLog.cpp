#include "engine/support/DebugLog.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdarg>
#include <ctime>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "engine/support/DateAndNames.h"
#include "platform/OwnFiles.h"
#include "platform/UserFolders.h"

namespace {

constexpr mode_t kLogFileMode = 0600;
constexpr char kHexDigits[] = "0123456789abcdef";

unsigned char ByteAt(std::string_view text, std::size_t at) { return static_cast<unsigned char>(text[at]); }

// The length of the valid UTF-8 sequence of two or more bytes that starts at `at` (no overlong
// form, no surrogate, nothing above U+10FFFF); 0 when none starts there.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
  const unsigned char lead = ByteAt(text, at);
  std::size_t length = 0;
  unsigned char secondLow = 0x80;  // the second byte's range narrows for some leads
  unsigned char secondHigh = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) secondLow = 0xA0;
    if (lead == 0xED) secondHigh = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) secondLow = 0x90;
    if (lead == 0xF4) secondHigh = 0x8F;
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  const unsigned char second = ByteAt(text, at + 1);
  if (second < secondLow || second > secondHigh) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (ByteAt(text, at + i) < 0x80 || ByteAt(text, at + i) > 0xBF) return 0;
  }
  return length;
}

// The number of bytes at `at` that make one control character: 1 for a C0 control, DEL or a
// byte 0x80-0x9F outside valid UTF-8 (a C1 control in a one-byte encoding), 2 for a C1 control
// U+0080-U+009F in UTF-8; 0 for anything else.
std::size_t ControlLength(std::string_view text, std::size_t at) {
  const unsigned char byte = ByteAt(text, at);
  if (byte < 0x20 || byte == 0x7F) return 1;
  const std::size_t sequence = Utf8SequenceLength(text, at);
  if (sequence == 0) return byte >= 0x80 && byte <= 0x9F ? 1 : 0;
  return sequence == 2 && byte == 0xC2 && ByteAt(text, at + 1) <= 0x9F ? 2 : 0;
}

// A backslash that would read as the start of an escape.
bool StartsEscape(std::string_view text, std::size_t at) {
  if (at + 1 >= text.size()) return false;
  const char next = text[at + 1];
  return next == '\\' || next == 'n' || next == 'r' || next == 't' || next == 'x' || ControlLength(text, at + 1) > 0;
}

// The text with control characters as escapes (\n, \r, \t, \xhh for each byte of any other), so
// that it never makes a line of its own nor drives a terminal, and a backslash doubled where it
// would otherwise read as an escape, so that the text reads back unambiguously; any other
// backslash, as in a registry key path, stays one.
std::string EscapeControlCharacters(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const char c = text[at];
    std::size_t length = 1;
    if (c == '\\') {
      escaped += StartsEscape(text, at) ? "\\\\" : "\\";
    } else if (c == '\n') {
      escaped += "\\n";
    } else if (c == '\r') {
      escaped += "\\r";
    } else if (c == '\t') {
      escaped += "\\t";
    } else if (const std::size_t control = ControlLength(text, at); control > 0) {
      length = control;
      for (std::size_t i = at; i < at + control; ++i) {
        escaped += "\\x";
        escaped += kHexDigits[ByteAt(text, i) >> 4];
        escaped += kHexDigits[ByteAt(text, i) & 0xF];
      }
    } else {
      // A character of several bytes is copied whole: its later bytes are no controls.
      length = std::max<std::size_t>(1, Utf8SequenceLength(text, at));
      escaped.append(text.substr(at, length));
    }
    at += length;
  }
  return escaped;
}

// The day of "<baseName>_YYYY_MM_DD.log"; nothing for any other name.
std::optional<std::chrono::sys_days> DayOfLogName(const std::string& name, const std::string& baseName) {
  constexpr std::string_view kDatePattern = "_0000_00_00.log";
  if (name.size() != baseName.size() + kDatePattern.size() || name.compare(0, baseName.size(), baseName) != 0) {
    return std::nullopt;
  }
  int numbers[3] = {0, 0, 0};
  int field = -1;
  for (std::size_t i = 0; i < kDatePattern.size(); ++i) {
    const char c = name[baseName.size() + i];
    if (kDatePattern[i] == '0') {
      if (c < '0' || c > '9') return std::nullopt;
      numbers[field] = numbers[field] * 10 + (c - '0');
    } else if (c != kDatePattern[i]) {
      return std::nullopt;
    } else if (c == '_') {
      ++field;
    }
  }
  const std::chrono::year_month_day day{std::chrono::year(numbers[0]), std::chrono::month(static_cast<unsigned>(numbers[1])),
                                        std::chrono::day(static_cast<unsigned>(numbers[2]))};
  if (!day.ok()) return std::nullopt;
  return std::chrono::sys_days(day);
}

// The file ends with the line that closes a full day.
bool EndsWithDayFull(std::FILE* file, std::uint64_t size) {
  const std::string ending = std::string(CDebugLog::kDayFullText) + "\n";
  if (size < ending.size()) return false;
  std::string tail(ending.size(), '\0');
  return ::pread(::fileno(file), tail.data(), tail.size(), static_cast<off_t>(size - tail.size())) ==
             static_cast<ssize_t>(tail.size()) &&
         tail == ending;
}

}  // namespace

CDebugLog::CDebugLog() : clock_([] { return std::chrono::system_clock::now(); }) {}

CDebugLog::~CDebugLog() { Close(); }

void CDebugLog::Close() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
}

bool CDebugLog::Open(const std::string& subFolder, const std::string& baseName) {
  std::lock_guard guard(mutex_);
  Close();
  enabled_ = true;
  std::string sub = subFolder;
  for (char& c : sub) {
    if (c == '\\') c = '/';
  }
  const std::filesystem::path dataFolder = platform::DataFolder();
  const std::string folder = (dataFolder / sub).string();
  basePath_ = folder + "/" + baseName;
  const std::time_t now = std::chrono::system_clock::to_time_t(clock_());
  fileName_ = basePath_ + "_" + FormatTime(now, "%Y_%m_%d") + ".log";

  if (!platform::CreateOwnFolders(dataFolder, sub)) return false;
  RemoveOldFiles(folder, baseName);
  return OpenDayFile();
}

bool CDebugLog::OpenDayFile() {
  // Read as well as appended to: a full day's closing line is looked for at its end.
  const int descriptor =
      ::open(fileName_.c_str(), O_RDWR | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC, kLogFileMode);
  if (descriptor < 0) return false;
  struct stat status {};
  if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(descriptor);
    return false;
  }
  // A file an earlier run made readable to others becomes the user's alone.
  if ((status.st_mode & 0777) != kLogFileMode) ::fchmod(descriptor, kLogFileMode);
  file_ = ::fdopen(descriptor, "a");
  if (file_ == nullptr) {
    ::close(descriptor);
    return false;
  }
  dayFull_ = EndsWithDayFull(file_, static_cast<std::uint64_t>(status.st_size));
  return true;
}

void CDebugLog::RemoveOldFiles(const std::string& folder, const std::string& baseName) const {
  std::time_t now = std::chrono::system_clock::to_time_t(clock_());
  std::tm local{};
  if (localtime_r(&now, &local) == nullptr) return;
  const std::chrono::sys_days today{std::chrono::year(local.tm_year + 1900) /
                                    std::chrono::month(static_cast<unsigned>(local.tm_mon + 1)) /
                                    std::chrono::day(static_cast<unsigned>(local.tm_mday))};
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::optional<std::chrono::sys_days> day = DayOfLogName(it->path().filename().string(), baseName);
    std::error_code typeError;
    if (day && today - *day > std::chrono::days(kKeepDays) && it->is_regular_file(typeError)) {
      std::filesystem::remove(it->path(), typeError);
    }
  }
}

void CDebugLog::SetEnabled(bool enabled) {
  std::lock_guard guard(mutex_);
  enabled_ = enabled;
}

void CDebugLog::SetTimeStamps(bool on) {
  std::lock_guard guard(mutex_);
  timeStamps_ = on;
}

int CDebugLog::GetThreshold(LogCategory category) const {
  if (category < 0 || category >= DBG_CATEGORY_COUNT) return 0;
  return thresholds_[static_cast<std::size_t>(category)];
}

bool CDebugLog::Log(const char* format, ...) {
  if (format == nullptr) return false;
  std::va_list arguments;
  va_start(arguments, format);
  std::va_list copy;
  va_copy(copy, arguments);
  int length = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string message;
  if (length > 0) {
    std::size_t size = std::min<std::size_t>(static_cast<std::size_t>(length), kMaxMessage);
    std::vector<char> buffer(size + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, arguments);
    message.assign(buffer.data(), size);
  }
  va_end(arguments);
  return WriteLine(message);
}

bool CDebugLog::LogText(std::string_view text) {
  return WriteLine(text.substr(0, kMaxMessage));
}

std::string CDebugLog::TimeStamp() const {
  if (!timeStamps_) return {};
  const auto now = clock_();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  char text[16];
  std::snprintf(text, sizeof text, ".%03d : ", static_cast<int>(milliseconds));
  return FormatTime(seconds, "%H:%M:%S") + text;
}

bool CDebugLog::WriteLine(std::string_view message) {
  std::lock_guard guard(mutex_);
  if (basePath_.empty()) return false;
  if (!enabled_) return true;
  if (file_ == nullptr) return false;
  if (dayFull_) return true;
  std::string line = TimeStamp() + EscapeControlCharacters(message) + "\n";
  // The size on disk, so that a second copy of the program writing the same day counts too.
  struct stat status {};
  const std::uint64_t fileBytes = ::fstat(::fileno(file_), &status) == 0 ? static_cast<std::uint64_t>(status.st_size) : 0;
  if (fileBytes + line.size() > dayCapBytes_) {
    line = TimeStamp() + kDayFullText + "\n";
    dayFull_ = true;
  }
  std::fwrite(line.data(), 1, line.size(), file_);
  std::fflush(file_);
  return true;
}

CDebugLog& TheDebugLog() {
  static CDebugLog log;
  return log;
}

std::string EscapePercent(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    escaped += c;
    if (c == '%') escaped += '%';
  }
  return escaped;
}
