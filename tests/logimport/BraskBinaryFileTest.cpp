#include "logimport/BraskBinaryFile.h"

#include <gtest/gtest.h>

#include <tuple>

#include "logimport/KeyMaterial.h"
#include "tests/logimport/LogFileFixture.h"

using testlog::Bytes;
using testlog::FromHex;
using testlog::HeaderRecord;

namespace {

using BinaryFileTest = LogFileTest;

constexpr auto kBinary = CBraskBinaryFile::Layout::kBinary;
constexpr auto kSecured = CBraskBinaryFile::Layout::kSecured;

// A stream without its CRC, wrapped as a binary file by appending the right CRC.
Bytes WithCrc(const Bytes& stream) { return stream + testlog::BigEndian32(testlog::Crc32(stream)); }

}  // namespace

TEST_F(BinaryFileTest, LoadsTheHandWrittenFile) {
  CBraskBinaryFile reader;
  const std::string path = Write("golden.ccl", Golden());
  ASSERT_TRUE(reader.Load(path, kBinary)) << reader.GetErrorText();
  ASSERT_EQ(reader.GetRecordCount(), 3);
  EXPECT_EQ(reader.GetRecord(0)->GetType(), 0);
  EXPECT_EQ(reader.GetRecord(1)->GetType(), 33);
  EXPECT_EQ(reader.GetRecord(2)->GetType(), 34);
  EXPECT_EQ(reader.GetRecord(3), nullptr);
  EXPECT_EQ(reader.GetRecord(-1), nullptr);
  EXPECT_TRUE(reader.IsNewFormat());
  EXPECT_FALSE(reader.IsStoreWriter());
  EXPECT_EQ(reader.GetFileName(), path);
  EXPECT_EQ(reader.GetErrorText(), "");
  EXPECT_EQ(pauses_.Count(), 1);  // after the whole-file check
}

TEST_F(BinaryFileTest, WholeFileCrcCheck) {
  CBraskBinaryFile reader;
  EXPECT_TRUE(reader.CheckCRC32(Write("golden.ccl", Golden())));
  EXPECT_TRUE(reader.CheckCRC32(Golden()));

  Bytes zeroed = Golden();
  std::fill(zeroed.end() - 4, zeroed.end(), 0);
  const std::string zeroPath = Write("zero.ccl", zeroed);
  EXPECT_TRUE(reader.CheckCRC32(zeroPath));  // a stored 0 passes on disk ...
  EXPECT_FALSE(reader.CheckCRC32(zeroed));   // ... but not in memory
  EXPECT_EQ(reader.GetErrorText(), "crc32 mismatch");
  EXPECT_FALSE(reader.Load(zeroPath, kBinary));
  EXPECT_EQ(reader.GetErrorText(), "Standard Records Checksum failure");

  Bytes wrong = Golden();
  wrong.back() ^= 0x01;
  EXPECT_FALSE(reader.Load(Write("wrong.ccl", wrong), kBinary));
  EXPECT_EQ(reader.GetErrorText(), "Binary file load inital CRC32 check failed - crc32 mismatch");
}

TEST_F(BinaryFileTest, FilesTooShortForTheirTrailers) {
  CBraskBinaryFile reader;
  for (const char* hex : {"", "00", "0000", "000001"}) {
    const std::string path = Write("short.ccl", FromHex(hex));
    EXPECT_FALSE(reader.Load(path, kBinary)) << hex;
    EXPECT_EQ(reader.GetErrorText(), "Binary file load inital CRC32 check failed - File too small, at least four bytes required for the crc32 check");
    EXPECT_FALSE(reader.CheckCRC32(FromHex(hex)));
  }
  EXPECT_FALSE(reader.Load(Write("short.ccl", Bytes(31, 0xF3)), kSecured));
  EXPECT_EQ(reader.GetErrorText(), "Secured file load initial SHA256 check failed - File too small, at least 32 bytes required for the SHA256 check");

  // 32 to 51 bytes can carry a matching digest but no vector and ciphertext.
  for (std::size_t size : {0u, 19u}) {
    const Bytes file = testlog::WithDigest(Bytes(size, 0xF3), logimport::PlaceholderKeyMaterial().digestFill);
    EXPECT_FALSE(reader.Load(Write("short.ccl", file), kSecured)) << size;
    EXPECT_EQ(reader.GetErrorText(), "File too small, at least 52 bytes required for a secured file");
  }
  // A deciphered stream shorter than its CRC.
  EXPECT_FALSE(reader.Load(Write("tiny.ccl", Secure(FromHex("000000"))), kSecured));
  EXPECT_EQ(reader.GetErrorText(), "Standard Records Checksum failure");
}

