#pragma once
// The text of an edit made of fixed fields (such as "00:00"): the fields' texts and places in
// the whole text, which field is selected, and moving between fields by key or click. The
// selected field is always shown selected, as the edit has no caret.
#include <string>
#include <vector>

namespace controls {

// The keys a multi-field edit acts on; the rest are kOther.
enum class FieldKey { kSpace, kLeft, kRight, kUp, kDown, kBackspace, kDelete, kOther };

// A field's characters in the whole text: start ≤ index < end.
struct FieldRange {
  int start = 0;
  int end = 0;
  bool operator==(const FieldRange&) const = default;
};

class MultiFieldText {
 public:
  virtual ~MultiFieldText() = default;

  // One template per field (its width is the template's length, its first text the template)
  // and either one separator for every gap or one per gap. Refused, leaving everything as it
  // was, for fewer than two fields, another number of separators or an empty template.
  bool SetFields(const std::vector<std::string>& templates, const std::vector<std::string>& separators,
                 const std::string& prefix, const std::string& suffix);
  // Each field takes the first width characters of its entry; false for too few entries.
  bool SetTexts(const std::vector<std::string>& texts);

  std::string Text() const;
  int FieldCount() const { return fieldCount_; }
  int CurrentField() const { return currentField_; }
  // The current field's characters; empty before SetFields.
  FieldRange Selection() const;
  // Makes the field current and marks it visited; false for an index that is no field.
  bool SetCurrentField(int field);
  bool IsVisited(int field) const;
  void SetVisited(int field, bool visited);

  // Space and Right go to the next field, Left to the previous one, round in a circle.
  virtual void OnKey(FieldKey key);
  // A character typed into the current field; the plain multi-field edit takes none.
  virtual void OnChar(char) {}
  // A click on the character at this index (−1 before the text, the text length after it):
  // left of the first field's end the first field, from the last field's start on the last
  // field, inside a field that field; on a separator the current field stays.
  void OnClick(int characterIndex);

 private:
  std::vector<FieldRange> ranges_;
  std::vector<std::string> separators_;
  std::vector<int> widths_;
  std::vector<std::string> texts_;
  std::vector<bool> visited_;
  std::string prefix_;
  std::string suffix_;
  int fieldCount_ = 0;
  int currentField_ = -1;

  const std::string& SeparatorAfter(int field) const;
};

}  // namespace controls
