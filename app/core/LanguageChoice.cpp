#include "app/core/LanguageChoice.h"

#include "engine/AppSettings.h"
#include "engine/support/DebugLog.h"

namespace app {

CLanguageChoice::CLanguageChoice(std::filesystem::path libraryFolder) : folder_(std::move(libraryFolder)) {}

void CLanguageChoice::SelectStoredLanguage() {
  current_ = kEnglishLanguageId;
  SetLanguage(static_cast<LanguageId>(AppSettings().languageId.Get() & 0xFFFF));
}

bool CLanguageChoice::SetLanguage(LanguageId language) {
  if (language == kEnglishLanguageId) {
    platform::SetLanguageResourceModule(nullptr);
    loadedLibrary_.clear();
  } else {
    if (language == current_) return false;
    const std::filesystem::path path = FindLanguageLibrary(folder_, language);
    std::shared_ptr<const platform::ResourceModule> module = path.empty() ? nullptr : LoadLanguageLibrary(path);
    if (!module) {
      TheDebugLog().Log("No language library for language %d was found or could be loaded", int(language));
      return false;
    }
    platform::SetLanguageResourceModule(std::move(module));
    loadedLibrary_ = path;
  }
  current_ = language;
  AppSettings().languageId.Set(language);
  return true;
}

std::vector<LanguageLibrary> CLanguageChoice::Offered() const {
  std::vector<LanguageLibrary> offered{{kEnglishLanguageId, "English", {}}};
  for (LanguageLibrary& library : ListLanguageLibraries(folder_)) offered.push_back(std::move(library));
  return offered;
}

}  // namespace app
