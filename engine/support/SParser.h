#pragma once
// Splits one line of text into fields at a single separator character.
#include <string>
#include <string_view>
#include <vector>

class CSParser {
 public:
  static constexpr const char* kOutOfRange = "ERROR: Array index out of range.";

  CSParser() { Parse({}, 0); }
  CSParser(std::string_view text, char separator) { Parse(text, separator); }
  virtual ~CSParser() = default;

  // Element 0 is the whole text, elements 1..count the fields. A text that is empty or ends
  // with the separator gets a final empty field; separator 0 leaves the text whole.
  int Parse(std::string_view text, char separator);
  void Clear();

  int GetCount() const { return count_; }
  // Index 0 is the whole text; any index outside 0..count gives kOutOfRange.
  std::string GetField(int index) const;
  // Fields index..count joined again with the separator (a text value that may hold it).
  std::string GetFieldsFrom(int index) const;

 private:
  std::vector<std::string> elements_;
  int count_ = 0;
  char separator_ = 0;
};
