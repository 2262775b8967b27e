// Loading whole dive logs: text logs written line by line, and binary and secured logs built by
// the test writers. Expected times, pressures and readings are worked out by hand from the lines.
#include "logimport/KorrinLog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "tests/logimport/LogFileFixture.h"
#include "tests/logimport/writers/ExampleDives.h"

using testlog::Bytes;
using testlog::DateBytes;
using testlog::FromHex;
using testlog::PlainDive;
using testlog::PlainRecord;
using testlog::PlainSampleLine;
using testlog::Put;
using testlog::TimeStampedDive;
using testlog::Word;

namespace {

Bytes TextBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

struct SampleView {
  int timeSec;
  double ambientMbar, surfaceMbar, setPoint, o2, he, gfLow, gfHigh;
  bool diveOpen, inside;
  unsigned char diveMark;
  bool operator==(const SampleView&) const = default;
};

void PrintTo(const SampleView& s, std::ostream* out) {
  *out << "{t " << s.timeSec << ", amb " << s.ambientMbar << ", surf " << s.surfaceMbar << ", sp " << s.setPoint << ", gas "
       << s.o2 << "/" << s.he << ", gf " << s.gfLow << "/" << s.gfHigh << ", open " << s.diveOpen << ", inside " << s.inside
       << ", mark " << int(s.diveMark) << "}";
}

std::vector<SampleView> Samples(const CKorrinLog& log) {
  std::vector<SampleView> views;
  for (int i = 0; i < log.GetSampleCount(); ++i) {
    const CKorrinLogSample& s = *log.GetSample(i);
    views.push_back({s.GetTime(), s.GetAmbientPressure(), s.GetSurfacePressure(), s.GetValue(3), s.GetO2Percent(),
                     s.GetHePercent(), s.GetGfLow(), s.GetGfHigh(), s.CarriesSurfacePressureAndTissues(), s.IsInsideDive(), s.diveMark});
  }
  return views;
}

class KorrinLogTest : public LogFileTest {
 protected:
  std::string WriteText(const std::string& name, const std::vector<Bytes>& records, const std::vector<std::string>& headers = {}) {
    return Write(name, TextBytes(testlog::TextLog(records, headers)));
  }
  // Loads and expects the result, with the error text in the failure message.
  void ExpectLoad(CKorrinLog& log, const std::string& path, int result) {
    EXPECT_EQ(log.Load(path), result) << log.GetErrorText();
  }
};

}  // namespace

TEST_F(KorrinLogTest, PlainDiveReadsAsWorkedOut) {
  CKorrinLog log;
  ExpectLoad(log, WriteText("dive.ccl", PlainDive()), CKorrinLog::kLoaded);
  EXPECT_EQ(log.GetErrorText(), "");
  EXPECT_EQ(log.GetFileKind(), CKorrinLog::kTextLog);
  EXPECT_FALSE(log.IsTimeStamped());
  EXPECT_EQ(log.GetFirmwareNumber(), CKorrinLog::kFirmwareWithoutVersion);
  EXPECT_DOUBLE_EQ(log.GetSurfacePressure(), 1013);
  EXPECT_DOUBLE_EQ(log.GetAtmosphericPressure(), 1013);
  EXPECT_EQ(log.GetSampleInterval(), 10);
  EXPECT_EQ(log.GetDiveCount(), 1);
  EXPECT_EQ(log.GetLogDate().Format("%d/%m/%Y %H:%M:%S"), "15/03/2024 10:00:00");
  EXPECT_EQ(log.GetDiveStartDate().Format("%H:%M"), "10:05");

  // 10:00 to 10:05 puts the dive start at 300 s. The start line's sample and the settings line's
  // sample sit there at the surface; the first sample line takes the same time, later ones step
  // 10 s; the end line repeats the last sample line at its time and at the dive's surface
  // pressure. Settings reach the samples made after their line.
  const std::vector<SampleView> expected = {
      {300, 1013, 1013, 0, 0, 0, 30, 85, true, false, 0},     {300, 1013, 1013, 0, 0, 0, 30, 85, true, false, 0},
      {300, 2013, 1013, 1.21, 21, 35, 30, 85, true, true, 0}, {310, 3013, 1013, 1.21, 21, 35, 30, 85, true, true, 0},
      {320, 2013, 1013, 1.21, 21, 35, 30, 85, true, true, 0}, {330, 1013, 1013, 1.21, 21, 35, 30, 85, true, true, 0},
      {330, 1013, 1013, 1.21, 21, 35, 30, 85, true, true, 0}};
  std::vector<SampleView> actual = Samples(log);
  for (SampleView& view : actual) view.setPoint = std::round(view.setPoint * 100) / 100;
  EXPECT_EQ(actual, expected);
  EXPECT_EQ(log.GetDiveStartTime(), 300);
  EXPECT_EQ(log.GetDiveEndTime(), 330);
  EXPECT_DOUBLE_EQ(log.GetSample(3)->GetDepth(), 20.0);
  EXPECT_EQ(log.GetSample(7), nullptr);
  EXPECT_EQ(log.GetSample(-1), nullptr);

  const auto& summary = log.GetHeader().GetSummary();
  EXPECT_EQ(summary.diveIndex, 0);
  EXPECT_EQ(summary.durationText, "30:00 mm:ss");
  EXPECT_EQ(summary.intervalText, "0:05:00 hh:mm:ss");
  EXPECT_DOUBLE_EQ(summary.maxDepthM, 20.0);
  EXPECT_EQ(summary.diveSampleCount, 5);
  EXPECT_EQ(log.GetGasList().GetGases()[0].o2Percent, 0);  // line 9's first pair
}

