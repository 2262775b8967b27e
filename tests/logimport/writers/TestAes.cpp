#include "tests/logimport/writers/TestAes.h"

#include <stdexcept>

namespace testlog {

namespace {

unsigned char Multiply(unsigned char a, unsigned char b) {
  unsigned product = 0;
  unsigned value = a;
  for (; b != 0; b >>= 1) {
    if (b & 1) product ^= value;
    value <<= 1;
    if (value & 0x100) value ^= 0x11B;
  }
  return static_cast<unsigned char>(product);
}

unsigned char Inverse(unsigned char a) {
  if (a == 0) return 0;
  unsigned char result = 1;  // a^254 = a^-1 in GF(2^8)
  for (int i = 0; i < 254; ++i) result = Multiply(result, a);
  return result;
}

unsigned char Rotl(unsigned char v, int s) { return static_cast<unsigned char>(v << s | v >> (8 - s)); }

std::array<unsigned char, 256> MakeSBox() {
  std::array<unsigned char, 256> box{};
  for (int a = 0; a < 256; ++a) {
    const unsigned char b = Inverse(static_cast<unsigned char>(a));
    box[static_cast<std::size_t>(a)] = static_cast<unsigned char>(b ^ Rotl(b, 1) ^ Rotl(b, 2) ^ Rotl(b, 3) ^ Rotl(b, 4) ^ 0x63);
  }
  return box;
}

const std::array<unsigned char, 256>& SBox() {
  static const std::array<unsigned char, 256> box = MakeSBox();
  return box;
}

// 60 words of four bytes as FIPS-197 section 5.2 gives them for Nk = 8.
std::array<std::array<unsigned char, 4>, 60> ExpandKey(const AesKey& key) {
  std::array<std::array<unsigned char, 4>, 60> w{};
  for (int i = 0; i < 8; ++i) {
    for (int j = 0; j < 4; ++j) w[i][j] = key[static_cast<std::size_t>(4 * i + j)];
  }
  unsigned char rcon = 1;
  for (int i = 8; i < 60; ++i) {
    std::array<unsigned char, 4> temp = w[i - 1];
    if (i % 8 == 0) {
      temp = {SBox()[temp[1]], SBox()[temp[2]], SBox()[temp[3]], SBox()[temp[0]]};
      temp[0] ^= rcon;
      rcon = Multiply(rcon, 2);
    } else if (i % 8 == 4) {
      for (auto& byte : temp) byte = SBox()[byte];
    }
    for (int j = 0; j < 4; ++j) w[i][j] = w[i - 8][j] ^ temp[j];
  }
  return w;
}

}  // namespace

AesBlock EncryptBlock(const AesKey& key, const AesBlock& plain) {
  const auto w = ExpandKey(key);
  unsigned char s[4][4];  // s[row][column]
  for (int c = 0; c < 4; ++c) {
    for (int r = 0; r < 4; ++r) s[r][c] = plain[static_cast<std::size_t>(4 * c + r)] ^ w[c][r];
  }
  for (int round = 1; round <= 14; ++round) {
    for (auto& row : s) {
      for (auto& byte : row) byte = SBox()[byte];
    }
    for (int r = 1; r < 4; ++r) {
      unsigned char row[4];
      for (int c = 0; c < 4; ++c) row[c] = s[r][(c + r) % 4];
      for (int c = 0; c < 4; ++c) s[r][c] = row[c];
    }
    if (round != 14) {
      for (int c = 0; c < 4; ++c) {
        const unsigned char a0 = s[0][c], a1 = s[1][c], a2 = s[2][c], a3 = s[3][c];
        s[0][c] = Multiply(a0, 2) ^ Multiply(a1, 3) ^ a2 ^ a3;
        s[1][c] = a0 ^ Multiply(a1, 2) ^ Multiply(a2, 3) ^ a3;
        s[2][c] = a0 ^ a1 ^ Multiply(a2, 2) ^ Multiply(a3, 3);
        s[3][c] = Multiply(a0, 3) ^ a1 ^ a2 ^ Multiply(a3, 2);
      }
    }
    for (int c = 0; c < 4; ++c) {
      for (int r = 0; r < 4; ++r) s[r][c] ^= w[4 * round + c][r];
    }
  }
  AesBlock out{};
  for (int c = 0; c < 4; ++c) {
    for (int r = 0; r < 4; ++r) out[static_cast<std::size_t>(4 * c + r)] = s[r][c];
  }
  return out;
}

std::vector<unsigned char> EncryptCbc(const AesKey& key, const AesBlock& vector, const std::vector<unsigned char>& plain) {
  if (plain.size() % 16 != 0) throw std::invalid_argument("plaintext must be whole blocks");
  std::vector<unsigned char> out;
  AesBlock chain = vector;
  for (std::size_t at = 0; at < plain.size(); at += 16) {
    AesBlock block{};
    for (std::size_t i = 0; i < 16; ++i) block[i] = plain[at + i] ^ chain[i];
    chain = EncryptBlock(key, block);
    out.insert(out.end(), chain.begin(), chain.end());
  }
  return out;
}

}  // namespace testlog
