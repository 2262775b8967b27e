#include "platform/ResourceLexer.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace platform::rc {
namespace {

bool IsIdentifierStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsIdentifierChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

std::string_view StripLineComment(std::string_view text) {
  std::size_t comment = text.find("//");
  return comment == std::string_view::npos ? text : text.substr(0, comment);
}

// Reads a number written in C style (decimal, 0x hex, optional L/U suffixes).
bool ReadNumber(std::string_view text, std::size_t& pos, long& value) {
  std::size_t start = pos;
  int base = 10;
  if (text.substr(pos, 2) == "0x" || text.substr(pos, 2) == "0X") {
    base = 16;
    pos += 2;
  }
  std::size_t digitsStart = pos;
  while (pos < text.size() && std::isxdigit(static_cast<unsigned char>(text[pos])) &&
         (base == 16 || std::isdigit(static_cast<unsigned char>(text[pos])))) {
    ++pos;
  }
  if (pos == digitsStart) {
    pos = start;
    return false;
  }
  value = static_cast<long>(std::strtoul(std::string(text.substr(digitsStart, pos - digitsStart)).c_str(), nullptr, base));
  while (pos < text.size() && (text[pos] == 'L' || text[pos] == 'l' || text[pos] == 'U' || text[pos] == 'u')) ++pos;
  return true;
}

}  // namespace

bool Lexer::Fail(const std::string& file, int line, const std::string& what) {
  if (result_.ok) {
    result_.ok = false;
    result_.error = file + "(" + std::to_string(line) + "): " + what;
  }
  return false;
}

bool Lexer::Active() const {
  for (bool condition : conditions_) {
    if (!condition) return false;
  }
  return true;
}

LexResult Lexer::Run(std::string_view text, const std::string& fileName) {
  result_ = LexResult{};
  LexFile(text, fileName, 0);
  if (result_.ok && !conditions_.empty()) {
    Fail(conditionStarts_.back().first, conditionStarts_.back().second, "#if without #endif");
  }
  Token end;
  end.kind = Token::Kind::End;
  end.line = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
  end.file = fileNames_.empty() ? nullptr : fileNames_.front();
  result_.tokens.push_back(end);
  return std::move(result_);
}

bool Lexer::Directive(std::string_view line, const std::string& file, int lineNumber, int depth) {
  line = Trim(StripLineComment(line.substr(1)));
  std::size_t nameEnd = 0;
  while (nameEnd < line.size() && IsIdentifierChar(line[nameEnd])) ++nameEnd;
  std::string_view name = line.substr(0, nameEnd);
  std::string_view rest = Trim(line.substr(nameEnd));

  if (name == "endif") {
    if (conditions_.empty()) return Fail(file, lineNumber, "#endif without #if");
    conditions_.pop_back();
    conditionStarts_.pop_back();
    return true;
  }
  if (name == "else") {
    if (conditions_.empty()) return Fail(file, lineNumber, "#else without #if");
    conditions_.back() = !conditions_.back();
    return true;
  }
  if (name == "ifdef" || name == "ifndef") {
    std::string symbol(rest);
    bool defined = defines_.count(symbol) != 0 || flagDefines_.count(symbol) != 0;
    conditions_.push_back(name == "ifdef" ? defined : !defined);
    conditionStarts_.emplace_back(file, lineNumber);
    return true;
  }
  if (name == "if") {
    std::size_t pos = 0;
    long value = 0;
    if (ReadNumber(rest, pos, value)) {
      conditions_.push_back(value != 0);
    } else {
      auto found = defines_.find(std::string(rest));
      conditions_.push_back(found != defines_.end() && found->second != 0);
    }
    conditionStarts_.emplace_back(file, lineNumber);
    return true;
  }
  if (!Active()) return true;
  if (name == "define") {
    std::size_t symbolEnd = 0;
    while (symbolEnd < rest.size() && IsIdentifierChar(rest[symbolEnd])) ++symbolEnd;
    std::string symbol(rest.substr(0, symbolEnd));
    if (symbol.empty()) return Fail(file, lineNumber, "#define without a name");
    std::string_view value = Trim(rest.substr(symbolEnd));
    while (!value.empty() && value.front() == '(' && value.back() == ')') value = Trim(value.substr(1, value.size() - 2));
    std::size_t pos = 0;
    long number = 0;
    bool negative = !value.empty() && value.front() == '-';
    if (negative) pos = 1;
    if (ReadNumber(value, pos, number) && pos == value.size()) {
      defines_[symbol] = negative ? -number : number;
    } else if (auto other = defines_.find(std::string(value)); other != defines_.end()) {
      defines_[symbol] = other->second;
    } else {
      flagDefines_.insert(symbol);
    }
    return true;
  }
  if (name == "undef") {
    defines_.erase(std::string(rest));
    flagDefines_.erase(std::string(rest));
    return true;
  }
  if (name == "include") {
    if (rest.size() >= 2 && rest.front() == '<') return true;  // system headers: nothing for us
    if (rest.size() < 2 || rest.front() != '"' || rest.back() != '"') {
      return Fail(file, lineNumber, "malformed #include");
    }
    std::string included(rest.substr(1, rest.size() - 2));
    if (depth > 8) return Fail(file, lineNumber, "#include nested too deeply");
    std::optional<std::string> text = resolveInclude_ ? resolveInclude_(included) : std::nullopt;
    if (!text) return Fail(file, lineNumber, "cannot open include file \"" + included + "\"");
    return LexFile(*text, included, depth + 1);
  }
  return true;  // #pragma and others change nothing here
}