TEST_F(BinaryFileTest, RecordStreamLengths) {
  CBraskBinaryFile reader;
  for (std::size_t size = 0; size <= 5; ++size) {
    EXPECT_FALSE(reader.Load(Write("s.ccl", WithCrc(Bytes(size, 0))), kBinary)) << size;
    EXPECT_EQ(reader.GetErrorText(), "File to small, at least six bytes required for record header") << size;
  }
  EXPECT_FALSE(reader.Load(Write("s.ccl", WithCrc(Bytes(6, 0))), kBinary));
  EXPECT_EQ(reader.GetErrorText(), "File to small, insufficient data for a standard record plus checksum");

  const Bytes stream = GoldenStream();
  for (std::size_t stray = 1; stray <= 5; ++stray) {
    EXPECT_FALSE(reader.Load(Write("s.ccl", WithCrc(stream + Bytes(stray, 0))), kBinary)) << stray;
    EXPECT_EQ(reader.GetErrorText(), "File to small, at least six bytes required for record header");
  }
  // Lengths that would overflow a 32-bit sum, and one whose checksum would reach past the end.
  for (const char* length : {"FFFFFFFF", "FFFFFFFC", "00000001"}) {
    EXPECT_FALSE(reader.Load(Write("s.ccl", WithCrc(FromHex(std::string("0021") + length + "AABBCCDD"))), kBinary)) << length;
    EXPECT_EQ(reader.GetErrorText(), "File to small, insufficient data for a standard record plus checksum");
  }
  EXPECT_EQ(reader.GetFileName(), "");
}

TEST_F(BinaryFileTest, ABadRecordChecksumDoesNotFailTheLoad) {
  Bytes user = testlog::Record(33, testlog::UserEntry(0x80, FromHex("414243")));
  user[7] ^= 0x40;
  CBraskBinaryFile reader;
  ASSERT_TRUE(reader.Load(Write("bad-record.ccl", testlog::BinaryFile({HeaderRecord(), user, testlog::Record(0x0110, FromHex("01"))})), kBinary));
  EXPECT_EQ(reader.GetErrorText(), "Invalid record, continuing");
  ASSERT_EQ(reader.GetRecordCount(), 3);
  EXPECT_FALSE(reader.GetRecord(1)->IsValid());
  EXPECT_TRUE(reader.GetRecord(2)->IsValid());
  EXPECT_EQ(reader.GetRecord(2)->GetType(), 0x0110);
}

TEST_F(BinaryFileTest, FlagsFromTheFirstHeader) {
  CBraskBinaryFile reader;
  testlog::HeaderFields old;
  old.firmware = {0x07, 0x00, 0x02};
  testlog::HeaderFields store;
  store.writer = 1;
  ASSERT_TRUE(reader.Load(Write("a.ccl", testlog::BinaryFile({HeaderRecord(old), HeaderRecord(store)})), kBinary));
  EXPECT_FALSE(reader.IsNewFormat());
  EXPECT_FALSE(reader.IsStoreWriter());
  ASSERT_TRUE(reader.Load(Write("b.ccl", testlog::BinaryFile({HeaderRecord(store)})), kBinary));
  EXPECT_TRUE(reader.IsNewFormat());
  EXPECT_TRUE(reader.IsStoreWriter());

  // A header whose checksum failed reads as the default image: both flags clear.
  Bytes badHeader = HeaderRecord(store);
  badHeader[10] ^= 0x01;
  ASSERT_TRUE(reader.Load(Write("c.ccl", testlog::BinaryFile({badHeader})), kBinary));
  EXPECT_FALSE(reader.IsNewFormat());
  EXPECT_FALSE(reader.IsStoreWriter());

  // A failed load keeps the flags, empties the name and holds the records read before the failure.
  ASSERT_TRUE(reader.Load(Write("d.ccl", testlog::BinaryFile({HeaderRecord(store)})), kBinary));
  const Bytes stream = HeaderRecord() + FromHex("0021000000");
  EXPECT_FALSE(reader.Load(Write("e.ccl", WithCrc(stream)), kBinary));
  EXPECT_TRUE(reader.IsNewFormat());
  EXPECT_TRUE(reader.IsStoreWriter());
  EXPECT_EQ(reader.GetFileName(), "");
  EXPECT_EQ(reader.GetRecordCount(), 1);
  reader.ClearRecords();
  EXPECT_EQ(reader.GetRecordCount(), 0);
}

