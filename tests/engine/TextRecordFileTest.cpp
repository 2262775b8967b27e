// Record lines, their fields and text values, and record files with either line end.
#include "engine/TextRecordFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <climits>
#include <cstring>
#include <filesystem>

#include "tests/support/TempFolders.h"

TEST(TextRecordTest, KeyAndValuesAreReadWithThePlainConversions) {
  const CTextRecord record("021~1013.25~ 7~abc~~1e999~-1e999~1.9");
  ASSERT_TRUE(record.IsRecord());
  EXPECT_EQ(record.GetKey(), 21);
  EXPECT_EQ(record.GetFieldCount(), 8);
  EXPECT_DOUBLE_EQ(record.GetReal(2), 1013.25);
  EXPECT_EQ(record.GetInt(2), 1013);
  EXPECT_EQ(record.GetInt(3), 7);
  EXPECT_EQ(record.GetInt(4), 0);  // not a number
  EXPECT_EQ(record.GetReal(5), 0.0);
  EXPECT_EQ(record.GetReal(6), DBL_MAX);
  EXPECT_EQ(record.GetReal(7), -DBL_MAX);
  EXPECT_EQ(record.GetInt(6), INT_MAX);
  EXPECT_EQ(record.GetInt(8), 1);
  EXPECT_EQ(record.GetInt(9), 0);  // no such field
  EXPECT_EQ(record.GetReal(0), 0.0);
}

TEST(TextRecordTest, AFlagIsTrueOnlyForOne) {
  const CTextRecord record("050~1~0~2~-1~1.5~x");
  EXPECT_TRUE(record.GetFlag(2));
  EXPECT_FALSE(record.GetFlag(3));
  EXPECT_FALSE(record.GetFlag(4));
  EXPECT_FALSE(record.GetFlag(5));
  EXPECT_TRUE(record.GetFlag(6));  // the integer conversion stops at the point
  EXPECT_FALSE(record.GetFlag(7));
  EXPECT_FALSE(record.GetFlag(8));
}

TEST(TextRecordTest, LinesOfOneFieldAreNoRecords) {
  EXPECT_FALSE(CTextRecord("").IsRecord());
  EXPECT_FALSE(CTextRecord("Dive").IsRecord());
  EXPECT_FALSE(CTextRecord("021").IsRecord());
  EXPECT_TRUE(CTextRecord("020~").IsRecord());
  EXPECT_EQ(CTextRecord("020~").GetText(2), "");
  EXPECT_EQ(CTextRecord("~5").GetKey(), 0);
}

TEST(TextRecordTest, ValuesAreBroughtIntoTheirRange) {
  const SettingRange range{1, 12};
  const CTextRecord record("040~0~13~7.9~-99999999999~abc");
  EXPECT_EQ(record.GetInt(2, range), 1);
  EXPECT_EQ(record.GetInt(3, range), 12);
  EXPECT_EQ(record.GetInt(4, range), 7);
  EXPECT_EQ(record.GetInt(5, range), 1);
  EXPECT_EQ(record.GetInt(6, range), 1);
  EXPECT_DOUBLE_EQ(record.GetReal(4, range), 7.9);
  EXPECT_EQ(SettingRange({0, 1}).Clamp(std::nan("")), 0);
}

TEST(TextRecordTest, ATextValueTakesEveryFieldFromItsOwnOn) {
  EXPECT_EQ(CTextRecord("020~Wreck~North~").GetText(2), "Wreck~North~");
  EXPECT_EQ(CTextRecord("060~21/0,50/0").GetText(2), "21/0,50/0");
}

