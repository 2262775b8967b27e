#pragma once
// The language of the user interface: English, the program's own resources, or the language of
// a library found in a folder (the program's). The choice is kept in the "Language ID" setting.
#include <filesystem>

#include "app/core/LanguageLibraries.h"

namespace app {

class CLanguageChoice {
 public:
  explicit CLanguageChoice(std::filesystem::path libraryFolder);

  // The language stored in the setting; a language whose library is not found leaves English
  // and the setting as they are.
  void SelectStoredLanguage();
  // Makes the language the current one and stores it; false, with nothing changed, when it is
  // the current one already or its library cannot be found or loaded. The new library is loaded
  // before the old one is given up.
  bool SetLanguage(LanguageId language);

  LanguageId Current() const { return current_; }
  // English, then every language library of the folder.
  std::vector<LanguageLibrary> Offered() const;
  // The library whose resources are in use; empty for English.
  const std::filesystem::path& LoadedLibrary() const { return loadedLibrary_; }

 private:
  std::filesystem::path folder_;
  LanguageId current_ = kEnglishLanguageId;
  std::filesystem::path loadedLibrary_;
};

}  // namespace app
