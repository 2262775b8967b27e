#pragma once
// Decoder of the file-header record (type 0): format version (bytes 0-3), writer id (4),
// writer's version (5-8), date and time (9-14, year minus 2000 first) and firmware (15-18).
#include <array>
#include <string>

#include "logimport/RecordDecoder.h"

class CSRFileHeader : public CSRDecoder {
 public:
  static constexpr int kNewFormatAbove = 7000002;  // firmware 7.0.3 and later log 32-byte lines
  static constexpr int kStoreWriterId = 1;

  CSRFileHeader();  // the default image: 00 00 00 02 and 47 bytes 0xFF

  int GetWriterId() const { return GetByte(4); }
  std::array<unsigned char, 4> GetFirmwareBytes() const;
  // major × 1000000 + minor × 1000 + build, each byte read as two decimal (BCD) digits.
  int GetFirmwareNumber() const;
  bool IsNewFormat() const { return GetFirmwareNumber() > kNewFormatAbove; }

  // The writer's text and "%d.%d.%d.%d"; empty for a writer id outside 0 to 4.
  std::string GetWriterVersionText() const;
  // "Date " and the date as "15 March 2024"; empty when it is no calendar date.
  std::string GetDateText() const;
  // "Time " and "%H:%M:%S"; empty when it is no time of day.
  std::string GetTimeText() const;
};
