#include "tests/logimport/writers/TextLogWriter.h"

#include <stdexcept>

#include "logimport/KeyMaterial.h"

namespace testlog {

std::string TextLine(const Bytes& bytes) {
  unsigned char check = 0;
  for (unsigned char byte : bytes) check ^= byte;
  return ToHex(bytes) + ToHex(Bytes{check});
}

Bytes PlainRecord(unsigned char type) {
  Bytes record(kPlainRecordBytes, 0);
  record[0] = type;
  return record;
}

Bytes StampedRecord(unsigned char type, std::uint32_t stampTicks) {
  Bytes record(kStampedRecordBytes, 0);
  record[0] = type;
  for (int i = 0; i < 4; ++i) record[1 + static_cast<std::size_t>(i)] = static_cast<unsigned char>(stampTicks >> (8 * i));
  return record;
}

Bytes StampedAtSecond(unsigned char type, int seconds) {
  constexpr std::uint32_t kTicksPerSecond = 4096;
  return StampedRecord(type, static_cast<std::uint32_t>(seconds) * kTicksPerSecond);
}

Bytes Put(Bytes record, std::size_t charAt, const Bytes& value) {
  if (charAt % 2 != 0 || charAt / 2 + value.size() > record.size()) throw std::out_of_range("field outside the record");
  std::copy(value.begin(), value.end(), record.begin() + static_cast<std::ptrdiff_t>(charAt / 2));
  return record;
}

Bytes Word(int value) { return {static_cast<unsigned char>(value >> 8), static_cast<unsigned char>(value)}; }

Bytes DateBytes(int day, int month, int year, int hour, int minute, int second) {
  return {static_cast<unsigned char>(day),  static_cast<unsigned char>(month),  static_cast<unsigned char>(year - 2000),
          static_cast<unsigned char>(hour), static_cast<unsigned char>(minute), static_cast<unsigned char>(second)};
}

std::vector<Bytes> MemoryBlockLines(unsigned char device, unsigned char areaType, std::uint32_t address, const Bytes& image) {
  return {Bytes{0xB0, device, areaType} + BigEndian32(address), Bytes{0xB1} + image};
}

std::string TextLog(const std::vector<Bytes>& records, const std::vector<std::string>& headerLines) {
  std::string text;
  for (const std::string& line : headerLines) text += line + "\r\n";
  for (const Bytes& record : records) text += TextLine(record) + "\r\n";
  return text;
}

Bytes BinaryLog(const std::vector<Bytes>& records, const HeaderFields& header, const std::vector<MemoryBlock>& blocks) {
  const auto& seed = logimport::CurrentKeyMaterial().keystreamSeed;
  const Bytes offsetBytes = FromHex("01020304");  // key offset 24
  constexpr int kOffset = 24;
  Bytes lines;
  for (const Bytes& record : records) lines = lines + record;
  const auto decimal = [](unsigned char bcd) { return (bcd >> 4) * 10 + (bcd & 15); };
  const int firmware = decimal(header.firmware[0]) * 1000000 + decimal(header.firmware[1]) * 1000 + decimal(header.firmware[2]);
  const std::size_t width = firmware > 7000002 ? kStampedRecordBytes : kPlainRecordBytes;
  std::vector<Bytes> file = {HeaderRecord(header), Record(32, offsetBytes + Scramble(lines, seed, kOffset, width))};
  for (const MemoryBlock& block : blocks) {
    file.push_back(Record(16, MemoryBlockData(offsetBytes, block.device, block.areaType, block.address,
                                              Scramble(block.image, seed, kOffset, 0))));
  }
  return BinaryFile(file);
}

HeaderFields PlainFirmwareHeader() {
  HeaderFields header;
  header.firmware = {0x07, 0x00, 0x02};
  return header;
}

HeaderFields TimeStampedFirmwareHeader() {
  HeaderFields header;
  header.firmware = {0x07, 0x00, 0x03};
  return header;
}

}  // namespace testlog
