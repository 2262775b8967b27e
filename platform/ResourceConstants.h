#pragma once
// The named numbers a resource script may use without defining them (window styles,
// version-block flags and the like).
#include <optional>
#include <string_view>

namespace platform::rc {

std::optional<long> BuiltInConstant(std::string_view name);

}  // namespace platform::rc
