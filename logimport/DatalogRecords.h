#pragma once
// Decoders of the datalog records: the computer part (type 32: key-offset bytes, then lines of
// 16 or 32 scrambled bytes), the user part (type 33: entries of a tag, a 4-byte length n and n
// value bytes) and the DAN data (type 34: entries of three head bytes, a number, a 4-byte
// length n and n value bytes).
#include <cstddef>

#include "logimport/LogKeystream.h"
#include "logimport/RecordDecoder.h"

class CSRDLDataComp : public CSRLineDecoder {
 public:
  static constexpr std::size_t kPayloadAt = 4;
  static constexpr std::size_t LineWidth(bool newFormat) { return newFormat ? 32 : 16; }

  std::size_t GetPayloadLength() const { return data_.size() > kPayloadAt ? data_.size() - kPayloadAt : 0; }
  const KeyOffset& GetKeyOffset() const { return keyOffset_; }
  // Descrambles the payload line by line; lines of all 0xFF are kept.
  void Decode(bool newFormat);
  // One line per whole line width of payload; a shorter tail is not written.
  void BuildLines(bool newFormat);

 private:
  void OnDataSet() override;

  KeyOffset keyOffset_;
};

class CSRDLDataUser : public CSRLineDecoder {
 public:
  // A line per entry: tag, value bytes, XOR pair. An entry that runs past the data ends the
  // record without a line.
  void BuildLines();
};

class CSRDANData : public CSRLineDecoder {
 public:
  // A line per entry: "D0", the head bytes, the first two characters of the number written
  // "%02d" as character codes, the value bytes, XOR pair. An entry that runs past the data
  // ends the record without a line.
  void BuildLines();
};
