#include "platform/RegistryDocument.h"

#include <cctype>
#include <cstdio>

namespace platform {
namespace {

constexpr std::string_view kRootPrefix = "HKEY_CURRENT_USER\\";
constexpr std::string_view kHeader4 = "REGEDIT4";
constexpr std::string_view kHeader5 = "Windows Registry Editor Version 5.00";

std::string_view TrimLineEnd(std::string_view line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
    line.remove_suffix(1);
  }
  return line;
}

// Reads a quoted string starting at text[0] == '"'; on success sets `end` past the closing quote.
bool ReadQuoted(std::string_view text, std::string& out, std::size_t& end) {
  if (text.empty() || text[0] != '"') return false;
  out.clear();
  for (std::size_t i = 1; i < text.size(); ++i) {
    char c = text[i];
    if (c == '"') {
      end = i + 1;
      return true;
    }
    if (c == '\\') {
      if (++i >= text.size()) return false;
      switch (text[i]) {
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case '0': out += '\0'; break;
        case '\\': out += '\\'; break;
        case '"': out += '"'; break;
        default: out += '\\'; out += text[i]; break;
      }
      continue;
    }
    out += c;
  }
  return false;
}

std::string Quote(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '"': out += "\\\""; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\0': out += "\\0"; break;  // the file stays plain text
      default: out += c; break;
    }
  }
  out += '"';
  return out;
}

// Always eight hex digits: fewer are what is left of a value cut short.
bool ParseDword(std::string_view digits, std::uint32_t& value) {
  if (digits.size() != 8) return false;
  value = 0;
  for (char c : digits) {
    int nibble;
    if (c >= '0' && c <= '9') nibble = c - '0';
    else if (c >= 'a' && c <= 'f') nibble = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') nibble = c - 'A' + 10;
    else return false;
    value = value << 4 | static_cast<std::uint32_t>(nibble);
  }
  return true;
}

bool ParseValueLine(std::string_view line, RegistryValue& value) {
  std::size_t end = 0;
  if (!ReadQuoted(line, value.name, end)) return false;
  if (end >= line.size() || line[end] != '=') return false;
  std::string_view data = line.substr(end + 1);
  if (!data.empty() && data[0] == '"') {
    std::size_t dataEnd = 0;
    if (!ReadQuoted(data, value.text, dataEnd) || dataEnd != data.size()) return false;
    value.type = RegistryValue::Type::String;
    return true;
  }
  constexpr std::string_view kDword = "dword:";
  if (data.substr(0, kDword.size()) == kDword) {
    value.type = RegistryValue::Type::Dword;
    return ParseDword(data.substr(kDword.size()), value.dword);
  }
  constexpr std::string_view kHex = "hex";
  if (data.substr(0, kHex.size()) == kHex) {
    value.type = RegistryValue::Type::Other;
    value.text = std::string(data);
    return true;
  }
  return false;
}

std::string UserKeyPath(std::string_view keyPath) {
  std::string fullPath(kRootPrefix);
  fullPath += keyPath;
  return fullPath;
}

}  // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

RegistryDocument RegistryDocument::Parse(std::string_view text) {
  RegistryDocument document;
  if (text.empty()) return document;
  // A UTF-8 byte-order mark may precede the header.
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);

  bool headerSeen = false;
  RegistryKey* current = nullptr;
  while (!text.empty()) {
    std::size_t newline = text.find('\n');
    std::string_view line = TrimLineEnd(text.substr(0, newline));
    text = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
    if (line.empty() || line[0] == ';') continue;
    if (!headerSeen) {
      if (line != kHeader4 && line != kHeader5) {
        document.Refuse(line);
        return document;
      }
      headerSeen = true;
      continue;
    }
    if (line.front() == '[') {
      if (line.back() != ']' || line.size() < 3) {
        document.Refuse(line);
        current = nullptr;
        continue;
      }
      current = document.FindOrAddKey(line.substr(1, line.size() - 2));
      continue;
    }
    if (line.front() == '@') continue;  // unnamed default values are not used
    RegistryValue value;
    if (!ParseValueLine(line, value) || current == nullptr) {
      document.Refuse(line);
      continue;
    }
    SetIn(*current, std::move(value));
  }
  if (!headerSeen) document.damaged_ = true;
  return document;
}

void RegistryDocument::Refuse(std::string_view line) {
  damaged_ = true;
  if (refusedLines_.size() < kMaxRefusedLinesKept) refusedLines_.emplace_back(line);
}

std::string RegistryDocument::Serialize() const {
  std::string out = "REGEDIT4\r\n";
  char dword[32];
  for (const RegistryKey& key : keys_) {
    out += "\r\n[";
    out += key.path;
    out += "]\r\n";
    for (const RegistryValue& value : key.values) {
      out += Quote(value.name);
      out += '=';
      switch (value.type) {
        case RegistryValue::Type::Dword:
          std::snprintf(dword, sizeof dword, "dword:%08x", value.dword);
          out += dword;
          break;
        case RegistryValue::Type::String: out += Quote(value.text); break;
        case RegistryValue::Type::Other: out += value.text; break;
      }
      out += "\r\n";
    }
  }
  return out;
}

RegistryKey* RegistryDocument::FindKey(std::string_view fullPath) {
  for (RegistryKey& key : keys_) {
    if (EqualsIgnoringCase(key.path, fullPath)) return &key;
  }
  return nullptr;
}

RegistryKey* RegistryDocument::FindOrAddKey(std::string_view fullPath) {
  if (RegistryKey* key = FindKey(fullPath)) return key;
  keys_.push_back(RegistryKey{std::string(fullPath), {}});
  return &keys_.back();
}

const RegistryValue* RegistryDocument::Find(std::string_view keyPath, std::string_view valueName) const {
  const std::string fullPath = UserKeyPath(keyPath);
  for (const RegistryKey& key : keys_) {
    if (!EqualsIgnoringCase(key.path, fullPath)) continue;
    for (const RegistryValue& value : key.values) {
      if (EqualsIgnoringCase(value.name, valueName)) return &value;
    }
  }
  return nullptr;
}

bool RegistryDocument::Set(std::string_view keyPath, RegistryValue value) {
  return SetIn(*FindOrAddKey(UserKeyPath(keyPath)), std::move(value));
}

bool RegistryDocument::SetIn(RegistryKey& key, RegistryValue value) {
  for (RegistryValue& existing : key.values) {
    if (EqualsIgnoringCase(existing.name, value.name)) {
      const bool changed = existing.name != value.name || existing.type != value.type ||
                           existing.dword != value.dword || existing.text != value.text;
      existing = std::move(value);
      return changed;
    }
  }
  key.values.push_back(std::move(value));
  return true;
}

bool RegistryDocument::Remove(std::string_view keyPath, std::string_view valueName) {
  RegistryKey* key = FindKey(UserKeyPath(keyPath));
  if (key == nullptr) return false;
  for (auto it = key->values.begin(); it != key->values.end(); ++it) {
    if (EqualsIgnoringCase(it->name, valueName)) {
      key->values.erase(it);
      return true;
    }
  }
  return false;
}

}  // namespace platform
