#include "controls/core/MultiFieldText.h"

#include <algorithm>

namespace controls {

bool MultiFieldText::SetFields(const std::vector<std::string>& templates, const std::vector<std::string>& separators,
                               const std::string& prefix, const std::string& suffix) {
  const std::size_t count = templates.size();
  if (count < 2) return false;
  if (separators.size() != 1 && separators.size() != count - 1) return false;
  if (std::any_of(templates.begin(), templates.end(), [](const std::string& t) { return t.empty(); })) return false;

  prefix_ = prefix;
  suffix_ = suffix;
  fieldCount_ = static_cast<int>(count);
  currentField_ = 0;
  separators_ = separators;
  texts_ = templates;
  widths_.clear();
  for (const std::string& t : templates) widths_.push_back(static_cast<int>(t.size()));
  visited_.assign(count, false);
  ranges_.clear();
  int start = static_cast<int>(prefix_.size());
  for (int field = 0; field < fieldCount_; ++field) {
    if (field > 0) start = ranges_.back().end + static_cast<int>(SeparatorAfter(field - 1).size());
    ranges_.push_back(FieldRange{start, start + widths_[field]});
  }
  return true;
}

bool MultiFieldText::SetTexts(const std::vector<std::string>& texts) {
  if (static_cast<int>(texts.size()) < fieldCount_) return false;
  for (int field = 0; field < fieldCount_; ++field) texts_[field] = texts[field].substr(0, widths_[field]);
  return true;
}

const std::string& MultiFieldText::SeparatorAfter(int field) const {
  return separators_.size() == 1 ? separators_.front() : separators_[field];
}

std::string MultiFieldText::Text() const {
  std::string text = prefix_;
  for (int field = 0; field < fieldCount_; ++field) {
    if (field > 0) text += SeparatorAfter(field - 1);
    text += texts_[field];
  }
  return text + suffix_;
}

FieldRange MultiFieldText::Selection() const {
  return currentField_ >= 0 ? ranges_[currentField_] : FieldRange{};
}

bool MultiFieldText::SetCurrentField(int field) {
  if (field < 0 || field >= fieldCount_) return false;
  currentField_ = field;
  visited_[field] = true;
  return true;
}

bool MultiFieldText::IsVisited(int field) const {
  return field >= 0 && field < fieldCount_ && visited_[field];
}

void MultiFieldText::SetVisited(int field, bool visited) {
  if (field >= 0 && field < fieldCount_) visited_[field] = visited;
}

void MultiFieldText::OnKey(FieldKey key) {
  if (fieldCount_ == 0) return;
  if (key == FieldKey::kSpace || key == FieldKey::kRight) SetCurrentField((currentField_ + 1) % fieldCount_);
  else if (key == FieldKey::kLeft) SetCurrentField((currentField_ + fieldCount_ - 1) % fieldCount_);
}

void MultiFieldText::OnClick(int characterIndex) {
  if (fieldCount_ == 0) return;
  int field = currentField_;
  if (characterIndex < ranges_.front().end) {
    field = 0;
  } else if (characterIndex >= ranges_.back().start) {
    field = fieldCount_ - 1;
  } else {
    for (int i = 0; i < fieldCount_; ++i) {
      if (characterIndex >= ranges_[i].start && characterIndex < ranges_[i].end) field = i;
    }
  }
  SetCurrentField(field);
}

}  // namespace controls
