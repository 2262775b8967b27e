#include "platform/ResourceTokenReader.h"

#include "platform/ResourceConstants.h"

namespace platform::rc {

const Token& TokenReader::Peek(std::size_t ahead) const {
  std::size_t index = pos_ + ahead;
  return index < tokens_.size() ? tokens_[index] : tokens_.back();
}

const Token& TokenReader::Next() {
  const Token& token = Peek();
  if (!AtEnd()) ++pos_;
  return token;
}

bool TokenReader::Fail(const Token& at, const std::string& what) {
  if (error_.empty()) {
    error_ = (at.file != nullptr ? *at.file : std::string("?")) + "(" + std::to_string(at.line) + "): " + what;
  }
  return false;
}

bool TokenReader::Expect(std::string_view word) {
  if (!IsWord(Peek(), word)) return Fail(Peek(), "expected " + std::string(word));
  Next();
  return true;
}

bool TokenReader::ExpectComma(std::string_view what) {
  if (!PeekComma()) return Fail(Peek(), "expected , before " + std::string(what));
  Next();
  return true;
}

void TokenReader::SkipComma() {
  if (PeekComma()) Next();
}

bool TokenReader::SkipBlock() {
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

bool TokenReader::Known(const Token& token, long& value) const {
  if (token.kind != Token::Kind::Identifier) return false;
  if (auto defined = defines_.find(token.text); defined != defines_.end()) {
    value = defined->second;
    return true;
  }
  if (auto builtIn = BuiltInConstant(token.text)) {
    value = *builtIn;
    return true;
  }
  return false;
}

bool TokenReader::Expression(long& value) {
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

bool TokenReader::Style(long& value) {
  for (;;) {
    bool negate = false;
    if (IsWord(Peek(), "NOT")) {
      Next();
      negate = true;
    }
    long term = 0;
    if (!Unary(term)) return false;
    if (negate) value &= ~term;
    else value |= term;
    if (!IsPunctuation(Peek(), '|')) return true;
    Next();
  }
}

bool TokenReader::Unary(long& value) {
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
    if (!Known(token, value)) return Fail(token, "unknown identifier " + token.text);
    Next();
    return true;
  }
  return Fail(token, "expected a number");
}

bool TokenReader::Integer(int& value) {
  long wide = 0;
  if (!Expression(wide)) return false;
  if (wide < -2147483648L || wide > 2147483647L) return Fail(Peek(), "number out of range");
  value = static_cast<int>(wide);
  return true;
}

bool TokenReader::Text(std::string& value, std::string_view what) {
  const Token& token = Peek();
  if (token.kind != Token::Kind::String) return Fail(token, "expected " + std::string(what));
  value = token.text;
  Next();
  return true;
}

}  // namespace platform::rc
