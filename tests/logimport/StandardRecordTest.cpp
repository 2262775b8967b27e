#include "logimport/StandardRecord.h"

#include <gtest/gtest.h>

#include "logimport/DatalogRecords.h"
#include "logimport/FileHeaderRecord.h"
#include "logimport/KeyMaterial.h"
#include "logimport/LogKeystream.h"
#include "logimport/MemoryBlockRecord.h"
#include "tests/logimport/writers/LogWriter.h"

using testlog::Bytes;
using testlog::FromHex;

namespace {

// Loads a record from the wire bytes a writer made.
CStandardRecord LoadWire(const Bytes& wire) {
  CStandardRecord record(static_cast<std::uint16_t>(wire[0] << 8 | wire[1]));
  const std::uint32_t length = static_cast<std::uint32_t>(wire.size() - 10);
  record.Load(wire.data() + 6, length, wire.data() + 6 + length);
  return record;
}

const std::array<unsigned char, 16>& Seed() { return logimport::CurrentKeyMaterial().keystreamSeed; }

template <typename Decoder>
Decoder WithData(const Bytes& data) {
  Decoder decoder;
  decoder.SetData(data.data(), data.size());
  return decoder;
}

CSRFileHeader Header(const testlog::HeaderFields& fields) { return WithData<CSRFileHeader>(testlog::HeaderData(fields)); }

}  // namespace

TEST(StandardRecord, ChecksumDecidesValidity) {
  CStandardRecord record = LoadWire(testlog::Record(0x0110, FromHex("4142")));
  EXPECT_TRUE(record.IsValid());
  EXPECT_EQ(record.GetType(), 0x0110);
  EXPECT_EQ(record.GetDataLength(), 2u);
  EXPECT_EQ(record.GetTotalLength(), 12u);
  ASSERT_NE(record.GetData(), nullptr);
  EXPECT_EQ(record.GetData()[1], 0x42);

  Bytes flipped = testlog::Record(0x0110, FromHex("4142"));
  flipped[7] ^= 0x01;
  CStandardRecord bad = LoadWire(flipped);
  EXPECT_FALSE(bad.IsValid());
  EXPECT_EQ(bad.GetData(), nullptr);

  CStandardRecord empty = LoadWire(testlog::Record(0, {}));
  EXPECT_TRUE(empty.IsValid());
  EXPECT_EQ(empty.GetCrc(), 0xB1C2A1A3u);

  const unsigned char stored[4] = {};
  CStandardRecord noData(16);
  EXPECT_FALSE(noData.Load(nullptr, 5, stored));  // five bytes promised, none given
  EXPECT_FALSE(noData.IsValid());
}

TEST(StandardRecord, ReplaceDataRewritesTheChecksum) {
  Bytes wire = testlog::Record(32, FromHex("0102030405"));
  wire[8] ^= 0xFF;  // corrupt: invalid, but the image exists
  CStandardRecord record = LoadWire(wire);
  ASSERT_FALSE(record.IsValid());
  const Bytes four = FromHex("01020304");
  EXPECT_FALSE(record.ReplaceData(four.data(), four.size()));
  EXPECT_FALSE(record.IsValid());
  const Bytes five = FromHex("0A0B0C0D0E");
  EXPECT_TRUE(record.ReplaceData(five.data(), five.size()));
  EXPECT_TRUE(record.IsValid());
  EXPECT_EQ(record.GetCrc(), testlog::Crc32(FromHex("0020000000050A0B0C0D0E")));

  CStandardRecord neverLoaded(32);
  EXPECT_FALSE(neverLoaded.ReplaceData(five.data(), 0));
}

