// The Spanish library exports what the program looks up and nothing else, and its resources
// are the program's own with the texts translated: the same ids, controls, rectangles, styles,
// menus, toolbars, accelerators and images, and in each string the same printf conversions.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/core/LanguageLibraries.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"

namespace {

// Texts that read the same in Spanish: abbreviations, names, numbers, addresses, and the
// disclaimer's buttons, which stay English as the disclaimer does.
const std::set<std::string> kSameInSpanish{
    "CC", "CC OC", "CNS", "CNS Final %0.1f%%", "Cursor", "Dil", "EAD", "Fax +44 1632 960 418", "GF", "Gas",
    "OC", "OK", "OEM", "OTU", "OTU Final %0.1f%%", "PPO2", "Pigt", "NCS", "Velmar Tessaline",
    "Velmar Tessaline x.x.x.x", "Oskerby Ltd.", "4 Harbour Yard, Oskerby Quay", "Tessal Sound TS1 4HY",
    "ZH-L16&A", "ZH-L16&C", "&Buhlmann", "&CC", "&OC", "General", "&Imperial (ft)", "I Agree", "Exit"};

bool HasLetters(const std::string& text) {
  for (unsigned char c : text) {
    if (std::isalpha(c) || c >= 0x80) return true;
  }
  return false;
}

std::string Count(const std::string& text, char c) { return std::to_string(std::count(text.begin(), text.end(), c)); }

// After the tab of a menu text comes its key, which stays as it is.
std::string KeyText(const std::string& text) {
  const std::size_t tab = text.find('\t');
  return tab == std::string::npos ? std::string() : text.substr(tab);
}

class Parity {
 public:
  Parity(const platform::ResourceScript& english, const platform::ResourceScript& spanish)
      : english_(english), spanish_(spanish) {}

  std::vector<std::string> Differences() {
    Strings();
    Dialogs();
    Menus();
    Same("toolbars", english_.toolbars.size() == spanish_.toolbars.size());
    for (const auto& [id, toolbar] : english_.toolbars) {
      auto found = spanish_.toolbars.find(id);
      Same("toolbar " + std::to_string(id),
           found != spanish_.toolbars.end() && found->second.buttons == toolbar.buttons &&
               found->second.buttonWidth == toolbar.buttonWidth && found->second.buttonHeight == toolbar.buttonHeight);
    }
    Same("accelerator tables", AcceleratorText(english_) == AcceleratorText(spanish_));
    Same("bitmaps", english_.bitmaps == spanish_.bitmaps);
    Same("icons", english_.icons == spanish_.icons);
    Same("cursors", english_.cursors == spanish_.cursors);
    return differences_;
  }

 private:
  void Same(const std::string& what, bool same) {
    if (!same) differences_.push_back(what + " differs");
  }
  void Translated(const std::string& what, const std::string& english, const std::string& spanish) {
    if (english == spanish && HasLetters(english) && kSameInSpanish.count(english) == 0) {
      differences_.push_back(what + " is not translated: \"" + english + "\"");
    }
  }
  template <typename Map>
  void SameIds(const std::string& what, const Map& english, const Map& spanish) {
    for (const auto& entry : english) {
      if (spanish.count(entry.first) == 0) differences_.push_back(what + " " + std::to_string(entry.first) + " is missing");
    }
    for (const auto& entry : spanish) {
      if (english.count(entry.first) == 0) differences_.push_back(what + " " + std::to_string(entry.first) + " is not the program's");
    }
  }

  void Strings() {
    SameIds("string", english_.strings, spanish_.strings);
    for (const auto& [id, english] : english_.strings) {
      auto found = spanish_.strings.find(id);
      if (found == spanish_.strings.end()) continue;
      const std::string what = "string " + std::to_string(id);
      const std::string& spanish = found->second;
      Same(what + ": its conversions \"" + platform::FormatConversions(english) + "\"",
           platform::FormatConversions(english) == platform::FormatConversions(spanish));
      // a command's prompt and tooltip, and the lines of a message, stay apart as they were
      Same(what + ": its line ends", Count(english, '\n') == Count(spanish, '\n'));
      Translated(what, english, spanish);
    }
  }

  void Dialogs() {
    SameIds("dialog", english_.dialogs, spanish_.dialogs);
    for (const auto& [id, english] : english_.dialogs) {
      auto found = spanish_.dialogs.find(id);
      if (found == spanish_.dialogs.end()) continue;
      const platform::DialogTemplate& spanish = found->second;
      const std::string what = "dialog " + std::to_string(id);
      Same(what + ": its frame", english.extended == spanish.extended && english.x == spanish.x && english.y == spanish.y &&
                                     english.width == spanish.width && english.height == spanish.height &&
                                     english.style == spanish.style && english.exStyle == spanish.exStyle &&
                                     english.fontName == spanish.fontName && english.fontPointSize == spanish.fontPointSize);
      Translated(what + " caption", english.caption, spanish.caption);
      if (english.controls.size() != spanish.controls.size()) {
        Same(what + ": its number of controls", false);
        continue;
      }
      for (std::size_t i = 0; i < english.controls.size(); ++i) {
        const platform::DialogControl& e = english.controls[i];
        const platform::DialogControl& s = spanish.controls[i];
        const std::string control = what + " control " + std::to_string(i) + " (" + std::to_string(e.id) + ")";
        Same(control, e.className == s.className && e.id == s.id && e.textId == s.textId && e.x == s.x && e.y == s.y &&
                          e.width == s.width && e.height == s.height && e.style == s.style && e.exStyle == s.exStyle);
        Translated(control, e.text, s.text);
      }
    }
  }

