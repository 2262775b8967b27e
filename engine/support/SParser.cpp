#include "engine/support/SParser.h"

int CSParser::Parse(std::string_view text, char separator) {
  elements_.clear();
  separator_ = separator;
  elements_.emplace_back(text);
  if (separator == 0) {
    elements_.emplace_back(text);
    count_ = 1;
    return count_;
  }
  const bool finalEmptyField = text.empty() || text.back() == separator;
  while (!text.empty()) {
    std::size_t at = text.find(separator);
    if (at == std::string_view::npos) {
      elements_.emplace_back(text);
      break;
    }
    elements_.emplace_back(text.substr(0, at));
    text.remove_prefix(at + 1);
  }
  if (finalEmptyField) elements_.emplace_back();
  count_ = static_cast<int>(elements_.size()) - 1;
  return count_;
}

void CSParser::Clear() {
  elements_.assign(1, std::string());
  count_ = 0;
}

std::string CSParser::GetField(int index) const {
  if (index < 0 || index > count_) return kOutOfRange;
  return elements_[static_cast<std::size_t>(index)];
}

std::string CSParser::GetFieldsFrom(int index) const {
  if (index < 1 || index > count_) return {};
  std::string joined = elements_[static_cast<std::size_t>(index)];
  for (int i = index + 1; i <= count_; ++i) {
    joined += separator_;
    joined += elements_[static_cast<std::size_t>(i)];
  }
  return joined;
}
