#include "logimport/LogFileConverter.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/logimport/LogFileFixture.h"

using testlog::Bytes;
using testlog::FromHex;
using testlog::HeaderRecord;

namespace {

using ConverterTest = LogFileTest;

std::vector<std::string> Lines(CMemStdioFile& file) {
  std::vector<std::string> lines;
  for (std::string line; file.ReadLine(line);) lines.push_back(line);
  return lines;
}

}  // namespace

TEST_F(ConverterTest, KindsFromTheFirstThreeBytes) {
  CLogFileConverter converter;
  EXPECT_EQ(converter.CheckFileFormat(Write("a", FromHex("000001"))), 2);
  EXPECT_EQ(converter.CheckFileFormat(Write("a", FromHex("0000"))), 0);
  EXPECT_EQ(converter.GetErrorText(), "File to small, at least three bytes required for format check");
  EXPECT_EQ(converter.CheckFileFormat(Write("a", FromHex("0001FF"))), 1);
  EXPECT_EQ(converter.CheckFileFormat(Write("a", FromHex("F35346"))), 3);
  EXPECT_EQ(converter.CheckFileFormat(Write("a", FromHex("F35347"))), 1);
  EXPECT_EQ(converter.CheckFileFormat(Write("a", FromHex("F35446"))), 1);
  EXPECT_EQ(converter.CheckFileFormat(Write("a", Bytes{'0', '0', '0', 'F'})), 1);
  EXPECT_EQ(converter.CheckFileFormat(Write("a", {})), 0);
  EXPECT_EQ(pauses_.Count(), 8);  // one pause after each read

  EXPECT_EQ(converter.CheckFileFormat(Missing()), 0);
  EXPECT_EQ(converter.GetErrorText(),
            "Unable to open source file: No such file or directory - m_cause 2, m_lOsError 2, m_strFileName " + Missing());
  EXPECT_EQ(pauses_.Count(), 8 + 9);
  EXPECT_EQ(converter.CheckFileFormat(folders_.Root().string()), 0);
  EXPECT_NE(converter.GetErrorText().find("m_cause 5"), std::string::npos);

  // A pipe is refused at once instead of waiting for a writer.
  const auto pipe = folders_.Root() / "pipe.ccl";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(converter.CheckFileFormat(pipe.string()), 0);
  EXPECT_EQ(converter.GetErrorText(),
            "Unable to open source file: Not a regular file - m_cause 5, m_lOsError 0, m_strFileName " + pipe.string());
}

TEST_F(ConverterTest, HandWrittenFileGivesItsFiveLines) {
  CLogFileConverter converter;
  const std::string path = Write("golden.ccl", Golden());
  ASSERT_EQ(converter.CheckFileFormat(path), CLogFileConverter::kBinaryLog);
  CMemStdioFile text;
  unsigned char newFormat = 0;
  ASSERT_TRUE(converter.Convert(path, text, newFormat, CLogFileConverter::kBinaryLog)) << converter.GetErrorText();
  EXPECT_EQ(newFormat, 1);
  EXPECT_EQ(text.GetText(),
            "Brask Test Suite Version 1.2.3.4\r\nDate 15 March 2024\r\nTime 10:20:30\r\n80414243C0\r\nD05A4444303731328E\r\n");
  std::string first;
  ASSERT_TRUE(text.ReadLine(first));  // moved back to the start
  EXPECT_EQ(first, "Brask Test Suite Version 1.2.3.4");
}

TEST_F(ConverterTest, GroupsInTheirOrder) {
  testlog::HeaderFields old;
  old.firmware = {0x07, 0x00, 0x02};
  Bytes datalog(16, 0xFF);  // all 0xFF lines are not scrambled
  datalog = datalog + Bytes(16, 0xFF);
  const Bytes file = testlog::BinaryFile({
      testlog::Record(34, testlog::DanEntry("ZDD", 7, FromHex("3132"))),
      testlog::Record(16, testlog::MemoryBlockData(FromHex("FFFFFFFF"), 188, 6, 0x10000, FromHex("FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"))),
      testlog::Record(33, testlog::UserEntry(0x80, FromHex("414243"))),
      testlog::Record(0x0110, FromHex("0102")),
      testlog::Record(32, FromHex("00000000") + datalog),
      HeaderRecord(old),
      testlog::Record(33, testlog::UserEntry(0x05, {})),
  });
  CLogFileConverter converter;
  CMemStdioFile text;
  unsigned char newFormat = 1;
  ASSERT_TRUE(converter.Convert(Write("order.ccl", file), text, newFormat, 2)) << converter.GetErrorText();
  EXPECT_EQ(newFormat, 0);
  const std::vector<std::string> expected = {
      "Brask Test Suite Version 1.2.3.4", "Date 15 March 2024", "Time 10:20:30",
      "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF00", "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF00",
      "80414243C0", "0505",
      "B0BC06000100000B", "B1FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFB1",
      "D05A4444303731328E"};
  EXPECT_EQ(Lines(text), expected);
}