TEST_F(KorrinLogTest, SameDiveAsTextBinaryAndSecured) {
  const Bytes binary = testlog::BinaryLog(PlainDive(), testlog::PlainFirmwareHeader());
  CKorrinLog text, fromBinary, fromSecured;
  ExpectLoad(text, WriteText("dive.ccl", PlainDive()), 0);
  ExpectLoad(fromBinary, Write("dive-binary.ccl", binary), 0);
  ExpectLoad(fromSecured, Write("dive-secured.ccl", Secure(binary)), 0);
  EXPECT_EQ(fromBinary.GetFileKind(), CKorrinLog::kBinaryLog);
  EXPECT_EQ(fromSecured.GetFileKind(), CKorrinLog::kSecuredLog);
  ASSERT_EQ(text.GetSampleCount(), 7);
  EXPECT_EQ(Samples(fromBinary), Samples(text));
  EXPECT_EQ(Samples(fromSecured), Samples(text));
  for (const CKorrinLog* log : {&fromBinary, &fromSecured}) {
    EXPECT_EQ(log->GetDiveStartTime(), text.GetDiveStartTime());
    EXPECT_EQ(log->GetDiveEndTime(), text.GetDiveEndTime());
    EXPECT_DOUBLE_EQ(log->GetSurfacePressure(), text.GetSurfacePressure());
    EXPECT_FALSE(log->IsTimeStamped());
  }
}

TEST_F(KorrinLogTest, ConvertedFilesOfEveryWriterAndWithoutHeaderLines) {
  // Every writer's name line is skipped without counting, so the opening line stays line 1.
  for (unsigned char writer = 0; writer <= 4; ++writer) {
    testlog::HeaderFields header = testlog::PlainFirmwareHeader();
    header.writer = writer;
    CKorrinLog log;
    ExpectLoad(log, Write("writer.ccl", testlog::BinaryLog(PlainDive(), header)), 0);
    EXPECT_EQ(log.GetSampleCount(), 7) << int(writer);
  }
  // A header record that fails its own check leaves three empty lines, which a converted file
  // skips.
  Bytes file = testlog::BinaryLog(PlainDive(), testlog::PlainFirmwareHeader());
  file.resize(file.size() - 4);
  file[12] ^= 0x01;  // inside the header record's data
  file = file + testlog::BigEndian32(testlog::Crc32(file));
  CKorrinLog log;
  ExpectLoad(log, Write("bad-header.ccl", file), 0);
  EXPECT_EQ(log.GetSampleCount(), 7);
}

