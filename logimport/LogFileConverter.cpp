#include "logimport/LogFileConverter.h"

#include <exception>
#include <functional>

#include "logimport/DatalogRecords.h"
#include "logimport/FileHeaderRecord.h"
#include "logimport/LogFileAccess.h"
#include "logimport/MemoryBlockRecord.h"

namespace {

constexpr int kPauseAfterReadMs = 10;

// A step that could only fail by running out of memory reports that as its failure.
bool Succeeds(const std::function<void()>& step) {
  try {
    step();
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

void AppendLines(std::vector<std::string>& lines, const std::vector<std::string>& more) {
  lines.insert(lines.end(), more.begin(), more.end());
}

}  // namespace

int CLogFileConverter::CheckFileFormat(const std::string& path) {
  logimport::CLogFileReader file;
  if (!file.Open(path)) {
    errorText_ = logimport::DescribeFailure("Unable to open source file: ", file.GetFailure());
    return kUndetermined;
  }
  unsigned char head[3] = {};
  const std::size_t got = file.Read(head, sizeof head);
  file.Close();
  logimport::PauseMs(kPauseAfterReadMs);
  if (got < sizeof head) {
    errorText_ = "File to small, at least three bytes required for format check";
    return kUndetermined;
  }
  if (head[0] == 0x00 && head[1] == 0x00) return kBinaryLog;
  if (head[0] == 0xF3 && head[1] == 0x53 && head[2] == 0x46) return kSecuredLog;
  return kTextLog;
}

template <typename Visit>
void CLogFileConverter::ForEachRecord(std::uint16_t type, Visit visit) const {
  for (int i = 0; i < reader_.GetRecordCount(); ++i) {
    const CStandardRecord* record = reader_.GetRecord(i);
    if (record->GetType() == type) visit(*record);
  }
}

bool CLogFileConverter::CreateHeaderLines(std::vector<std::string>& lines) const {
  return Succeeds([&] {
    for (int i = 0; i < reader_.GetRecordCount(); ++i) {
      const CStandardRecord* record = reader_.GetRecord(i);
      if (record->GetType() != CStandardRecord::kFileHeader) continue;
      CSRFileHeader header;
      header.SetData(record->GetData(), record->GetDataLength());
      lines.push_back(header.GetWriterVersionText());
      lines.push_back(header.GetDateText());
      lines.push_back(header.GetTimeText());
      return;
    }
  });
}

template <typename Decoder, typename Build>
bool CLogFileConverter::AddDecodedLines(std::uint16_t type, std::vector<std::string>& lines, Build build) const {
  return Succeeds([&] {
    ForEachRecord(type, [&](const CStandardRecord& record) {
      Decoder decoder;
      decoder.SetData(record.GetData(), record.GetDataLength());
      build(decoder);
      AppendLines(lines, decoder.GetLines());
    });
  });
}

bool CLogFileConverter::CreateDataCompLines(std::vector<std::string>& lines, bool newFormat) const {
  return AddDecodedLines<CSRDLDataComp>(CStandardRecord::kDatalogComputer, lines,
                                        [newFormat](CSRDLDataComp& decoder) { decoder.BuildLines(newFormat); });
}

bool CLogFileConverter::CreateDataUserLines(std::vector<std::string>& lines) const {
  return AddDecodedLines<CSRDLDataUser>(CStandardRecord::kDatalogUser, lines, [](CSRDLDataUser& decoder) { decoder.BuildLines(); });
}

bool CLogFileConverter::CreateMemoryBlockLines(std::vector<std::string>& lines) const {
  return Succeeds([&] {
    ForEachRecord(CStandardRecord::kMemoryBlock, [&](const CStandardRecord& record) {
      CSRMemoryBlock decoder;
      decoder.SetData(record.GetData(), record.GetDataLength());
      lines.push_back(decoder.GetHeaderLine());
      lines.push_back(decoder.GetImageLine());
    });
  });
}

bool CLogFileConverter::CreateDanDataLines(std::vector<std::string>& lines) const {
  return AddDecodedLines<CSRDANData>(CStandardRecord::kDanData, lines, [](CSRDANData& decoder) { decoder.BuildLines(); });
}

bool CLogFileConverter::Convert(const std::string& path, CMemStdioFile& memoryFile, unsigned char& newFormat, int kind) {
  std::vector<std::string> lines;
  if (kind == kBinaryLog) {
    if (!reader_.Load(path, CBraskBinaryFile::Layout::kBinary)) {
      errorText_ = "Binary file load failed - " + reader_.GetErrorText();
      return false;
    }
  } else if (kind == kSecuredLog) {
    if (!reader_.Load(path, CBraskBinaryFile::Layout::kSecured)) {
      errorText_ = "Secured file load failed - " + reader_.GetErrorText();
      return false;
    }
  } else {
    errorText_ = "Undefined file format";
    return false;
  }
  if (!CreateHeaderLines(lines)) return false;
  newFormat = reader_.IsNewFormat() ? 1 : 0;
  const char* failure = nullptr;
  if (!CreateDataCompLines(lines, newFormat != 0)) {
    failure = "Create ccl text dive log data comp failed";
  } else if (!CreateDataUserLines(lines)) {
    failure = "Create ccl text dive log data user failed";
  } else if (!CreateMemoryBlockLines(lines)) {
    failure = "Create ccl memory blocks failed";
  } else if (!CreateDanDataLines(lines)) {
    failure = "Create DAN data failed";
  }
  if (failure) {
    errorText_ = failure;
    return false;
  }
  for (const std::string& line : lines) memoryFile.WriteString(line + "\n");
  memoryFile.SeekToBegin();
  return true;
}
