#include "platform/ResourceScript.h"

#include <cstdio>

#include "platform/ResourceConstants.h"
#include "platform/ResourceLexer.h"

namespace platform {
namespace {

using rc::Token;

class Parser {
 public:
  Parser(std::vector<Token> tokens, ResourceScript& script) : tokens_(std::move(tokens)), script_(script) {}

  bool Run() {
    while (!AtEnd()) {
      if (!Statement()) return false;
    }
    return true;
  }

  const std::string& Error() const { return error_; }

 private:
  const Token& Peek(std::size_t ahead = 0) const {
    std::size_t index = pos_ + ahead;
    return index < tokens_.size() ? tokens_[index] : tokens_.back();
  }
  bool AtEnd() const { return Peek().kind == Token::Kind::End; }
  const Token& Next() {
    const Token& token = Peek();
    if (!AtEnd()) ++pos_;
    return token;
  }
  bool IsWord(const Token& token, std::string_view word) const {
    return token.kind == Token::Kind::Identifier && token.text == word;
  }
  bool IsPunctuation(const Token& token, char c) const {
    return token.kind == Token::Kind::Punctuation && token.text.size() == 1 && token.text[0] == c;
  }
  bool Fail(const Token& at, const std::string& what) {
    if (error_.empty()) {
      error_ = (at.file != nullptr ? *at.file : std::string("?")) + "(" + std::to_string(at.line) + "): " + what;
    }
    return false;
  }
  bool Expect(std::string_view word) {
    if (!IsWord(Peek(), word)) return Fail(Peek(), "expected " + std::string(word));
    Next();
    return true;
  }
  void SkipComma() {
    if (IsPunctuation(Peek(), ',')) Next();
  }

  // expression := unary { ('|' | '+' | '-' | '&') ['NOT'] unary }
  bool Expression(long& value) {
    if (!Unary(value)) return false;
    for (;;) {
      const Token& op = Peek();
      if (!(IsPunctuation(op, '|') || IsPunctuation(op, '+') || IsPunctuation(op, '-') || IsPunctuation(op, '&'))) {
        return true;
      }
      char c = op.text[0];
      Next();
      bool negate = false;
      if (IsWord(Peek(), "NOT")) {
        Next();
        negate = true;
      }
      long right = 0;
      if (!Unary(right)) return false;
      if (negate) value &= ~right;
      else if (c == '|') value |= right;
      else if (c == '+') value += right;
      else if (c == '-') value -= right;
      else value &= right;
    }
  }

  bool Unary(long& value) {
    const Token& token = Peek();
    if (IsPunctuation(token, '-') || IsPunctuation(token, '~')) {
      Next();
      if (!Unary(value)) return false;
      value = token.text[0] == '-' ? -value : ~value;
      return true;
    }
    if (IsWord(token, "NOT")) {  // a leading NOT clears bits from nothing
      Next();
      long ignored = 0;
      if (!Unary(ignored)) return false;
      value = 0;
      return true;
    }
    if (IsPunctuation(token, '(')) {
      Next();
      if (!Expression(value)) return false;
      if (!IsPunctuation(Peek(), ')')) return Fail(Peek(), "expected )");
      Next();
      return true;
    }
    if (token.kind == Token::Kind::Number) {
      value = token.number;
      Next();
      return true;
    }
    if (token.kind == Token::Kind::Identifier) {
      if (auto defined = script_.defines.find(token.text); defined != script_.defines.end()) {
        value = defined->second;
      } else if (auto builtIn = rc::BuiltInConstant(token.text)) {
        value = *builtIn;
      } else {
        return Fail(token, "unknown identifier " + token.text);
      }
      Next();
      return true;
    }
    return Fail(token, "expected a number");
  }

  // Skips a BEGIN ... END block with everything nested in it.
  bool SkipBlock() {
    const Token& start = Peek();
    if (!Expect("BEGIN")) return false;
    int depth = 1;
    while (depth > 0) {
      if (AtEnd()) return Fail(start, "BEGIN without END");
      const Token& token = Next();
      if (IsWord(token, "BEGIN")) ++depth;
      else if (IsWord(token, "END")) --depth;
    }
    return true;
  }

  bool Statement() {
    const Token& first = Peek();
    if (IsWord(first, "STRINGTABLE")) {
      Next();
      return StringTable();
    }
    if (IsWord(first, "LANGUAGE")) {
      Next();
      long ignored = 0;
      if (!Expression(ignored)) return false;
      SkipComma();
      return Expression(ignored);
    }
    if (first.kind != Token::Kind::Identifier && first.kind != Token::Kind::Number &&
        first.kind != Token::Kind::String) {
      return Fail(first, "unexpected '" + first.text + "'");
    }
    Next();
    const Token& type = Peek();
    if (type.kind != Token::Kind::Identifier) return Fail(type, "expected a resource type after the name");
    Next();
    if (type.text == "VERSIONINFO") return VersionInfo();
    return SkipUnknownResource(type);
  }

  bool SkipUnknownResource(const Token& type) {
    // A file reference ("name TYPE "file"") ends on its own line; anything else has a block.
    while (!AtEnd() && !IsWord(Peek(), "BEGIN")) {
      const Token& token = Next();
      if (token.kind == Token::Kind::String && token.line == type.line) return true;
    }
    if (AtEnd()) return Fail(type, "expected BEGIN");
    return SkipBlock();
  }