TEST(LogKeystream, BlocksAreOneBitRotationsOfTheSeed) {
  std::array<unsigned char, 16> seed{};
  seed[0] = 0x80;
  seed[15] = 0x01;
  const CLogKeystream keystream(seed);
  auto byteAt = [&](int index) {
    unsigned char byte = 0;
    keystream.Apply(&byte, index);
    return byte;
  };
  EXPECT_EQ(byteAt(0), 0x80);
  EXPECT_EQ(byteAt(15), 0x01);
  EXPECT_EQ(byteAt(16), 0x00);  // block 1: the top bit went round to the bottom of byte 15
  EXPECT_EQ(byteAt(31), 0x03);
  EXPECT_EQ(byteAt(16 * 127), 0xC0);  // block 127: the seed rotated right by one bit
  EXPECT_EQ(byteAt(16 * 127 + 15), 0x00);

  unsigned char untouched = 0x5A;
  keystream.Apply(&untouched, 2048);
  keystream.Apply(&untouched, -1);
  keystream.Apply(nullptr, 3);
  EXPECT_EQ(untouched, 0x5A);

  const auto expected = testlog::Keystream(Seed());
  const CLogKeystream current;
  for (int i = 0; i < 2048; ++i) {
    unsigned char byte = 0;
    current.Apply(&byte, i);
    ASSERT_EQ(byte, expected[static_cast<std::size_t>(i)]) << i;
  }
}

TEST(LogKeystream, KeyOffsetIsTheSignedProductModulo2048) {
  auto offset = [](const char* hex) { return KeyOffsetFromBytes(FromHex(hex).data()); };
  EXPECT_EQ(offset("00102030").offset, 0);
  EXPECT_TRUE(offset("00102030").valid);
  EXPECT_EQ(offset("01020304").offset, 24);
  EXPECT_EQ(offset("FFFFFF01").offset, 767);  // 16581375 = 8096 × 2048 + 767
  // 255^4 wraps to −66716671, whose remainder is −1023: no usable offset.
  EXPECT_EQ(offset("FFFFFFFF").offset, 0);
  EXPECT_FALSE(offset("FFFFFFFF").valid);
}

TEST(FileHeaderRecord, TextsOfAGoodHeader) {
  const CSRFileHeader header = Header({});
  EXPECT_EQ(header.GetWriterVersionText(), "Brask Test Suite Version 1.2.3.4");
  EXPECT_EQ(header.GetDateText(), "Date 15 March 2024");
  EXPECT_EQ(header.GetTimeText(), "Time 10:20:30");
  EXPECT_EQ(header.GetFirmwareNumber(), 7000003);
  EXPECT_TRUE(header.IsNewFormat());
  const auto firmware = header.GetFirmwareBytes();
  EXPECT_EQ(firmware[1], 0x07);
  EXPECT_EQ(firmware[3], 0x03);

  testlog::HeaderFields fields;
  fields.writer = 1;
  fields.day = 5;
  fields.month = 1;
  fields.hour = 0;
  fields.minute = 0;
  fields.second = 9;
  EXPECT_EQ(Header(fields).GetWriterVersionText(), "Quennet Version 1.2.3.4");
  EXPECT_EQ(Header(fields).GetDateText(), "Date 05 January 2024");
  EXPECT_EQ(Header(fields).GetTimeText(), "Time 00:00:09");
  fields.writer = 4;
  fields.writerVersion = {200, 0, 0, 255};
  EXPECT_EQ(Header(fields).GetWriterVersionText(), "Quennet PC Version 200.0.0.255");
  fields.writer = 0;
  EXPECT_EQ(Header(fields).GetWriterVersionText(), "Sundavik Version 200.0.0.255");
  fields.writer = 3;
  EXPECT_EQ(Header(fields).GetWriterVersionText(), "Pelloran Version 200.0.0.255");
  fields.month = 2;
  fields.day = 29;
  EXPECT_EQ(Header(fields).GetDateText(), "Date 29 February 2024");
  fields.year = 2100;  // not a leap year
  EXPECT_EQ(Header(fields).GetDateText(), "");
}

