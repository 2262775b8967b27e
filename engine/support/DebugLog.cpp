#include "engine/support/DebugLog.h"

#include <algorithm>
#include <cstdarg>
#include <ctime>
#include <vector>

#include "engine/support/DateAndNames.h"
#include "engine/support/DiskHelper.h"
#include "platform/UserFolders.h"

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
  const std::string folder = (platform::DataFolder() / sub).string();
  basePath_ = folder + "/" + baseName;
  const std::time_t now = std::chrono::system_clock::to_time_t(clock_());
  fileName_ = basePath_ + "_" + FormatTime(now, "%Y_%m_%d") + ".log";

  // Creates only the folders that are missing.
  if (!CDiskHelper().CreateDirectoryPath(folder)) return false;
  file_ = std::fopen(fileName_.c_str(), "a");
  return file_ != nullptr;
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

bool CDebugLog::WriteLine(std::string_view message) {
  std::lock_guard guard(mutex_);
  if (basePath_.empty()) return false;
  if (!enabled_) return true;
  if (file_ == nullptr) return false;
  if (timeStamps_) {
    const auto now = clock_();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto milliseconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::fprintf(file_, "%s.%03d : ", FormatTime(seconds, "%H:%M:%S").c_str(), static_cast<int>(milliseconds));
  }
  std::fwrite(message.data(), 1, message.size(), file_);
  std::fputc('\n', file_);
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