  bool StringTable() {
    while (!AtEnd() && !IsWord(Peek(), "BEGIN")) Next();  // options such as DISCARDABLE
    if (!Expect("BEGIN")) return false;
    while (!IsWord(Peek(), "END")) {
      if (AtEnd()) return Fail(Peek(), "STRINGTABLE without END");
      long id = 0;
      if (!Expression(id)) return false;
      SkipComma();
      const Token& text = Peek();
      if (text.kind != Token::Kind::String) return Fail(text, "expected the string of id " + std::to_string(id));
      Next();
      script_.strings[static_cast<int>(id)] = text.text;
    }
    Next();
    return true;
  }

  bool FourNumbers(std::array<std::uint16_t, 4>& out) {
    for (std::size_t i = 0; i < out.size(); ++i) {
      long value = 0;
      if (!Expression(value)) return false;
      out[i] = static_cast<std::uint16_t>(value);
      if (i + 1 < out.size()) {
        if (!IsPunctuation(Peek(), ',')) return Fail(Peek(), "expected four numbers");
        Next();
      }
    }
    return true;
  }

  bool VersionInfo() {
    VersionBlock block;
    while (!IsWord(Peek(), "BEGIN")) {
      const Token& option = Peek();
      if (AtEnd() || option.kind != Token::Kind::Identifier) return Fail(option, "expected BEGIN");
      Next();
      if (option.text == "FILEVERSION") {
        if (!FourNumbers(block.fileVersion)) return false;
      } else if (option.text == "PRODUCTVERSION") {
        if (!FourNumbers(block.productVersion)) return false;
      } else {
        long ignored = 0;
        if (!Expression(ignored)) return false;
      }
    }
    Next();
    while (!IsWord(Peek(), "END")) {
      if (AtEnd()) return Fail(Peek(), "VERSIONINFO without END");
      if (!Expect("BLOCK")) return false;
      const Token& name = Next();
      if (name.kind != Token::Kind::String) return Fail(name, "expected a block name");
      bool ok = name.text == "StringFileInfo"  ? StringFileInfo(block)
                : name.text == "VarFileInfo" ? VarFileInfo(block)
                                             : SkipBlock();
      if (!ok) return false;
    }
    Next();
    script_.version = std::move(block);
    return true;
  }

  bool StringFileInfo(VersionBlock& block) {
    if (!Expect("BEGIN")) return false;
    while (!IsWord(Peek(), "END")) {
      if (AtEnd()) return Fail(Peek(), "StringFileInfo without END");
      if (!Expect("BLOCK")) return false;
      const Token& key = Next();
      if (key.kind != Token::Kind::String) return Fail(key, "expected a translation key");
      std::string lowerKey = key.text;
      for (char& c : lowerKey) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      auto& table = block.stringTables[lowerKey];
      if (!Expect("BEGIN")) return false;
      while (!IsWord(Peek(), "END")) {
        if (AtEnd()) return Fail(Peek(), "string block without END");
        if (!Expect("VALUE")) return false;
        const Token& valueName = Next();
        if (valueName.kind != Token::Kind::String) return Fail(valueName, "expected a value name");
        SkipComma();
        const Token& text = Next();
        if (text.kind != Token::Kind::String) return Fail(text, "expected the text of " + valueName.text);
        table[valueName.text] = text.text;
      }
      Next();
    }
    Next();
    return true;
  }

  bool VarFileInfo(VersionBlock& block) {
    if (!Expect("BEGIN")) return false;
    while (!IsWord(Peek(), "END")) {
      if (AtEnd()) return Fail(Peek(), "VarFileInfo without END");
      if (!Expect("VALUE")) return false;
      const Token& valueName = Next();
      if (valueName.kind != Token::Kind::String) return Fail(valueName, "expected a value name");
      std::vector<long> numbers;
      while (IsPunctuation(Peek(), ',')) {
        Next();
        long value = 0;
        if (!Expression(value)) return false;
        numbers.push_back(value);
      }
      if (valueName.text == "Translation") {
        for (std::size_t i = 0; i + 1 < numbers.size(); i += 2) {
          block.translations.push_back(static_cast<std::uint32_t>((numbers[i] & 0xFFFF) << 16 | (numbers[i + 1] & 0xFFFF)));
        }
      }
    }
    Next();
    return true;
  }

  std::vector<Token> tokens_;
  std::size_t pos_ = 0;
  ResourceScript& script_;
  std::string error_;
};

}  // namespace

ResourceParseResult ParseResourceScript(std::string_view text, const std::string& fileName,
                                        const IncludeResolver& resolveInclude) {
  ResourceParseResult result;
  rc::Lexer lexer(result.script.defines, resolveInclude);
  rc::LexResult lexed = lexer.Run(text, fileName);
  if (!lexed.ok) {
    result.error = lexed.error;
    return result;
  }
  Parser parser(std::move(lexed.tokens), result.script);
  result.ok = parser.Run();
  result.error = parser.Error();
  return result;
}

}  // namespace platform
