#include "logimport/AesDecryptor.h"

#include <gtest/gtest.h>

#include "tests/logimport/LogTestSupport.h"
#include "tests/logimport/writers/LogWriter.h"
#include "tests/logimport/writers/TestAes.h"
#include "tests/support/TempFolders.h"

using testlog::Bytes;
using testlog::FromHex;

namespace {

template <std::size_t N>
std::array<unsigned char, N> ArrayFromHex(const std::string& hex) {
  const Bytes bytes = FromHex(hex);
  std::array<unsigned char, N> out{};
  std::copy(bytes.begin(), bytes.end(), out.begin());
  return out;
}

const std::string kFipsKey = "000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f";
const std::string kSpKey = "603deb1015ca71be2b73aef0857d77811f352c073b6108d72d9810a30914dff4";
const std::string kSpVector = "000102030405060708090a0b0c0d0e0f";
const std::string kSpPlain =
    "6bc1bee22e409f96e93d7e117393172aae2d8a571e03ac9c9eb76fac45af8e5130c81c46a35ce411e5fbc1191a0a52eff69f2445df4f9b17ad2b417be66c3710";
const std::string kSpCipher =
    "f58c4c04d6e5f1ba779eabfb5f7bfbd69cfc4e967edb808d679f777bc6702c7d39f23369a9d9bacfa530e26304231461b2eb05e2c39be9fcda6c19078c6a9d1b";

CAesDecryptor Decryptor(const std::string& keyHex, const std::string& vectorHex) {
  CAesDecryptor decryptor;
  decryptor.Clear();
  const Bytes key = FromHex(keyHex);
  const Bytes vector = FromHex(vectorHex);
  decryptor.SetKey(key.data(), key.size());
  decryptor.SetIV(vector.data(), vector.size());
  return decryptor;
}

// A ciphertext of one block that deciphers to plain under the all-zero key and vector.
Bytes OneBlockEndingIn(unsigned char last) {
  testlog::AesBlock plain{};
  for (std::size_t i = 0; i < 16; ++i) plain[i] = static_cast<unsigned char>(0xA0 + i);
  plain[15] = last;
  const auto cipher = testlog::EncryptBlock(testlog::AesKey{}, plain);
  return Bytes(cipher.begin(), cipher.end());
}

}  // namespace

TEST(AesDecryptor, Fips197AppendixC3) {
  const auto key = ArrayFromHex<32>(kFipsKey);
  const auto plain = ArrayFromHex<16>("00112233445566778899aabbccddeeff");
  const auto cipher = testlog::EncryptBlock(key, plain);
  EXPECT_EQ(testlog::ToHex(Bytes(cipher.begin(), cipher.end())), "8EA2B7CA516745BFEAFC49904B496089");

  Bytes data = FromHex("8ea2b7ca516745bfeafc49904b496089");
  Decryptor(kFipsKey, "00000000000000000000000000000000").DecryptArray(data);
  EXPECT_EQ(testlog::ToHex(data), "00112233445566778899AABBCCDDEEFF");  // last byte 0xFF: nothing stripped
}

TEST(AesDecryptor, Sp800_38aCbcAes256DropsTheLastBlockAsPadding) {
  Bytes data = FromHex(kSpCipher);
  const CAesDecryptor decryptor = Decryptor(kSpKey, kSpVector);
  decryptor.DecryptArray(data);
  // The plaintext ends in 0x10, which reads as a whole block of padding.
  Bytes expected = FromHex(kSpPlain);
  expected.resize(48);
  EXPECT_EQ(data, expected);
  Bytes again = FromHex(kSpCipher);
  decryptor.DecryptArray(again);  // the stored vector is unchanged by the first call
  EXPECT_EQ(again, data);
  // The test cipher agrees with the published ciphertext.
  EXPECT_EQ(testlog::EncryptCbc(ArrayFromHex<32>(kSpKey), ArrayFromHex<16>(kSpVector), FromHex(kSpPlain)), FromHex(kSpCipher));
}

