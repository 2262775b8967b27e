#include "platform/ResourceScript.h"

#include <gtest/gtest.h>

using platform::ParseResourceScript;
using platform::ResourceParseResult;

namespace {

ResourceParseResult Parse(const std::string& text) {
  return ParseResourceScript(text, "test.rc", [](const std::string& name) -> std::optional<std::string> {
    if (name == "resource.h") return std::string("#define IDS_HELLO 1001\n#define IDS_NEXT (IDS_HELLO)\n#define IDD_ABOUT 60\n");
    return std::nullopt;
  });
}

}  // namespace

TEST(ResourceScript, ReadsTheStringTableWithItsEscapes) {
  ResourceParseResult result = Parse(
      "#include \"resource.h\"\n"
      "#include <windows.h>\n"
      "STRINGTABLE DISCARDABLE\n"
      "BEGIN\n"
      "    IDS_HELLO \"Hello \"\"diver\"\"\\n\\tline\"\n"
      "    1002, \"100%% \\\"O2\\\"\"  // comment\n"
      "    /* block\n comment */ 0x3EB \"hex id\"\n"
      "    IDS_NEXT + 3 \"sum\"\n"
      "END\n");
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.script.strings.at(1001), "Hello \"diver\"\n\tline");
  EXPECT_EQ(result.script.strings.at(1002), "100%% \"O2\"");
  EXPECT_EQ(result.script.strings.at(1003), "hex id");
  EXPECT_EQ(result.script.strings.at(1004), "sum");
  EXPECT_EQ(result.script.defines.at("IDD_ABOUT"), 60);
}

TEST(ResourceScript, ReadsTheVersionBlock) {
  ResourceParseResult result = Parse(
      "VS_VERSION_INFO VERSIONINFO\n"
      " FILEVERSION 1,2,3,4\n"
      " PRODUCTVERSION 5,6,7,8\n"
      " FILEFLAGSMASK 0x3fL\n"
      " FILEOS VOS_NT_WINDOWS32\n"
      "BEGIN\n"
      "  BLOCK \"StringFileInfo\"\n"
      "  BEGIN\n"
      "    BLOCK \"040904B0\"\n"
      "    BEGIN\n"
      "      VALUE \"ProductVersion\", \"5, 6, 7, 8\"\n"
      "      VALUE \"CompanyName\", \"Oskerby Ltd.\"\n"
      "    END\n"
      "  END\n"
      "  BLOCK \"VarFileInfo\"\n"
      "  BEGIN\n"
      "    VALUE \"Translation\", 0x409, 1200, 0x40A, 1252\n"
      "  END\n"
      "END\n");
  ASSERT_TRUE(result.ok) << result.error;
  ASSERT_TRUE(result.script.version);
  const platform::VersionBlock& version = *result.script.version;
  EXPECT_EQ(version.fileVersion, (std::array<std::uint16_t, 4>{1, 2, 3, 4}));
  EXPECT_EQ(version.productVersion, (std::array<std::uint16_t, 4>{5, 6, 7, 8}));
  EXPECT_EQ(version.stringTables.at("040904b0").at("ProductVersion"), "5, 6, 7, 8");
  EXPECT_EQ(version.translations, (std::vector<std::uint32_t>{0x040904B0, 0x040A04E4}));
}

TEST(ResourceScript, SkipsBlocksItDoesNotKnowAndFileReferences) {
  ResourceParseResult result = Parse(
      "#include \"resource.h\"\n"
      "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\n"
      "IDD_ABOUT DESIGNINFO\n"
      "BEGIN\n  IDD_ABOUT, DIALOG\n  BEGIN\n    LEFTMARGIN, 7\n  END\nEND\n"
      "IDR_LOGO PNG \"res/logo.png\"\n"
      "\"NAMED\" RCDATA { 1, 2, 3 }\n"
      "STRINGTABLE\nBEGIN\n IDS_HELLO \"after\"\nEND\n");
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.script.strings.at(1001), "after");
}

TEST(ResourceScript, HonoursConditionalBlocks) {
  ResourceParseResult result = Parse(
      "#define SHOW 1\n"
      "#ifdef APSTUDIO_INVOKED\n"
      "this is not a script at all\n"
      "#else\n"
      "STRINGTABLE BEGIN 1 \"one\" END\n"
      "#endif\n"
      "#ifndef SHOW\nSTRINGTABLE BEGIN 2 \"hidden\" END\n#endif\n"
      "#if 0\nSTRINGTABLE BEGIN 3 \"hidden\" END\n#endif\n");
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.script.strings.size(), 1u);
  EXPECT_EQ(result.script.strings.at(1), "one");
}

TEST(ResourceScript, ErrorsNameTheFileAndLine) {
  struct Case {
    const char* text;
    const char* error;
  } cases[] = {
      {"STRINGTABLE\nBEGIN\n  1 \"a\"\n  2\nEND\n", "test.rc(5): expected the string of id 2"},
      {"STRINGTABLE\nBEGIN\n  UNKNOWN_ID \"a\"\nEND\n", "test.rc(3): unknown identifier UNKNOWN_ID"},
      {"STRINGTABLE\nBEGIN\n  1 \"open\nEND\n", "test.rc(3): unterminated string"},
      {"#include \"missing.h\"\n", "test.rc(1): cannot open include file \"missing.h\""},
      {"\n\nSTRINGTABLE\nBEGIN\n 1 \"a\"\n", "test.rc(6): STRINGTABLE without END"},
      {"X DLGINIT\nBEGIN\n  BEGIN\nEND\n", "test.rc(2): BEGIN without END"},
      {"#ifdef X\n", "test.rc(1): #if without #endif"},
      {"#endif\n", "test.rc(1): #endif without #if"},
      {"/* open comment\n\n", "test.rc(1): unterminated comment"},
      {"1 VERSIONINFO FILEVERSION 1,2\nBEGIN\nEND\n", "test.rc(2): expected four numbers"},
  };
  for (const Case& c : cases) {
    ResourceParseResult result = Parse(c.text);
    EXPECT_FALSE(result.ok) << c.text;
    EXPECT_EQ(result.error, c.error) << c.text;
  }
}

TEST(ResourceScript, SurvivesJunkAndTruncation) {
  const std::string script =
      "#include \"resource.h\"\nSTRINGTABLE\nBEGIN\n IDS_HELLO \"Hello\"\n 1002 \"x\"\nEND\n"
      "1 VERSIONINFO\n FILEVERSION 1,0,0,1\nBEGIN\n BLOCK \"StringFileInfo\"\n BEGIN\n"
      "  BLOCK \"040904b0\"\n  BEGIN\n   VALUE \"ProductVersion\", \"1, 0, 0, 1\"\n  END\n END\nEND\n";
  ASSERT_TRUE(Parse(script).ok);
  for (std::size_t length = 0; length < script.size(); ++length) {
    ResourceParseResult result = Parse(script.substr(0, length));  // must simply not crash
    if (!result.ok) {
      EXPECT_FALSE(result.error.empty());
    }
  }
  std::string junk;
  for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 7919) & 0xFF);
  EXPECT_FALSE(Parse(junk).ok);
}
