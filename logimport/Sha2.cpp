#include "logimport/Digests.h"

#include <bit>

namespace {

// SHA-512 round constants; the SHA-256 constants are the high halves of the first 64.
constexpr std::uint64_t kRound[80] = {
    0x428a2f98d728ae22ull, 0x7137449123ef65cdull, 0xb5c0fbcfec4d3b2full, 0xe9b5dba58189dbbcull,
    0x3956c25bf348b538ull, 0x59f111f1b605d019ull, 0x923f82a4af194f9bull, 0xab1c5ed5da6d8118ull,
    0xd807aa98a3030242ull, 0x12835b0145706fbeull, 0x243185be4ee4b28cull, 0x550c7dc3d5ffb4e2ull,
    0x72be5d74f27b896full, 0x80deb1fe3b1696b1ull, 0x9bdc06a725c71235ull, 0xc19bf174cf692694ull,
    0xe49b69c19ef14ad2ull, 0xefbe4786384f25e3ull, 0x0fc19dc68b8cd5b5ull, 0x240ca1cc77ac9c65ull,
    0x2de92c6f592b0275ull, 0x4a7484aa6ea6e483ull, 0x5cb0a9dcbd41fbd4ull, 0x76f988da831153b5ull,
    0x983e5152ee66dfabull, 0xa831c66d2db43210ull, 0xb00327c898fb213full, 0xbf597fc7beef0ee4ull,
    0xc6e00bf33da88fc2ull, 0xd5a79147930aa725ull, 0x06ca6351e003826full, 0x142929670a0e6e70ull,
    0x27b70a8546d22ffcull, 0x2e1b21385c26c926ull, 0x4d2c6dfc5ac42aedull, 0x53380d139d95b3dfull,
    0x650a73548baf63deull, 0x766a0abb3c77b2a8ull, 0x81c2c92e47edaee6ull, 0x92722c851482353bull,
    0xa2bfe8a14cf10364ull, 0xa81a664bbc423001ull, 0xc24b8b70d0f89791ull, 0xc76c51a30654be30ull,
    0xd192e819d6ef5218ull, 0xd69906245565a910ull, 0xf40e35855771202aull, 0x106aa07032bbd1b8ull,
    0x19a4c116b8d2d0c8ull, 0x1e376c085141ab53ull, 0x2748774cdf8eeb99ull, 0x34b0bcb5e19b48a8ull,
    0x391c0cb3c5c95a63ull, 0x4ed8aa4ae3418acbull, 0x5b9cca4f7763e373ull, 0x682e6ff3d6b2b8a3ull,
    0x748f82ee5defb2fcull, 0x78a5636f43172f60ull, 0x84c87814a1f0ab72ull, 0x8cc702081a6439ecull,
    0x90befffa23631e28ull, 0xa4506cebde82bde9ull, 0xbef9a3f7b2c67915ull, 0xc67178f2e372532bull,
    0xca273eceea26619cull, 0xd186b8c721c0c207ull, 0xeada7dd6cde0eb1eull, 0xf57d4f7fee6ed178ull,
    0x06f067aa72176fbaull, 0x0a637dc5a2c898a6ull, 0x113f9804bef90daeull, 0x1b710b35131c471bull,
    0x28db77f523047d84ull, 0x32caab7b40c72493ull, 0x3c9ebe0a15c9bebcull, 0x431d67c49c100d4cull,
    0x4cc5d4becb3e42b6ull, 0x597f299cfc657e2aull, 0x5fcb6fab3ad6faecull, 0x6c44198c4a475817ull};

// SHA-512 start words; SHA-256 starts from their high halves.
constexpr std::uint64_t kStart512[8] = {0x6a09e667f3bcc908ull, 0xbb67ae8584caa73bull, 0x3c6ef372fe94f82bull,
                                        0xa54ff53a5f1d36f1ull, 0x510e527fade682d1ull, 0x9b05688c2b3e6c1full,
                                        0x1f83d9abfb41bd6bull, 0x5be0cd19137e2179ull};
constexpr std::uint64_t kStart384[8] = {0xcbbb9d5dc1059ed8ull, 0x629a292a367cd507ull, 0x9159015a3070dd17ull,
                                        0x152fecd8f70e5939ull, 0x67332667ffc00b31ull, 0x8eb44a8768581511ull,
                                        0xdb0c2e0d64f98fa7ull, 0x47b5481dbefa4fa4ull};

template <typename Word>
Word ReadBE(const unsigned char* bytes) {
  Word value = 0;
  for (std::size_t i = 0; i < sizeof(Word); ++i) value = static_cast<Word>(value << 8 | bytes[i]);
  return value;
}

// The two compressions differ only in word size, round count and rotation amounts.
template <typename Word>
struct Shape;

template <>
struct Shape<std::uint32_t> {
  static constexpr int kRounds = 64;
  static constexpr int kSum0[3] = {2, 13, 22};
  static constexpr int kSum1[3] = {6, 11, 25};
  static constexpr int kSigma0[3] = {7, 18, 3};
  static constexpr int kSigma1[3] = {17, 19, 10};
  static std::uint32_t Constant(int t) { return static_cast<std::uint32_t>(kRound[t] >> 32); }
};

template <>
struct Shape<std::uint64_t> {
  static constexpr int kRounds = 80;
  static constexpr int kSum0[3] = {28, 34, 39};
  static constexpr int kSum1[3] = {14, 18, 41};
  static constexpr int kSigma0[3] = {1, 8, 7};
  static constexpr int kSigma1[3] = {19, 61, 6};
  static std::uint64_t Constant(int t) { return kRound[t]; }
};

template <typename Word>
Word Sum(Word x, const int (&r)[3]) {
  return std::rotr(x, r[0]) ^ std::rotr(x, r[1]) ^ std::rotr(x, r[2]);
}

template <typename Word>
Word Sigma(Word x, const int (&r)[3]) {
  return std::rotr(x, r[0]) ^ std::rotr(x, r[1]) ^ (x >> r[2]);
}

template <typename Word>
void Compress(std::array<std::uint64_t, 8>& state, const unsigned char* block) {
  using S = Shape<Word>;
  Word w[S::kRounds];
  for (int t = 0; t < 16; ++t) w[t] = ReadBE<Word>(block + sizeof(Word) * static_cast<std::size_t>(t));
  for (int t = 16; t < S::kRounds; ++t) w[t] = w[t - 16] + Sigma(w[t - 15], S::kSigma0) + w[t - 7] + Sigma(w[t - 2], S::kSigma1);
  Word v[8];
  for (int i = 0; i < 8; ++i) v[i] = static_cast<Word>(state[i]);
  for (int t = 0; t < S::kRounds; ++t) {
    const Word choice = (v[4] & v[5]) ^ (~v[4] & v[6]);
    const Word t1 = v[7] + Sum(v[4], S::kSum1) + choice + S::Constant(t) + w[t];
    const Word majority = (v[0] & v[1]) ^ (v[0] & v[2]) ^ (v[1] & v[2]);
    for (int i = 7; i > 0; --i) v[i] = v[i - 1];
    v[4] += t1;
    v[0] = t1 + Sum(v[0], S::kSum0) + majority;
  }
  for (int i = 0; i < 8; ++i) state[i] = static_cast<Word>(state[i] + v[i]);
}

}  // namespace

