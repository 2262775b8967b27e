#pragma once
// A test with private configuration folders (so the built-in key material is in force), pauses
// that only count, and a folder to write log files into.
#include <gtest/gtest.h>

#include <string>

#include "logimport/KeyMaterial.h"
#include "tests/logimport/LogTestSupport.h"
#include "tests/logimport/writers/LogWriter.h"
#include "tests/support/TempFolders.h"

class LogFileTest : public ::testing::Test {
 protected:
  LogFileTest() { logimport::ReloadKeyMaterial(); }
  ~LogFileTest() override { logimport::ReloadKeyMaterial(); }

  std::string Write(const std::string& name, const testlog::Bytes& bytes) {
    const auto path = folders_.Root() / name;
    testlog::WriteFile(path, bytes);
    return path.string();
  }
  std::string Missing() const { return (folders_.Root() / "missing.ccl").string(); }

  static testlog::Bytes Golden() { return testlog::FromHex(testlog::kGoldenBinaryHex); }
  // Its records without the stream CRC.
  static testlog::Bytes GoldenStream() {
    testlog::Bytes stream = Golden();
    stream.resize(stream.size() - 4);
    return stream;
  }
  static testlog::Bytes Secure(const testlog::Bytes& binary) {
    return testlog::SecuredFile(binary, logimport::PlaceholderKeyMaterial(), kVector);
  }

  static constexpr std::array<unsigned char, 16> kVector = {0x10, 0x32, 0x54, 0x76, 0x98, 0xBA, 0xDC, 0xFE,
                                                            0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF};
  TempFolders folders_;
  CountedPauses pauses_;
};
