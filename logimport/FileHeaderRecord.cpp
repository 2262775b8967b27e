#include "logimport/FileHeaderRecord.h"

#include <cstdio>

#include "engine/support/HexConversions.h"

namespace {

constexpr const char* kWriterTexts[] = {"Sundavik Version ", "Quennet Version ", "Brask Test Suite Version ",
                                        "Pelloran Version ", "Quennet PC Version "};

// Month names are fixed English whatever the user's locale.
constexpr const char* kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                       "July",    "August",   "September", "October", "November", "December"};

std::vector<unsigned char> DefaultImage() {
  std::vector<unsigned char> image(51, 0xFF);
  image[0] = image[1] = image[2] = 0x00;
  image[3] = 0x02;
  return image;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

CSRFileHeader::CSRFileHeader() : CSRDecoder(DefaultImage()) {}

std::array<unsigned char, 4> CSRFileHeader::GetFirmwareBytes() const {
  return {GetByte(15), GetByte(16), GetByte(17), GetByte(18)};
}

int CSRFileHeader::GetFirmwareNumber() const {
  // The conversion reads a 5-byte field; the fifth byte is read as safely as the others.
  const unsigned char field[5] = {GetByte(15), GetByte(16), GetByte(17), GetByte(18), GetByte(19)};
  return VersionFromBytes(field);
}

std::string CSRFileHeader::GetWriterVersionText() const {
  const int writer = GetWriterId();
  if (writer < 0 || writer >= static_cast<int>(std::size(kWriterTexts))) return {};
  char version[32];
  std::snprintf(version, sizeof version, "%d.%d.%d.%d", GetByte(5), GetByte(6), GetByte(7), GetByte(8));
  return std::string(kWriterTexts[writer]) + version;
}

std::string CSRFileHeader::GetDateText() const {
  const int year = 2000 + GetByte(9);
  const int month = GetByte(10);
  const int day = GetByte(11);
  if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return {};
  char text[48];
  std::snprintf(text, sizeof text, "Date %02d %s %04d", day, kMonthNames[month - 1], year);
  return text;
}

std::string CSRFileHeader::GetTimeText() const {
  const int hour = GetByte(12);
  const int minute = GetByte(13);
  const int second = GetByte(14);
  if (hour > 23 || minute > 59 || second > 59) return {};
  char text[24];
  std::snprintf(text, sizeof text, "Time %02d:%02d:%02d", hour, minute, second);
  return text;
}
