#include "views/core/HtmlText.h"

#include "engine/NumberText.h"
#include "engine/TextRecordFile.h"

namespace views {
namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;
constexpr char32_t kLastLatin1 = 0xFF;

}  // namespace

std::string EscapeHtml(std::string_view text) {
  const std::string utf8 = FileTextToUtf8(text);
  std::string escaped;
  escaped.reserve(utf8.size());
  for (char c : utf8) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

std::string UnescapeHtml(std::string_view text) {
  static constexpr std::pair<std::string_view, char> kReferences[] = {{"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'}};
  std::string plain;
  plain.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    bool replaced = false;
    for (const auto& [reference, character] : kReferences) {
      if (text.substr(i, reference.size()) == reference) {
        plain += character;
        i += reference.size();
        replaced = true;
        break;
      }
    }
    if (!replaced) plain += text[i++];
  }
  return plain;
}

std::string DocumentFileBytes(std::string_view html) {
  std::string bytes;
  bytes.reserve(html.size() + html.size() / 16);
  for (std::size_t i = 0; i < html.size();) {
    char32_t code = kReplacementCharacter;
    const std::size_t length = DecodeUtf8At(html, i, code);
    i += length == 0 ? 1 : length;  // a byte that starts no character stands for the replacement character
    if (code == '\r' && i < html.size() && html[i] == '\n') continue;  // the line feed brings its own
    if (code == '\n') {
      bytes += "\r\n";
    } else if (code <= kLastLatin1) {
      bytes += static_cast<char>(code);
    } else {
      bytes += FormatC("&#%u;", static_cast<unsigned>(code));
    }
  }
  return bytes;
}

}  // namespace views
