#include "platform/RegistryDocument.h"

#include <gtest/gtest.h>

using platform::RegistryDocument;
using platform::RegistryValue;

namespace {

constexpr const char* kSettings = "Software\\Velmar\\VelmarTessaline\\Settings\\General";

RegistryValue Dword(const char* name, std::uint32_t value) {
  return RegistryValue{name, RegistryValue::Type::Dword, value, {}};
}

RegistryValue Text(const char* name, const char* text) {
  return RegistryValue{name, RegistryValue::Type::String, 0, text};
}

}  // namespace

TEST(RegistryDocument, WritesTheExportLayout) {
  RegistryDocument document;
  document.Set(kSettings, Dword("Units", 10));
  document.Set(kSettings, Text("Diver ID", "Jo \"K\" \\ 1"));
  EXPECT_EQ(document.Serialize(),
            "REGEDIT4\r\n\r\n"
            "[HKEY_CURRENT_USER\\Software\\Velmar\\VelmarTessaline\\Settings\\General]\r\n"
            "\"Units\"=dword:0000000a\r\n"
            "\"Diver ID\"=\"Jo \\\"K\\\" \\\\ 1\"\r\n");
}

TEST(RegistryDocument, ReadsBackWhatItWrites) {
  RegistryDocument document;
  document.Set(kSettings, Dword("Units", 0xFFFFFFFFu));
  document.Set(kSettings, Text("Diver ID", "two\nlines \"quoted\""));
  document.Set("Software\\Velmar\\VelmarTessaline\\Recent File List", Text("File1", "/home/a b/plan.ccp"));

  RegistryDocument read = RegistryDocument::Parse(document.Serialize());
  EXPECT_FALSE(read.IsDamaged());
  ASSERT_NE(read.Find(kSettings, "Units"), nullptr);
  EXPECT_EQ(read.Find(kSettings, "Units")->dword, 0xFFFFFFFFu);
  EXPECT_EQ(read.Find(kSettings, "Diver ID")->text, "two\nlines \"quoted\"");
  EXPECT_EQ(read.Find("Software\\Velmar\\VelmarTessaline\\Recent File List", "File1")->text, "/home/a b/plan.ccp");
}

TEST(RegistryDocument, KeysAndNamesIgnoreCase) {
  RegistryDocument document = RegistryDocument::Parse(
      "REGEDIT4\n\n[HKEY_CURRENT_USER\\SOFTWARE\\velmar\\VelmarTessaline\\Settings\\General]\n\"UNITS\"=dword:00000001\n");
  ASSERT_NE(document.Find(kSettings, "Units"), nullptr);
  EXPECT_EQ(document.Find(kSettings, "units")->dword, 1u);
  document.Set(kSettings, Dword("Units", 2));
  EXPECT_EQ(document.Keys().size(), 1u);
  EXPECT_EQ(document.Keys()[0].values.size(), 1u);
}

TEST(RegistryDocument, AcceptsCrlfAndTheVersion5Header) {
  RegistryDocument document = RegistryDocument::Parse(
      "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\A]\r\n\"x\"=\"1\"\r\n");
  EXPECT_FALSE(document.IsDamaged());
  EXPECT_EQ(document.Find("A", "x")->text, "1");
}

TEST(RegistryDocument, KeepsWhatItDoesNotUse) {
  const std::string text =
      "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Other]\r\n\"Binary\"=hex:01,02\r\n\r\n"
      "[HKEY_CURRENT_USER\\A]\r\n\"x\"=dword:00000001\r\n";
  RegistryDocument document = RegistryDocument::Parse(text);
  EXPECT_FALSE(document.IsDamaged());
  EXPECT_EQ(document.Serialize(), text);
}

TEST(RegistryDocument, DamagedTextReadsAsNothingOrWhatIsReadable) {
  EXPECT_TRUE(RegistryDocument::Parse(std::string("\x00\x01\x02junk", 7)).IsDamaged());
  EXPECT_TRUE(RegistryDocument::Parse(std::string("\x00\x01\x02junk", 7)).Keys().empty());
  EXPECT_TRUE(RegistryDocument::Parse("[Settings]\nUnits=1\n").IsDamaged());  // another program's file
  EXPECT_TRUE(RegistryDocument::Parse("[Settings]\nUnits=1\n").Keys().empty());

  // A file cut short in the middle of a line keeps the lines before it.
  RegistryDocument truncated =
      RegistryDocument::Parse("REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=dword:00000007\n\"y\"=dwo");
  EXPECT_TRUE(truncated.IsDamaged());
  EXPECT_EQ(truncated.Find("A", "x")->dword, 7u);
  EXPECT_EQ(truncated.Find("A", "y"), nullptr);

  for (const char* bad : {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=dword:123456789\n",
                          "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=dword:zz\n",
                          "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=\"unterminated\n",
                          "REGEDIT4\n\"x\"=dword:00000001\n", "REGEDIT4\n[HKEY_CURRENT_USER\\A\n\"x\"=\"1\"\n"}) {
    RegistryDocument document = RegistryDocument::Parse(bad);
    EXPECT_TRUE(document.IsDamaged()) << bad;
    EXPECT_EQ(document.Find("A", "x"), nullptr) << bad;
  }
}

TEST(RegistryDocument, ADwordOfOtherThanEightDigitsIsARefusedLine) {
  // A store cut inside "GF Low"=dword:0000001e must not read GF Low = 1.
  for (const char* digits : {"0000001", "1", "", "000000001e", "0000001e0"}) {
    const std::string line = std::string("\"GF Low\"=dword:") + digits;
    RegistryDocument document =
        RegistryDocument::Parse("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\A]\r\n\"GF High\"=dword:00000055\r\n" + line);
    EXPECT_TRUE(document.IsDamaged()) << line;
    EXPECT_EQ(document.Find("A", "GF Low"), nullptr) << line;
    EXPECT_EQ(document.Find("A", "GF High")->dword, 0x55u) << line;
    EXPECT_EQ(document.RefusedLines(), std::vector<std::string>{line});
  }
  RegistryDocument whole = RegistryDocument::Parse("REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"GF Low\"=dword:0000001E");
  EXPECT_FALSE(whole.IsDamaged());
  EXPECT_EQ(whole.Find("A", "GF Low")->dword, 30u);
}

TEST(RegistryDocument, RemovesValues) {
  RegistryDocument document;
  document.Set("A", Dword("x", 1));
  EXPECT_TRUE(document.Remove("a", "X"));
  EXPECT_FALSE(document.Remove("A", "x"));
  EXPECT_EQ(document.Find("A", "x"), nullptr);
}
