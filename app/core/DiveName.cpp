#include "app/core/DiveName.h"

#include <algorithm>

namespace app {

std::string NameInTabCaption(std::string_view caption) {
  const std::size_t separator = caption.find(" - ");
  return separator == std::string_view::npos ? std::string() : std::string(caption.substr(separator + 3));
}

bool IsAcceptableDiveName(std::string_view name) {
  return std::none_of(name.begin(), name.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return c == '~' || byte < 0x20 || byte == 0x7F;
  });
}

}  // namespace app
