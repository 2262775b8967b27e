#pragma once
// Table-driven CRC-32 of IEEE 802.3: reflected polynomial 0xEDB88320, start 0xFFFFFFFF, final
// complement.
#include <cstddef>
#include <cstdint>

class CCrc32Table {
 public:
  virtual ~CCrc32Table() = default;

  // CRC of a zero-terminated text, the terminator excluded; the function result is always 0.
  int StringCrc32(const char* text, std::uint32_t& crc) const;
  int BufferCrc32(const void* bytes, std::size_t length, std::uint32_t& crc) const;
};
