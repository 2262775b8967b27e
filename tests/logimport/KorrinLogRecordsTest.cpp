// The records of a dive log one line at a time: pre-dive record, samples, unit configuration,
// header, gas list and DAN texts. Expected values are worked out by hand from the line layouts.
#include <gtest/gtest.h>

#include <cmath>

#include "logimport/KorrinLogPreDive.h"
#include "logimport/KorrinLogRecords.h"
#include "logimport/KorrinLogSample.h"
#include "logimport/KorrinUnitConfig.h"
#include "logimport/LogLineFields.h"
#include "tests/logimport/writers/TextLogWriter.h"

using testlog::Bytes;
using testlog::DateBytes;
using testlog::FromHex;
using testlog::PlainRecord;
using testlog::Put;
using testlog::StampedRecord;
using testlog::TextLine;
using testlog::Word;

namespace {

// Known lines worked out by hand: an opening line of 15/03/24 10:20:30 with totals 100, 50 and
// 16 and code 5; a line 1 with the surface pressure 1013; a sample line at 3000 mbar with both
// sets' cells at 1.20, 1.22 and 1.30.
constexpr const char* kOpeningLine = "000F03180A141E00006400003200100557";
constexpr const char* kSurfaceLine = "0100000000000000000003F500000000F7";
constexpr const char* kSampleLine = "060BB8787A82000000787A8200000000B5";

std::string Plain(unsigned char type, std::size_t at, const Bytes& value) { return TextLine(Put(PlainRecord(type), at, value)); }

CKorrinLogSample PlainSample(const std::string& line, double surfaceMbar = 1000) {
  CKorrinLogSample sample;
  sample.Parse(7, line);
  sample.SetSurfacePressure(surfaceMbar);
  return sample;
}

}  // namespace

TEST(LogLineEncoder, WritesTheHandWorkedLines) {
  EXPECT_EQ(TextLine(Put(Put(Put(PlainRecord(0), 2, DateBytes(15, 3, 2024, 10, 20, 30)), 14, FromHex("000064000032")),
                         26, FromHex("001005"))),
            kOpeningLine);
  EXPECT_EQ(Plain(1, 20, Word(1013)), kSurfaceLine);
  EXPECT_EQ(Plain(6, 2, FromHex("0BB8787A82000000787A82")), kSampleLine);
}

TEST(LogLineFields, ReadsWithinTheLineOnly) {
  EXPECT_EQ(logline::Word("0112345", 2), 0x1234);
  EXPECT_EQ(logline::Word("01123", 2), 0);  // the field runs past the end
  EXPECT_EQ(logline::Byte("01", 40), 0);
  EXPECT_EQ(logline::SignedWord("01FFF6", 2), -10);
  EXPECT_EQ(logline::SignedByte("0180", 2), -128);
  EXPECT_EQ(logline::Hex("01zz", 2, 2), static_cast<std::uint32_t>((('z' - 87) * 16 + ('z' - 87)) & 0xFF));
  EXPECT_DOUBLE_EQ(logline::Stamp("0000400100"), 20.0);
  EXPECT_DOUBLE_EQ(logline::Float("003F800000", 2), 1.0);
  EXPECT_DOUBLE_EQ(logline::Float("007FC00000", 2), 0.0);  // not a number
  EXPECT_DOUBLE_EQ(logline::Float("007F800000", 2), 0.0);  // infinity
  EXPECT_DOUBLE_EQ(logline::DeviceFloat("000000007F", 2), 1.0);
  EXPECT_DOUBLE_EQ(logline::DeviceFloat("0000008080", 2), -2.0);
  EXPECT_DOUBLE_EQ(logline::DeviceFloat("0000007FFF", 2), 0.0);  // the device's infinity
  EXPECT_FALSE(logline::DateTime("001F02", 2).IsValid());
  EXPECT_EQ(logline::Text("0141420041", 2), std::string("AB\0", 3));
  EXPECT_EQ(logline::Text("01", 2), "");
}

