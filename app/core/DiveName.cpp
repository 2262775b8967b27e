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

namespace {

constexpr std::string_view kEllipsis = "\u2026";

bool StartsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

// The byte offset of character number index (counted from 0), or the text's size when it has
// no more characters.
std::size_t CharacterOffset(std::string_view text, std::size_t index) {
  std::size_t seen = 0;
  for (std::size_t offset = 0; offset < text.size(); ++offset) {
    if (StartsCharacter(text[offset]) && seen++ == index) return offset;
  }
  return text.size();
}

}  // namespace

std::string ShownTabCaption(std::string_view caption, std::size_t maxChars) {
  if (maxChars == 0) return {};
  if (CharacterOffset(caption, maxChars) == caption.size()) return std::string(caption);
  std::string_view kept = caption.substr(0, CharacterOffset(caption, maxChars - 1));
  while (!kept.empty() && kept.back() == ' ') kept.remove_suffix(1);
  return std::string(kept) + std::string(kEllipsis);
}

}  // namespace app
