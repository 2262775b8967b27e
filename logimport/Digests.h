#pragma once
// Message digests: MD5 (RFC 1321), SHA-1 and SHA-256/384/512 (FIPS 180-2). Each is fed with
// Update any number of times and read once with Final.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// The block buffering and the length padding the three digests share.
class CBlockDigest {
 public:
  virtual ~CBlockDigest() = default;
  void Update(const unsigned char* bytes, std::size_t length);

 protected:
  explicit CBlockDigest(std::size_t blockSize) : blockSize_(blockSize) {}
  // Appends 0x80, zeros and the message length in bits as a field of lengthFieldSize bytes.
  void Pad(std::size_t lengthFieldSize, bool bigEndian);
  virtual void Transform(const unsigned char* block) = 0;
  void SetBlockSize(std::size_t blockSize) { blockSize_ = blockSize; }

 private:
  std::size_t blockSize_;
  std::uint64_t byteCount_ = 0;
  std::array<unsigned char, 128> buffer_{};
};

class CMd5 : public CBlockDigest {
 public:
  // variant 0 is the standard start; variant k moves the four chaining words on by 11k, 71k,
  // 37k and 97k.
  explicit CMd5(std::uint32_t variant = 0);
  std::vector<unsigned char> Final();

 private:
  void Transform(const unsigned char* block) override;
  std::array<std::uint32_t, 4> state_{};
};

class CSha1 : public CBlockDigest {
 public:
  CSha1();
  std::vector<unsigned char> Final();

 private:
  void Transform(const unsigned char* block) override;
  std::array<std::uint32_t, 5> state_{};
};

// One state for the three sizes: the digest length picks the 32-bit (SHA-256) or the 64-bit
// (SHA-384, SHA-512) compression.
class CSha2 : public CBlockDigest {
 public:
  CSha2() : CBlockDigest(64) {}
  // Size in bits (256, 384, 512) or bytes (32, 48, 64): 0. Any other value: non-zero, and Final
  // then gives nothing.
  int Init(int size);
  std::vector<unsigned char> Final();
  std::size_t DigestLength() const { return digestLength_; }

 private:
  void Transform(const unsigned char* block) override;

  std::size_t digestLength_ = 0;
  std::array<std::uint64_t, 8> state_{};  // SHA-256 uses the low halves
};