TEST(LogDateTime, CountsSecondsExactly) {
  const CLogDateTime y2k = CLogDateTime::FromFields(2000, 1, 1, 0, 0, 0);
  EXPECT_EQ(y2k.GetSeconds(), 36526LL * 86400);  // day 36526 of the count that starts on 30/12/1899
  EXPECT_EQ(CLogDateTime::FromFields(1899, 12, 30, 0, 0, 1).GetSeconds(), 1);
  EXPECT_TRUE(CLogDateTime::FromFields(2024, 2, 29, 23, 59, 59).IsValid());
  EXPECT_FALSE(CLogDateTime::FromFields(2023, 2, 29, 0, 0, 0).IsValid());
  EXPECT_FALSE(CLogDateTime::FromFields(2024, 1, 1, 24, 0, 0).IsValid());
  EXPECT_EQ(CLogDateTime::FromFields(2024, 3, 15, 10, 20, 30).Format("%d %B %Y %H:%M:%S"), "15 March 2024 10:20:30");
  EXPECT_EQ(CLogDateTime::FromFields(1900, 3, 1, 0, 0, 0).Format("%d/%m/%Y"), "01/03/1900");
  // The latest date a log line can hold lies more seconds away than an int holds.
  const auto span = CLogDateTime::FromFields(2000, 1, 1, 0, 0, 0).SecondsUntil(CLogDateTime::FromFields(2255, 12, 31, 23, 59, 59));
  ASSERT_TRUE(span);
  EXPECT_EQ(*span, (130027LL - 36526LL) * 86400 + 86399);  // 31/12/2255 is day 130027
  EXPECT_FALSE(FitInt(span));
  EXPECT_FALSE(CLogDateTime().SecondsUntil(y2k));
  EXPECT_EQ(WholeSeconds(1e12), 2147483647);
  EXPECT_EQ(WholeSeconds(-2.9), -2);
}

TEST(KorrinLogPreDive, OpeningCodeFollowsTheFirmware) {
  CKorrinLogPreDive before;
  EXPECT_EQ(before.GetOpening().codeLegacy, 10);

  CKorrinLogPreDive old;
  old.SetFirmwareVersion(5000039);
  old.Parse(0, kOpeningLine);
  EXPECT_EQ(old.GetOpening().codeLegacy, 5);
  EXPECT_EQ(old.GetOpening().code, 0);
  EXPECT_EQ(old.GetOpening().totalA, 100);
  EXPECT_EQ(old.GetOpening().totalB, 50);
  EXPECT_EQ(old.GetOpening().totalC, 16);
  EXPECT_EQ(old.GetOpening().time.Format("%d/%m/%Y %H:%M:%S"), "15/03/2024 10:20:30");

  CKorrinLogPreDive newer;
  newer.SetFirmwareVersion(5000040);
  newer.Parse(0, kOpeningLine);
  EXPECT_EQ(newer.GetOpening().code, 5);
  EXPECT_EQ(newer.GetOpening().codeLegacy, 10);

  // A 65-character or 33-character line of a known type changes nothing.
  CKorrinLogPreDive record;
  record.Parse(0, std::string(kOpeningLine).substr(0, 33));
  record.Parse(0, std::string(kOpeningLine) + std::string(31, '0'));
  EXPECT_FALSE(record.GetOpening().logged);
  record.SetTimeStamped(true);
  record.Parse(1, std::string(65, '1'));
  EXPECT_FALSE(record.GetLine1().logged);
}

TEST(KorrinLogPreDive, LineSevenByte48OnlyAfter3009035) {
  const std::string line = Plain(7, 14, FromHex("1100220000000000AB"));
  CKorrinLogPreDive old;
  old.SetFirmwareVersion(3009035);
  old.Parse(7, line);
  EXPECT_EQ(old.GetPreDiveSample().byte14, 0x11);
  EXPECT_EQ(old.GetPreDiveSample().byte18, 0x22);
  EXPECT_EQ(old.GetPreDiveSample().readings.byte48, 0);
  CKorrinLogPreDive newer;
  newer.SetFirmwareVersion(3009036);
  newer.Parse(7, line);
  EXPECT_EQ(newer.GetPreDiveSample().readings.byte48, 0xAB);
}

