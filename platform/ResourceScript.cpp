#include "platform/ResourceScript.h"

#include <cstdio>

#include "platform/ResourceLexer.h"
#include "platform/ResourceStatements.h"
#include "platform/ResourceTokenReader.h"

namespace platform {
namespace {

using rc::Token;

class Parser {
 public:
  Parser(std::vector<Token> tokens, ResourceScript& script) : reader_(std::move(tokens), script.defines), script_(script) {}

  bool Run() {
    while (!reader_.AtEnd()) {
      if (!Statement()) return false;
    }
    return true;
  }

  const std::string& Error() const { return reader_.Error(); }

 private:
  const Token& Peek(std::size_t ahead = 0) const { return reader_.Peek(ahead); }
  const Token& Next() { return reader_.Next(); }
  bool AtEnd() const { return reader_.AtEnd(); }
  bool IsWord(const Token& token, std::string_view word) const { return reader_.IsWord(token, word); }
  bool IsPunctuation(const Token& token, char c) const { return reader_.IsPunctuation(token, c); }
  bool Fail(const Token& at, const std::string& what) { return reader_.Fail(at, what); }
  bool Expect(std::string_view word) { return reader_.Expect(word); }
  void SkipComma() { reader_.SkipComma(); }
  bool Expression(long& value) { return reader_.Expression(value); }
  bool SkipBlock() { return reader_.SkipBlock(); }

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
    const Token& name = Next();
    const Token& type = Peek();
    if (type.kind != Token::Kind::Identifier) return Fail(type, "expected a resource type after the name");
    Next();
    if (type.text == "VERSIONINFO") return VersionInfo();
    if (!IsKnownType(type.text)) return SkipUnknownResource(type);
    long id = 0;
    if (name.kind == Token::Kind::String || (name.kind == Token::Kind::Identifier && !NameValue(name, id))) {
      return Fail(name, type.text + " " + name.text + " needs a numeric id");
    }
    if (name.kind == Token::Kind::Number) id = name.number;
    return TypedResource(type, static_cast<int>(id));
  }

  static bool IsKnownType(std::string_view type) {
    for (std::string_view known : {"DIALOG", "DIALOGEX", "MENU", "ACCELERATORS", "TOOLBAR", "BITMAP", "ICON", "CURSOR"}) {
      if (type == known) return true;
    }
    return false;
  }

  bool NameValue(const Token& name, long& id) const {
    auto defined = script_.defines.find(name.text);
    if (defined == script_.defines.end()) return false;
    id = defined->second;
    return true;
  }

  template <typename Map, typename Body>
  bool AddOnce(Map& map, const Token& type, int id, Body&& parse) {
    if (map.count(id) != 0) return Fail(type, "duplicate " + type.text + " " + std::to_string(id));
    typename Map::mapped_type value{};
    if (!parse(value)) return false;
    map.emplace(id, std::move(value));
    return true;
  }

  bool TypedResource(const Token& type, int id) {
    const std::string& kind = type.text;
    if (kind == "DIALOG" || kind == "DIALOGEX") {
      return AddOnce(script_.dialogs, type, id,
                     [&](DialogTemplate& dialog) { return rc::ParseDialog(reader_, kind == "DIALOGEX", dialog); });
    }
    if (kind == "MENU") return AddOnce(script_.menus, type, id, [&](Menu& menu) { return rc::ParseMenu(reader_, menu); });
    if (kind == "ACCELERATORS") {
      return AddOnce(script_.acceleratorTables, type, id,
                     [&](std::vector<Accelerator>& table) { return rc::ParseAccelerators(reader_, table); });
    }
    if (kind == "TOOLBAR") {
      return AddOnce(script_.toolbars, type, id, [&](Toolbar& toolbar) { return rc::ParseToolbar(reader_, toolbar); });
    }
    auto& files = kind == "BITMAP" ? script_.bitmaps : kind == "ICON" ? script_.icons : script_.cursors;
    return AddOnce(files, type, id, [&](std::string& file) { return rc::ParseFileReference(reader_, file); });
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

  rc::TokenReader reader_;
  ResourceScript& script_;
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
