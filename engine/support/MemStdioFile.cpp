#include "engine/support/MemStdioFile.h"

bool CMemStdioFile::ReadLine(std::string& line) {
  line.clear();
  if (AtEnd()) return false;
  std::size_t end = data_.find('\n', position_);
  std::size_t stop = end == std::string::npos ? data_.size() : end;
  for (std::size_t i = position_; i < stop; ++i) {
    if (data_[i] != '\r') line += data_[i];
  }
  position_ = end == std::string::npos ? data_.size() : end + 1;
  return true;
}

bool CMemStdioFile::ReadString(std::string& line) { return ReadLine(line) && !line.empty(); }

void CMemStdioFile::WriteString(std::string_view text) {
  data_.append(text);
  if (text.size() >= 2 && text.substr(text.size() - 2) == "\r\n") return;
  if (!text.empty() && text.back() == '\n') {
    data_.insert(data_.size() - 1, 1, '\r');
    return;
  }
  data_ += "\r\n";
}