TEST(KorrinLogPreDive, EndLineSpansAndWithdrawal) {
  CKorrinLogPreDive record;
  EXPECT_EQ(record.GetSpanAText(), "Not logged");
  EXPECT_DOUBLE_EQ(record.GetEndValue(), 0.0);
  const std::string end = Plain(8, 2, DateBytes(15, 3, 2024, 11, 0, 0) + Word(3600) + Word(1234) + Word(0x5A) + Word(0));
  record.Parse(8, end);
  EXPECT_TRUE(record.WasLogged(8));
  EXPECT_FALSE(record.WasLogged(127));
  EXPECT_FALSE(record.WasLogged(3));
  EXPECT_EQ(record.GetSpanAText(), "01:30 hh:mm");
  EXPECT_EQ(record.GetSpanBText(), "00:00 hh:mm");
  EXPECT_DOUBLE_EQ(record.GetEndValue(), 12.34);
  EXPECT_EQ(record.GetEndLine().durationSec, 3600);
  EXPECT_EQ(record.GetEndLine().time.Format("%H:%M"), "11:00");

  // A span of a day and more shows its total hours.
  record.Parse(8, Plain(8, 22, Word(1600)));
  EXPECT_EQ(record.GetSpanAText(), "26:40 hh:mm");

  record.Parse(19, TextLine(PlainRecord(19)));
  EXPECT_FALSE(record.WasLogged(8));
  EXPECT_EQ(record.GetSpanAText(), "Not logged");
  EXPECT_EQ(record.GetSpanBText(), "Not logged");
  EXPECT_DOUBLE_EQ(record.GetEndValue(), 0.0);
}

TEST(KorrinLogPreDive, TextsNumbersAndTimes) {
  CKorrinLogPreDive record;
  record.Parse(32, Plain(32, 2, FromHex("4142007E43")));
  EXPECT_EQ(record.GetText(), "ABC");
  record.Parse(66, Plain(66, 2, FromHex("07") + FromHex("3132333435")));
  EXPECT_EQ(record.GetLine66().decimalNumber, 12345);
  record.Parse(2, Plain(2, 2, Word(1005)));
  EXPECT_DOUBLE_EQ(record.GetLatestValue(), 1005);
  record.Parse(1, kSurfaceLine);
  EXPECT_DOUBLE_EQ(record.GetLatestValue(), 1013);
  record.Parse(3, Plain(3, 2, DateBytes(1, 4, 2024, 9, 0, 0) + DateBytes(1, 4, 2024, 10, 0, 0) + Word(7) + Bytes{0xFE}));
  EXPECT_EQ(record.GetStartTime().Format("%H:%M"), "09:00");
  EXPECT_EQ(record.GetEndTime().Format("%H:%M"), "10:00");
  EXPECT_EQ(record.GetLine3().signedByte, -2);

  // The time-stamped line 2 counts its stamp (0x00014000 / 4096 = 20 s) from the opening line.
  CKorrinLogPreDive stamped;
  stamped.SetTimeStamped(true);
  stamped.Parse(0, TextLine(Put(StampedRecord(0, 0), 10, DateBytes(15, 3, 2024, 10, 20, 30))));
  stamped.Parse(2, TextLine(Put(Put(StampedRecord(2, 0x14000), 10, Word(1013)), 36, FromHex("3132333435"))));
  EXPECT_EQ(stamped.GetLine2().time.Format("%H:%M:%S"), "10:20:50");
  EXPECT_EQ(stamped.GetLine66().decimalNumber, 12345);
  EXPECT_DOUBLE_EQ(stamped.GetLatestValue(), 1013);
}

TEST(KorrinLogSample, VotedReadings) {
  CKorrinLogSample sample = PlainSample(kSampleLine);
  EXPECT_EQ(sample.GetTime(), 7);
  EXPECT_DOUBLE_EQ(sample.GetAmbientPressure(), 3000);
  EXPECT_NEAR(sample.GetValue(3), 1.21, 1e-12);
  EXPECT_NEAR(sample.GetValue(7), 1.21, 1e-12);
  EXPECT_DOUBLE_EQ(sample.GetValue(1), 1.22);
  EXPECT_DOUBLE_EQ(sample.GetValue(8), 0.0);
  EXPECT_DOUBLE_EQ(sample.GetValue(-1), 0.0);
  EXPECT_DOUBLE_EQ(sample.GetDepth(), 20.0);

  // 0.50, 0.75, 1.00: two equal smallest differences give the first reading.
  EXPECT_DOUBLE_EQ(PlainSample(Plain(6, 6, FromHex("324B64"))).GetValue(3), 0.50);

  // Status bits exclude readings; all three excluded gives line 7's fallback (0.70).
  CKorrinLogSample excluded;
  excluded.ParseExtended(7, Plain(7, 8, FromHex("46")));
  excluded.Parse(0, Plain(6, 6, FromHex("787A82000007787A82000003")));
  EXPECT_DOUBLE_EQ(excluded.GetValue(3), 0.70);
  EXPECT_DOUBLE_EQ(excluded.GetValue(7), 1.30);
  excluded.Parse(0, Plain(6, 6, FromHex("787A82000001")));
  EXPECT_NEAR(excluded.GetValue(3), 1.26, 1e-12);
}

