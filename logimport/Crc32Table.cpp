#include "logimport/Crc32Table.h"

#include <array>
#include <cstring>

namespace {

constexpr std::array<std::uint32_t, 256> MakeTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t value = n;
    for (int bit = 0; bit < 8; ++bit) value = (value & 1u) ? 0xEDB88320u ^ (value >> 1) : value >> 1;
    table[n] = value;
  }
  return table;
}

constexpr std::array<std::uint32_t, 256> kTable = MakeTable();

}  // namespace

int CCrc32Table::StringCrc32(const char* text, std::uint32_t& crc) const {
  return BufferCrc32(text, text ? std::strlen(text) : 0, crc);
}

int CCrc32Table::BufferCrc32(const void* bytes, std::size_t length, std::uint32_t& crc) const {
  std::uint32_t value = 0xFFFFFFFFu;
  const auto* byte = static_cast<const unsigned char*>(bytes);
  for (std::size_t i = 0; i < length; ++i) value = kTable[(value ^ byte[i]) & 0xFFu] ^ (value >> 8);
  crc = ~value;
  return 0;
}
