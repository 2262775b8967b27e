#include "logimport/KorrinLogRecords.h"

#include <algorithm>

#include "logimport/LogLineFields.h"

using logline::Byte;

namespace {

std::string CharacterOf(std::string_view line, std::size_t at) { return std::string(1, static_cast<char>(Byte(line, at))); }

}  // namespace

void CKorrinLogHeader::Reset() {
  texts_ = {};
  latitude_ = Position{"N", {}};
  longitude_ = Position{"W", {}};
  values_ = {};
  flags_ = {};
  summary_ = Summary();
}

void CKorrinLogHeader::Parse(int lineType, std::string_view line) {
  if (lineType >= 128 && lineType <= 132) {
    texts_[static_cast<std::size_t>(lineType - 128)] = logline::Text(line, 2);
  } else if (lineType == 140 || lineType == 141) {
    texts_[static_cast<std::size_t>(lineType - 135)] = logline::Text(line, 2);
  } else if (lineType == 133 && line.size() >= 20) {
    latitude_.letter = CharacterOf(line, 2);
    longitude_.letter = CharacterOf(line, 10);
    for (std::size_t i = 0; i < 3; ++i) {
      latitude_.values[i] = Byte(line, 4 + 2 * i);
      longitude_.values[i] = Byte(line, 12 + 2 * i);
    }
  } else if (lineType >= 134 && lineType <= 137 && line.size() >= 6) {
    values_[static_cast<std::size_t>(lineType - 134)] = Byte(line, 2);
  } else if (lineType == 139 && line.size() >= 42) {
    for (std::size_t i = 0; i < flags_.size(); ++i) flags_[i] = Byte(line, 2 + 2 * i) != 0 ? 1 : 0;
  }
}

void CKorrinLogGasList::Reset() {
  firstValue_ = 100;
  gases_ = {};
  line160Values_ = {};
  laterValues_ = {};
}

void CKorrinLogGasList::Parse(int lineType, std::string_view line) {
  if (lineType == 9 && timeStamped_ && line.size() == 66) {
    ReadGases(line, 10, 0, 9);
  } else if (lineType == 9 && !timeStamped_ && line.size() == 34) {
    ReadGases(line, 2, 0, 6);
  } else if (lineType == 25 && !timeStamped_ && line.size() == 34) {
    ReadGases(line, 2, 6, 6);
  } else if (lineType == 160 && line.size() >= 34) {
    ReadValues(line, line160Values_);
  } else if (lineType > 160 && lineType <= 172 && line.size() >= 34) {
    ReadValues(line, laterValues_);
  }
}

void CKorrinLogGasList::ReadGases(std::string_view line, std::size_t at, std::size_t first, std::size_t count) {
  for (std::size_t k = 0; k < count; ++k) {
    gases_[first + k].o2Percent = Byte(line, at + 4 * k);
    gases_[first + k].hePercent = Byte(line, at + 2 + 4 * k);
  }
}

void CKorrinLogGasList::ReadValues(std::string_view line, std::array<double, 5>& values) {
  for (std::size_t i = 0; i < values.size(); ++i) values[i] = logline::Hex(line, 2 + 6 * i, 6) / 100.0;
  // The last two are kept at 400 at most.
  values[3] = std::min(values[3], 400.0);
  values[4] = std::min(values[4], 400.0);
}

std::string CKorrinLogDanText::GetSegmentText(std::string_view line) {
  return CharacterOf(line, 2) + CharacterOf(line, 4) + CharacterOf(line, 6);
}

int CKorrinLogDanText::GetSegmentId(std::string_view segment) {
  static constexpr const char* kSegments[] = {"FSH", "ZRH", "ZPD", "ZPA", "ZDH", "ZDP", "ZDT", "ZDD", "ZSR"};
  const auto found = std::find(std::begin(kSegments), std::end(kSegments), segment);
  return found == std::end(kSegments) ? kNoSegment : static_cast<int>(found - std::begin(kSegments));
}

int CKorrinLogDanText::GetFieldNumber(std::string_view line) {
  const std::string digits = CharacterOf(line, 8) + CharacterOf(line, 10);
  return logline::DecimalDigits(digits);
}

int CKorrinLogDanText::SlotOf(int segmentId, int fieldNumber) {
  struct Field {
    int number;
    int slot;
  };
  static constexpr Field kFsh[] = {{3, 0}, {4, 1}, {5, 2}};
  static constexpr Field kZrh[] = {{3, 3}, {5, 4}, {6, 5}, {7, 6}, {8, 7}, {9, 8}};
  static constexpr Field kZpd[] = {{1, 9}, {3, 10}, {4, 11}, {5, 12}, {8, 13}, {10, 14}, {11, 15}, {12, 16}};
  static constexpr Field kZpa[] = {{1, 17}, {2, 18}, {3, 19}, {4, 20}, {5, 21}, {6, 22}};
  const auto lookUp = [fieldNumber](const auto& fields) {
    for (const Field& field : fields) {
      if (field.number == fieldNumber) return field.slot;
    }
    return -1;
  };
  switch (segmentId) {
    case 0: return lookUp(kFsh);
    case 1: return lookUp(kZrh);
    case 2: return lookUp(kZpd);
    case 3: return lookUp(kZpa);
    case 7: return fieldNumber >= 3 && fieldNumber <= 13 ? fieldNumber + 20 : -1;
    case 8: return fieldNumber >= 3 && fieldNumber <= 15 ? fieldNumber + 31 : -1;
    default: return -1;
  }
}

void CKorrinLogDanText::ParseLine(std::string_view line) {
  if (line.size() < 14) return;
  const int slot = SlotOf(GetSegmentId(GetSegmentText(line)), GetFieldNumber(line));
  if (slot >= 0) texts_[static_cast<std::size_t>(slot)] = logline::Text(line, 12);
}
