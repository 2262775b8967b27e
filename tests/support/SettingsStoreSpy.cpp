#include "tests/support/SettingsStoreSpy.h"

#include <algorithm>
#include <string_view>

#include "platform/Registry.h"
#include "platform/RegistryDocument.h"
#include "tests/support/TempFolders.h"

namespace {

constexpr std::string_view kSettingsKey = "HKEY_CURRENT_USER\\Software\\Velmar\\VelmarTessaline\\Settings";

}  // namespace

bool SettingsStoreSpy::FileIdentity::operator==(const FileIdentity& other) const {
  return exists == other.exists && inode == other.inode && modified.tv_sec == other.modified.tv_sec &&
         modified.tv_nsec == other.modified.tv_nsec && size == other.size;
}

SettingsStoreSpy::FileIdentity SettingsStoreSpy::Identity() {
  FileIdentity identity;
  struct stat status {};
  if (::stat(platform::Registry().File().c_str(), &status) != 0) return identity;
  identity.exists = true;
  identity.inode = status.st_ino;
  identity.modified = status.st_mtim;
  identity.size = status.st_size;
  return identity;
}

std::vector<std::string> SettingsStoreSpy::Values() {
  std::vector<std::string> values;
  const platform::RegistryDocument document =
      platform::RegistryDocument::Parse(ReadFileText(platform::Registry().File()));
  for (const platform::RegistryKey& key : document.Keys()) {
    const std::string_view path = key.path;
    if (!path.starts_with(kSettingsKey)) continue;
    std::string group(path.substr(kSettingsKey.size()));
    if (!group.empty() && group.front() == '\\') group.erase(0, 1);
    for (const platform::RegistryValue& value : key.values) {
      const std::string text = value.type == platform::RegistryValue::Type::Dword ? std::to_string(value.dword)
                                                                                  : value.text;
      values.push_back((group.empty() ? "" : group + "\\") + value.name + "=" + text);
    }
  }
  return values;
}

void SettingsStoreSpy::Reset() {
  identity_ = Identity();
  values_ = Values();
}

bool SettingsStoreSpy::Written() const { return !(Identity() == identity_); }

std::vector<std::string> SettingsStoreSpy::Changes() const {
  std::vector<std::string> changes;
  for (const std::string& value : Values()) {
    if (std::find(values_.begin(), values_.end(), value) == values_.end()) changes.push_back(value);
  }
  return changes;
}
