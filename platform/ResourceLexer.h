#pragma once
// Splits a resource script into tokens, running the preprocessor lines (#include, #define,
// #ifdef/#ifndef/#if/#else/#endif) on the way. Internal to the resource-script parser.
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ResourceScript.h"

namespace platform::rc {

struct Token {
  enum class Kind { Identifier, Number, String, Punctuation, End };
  Kind kind = Kind::End;
  std::string text;  // identifier (BEGIN/END also for braces), string contents or punctuation
  long number = 0;
  int line = 0;
  const std::string* file = nullptr;
};

struct LexResult {
  bool ok = true;
  std::string error;
  std::vector<Token> tokens;
};

class Lexer {
 public:
  Lexer(std::map<std::string, long>& defines, const IncludeResolver& resolveInclude)
      : defines_(defines), resolveInclude_(resolveInclude) {}
  LexResult Run(std::string_view text, const std::string& fileName);

 private:
  bool LexFile(std::string_view text, const std::string& fileName, int depth);
  bool Directive(std::string_view line, const std::string& file, int lineNumber, int depth);
  bool Fail(const std::string& file, int line, const std::string& what);
  bool Active() const;

  std::map<std::string, long>& defines_;
  std::set<std::string> flagDefines_;
  const IncludeResolver& resolveInclude_;
  std::vector<std::string*> fileNames_;
  std::vector<std::unique_ptr<std::string>> ownedNames_;
  std::vector<bool> conditions_;
  std::vector<std::pair<std::string, int>> conditionStarts_;
  LexResult result_;
};

}  // namespace platform::rc