TEST_F(ConverterTest, InvalidRecordsAndMissingHeader) {
  Bytes header = HeaderRecord();
  header[12] ^= 0x01;
  Bytes block = testlog::Record(16, testlog::MemoryBlockData(FromHex("00000000"), 176, 1, 0x4000, FromHex("01")));
  block[8] ^= 0x01;
  Bytes datalog = testlog::Record(32, FromHex("00000000") + Bytes(16, 0xFF));
  datalog[12] ^= 0x01;
  CLogFileConverter converter;
  CMemStdioFile text;
  unsigned char newFormat = 1;
  ASSERT_TRUE(converter.Convert(Write("invalid.ccl", testlog::BinaryFile({header, block, datalog})), text, newFormat, 2));
  EXPECT_EQ(newFormat, 0);
  EXPECT_EQ(Lines(text), (std::vector<std::string>{"", "", "", "B0000000000000B0", "B1B1"}));

  // Without a header: no header lines, the old 16-byte lines, and a short tail left out.
  Bytes payload;
  for (int i = 0; i < 20; ++i) payload.push_back(0xFF);
  CMemStdioFile noHeader;
  ASSERT_TRUE(converter.Convert(Write("no-header.ccl", testlog::BinaryFile({testlog::Record(32, FromHex("00000000") + payload)})),
                                noHeader, newFormat, 2));
  EXPECT_EQ(newFormat, 0);
  EXPECT_EQ(Lines(noHeader), (std::vector<std::string>{"FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF00"}));
}

TEST_F(ConverterTest, SecuredFileGivesTheSameText) {
  CLogFileConverter converter;
  const std::string path = Write("secured.ccl", Secure(Golden()));
  ASSERT_EQ(converter.CheckFileFormat(path), CLogFileConverter::kSecuredLog);
  CMemStdioFile secured;
  CMemStdioFile binary;
  unsigned char newFormat = 0;
  ASSERT_TRUE(converter.Convert(path, secured, newFormat, 3)) << converter.GetErrorText();
  ASSERT_TRUE(converter.Convert(Write("binary.ccl", Golden()), binary, newFormat, 2));
  EXPECT_EQ(secured.GetText(), binary.GetText());
}

TEST_F(ConverterTest, FailuresLeaveTheMemoryFileAlone) {
  CLogFileConverter converter;
  CMemStdioFile text("kept\r\n");
  unsigned char newFormat = 7;
  const std::string golden = Write("golden.ccl", Golden());
  for (int kind : {0, 1, 4}) {
    EXPECT_FALSE(converter.Convert(golden, text, newFormat, kind));
    EXPECT_EQ(converter.GetErrorText(), "Undefined file format");
  }
  Bytes broken = Golden();
  broken[20] ^= 0x10;
  EXPECT_FALSE(converter.Convert(Write("broken.ccl", broken), text, newFormat, 2));
  EXPECT_EQ(converter.GetErrorText(), "Binary file load failed - Binary file load inital CRC32 check failed - crc32 mismatch");
  EXPECT_FALSE(converter.Convert(golden, text, newFormat, 3));
  EXPECT_EQ(converter.GetErrorText(), "Secured file load failed - Secured file load initial SHA256 check failed - SHA256 mismatch");
  EXPECT_EQ(text.GetText(), "kept\r\n");
  EXPECT_EQ(newFormat, 7);
}

TEST_F(ConverterTest, EveryCutAndFlipOfAGoodFileIsHandled) {
  const Bytes binary = Golden();
  const Bytes secured = Secure(binary);
  CLogFileConverter converter;
  for (const Bytes& file : {binary, secured}) {
    for (std::size_t size = 0; size <= file.size(); ++size) {
      const std::string path = Write("cut.ccl", Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size)));
      CMemStdioFile text;
      unsigned char newFormat = 0;
      const int kind = converter.CheckFileFormat(path);
      EXPECT_EQ(converter.Convert(path, text, newFormat, kind), size == file.size()) << size;
    }
    for (std::size_t bit = 0; bit < file.size() * 8; ++bit) {
      Bytes flipped = file;
      flipped[bit / 8] ^= static_cast<unsigned char>(1u << (bit % 8));
      const std::string path = Write("flip.ccl", flipped);
      CMemStdioFile text;
      unsigned char newFormat = 0;
      EXPECT_FALSE(converter.Convert(path, text, newFormat, converter.CheckFileFormat(path))) << bit;
      EXPECT_EQ(text.GetLength(), 0u);
    }
  }
}
