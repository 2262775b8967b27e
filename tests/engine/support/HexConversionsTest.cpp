#include "engine/support/HexConversions.h"

#include <gtest/gtest.h>

TEST(HexConversions, HexToIntAndShort) {
  EXPECT_EQ(HexToInt("FF"), 255);
  EXPECT_EQ(HexToInt("ff"), 255);
  EXPECT_EQ(HexToInt(""), 0);
  EXPECT_EQ(HexToInt("FFFFFFFF"), -1);  // wraps
  EXPECT_EQ(HexToInt("g"), 16);         // not a hex digit: its code minus 87
  EXPECT_EQ(HexToShort("FFFF"), -1);
  EXPECT_EQ(HexToShort("8000"), -32768);
  EXPECT_EQ(HexToShort("FF"), 0);
  EXPECT_EQ(HexToShort("7F"), 127);
  EXPECT_EQ(HexToShort("7FFF"), 32767);
  EXPECT_EQ(HexToShort(""), 0);
}

TEST(HexConversions, FloatsAndFixedPoint) {
  EXPECT_DOUBLE_EQ(HexToFloat("3F800000"), 1.0);
  EXPECT_DOUBLE_EQ(HexToFloat("C0000000"), -2.0);
  EXPECT_DOUBLE_EQ(HexToFloat("3f800000"), 0.0);   // lower case is refused
  EXPECT_DOUBLE_EQ(HexToFloat("3F80000"), 0.0);    // length
  EXPECT_DOUBLE_EQ(HexToFloat("3F80000G"), 0.0);
  EXPECT_DOUBLE_EQ(HexToFixedPoint("00100000"), 1.0);      // 0x1000 / 4096, least significant pair first
  EXPECT_DOUBLE_EQ(HexToFixedPoint("00080000"), 0.5);
  EXPECT_DOUBLE_EQ(HexToFixedPoint("FFFFFFFF"), 4294967295.0 / 4096.0);
  EXPECT_DOUBLE_EQ(HexToFixedPoint("001000"), -1.0);
  EXPECT_FLOAT_EQ(FloatFromDeviceBytes(0x00, 0x00, 0x00, 0x7F), 1.0f);
  EXPECT_FLOAT_EQ(FloatFromDeviceBytes(0x00, 0x00, 0x80, 0x80), -2.0f);
  EXPECT_FLOAT_EQ(FloatFromDeviceBytes(0x00, 0x00, 0x20, 0x81), 5.0f);  // 0x40A00000
}

TEST(HexConversions, BytesAndChecksums) {
  EXPECT_EQ(HexToBytes("41420a"), "AB\n");
  EXPECT_EQ(HexToBytes("414"), "A");  // odd length: the last digit is dropped
  EXPECT_EQ(HexToBytes(""), "");
  EXPECT_EQ(XorChecksumHex(""), "00");
  EXPECT_EQ(XorChecksumHex("0102"), "03");
  EXPECT_EQ(XorChecksumHex("F00F"), "FF");
  EXPECT_FALSE(VerifyXorChecksumHex("0102"));
  EXPECT_TRUE(VerifyXorChecksumHex("010203"));
  EXPECT_TRUE(VerifyXorChecksumHex("0101"));
  EXPECT_FALSE(VerifyXorChecksumHex("010"));
  EXPECT_FALSE(VerifyXorChecksumHex(""));
}

TEST(HexConversions, BigEndianAndVersions) {
  unsigned char bytes[4];
  EXPECT_TRUE(WriteUInt32BE(0x12345678u, bytes));
  EXPECT_EQ(bytes[0], 0x12);
  EXPECT_EQ(bytes[3], 0x78);
  EXPECT_EQ(ReadUInt32BE(bytes), 0x12345678);
  const unsigned char negative[4] = {0xFF, 0xFF, 0xFF, 0xFE};
  EXPECT_EQ(ReadUInt32BE(negative), -2);

  const unsigned char firmware[5] = {0x99, 0x07, 0x00, 0x03, 0x55};  // 7.0.3
  EXPECT_EQ(VersionFromBytes(firmware), 7000003);
  const unsigned char odd[5] = {0, 0x1A, 0xA0, 0x12, 0};  // BCD digits stop at the first letter
  EXPECT_EQ(VersionFromBytes(odd), 1000012);
}
