#include "app/GasMixListDialogs.h"

#include <filesystem>

#include <wx/filedlg.h>

#include "app/core/GasMixListFile.h"
#include "engine/AppSettings.h"
#include "engine/NumberText.h"
#include "engine/support/DebugLog.h"
#include "platform/UserInterface.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"

namespace app {
namespace {

std::string Choose(wxFileDialog& dialog) {
  return dialog.ShowModal() == wxID_OK ? dialog.GetPath().utf8_string() : std::string();
}

wxString Text(int id) { return wxString::FromUTF8(ResourceString(id)); }

wxString StartFolder() { return wxString::FromUTF8(AppSettings().directories.gasMixLists.Get()); }

void RememberFolder(const std::string& path) { AppSettings().directories.gasMixLists.Set(GasMixListFolder(path)); }

}  // namespace

std::string AskGasMixListToOpen(wxWindow* parent) {
  wxFileDialog dialog(parent, Text(IDS_GAS_MIX_LIST_OPEN_TITLE), StartFolder(), wxEmptyString,
                      Text(IDS_GAS_MIX_LIST_FILTER), wxFD_OPEN | wxFD_FILE_MUST_EXIST);
  const std::string path = Choose(dialog);
  if (path.empty()) return {};
  TheDebugLog().Log("User selected max list file %s", path.c_str());
  RememberFolder(path);
  return path;
}

std::string AskGasMixListToSave(wxWindow* parent) {
  wxFileDialog dialog(parent, wxFileSelectorPromptStr, StartFolder(), wxEmptyString, Text(IDS_GAS_MIX_LIST_FILTER),
                      wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
  std::filesystem::path path(Choose(dialog));
  if (path.filename().empty()) return {};
  if (path.extension().empty()) {
    // The dialog asked about the name as typed, not about the file it stands for.
    path += kGasMixListExtension;
    std::error_code ignored;
    if (std::filesystem::exists(path, ignored) &&
        platform::AskUser(FormatC(ResourceFormat(IDS_MSG_REPLACE_FILE).c_str(), path.string().c_str()),
                          platform::mb::kYesNo | platform::mb::kIconExclamation) != platform::answer::kYes) {
      return {};
    }
  }
  TheDebugLog().Log("User saved file as %s", path.c_str());
  RememberFolder(path.string());
  return path.string();
}

}  // namespace app
