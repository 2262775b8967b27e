#pragma once
// AES-256 decryption in cipher-block-chaining mode, then removal of the padding. The stored
// vector is not changed by deciphering, so every call starts from it.
#include <array>
#include <cstddef>
#include <vector>

class CAesDecryptor {
 public:
  static constexpr std::size_t kKeyLength = 32;
  static constexpr std::size_t kBlockLength = 16;

  void Clear() { material_.fill(0); }
  // Ignored unless length is kKeyLength.
  void SetKey(const unsigned char* bytes, std::size_t length);
  // Ignored unless length is kBlockLength.
  void SetIV(const unsigned char* bytes, std::size_t length);
  // Deciphers in place and strips the padding; an array whose size is not a multiple of 16 is
  // left as it is.
  void DecryptArray(std::vector<unsigned char>& bytes) const;
  // Removes the last n bytes, n being the last byte, when n is 1 to 16. The removed bytes are
  // not compared with n. An empty array stays empty.
  static void StripPadding(std::vector<unsigned char>& bytes);

 private:
  std::array<unsigned char, kKeyLength + kBlockLength> material_{};  // the key, then the vector
};