TEST(KorrinLogSample, PressuresDepthsAndIntervals) {
  CKorrinLogSample sample;
  for (double kept : {600.0, 1080.0}) {
    sample.SetSurfacePressure(kept);
    EXPECT_DOUBLE_EQ(sample.GetSurfacePressure(), kept);
  }
  for (double replaced : {599.0, 1081.0, 0.0, std::nan("")}) {
    sample.SetSurfacePressure(replaced);
    EXPECT_DOUBLE_EQ(sample.GetSurfacePressure(), 1000.0);
  }
  sample.SetSurfacePressure(1013);
  sample.SetAmbientPressure(1013);
  EXPECT_DOUBLE_EQ(sample.GetDepth(), 0.0);
  sample.SetAmbientPressure(1000);
  EXPECT_DOUBLE_EQ(sample.GetDepth(), 0.0);

  sample.SetSampleInterval(0);
  EXPECT_EQ(sample.GetSampleInterval(), 1);
  sample.SetSampleInterval(200);
  EXPECT_EQ(sample.GetSampleInterval(), 120);

  // Line 7's last byte: the interval (255 meaning 10) up to firmware 3.9.35, a byte after it.
  const std::string line7 = Plain(7, 30, FromHex("FF"));
  CKorrinLogSample old;
  old.SetFirmwareVersion(3009035);
  old.SetSampleInterval(30);
  old.ParseExtended(7, line7);
  EXPECT_EQ(old.GetSampleInterval(), 10);
  CKorrinLogSample newer;
  newer.SetFirmwareVersion(3009036);
  newer.SetSampleInterval(30);
  newer.ParseExtended(7, line7);
  EXPECT_EQ(newer.GetSampleInterval(), 30);
  EXPECT_EQ(newer.GetReadings().byte48, 0xFF);

  // Line 12: the second pressure pair and the scaled float (0x3F000000 = 0.5).
  CKorrinLogSample pair;
  pair.ParseExtended(12, Plain(12, 6, Word(2500) + Word(0) + Word(1000) + Word(250) + FromHex("3F000000")));
  EXPECT_DOUBLE_EQ(pair.GetDepthB(), 15.0);
  EXPECT_DOUBLE_EQ(pair.GetScaledValue(), 50.0);
  EXPECT_DOUBLE_EQ(pair.GetValueE(), 2.5);
  pair.ParseExtended(12, Plain(12, 6, Word(900) + Word(0) + Word(1000)));
  EXPECT_DOUBLE_EQ(pair.GetDepthB(), 0.0);
}

TEST(KorrinLogSample, DiveStateBetweenStartAndEndDepth) {
  const auto state = [](int ambientMbar, unsigned char previous) {
    CKorrinLogSample sample;
    sample.ParseExtended(13, Plain(13, 4, FromHex("050A")));  // end depth 5 m, start depth 10 m
    sample.Parse(0, Plain(6, 2, Word(ambientMbar)));
    sample.SetSurfacePressure(1000);
    return sample.UpdateDiveState(previous);
  };
  EXPECT_EQ(state(2000, 0), 0);  // 10.0 m
  EXPECT_EQ(state(2010, 0), 1);  // 10.1 m
  EXPECT_EQ(state(1490, 1), 0);  // 4.9 m
  EXPECT_EQ(state(1500, 1), 1);  // 5.0 m
  CKorrinLogSample withoutLine13;
  EXPECT_EQ(withoutLine13.UpdateDiveState(1), 1);
  EXPECT_EQ(withoutLine13.GetDiveState(), 0);
}