TEST_F(KorrinLogTest, ResultsAndTheirTexts) {
  CKorrinLog log;
  ExpectLoad(log, Missing(), CKorrinLog::kInvalidFormat);
  EXPECT_EQ(log.GetErrorText(), "Invalid file format");
  ExpectLoad(log, Write("two.ccl", FromHex("0001")), CKorrinLog::kInvalidFormat);

  // A text file too large to hold is not opened.
  const std::string large = Write("large.ccl", TextBytes("00"));
  std::filesystem::resize_file(large, logimport::kMaxLogFileBytes + 1);
  ExpectLoad(log, large, CKorrinLog::kNotRead);
  EXPECT_EQ(log.GetErrorText(), "Unable to open the file");

  // A binary file whose whole-file check passes but whose records do not convert.
  const Bytes notRecords = FromHex("000001") + testlog::BigEndian32(testlog::Crc32(FromHex("000001")));
  ExpectLoad(log, Write("records.ccl", notRecords), CKorrinLog::kNotRead);
  EXPECT_EQ(log.GetErrorText(), "Unable to convert the binary file to a CMemStdioFile");
  Bytes secured = Secure(testlog::BinaryLog(PlainDive(), testlog::PlainFirmwareHeader()));
  secured[30] ^= 0x40;
  ExpectLoad(log, Write("secured.ccl", secured), CKorrinLog::kNotRead);
  EXPECT_EQ(log.GetErrorText(), "Unable to convert the binary file to a CMemStdioFile");

  Bytes binary = testlog::BinaryLog(PlainDive(), testlog::PlainFirmwareHeader());
  binary.back() ^= 0x01;
  ExpectLoad(log, Write("crc.ccl", binary), CKorrinLog::kBadFileChecksum);
  EXPECT_EQ(log.GetErrorText(), "Invalid binary file checksum");

  // Header lines do not count: the broken first record line is line 1.
  std::vector<Bytes> dive = PlainDive();
  std::string text = testlog::TextLog(dive, {"Date 15 March 2024", "Time 10:00:00"});
  char& check = text[text.find(testlog::TextLine(dive[0])) + 33];  // the opening line's check byte
  check = check == '0' ? '1' : '0';
  const std::string badFirst = Write("bad-first.ccl", TextBytes(text));
  ExpectLoad(log, badFirst, CKorrinLog::kBadLineChecksum);
  EXPECT_EQ(log.GetErrorText(), "Invalid checksum in file " + badFirst + " at line 1");
  std::string lastBad = testlog::TextLog(dive);
  lastBad[lastBad.size() - 3] = lastBad[lastBad.size() - 3] == '0' ? '1' : '0';
  const std::string badLast = Write("bad-last.ccl", TextBytes(lastBad));
  ExpectLoad(log, badLast, CKorrinLog::kBadLineChecksum);
  EXPECT_EQ(log.GetErrorText(), "Invalid checksum in file " + badLast + " at line 11");
  EXPECT_EQ(log.GetSampleCount(), 0);  // the first pass found it

  // An empty first line ends a text file at once; a log of only an opening line has no sample.
  ExpectLoad(log, Write("empty-first.ccl", TextBytes("\r\n" + testlog::TextLog(dive))), CKorrinLog::kInvalidData);
  EXPECT_EQ(log.GetErrorText(), "File opened ok but contained invalid data");
  EXPECT_EQ(log.GetSampleCount(), 0);
  ExpectLoad(log, WriteText("opening-only.ccl", {dive[0]}), CKorrinLog::kInvalidData);
  EXPECT_EQ(log.GetDiveCount(), 1);
  // Without an opening line on line 1, 5, 9 ... there is no dive, whatever else the log holds.
  std::vector<Bytes> shifted = dive;
  shifted.insert(shifted.begin(), PlainRecord(5));
  ExpectLoad(log, WriteText("shifted.ccl", shifted), CKorrinLog::kInvalidData);
  EXPECT_EQ(log.GetDiveCount(), 0);
  EXPECT_GT(log.GetSampleCount(), 0);

  // A failed load leaves nothing of the previous log behind.
  ExpectLoad(log, WriteText("dive.ccl", dive), 0);
  ExpectLoad(log, Missing(), CKorrinLog::kInvalidFormat);
  EXPECT_EQ(log.GetSampleCount(), 0);
  EXPECT_EQ(log.GetDiveCount(), 0);
}

