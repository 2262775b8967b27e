#include "logimport/HashCalculator.h"

#include <cctype>
#include <cstdio>
#include <vector>

#include "logimport/Crc32Table.h"
#include "logimport/Digests.h"
#include "logimport/LogFileAccess.h"

namespace {

constexpr std::size_t kMd5FileChunk = 2048;
constexpr std::size_t kShaFileChunk = 16000;

std::string LowerHex(const std::vector<unsigned char>& bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  text.reserve(bytes.size() * 2);
  for (unsigned char byte : bytes) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0x0F];
  }
  return text;
}

}  // namespace

void CHashCalculator::SetOutputForm(int form) { outputForm_ = form >= kLowerHex && form <= kUpperPairs ? form : kLowerHex; }

void CHashCalculator::SetSource(int source) { source_ = source >= kText && source <= kBuffer ? source : kText; }

void CHashCalculator::SetSha2Size(int bits) { sha2Bits_ = bits == 384 || bits == 512 ? bits : 256; }

void CHashCalculator::SetBuffer(const unsigned char* bytes, int length) {
  buffer_ = bytes;
  bufferLength_ = bytes && length > 0 ? length : 0;
}

std::uint32_t CHashCalculator::GetCrc32Value() const {
  if (hashType_ != kCrc32) return 0;
  std::uint32_t crc = 0;
  CCrc32Table table;
  if (source_ == kText) {
    table.BufferCrc32(text_.data(), text_.size(), crc);
  } else if (source_ == kBuffer) {
    table.BufferCrc32(buffer_, static_cast<std::size_t>(bufferLength_), crc);
  }
  return crc;
}

template <typename Digest>
bool CHashCalculator::Feed(Digest& digest, std::size_t chunkSize, std::uint64_t& bytesFed) const {
  bytesFed = 0;
  if (source_ == kText) {
    digest.Update(reinterpret_cast<const unsigned char*>(text_.data()), text_.size());
    bytesFed = text_.size();
    return true;
  }
  if (source_ == kBuffer) {
    digest.Update(buffer_, static_cast<std::size_t>(bufferLength_));
    bytesFed = static_cast<std::uint64_t>(bufferLength_);
    return true;
  }
  logimport::CLogFileReader file;
  if (filePath_.empty() || !file.Open(filePath_, 1)) return false;
  std::vector<unsigned char> chunk(chunkSize);
  for (;;) {
    const std::size_t got = file.Read(chunk.data(), chunk.size());
    digest.Update(chunk.data(), got);
    bytesFed += got;
    if (got < chunk.size()) return true;
  }
}

std::string CHashCalculator::Crc32Text() const {
  if (source_ == kFile) return {};
  char text[9];
  std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(GetCrc32Value()));
  return text;
}

std::string CHashCalculator::Md5Text() const {
  if (source_ == kBuffer) return {};
  CMd5 digest;
  std::uint64_t fed = 0;
  if (!Feed(digest, kMd5FileChunk, fed) || (source_ == kFile && fed == 0)) return {};
  return LowerHex(digest.Final());
}

std::string CHashCalculator::Sha1Text() const {
  CSha1 digest;
  std::uint64_t fed = 0;
  if (!Feed(digest, kShaFileChunk, fed)) return {};
  return LowerHex(digest.Final());
}

std::string CHashCalculator::Sha2Text() const {
  CSha2 digest;
  digest.Init(sha2Bits_);
  std::uint64_t fed = 0;
  if (!Feed(digest, kShaFileChunk, fed)) return {};
  return LowerHex(digest.Final());
}

std::string CHashCalculator::GetHashText() {
  std::string text;
  switch (hashType_) {
    case kCrc32: text = Crc32Text(); break;
    case kMd5: text = Md5Text(); break;
    case kSha1: text = Sha1Text(); break;
    case kSha2: text = Sha2Text(); break;
    default: break;
  }
  if (outputForm_ == kLowerPairs || outputForm_ == kUpperPairs) {
    formatted_.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
      formatted_ += text[i];
      if (i % 2 == 1) formatted_ += ' ';
    }
    text = formatted_;
  }
  if (outputForm_ == kUpperHex || outputForm_ == kUpperPairs) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return text;
}
