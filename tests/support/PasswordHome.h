#pragma once
// Stands in for the C library's getpwuid_r in the test program: while the object lives, the
// password database gives this folder as the user's home. A program that falls back on the
// database then writes into the test's folder and not into the real home.
#include <filesystem>

class ScopedPasswordHome {
 public:
  explicit ScopedPasswordHome(const std::filesystem::path& home);
  ~ScopedPasswordHome();
  ScopedPasswordHome(const ScopedPasswordHome&) = delete;
  ScopedPasswordHome& operator=(const ScopedPasswordHome&) = delete;
};
