#include "engine/support/VersionInfo.h"

#include <cstdio>
#include <filesystem>

#include "platform/UserFolders.h"
#include "resources/ProgramResources.h"

bool CVersionInfo::Load(const std::string& path) {
  Free();
  std::error_code error;
  const std::filesystem::path own = platform::ExecutablePath();
  if (own.empty() || !std::filesystem::equivalent(path, own, error) || error) return false;
  return LoadOwnModule();
}

bool CVersionInfo::LoadOwnModule() {
  Free();
  const platform::VersionBlock* block = ProgramResources().Version();
  if (block == nullptr) return false;
  block_ = *block;
  translation_ = block_.translations.empty() ? 0 : block_.translations.front();
  loaded_ = true;
  return true;
}

void CVersionInfo::Free() {
  loaded_ = false;
  block_ = platform::VersionBlock{};
  translation_ = 0;
}

std::string CVersionInfo::GetValue(std::string_view name, std::uint32_t translation) const {
  if (!loaded_) return {};
  char key[16];
  std::snprintf(key, sizeof key, "%08lx", static_cast<unsigned long>(translation));
  auto table = block_.stringTables.find(key);
  if (table == block_.stringTables.end()) return {};
  auto value = table->second.find(std::string(name));
  return value == table->second.end() ? std::string() : value->second;
}

std::string CVersionInfo::DottedVersion(std::string_view version) {
  std::string dotted;
  for (char c : version) {
    if (c == ',') dotted += '.';
    else if (c != ' ') dotted += c;
  }
  return dotted;
}