TEST_F(KorrinLogTest, LineFeedsAloneReadLikeCarriageReturns) {
  std::string text = testlog::TextLog(PlainDive());
  for (std::size_t at; (at = text.find('\r')) != std::string::npos;) text.erase(at, 1);
  CKorrinLog crlf, lf;
  ExpectLoad(crlf, WriteText("crlf.ccl", PlainDive()), 0);
  ExpectLoad(lf, Write("lf.ccl", TextBytes(text)), 0);
  EXPECT_EQ(Samples(lf), Samples(crlf));
}

TEST_F(KorrinLogTest, SecondDiveSectionKeepsOnlyItsSamples) {
  // A surface section (opening line and samples, no dive start), then a second opening line on
  // line 5 followed at once by an extended line, then the dive.
  std::vector<Bytes> records = {Put(PlainRecord(0), 2, DateBytes(15, 3, 2024, 9, 0, 0)), PlainRecord(28), PlainSampleLine(1013),
                                PlainSampleLine(1013)};
  const std::vector<Bytes> dive = PlainDive();
  records.push_back(dive[0]);
  records.push_back(Put(PlainRecord(9), 26, FromHex("2850")));
  records.insert(records.end(), dive.begin() + 1, dive.end());
  CKorrinLog log;
  ExpectLoad(log, WriteText("two.ccl", records), 0);
  EXPECT_EQ(log.GetDiveCount(), 2);
  ASSERT_EQ(log.GetSampleCount(), 7);
  EXPECT_EQ(log.GetSample(0)->GetTime(), 300);
  // Line 9 after the second opening line reached no sample of the first section; dive's own
  // line 9 replaced it before the samples were made.
  EXPECT_DOUBLE_EQ(log.GetSample(0)->GetGfLow(), 30);
  EXPECT_EQ(log.GetLogDate().Format("%H:%M"), "10:00");
  EXPECT_EQ(log.GetHeader().GetSummary().diveIndex, 1);
}

TEST_F(KorrinLogTest, SampleIntervalIsClamped) {
  CKorrinLog log;
  ExpectLoad(log, WriteText("zero.ccl", PlainDive(0)), 0);
  EXPECT_EQ(log.GetSampleInterval(), 1);
  EXPECT_EQ(log.GetSample(3)->GetTime(), 301);
  EXPECT_EQ(log.GetSample(3)->GetSampleInterval(), 1);
  ExpectLoad(log, WriteText("long.ccl", PlainDive(200)), 0);
  EXPECT_EQ(log.GetSampleInterval(), 120);
  EXPECT_EQ(log.GetSample(3)->GetTime(), 420);
  EXPECT_EQ(log.GetSample(5)->GetTime(), 660);
}

TEST_F(KorrinLogTest, FindIndexAtTime) {
  CKorrinLog empty;
  EXPECT_EQ(empty.FindIndexAtTime(0), 0);
  EXPECT_EQ(empty.FindIndexAtTime(100), 0);

  // Without a dive start the samples step from 0: 10, 20 and 30 s.
  CKorrinLog log;
  ExpectLoad(log, WriteText("three.ccl", {PlainDive()[0], Put(PlainRecord(28), 30, Bytes{10}), PlainSampleLine(1013),
                                          PlainSampleLine(1013), PlainSampleLine(1013)}),
             0);
  ASSERT_EQ(log.GetSampleCount(), 3);
  EXPECT_EQ(log.FindIndexAtTime(15), 1);
  EXPECT_EQ(log.FindIndexAtTime(30), 2);
  EXPECT_EQ(log.FindIndexAtTime(35), 2);
  EXPECT_EQ(log.FindIndexAtTime(-3), 0);
  EXPECT_EQ(log.FindIndexAtTime(10), 0);

  // Times 300, 300, 300, 310, 320, 330, 330.
  ExpectLoad(log, WriteText("dive.ccl", PlainDive()), 0);
  EXPECT_EQ(log.FindIndexAtTime(300), 0);
  EXPECT_EQ(log.FindIndexAtTime(305), 3);
  EXPECT_EQ(log.FindIndexAtTime(330), 5);
  EXPECT_EQ(log.FindIndexAtTime(400), 6);

  ExpectLoad(log, WriteText("one.ccl", {PlainDive()[0], PlainSampleLine(1013)}), 0);
  EXPECT_EQ(log.FindIndexAtTime(100), 0);
}

