// The table generator's settings files and the import of a dive's settings and gas switches.
#include <wx/filedlg.h>
#include <wx/filename.h>

#include "engine/AppSettings.h"
#include "engine/support/DebugLog.h"
#include "framework/FileDialogs.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"
#include "views/ImportSettings.h"
#include "views/TableGeneration.h"
#include "views/core/SettingsImport.h"
#include "views/core/TableGenerationFile.h"

namespace views {
namespace {

constexpr const char* kExtension = "cct";

wxString FileFilter() {
  // The filter of the desktop's file dialogs, ending in "||", is the toolkit's without them.
  wxString filter = wxString::FromUTF8(ResourceString(IDS_TG_FILE_FILTER));
  while (filter.EndsWith("|")) filter.RemoveLast();
  return filter;
}

// The folder the file dialogs start in becomes the one the user chose.
void RememberFolder(const wxString& path) {
  AppSettings().directories.tableSettings.Set(wxFileName(path).GetPath().utf8_string());
}

wxString StartFolder() { return wxString::FromUTF8(AppSettings().directories.tableSettings.Get()); }

}  // namespace

bool CTableGeneration::WriteSettingsFile(const std::string& path) {
  ReadFields();
  return WriteTableGenerationFile(path, page_);
}

bool CTableGeneration::ReadSettingsFile(const std::string& path) {
  ReadFields();
  loading_ = true;
  const bool read = ReadTableGenerationFile(path, page_);
  loading_ = false;
  if (!read) return false;
  ShowFields();
  RequestRevalidation();
  return true;
}

void CTableGeneration::OnSaveSettings() {
  wxFileDialog dialog(this, wxFileSelectorPromptStr, StartFolder(), wxEmptyString, FileFilter(),
                      wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
  if (dialog.ShowModal() != wxID_OK) return;
  wxFileName file(framework::ChosenPath(dialog));
  if (!file.HasExt()) file.SetExt(kExtension);
  const std::string path = file.GetFullPath().utf8_string();
  TheDebugLog().Log("User saved table generation settings as %s", path.c_str());
  RememberFolder(file.GetFullPath());
  WriteSettingsFile(path);
}

void CTableGeneration::OnLoadSettings() {
  wxFileDialog dialog(this, wxString::FromUTF8(ResourceString(IDS_TG_OPEN_TITLE)), StartFolder(), wxEmptyString,
                      FileFilter(), wxFD_OPEN | wxFD_FILE_MUST_EXIST);
  if (dialog.ShowModal() != wxID_OK) return;
  const wxString chosen = framework::ChosenPath(dialog);
  const std::string path = chosen.utf8_string();
  TheDebugLog().Log("User selected table generation settings file %s", path.c_str());
  RememberFolder(chosen);
  ReadSettingsFile(path);
}

bool CTableGeneration::ImportDiveSettings(int dive, bool bailout) {
  ReadFields();
  if (!::ImportDiveSettings(planGroup_, {dive, bailout}, page_)) return false;
  ShowFields();
  return true;
}

bool CTableGeneration::ImportGasSwitches(int dive, bool bailout) {
  ReadFields();
  if (!::ImportGasSwitches(planGroup_, {dive, bailout}, page_)) return false;
  FillTravelList();
  FillDecoList();
  return true;
}

void CTableGeneration::OnImportSettings() {
  CImportSettings dialog(this);
  dialog.SetPlanGroup(planGroup_);
  if (dialog.ShowModal() == framework::kIdOk && dialog.GetChoice().dive >= 0) {
    const ImportChoice choice = dialog.GetChoice();
    if (dialog.IsImportSettings()) ImportDiveSettings(choice.dive, choice.bailout);
    if (dialog.IsImportGasSwitches()) ImportGasSwitches(choice.dive, choice.bailout);
  }
  RequestRevalidation();
}

}  // namespace views
