#pragma once
// Tells the kind of a dive-log file from its first three bytes and turns a binary or secured log
// into the log text that the text reader reads: three header lines, the datalog-computer lines,
// the datalog-user lines, the memory-block line pairs and the DAN lines, each group in stream
// order.
#include <string>
#include <vector>

#include "engine/support/MemStdioFile.h"
#include "logimport/BraskBinaryFile.h"

class CLogFileConverter {
 public:
  enum FileKind { kUndetermined = 0, kTextLog = 1, kBinaryLog = 2, kSecuredLog = 3 };

  // 0 when the file does not open (after ten tries 10 ms apart) or holds fewer than three
  // bytes, with the error text saying why; otherwise the kind.
  int CheckFileFormat(const std::string& path);
  // Converts a binary (kind 2) or secured (kind 3) file into lines written to memoryFile, which
  // is then moved back to its start; newFormat receives the reader's new-format flag. Nothing
  // is written unless every line was built. False with the error text set otherwise.
  bool Convert(const std::string& path, CMemStdioFile& memoryFile, unsigned char& newFormat, int kind);

  const std::string& GetErrorText() const { return errorText_; }

 private:
  bool CreateHeaderLines(std::vector<std::string>& lines) const;
  bool CreateDataCompLines(std::vector<std::string>& lines, bool newFormat) const;
  bool CreateDataUserLines(std::vector<std::string>& lines) const;
  bool CreateMemoryBlockLines(std::vector<std::string>& lines) const;
  bool CreateDanDataLines(std::vector<std::string>& lines) const;
  // Appends the lines that build makes of every record of the type, in stream order.
  template <typename Decoder, typename Build>
  bool AddDecodedLines(std::uint16_t type, std::vector<std::string>& lines, Build build) const;
  // Calls visit with every record of the type, in stream order.
  template <typename Visit>
  void ForEachRecord(std::uint16_t type, Visit visit) const;

  std::string errorText_;
  CBraskBinaryFile reader_;
};