TEST_F(BinaryFileTest, LoadDescramblesDatalogAndMemoryBlocks) {
  const auto& seed = logimport::PlaceholderKeyMaterial().keystreamSeed;
  Bytes plain;
  for (int i = 0; i < 64; ++i) plain.push_back(static_cast<unsigned char>(i));
  const Bytes offset = FromHex("01020304");  // 24
  const Bytes datalog = testlog::Record(32, offset + testlog::Scramble(plain, seed, 24, 32));
  const Bytes block = testlog::Record(16, testlog::MemoryBlockData(offset, 176, 1, 0x10000, testlog::Scramble(plain, seed, 24, 16)));
  const Bytes plainBlock = testlog::Record(16, testlog::MemoryBlockData(FromHex("FFFFFFFF"), 176, 1, 0x4000, plain));

  CBraskBinaryFile reader;
  testlog::HeaderFields store;
  store.writer = 1;
  ASSERT_TRUE(reader.Load(Write("scrambled.ccl", testlog::BinaryFile({HeaderRecord(store), datalog, block, plainBlock})), kBinary));
  ASSERT_EQ(reader.GetRecordCount(), 4);
  for (int i = 1; i <= 2; ++i) {
    const CStandardRecord* record = reader.GetRecord(i);
    ASSERT_TRUE(record->IsValid());
    const std::size_t headLength = i == 1 ? 4 : 10;
    EXPECT_EQ(Bytes(record->GetData() + headLength, record->GetData() + record->GetDataLength()), plain) << i;
  }
  // The store writer leaves a block without a usable offset as it is.
  EXPECT_EQ(Bytes(reader.GetRecord(3)->GetData() + 10, reader.GetRecord(3)->GetData() + 74), plain);

  // Any other writer descrambles it with offset 0.
  ASSERT_TRUE(reader.Load(Write("other.ccl", testlog::BinaryFile({HeaderRecord(), plainBlock})), kBinary));
  const CStandardRecord* other = reader.GetRecord(1);
  EXPECT_EQ(Bytes(other->GetData() + 10, other->GetData() + 74), testlog::Scramble(plain, seed, 0, 0));
}

TEST_F(BinaryFileTest, SecuredFileRoundTrip) {
  CBraskBinaryFile reader;
  const std::string path = Write("secured.ccl", Secure(Golden()));
  EXPECT_TRUE(reader.CheckSHA256(path));
  ASSERT_TRUE(reader.Load(path, kSecured)) << reader.GetErrorText();
  ASSERT_EQ(reader.GetRecordCount(), 3);
  EXPECT_EQ(reader.GetRecord(2)->GetType(), 34);
  EXPECT_TRUE(reader.IsNewFormat());
  EXPECT_EQ(reader.GetFileName(), path);

  // Every padding length from 1 to 16 is stripped.
  Bytes stream = GoldenStream();
  for (int extra = 0; extra < 16; ++extra) {
    const Bytes file = testlog::BinaryFile({stream, testlog::Record(0x0200, Bytes(static_cast<std::size_t>(extra), 0x11))});
    ASSERT_TRUE(reader.Load(Write("pad.ccl", Secure(file)), kSecured)) << extra << " " << reader.GetErrorText();
    EXPECT_EQ(reader.GetRecordCount(), 4);
  }
}