TEST(TextRecordTest, TextThatIsNotUtf8IsReadAsWindows1252) {
  EXPECT_EQ(CTextRecord("020~Caf\xe9").GetText(2), "Caf\xc3\xa9");
  EXPECT_EQ(FileTextToUtf8("\x80 \x9f \xa0 \xff"), "\xe2\x82\xac \xc5\xb8 \xc2\xa0 \xc3\xbf");
  // Bytes the code page leaves undefined keep their own value.
  EXPECT_EQ(FileTextToUtf8("\x81"), "\xc2\x81");
  // Valid UTF-8 stays as it is: two, three and four bytes.
  EXPECT_EQ(FileTextToUtf8("Caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x90\xa0"), "Caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x90\xa0");
  // An overlong form, a surrogate, a cut sequence and a code point past U+10FFFF are not UTF-8.
  EXPECT_EQ(FileTextToUtf8("\xc0\xaf"), "\xc3\x80\xc2\xaf");
  EXPECT_EQ(FileTextToUtf8("\xed\xa0\x80"), "\xc3\xad\xc2\xa0\xe2\x82\xac");
  EXPECT_EQ(FileTextToUtf8("a\xc3"), "a\xc3\x83");
  EXPECT_EQ(FileTextToUtf8("\xf4\x90\x80\x80"), "\xc3\xb4\xc2\x90\xe2\x82\xac\xe2\x82\xac");
}

TEST(TextRecordWriterTest, RecordsAreWrittenInTheCLocaleWithCrLf) {
  CTextRecordWriter writer("Dive Plan");
  AppendIntRecord(writer.Records(), 1, -3);
  AppendRealRecord(writer.Records(), 3, 232.5);
  AppendRealRecord(writer.Records(), 4, 33);
  AppendTextRecord(writer.Records(), 20, "Reef~North\r\nSide");
  writer.AddLine("Dive");
  EXPECT_EQ(writer.GetFileText(), "Dive Plan\r\n001~-3\r\n003~232.50\r\n004~33.00\r\n020~Reef North  Side\r\nDive\r\n");
}

class RecordFileTest : public testing::Test {
 protected:
  std::string Write(const std::string& text) {
    const std::filesystem::path file = folders.Root() / "file.ccp";
    WriteFileText(file, text);
    return file.string();
  }
  RecordFileRead Read(const std::string& text, std::string_view kind = "Dive Plan") {
    return ReadRecordFile(Write(text), kind, lines, error);
  }

  TempFolders folders;
  std::vector<std::string> lines;
  std::string error;
};

TEST_F(RecordFileTest, ReadsCrLfAndLfFiles) {
  const std::vector<std::string> expected = {"001~1", "", "Dive", "020~x"};
  ASSERT_EQ(Read("Dive Plan\r\n001~1\r\n\r\nDive\r\n020~x\r\n"), RecordFileRead::kRead);
  EXPECT_EQ(lines, expected);
  ASSERT_EQ(Read("Dive Plan\n001~1\n\nDive\n020~x"), RecordFileRead::kRead);
  EXPECT_EQ(lines, expected);
  ASSERT_EQ(Read("Dive Plan\r"), RecordFileRead::kRead);
  EXPECT_TRUE(lines.empty());
}

TEST_F(RecordFileTest, TheFirstLineMustNameTheKindExactly) {
  EXPECT_EQ(Read("Dive Plan \r\n001~1\r\n"), RecordFileRead::kWrongKind);
  EXPECT_EQ(Read("dive plan\r\n001~1\r\n"), RecordFileRead::kWrongKind);
  EXPECT_EQ(Read(" Dive Plan\r\n"), RecordFileRead::kWrongKind);
  EXPECT_EQ(Read(""), RecordFileRead::kWrongKind);
  EXPECT_EQ(Read("\x7f" "ELF\x02\x01\x01\0\0\0"), RecordFileRead::kWrongKind);
  EXPECT_EQ(Read("Dive Plan\r\n", "Dive"), RecordFileRead::kWrongKind);
  EXPECT_EQ(Read("Dive\r\n", "Dive"), RecordFileRead::kRead);
}

TEST_F(RecordFileTest, MissingAndOversizedFiles) {
  EXPECT_EQ(ReadRecordFile((folders.Root() / "missing.ccp").string(), "Dive Plan", lines, error),
            RecordFileRead::kCannotOpen);
  EXPECT_NE(error.find(std::strerror(ENOENT)), std::string::npos) << error;
  EXPECT_EQ(ReadRecordFile(folders.Root().string(), "Dive Plan", lines, error), RecordFileRead::kCannotOpen);
  EXPECT_EQ(Read("\xef\xbb\xbf" "Dive Plan\r\n001~1"), RecordFileRead::kRead);
  // Far larger than any plan: not one the program wrote.
  EXPECT_EQ(Read("Dive Plan\r\n" + std::string(17u << 20, '0')), RecordFileRead::kWrongKind);
}