TEST(KorrinLogSample, ExtendedLinesOfBothLayouts) {
  CKorrinLogSample plain;
  plain.ParseExtended(9, Plain(9, 2, FromHex("1523") + FromHex("0A00") + Bytes(8, 0) + FromHex("1E55")));
  EXPECT_EQ(plain.GetExtended().pairFirst[0], 0x15);
  EXPECT_EQ(plain.GetExtended().pairSecond[0], 0x23);
  EXPECT_EQ(plain.GetExtended().pairFirst[1], 10);
  EXPECT_DOUBLE_EQ(plain.GetGfLow(), 30);
  EXPECT_DOUBLE_EQ(plain.GetGfHigh(), 85);
  plain.ParseExtended(64, Plain(64, 2, Word(123) + Word(4567) + Word(89) + Word(1) + Word(2) + Word(3) + Word(250) + Bytes{10}));
  const auto& values = plain.GetExtended().line64Values;
  EXPECT_DOUBLE_EQ(values[0], 12.3);
  EXPECT_DOUBLE_EQ(values[1], 45.67);
  EXPECT_DOUBLE_EQ(values[2], 8.9);
  EXPECT_DOUBLE_EQ(values[6], 2.5);
  EXPECT_DOUBLE_EQ(values[7], 2.5);

  // Line 26 holds exactly 26 characters; its sixth word takes in the check byte's place.
  const std::string line26 = TextLine(Bytes{26} + Word(1) + Word(2) + Word(3) + Word(4) + Word(5)) + "00";
  ASSERT_EQ(line26.size(), 26u);
  plain.ParseExtended(26, line26);
  EXPECT_DOUBLE_EQ(plain.GetExtended().wordValues[6], 1);
  EXPECT_DOUBLE_EQ(plain.GetExtended().wordValues[11], std::stoi(line26.substr(22, 4), nullptr, 16));
  CKorrinLogSample longLine26;
  longLine26.ParseExtended(26, Plain(26, 2, Word(1)));
  EXPECT_DOUBLE_EQ(longLine26.GetExtended().wordValues[6], -1);

  // Time-stamped compartments: line 35 fills only 12-15 of the first set, line 38 of the second.
  CKorrinLogSample stamped;
  stamped.SetTimeStamped(true);
  Bytes ones;
  for (int i = 0; i < 6; ++i) ones = ones + FromHex("0000007F");  // 1.0 each
  stamped.ParseExtended(35, TextLine(Put(StampedRecord(35, 0), 10, ones)));
  stamped.ParseExtended(38, TextLine(Put(StampedRecord(38, 0), 10, ones)));
  for (int i = 0; i < 16; ++i) {
    EXPECT_DOUBLE_EQ(stamped.GetNitrogenCompartments()[static_cast<std::size_t>(i)], i >= 12 ? 1.0 : 0.0) << i;
    EXPECT_DOUBLE_EQ(stamped.GetHeliumCompartments()[static_cast<std::size_t>(i)], i >= 12 ? 1.0 : 0.0) << i;
  }
  // Line 12 brings the gas and line 13 the gradient factors and the status bytes.
  stamped.ParseExtended(12, TextLine(Put(StampedRecord(12, 0), 40, FromHex("1223"))));
  stamped.ParseExtended(13, TextLine(Put(Put(StampedRecord(13, 0), 26, FromHex("2850")), 38, FromHex("04"))));
  EXPECT_DOUBLE_EQ(stamped.GetO2Percent(), 18);
  EXPECT_DOUBLE_EQ(stamped.GetHePercent(), 35);
  EXPECT_DOUBLE_EQ(stamped.GetGfLow(), 40);
  EXPECT_DOUBLE_EQ(stamped.GetGfHigh(), 80);
  EXPECT_TRUE(stamped.IsInsideDive());
  // A plain-length line changes nothing in the time-stamped layout.
  stamped.ParseExtended(13, Plain(13, 2, FromHex("0000000000000000")));
  EXPECT_DOUBLE_EQ(stamped.GetGfLow(), 40);
}

TEST(KorrinLogSample, ShortSampleLineSetsOnlyTheTime) {
  CKorrinLogSample sample;
  sample.Parse(42, std::string(kSampleLine).substr(0, 32));
  EXPECT_EQ(sample.GetTime(), 42);
  EXPECT_DOUBLE_EQ(sample.GetAmbientPressure(), 0);
  EXPECT_DOUBLE_EQ(sample.GetValue(3), 0);
}

