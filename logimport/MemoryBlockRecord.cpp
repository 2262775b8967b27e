#include "logimport/MemoryBlockRecord.h"

#include "logimport/DeviceList.h"

void CSRMemoryBlock::OnDataSet() {
  const unsigned char offsetBytes[4] = {GetByte(0), GetByte(1), GetByte(2), GetByte(3)};
  keyOffset_ = KeyOffsetFromBytes(offsetBytes);
}

std::uint32_t CSRMemoryBlock::GetAreaAddress() const {
  return static_cast<std::uint32_t>(GetByte(6)) << 24 | static_cast<std::uint32_t>(GetByte(7)) << 16 |
         static_cast<std::uint32_t>(GetByte(8)) << 8 | GetByte(9);
}

bool CSRMemoryBlock::IsKnownBlock() const {
  const int device = GetDeviceId();
  if (device != 176 && device != 188 && device != 178 && device != 180) return false;
  unsigned char type = 0;
  std::int32_t start = 0;
  std::int32_t length = 0;
  if (!CDeviceList().GetArea(device, kLogStoreKey, type, start, length)) return false;
  return GetAreaType() == type && GetAreaAddress() == static_cast<std::uint32_t>(start);
}

void CSRMemoryBlock::Decode() {
  const std::size_t length = GetImageLength();
  if (length == 0) return;
  unsigned char* image = data_.data() + kImageAt;
  const CLogKeystream keystream;
  if (IsKnownBlock()) {
    keystream.ApplyByLines(image, length, kLineWidth, keyOffset_.offset);
  } else {
    keystream.ApplyToAll(image, length, keyOffset_.offset);
  }
}

std::string CSRMemoryBlock::GetHeaderLine() const {
  CHexLineBuilder line;
  line.Add(0xB0);
  line.Add(GetByte(4));
  line.Add(GetByte(5));
  for (std::size_t i = 6; i < kImageAt; ++i) line.Add(GetByte(i));
  return line.Finish();
}

std::string CSRMemoryBlock::GetImageLine() const {
  CHexLineBuilder line;
  line.Add(0xB1);
  if (GetImageLength() != 0) line.Add(data_.data() + kImageAt, GetImageLength());
  return line.Finish();
}
