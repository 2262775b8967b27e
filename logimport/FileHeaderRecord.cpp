#include "logimport/FileHeaderRecord.h"

#include <cstdio>

#include "engine/support/HexConversions.h"
#include "logimport/LogDateTime.h"

namespace {

constexpr const char* kWriterTexts[] = {"Sundavik Version ", "Quennet Version ", "Brask Test Suite Version ",
                                        "Pelloran Version ", "Quennet PC Version "};

std::vector<unsigned char> DefaultImage() {
  std::vector<unsigned char> image(51, 0xFF);
  image[0] = image[1] = image[2] = 0x00;
  image[3] = 0x02;
  return image;
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
  return CLogDateTime::FromFields(2000 + GetByte(9), GetByte(10), GetByte(11), 0, 0, 0).Format("Date %d %B %Y");
}

std::string CSRFileHeader::GetTimeText() const {
  return CLogDateTime::TimeOfDay(GetByte(12), GetByte(13), GetByte(14)).Format("Time %H:%M:%S");
}