namespace {

// A configuration block image of 256 bytes with the given bytes set.
Bytes ConfigurationImage(std::initializer_list<std::pair<std::size_t, Bytes>> fields) {
  Bytes image(256, 0);
  for (std::size_t i = 128; i < 128 + 63; i += 3) image[i] = 255;  // no entries
  for (const auto& [at, bytes] : fields) std::copy(bytes.begin(), bytes.end(), image.begin() + static_cast<std::ptrdiff_t>(at));
  return image;
}

void LoadBlock(CKorrinUnitConfig& config, unsigned char device, std::uint32_t address, const Bytes& image) {
  const auto lines = testlog::MemoryBlockLines(device, 1, address, image);
  config.ReadBlockLines(TextLine(lines[0]), TextLine(lines[1]));
}

Bytes Ascii(const std::string& text) { return Bytes(text.begin(), text.end()); }

}  // namespace

TEST(KorrinUnitConfig, DecodesBothLayouts) {
  CKorrinUnitConfig config;
  config.ClearBlocks();
  LoadBlock(config, 176, 0x4000,
            ConfigurationImage({{0, Ascii("AB")}, {18, Ascii("  Second name")}, {36, Ascii("31122008")}, {44, Ascii("XY Z12")},
                                {50, {42, 3, 4, 2, 1, 0}}, {64, Ascii(" Further")}, {128, {7, 0x01, 0x02}}}));
  LoadBlock(config, 178, 0x2000,
            ConfigurationImage({{36, Ascii("31022008")}, {44, {1, 3}}, {56, Ascii("CODE8")}, {51, {1}}}));
  config.Decode();

  const auto& earlier = config.GetTexts(176);
  EXPECT_EQ(earlier.name, "AB");
  EXPECT_EQ(earlier.name2, "Second name");
  EXPECT_EQ(earlier.date, "31/12/2008");
  EXPECT_EQ(earlier.code, "XY Z12");
  EXPECT_EQ(earlier.number, "42");
  EXPECT_EQ(earlier.option44, "");
  EXPECT_EQ(earlier.bit0, "");
  EXPECT_EQ(earlier.wing, "Unknown value");
  EXPECT_EQ(earlier.size, "XX Large");
  EXPECT_EQ(earlier.size2, "X Large");
  EXPECT_EQ(earlier.option54, "Yes");
  EXPECT_EQ(earlier.option55, "No");
  EXPECT_EQ(earlier.textC, " Further");
  EXPECT_EQ(earlier.entryCount, 1);
  EXPECT_EQ(earlier.entryIds[0], 7);
  EXPECT_EQ(earlier.entryValues[0], 0x0102);

  const auto& later = config.GetTexts(178);
  EXPECT_EQ(later.date, "Invalid Date");
  EXPECT_EQ(later.code, "CODE8");
  EXPECT_EQ(later.option44, "Yes");
  EXPECT_EQ(later.bit0, "Yes");
  EXPECT_EQ(later.bit1, "Yes");
  EXPECT_EQ(later.wing, "");
  EXPECT_EQ(later.size, "");
  EXPECT_EQ(later.option54, "");
  EXPECT_EQ(later.entryCount, 0);

  EXPECT_EQ(config.GetTexts(180).name, "");
  EXPECT_EQ(config.GetTexts(180).date, "");

  // Later layout without byte 44: "No", and the choices shown.
  LoadBlock(config, 180, 0x2000, ConfigurationImage({{56, Ascii("C")}, {51, {2}}, {45, {2}}}));
  config.Decode();
  EXPECT_EQ(config.GetTexts(180).option44, "No");
  EXPECT_EQ(config.GetTexts(180).wing, "Jacket");
  EXPECT_EQ(config.GetTexts(180).bit0, "No");
  EXPECT_EQ(config.GetTexts(180).bit1, "Yes");

  config.ClearBlocks();
  EXPECT_FALSE(config.IsLoaded(176, CKorrinUnitConfig::Region::kConfiguration));
  EXPECT_EQ(config.GetTexts(176).name, "");
  config.Decode();
  EXPECT_EQ(config.GetTexts(176).entryCount, 0);
}

