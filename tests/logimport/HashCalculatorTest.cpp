#include "logimport/HashCalculator.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "logimport/Crc32Table.h"
#include "logimport/Digests.h"
#include "tests/logimport/LogTestSupport.h"
#include "tests/support/TempFolders.h"

namespace {

const std::string k448Bits = "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq";

std::string TextHash(int type, const std::string& text, int sha2Bits = 256) {
  CHashCalculator calculator;
  calculator.SetHashType(type);
  calculator.SetSha2Size(sha2Bits);
  calculator.SetText(text);
  return calculator.GetHashText();
}

std::string FileHash(int type, const std::filesystem::path& path, int sha2Bits = 256) {
  CHashCalculator calculator;
  calculator.SetHashType(type);
  calculator.SetSha2Size(sha2Bits);
  calculator.SetSource(CHashCalculator::kFile);
  calculator.SetFilePath(path.string());
  return calculator.GetHashText();
}

}  // namespace

TEST(Crc32, PublishedCheckValues) {
  CCrc32Table table;
  std::uint32_t crc = 1;
  EXPECT_EQ(table.StringCrc32("123456789", crc), 0);
  EXPECT_EQ(crc, 0xCBF43926u);
  table.StringCrc32("", crc);
  EXPECT_EQ(crc, 0u);
  const unsigned char zeros[6] = {};
  table.BufferCrc32(zeros, sizeof zeros, crc);
  EXPECT_EQ(crc, 0xB1C2A1A3u);  // an empty type-0 record

  CHashCalculator calculator;
  calculator.SetHashType(CHashCalculator::kCrc32);
  calculator.SetText("123456789");
  EXPECT_EQ(calculator.GetCrc32Value(), 0xCBF43926u);
  EXPECT_EQ(calculator.GetHashText(), "cbf43926");
  calculator.SetText("");
  EXPECT_EQ(calculator.GetHashText(), "00000000");  // leading zeros kept
  const unsigned char digits[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
  calculator.SetSource(CHashCalculator::kBuffer);
  calculator.SetBuffer(digits, 9);
  EXPECT_EQ(calculator.GetCrc32Value(), 0xCBF43926u);
  calculator.SetSource(CHashCalculator::kFile);
  EXPECT_EQ(calculator.GetCrc32Value(), 0u);
  EXPECT_EQ(calculator.GetHashText(), "");
  calculator.SetSource(CHashCalculator::kBuffer);
  calculator.SetHashType(CHashCalculator::kSha1);
  EXPECT_EQ(calculator.GetCrc32Value(), 0u);  // not the CRC type
}

TEST(Md5, Rfc1321Suite) {
  EXPECT_EQ(TextHash(CHashCalculator::kMd5, ""), "d41d8cd98f00b204e9800998ecf8427e");
  EXPECT_EQ(TextHash(CHashCalculator::kMd5, "a"), "0cc175b9c0f1b6a831c399e269772661");
  EXPECT_EQ(TextHash(CHashCalculator::kMd5, "abc"), "900150983cd24fb0d6963f7d28e17f72");
  EXPECT_EQ(TextHash(CHashCalculator::kMd5, "message digest"), "f96b697d7cb7938d525a2f31aaf161d0");
  EXPECT_EQ(TextHash(CHashCalculator::kMd5, "abcdefghijklmnopqrstuvwxyz"), "c3fcd3d76192e4007dfb496cca67e13b");
  EXPECT_EQ(TextHash(CHashCalculator::kMd5, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"),
            "d174ab98d277d9f5a5611c2c9f419d9f");
  std::string eighty;
  for (int i = 0; i < 8; ++i) eighty += "1234567890";
  EXPECT_EQ(TextHash(CHashCalculator::kMd5, eighty), "57edf4a22be3c955ac49da2e2107b67a");
}

TEST(Md5, AnotherStartGivesAnotherDigest) {
  CMd5 standard;
  CMd5 shifted(1);
  EXPECT_NE(standard.Final(), shifted.Final());
}

TEST(Sha, Fips180Vectors) {
  EXPECT_EQ(TextHash(CHashCalculator::kSha1, "abc"), "a9993e364706816aba3e25717850c26c9cd0d89d");
  EXPECT_EQ(TextHash(CHashCalculator::kSha1, ""), "da39a3ee5e6b4b0d3255bfef95601890afd80709");
  EXPECT_EQ(TextHash(CHashCalculator::kSha1, k448Bits), "84983e441c3bd26ebaae4aa1f95129e5e54670f1");
  EXPECT_EQ(TextHash(CHashCalculator::kSha2, "abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  EXPECT_EQ(TextHash(CHashCalculator::kSha2, k448Bits), "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
  EXPECT_EQ(TextHash(CHashCalculator::kSha2, "abc", 384),
            "cb00753f45a35e8bb5a03d699ac65007272c32ab0eded1631a8b605a43ff5bed8086072ba1e7cc2358baeca134c825a7");
  EXPECT_EQ(TextHash(CHashCalculator::kSha2, "abc", 512),
            "ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a2192992a274fc1a836ba3c23a3feebbd454d4423643ce80e2a9ac94fa54ca49f");
  // FIPS 180-2 appendix C.2 / D.2: the 896-bit message.
  const std::string k896Bits =
      "abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrlmnopqrsmnopqrstnopqrstu";
  EXPECT_EQ(TextHash(CHashCalculator::kSha2, k896Bits, 512),
            "8e959b75dae313da8cf4f72814fc143f8f7779c6eb9f7fa17299aeadb6889018501d289e4900f7e4331b99dec4b5433ac7d329eeb6dd26545e96e55b874be909");
  EXPECT_EQ(TextHash(CHashCalculator::kSha2, k896Bits, 384),
            "09330c33f71147e83d192fc782cd1b4753111b173b3b05d22fa08086e3b0f712fcc7c71a557e2db966c3e9fa91746039");
}

TEST(Sha2, SizeInBitsOrBytes) {
  CSha2 sha;
  EXPECT_EQ(sha.Init(48), 0);
  EXPECT_EQ(sha.DigestLength(), 48u);
  EXPECT_EQ(sha.Init(512), 0);
  EXPECT_EQ(sha.DigestLength(), 64u);
  EXPECT_NE(sha.Init(224), 0);
  EXPECT_TRUE(sha.Final().empty());
}

TEST(HashCalculator, DefaultsFormsAndTypes) {
  CHashCalculator fresh;
  EXPECT_EQ(fresh.GetHashText(), "da39a3ee5e6b4b0d3255bfef95601890afd80709");  // SHA-1 of the empty text

  CHashCalculator calculator;
  calculator.SetHashType(CHashCalculator::kMd5);
  calculator.SetText("abc");
  calculator.SetOutputForm(4);
  const std::string pairs = calculator.GetHashText();
  EXPECT_EQ(pairs.size(), 48u);
  EXPECT_EQ(pairs.substr(0, 9), "90 01 50 ");
  EXPECT_EQ(pairs.back(), ' ');
  calculator.SetOutputForm(2);
  EXPECT_EQ(calculator.GetHashText().substr(0, 6), "90 01 ");
  calculator.SetOutputForm(3);
  EXPECT_EQ(calculator.GetHashText(), "900150983CD24FB0D6963F7D28E17F72");
  calculator.SetOutputForm(9);  // stored as 1
  EXPECT_EQ(calculator.GetHashText(), "900150983cd24fb0d6963f7d28e17f72");

  for (int type : {2, 3, 4, 0, 8, 99}) {
    calculator.SetHashType(type);
    EXPECT_EQ(calculator.GetHashText(), "") << type;
    EXPECT_EQ(calculator.GetCrc32Value(), 0u) << type;
  }

  calculator.SetHashType(CHashCalculator::kSha2);
  calculator.SetSha2Size(224);  // stored as 256
  EXPECT_EQ(calculator.GetHashText().size(), 64u);
  calculator.SetSource(7);  // stored as the text source
  EXPECT_EQ(calculator.GetHashText(), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
}

TEST(HashCalculator, BufferSource) {
  const unsigned char abc[] = {'a', 'b', 'c'};
  CHashCalculator calculator;
  calculator.SetSource(CHashCalculator::kBuffer);
  calculator.SetBuffer(abc, 3);
  calculator.SetHashType(CHashCalculator::kSha2);
  EXPECT_EQ(calculator.GetHashText(), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  calculator.SetHashType(CHashCalculator::kMd5);
  EXPECT_EQ(calculator.GetHashText(), "");  // MD5 is not offered over a buffer
  calculator.SetHashType(CHashCalculator::kSha1);
  EXPECT_EQ(calculator.GetHashText(), "a9993e364706816aba3e25717850c26c9cd0d89d");
  calculator.SetBuffer(abc, -5);  // a negative length counts as empty
  EXPECT_EQ(calculator.GetHashText(), "da39a3ee5e6b4b0d3255bfef95601890afd80709");
}

TEST(HashCalculator, FilesAcrossTheChunkSizes) {
  TempFolders folders;
  const auto million = folders.Root() / "million-a.txt";
  WriteFileText(million, std::string(1000000, 'a'));
  EXPECT_EQ(FileHash(CHashCalculator::kMd5, million), "7707d6ae4e027c70eea2a935c2296f21");
  EXPECT_EQ(FileHash(CHashCalculator::kSha1, million), "34aa973cd4c4daa4f61eeb2bdbad27316534016f");
  EXPECT_EQ(FileHash(CHashCalculator::kSha2, million), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");

  // Exactly one MD5 chunk, so the last read returns nothing.
  const auto chunk = folders.Root() / "chunk.txt";
  WriteFileText(chunk, std::string(2048, 'a'));
  CHashCalculator text;
  text.SetHashType(CHashCalculator::kMd5);
  text.SetText(std::string(2048, 'a'));
  EXPECT_EQ(FileHash(CHashCalculator::kMd5, chunk), text.GetHashText());

  const auto empty = folders.Root() / "empty.txt";
  WriteFileText(empty, "");
  EXPECT_EQ(FileHash(CHashCalculator::kMd5, empty), "");
  EXPECT_EQ(FileHash(CHashCalculator::kSha1, empty), "da39a3ee5e6b4b0d3255bfef95601890afd80709");

  const auto missing = folders.Root() / "missing.txt";
  for (int type : {CHashCalculator::kMd5, CHashCalculator::kSha1, CHashCalculator::kSha2}) {
    EXPECT_EQ(FileHash(type, missing), "") << type;
    EXPECT_EQ(FileHash(type, ""), "") << type;
    EXPECT_EQ(FileHash(type, folders.Root()), "") << type;  // a folder is not a file
  }
}

TEST(HashCalculator, AgreesWithOpenssl) {
  if (!HasOpenssl()) GTEST_SKIP() << "openssl is not installed";
  TempFolders folders;
  const auto file = folders.Root() / "sample.bin";
  std::string bytes;
  for (int i = 0; i < 40000; ++i) bytes += static_cast<char>((i * 7919) >> 3);
  WriteFileText(file, bytes);
  EXPECT_EQ(FileHash(CHashCalculator::kMd5, file), OpensslDigest("md5", file));
  EXPECT_EQ(FileHash(CHashCalculator::kSha1, file), OpensslDigest("sha1", file));
  EXPECT_EQ(FileHash(CHashCalculator::kSha2, file), OpensslDigest("sha256", file));
  EXPECT_EQ(FileHash(CHashCalculator::kSha2, file, 384), OpensslDigest("sha384", file));
  EXPECT_EQ(FileHash(CHashCalculator::kSha2, file, 512), OpensslDigest("sha512", file));
}