TEST(FileHeaderRecord, UnusableFieldsGiveEmptyTexts) {
  testlog::HeaderFields fields;
  fields.writer = 5;
  fields.month = 13;
  fields.hour = 24;
  EXPECT_EQ(Header(fields).GetWriterVersionText(), "");
  EXPECT_EQ(Header(fields).GetDateText(), "");
  EXPECT_EQ(Header(fields).GetTimeText(), "");
  fields = {};
  fields.day = 0;
  fields.minute = 60;
  EXPECT_EQ(Header(fields).GetDateText(), "");
  EXPECT_EQ(Header(fields).GetTimeText(), "");
  fields = {};
  fields.month = 4;
  fields.day = 31;
  fields.second = 60;
  EXPECT_EQ(Header(fields).GetDateText(), "");
  EXPECT_EQ(Header(fields).GetTimeText(), "");

  const CSRFileHeader fresh;  // default image: no writer, no date, no time, old format
  EXPECT_EQ(fresh.GetWriterVersionText(), "");
  EXPECT_EQ(fresh.GetDateText(), "");
  EXPECT_EQ(fresh.GetTimeText(), "");
  EXPECT_FALSE(fresh.IsNewFormat());
  CSRFileHeader keeps;
  EXPECT_FALSE(keeps.SetData(nullptr, 19));
  EXPECT_EQ(keeps.GetByte(3), 0x02);
  EXPECT_EQ(keeps.GetByte(50), 0xFF);
  EXPECT_EQ(keeps.GetByte(51), 0x00);  // outside the data
}

TEST(FileHeaderRecord, FirmwareNumberFromBcdBytes) {
  testlog::HeaderFields fields;
  fields.firmware = {0x07, 0x00, 0x02};
  EXPECT_EQ(Header(fields).GetFirmwareNumber(), 7000002);
  EXPECT_FALSE(Header(fields).IsNewFormat());
  fields.firmware = {0x12, 0x34, 0x56};
  EXPECT_EQ(Header(fields).GetFirmwareNumber(), 12034056);
  fields.firmware = {0x1A, 0xA0, 0x09};  // reading stops at the first non-decimal digit
  EXPECT_EQ(Header(fields).GetFirmwareNumber(), 1000009);
  // A header cut short after byte 16: the missing bytes read as 0, nothing past the data is read.
  Bytes shortHeader = testlog::HeaderData({});
  shortHeader.resize(17);
  EXPECT_EQ(WithData<CSRFileHeader>(shortHeader).GetFirmwareNumber(), 7000000);
}

TEST(DatalogComputer, DescramblesWholeLinesAndKeepsAllFFLines) {
  // Key-offset bytes 01 02 03 04 give offset 24. Line 0 is all 0xFF, line 1 has one byte that is
  // not, and a five-byte tail follows.
  Bytes plain(16, 0xFF);
  Bytes second(16, 0xFF);
  second[9] = 0x00;
  plain = plain + second + FromHex("1122334455");
  const Bytes scrambled = testlog::Scramble(plain, Seed(), 24, 16);
  const auto stream = testlog::Keystream(Seed());
  EXPECT_EQ(scrambled[0], 0xFF);
  EXPECT_EQ(scrambled[16], 0xFF ^ stream[24 + 16]);
  EXPECT_EQ(scrambled[36], 0x55 ^ stream[24 + 36]);

  CSRDLDataComp decoder = WithData<CSRDLDataComp>(FromHex("01020304") + scrambled);
  EXPECT_EQ(decoder.GetKeyOffset().offset, 24);
  decoder.Decode(false);
  EXPECT_EQ(Bytes(decoder.GetData().begin() + 4, decoder.GetData().end()), plain);

  // The offset wraps at the end of the keystream: 1 × 1 × 8 × 255 = 2040.
  const Bytes wrapPlain(32, 0x33);
  CSRDLDataComp wrap = WithData<CSRDLDataComp>(FromHex("010108FF") + testlog::Scramble(wrapPlain, Seed(), 2040, 32));
  wrap.Decode(true);
  EXPECT_EQ(Bytes(wrap.GetData().begin() + 4, wrap.GetData().end()), wrapPlain);
}

