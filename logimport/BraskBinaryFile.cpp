#include "logimport/BraskBinaryFile.h"

#include <algorithm>

#include "engine/support/HexConversions.h"
#include "logimport/AesDecryptor.h"
#include "logimport/DatalogRecords.h"
#include "logimport/FileHeaderRecord.h"
#include "logimport/HashCalculator.h"
#include "logimport/KeyMaterial.h"
#include "logimport/LogFileAccess.h"
#include "logimport/MemoryBlockRecord.h"

namespace {

constexpr int kPauseAfterCheckMs = 10;
constexpr std::size_t kSecuredMinimum =
    CBraskBinaryFile::kSecuredHeadSize + CBraskBinaryFile::kVectorSize + CBraskBinaryFile::kDigestSize;

constexpr const char* kCrcOpenText = "CheckCRC32 Unable to open source file: ";
constexpr const char* kSha256OpenText = "CheckSHA256 Unable to open source file: ";
constexpr const char* kCrcFailedText = "Binary file load inital CRC32 check failed - ";
constexpr const char* kSha256FailedText = "Secured file load initial SHA256 check failed - ";
constexpr const char* kTooShortForCrcText = "File too small, at least four bytes required for the crc32 check";

std::uint32_t Crc32(const unsigned char* bytes, std::size_t length) {
  CHashCalculator calculator;
  calculator.SetHashType(CHashCalculator::kCrc32);
  calculator.SetSource(CHashCalculator::kBuffer);
  calculator.SetBuffer(bytes, static_cast<int>(length));
  return calculator.GetCrc32Value();
}

std::uint32_t StoredCrc(const std::vector<unsigned char>& bytes) {
  return static_cast<std::uint32_t>(ReadUInt32BE(bytes.data() + bytes.size() - CBraskBinaryFile::kCrcSize));
}

}  // namespace

CStandardRecord* CBraskBinaryFile::GetRecord(int index) const {
  return index >= 0 && index < GetRecordCount() ? records_[static_cast<std::size_t>(index)].get() : nullptr;
}

bool CBraskBinaryFile::ReadFile(const std::string& path, std::string_view openPrefix,
                                std::vector<unsigned char>& bytes) {
  if (reader_) return reader_(path, openPrefix, bytes, errorText_);
  return logimport::ReadWholeFile(path, openPrefix, bytes, errorText_);
}

bool CBraskBinaryFile::CheckCRC32(const std::string& path) {
  std::vector<unsigned char> bytes;
  if (!ReadFile(path, kCrcOpenText, bytes)) return false;
  logimport::PauseMs(kPauseAfterCheckMs);
  return WholeFileCrcMatches(bytes);
}

bool CBraskBinaryFile::WholeFileCrcMatches(const std::vector<unsigned char>& bytes) {
  if (bytes.size() < kCrcSize) {
    errorText_ = kTooShortForCrcText;
    return false;
  }
  const std::uint32_t stored = StoredCrc(bytes);
  if (stored == 0 || stored == Crc32(bytes.data(), bytes.size() - kCrcSize)) return true;
  errorText_ = "crc32 mismatch";
  return false;
}

bool CBraskBinaryFile::CheckCRC32(const std::vector<unsigned char>& bytes) {
  if (bytes.size() < kCrcSize) {
    errorText_ = kTooShortForCrcText;
    return false;
  }
  if (StoredCrc(bytes) == Crc32(bytes.data(), bytes.size() - kCrcSize)) return true;
  errorText_ = "crc32 mismatch";
  return false;
}

bool CBraskBinaryFile::CheckSHA256(const std::string& path) {
  std::vector<unsigned char> bytes;
  if (!ReadFile(path, kSha256OpenText, bytes)) return false;
  logimport::PauseMs(kPauseAfterCheckMs);
  return DigestMatches(bytes);
}

bool CBraskBinaryFile::DigestMatches(std::vector<unsigned char>& bytes) {
  if (bytes.size() < kDigestSize) {
    errorText_ = "File too small, at least 32 bytes required for the SHA256 check";
    return false;
  }
  // The digest is computed with the fill value in its place; the bytes are given back as read.
  const auto digestAt = bytes.end() - static_cast<std::ptrdiff_t>(kDigestSize);
  const std::vector<unsigned char> stored(digestAt, bytes.end());
  const auto& fill = logimport::CurrentKeyMaterial().digestFill;
  std::copy(fill.begin(), fill.end(), digestAt);

  CHashCalculator calculator;
  calculator.SetHashType(CHashCalculator::kSha2);
  calculator.SetSha2Size(256);
  calculator.SetSource(CHashCalculator::kBuffer);
  calculator.SetBuffer(bytes.data(), static_cast<int>(bytes.size()));
  const std::string digestText = calculator.GetHashText();
  std::copy(stored.begin(), stored.end(), digestAt);
  bool equal = digestText.size() == 2 * kDigestSize;
  for (std::size_t i = 0; equal && i < kDigestSize; ++i) {
    equal = static_cast<unsigned char>(HexToInt(std::string_view(digestText).substr(2 * i, 2))) == stored[i];
  }
  if (equal) return true;
  errorText_ = "SHA256 mismatch";
  return false;
}

