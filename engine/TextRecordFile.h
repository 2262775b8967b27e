#pragma once
// The program's record files (plans, dives and the other settings files): line 1 names the
// kind of file, every further line is one record, a key written "%03d" followed by its values,
// each preceded by "~". Files are written whole with CRLF line ends and replaced atomically;
// readers take CRLF or LF. Numbers are written and read in the C locale; a number that does not
// read gives 0.
#include <string>
#include <string_view>
#include <vector>

#include "engine/SettingRanges.h"
#include "engine/support/SParser.h"

// Record lines appended to a text, each ending with a line feed.
void AppendIntRecord(std::string& text, int key, int value);
void AppendRealRecord(std::string& text, int key, double value);  // "%0.2f"
// A "~", carriage return or line feed in the value would split or end the record, so each is
// written as a blank.
void AppendTextRecord(std::string& text, int key, std::string_view value);

// One line of a record file split at "~": field 1 is the key, fields 2.. the values.
class CTextRecord {
 public:
  explicit CTextRecord(std::string_view line) : fields_(line, '~') {}

  // Empty lines and lines of a single field carry no record.
  bool IsRecord() const { return fields_.GetCount() >= 2; }
  int GetKey() const { return GetInt(1); }
  int GetFieldCount() const { return fields_.GetCount(); }
  std::string GetLine() const { return fields_.GetField(0); }
  // A missing field reads as 0, or as false for a flag; a flag is true only when it reads 1.
  int GetInt(int field) const;
  double GetReal(int field) const;
  bool GetFlag(int field) const { return GetInt(field) == 1; }
  // The value brought into the range; a value outside it is logged with the one used instead.
  int GetInt(int field, const SettingRange& range) const;
  double GetReal(int field, const SettingRange& range) const;
  // Logs that the record was read but not used.
  void LogRefused() const;
  // The fields from the one given to the last, joined by "~" again, so that a text holding "~"
  // is read whole. A text that is not valid UTF-8 was written as Windows-1252 and is converted.
  std::string GetText(int field) const;

 private:
  double Clamped(double value, const SettingRange& range) const;
  CSParser fields_;
};

// A record file being written: the kind line and then the records, held in memory until saved.
class CTextRecordWriter {
 public:
  explicit CTextRecordWriter(std::string_view kind) { AddLine(kind); }
  void AddLine(std::string_view line);
  // Where record lines are appended (AppendIntRecord, CDivePlan::WriteDiveRecords ...).
  std::string& Records() { return text_; }
  // The file as it is saved: every line ending in CRLF.
  std::string GetFileText() const;
  // Replaces the file atomically. When it could not be written (the old file is then untouched)
  // or its folder could not be flushed to the disk afterwards, logs why, naming the file by its
  // description ("data file" ...), tells the user and returns false.
  bool Save(const std::string& path, std::string_view description) const;

 private:
  std::string text_;
};

enum class RecordFileRead { kRead, kCannotOpen, kWrongKind };

// Reads a record file whole and checks that line 1 is exactly kind. On kRead, lines holds the
// lines after the first, without their line ends, and lastLineEnded (when given) whether the
// file ends with a line end, as every file the program writes does. A file far larger than any
// the program writes is of the wrong kind. error tells why a file could not be opened.
RecordFileRead ReadRecordFile(const std::string& path, std::string_view kind, std::vector<std::string>& lines,
                              std::string& error, bool* lastLineEnded = nullptr);

// Text as UTF-8: returned as it is when it is valid UTF-8, else read as Windows-1252.
std::string FileTextToUtf8(std::string_view text);
// The code point of the UTF-8 sequence at the offset and the sequence's length in bytes; 0 (code
// unchanged) when no valid sequence starts there: shortest forms only, no surrogates, nothing
// above U+10FFFF.
std::size_t DecodeUtf8At(std::string_view text, std::size_t at, char32_t& code);
