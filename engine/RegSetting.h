#pragma once
// One persistent setting: a value of the current user's registry with its default, cached after
// the first successful read.
#include <cstdint>
#include <string>
#include <string_view>

template <typename Value>
class CRegSetting {
 public:
  CRegSetting() = default;
  // path is the full key path with the value name as its last component, e.g.
  // "Software\Velmar\VelmarTessaline\Settings\General\Units". With force every get reads the
  // store. Nothing is read until the first get.
  CRegSetting(std::string_view path, Value defaultValue, bool force = false);

  // The cached value; until one is known, the stored value, or the default when the store has
  // none (such a setting goes to the store on every get).
  Value Get() const;
  // Caches the value and writes it to the store, whatever the cache held before. A failed write
  // is reported by the store; the program goes on with the new value.
  void Set(const Value& value);

  const std::string& GetKeyPath() const { return keyPath_; }
  const std::string& GetValueName() const { return valueName_; }

 private:
  std::string keyPath_;
  std::string valueName_;
  mutable Value value_{};
  Value default_{};
  mutable bool known_ = false;  // value_ came from the store or from Set
  bool force_ = false;
};

using CRegSettingDword = CRegSetting<std::uint32_t>;
using CRegSettingString = CRegSetting<std::string>;

extern template class CRegSetting<std::uint32_t>;
extern template class CRegSetting<std::string>;

// Splits a setting path at its last '\' into key path and value name, trimming '\' from both.
void SplitSettingPath(std::string_view path, std::string& keyPath, std::string& valueName);