TEST(DatalogComputer, LinesOfSixteenOrThirtyTwoBytes) {
  Bytes payload;
  for (int i = 0; i < 40; ++i) payload.push_back(static_cast<unsigned char>(i));
  CSRDLDataComp decoder = WithData<CSRDLDataComp>(FromHex("00000000") + payload);
  decoder.BuildLines(false);
  ASSERT_EQ(decoder.GetLineCount(), 2);  // the eight-byte tail is not written
  EXPECT_EQ(decoder.GetLine(0), "000102030405060708090A0B0C0D0E0F00");
  EXPECT_EQ(decoder.GetLine(1), "101112131415161718191A1B1C1D1E1F00");
  EXPECT_EQ(decoder.GetLine(2), "");
  EXPECT_EQ(decoder.GetLine(-1), "");
  decoder.BuildLines(true);
  ASSERT_EQ(decoder.GetLineCount(), 1);
  EXPECT_EQ(decoder.GetLine(0), "000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F00");

  // Records shorter than their key-offset bytes have an empty payload and no lines.
  CSRDLDataComp tiny = WithData<CSRDLDataComp>(FromHex("0102"));
  tiny.Decode(false);
  tiny.BuildLines(false);
  EXPECT_EQ(tiny.GetPayloadLength(), 0u);
  EXPECT_EQ(tiny.GetLineCount(), 0);
  EXPECT_EQ(tiny.GetData(), FromHex("0102"));
}

TEST(DatalogUser, OneLinePerEntry) {
  CSRDLDataUser user =
      WithData<CSRDLDataUser>(testlog::UserEntry(0x80, FromHex("414243")) + testlog::UserEntry(0x05, {}) + FromHex("07FFFFFFFF") +
                              testlog::UserEntry(0x10, FromHex("FF")));
  user.BuildLines();
  ASSERT_EQ(user.GetLineCount(), 4);
  EXPECT_EQ(user.GetLine(0), "80414243C0");
  EXPECT_EQ(user.GetLine(1), "0505");
  EXPECT_EQ(user.GetLine(2), "0707");  // a negative length means no values: the next entry is 5 bytes on
  EXPECT_EQ(user.GetLine(3), "10FFEF");
}

TEST(DatalogUser, EntriesThatOverrunEndTheRecord) {
  // A length that reaches past the data, a huge one, and a head cut short.
  for (const char* tail : {"2000000004AABB", "207FFFFFFFAA", "30000000"}) {
    CSRDLDataUser user = WithData<CSRDLDataUser>(testlog::UserEntry(0x01, FromHex("02")) + FromHex(tail));
    user.BuildLines();
    ASSERT_EQ(user.GetLineCount(), 1) << tail;
    EXPECT_EQ(user.GetLine(0), "010203");
  }
}

TEST(DanData, LinesWithTheNumberAsCharacterCodes) {
  CSRDANData dan = WithData<CSRDANData>(testlog::DanEntry("ZDD", 7, FromHex("3132")) + testlog::DanEntry("ABC", 42, {}) +
                                        testlog::DanEntry("XYZ", 123, FromHex("00")));
  dan.BuildLines();
  ASSERT_EQ(dan.GetLineCount(), 3);
  EXPECT_EQ(dan.GetLine(0), "D05A4444303731328E");
  EXPECT_EQ(dan.GetLine(1), "D0414243343296");  // no values, and the next entry starts 8 bytes on
  EXPECT_EQ(dan.GetLine(2), "D058595A31320088");  // of 123 only "12" is written

  CSRDANData overrun = WithData<CSRDANData>(testlog::DanEntry("ZDD", 7, FromHex("3132")) + FromHex("414243017FFFFFF0"));
  overrun.BuildLines();
  EXPECT_EQ(overrun.GetLineCount(), 1);
  CSRDANData none;
  EXPECT_FALSE(none.SetData(nullptr, 0));
  none.BuildLines();
  EXPECT_EQ(none.GetLineCount(), 0);
}

