#pragma once
// What a resource script holds, as read by ResourceScriptParser.
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct VersionBlock {
  std::array<std::uint16_t, 4> fileVersion{};
  std::array<std::uint16_t, 4> productVersion{};
  // StringFileInfo: translation key as written ("040904b0", lower case) → value name → text.
  std::map<std::string, std::map<std::string, std::string>> stringTables;
  // VarFileInfo\Translation: (language << 16) | code page, in the order written.
  std::vector<std::uint32_t> translations;
};

struct ResourceScript {
  std::map<int, std::string> strings;
  std::optional<VersionBlock> version;
  std::map<std::string, long> defines;
};

struct ResourceParseResult {
  bool ok = false;
  std::string error;  // "<file>(<line>): <what>" when not ok
  ResourceScript script;
};

// Returns the text of an #include'd file, or nothing when it cannot be found.
using IncludeResolver = std::function<std::optional<std::string>(const std::string& name)>;

ResourceParseResult ParseResourceScript(std::string_view text, const std::string& fileName,
                                        const IncludeResolver& resolveInclude);

}  // namespace platform
