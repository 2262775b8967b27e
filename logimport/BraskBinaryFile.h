#pragma once
// Reader of a dive-log file that holds a stream of standard records, plain (the binary layout:
// records, then the CRC-32 of all of them) or enciphered (the secured layout: "\xF3SF" and one
// more byte, a 16-byte vector, the AES-256-CBC ciphertext of a binary-layout file with its
// padding, and the SHA-256 of the whole file computed with those 32 bytes replaced by the fill
// value). Loading checks the file, deciphers it, splits it into records and descrambles the
// datalog and memory-block records in place.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "logimport/StandardRecord.h"

class CBraskBinaryFile {
 public:
  enum class Layout { kBinary, kSecured };

  static constexpr std::size_t kCrcSize = 4;
  static constexpr std::size_t kDigestSize = 32;
  static constexpr std::size_t kSecuredHeadSize = 4;
  static constexpr std::size_t kVectorSize = 16;
  static constexpr std::size_t kRecordHeaderSize = 6;

  // Reads a whole file as logimport::ReadWholeFile does.
  using FileReader = std::function<bool(const std::string& path, std::string_view openPrefix,
                                        std::vector<unsigned char>& bytes, std::string& error)>;

  // True when the file was read and split; the records, both flags and the file name are then
  // current. A record whose own checksum failed does not fail the load (the error text then
  // reads "Invalid record, continuing"). The file is read once: the bytes checked are the bytes
  // deciphered and split.
  bool Load(const std::string& path, Layout layout);
  // Whole-file check of a binary-layout file: true when the last four bytes hold the CRC-32 of
  // the bytes before them, or 0.
  bool CheckCRC32(const std::string& path);
  // The same on bytes in memory, where a stored 0 is not accepted.
  bool CheckCRC32(const std::vector<unsigned char>& bytes);
  bool CheckSHA256(const std::string& path);
  // Replaces the reader of whole files (tests); an empty one restores logimport::ReadWholeFile.
  void SetFileReader(FileReader reader) { reader_ = std::move(reader); }
  // Descrambles the datalog-computer and memory-block records in place; always true.
  bool DecodeStandardRecords(bool newFormat);

  int GetRecordCount() const { return static_cast<int>(records_.size()); }
  CStandardRecord* GetRecord(int index) const;  // null outside 0 to count - 1
  void ClearRecords() { records_.clear(); }

  std::string GetErrorText() const { return errorText_; }
  void SetErrorText(std::string text) { errorText_ = std::move(text); }
  const std::string& GetFileName() const { return fileName_; }
  bool IsNewFormat() const { return newFormat_; }
  bool IsStoreWriter() const { return storeWriter_; }

 private:
  bool ReadFile(const std::string& path, std::string_view openPrefix, std::vector<unsigned char>& bytes);
  bool WholeFileCrcMatches(const std::vector<unsigned char>& bytes);
  bool DigestMatches(std::vector<unsigned char>& bytes);
  bool CheckWholeFile(std::vector<unsigned char>& bytes, Layout layout);
  bool Decipher(std::vector<unsigned char>& bytes);
  bool SplitRecords(const std::vector<unsigned char>& stream);
  void ReadHeaderFlags();

  std::string errorText_;
  std::string fileName_;
  std::vector<std::unique_ptr<CStandardRecord>> records_;
  bool newFormat_ = false;
  bool storeWriter_ = false;
  FileReader reader_;
};