bool Lexer::LexFile(std::string_view text, const std::string& fileName, int depth) {
  ownedNames_.push_back(std::make_unique<std::string>(fileName));
  const std::string* file = ownedNames_.back().get();
  if (fileNames_.empty()) fileNames_.push_back(ownedNames_.back().get());

  int line = 1;
  std::size_t pos = 0;
  bool atLineStart = true;
  while (pos < text.size()) {
    char c = text[pos];
    if (c == '\n') {
      ++line;
      ++pos;
      atLineStart = true;
      continue;
    }
    if (std::isspace(static_cast<unsigned char>(c))) {
      ++pos;
      continue;
    }
    if (atLineStart && c == '#') {
      std::size_t end = text.find('\n', pos);
      std::string_view directive = text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
      if (!Directive(directive, *file, line, depth)) return false;
      pos = end == std::string_view::npos ? text.size() : end;
      continue;
    }
    atLineStart = false;
    if (text.substr(pos, 2) == "//") {
      std::size_t end = text.find('\n', pos);
      pos = end == std::string_view::npos ? text.size() : end;
      continue;
    }
    if (text.substr(pos, 2) == "/*") {
      std::size_t end = text.find("*/", pos + 2);
      if (end == std::string_view::npos) return Fail(*file, line, "unterminated comment");
      for (std::size_t i = pos; i < end; ++i) line += text[i] == '\n';
      pos = end + 2;
      continue;
    }
    if (!Active()) {
      ++pos;
      continue;
    }
    Token token;
    token.line = line;
    token.file = file;
    if (c == '"') {
      token.kind = Token::Kind::String;
      ++pos;
      bool closed = false;
      while (pos < text.size()) {
        char s = text[pos];
        if (s == '\n') break;
        if (s == '"') {
          if (pos + 1 < text.size() && text[pos + 1] == '"') {
            token.text += '"';
            pos += 2;
            continue;
          }
          ++pos;
          closed = true;
          break;
        }
        if (s == '\\' && pos + 1 < text.size()) {
          char e = text[pos + 1];
          pos += 2;
          switch (e) {
            case 'n': token.text += '\n'; break;
            case 't': token.text += '\t'; break;
            case 'r': token.text += '\r'; break;
            case '"': token.text += '"'; break;
            case '\\': token.text += '\\'; break;
            default: token.text += '\\'; token.text += e; break;
          }
          continue;
        }
        token.text += s;
        ++pos;
      }
      if (!closed) return Fail(*file, line, "unterminated string");
    } else if (std::isdigit(static_cast<unsigned char>(c))) {
      token.kind = Token::Kind::Number;
      if (!ReadNumber(text, pos, token.number)) return Fail(*file, line, "bad number");
    } else if (IsIdentifierStart(c)) {
      token.kind = Token::Kind::Identifier;
      std::size_t start = pos;
      while (pos < text.size() && IsIdentifierChar(text[pos])) ++pos;
      token.text = std::string(text.substr(start, pos - start));
    } else if (c == '{' || c == '}') {
      token.kind = Token::Kind::Identifier;
      token.text = c == '{' ? "BEGIN" : "END";
      ++pos;
    } else {
      token.kind = Token::Kind::Punctuation;
      token.text = std::string(1, c);
      ++pos;
    }
    result_.tokens.push_back(std::move(token));
  }
  return true;
}

}  // namespace platform::rc
