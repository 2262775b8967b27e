#include "tests/fuzz/LogFuzzHarness.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "engine/support/MemStdioFile.h"
#include "logimport/BraskBinaryFile.h"
#include "logimport/DatalogRecords.h"
#include "logimport/FileHeaderRecord.h"
#include "logimport/KeyMaterial.h"
#include "logimport/LogFileAccess.h"
#include "logimport/LogFileConverter.h"
#include "logimport/MemoryBlockRecord.h"

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

void PrepareProcess() {
  logimport::SetPauseFunction([](int) {});
  const auto empty = std::filesystem::temp_directory_path() / ("velmar-fuzz-config-" + std::to_string(::getpid()));
  ::setenv("XDG_CONFIG_HOME", empty.c_str(), 1);
  logimport::ReloadKeyMaterial();
}

}  // namespace logfuzz
