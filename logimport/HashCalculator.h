#pragma once
// CRC-32, MD5, SHA-1 and SHA-256/384/512 over a text, a file or a memory buffer, as text in one
// of four forms (or, for CRC-32, as a number). Setters act at the next computation.
#include <cstdint>
#include <string>

class CHashCalculator {
 public:
  enum HashType { kCrc32 = 1, kMd5 = 5, kSha1 = 6, kSha2 = 7 };  // 2 to 4 are reserved: no result
  enum Source { kText = 1, kFile = 2, kBuffer = 3 };
  enum OutputForm { kLowerHex = 1, kLowerPairs = 2, kUpperHex = 3, kUpperPairs = 4 };

  void SetHashType(int type) { hashType_ = type; }
  void SetOutputForm(int form);  // 1 to 4, anything else 1
  void SetSource(int source);    // 1 to 3, anything else 1
  void SetSha2Size(int bits);    // 256, 384 or 512, anything else 256
  // The bytes must stay valid until the computation; a negative length counts as 0.
  void SetBuffer(const unsigned char* bytes, int length);
  void SetText(std::string text) { text_ = std::move(text); }
  void SetFilePath(std::string path) { filePath_ = std::move(path); }

  // CRC-32 of the text or the buffer; 0 when the type is not CRC-32 or the source is the file.
  std::uint32_t GetCrc32Value() const;
  // Hex text of the digest of the current type and source. Empty for the reserved and unknown
  // types, for MD5 of the buffer, for CRC-32 of a file, for a file that cannot be opened and for
  // an MD5 of an empty file.
  std::string GetHashText();

 private:
  std::string Crc32Text() const;
  std::string Md5Text() const;
  std::string Sha1Text() const;
  std::string Sha2Text() const;
  // Feeds the digest from the text, the buffer or the file (in chunks of chunkSize bytes).
  // False when the file cannot be read; bytesFed counts what was fed.
  template <typename Digest>
  bool Feed(Digest& digest, std::size_t chunkSize, std::uint64_t& bytesFed) const;

  std::string text_;
  int hashType_ = kSha1;
  std::string filePath_;
  const unsigned char* buffer_ = nullptr;
  int bufferLength_ = 0;
  int outputForm_ = kLowerHex;
  int source_ = kText;
  int sha2Bits_ = 256;
  std::string formatted_;
};
