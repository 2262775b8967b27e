#include "tests/fuzz/LogFuzzHarness.h"

#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "engine/support/HexConversions.h"
#include "engine/support/MemStdioFile.h"
#include "logimport/BraskBinaryFile.h"
#include "logimport/DatalogRecords.h"
#include "logimport/FileHeaderRecord.h"
#include "logimport/KeyMaterial.h"
#include "logimport/KorrinLog.h"
#include "logimport/LogFileAccess.h"
#include "logimport/LogFileConverter.h"
#include "logimport/MemoryBlockRecord.h"
#include "tests/logimport/writers/TextLogWriter.h"

namespace logfuzz {

namespace {

constexpr std::array<unsigned char, 16> kVector = {0x0F, 0x1E, 0x2D, 0x3C, 0x4B, 0x5A, 0x69, 0x78,
                                                   0x87, 0x96, 0xA5, 0xB4, 0xC3, 0xD2, 0xE1, 0xF0};

void WalkRecords(const CBraskBinaryFile& reader) {
  for (int i = 0; i < reader.GetRecordCount(); ++i) {
    const CStandardRecord* record = reader.GetRecord(i);
    const unsigned char* data = record->GetData();
    const std::size_t length = record->GetDataLength();
    CSRFileHeader header;
    header.SetData(data, length);
    (void)header.GetWriterVersionText();
    (void)header.GetDateText();
    (void)header.GetTimeText();
    CSRMemoryBlock block;
    block.SetData(data, length);
    block.Decode();
    (void)block.GetHeaderLine();
    (void)block.GetImageLine();
    CSRDLDataComp computer;
    computer.SetData(data, length);
    computer.Decode(reader.IsNewFormat());
    computer.BuildLines(reader.IsNewFormat());
    CSRDLDataUser user;
    user.SetData(data, length);
    user.BuildLines();
    CSRDANData dan;
    dan.SetData(data, length);
    dan.BuildLines();
  }
}

}  // namespace

testlog::Bytes FileForInput(const std::uint8_t* data, std::size_t size, Mode& mode) {
  mode = size == 0 ? kRaw : static_cast<Mode>(data[0] % kModeCount);
  const testlog::Bytes payload = size == 0 ? testlog::Bytes() : testlog::Bytes(data + 1, data + size);
  if (mode == kRaw) return payload;
  const testlog::Bytes binary = payload + testlog::BigEndian32(testlog::Crc32(payload));
  return mode == kWithCrc ? binary : testlog::SecuredFile(binary, logimport::PlaceholderKeyMaterial(), kVector);
}

std::string WriteScratchFile(const testlog::Bytes& file) {
  // One file per process, removed when the process ends.
  struct ScratchFile {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("velmar-fuzz-" + std::to_string(::getpid()) + ".ccl");
    ~ScratchFile() {
      std::error_code ignored;
      std::filesystem::remove(path, ignored);
    }
  };
  static const ScratchFile scratch;
  testlog::WriteFile(scratch.path, file);
  return scratch.path.string();
}

void RunReader(const std::uint8_t* data, std::size_t size) {
  Mode mode = kRaw;
  const std::string path = WriteScratchFile(FileForInput(data, size, mode));
  CBraskBinaryFile reader;
  if (mode != kSecured) {
    reader.Load(path, CBraskBinaryFile::Layout::kBinary);
    WalkRecords(reader);
  }
  if (mode != kWithCrc) {
    reader.Load(path, CBraskBinaryFile::Layout::kSecured);
    WalkRecords(reader);
  }
}

void RunConverter(const std::uint8_t* data, std::size_t size) {
  Mode mode = kRaw;
  const std::string path = WriteScratchFile(FileForInput(data, size, mode));
  CLogFileConverter converter;
  CMemStdioFile text;
  unsigned char newFormat = 0;
  if (!converter.Convert(path, text, newFormat, converter.CheckFileFormat(path))) return;
  for (std::string line; text.ReadLine(line);) {
  }
}

testlog::Bytes LoaderFileForInput(const std::uint8_t* data, std::size_t size, LoaderMode& mode) {
  mode = size == 0 ? kLoaderRaw : static_cast<LoaderMode>(data[0] % kLoaderModeCount);
  const testlog::Bytes payload = size == 0 ? testlog::Bytes() : testlog::Bytes(data + 1, data + size);
  if (mode == kLoaderRaw) return payload;
  if (mode == kLoaderChecked) {
    std::string text;
    std::size_t start = 0;
    for (std::size_t at = 0; at <= payload.size(); ++at) {
      if (at < payload.size() && payload[at] != '\n') continue;
      const std::string line(payload.begin() + static_cast<std::ptrdiff_t>(start), payload.begin() + static_cast<std::ptrdiff_t>(at));
      if (!line.empty()) {
        text += line + XorChecksumHex(line) + "\r\n";
      } else if (at < payload.size()) {
        text += "\r\n";  // an empty line stays empty; nothing follows the last line end
      }
      start = at + 1;
    }
    return testlog::Bytes(text.begin(), text.end());
  }
  std::vector<testlog::Bytes> records;
  for (std::size_t at = 0; at + testlog::kStampedRecordBytes <= payload.size(); at += testlog::kStampedRecordBytes) {
    records.emplace_back(payload.begin() + static_cast<std::ptrdiff_t>(at),
                         payload.begin() + static_cast<std::ptrdiff_t>(at + testlog::kStampedRecordBytes));
  }
  return testlog::BinaryLog(records, testlog::TimeStampedFirmwareHeader());
}

void RunLoader(const std::uint8_t* data, std::size_t size) {
  LoaderMode mode = kLoaderRaw;
  CKorrinLog log;
  if (log.Load(WriteScratchFile(LoaderFileForInput(data, size, mode))) != CKorrinLog::kLoaded) return;
  // What a review of the dive reads.
  const int first = log.FindIndexAtTime(log.GetDiveStartTime());
  const int last = log.FindIndexAtTime(log.GetDiveEndTime());
  double sum = log.GetAtmosphericPressure() + log.GetSampleInterval();
  for (int i = first; i <= last; ++i) {
    const CKorrinLogSample& sample = *log.GetSample(i);
    sum += sample.GetAmbientPressure() + sample.GetValue(3) + sample.GetDepthB() + sample.GetScaledValue() +
           sample.GetNitrogenCompartments()[15] + sample.GetHeliumCompartments()[0];
  }
  if (!std::isfinite(sum)) __builtin_trap();
}

void PrepareProcess() {
  logimport::SetPauseFunction([](int) {});
  const auto empty = std::filesystem::temp_directory_path() / ("velmar-fuzz-config-" + std::to_string(::getpid()));
  ::setenv("XDG_CONFIG_HOME", empty.c_str(), 1);
  logimport::ReloadKeyMaterial();
}

}  // namespace logfuzz
