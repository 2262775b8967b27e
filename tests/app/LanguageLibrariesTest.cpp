// Language libraries beside the program: which files are offered, which one a language loads,
// and the language chosen at start-up and by the user, with the "Language ID" setting.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/core/LanguageChoice.h"
#include "app/core/LanguageLibraries.h"
#include "engine/AppSettings.h"
#include "platform/Registry.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"
#include "tests/support/TempFolders.h"

namespace {

namespace fs = std::filesystem;

const char* const kSettingsKey = "Software\\Velmar\\VelmarTessaline\\Settings";
constexpr app::LanguageId kSpanish = 1034;

std::optional<std::uint32_t> StoredLanguage() { return platform::Registry().ReadDword(kSettingsKey, "Language ID"); }

// The first drop-down of the main menu, from the current resources.
std::string FirstMenuTitle() {
  std::optional<platform::Menu> menu = platform::FindMenu(IDR_MAIN_MENU_WITH_REVIEW);
  return menu && !menu->items.empty() ? menu->items.front().text : std::string();
}

class LanguageLibrariesTest : public testing::Test {
 protected:
  void SetUp() override {
    ProgramResources();
    fs::create_directories(folder_);
  }
  void TearDown() override { platform::SetLanguageResourceModule(nullptr); }
  void Add(const char* from, const std::string& name) { fs::copy_file(from, folder_ / name); }
  void StoreLanguage(std::uint32_t language) {
    platform::Registry().WriteDword(kSettingsKey, "Language ID", language);
    LoadRegistrySettings();
  }

  TempFolders folders_;
  fs::path folder_ = folders_.Root() / "program";
};

}  // namespace

TEST_F(LanguageLibrariesTest, OnlyNamedLibrariesWithABundleThatParsesAreOfferedInPathOrder) {
  Add(SPANISH_LIBRARY, "VelmarTessalineSpa.so");
  Add(SPANISH_LIBRARY, "VelmarTessalineA.so");     // the same language twice
  Add(SPANISH_LIBRARY, "Spanish.so");              // not named as a language library
  Add(BROKEN_LIBRARY, "VelmarTessalineBroken.so");  // its script does not parse
  WriteFileText(folder_ / "VelmarTessalineX.so", std::string("\x7f" "ELF junk, no library at all", 29));
  fs::create_directories(folder_ / "VelmarTessalineFolder.so");

  // Asking a library twice gives the same answers: probing leaves nothing behind.
  for (int round = 0; round < 2; ++round) {
    std::optional<app::LanguageLibrary> probed = app::ProbeLanguageLibrary(folder_ / "VelmarTessalineSpa.so");
    ASSERT_TRUE(probed.has_value());
    EXPECT_EQ(probed->language, kSpanish);
    EXPECT_EQ(probed->name, "Espanol");
  }
  EXPECT_FALSE(app::ProbeLanguageLibrary(folder_ / "Spanish.so").has_value());

  const std::vector<app::LanguageLibrary> listed = app::ListLanguageLibraries(folder_);
  ASSERT_EQ(listed.size(), 2u);
  EXPECT_EQ(listed[0].path, folder_ / "VelmarTessalineA.so");
  EXPECT_EQ(listed[1].path, folder_ / "VelmarTessalineSpa.so");
  for (const app::LanguageLibrary& library : listed) EXPECT_EQ(library.name, "Espanol");
  EXPECT_EQ(app::FindLanguageLibrary(folder_, kSpanish), folder_ / "VelmarTessalineA.so");
  EXPECT_EQ(app::FindLanguageLibrary(folder_, 0x0407), fs::path());
  EXPECT_EQ(app::FindLanguageLibrary(folders_.Root() / "no such folder", kSpanish), fs::path());

  app::CLanguageChoice choice(folder_);
  const std::vector<app::LanguageLibrary> offered = choice.Offered();
  ASSERT_EQ(offered.size(), 3u);
  EXPECT_EQ(offered[0].language, app::kEnglishLanguageId);
  EXPECT_EQ(offered[0].name, "English");
  ASSERT_TRUE(choice.SetLanguage(kSpanish));
  EXPECT_EQ(choice.LoadedLibrary(), folder_ / "VelmarTessalineA.so");
}

TEST_F(LanguageLibrariesTest, TheStoredLanguageComesUpAtStartUpAndStaysStoredWhenItsLibraryIsGone) {
  StoreLanguage(kSpanish);
  app::CLanguageChoice withoutLibrary(folder_);
  withoutLibrary.SelectStoredLanguage();
  EXPECT_EQ(withoutLibrary.Current(), app::kEnglishLanguageId);
  EXPECT_EQ(FirstMenuTitle(), "&File");
  EXPECT_EQ(StoredLanguage(), kSpanish);  // for the next start, when the library may be back

  Add(SPANISH_LIBRARY, "VelmarTessalineSpa.so");
  app::CLanguageChoice choice(folder_);
  choice.SelectStoredLanguage();
  EXPECT_EQ(choice.Current(), kSpanish);
  EXPECT_EQ(FirstMenuTitle(), "&Archivo");
  EXPECT_EQ(ResourceString(ID_FILE_NEW_PLAN), "Crear una nueva Inmersión\nNueva Inmersión");

  // The current language again, or one that has no library, changes nothing; the library
  // removed after loading goes on serving its resources.
  fs::remove(folder_ / "VelmarTessalineSpa.so");
  EXPECT_FALSE(choice.SetLanguage(kSpanish));
  EXPECT_FALSE(choice.SetLanguage(0x0407));
  EXPECT_EQ(choice.Current(), kSpanish);
  EXPECT_EQ(FirstMenuTitle(), "&Archivo");
  EXPECT_EQ(StoredLanguage(), kSpanish);

  ASSERT_TRUE(choice.SetLanguage(app::kEnglishLanguageId));
  EXPECT_EQ(choice.Current(), app::kEnglishLanguageId);
  EXPECT_EQ(FirstMenuTitle(), "&File");
  EXPECT_EQ(choice.LoadedLibrary(), fs::path());
  EXPECT_EQ(StoredLanguage(), app::kEnglishLanguageId);
}
