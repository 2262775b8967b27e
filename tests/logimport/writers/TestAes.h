#pragma once
// AES-256 encryption for tests only: the program deciphers, the tests need ciphertext to feed
// it. The S-box is derived here from the field inverse and the affine map, not copied from the
// program's table, so that the two sides do not share a mistake.
#include <array>
#include <vector>

namespace testlog {

using AesKey = std::array<unsigned char, 32>;
using AesBlock = std::array<unsigned char, 16>;

AesBlock EncryptBlock(const AesKey& key, const AesBlock& plain);
// CBC over a plaintext whose size is a multiple of 16.
std::vector<unsigned char> EncryptCbc(const AesKey& key, const AesBlock& vector, const std::vector<unsigned char>& plain);

}  // namespace testlog
