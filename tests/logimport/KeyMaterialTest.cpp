#include "logimport/KeyMaterial.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>

#include "engine/support/DebugLog.h"
#include "logimport/BraskBinaryFile.h"
#include "tests/logimport/LogFileFixture.h"

using testlog::Bytes;

namespace {

using KeyMaterialTest = LogFileTest;

const std::string kKeyLine = "000102030405060708090a0b0c0d0e0f101112131415161718191A1B1C1D1E1F";
const std::string kFillLine = "ffeeddccbbaa99887766554433221100ffeeddccbbaa99887766554433221100";
const std::string kSeedLine = "0123456789abcdef0123456789ABCDEF";

template <typename Array>
bool AllZero(const Array& bytes) {
  return std::all_of(bytes.begin(), bytes.end(), [](unsigned char b) { return b == 0; });
}

}  // namespace

TEST(KeyMaterial, PlaceholdersAreNotBlank) {
  const logimport::KeyMaterial material = logimport::PlaceholderKeyMaterial();
  EXPECT_FALSE(AllZero(material.aesKey));
  EXPECT_FALSE(AllZero(material.digestFill));
  EXPECT_FALSE(AllZero(material.keystreamSeed));
  EXPECT_NE(material.aesKey, material.digestFill);
}

TEST(KeyMaterial, ParsesThreeHexLines) {
  std::string reason;
  const auto material = logimport::ParseKeyMaterial("# maker's values\r\n\r\n  " + kKeyLine + "\r\n" + kFillLine + "\n" + kSeedLine, reason);
  ASSERT_TRUE(material) << reason;
  EXPECT_EQ(material->aesKey[0], 0x00);
  EXPECT_EQ(material->aesKey[31], 0x1F);
  EXPECT_EQ(material->digestFill[0], 0xFF);
  EXPECT_EQ(material->digestFill[31], 0x00);
  EXPECT_EQ(material->keystreamSeed[1], 0x23);
  EXPECT_EQ(material->keystreamSeed[15], 0xEF);
}

TEST(KeyMaterial, RefusesMalformedText) {
  std::string reason;
  EXPECT_FALSE(logimport::ParseKeyMaterial("", reason));
  EXPECT_EQ(reason, "expected three lines of hex digits, found 0");
  EXPECT_FALSE(logimport::ParseKeyMaterial(kKeyLine + "\n" + kFillLine + "\n" + kSeedLine + "\n" + kSeedLine, reason));
  EXPECT_EQ(reason, "expected three lines of hex digits, found 4");
  EXPECT_FALSE(logimport::ParseKeyMaterial(kKeyLine.substr(2) + "\n" + kFillLine + "\n" + kSeedLine, reason));
  EXPECT_EQ(reason, "the key must be 64 hex digits");
  std::string badFill = kFillLine;
  badFill[10] = 'g';
  EXPECT_FALSE(logimport::ParseKeyMaterial(kKeyLine + "\n" + badFill + "\n" + kSeedLine, reason));
  EXPECT_EQ(reason, "the fill value must be 64 hex digits");
  EXPECT_FALSE(logimport::ParseKeyMaterial(kKeyLine + "\n" + kFillLine + "\n" + kSeedLine + "00", reason));
  EXPECT_EQ(reason, "the seed must be 32 hex digits");
  EXPECT_FALSE(logimport::ParseKeyMaterial(std::string("\x01\xFF\x80 binary junk\n", 17), reason));
}