TEST_F(BinaryFileTest, SecuredFileFailures) {
  CBraskBinaryFile reader;
  Bytes file = Secure(Golden());
  file[30] ^= 0x04;
  EXPECT_FALSE(reader.Load(Write("tampered.ccl", file), kSecured));
  EXPECT_EQ(reader.GetErrorText(), "Secured file load initial SHA256 check failed - SHA256 mismatch");

  logimport::KeyMaterial otherKey = logimport::PlaceholderKeyMaterial();
  otherKey.aesKey[0] ^= 0x80;
  EXPECT_FALSE(reader.Load(Write("other-key.ccl", testlog::SecuredFile(Golden(), otherKey, kVector)), kSecured));
  EXPECT_EQ(reader.GetErrorText(), "Standard Records Checksum failure");

  // A ciphertext that is not whole blocks is left as it is and fails the stream check.
  Bytes ragged = Secure(Golden());
  ragged.erase(ragged.begin() + 40);
  const Bytes body(ragged.begin(), ragged.end() - 32);
  EXPECT_FALSE(reader.Load(Write("ragged.ccl", testlog::WithDigest(body, logimport::PlaceholderKeyMaterial().digestFill)), kSecured));
  EXPECT_EQ(reader.GetErrorText(), "Standard Records Checksum failure");

  // A plain binary file read as secured.
  EXPECT_FALSE(reader.Load(Write("plain.ccl", Golden()), kSecured));
  EXPECT_EQ(reader.GetErrorText(), "Secured file load initial SHA256 check failed - SHA256 mismatch");
}

TEST_F(BinaryFileTest, FilesThatDoNotOpen) {
  CBraskBinaryFile reader;
  EXPECT_FALSE(reader.Load(Missing(), kBinary));
  EXPECT_EQ(reader.GetErrorText(), "Binary file load inital CRC32 check failed - CheckCRC32 Unable to open source file: "
                                   "No such file or directory - m_cause 2, m_lOsError 2, m_strFileName " + Missing());
  EXPECT_EQ(pauses_.Count(), 9);  // ten opens, nine pauses between them
  EXPECT_EQ(pauses_.TotalMs(), 90);

  EXPECT_FALSE(reader.CheckSHA256(folders_.Root().string()));
  EXPECT_EQ(reader.GetErrorText(), "CheckSHA256 Unable to open source file: Is a directory - m_cause 5, m_lOsError 21, "
                                   "m_strFileName " + folders_.Root().string());
  EXPECT_FALSE(reader.Load(Missing(), kSecured));
  EXPECT_EQ(reader.GetErrorText().rfind("Secured file load initial SHA256 check failed - CheckSHA256 Unable to open source file: ", 0), 0u);
}

TEST_F(BinaryFileTest, FilesTooLargeToHoldAreRefused) {
  const std::string path = Write("huge.ccl", Golden());
  std::filesystem::resize_file(path, (256u << 20) + 1);  // sparse: nothing is written
  CBraskBinaryFile reader;
  EXPECT_FALSE(reader.Load(path, kBinary));
  EXPECT_EQ(reader.GetErrorText(), "Binary file load inital CRC32 check failed - Unable to allocate memory");
  EXPECT_FALSE(reader.CheckSHA256(path));
  EXPECT_EQ(reader.GetErrorText(), "Unable to allocate memory");
}

TEST_F(BinaryFileTest, EveryTruncationAndBitFlipIsRefused) {
  Bytes plainStream = GoldenStream() + testlog::Record(16, testlog::MemoryBlockData(FromHex("01020304"), 176, 1, 0x10000, Bytes(20, 0x5A))) +
                testlog::Record(32, FromHex("00000001") + Bytes(40, 0x77));
  const Bytes binary = WithCrc(plainStream);
  const Bytes secured = Secure(binary);
  for (const auto& [file, layout] : {std::pair{binary, kBinary}, std::pair{secured, kSecured}}) {
    CBraskBinaryFile reader;
    ASSERT_TRUE(reader.Load(Write("whole.ccl", file), layout));
    for (std::size_t size = 0; size < file.size(); ++size) {
      EXPECT_FALSE(reader.Load(Write("cut.ccl", Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size))), layout)) << size;
      EXPECT_EQ(reader.GetRecordCount(), 0);
    }
    for (std::size_t bit = 0; bit < file.size() * 8; ++bit) {
      Bytes flipped = file;
      flipped[bit / 8] ^= static_cast<unsigned char>(1u << (bit % 8));
      EXPECT_FALSE(reader.Load(Write("flip.ccl", flipped), layout)) << bit;
    }
  }
}