TEST(MemoryBlock, LinesOfAFullBlockAShortOneAndAnEmptyOne) {
  const CSRMemoryBlock block = WithData<CSRMemoryBlock>(testlog::MemoryBlockData(FromHex("00000000"), 176, 1, 0x00010000, FromHex("A1B2")));
  EXPECT_EQ(block.GetDeviceId(), 176);
  EXPECT_EQ(block.GetAreaType(), 1);
  EXPECT_EQ(block.GetAreaAddress(), 0x10000u);
  EXPECT_EQ(block.GetHeaderLine(), "B0B0010001000000");  // B0 ^ B0 ^ 01 ^ 01 = 00
  EXPECT_EQ(block.GetImageLine(), "B1A1B2A2");

  const CSRMemoryBlock shortBlock = WithData<CSRMemoryBlock>(FromHex("01020304B0"));
  EXPECT_EQ(shortBlock.GetImageLength(), 0u);
  EXPECT_EQ(shortBlock.GetHeaderLine(), "B0B0000000000000");
  EXPECT_EQ(shortBlock.GetImageLine(), "B1B1");

  const CSRMemoryBlock empty;
  EXPECT_EQ(empty.GetHeaderLine(), "B0000000000000B0");
  EXPECT_EQ(empty.GetImageLine(), "B1B1");
}

TEST(MemoryBlock, KnownLogStoreBlocks) {
  auto known = [](unsigned char device, unsigned char type, std::uint32_t address) {
    return WithData<CSRMemoryBlock>(testlog::MemoryBlockData(FromHex("00000000"), device, type, address, {})).IsKnownBlock();
  };
  EXPECT_TRUE(known(176, 1, 0x10000));
  EXPECT_TRUE(known(188, 6, 0x10000));
  EXPECT_TRUE(known(178, 1, 0x4800));
  EXPECT_TRUE(known(180, 1, 0x4800));
  EXPECT_FALSE(known(176, 1, 0x4000));  // the configuration area
  EXPECT_FALSE(known(176, 6, 0x10000));
  EXPECT_FALSE(known(188, 1, 0x10000));
  EXPECT_FALSE(known(178, 1, 0x10000));
  EXPECT_FALSE(known(212, 6, 0x20000));  // a log store, but not of a device the test names
}

TEST(MemoryBlock, DescramblingOfKnownAndOtherBlocks) {
  Bytes image(16, 0xFF);
  image = image + Bytes(16, 0x20) + FromHex("0102");
  const Bytes offsetBytes = FromHex("01020304");  // offset 24

  CSRMemoryBlock known = WithData<CSRMemoryBlock>(
      testlog::MemoryBlockData(offsetBytes, 178, 1, 0x4800, testlog::Scramble(image, Seed(), 24, 16)));
  known.Decode();
  EXPECT_EQ(Bytes(known.GetData().begin() + 10, known.GetData().end()), image);
  EXPECT_EQ(Bytes(known.GetData().begin(), known.GetData().begin() + 10), testlog::MemoryBlockData(offsetBytes, 178, 1, 0x4800, {}));

  // Any other block is XORed whole: the all-0xFF line too.
  CSRMemoryBlock other = WithData<CSRMemoryBlock>(testlog::MemoryBlockData(offsetBytes, 176, 1, 0x4000, image));
  other.Decode();
  const auto stream = testlog::Keystream(Seed());
  EXPECT_EQ(other.GetData()[10], 0xFF ^ stream[24]);
  EXPECT_EQ(other.GetData()[10 + 33], 0x02 ^ stream[24 + 33]);

  CSRMemoryBlock invalidOffset = WithData<CSRMemoryBlock>(testlog::MemoryBlockData(FromHex("FFFFFFFF"), 176, 1, 0x4000, {}));
  EXPECT_FALSE(invalidOffset.GetKeyOffset().valid);
}
