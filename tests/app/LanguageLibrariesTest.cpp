// Language libraries beside the program: which files are offered, which one a language loads,
// and the language chosen at start-up and by the user, with the "Language ID" setting.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "app/core/LanguageChoice.h"
#include "app/core/LanguageLibraries.h"
#include "engine/AppSettings.h"
#include "engine/support/DebugLog.h"
#include "platform/ProgramFileFolders.h"
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
    KeepToOwner(folder_);
  }
  void TearDown() override { platform::SetLanguageResourceModule(nullptr); }
  // A copy that only its owner can change, whatever the umask.
  void Add(const char* from, const std::string& name) { AddTo(folder_, from, name); }
  static void AddTo(const fs::path& folder, const char* from, const std::string& name) {
    fs::copy_file(from, folder / name);
    KeepToOwner(folder / name);
  }
  static void KeepToOwner(const fs::path& path) {
    fs::permissions(path, fs::perms::group_write | fs::perms::others_write, fs::perm_options::remove);
  }
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

namespace {

// The marker library in folders of its own, and the file its start-up code leaves.
class LibraryStartUpTest : public LanguageLibrariesTest {
 protected:
  void SetUp() override {
    LanguageLibrariesTest::SetUp();
    ::setenv("VT_TEST_MARKER_FILE", marker_.c_str(), 1);
    ASSERT_TRUE(TheDebugLog().Open("Velmar", "LanguageLibrariesTest"));
    TheDebugLog().SetTimeStamps(false);
  }
  void TearDown() override {
    ::unsetenv("VT_TEST_MARKER_FILE");
    LanguageLibrariesTest::TearDown();
  }
  // A folder below the test's, that only its owner can change.
  fs::path Folder(const std::string& name) const {
    const fs::path folder = folders_.Root() / name;
    fs::create_directories(folder);
    KeepToOwner(folder);
    return folder;
  }
  bool Ran() const { return fs::exists(marker_); }
  std::string LogText() const { return ReadFileText(TheDebugLog().GetFileName()); }

  fs::path marker_ = folders_.Root() / "marker";
};

}  // namespace

// Root owns every file it makes, so ownership alone lets these pass: the modes must stop them.
TEST_F(LibraryStartUpTest, ALibraryOthersCouldHaveChangedIsNeverLoaded) {
  // Loaded from a file and folder only its owner can change, the library runs its start-up code
  // (and, having no exports, is not offered).
  AddTo(Folder("trusted"), MARKER_LIBRARY, "VelmarTessalineMarker.so");
  EXPECT_TRUE(app::ListLanguageLibraries(folders_.Root() / "trusted").empty());
  ASSERT_TRUE(Ran());
  fs::remove(marker_);

  struct Case {
    const char* folder;
    fs::perms fileWrite;    // added to the file
    fs::perms folderWrite;  // added to its folder
    const char* why;
  };
  const Case cases[] = {
      {"others-write-the-file", fs::perms::others_write, fs::perms::none, "not loaded: writable by others"},
      {"group-writes-the-file", fs::perms::group_write, fs::perms::none, "not loaded: writable by group"},
      {"others-write-the-folder", fs::perms::none, fs::perms::others_write, "not loaded: the folder % is writable by others"},
      {"group-writes-the-folder", fs::perms::none, fs::perms::group_write, "not loaded: the folder % is writable by group"},
  };
  for (const Case& test : cases) {
    const fs::path folder = Folder(test.folder);
    AddTo(folder, MARKER_LIBRARY, "VelmarTessalineMarker.so");
    AddTo(folder, SPANISH_LIBRARY, "VelmarTessalineSpa.so");
    fs::permissions(folder / "VelmarTessalineMarker.so", test.fileWrite, fs::perm_options::add);
    fs::permissions(folder / "VelmarTessalineSpa.so", test.fileWrite, fs::perm_options::add);
    fs::permissions(folder, test.folderWrite, fs::perm_options::add);
    const std::vector<app::LanguageLibrary> listed = app::ListLanguageLibraries(folder);
    EXPECT_FALSE(Ran()) << test.folder;
    // A language library in the same place is not offered, nor found, nor loaded.
    EXPECT_TRUE(listed.empty()) << test.folder;
    EXPECT_EQ(app::FindLanguageLibrary(folder, kSpanish), fs::path()) << test.folder;
    EXPECT_EQ(app::LoadLanguageLibrary(folder / "VelmarTessalineSpa.so"), nullptr) << test.folder;
    std::string why = test.why;
    if (const std::size_t at = why.find('%'); at != std::string::npos) why.replace(at, 1, folder.string());
    EXPECT_NE(LogText().find("Language library " + (folder / "VelmarTessalineMarker.so").string() + " " + why),
              std::string::npos)
        << test.folder << "\n" << LogText();
  }

  // A file of another user's: root can hand one over.
  if (::geteuid() == 0) {
    const fs::path folder = Folder("someone-elses");
    AddTo(folder, MARKER_LIBRARY, "VelmarTessalineMarker.so");
    ASSERT_EQ(::chown((folder / "VelmarTessalineMarker.so").c_str(), 65534, 65534), 0);
    EXPECT_TRUE(app::ListLanguageLibraries(folder).empty());
    EXPECT_FALSE(Ran());
    EXPECT_NE(LogText().find("not loaded: owned by user 65534"), std::string::npos);
  }

  // A link in a trusted folder is judged where it leads, and the refusal names the folder there.
  const fs::path open = Folder("open");
  AddTo(open, MARKER_LIBRARY, "VelmarTessalineMarker.so");
  fs::permissions(open, fs::perms::others_write, fs::perm_options::add);
  const fs::path linking = Folder("linking");
  fs::create_symlink(open / "VelmarTessalineMarker.so", linking / "VelmarTessalineMarker.so");
  EXPECT_TRUE(app::ListLanguageLibraries(linking).empty());
  EXPECT_FALSE(Ran());
  EXPECT_NE(LogText().find((linking / "VelmarTessalineMarker.so").string() + " not loaded: the folder " + open.string() +
                           " is writable by others"),
            std::string::npos)
      << LogText();
}