TEST_F(BinaryFileTest, DamagedStreamsBehindGoodChecksums) {
  // The whole-file checks pass, so the record parser itself meets every cut and flipped bit.
  Bytes plainStream = GoldenStream() + testlog::Record(16, testlog::MemoryBlockData(FromHex("01020304"), 178, 1, 0x4800, Bytes(20, 0x5A))) +
                testlog::Record(32, FromHex("00000001") + Bytes(40, 0x77));
  CBraskBinaryFile reader;
  int loaded = 0;
  for (std::size_t size = 0; size <= plainStream.size(); ++size) {
    const Bytes cut(plainStream.begin(), plainStream.begin() + static_cast<std::ptrdiff_t>(size));
    loaded += reader.Load(Write("cut.ccl", WithCrc(cut)), kBinary);
  }
  for (std::size_t bit = 0; bit < plainStream.size() * 8; bit += 3) {
    Bytes flipped = plainStream;
    flipped[bit / 8] ^= static_cast<unsigned char>(1u << (bit % 8));
    const bool binaryLoaded = reader.Load(Write("flip.ccl", WithCrc(flipped)), kBinary);
    const int binaryRecords = reader.GetRecordCount();
    EXPECT_EQ(reader.Load(Write("flip-secured.ccl", Secure(WithCrc(flipped))), kSecured), binaryLoaded) << bit;
    EXPECT_EQ(reader.GetRecordCount(), binaryRecords) << bit;
  }
  EXPECT_EQ(loaded, 5);  // a cut at each of the five record ends loads, any other cut fails
}

TEST_F(BinaryFileTest, TheBytesCheckedAreTheBytesParsed) {
  // A file that changes after its first read: the reader answers the first read with a sound
  // file and any later one with a file whose first record was changed, its record checksum no
  // longer matching, behind whole-file checks made to match.
  Bytes changedStream = GoldenStream();
  changedStream[8] ^= 0x01;
  CBraskBinaryFile plain;
  ASSERT_TRUE(plain.Load(Write("golden.ccl", Golden()), kBinary));
  const std::vector<unsigned char> firstRecord(plain.GetRecord(0)->GetData(),
                                               plain.GetRecord(0)->GetData() + plain.GetRecord(0)->GetDataLength());
  const std::string path = Write("changing.ccl", Golden());
  for (const auto& [sound, changed, layout] :
       {std::tuple{Golden(), WithCrc(changedStream), kBinary},
        std::tuple{Secure(Golden()), Secure(WithCrc(changedStream)), kSecured}}) {
    int reads = 0;
    CBraskBinaryFile reader;
    reader.SetFileReader([&reads, &path, sound = sound, changed = changed](const std::string& read, std::string_view,
                                                                         std::vector<unsigned char>& bytes, std::string&) {
      EXPECT_EQ(read, path);
      bytes = ++reads == 1 ? sound : changed;
      return true;
    });
    ASSERT_TRUE(reader.Load(path, layout)) << reader.GetErrorText();
    EXPECT_EQ(reads, 1);
    ASSERT_EQ(reader.GetRecordCount(), 3);
    EXPECT_EQ(reader.GetErrorText(), "");  // the changed record's own checksum would fail
    EXPECT_TRUE(reader.GetRecord(0)->IsValid());
    EXPECT_EQ(std::vector<unsigned char>(reader.GetRecord(0)->GetData(),
                                         reader.GetRecord(0)->GetData() + reader.GetRecord(0)->GetDataLength()),
              firstRecord);
  }
}