TEST(AesDecryptor, PaddingRule) {
  const CAesDecryptor zero = Decryptor(std::string(64, '0'), std::string(32, '0'));
  Bytes data = OneBlockEndingIn(0x10);
  zero.DecryptArray(data);
  EXPECT_TRUE(data.empty());
  data = OneBlockEndingIn(0x00);
  zero.DecryptArray(data);
  EXPECT_EQ(data.size(), 16u);
  data = OneBlockEndingIn(0x11);
  zero.DecryptArray(data);
  EXPECT_EQ(data.size(), 16u);
  data = OneBlockEndingIn(0x03);
  zero.DecryptArray(data);
  ASSERT_EQ(data.size(), 13u);  // the three bytes go whatever their values (0xAD, 0xAE, 0x03)
  EXPECT_EQ(data.back(), 0xAC);

  Bytes empty;
  CAesDecryptor::StripPadding(empty);
  EXPECT_TRUE(empty.empty());
  zero.DecryptArray(empty);
  EXPECT_TRUE(empty.empty());
  Bytes shortArray{1, 2, 9};  // claims more padding than it holds: kept
  CAesDecryptor::StripPadding(shortArray);
  EXPECT_EQ(shortArray.size(), 3u);
}

TEST(AesDecryptor, RefusesWhatItCannotUse) {
  Bytes seventeen(17, 0x42);
  Decryptor(kSpKey, kSpVector).DecryptArray(seventeen);
  EXPECT_EQ(seventeen, Bytes(17, 0x42));

  // Keys of 16 or 24 bytes are ignored: the cleared (all-zero) key stays in use.
  for (std::size_t length : {16u, 24u}) {
    CAesDecryptor decryptor;
    decryptor.Clear();
    const Bytes shortKey(length, 0x55);
    decryptor.SetKey(shortKey.data(), shortKey.size());
    const Bytes wrongVector(8, 0x77);
    decryptor.SetIV(wrongVector.data(), wrongVector.size());
    Bytes data = OneBlockEndingIn(0x00);
    decryptor.DecryptArray(data);
    Bytes expected = OneBlockEndingIn(0x00);
    Decryptor(std::string(64, '0'), std::string(32, '0')).DecryptArray(expected);
    EXPECT_EQ(data, expected) << length;
  }
}

TEST(AesDecryptor, RoundTripOfManyBlocks) {
  const auto key = ArrayFromHex<32>(kSpKey);
  const auto vector = ArrayFromHex<16>("f0e1d2c3b4a5968778695a4b3c2d1e0f");
  Bytes plain;
  for (int i = 0; i < 1000; ++i) plain.push_back(static_cast<unsigned char>(i * 37 + 11));
  plain.resize(1008, 0x08);  // 1000 bytes and 8 bytes of padding
  Bytes data = testlog::EncryptCbc(key, vector, plain);
  Decryptor(kSpKey, "f0e1d2c3b4a5968778695a4b3c2d1e0f").DecryptArray(data);
  EXPECT_EQ(data, Bytes(plain.begin(), plain.begin() + 1000));
}

TEST(AesDecryptor, AgreesWithOpenssl) {
  if (!HasOpenssl()) GTEST_SKIP() << "openssl is not installed";
  TempFolders folders;
  Bytes plain;
  for (int i = 0; i < 96; ++i) plain.push_back(static_cast<unsigned char>(i * 13 + 1));
  plain.back() = 0x00;  // nothing is stripped
  testlog::WriteFile(folders.Root() / "plain.bin", plain);
  int status = 0;
  RunCommand("openssl enc -aes-256-cbc -nopad -K " + kSpKey + " -iv " + kSpVector + " -in '" +
                 (folders.Root() / "plain.bin").string() + "' -out '" + (folders.Root() / "cipher.bin").string() + "'",
             status);
  ASSERT_EQ(status, 0);
  Bytes cipher = ReadFileBytes(folders.Root() / "cipher.bin");
  EXPECT_EQ(cipher, testlog::EncryptCbc(ArrayFromHex<32>(kSpKey), ArrayFromHex<16>(kSpVector), plain));
  Decryptor(kSpKey, kSpVector).DecryptArray(cipher);
  EXPECT_EQ(cipher, plain);
}
