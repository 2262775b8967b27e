// Writes the seed inputs of the log-import fuzz targets into a folder: small binary, secured
// and text logs built by the test writers, each behind its mode byte (see LogFuzzHarness.h).
#include <cstdio>
#include <filesystem>
#include <string>

#include "logimport/KeyMaterial.h"
#include "tests/fuzz/LogFuzzHarness.h"

using testlog::Bytes;
using testlog::FromHex;

namespace {

Bytes Header(unsigned char writer, unsigned char firmwareMinor, unsigned char firmwareBuild) {
  testlog::HeaderFields fields;
  fields.writer = writer;
  fields.firmware = {0x07, firmwareMinor, firmwareBuild};
  return testlog::Record(0, testlog::HeaderData(fields));
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

void WriteSeed(const std::filesystem::path& folder, const std::string& name, logfuzz::Mode mode, const Bytes& payload) {
  testlog::WriteFile(folder / name, Bytes{static_cast<unsigned char>(mode)} + payload);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
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
  return 0;
}
