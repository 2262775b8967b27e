#include "engine/RegSetting.h"

#include <optional>
#include <type_traits>

#include "platform/Registry.h"

namespace {

std::string TrimBackslashes(std::string_view text) {
  while (!text.empty() && text.front() == '\\') text.remove_prefix(1);
  while (!text.empty() && text.back() == '\\') text.remove_suffix(1);
  return std::string(text);
}

template <typename Value>
std::optional<Value> ReadStored(const std::string& keyPath, const std::string& valueName) {
  if constexpr (std::is_same_v<Value, std::string>) {
    return platform::Registry().ReadString(keyPath, valueName);
  } else {
    return platform::Registry().ReadDword(keyPath, valueName);
  }
}

template <typename Value>
void WriteStored(const std::string& keyPath, const std::string& valueName, const Value& value) {
  if constexpr (std::is_same_v<Value, std::string>) {
    platform::Registry().WriteString(keyPath, valueName, value);
  } else {
    platform::Registry().WriteDword(keyPath, valueName, value);
  }
}

}  // namespace

void SplitSettingPath(std::string_view path, std::string& keyPath, std::string& valueName) {
  const auto last = path.rfind('\\');
  if (last == std::string_view::npos) {
    keyPath.clear();
    valueName = TrimBackslashes(path);
    return;
  }
  keyPath = TrimBackslashes(path.substr(0, last));
  valueName = TrimBackslashes(path.substr(last + 1));
}

template <typename Value>
CRegSetting<Value>::CRegSetting(std::string_view path, Value defaultValue, bool force)
    : default_(std::move(defaultValue)), force_(force) {
  SplitSettingPath(path, keyPath_, valueName_);
}

template <typename Value>
Value CRegSetting<Value>::Get() const {
  if (!known_ || force_) {
    if (std::optional<Value> stored = ReadStored<Value>(keyPath_, valueName_)) {
      value_ = std::move(*stored);
      known_ = true;
    } else if (!known_) {
      return default_;
    }
  }
  return value_;
}

template <typename Value>
void CRegSetting<Value>::Set(const Value& value) {
  // Written even when the cache holds the value already: another running copy of the program
  // may have stored something else since, and this write must win as the user expects.
  value_ = value;
  known_ = true;
  WriteStored(keyPath_, valueName_, value_);
}

template class CRegSetting<std::uint32_t>;
template class CRegSetting<std::string>;
