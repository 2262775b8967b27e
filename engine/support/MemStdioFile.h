#pragma once
// Text held in memory, read and written line by line like a text file.
#include <string>
#include <string_view>

class CMemStdioFile {
 public:
  CMemStdioFile() = default;
  explicit CMemStdioFile(std::string text) : data_(std::move(text)) {}

  // Reads up to the next line feed (not stored), dropping carriage returns. False for an empty
  // line as for the end of the text.
  bool ReadString(std::string& line);
  // As ReadString, but false only at the end of the text: an empty line reads as "".
  bool ReadLine(std::string& line);
  // Writes the text ending in "\r\n" (a lone "\n" gets its "\r"; no line end gets both).
  void WriteString(std::string_view text);

  void SeekToBegin() { position_ = 0; }
  bool AtEnd() const { return position_ >= data_.size(); }
  const std::string& GetText() const { return data_; }
  std::size_t GetLength() const { return data_.size(); }
  void SetFilePath(std::string path) { path_ = std::move(path); }
  const std::string& GetFilePath() const { return path_; }

 private:
  std::string data_;
  std::size_t position_ = 0;
  std::string path_;
};
