#include "logimport/DeviceList.h"

#include <gtest/gtest.h>

#include <set>

TEST(DeviceList, CatalogueEntriesOthersRelyOn) {
  const CDeviceList list;
  EXPECT_EQ(list.GetCount(), 40);
  EXPECT_EQ(list.FindDevice(176), 0);
  EXPECT_EQ(list.FindDevice(188), 1);
  EXPECT_EQ(list.FindDevice(178), 4);
  EXPECT_EQ(list.FindDevice(180), 5);

  struct Expected {
    int device, key, type, start, length;
  };
  const Expected table[] = {
      {176, 0, 1, 0x4000, 64},   {176, 3, 1, 0x40C0, 64},  {176, 7, 1, 0x200000, 8},    {176, 8, 2, 0, 1024},
      {176, 13, 1, 0x10000, 0x10000},                       {178, 0, 1, 0x2000, 64},     {178, 3, 1, 0x20C0, 64},
      {178, 7, 1, 0x200000, 8}, {178, 8, 2, 0, 256},        {178, 13, 1, 0x4800, 0x3800}, {180, 0, 1, 0x2000, 64},
      {180, 3, 1, 0x20C0, 64},  {180, 7, 1, 0x200000, 8},   {180, 8, 2, 0, 256},         {180, 13, 1, 0x4800, 0x3800},
      {188, 13, 6, 0x10000, 0x1FF0000},
  };
  for (const Expected& row : table) {
    unsigned char type = 0;
    std::int32_t start = -1, length = -1;
    ASSERT_TRUE(list.GetArea(row.device, row.key, type, start, length)) << row.device << "/" << row.key;
    EXPECT_EQ(type, row.type) << row.device << "/" << row.key;
    EXPECT_EQ(start, row.start) << row.device << "/" << row.key;
    EXPECT_EQ(length, row.length) << row.device << "/" << row.key;
    std::int32_t startOnly = -1;
    EXPECT_TRUE(list.GetAreaStart(row.device, row.key, startOnly));
    EXPECT_EQ(startOnly, row.start);
  }
}

TEST(DeviceList, EveryEntryIsAValidBusDeviceAndOneIdRepeats) {
  const CDeviceList list;
  std::set<int> ids;
  int repeats = 0;
  for (int i = 0; i < list.GetCount(); ++i) {
    const CDevice& device = list.GetDevice(i);
    EXPECT_TRUE(device.IsValid()) << i;
    EXPECT_EQ(device.GetId() % 2, 0) << i;
    EXPECT_GT(device.GetId(), 0);
    EXPECT_LT(device.GetId(), 256);
    if (!ids.insert(device.GetId()).second) {
      ++repeats;
      EXPECT_LT(list.FindDevice(device.GetId()), i);  // lookups find the first entry
    }
  }
  EXPECT_EQ(repeats, 1);
}

TEST(DeviceList, MissingDevicesAndKeysLeaveOutputsAlone) {
  const CDeviceList list;
  unsigned char type = 99;
  std::int32_t start = 12345, length = 678;
  EXPECT_EQ(list.FindDevice(177), -1);
  EXPECT_FALSE(list.GetArea(177, 13, type, start, length));
  EXPECT_FALSE(list.GetAreaStart(177, 13, start));
  EXPECT_FALSE(list.GetArea(188, 0, type, start, length));  // the recorder has no area 0
  EXPECT_FALSE(list.GetAreaStart(176, 42, start));
  EXPECT_EQ(type, 99);
  EXPECT_EQ(start, 12345);
  EXPECT_EQ(length, 678);
}

TEST(Device, LimitsOfRangesAndAreas) {
  CDevice device("Test", 10, 0);
  for (int i = 0; i < 10; ++i) EXPECT_TRUE(device.AddRange(3, i * 100, i * 100 + 99));
  EXPECT_FALSE(device.AddRange(3, 5000, 5001));
  EXPECT_EQ(device.GetRangeCount(3), 10);
  EXPECT_TRUE(device.AddRange(7, 0, 1));
  EXPECT_FALSE(device.AddRange(8, 0, 1));
  EXPECT_FALSE(device.AddRange(-1, 0, 1));  // a negative group is refused, not written before the table
  EXPECT_EQ(device.GetRangeCount(-1), 0);

  for (int i = 0; i < 20; ++i) EXPECT_TRUE(device.AddArea(i % 5, 1, i * 16, 16));
  EXPECT_FALSE(device.AddArea(99, 1, 0, 1));
  EXPECT_EQ(device.GetAreaCount(), 20);
  unsigned char type = 0;
  std::int32_t start = 0, length = 0;
  EXPECT_TRUE(device.GetArea(2, type, start, length));
  EXPECT_EQ(start, 32);  // the first area with a repeated key
  EXPECT_FALSE(device.GetArea(99, type, start, length));
}

TEST(Device, ValidityNeedsANameAndAnId) {
  EXPECT_FALSE(CDevice().IsValid());
  EXPECT_FALSE(CDevice("", 20, 0).IsValid());
  EXPECT_FALSE(CDevice("Nameless id", 0, 1).IsValid());
  EXPECT_TRUE(CDevice("Named", 20, 1).IsValid());
  CDevice copy = CDevice("Copied", 30, 1);
  copy.AddArea(1, 2, 3, 4);
  const CDevice second = copy;
  std::int32_t start = 0;
  EXPECT_TRUE(second.GetAreaStart(1, start));
  EXPECT_EQ(start, 3);
}
