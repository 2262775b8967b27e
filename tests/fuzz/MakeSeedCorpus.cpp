// Writes the seed inputs of the log-import fuzz targets into their folders below a corpus root:
// small binary, secured and text logs built by the test writers, each behind its mode byte (see
// LogFuzzHarness.h). The reader and the converter share their seeds; the loader has its own.
#include <cstdio>
#include <filesystem>
#include <string>

#include "logimport/KeyMaterial.h"
#include "tests/fuzz/LogFuzzHarness.h"
#include "tests/logimport/writers/ExampleDives.h"

using testlog::Bytes;
using testlog::FromHex;

namespace {

Bytes Header(unsigned char writer, unsigned char firmwareMinor, unsigned char firmwareBuild) {
  testlog::HeaderFields fields;
  fields.writer = writer;
  fields.firmware = {0x07, firmwareMinor, firmwareBuild};
  return testlog::HeaderRecord(fields);
}

// Every record kind: store-writer header, known and other memory blocks, a scrambled datalog,
// user and DAN entries, a record of an unknown type.
Bytes RichStream(unsigned char writer, unsigned char firmwareBuild) {
  const auto& seed = logimport::PlaceholderKeyMaterial().keystreamSeed;
  Bytes image;
  for (int i = 0; i < 36; ++i) image.push_back(static_cast<unsigned char>(i * 7));
  const Bytes offset = FromHex("01020304");
  return Header(writer, 0x00, firmwareBuild) +
         testlog::Record(16, testlog::MemoryBlockData(offset, 176, 1, 0x10000, testlog::Scramble(image, seed, 24, 16))) +
         testlog::Record(16, testlog::MemoryBlockData(FromHex("FFFFFFFF"), 188, 6, 0x10000, Bytes(16, 0xFF))) +
         testlog::Record(16, testlog::MemoryBlockData(offset, 178, 1, 0x2000, image)) +
         testlog::Record(32, offset + testlog::Scramble(image, seed, 24, 16) + Bytes(16, 0xFF)) +
         testlog::Record(33, testlog::UserEntry(0x80, FromHex("414243")) + testlog::UserEntry(0x05, {})) +
         testlog::Record(34, testlog::DanEntry("ZDD", 7, FromHex("3132")) + testlog::DanEntry("ZDH", 42, {})) +
         testlog::Record(0x0110, FromHex("00"));
}

void WriteSeed(const std::filesystem::path& folder, const std::string& name, int mode, const Bytes& payload) {
  std::filesystem::create_directories(folder);
  testlog::WriteFile(folder / name, Bytes{static_cast<unsigned char>(mode)} + payload);
}

Bytes Concatenated(const std::vector<Bytes>& records) {
  Bytes all;
  for (const Bytes& record : records) all = all + record;
  return all;
}

// The lines without their check pairs, for the loader's checked mode.
Bytes UncheckedText(const std::vector<Bytes>& records) {
  std::string text;
  for (const Bytes& record : records) text += testlog::ToHex(record) + "\n";
  return Bytes(text.begin(), text.end());
}

void WriteLoaderSeeds(const std::filesystem::path& folder) {
  const std::string text = testlog::TextLog(testlog::PlainDive(), {"Sundavik Version 1.0.0.0", "Date 15 March 2024", "Time 10:00:00"});
  WriteSeed(folder, "plain-dive-text", logfuzz::kLoaderRaw, Bytes(text.begin(), text.end()));
  WriteSeed(folder, "plain-dive-binary", logfuzz::kLoaderRaw, testlog::BinaryLog(testlog::PlainDive(), testlog::PlainFirmwareHeader()));
  const std::array<unsigned char, 16> vector{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
  WriteSeed(folder, "time-stamped-dive-secured", logfuzz::kLoaderRaw,
            testlog::SecuredFile(testlog::BinaryLog(testlog::TimeStampedDive(), testlog::TimeStampedFirmwareHeader()),
                                 logimport::PlaceholderKeyMaterial(), vector));
  WriteSeed(folder, "time-stamped-dive", logfuzz::kLoaderTimeStamped, Concatenated(testlog::TimeStampedDive()));

  // Every other kind of plain line: clock, sync, interpolation, solenoids, header, gas list,
  // DAN text, memory blocks with a version.
  std::vector<Bytes> records = testlog::PlainDive();
  const auto plain = [](unsigned char type, std::size_t at, const Bytes& value) { return testlog::Put(testlog::PlainRecord(type), at, value); };
  records.insert(records.end() - 1, {plain(27, 2, testlog::DateBytes(15, 3, 2024, 10, 6, 0)), plain(7, 2, FromHex("1523005004")),
                                     plain(11, 2, testlog::DateBytes(15, 3, 2024, 10, 7, 0)), plain(48, 2, FromHex("0100FF")),
                                     plain(49, 2, FromHex("0100AA")), plain(13, 4, FromHex("0503")), plain(64, 2, FromHex("0102030405"))});
  records.push_back(plain(11, 2, testlog::DateBytes(15, 3, 2024, 10, 50, 0)));
  records.push_back(Bytes{128} + FromHex("52656566"));
  records.push_back(Bytes{133} + FromHex("4E210A0545971E0A"));
  records.push_back(Bytes{160} + FromHex("0004D2000064000000009C4100FFFF"));
  records.push_back(Bytes{0xD0} + FromHex("5A4444313353"));
  for (const Bytes& line : testlog::MemoryBlockLines(176, 1, 0x200000, FromHex("000000DC00050039"))) records.push_back(line);
  for (const Bytes& line : testlog::MemoryBlockLines(176, 1, 0x4000, Bytes(256, 0x41))) records.push_back(line);
  WriteSeed(folder, "plain-dive-every-line", logfuzz::kLoaderChecked, UncheckedText(records));
}

// Seeds of the binary and secured reader and of the converter.
void WriteRecordSeeds(const std::filesystem::path& folder) {
  const Bytes golden = FromHex(testlog::kGoldenBinaryHex);
  const Bytes goldenStream(golden.begin(), golden.end() - 4);
  const std::array<unsigned char, 16> vector{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
  Bytes badRecord = testlog::Record(33, testlog::UserEntry(0x01, FromHex("02")));
  badRecord[8] ^= 0x20;

  WriteSeed(folder, "golden-binary", logfuzz::kRaw, golden);
  WriteSeed(folder, "golden-secured", logfuzz::kRaw, testlog::SecuredFile(golden, logimport::PlaceholderKeyMaterial(), vector));
  WriteSeed(folder, "golden-stream", logfuzz::kWithCrc, goldenStream);
  WriteSeed(folder, "golden-stream-secured", logfuzz::kSecured, goldenStream);
  WriteSeed(folder, "rich-store-writer", logfuzz::kWithCrc, RichStream(1, 0x02));
  WriteSeed(folder, "rich-new-format-secured", logfuzz::kSecured, RichStream(2, 0x03));
  WriteSeed(folder, "invalid-record", logfuzz::kWithCrc, Header(4, 0x00, 0x03) + badRecord);
  WriteSeed(folder, "text-log", logfuzz::kRaw, Bytes{'0', '0', '0', 'F', '0', '3', '1', '8', '\r', '\n'});
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <corpus root>\n", argv[0]);
    return 2;
  }
  const std::filesystem::path root = argv[1];
  WriteRecordSeeds(root / "log_reader");
  WriteRecordSeeds(root / "log_converter");
  WriteLoaderSeeds(root / "log_loader");
  return 0;
}