TEST_F(KorrinLogTest, FirmwareFromTheVersionBlock) {
  // Version DC.00.05.00.39 is firmware 5.0.39: the opening line's last byte is then the sample
  // interval (20 s) and the legacy code, and line 28 no longer sets the interval.
  std::vector<Bytes> records = PlainDive();
  records[0] = Put(records[0], 30, Bytes{20});
  for (const Bytes& line : testlog::MemoryBlockLines(176, 1, 0x200000, FromHex("000000DC00050039"))) records.push_back(line);
  CKorrinLog log;
  ExpectLoad(log, WriteText("versioned.ccl", records), 0);
  EXPECT_EQ(log.GetFirmwareNumber(), 5000039);
  EXPECT_FALSE(log.IsFirmwareFlagA());
  EXPECT_TRUE(log.IsFirmwareFlagB());
  EXPECT_EQ(log.GetSampleInterval(), 20);
  EXPECT_EQ(log.GetSample(3)->GetTime(), 320);
  EXPECT_EQ(log.GetDive(0)->GetOpening().codeLegacy, 20);
  EXPECT_EQ(log.GetUnitConfig().GetVersionText(176), "DC.00.05.00.39");

  // The next log, without a version block, does not inherit the firmware.
  ExpectLoad(log, WriteText("dive.ccl", PlainDive()), 0);
  EXPECT_EQ(log.GetFirmwareNumber(), CKorrinLog::kFirmwareWithoutVersion);
  EXPECT_TRUE(log.IsFirmwareFlagA());
  EXPECT_EQ(log.GetSampleInterval(), 10);
  EXPECT_EQ(log.GetDive(0)->GetOpening().code, 1);
}

TEST_F(KorrinLogTest, SurfacePressureFallsBackWhenImplausible) {
  std::vector<Bytes> records = PlainDive();
  records[1] = PlainRecord(1);  // surface pressure 0
  CKorrinLog log;
  ExpectLoad(log, WriteText("no-surface.ccl", records), 0);
  EXPECT_DOUBLE_EQ(log.GetSurfacePressure(), 0);
  EXPECT_DOUBLE_EQ(log.GetAtmosphericPressure(), 1000);
  // The dive's start and end sit at that surface, not at 0 mbar.
  EXPECT_DOUBLE_EQ(log.GetSample(0)->GetAmbientPressure(), 1000);
  EXPECT_DOUBLE_EQ(log.GetSample(6)->GetAmbientPressure(), 1000);
  EXPECT_DOUBLE_EQ(log.GetSample(3)->GetSurfacePressure(), 1000);
}

TEST_F(KorrinLogTest, TimeStampedDiveThroughBinaryAndSecured) {
  const Bytes binary = testlog::BinaryLog(TimeStampedDive(), testlog::TimeStampedFirmwareHeader());
  CKorrinLog log, secured;
  ExpectLoad(log, Write("stamped.ccl", binary), 0);
  ExpectLoad(secured, Write("stamped-secured.ccl", Secure(binary)), 0);
  EXPECT_TRUE(log.IsTimeStamped());
  EXPECT_TRUE(log.GetGasList().GetGases().size() == 12);
  EXPECT_DOUBLE_EQ(log.GetSurfacePressure(), 1012);

  // The first opening line is 0 s and makes no sample; the dive start (60 s) takes the time of
  // the last sample made (none yet: 0); the second opening line lies 3600 s after the first.
  const std::vector<SampleView> expected = {
      {60, 0, 1012, 0, 21, 35, 30, 85, true, true, 1},       {70, 2012, 1012, 1.21, 21, 35, 30, 85, true, true, 1},
      {80, 3012, 1012, 1.21, 21, 35, 30, 85, true, true, 1}, {90, 2012, 1012, 1.21, 21, 35, 30, 85, true, true, 1},
      {100, 2012, 1012, 1.21, 21, 35, 30, 85, true, true, 1}, {110, 2012, 1012, 1.21, 21, 35, 30, 85, false, true, 0},
      {3600, 2012, 1012, 1.21, 21, 35, 30, 85, false, true, 1}, {3610, 1012, 1012, 1.21, 21, 35, 30, 85, false, true, 1}};
  EXPECT_EQ(Samples(log), expected);
  EXPECT_EQ(Samples(secured), expected);
  EXPECT_EQ(log.GetDiveStartTime(), 0);
  EXPECT_EQ(log.GetDiveEndTime(), 100);
  EXPECT_EQ(log.GetDiveCount(), 2);
  EXPECT_EQ(log.GetDive(0)->endTimeSec, 100);

  // Only the sample made before the compartment lines carries their values.
  const CKorrinLogSample& loaded = *log.GetSample(3);
  EXPECT_DOUBLE_EQ(loaded.GetNitrogenCompartments()[15], 1.0);
  EXPECT_DOUBLE_EQ(loaded.GetHeliumCompartments()[0], 2.0);
  EXPECT_DOUBLE_EQ(log.GetSample(4)->GetNitrogenCompartments()[0], 0.0);
  EXPECT_DOUBLE_EQ(log.GetSample(2)->GetNitrogenCompartments()[0], 0.0);

  // An end line of another dive leaves the end to the last sample inside the dive.
  ExpectLoad(log, Write("other-end.ccl", testlog::BinaryLog(TimeStampedDive(8), testlog::TimeStampedFirmwareHeader())), 0);
  EXPECT_EQ(log.GetDiveEndTime(), 3610);
}

