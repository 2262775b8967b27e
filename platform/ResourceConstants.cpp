#include "platform/ResourceConstants.h"

#include <map>
#include <string>

namespace platform::rc {

std::optional<long> BuiltInConstant(std::string_view name) {
  static const std::map<std::string, long, std::less<>> constants = {
      // Version block
      {"VS_VERSION_INFO", 1}, {"VS_FFI_FILEFLAGSMASK", 0x3F}, {"VS_FF_DEBUG", 0x1},
      {"VS_FF_PRERELEASE", 0x2}, {"VOS_NT_WINDOWS32", 0x40004}, {"VOS__WINDOWS32", 0x4},
      {"VOS_UNKNOWN", 0}, {"VFT_APP", 1}, {"VFT_DLL", 2}, {"VFT_UNKNOWN", 0}, {"VFT2_UNKNOWN", 0},
      // Resource languages
      {"LANG_ENGLISH", 0x09}, {"SUBLANG_ENGLISH_US", 0x01}, {"LANG_SPANISH", 0x0A},
      {"SUBLANG_SPANISH", 0x01}, {"SUBLANG_SPANISH_MODERN", 0x03}, {"LANG_NEUTRAL", 0}, {"SUBLANG_NEUTRAL", 0},
      {"SUBLANG_DEFAULT", 0x01},
  };
  auto found = constants.find(name);
  if (found == constants.end()) return std::nullopt;
  return found->second;
}

}  // namespace platform::rc
