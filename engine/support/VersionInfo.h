#pragma once
// Reads the program's own version block from its resources.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/ResourceScript.h"

class CVersionInfo {
 public:
  // Only the running program carries a version block here; any other file gives false.
  bool Load(const std::string& path);
  bool LoadOwnModule();
  void Free();
  bool IsLoaded() const { return loaded_; }

  // The text at "\StringFileInfo\<translation as %08lx>\<name>"; empty when not loaded or absent.
  std::string GetValue(std::string_view name) const { return GetValue(name, translation_); }
  std::string GetValue(std::string_view name, std::uint32_t translation) const;
  std::string GetProductVersion() const { return GetValue("ProductVersion"); }
  std::uint32_t GetTranslation() const { return translation_; }

  // "1, 2, 3, 4" → "1.2.3.4": commas become points, blanks go.
  static std::string DottedVersion(std::string_view version);

 private:
  bool loaded_ = false;
  platform::VersionBlock block_;
  std::uint32_t translation_ = 0;
};