TEST_F(KorrinLogTest, SolenoidWindowsOverlapWithoutRepeats) {
  // Each line covers the 104 s up to its base time; bit 0 of the first byte is the earliest.
  std::vector<Bytes> records = PlainDive();
  records.push_back(Put(Put(PlainRecord(49), 2, Word(200)), 6, FromHex("01")));
  records.push_back(Put(Put(PlainRecord(49), 2, Word(250)), 6, Bytes(13, 0xFF)));
  records.push_back(Put(PlainRecord(48), 2, Word(10)));  // plus the dive start: 207 to 310
  CKorrinLog log;
  ExpectLoad(log, WriteText("solenoid.ccl", records), 0);
  const auto& second = log.GetSecondSolenoidSeries();
  ASSERT_EQ(second.size(), 154u);
  EXPECT_EQ(second.front().GetTime(), 97);
  EXPECT_EQ(second.front().GetState(), 1);
  EXPECT_EQ(second[1].GetState(), 0);
  EXPECT_EQ(second[103].GetTime(), 200);
  EXPECT_EQ(second[104].GetTime(), 201);
  EXPECT_EQ(second[104].GetState(), 1);
  EXPECT_EQ(second.back().GetTime(), 250);
  const auto& first = log.GetFirstSolenoidSeries();
  ASSERT_EQ(first.size(), 104u);
  EXPECT_EQ(first.front().GetTime(), 207);
  EXPECT_EQ(first.back().GetTime(), 310);
}

TEST_F(KorrinLogTest, DanTextsFromAConvertedFile) {
  // The DAN record becomes lines 208 of a plain log.
  const Bytes dan = testlog::Record(34, testlog::DanEntry("ZDD", 13, TextBytes("Smith")) + testlog::DanEntry("ZDH", 3, TextBytes("x")));
  Bytes file = testlog::BinaryLog(PlainDive(), testlog::PlainFirmwareHeader());
  file.resize(file.size() - 4);
  file = file + dan;
  file = file + testlog::BigEndian32(testlog::Crc32(file));
  CKorrinLog log;
  ExpectLoad(log, Write("dan.ccl", file), 0);
  EXPECT_EQ(log.GetDanText().GetTexts()[33], "Smith");
}