int CSha2::Init(int size) {
  std::size_t length = 0;
  switch (size) {
    case 256: case 32: length = 32; break;
    case 384: case 48: length = 48; break;
    case 512: case 64: length = 64; break;
    default: break;
  }
  *this = CSha2{};  // a fresh count and buffer
  if (length == 0) return 1;
  digestLength_ = length;
  SetBlockSize(length == 32 ? 64 : 128);
  const std::uint64_t* start = length == 48 ? kStart384 : kStart512;
  for (int i = 0; i < 8; ++i) state_[i] = length == 32 ? start[i] >> 32 : start[i];
  return 0;
}

void CSha2::Transform(const unsigned char* block) {
  if (digestLength_ == 32) {
    Compress<std::uint32_t>(state_, block);
  } else if (digestLength_ != 0) {
    Compress<std::uint64_t>(state_, block);
  }
}

std::vector<unsigned char> CSha2::Final() {
  if (digestLength_ == 0) return {};
  const bool wide = digestLength_ != 32;
  Pad(wide ? 16 : 8, true);
  const std::size_t wordSize = wide ? 8 : 4;
  std::vector<unsigned char> digest(digestLength_);
  for (std::size_t i = 0; i < digestLength_; ++i) {
    digest[i] = static_cast<unsigned char>(state_[i / wordSize] >> (8 * (wordSize - 1 - i % wordSize)));
  }
  return digest;
}
