#include "logimport/Digests.h"

#include <bit>

#include "engine/support/HexConversions.h"

CSha1::CSha1() : CBlockDigest(64), state_{0x67452301u, 0xEFCDAB89u, 0x98BADCFEu, 0x10325476u, 0xC3D2E1F0u} {}

void CSha1::Transform(const unsigned char* block) {
  std::uint32_t w[80];
  for (int t = 0; t < 16; ++t) w[t] = static_cast<std::uint32_t>(ReadUInt32BE(block + 4 * t));
  for (int t = 16; t < 80; ++t) w[t] = std::rotl(w[t - 3] ^ w[t - 8] ^ w[t - 14] ^ w[t - 16], 1);
  std::uint32_t a = state_[0], b = state_[1], c = state_[2], d = state_[3], e = state_[4];
  for (int t = 0; t < 80; ++t) {
    std::uint32_t f, k;
    if (t < 20) {
      f = (b & c) | (~b & d);
      k = 0x5A827999u;
    } else if (t < 40) {
      f = b ^ c ^ d;
      k = 0x6ED9EBA1u;
    } else if (t < 60) {
      f = (b & c) | (b & d) | (c & d);
      k = 0x8F1BBCDCu;
    } else {
      f = b ^ c ^ d;
      k = 0xCA62C1D6u;
    }
    const std::uint32_t temp = std::rotl(a, 5) + f + e + k + w[t];
    e = d;
    d = c;
    c = std::rotl(b, 30);
    b = a;
    a = temp;
  }
  state_[0] += a;
  state_[1] += b;
  state_[2] += c;
  state_[3] += d;
  state_[4] += e;
}

std::vector<unsigned char> CSha1::Final() {
  Pad(8, true);
  std::vector<unsigned char> digest(20);
  for (int i = 0; i < 20; ++i) digest[i] = static_cast<unsigned char>(state_[i / 4] >> (24 - 8 * (i % 4)));
  return digest;
}