TEST_F(KorrinLogTest, DamagedTextLogsFailCleanly) {
  const std::string whole = testlog::TextLog(PlainDive());
  // Every cut of the file: a line cut short fails its check, a cut at a line end reads what
  // precedes it.
  for (std::size_t length = 0; length <= whole.size(); ++length) {
    CKorrinLog log;
    const int result = log.Load(Write("cut.ccl", TextBytes(whole.substr(0, length))));
    EXPECT_TRUE(result == 0 || result == 2 || result == 3 || result == 4) << length << ": " << result;
  }

  // Short lines of every type with a valid check byte, and lines of all 0xFF bytes: nothing is
  // read past a line, and no value becomes unbounded.
  std::vector<std::string> lines = {testlog::TextLine(PlainDive()[0])};
  for (int type = 0; type < 256; ++type) {
    for (std::size_t length = 1; length < testlog::kPlainRecordBytes + 3; ++length) {
      Bytes record(length, 0xFF);
      record[0] = static_cast<unsigned char>(type);
      lines.push_back(testlog::TextLine(record));
    }
  }
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  CKorrinLog log;
  const int result = log.Load(Write("short.ccl", TextBytes(text)));
  EXPECT_TRUE(result == 0 || result == 3) << result << " " << log.GetErrorText();
  for (int i = 0; i < log.GetSampleCount(); ++i) {
    EXPECT_TRUE(std::isfinite(log.GetSample(i)->GetDepthB()));
    EXPECT_TRUE(std::isfinite(log.GetSample(i)->GetScaledValue()));
  }
  EXPECT_GE(log.GetSampleInterval(), 1);
  EXPECT_LE(log.GetSampleInterval(), 120);

  // Binary junk, and hex text with characters that are no digits.
  std::mt19937 random(1234);
  Bytes junk(4000);
  for (unsigned char& byte : junk) byte = static_cast<unsigned char>(random());
  junk[0] = '0';
  EXPECT_NE(log.Load(Write("junk.ccl", junk)), 0);
  EXPECT_EQ(log.Load(Write("letters.ccl", TextBytes("00zz\r\n"))), CKorrinLog::kBadLineChecksum);
}

TEST_F(KorrinLogTest, FarDatesLeaveTheTimeLineAlone) {
  // A clock line 255 years after the log date would need more seconds than an int holds: the
  // sample keeps the running time.
  std::vector<Bytes> records = PlainDive();
  records.insert(records.end() - 1, Put(PlainRecord(11), 2, DateBytes(31, 12, 2255, 23, 59, 59)));
  records.insert(records.end() - 1, Put(PlainRecord(11), 2, DateBytes(15, 3, 2024, 10, 6, 40)));
  CKorrinLog log;
  ExpectLoad(log, WriteText("far.ccl", records), 0);
  ASSERT_EQ(log.GetSampleCount(), 9);
  EXPECT_EQ(log.GetSample(6)->GetTime(), 330);
  EXPECT_EQ(log.GetSample(7)->GetTime(), 400);  // 10:06:40 is 400 s after 10:00:00
}

TEST_F(KorrinLogTest, DamagedBinaryLogsFailCleanly) {
  const Bytes binary = testlog::BinaryLog(TimeStampedDive(), testlog::TimeStampedFirmwareHeader());
  for (std::size_t length = 0; length < binary.size(); length += 7) {
    CKorrinLog log;
    const int result = log.Load(Write("cut.ccl", Bytes(binary.begin(), binary.begin() + static_cast<std::ptrdiff_t>(length))));
    EXPECT_NE(result, 0) << length;
  }
  for (std::size_t bit = 0; bit < binary.size() * 8; bit += 13) {
    Bytes flipped = binary;
    flipped[bit / 8] ^= static_cast<unsigned char>(1u << (bit % 8));
    CKorrinLog log;
    const int result = log.Load(Write("flip.ccl", flipped));
    EXPECT_TRUE(result >= 0 && result <= 5) << bit;
  }
}

TEST_F(KorrinLogTest, TooManyDivesAreRefused) {
  // An opening line on every fourth line, beyond what a log can hold.
  std::string text;
  const std::string opening = testlog::TextLine(PlainDive()[0]) + "\r\n";
  const std::string filler = testlog::TextLine(PlainRecord(5)) + "\r\n";
  text.reserve((CKorrinLog::kMaxDives + 1) * 4 * opening.size());
  for (std::size_t i = 0; i <= CKorrinLog::kMaxDives; ++i) text += opening + filler + filler + filler;
  CKorrinLog log;
  ExpectLoad(log, Write("many.ccl", TextBytes(text)), CKorrinLog::kInvalidData);
  EXPECT_EQ(log.GetErrorText(), "File opened ok but holds more dives or samples than can be read");
}