TEST_F(KeyMaterialTest, AFileInTheConfigurationFolderReplacesThePlaceholders) {
  std::string reason;
  const auto material = logimport::ParseKeyMaterial(kKeyLine + "\n" + kFillLine + "\n" + kSeedLine, reason);
  ASSERT_TRUE(material);
  const std::string path = Write("maker.ccl", testlog::SecuredFile(Golden(), *material, kVector));
  EXPECT_EQ(logimport::KeyMaterialFilePath(), folders_.Config() / "Velmar" / "LogKeyMaterial.txt");

  CBraskBinaryFile reader;
  EXPECT_FALSE(reader.Load(path, CBraskBinaryFile::Layout::kSecured));  // the placeholders do not fit

  std::filesystem::create_directories(logimport::KeyMaterialFilePath().parent_path());
  WriteFileText(logimport::KeyMaterialFilePath(), kKeyLine + "\n" + kFillLine + "\n" + kSeedLine + "\n");
  ASSERT_TRUE(reader.Load(path, CBraskBinaryFile::Layout::kSecured)) << reader.GetErrorText();  // read again at each load
  EXPECT_EQ(logimport::CurrentKeyMaterial().keystreamSeed, material->keystreamSeed);

  // A malformed file leaves the placeholders in force; it is not an error of its own.
  WriteFileText(logimport::KeyMaterialFilePath(), "not key material\n");
  EXPECT_FALSE(reader.Load(path, CBraskBinaryFile::Layout::kSecured));
  EXPECT_EQ(reader.GetErrorText(), "Secured file load initial SHA256 check failed - SHA256 mismatch");
  EXPECT_EQ(logimport::CurrentKeyMaterial().aesKey, logimport::PlaceholderKeyMaterial().aesKey);
}

TEST_F(KeyMaterialTest, APipeOrAFolderInPlaceOfTheFileLeavesThePlaceholdersWithoutWaiting) {
  std::filesystem::create_directories(logimport::KeyMaterialFilePath().parent_path());
  ASSERT_EQ(::mkfifo(logimport::KeyMaterialFilePath().c_str(), 0600), 0);  // nobody ever writes to it
  logimport::ReloadKeyMaterial();
  EXPECT_EQ(logimport::CurrentKeyMaterial().aesKey, logimport::PlaceholderKeyMaterial().aesKey);
  std::filesystem::remove(logimport::KeyMaterialFilePath());
  std::filesystem::create_directories(logimport::KeyMaterialFilePath());
  logimport::ReloadKeyMaterial();
  EXPECT_EQ(logimport::CurrentKeyMaterial().keystreamSeed, logimport::PlaceholderKeyMaterial().keystreamSeed);
}

// Root owns every file it makes, so these hold under CI too: the modes alone decide.
TEST_F(KeyMaterialTest, AFileOthersCanWriteIsRefusedAndOneOthersCanReadDrawsAWarning) {
  namespace fs = std::filesystem;
  ASSERT_TRUE(TheDebugLog().Open("Velmar", "KeyMaterialTest"));
  TheDebugLog().SetTimeStamps(false);
  std::string reason;
  const auto material = logimport::ParseKeyMaterial(kKeyLine + "\n" + kFillLine + "\n" + kSeedLine, reason);
  ASSERT_TRUE(material);
  const fs::path file = logimport::KeyMaterialFilePath();
  fs::create_directories(file.parent_path());
  WriteFileText(file, kKeyLine + "\n" + kFillLine + "\n" + kSeedLine + "\n");
  const fs::perms ownerOnly = fs::perms::owner_read | fs::perms::owner_write;

  for (const fs::perms write : {fs::perms::others_write, fs::perms::group_write}) {
    fs::permissions(file, ownerOnly | write);
    logimport::ReloadKeyMaterial();
    EXPECT_EQ(logimport::CurrentKeyMaterial().aesKey, logimport::PlaceholderKeyMaterial().aesKey);
    const std::string why = write == fs::perms::others_write ? "writable by others" : "writable by group";
    EXPECT_NE(ReadFileText(TheDebugLog().GetFileName())
                  .find("Log key material: " + file.string() + " refused, it is " + why + "; using the built-in placeholders"),
              std::string::npos)
        << why;
  }

  const std::string warning = "Log key material: warning, " + file.string() + " can be read by other users";
  fs::permissions(file, ownerOnly);
  logimport::ReloadKeyMaterial();
  EXPECT_EQ(logimport::CurrentKeyMaterial().aesKey, material->aesKey);
  EXPECT_EQ(ReadFileText(TheDebugLog().GetFileName()).find(warning), std::string::npos);
  fs::permissions(file, ownerOnly | fs::perms::group_read | fs::perms::others_read);
  logimport::ReloadKeyMaterial();
  EXPECT_EQ(logimport::CurrentKeyMaterial().aesKey, material->aesKey);  // used, with the warning
  EXPECT_NE(ReadFileText(TheDebugLog().GetFileName()).find(warning), std::string::npos);
}