TEST_F(LibraryStartUpTest, EveryFolderAboveALibraryMustBeClosedToOthersUnlessItIsSticky) {
  const fs::path above = Folder("above");
  const fs::path below = Folder("above/below");
  AddTo(below, MARKER_LIBRARY, "VelmarTessalineMarker.so");
  const std::string refused = "Language library " + (below / "VelmarTessalineMarker.so").string() + " not loaded: ";

  for (const fs::perms write : {fs::perms::others_write, fs::perms::group_write}) {
    fs::permissions(above, write, fs::perm_options::add);
    EXPECT_TRUE(app::ListLanguageLibraries(below).empty());
    EXPECT_FALSE(Ran());
    EXPECT_NE(LogText().find(refused + "the folder " + above.string() + " is writable by " +
                             (write == fs::perms::others_write ? "others" : "group")),
              std::string::npos)
        << LogText();
    fs::permissions(above, write, fs::perm_options::remove);
  }

  // Where anyone may add files but only their owners remove or rename them, as in /tmp, the
  // library's place is still its owner's alone.
  fs::permissions(above, fs::perms::all | fs::perms::sticky_bit, fs::perm_options::add);
  EXPECT_TRUE(app::ListLanguageLibraries(below).empty());  // a marker, not a language library
  EXPECT_TRUE(Ran());
  fs::remove(marker_);

  // A folder of another user's, sticky or not: root can hand one over.
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(above.c_str(), 65534, 65534), 0);
    for (const fs::perms mode : {fs::perms(01777), fs::perms(0755)}) {
      fs::permissions(above, mode);
      EXPECT_TRUE(app::ListLanguageLibraries(below).empty());
      EXPECT_FALSE(Ran());
    }
    EXPECT_NE(LogText().find(refused + "the folder " + above.string() + " is owned by user 65534"), std::string::npos)
        << LogText();
  }
}

TEST_F(LibraryStartUpTest, AProgramWithoutAFolderOfItsOwnLoadsNothingFromTheCurrentFolder) {
  // The folder the program was started in holds libraries; its own folder is unknown.
  const fs::path started = Folder("started");
  AddTo(started, MARKER_LIBRARY, "VelmarTessalineMarker.so");
  AddTo(started, SPANISH_LIBRARY, "VelmarTessalineSpa.so");
  const fs::path before = fs::current_path();
  fs::current_path(started);
  const platform::ProgramFileFolders unknown = platform::ProgramFileFoldersOf("");
  const std::vector<app::LanguageLibrary> listed = app::ListLanguageLibraries(unknown.languageLibraries);
  const fs::path found = app::FindLanguageLibrary(unknown.languageLibraries, kSpanish);
  const fs::path relative = app::FindLanguageLibrary(".", kSpanish);
  app::CLanguageChoice choice(unknown.languageLibraries);
  const bool chosen = choice.SetLanguage(kSpanish);
  fs::current_path(before);

  EXPECT_TRUE(listed.empty());
  EXPECT_EQ(found, fs::path());
  EXPECT_EQ(relative, fs::path());
  EXPECT_FALSE(chosen);
  EXPECT_FALSE(Ran());
  EXPECT_NE(LogText().find("the program's own folder is unknown, no language library is loaded"), std::string::npos);
}