TEST(KorrinUnitConfig, VersionBlocks) {
  CKorrinUnitConfig config;
  config.ClearBlocks();
  EXPECT_EQ(config.GetVersionBlockSize(176), 8);
  EXPECT_FALSE(config.IsVersionValid(176));
  EXPECT_EQ(config.GetVersionText(176), "");
  LoadBlock(config, 176, 0x200000, FromHex("000000DC01024599"));
  EXPECT_TRUE(config.IsVersionValid(176));
  EXPECT_EQ(config.GetVersionText(176), "DC.01.02.45.99");
  LoadBlock(config, 176, 0x200000, FromHex("000000DC0102459A"));
  EXPECT_FALSE(config.IsVersionValid(176));
  LoadBlock(config, 178, 0x200000, FromHex("000000CC00084599"));
  EXPECT_TRUE(config.IsVersionValid(178));
  LoadBlock(config, 180, 0x200000, FromHex("000000CC01084599"));  // byte 4 must be 0
  EXPECT_FALSE(config.IsVersionValid(180));
  LoadBlock(config, 188, 0x200000, FromHex("000000CC00084599"));  // not one of the three
  EXPECT_FALSE(config.IsVersionValid(188));
  EXPECT_EQ(config.GetVersionText(188), "");
}

TEST(KorrinUnitConfig, LineLengthsAndBounds) {
  CKorrinUnitConfig config;
  config.ClearBlocks();
  const std::string header = TextLine(Bytes{0xB0, 176, 1} + testlog::BigEndian32(0x4000));
  // 515 characters are too few for a configuration block; 516 are enough.
  std::string data(515, '1');
  config.ReadBlockLines(header, data);
  EXPECT_FALSE(config.IsLoaded(176, CKorrinUnitConfig::Region::kConfiguration));
  config.ReadBlockLines(header, data + "1");
  EXPECT_TRUE(config.IsLoaded(176, CKorrinUnitConfig::Region::kConfiguration));
  EXPECT_EQ(config.GetBlock(176, CKorrinUnitConfig::Region::kConfiguration)[255], 0x11);

  // A data line far longer than its block fills the block and no more.
  LoadBlock(config, 178, 0, Bytes(4096, 0x5A));
  const auto& data178 = config.GetBlock(178, CKorrinUnitConfig::Region::kData);
  ASSERT_EQ(data178.size(), 256u);
  EXPECT_EQ(data178.back(), 0x5A);
  LoadBlock(config, 176, 0, Bytes(1023, 0x5A));  // 2050 characters: too short for the primary's data
  EXPECT_FALSE(config.IsLoaded(176, CKorrinUnitConfig::Region::kData));
  LoadBlock(config, 176, 0, Bytes(1024, 0x5A));
  EXPECT_TRUE(config.IsLoaded(176, CKorrinUnitConfig::Region::kData));

  // Other addresses, devices and empty header lines are ignored.
  LoadBlock(config, 176, 0x4001, Bytes(256, 1));
  LoadBlock(config, 160, 0x1000, Bytes(256, 1));
  config.ReadBlockLines("", "");
  config.ReadBlockLines("B0", std::string(600, 'F'));
  EXPECT_FALSE(config.IsLoaded(180, CKorrinUnitConfig::Region::kConfiguration));
  EXPECT_TRUE(config.GetBlock(999, CKorrinUnitConfig::Region::kVersion).empty());
}

TEST(KorrinLogRecords, HeaderLines) {
  CKorrinLogHeader header;
  EXPECT_EQ(header.GetLatitude().letter, "N");
  EXPECT_EQ(header.GetLongitude().letter, "W");
  header.Parse(128, TextLine(Bytes{128} + Ascii("Reef")));
  header.Parse(141, TextLine(Bytes{141} + Ascii("Boat")));
  header.Parse(133, TextLine(Bytes{133} + Ascii("S") + Bytes{33, 52, 10} + Ascii("E") + Bytes{151, 12, 30}));
  header.Parse(135, TextLine(Bytes{135, 9}));
  EXPECT_EQ(header.GetTexts()[0], "Reef");
  EXPECT_EQ(header.GetTexts()[6], "Boat");
  EXPECT_EQ(header.GetLatitude().letter, "S");
  EXPECT_EQ(header.GetLatitude().values[1], 52);
  EXPECT_EQ(header.GetLongitude().letter, "E");
  EXPECT_EQ(header.GetLongitude().values[0], 151);
  EXPECT_EQ(header.GetValues()[1], 9);

  // Line 139 needs 42 characters for its 19 flags.
  const Bytes flags = Bytes{139} + Bytes(19, 1);
  header.Parse(139, TextLine(Bytes(flags.begin(), flags.end() - 1)));
  EXPECT_EQ(header.GetFlags()[0], 0);
  header.Parse(139, TextLine(flags));
  EXPECT_EQ(header.GetFlags()[18], 1);
  header.Parse(133, "8553");  // too short
  EXPECT_EQ(header.GetLatitude().letter, "S");
  header.Reset();
  EXPECT_EQ(header.GetLatitude().letter, "N");
  EXPECT_EQ(header.GetTexts()[0], "");
}