bool CBraskBinaryFile::CheckWholeFile(std::vector<unsigned char>& bytes, Layout layout) {
  if (layout == Layout::kBinary) {
    if (WholeFileCrcMatches(bytes)) return true;
    errorText_ = kCrcFailedText + errorText_;
  } else {
    if (DigestMatches(bytes)) return true;
    errorText_ = kSha256FailedText + errorText_;
  }
  return false;
}

bool CBraskBinaryFile::Decipher(std::vector<unsigned char>& bytes) {
  if (bytes.size() < kSecuredMinimum) {
    errorText_ = "File too small, at least 52 bytes required for a secured file";
    return false;
  }
  const auto vectorAt = bytes.begin() + static_cast<std::ptrdiff_t>(kSecuredHeadSize);
  const std::vector<unsigned char> vector(vectorAt, vectorAt + static_cast<std::ptrdiff_t>(kVectorSize));
  bytes.erase(bytes.end() - static_cast<std::ptrdiff_t>(kDigestSize), bytes.end());
  bytes.erase(bytes.begin(), vectorAt + static_cast<std::ptrdiff_t>(kVectorSize));
  CAesDecryptor decryptor;
  decryptor.Clear();
  decryptor.SetIV(vector.data(), vector.size());
  const auto& key = logimport::CurrentKeyMaterial().aesKey;
  decryptor.SetKey(key.data(), key.size());
  decryptor.DecryptArray(bytes);
  return true;
}

bool CBraskBinaryFile::SplitRecords(const std::vector<unsigned char>& stream) {
  const std::size_t size = stream.size();
  std::size_t at = 0;
  do {
    if (size - at < kRecordHeaderSize) {
      errorText_ = "File to small, at least six bytes required for record header";
      return false;
    }
    const auto type = static_cast<std::uint16_t>(stream[at] << 8 | stream[at + 1]);
    const auto length = static_cast<std::uint32_t>(ReadUInt32BE(stream.data() + at + 2));
    at += kRecordHeaderSize;
    if (static_cast<std::uint64_t>(length) + kCrcSize > size - at) {
      errorText_ = "File to small, insufficient data for a standard record plus checksum";
      return false;
    }
    auto record = std::make_unique<CStandardRecord>(type);
    if (!record->Load(stream.data() + at, length, stream.data() + at + length)) {
      errorText_ = "Invalid record, continuing";
    }
    records_.push_back(std::move(record));
    at += length + kCrcSize;
  } while (at != size);
  return true;
}

void CBraskBinaryFile::ReadHeaderFlags() {
  newFormat_ = false;
  storeWriter_ = false;
  const auto header = std::find_if(records_.begin(), records_.end(), [](const auto& record) {
    return record->GetType() == CStandardRecord::kFileHeader;
  });
  if (header == records_.end()) return;
  CSRFileHeader decoder;
  decoder.SetData((*header)->GetData(), (*header)->GetDataLength());
  newFormat_ = decoder.IsNewFormat();
  storeWriter_ = decoder.GetWriterId() == CSRFileHeader::kStoreWriterId;
}

bool CBraskBinaryFile::Load(const std::string& path, Layout layout) {
  fileName_.clear();
  ClearRecords();
  logimport::ReloadKeyMaterial();
  const bool binary = layout == Layout::kBinary;
  std::vector<unsigned char> bytes;
  if (!ReadFile(path, binary ? kCrcOpenText : kSha256OpenText, bytes)) {
    errorText_ = (binary ? kCrcFailedText : kSha256FailedText) + errorText_;
    return false;
  }
  logimport::PauseMs(kPauseAfterCheckMs);
  if (!CheckWholeFile(bytes, layout)) return false;
  if (layout == Layout::kSecured && !Decipher(bytes)) return false;
  if (!CheckCRC32(bytes)) {
    errorText_ = "Standard Records Checksum failure";
    return false;
  }
  bytes.resize(bytes.size() - kCrcSize);
  if (!SplitRecords(bytes)) return false;  // the flags keep their values
  ReadHeaderFlags();
  DecodeStandardRecords(newFormat_);
  fileName_ = path;
  return true;
}

bool CBraskBinaryFile::DecodeStandardRecords(bool newFormat) {
  for (const auto& record : records_) {
    if (!record->IsValid()) continue;
    if (record->GetType() == CStandardRecord::kDatalogComputer) {
      CSRDLDataComp decoder;
      decoder.SetData(record->GetData(), record->GetDataLength());
      decoder.Decode(newFormat);
      record->ReplaceData(decoder.GetData().data(), decoder.GetData().size());
    } else if (record->GetType() == CStandardRecord::kMemoryBlock) {
      CSRMemoryBlock decoder;
      decoder.SetData(record->GetData(), record->GetDataLength());
      if (!storeWriter_ || decoder.GetKeyOffset().valid) decoder.Decode();
      record->ReplaceData(decoder.GetData().data(), decoder.GetData().size());
    }
  }
  return true;
}