  void MenuItems(const std::string& what, const std::vector<platform::MenuItem>& english,
                 const std::vector<platform::MenuItem>& spanish) {
    if (english.size() != spanish.size()) {
      Same(what + ": its number of items", false);
      return;
    }
    for (std::size_t i = 0; i < english.size(); ++i) {
      const platform::MenuItem& e = english[i];
      const platform::MenuItem& s = spanish[i];
      const std::string item = what + " item " + std::to_string(i);
      Same(item, e.id == s.id && e.separator == s.separator && e.grayed == s.grayed && e.checked == s.checked &&
                     e.popup == s.popup && KeyText(e.text) == KeyText(s.text));
      Translated(item, e.text, s.text);
      MenuItems(item, e.items, s.items);
    }
  }

  void Menus() {
    SameIds("menu", english_.menus, spanish_.menus);
    for (const auto& [id, english] : english_.menus) {
      auto found = spanish_.menus.find(id);
      if (found != spanish_.menus.end()) MenuItems("menu " + std::to_string(id), english.items, found->second.items);
    }
  }

  static std::string AcceleratorText(const platform::ResourceScript& script) {
    std::ostringstream text;
    for (const auto& [id, table] : script.acceleratorTables) {
      text << id << ':';
      for (const platform::Accelerator& key : table) {
        text << key.key << ',' << key.virtualKey << key.control << key.shift << key.alt << ',' << key.command << ';';
      }
    }
    return text.str();
  }

  const platform::ResourceScript& english_;
  const platform::ResourceScript& spanish_;
  std::vector<std::string> differences_;
};

std::vector<std::string> DefinedExports(const std::string& library) {
  std::vector<std::string> names;
  std::unique_ptr<FILE, int (*)(FILE*)> nm(::popen(("nm -D --defined-only '" + library + "'").c_str(), "r"), ::pclose);
  if (!nm) return names;
  char line[512];
  while (std::fgets(line, sizeof line, nm.get()) != nullptr) {
    std::istringstream fields(line);
    std::string address, kind, name;
    if (fields >> address >> kind >> name) names.push_back(name);
  }
  return names;
}

}  // namespace

TEST(SpanishLibrary, ExportsItsLanguageItsNameAndItsResourcesOnly) {
  EXPECT_EQ(DefinedExports(SPANISH_LIBRARY), (std::vector<std::string>{"GetLanguage", "GetLanguageStr", "GetResourceData"}));
}

TEST(SpanishLibrary, HoldsTheProgramsResourcesWithEveryTextTranslated) {
  std::shared_ptr<const platform::ResourceModule> spanish = app::LoadLanguageLibrary(SPANISH_LIBRARY);
  ASSERT_TRUE(spanish);
  const platform::ResourceScript& script = spanish->Script();
  // The Part's own examples.
  EXPECT_EQ(script.dialogs.at(IDD_SELECT_LANGUAGE).caption, "Selecciona Idioma");
  EXPECT_EQ(script.dialogs.at(IDD_SELECT_LANGUAGE).controls.at(2).text, "Cancelar");
  const std::vector<platform::MenuItem>& file = script.menus.at(IDR_MAIN_MENU_WITH_REVIEW).items.at(0).items;
  EXPECT_EQ(script.menus.at(IDR_MAIN_MENU_WITH_REVIEW).items.at(0).text, "&Archivo");
  EXPECT_EQ(file.at(0).text, "&Nueva Inmersión\tCtrl+N");
  EXPECT_EQ(file.at(2).text, "&Guardar\tCtrl+S");
  EXPECT_EQ(script.strings.at(ID_FILE_NEW_PLAN), "Crear una nueva Inmersión\nNueva Inmersión");

  // The comparison finds what is left untranslated.
  EXPECT_FALSE(Parity(ProgramResources().Script(), ProgramResources().Script()).Differences().empty());
  const std::vector<std::string> differences = Parity(ProgramResources().Script(), script).Differences();
  std::ostringstream listed;
  for (const std::string& difference : differences) listed << difference << '\n';
  EXPECT_TRUE(differences.empty()) << listed.str();
}

TEST(SpanishLibrary, CarriesItsOwnVersionBlock) {
  std::shared_ptr<const platform::ResourceModule> spanish = app::LoadLanguageLibrary(SPANISH_LIBRARY);
  ASSERT_TRUE(spanish);
  const std::optional<platform::VersionBlock>& version = spanish->Script().version;
  ASSERT_TRUE(version);
  EXPECT_EQ(version->fileVersion, (std::array<std::uint16_t, 4>{3, 0, 3, 3}));
  EXPECT_EQ(version->productVersion, (std::array<std::uint16_t, 4>{3, 0, 3, 3}));
  // English (United States) in the Unicode code page: 0x0409, 1200.
  EXPECT_EQ(version->translations, (std::vector<std::uint32_t>{0x040904b0}));
  EXPECT_EQ(version->stringTables,
            (std::map<std::string, std::map<std::string, std::string>>{
                {"040904b0",
                 {{"FileDescription", "Velmar Tessaline Application"},
                  {"FileVersion", "3, 0, 3, 3"},
                  {"InternalName", "Velmar Tessaline"},
                  {"ProductName", "Velmar Tessaline Application"},
                  {"ProductVersion", "3, 0, 3, 3"}}}}));
}
