#pragma once
// Builds dive-log records for tests and fuzzing and writes them as a text log (upper-case hex
// pairs ending in the XOR of the bytes, one line each) or inside a binary log's datalog record.
// Field positions are given in characters of the text line, type pair at 0, as the log format
// counts them.
#include <cstdint>
#include <string>
#include <vector>

#include "tests/logimport/writers/LogWriter.h"

namespace testlog {

inline constexpr std::size_t kPlainRecordBytes = 16;    // type and 15 data bytes
inline constexpr std::size_t kStampedRecordBytes = 32;  // type, 4 stamp bytes, 27 data bytes

// The hex text of the bytes followed by the pair of their XOR.
std::string TextLine(const Bytes& bytes);
// A plain record of the type, all its data bytes 0.
Bytes PlainRecord(unsigned char type);
// A time-stamped record of the type stamped stampTicks (1/4096 s), its data bytes 0.
Bytes StampedRecord(unsigned char type, std::uint32_t stampTicks);
// The same stamped at a whole number of seconds.
Bytes StampedAtSecond(unsigned char type, int seconds);
// Writes the bytes over the record from text character charAt (an even position) on.
Bytes Put(Bytes record, std::size_t charAt, const Bytes& value);
Bytes Word(int value);  // two bytes, most significant first
// day, month, year − 2000, hour, minute, second
Bytes DateBytes(int day, int month, int year, int hour, int minute, int second);
// The two text-log lines of a memory block: header (0xB0, device, area type, address) and data
// (0xB1 and the image).
std::vector<Bytes> MemoryBlockLines(unsigned char device, unsigned char areaType, std::uint32_t address, const Bytes& image);

// The records as text lines joined by CR LF, after the given header lines.
std::string TextLog(const std::vector<Bytes>& records, const std::vector<std::string>& headerLines = {});

struct MemoryBlock {
  unsigned char device = 176;
  unsigned char areaType = 1;
  std::uint32_t address = 0;
  Bytes image;
};
// A binary log with the header record, one datalog record holding the records (16 bytes each
// for firmware up to 7.0.2, 32 bytes from 7.0.3 on) and memory-block records, all scrambled
// with the keystream seed in force as a real device does.
Bytes BinaryLog(const std::vector<Bytes>& records, const HeaderFields& header, const std::vector<MemoryBlock>& blocks = {});
HeaderFields PlainFirmwareHeader();        // firmware 7.0.2: plain lines
HeaderFields TimeStampedFirmwareHeader();  // firmware 7.0.3: time-stamped lines

}  // namespace testlog