TEST(KorrinLogRecords, GasList) {
  CKorrinLogGasList gases;
  EXPECT_EQ(gases.GetGases()[11].o2Percent, 21);
  EXPECT_EQ(gases.GetFirstValue(), 100);
  gases.Parse(9, Plain(9, 2, FromHex("1523") + FromHex("3200")));
  gases.Parse(25, Plain(25, 22, FromHex("0A46")));
  EXPECT_EQ(gases.GetGases()[0].o2Percent, 21);
  EXPECT_EQ(gases.GetGases()[0].hePercent, 35);
  EXPECT_EQ(gases.GetGases()[1].o2Percent, 50);
  EXPECT_EQ(gases.GetGases()[11].o2Percent, 10);
  EXPECT_EQ(gases.GetGases()[11].hePercent, 70);

  // Line 160: six-digit values in hundredths; the fourth and fifth kept at 400 at most.
  gases.Parse(160, TextLine(Bytes{160} + FromHex("0004D2" "000064" "000000" "009C41" "00FFFF")));
  EXPECT_DOUBLE_EQ(gases.GetLine160Values()[0], 12.34);
  EXPECT_DOUBLE_EQ(gases.GetLine160Values()[1], 1.0);
  EXPECT_DOUBLE_EQ(gases.GetLine160Values()[3], 400.0);
  EXPECT_DOUBLE_EQ(gases.GetLine160Values()[4], 400.0);
  gases.Parse(161, TextLine(Bytes{161} + FromHex("000001" "000000" "000000" "000000" "000000")));
  gases.Parse(172, TextLine(Bytes{172} + FromHex("000002" "000000" "000000" "000000" "000000")));
  EXPECT_DOUBLE_EQ(gases.GetLaterValues()[0], 0.02);

  // In the time-stamped layout line 9 is 66 characters; a plain-length one changes nothing.
  CKorrinLogGasList stamped;
  stamped.SetTimeStamped(true);
  stamped.Parse(9, Plain(9, 2, FromHex("0A46")));
  EXPECT_EQ(stamped.GetGases()[0].o2Percent, 21);
  stamped.Parse(9, TextLine(Put(StampedRecord(9, 0), 42, FromHex("0A46"))));
  EXPECT_EQ(stamped.GetGases()[8].o2Percent, 10);
  stamped.Reset();
  EXPECT_EQ(stamped.GetGases()[8].o2Percent, 21);
}

TEST(KorrinLogRecords, DanTextSlots) {
  const auto danLine = [](const std::string& segment, const std::string& number, const std::string& text) {
    return TextLine(Bytes{0xD0} + Ascii(segment) + Ascii(number) + Ascii(text));
  };
  CKorrinLogDanText dan;
  dan.ParseLine(danLine("ZDD", "13", "Last"));
  dan.ParseLine(danLine("ZDH", "03", "Dropped"));
  dan.ParseLine(danLine("FSH", "05", "Fifth"));
  dan.ParseLine(danLine("ZSR", "15", "End"));
  dan.ParseLine(danLine("ZPD", "02", "NoSlot"));
  EXPECT_EQ(dan.GetTexts()[33], "Last");
  EXPECT_EQ(dan.GetTexts()[2], "Fifth");
  EXPECT_EQ(dan.GetTexts()[46], "End");
  int filled = 0;
  for (const auto& text : dan.GetTexts()) filled += text.empty() ? 0 : 1;
  EXPECT_EQ(filled, 3);
  EXPECT_EQ(CKorrinLogDanText::GetSegmentId("ZSR"), 8);
  EXPECT_EQ(CKorrinLogDanText::GetSegmentId("ZZZ"), 255);
  EXPECT_EQ(CKorrinLogDanText::SlotOf(3, 6), 22);
  EXPECT_EQ(CKorrinLogDanText::SlotOf(7, 2), -1);
  // Lines too short for a segment and a number are dropped whole.
  dan.ParseLine("D05A44443133");
  dan.ParseLine("D0");
  EXPECT_EQ(dan.GetTexts()[33], "Last");
}
