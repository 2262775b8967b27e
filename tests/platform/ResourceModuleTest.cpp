#include "platform/ResourceModule.h"

#include <gtest/gtest.h>

#include <cstring>

#include "resources/ProgramResources.h"

namespace {

// A bundle built in the test, standing in for a language library's.
class TestBundle {
 public:
  using Files = std::vector<std::pair<std::string, std::string>>;
  explicit TestBundle(Files files) : files_(std::move(files)) {
    for (const auto& [name, text] : files_) {
      entries_.push_back({name.c_str(), reinterpret_cast<const unsigned char*>(text.c_str()), text.size()});
    }
    data_ = {entries_.size(), entries_.data()};
  }
  const ResourceBundleData* Data() const { return &data_; }

 private:
  std::vector<std::pair<std::string, std::string>> files_;
  std::vector<ResourceFileEntry> entries_;
  ResourceBundleData data_{};
};

class LanguageModuleGuard {
 public:
  ~LanguageModuleGuard() { platform::SetLanguageResourceModule(nullptr); }
};

}  // namespace

TEST(ResourceModule, TheProgramCarriesItsEnglishStringsAndVersion) {
  EXPECT_EQ(ResourceString(1228), "Unable to open data file.");
  EXPECT_EQ(ResourceString(1622), "Invalid Dive Plan file");
  EXPECT_EQ(ResourceString(999999), "");
  const platform::VersionBlock* version = ProgramResources().Version();
  ASSERT_NE(version, nullptr);
  EXPECT_FALSE(version->stringTables.at("040904b0").at("ProductVersion").empty());
  EXPECT_TRUE(ProgramResources().File("resource.h"));
}

TEST(ResourceModule, FormatConversionsListTheArgumentKinds) {
  EXPECT_EQ(platform::FormatConversions("Hypoxic - PPO2 of %0.2f is below the %0.2f limit"), "%f%f");
  EXPECT_EQ(platform::FormatConversions("Dive %d, 100%% O2, %s %5.1lf %*d"), "%d%s%f*%d");
  EXPECT_EQ(platform::FormatConversions("no conversions"), "");
  EXPECT_EQ(platform::FormatConversions("trailing %"), "");
}

TEST(ResourceModule, ALanguageModuleOverridesAndFallsBack) {
  ProgramResources();
  LanguageModuleGuard guard;
  TestBundle spanish(TestBundle::Files{{"lang.rc", "STRINGTABLE\nBEGIN\n 1228 \"No se puede abrir el archivo.\"\n"
                                  " 1260 \"Hipoxico %0.2f < %0.2f\"\n 1261 \"Hiperoxico %d\"\nEND\n"}});
  std::string error;
  std::shared_ptr<const platform::ResourceModule> module = platform::ResourceModule::FromBundle(spanish.Data(), &error);
  ASSERT_TRUE(module) << error;
  platform::SetLanguageResourceModule(module);

  EXPECT_EQ(ResourceString(1228), "No se puede abrir el archivo.");
  EXPECT_EQ(ResourceString(1240), "Unable to open data file for writing.");  // not translated
  EXPECT_EQ(ResourceFormat(1260), "Hipoxico %0.2f < %0.2f");
  // A translated format whose conversions differ would read the wrong arguments.
  EXPECT_EQ(ResourceString(1261), "Hiperoxico %d");
  EXPECT_EQ(ResourceFormat(1261), ProgramResources().String(1261).value());
}

TEST(ResourceModule, BundlesWithoutAGoodScriptAreRefused) {
  std::string error;
  EXPECT_FALSE(platform::ResourceModule::FromBundle(nullptr, &error));
  EXPECT_FALSE(error.empty());
  TestBundle noScript(TestBundle::Files{{"picture.bmp", "BM"}});
  EXPECT_FALSE(platform::ResourceModule::FromBundle(noScript.Data(), &error));
  EXPECT_EQ(error, "the resource bundle holds no resource script");
  TestBundle broken(TestBundle::Files{{"lang.rc", "STRINGTABLE\nBEGIN\n 1 2\nEND\n"}});
  EXPECT_FALSE(platform::ResourceModule::FromBundle(broken.Data(), &error));
  EXPECT_EQ(error, "lang.rc(3): expected the string of id 1");
}

TEST(ResourceModule, ABundleMissingANamedFileIsRefused) {
  std::string error;
  TestBundle missing(TestBundle::Files{{"lang.rc", "110 BITMAP \"res/strip.bmp\"\n"}, {"res/other.bmp", "BM"}});
  EXPECT_FALSE(platform::ResourceModule::FromBundle(missing.Data(), &error));
  EXPECT_EQ(error, "lang.rc: resource 110 names the file \"res/strip.bmp\", which the bundle does not hold");
}

TEST(ResourceModule, LooksUpTemplatesMenusToolbarsAndImagesWithFallback) {
  ProgramResources();
  LanguageModuleGuard guard;
  TestBundle language(TestBundle::Files{
      {"lang.rc",
       "70 DIALOG 0, 0, 100, 40\nCAPTION \"Muestra\"\nBEGIN\n PUSHBUTTON \"Aceptar\", 1, 5, 5, 40, 14\nEND\n"
       "110 TOOLBAR 16, 15\nBEGIN\n BUTTON 4061\nEND\n110 BITMAP \"strip.bmp\"\n"
       "21 ACCELERATORS\nBEGIN\n \"Q\", 4002, VIRTKEY, CONTROL\nEND\n"},
      {"strip.bmp", "BM-language"}});
  std::string error;
  std::shared_ptr<const platform::ResourceModule> module = platform::ResourceModule::FromBundle(language.Data(), &error);
  ASSERT_TRUE(module) << error;
  platform::SetLanguageResourceModule(module);

  std::optional<platform::DialogTemplate> dialog = platform::FindDialogTemplate(70);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog->caption, "Muestra");
  std::optional<platform::ToolbarResource> toolbar = platform::FindToolbar(110);
  ASSERT_TRUE(toolbar);
  EXPECT_EQ(toolbar->toolbar.buttons, std::vector<int>{4061});
  EXPECT_EQ(toolbar->strip, "BM-language");
  ASSERT_TRUE(platform::FindAccelerators(21));
  EXPECT_EQ(platform::FindAccelerators(21)->at(0).command, 4002);
  // What the language does not hold comes from the program.
  std::optional<platform::Menu> menu = platform::FindMenu(100);
  ASSERT_TRUE(menu);
  EXPECT_EQ(menu->items.at(0).items.at(0).id, 4060);
  std::optional<std::string> cursor = platform::FindImageFile(platform::ImageKind::Cursor, 50);
  ASSERT_TRUE(cursor);
  EXPECT_EQ(cursor->substr(0, 4), std::string("\0\0\2\0", 4));  // a cursor file's header
  EXPECT_FALSE(platform::FindDialogTemplate(9999));
  EXPECT_FALSE(platform::FindImageFile(platform::ImageKind::Icon, 9999));
}
