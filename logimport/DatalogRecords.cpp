#include "logimport/DatalogRecords.h"

#include <cstdint>
#include <cstdio>

#include "engine/support/HexConversions.h"

namespace {

struct Entry {
  std::size_t headAt;
  std::size_t valuesAt;
  std::size_t valueCount;
};

// Walks entries of headLength bytes whose last four hold the big-endian value count; a count
// below 1 means no values. Stops at the end of the data or at an entry that runs past it.
template <typename Visit>
void ForEachEntry(const std::vector<unsigned char>& data, std::size_t headLength, Visit visit) {
  const std::size_t size = data.size();
  for (std::size_t at = 0; at < size;) {
    if (size - at < headLength) return;
    const std::int32_t count = ReadUInt32BE(data.data() + at + headLength - 4);
    const std::size_t valueCount = count > 0 ? static_cast<std::size_t>(count) : 0;
    if (valueCount > size - at - headLength) return;
    visit(Entry{at, at + headLength, valueCount});
    at += headLength + valueCount;
  }
}

}  // namespace

void CSRDLDataComp::OnDataSet() {
  const unsigned char offsetBytes[4] = {GetByte(0), GetByte(1), GetByte(2), GetByte(3)};
  keyOffset_ = KeyOffsetFromBytes(offsetBytes);
}

void CSRDLDataComp::Decode(bool newFormat) {
  if (GetPayloadLength() == 0) return;
  CLogKeystream().ApplyByLines(data_.data() + kPayloadAt, GetPayloadLength(), LineWidth(newFormat), keyOffset_.offset);
}

void CSRDLDataComp::BuildLines(bool newFormat) {
  lines_.clear();
  const std::size_t width = LineWidth(newFormat);
  for (std::size_t start = 0; start + width <= GetPayloadLength(); start += width) {
    CHexLineBuilder line;
    line.Add(data_.data() + kPayloadAt + start, width);
    lines_.push_back(line.Finish());
  }
}

void CSRDLDataUser::BuildLines() {
  lines_.clear();
  ForEachEntry(data_, 5, [this](const Entry& entry) {
    CHexLineBuilder line;
    line.Add(data_[entry.headAt]);
    line.Add(data_.data() + entry.valuesAt, entry.valueCount);
    lines_.push_back(line.Finish());
  });
}

void CSRDANData::BuildLines() {
  lines_.clear();
  ForEachEntry(data_, 8, [this](const Entry& entry) {
    CHexLineBuilder line;
    line.Add(0xD0);
    line.Add(data_.data() + entry.headAt, 3);
    char number[4];
    std::snprintf(number, sizeof number, "%02d", data_[entry.headAt + 3]);
    line.Add(static_cast<unsigned char>(number[0]));
    line.Add(static_cast<unsigned char>(number[1]));
    line.Add(data_.data() + entry.valuesAt, entry.valueCount);
    lines_.push_back(line.Finish());
  });
}
