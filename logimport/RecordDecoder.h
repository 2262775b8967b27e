#pragma once
// What the decoders of the standard-record types share: a copy of the record's data, reads that
// give 0 outside it, and the text lines they build. A line is upper-case hex pairs ending in the
// XOR of all the bytes its pairs stand for.
#include <cstddef>
#include <string>
#include <vector>

class CSRDecoder {
 public:
  virtual ~CSRDecoder() = default;

  // Copies the data; without bytes it returns false and keeps the previous content.
  bool SetData(const unsigned char* bytes, std::size_t length);
  const std::vector<unsigned char>& GetData() const { return data_; }
  unsigned char GetByte(std::size_t index) const { return index < data_.size() ? data_[index] : 0; }

 protected:
  CSRDecoder() = default;
  explicit CSRDecoder(std::vector<unsigned char> initial) : data_(std::move(initial)) {}
  virtual void OnDataSet() {}

  std::vector<unsigned char> data_;
};

// A decoder whose output is a list of lines.
class CSRLineDecoder : public CSRDecoder {
 public:
  int GetLineCount() const { return static_cast<int>(lines_.size()); }
  // The line, or an empty text for an index out of range.
  std::string GetLine(int index) const;
  const std::vector<std::string>& GetLines() const { return lines_; }

 protected:
  std::vector<std::string> lines_;
};

class CHexLineBuilder {
 public:
  void Add(unsigned char byte);
  void Add(const unsigned char* bytes, std::size_t length);
  // The pairs added so far followed by their XOR pair; the builder is spent.
  std::string Finish();

 private:
  std::string text_;
  unsigned char checksum_ = 0;
};
