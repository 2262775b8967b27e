#pragma once
// Walks the tokens of a resource script for the statement parsers: look-ahead, numeric
// expressions over #defines and the built-in constants, and the first error with its line.
// Internal to the resource-script parser.
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ResourceLexer.h"

namespace platform::rc {

class TokenReader {
 public:
  TokenReader(std::vector<Token> tokens, const std::map<std::string, long>& defines)
      : tokens_(std::move(tokens)), defines_(defines) {}

  const Token& Peek(std::size_t ahead = 0) const;
  const Token& Next();
  bool AtEnd() const { return Peek().kind == Token::Kind::End; }
  bool IsWord(const Token& token, std::string_view word) const {
    return token.kind == Token::Kind::Identifier && token.text == word;
  }
  bool IsPunctuation(const Token& token, char c) const {
    return token.kind == Token::Kind::Punctuation && token.text.size() == 1 && token.text[0] == c;
  }
  bool PeekWord(std::string_view word) const { return IsWord(Peek(), word); }
  bool PeekComma() const { return IsPunctuation(Peek(), ','); }
  // Records the first error only; always returns false.
  bool Fail(const Token& at, const std::string& what);
  bool Expect(std::string_view word);
  bool ExpectComma(std::string_view what);
  void SkipComma();
  // Skips a BEGIN ... END block with everything nested in it.
  bool SkipBlock();

  // expression := unary { ('|' | '+' | '-' | '&') ['NOT'] unary }
  bool Expression(long& value);
  // A style: terms joined by '|', each ORed into value, or cleared from it after NOT.
  bool Style(long& value);
  bool Integer(int& value);
  bool Text(std::string& value, std::string_view what);

  const std::string& Error() const { return error_; }

 private:
  bool Unary(long& value);
  bool Known(const Token& token, long& value) const;

  std::vector<Token> tokens_;
  std::size_t pos_ = 0;
  const std::map<std::string, long>& defines_;
  std::string error_;
};

}  // namespace platform::rc
