#include <filesystem>

#include "app/DivePlannerDlg.h"
#include "app/core/RecentFileList.h"
#include "engine/AppSettings.h"
#include "engine/support/DebugLog.h"
#include "framework/FileDialogs.h"
#include "framework/NativeControls.h"
#include "platform/UserInterface.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"

namespace app {
namespace {

// One of the file dialogs of the file commands.
struct FileDialogKind {
  int titleId;  // 0: the system's own title
  int filterId;
  const char* extension;  // added to a name typed without one; empty for none
  bool save;
};

constexpr FileDialogKind kOpenPlan{IDS_OPEN_PLAN_TITLE, IDS_PLAN_FILTER, "", false};
constexpr FileDialogKind kSavePlan{0, IDS_PRODUCT_PLAN_FILTER, ".ccp", true};
constexpr FileDialogKind kImportDive{IDS_IMPORT_DIVE_TITLE, IDS_DIVE_FILTER, ".ccd", false};
constexpr FileDialogKind kExportDive{0, IDS_DIVE_FILTER, ".ccd", true};
constexpr FileDialogKind kOpenLog{IDS_OPEN_LOG_TITLE, IDS_LOG_FILTER, ".ccl", false};

// The file chosen in the dialog, starting in the "Default Directory"; empty when it was
// cancelled or closed without a name.
std::string AskFilePath(wxWindow* parent, const FileDialogKind& kind) {
  const wxString title = kind.titleId != 0 ? wxString::FromUTF8(ResourceString(kind.titleId)) : wxString(wxFileSelectorPromptStr);
  const long style = kind.save ? wxFD_SAVE | wxFD_OVERWRITE_PROMPT : wxFD_OPEN;
  wxFileDialog dialog(parent, title, wxString::FromUTF8(AppSettings().directories.plansAndDives.Get()), wxEmptyString,
                      wxString::FromUTF8(ResourceString(kind.filterId)), style);
  if (dialog.ShowModal() != wxID_OK) return {};
  std::filesystem::path path(framework::ChosenPath(dialog).utf8_string());
  // No name given: nothing to read or write, and no file named only by its extension. A name that
  // cannot be looked up (a loop of links) is left to the read or write, which says why.
  std::error_code unknown;
  if (path.filename().empty() || std::filesystem::is_directory(path, unknown)) return {};
  if (path.extension().empty() && *kind.extension != '\0') path += kind.extension;
  return path.string();
}

// The folder of a file the user chose becomes where the next file dialog starts.
void RememberFolder(const std::string& path) {
  AppSettings().directories.plansAndDives.Set(std::filesystem::path(path).parent_path().string());
}

}  // namespace

void CDivePlannerDlg::BindFileCommands() {
  BindCommand(ID_FILE_NEW_PLAN, [this] { OnFileNew(); });
  BindCommand(ID_FILE_OPEN, [this] { OnFileOpen(); });
  BindCommand(ID_FILE_SAVE, [this] { SaveFile(false); });
  BindCommand(ID_FILE_SAVE_AS, [this] { SaveFile(true); });
  BindCommand(ID_FILE_EXIT, [this] { OnFileExit(); });
  for (int command : {ID_DIVE_IMPORT, ID_DIVES_IMPORT}) BindCommand(command, [this] { ImportDiveFile(); });
  for (int command : {ID_DIVE_EXPORT, ID_DIVES_EXPORT}) BindCommand(command, [this] { ExportDiveFile(); });
  BindCommand(ID_FILE_REVIEW_LOG, [this] { OnReviewLogFile(); });
  for (std::size_t entry = 0; entry < recentFiles_.Size(); ++entry) {
    BindCommand(ID_FILE_MRU_FILE1 + static_cast<int>(entry), [this, entry] {
      if (entry < recentFiles_.Entries().size()) OnOpenRecentFile(recentFiles_.Entries()[entry]);
    });
  }
}

void CDivePlannerDlg::AskToSaveChanges() {
  // There is no Cancel: the command goes on either way, so a save that did not happen (a
  // cancelled Save As, a failed write) asks again rather than losing the changes unasked.
  while (planGroup_.m_modified) {
    const int answer = platform::AskUser(ResourceString(IDS_MSG_PLAN_MODIFIED),
                                         platform::mb::kYesNo | platform::mb::kIconExclamation);
    if (answer != platform::answer::kYes) {
      planGroup_.ClearModified();
      return;
    }
    SaveFile(false);
  }
}

void CDivePlannerDlg::OnFileNew() {
  AskToSaveChanges();
  SetTabCount(0);
  planGroup_.m_loadInProgress = true;
  planGroup_.ClearPlanGroup();
  planGroup_.CreateDefaultPlan();
  planGroup_.LoadSettings();
  SetTabCount(planGroup_.GetDiveCount());
  currentPlanFile_.clear();
  SetTabCaption("", 0, false);
  if (pages_[0] == nullptr) return;
  planGroup_.ClearModified();
  planGroup_.m_loadInProgress = false;
  OnDiveCalculated(0);
  RefreshTitleAndCaptions();
}

void CDivePlannerDlg::OnFileOpen() {
  AskToSaveChanges();
  OnFileNew();
  const std::string path = AskFilePath(this, kOpenPlan);
  if (path.empty()) return;
  TheDebugLog().Log("User selected file %s", path.c_str());
  recentFiles_.Add(path);
  ShowRecentFiles();
  RememberFolder(path);
  OpenPlanFile(path);
}

void CDivePlannerDlg::OnOpenRecentFile(const std::string& path) {
  AskToSaveChanges();
  TheDebugLog().Log("User selected MRU file %s", path.c_str());
  const std::string entry = path;  // path may be the list's own entry, which Remove drops
  OpenPlanFile(entry);
  // The plan opened comes first in the list, as a plan opened through the Open dialog does; one
  // that no longer opens leaves it.
  if (currentPlanFile_.empty()) recentFiles_.Remove(entry);
  else recentFiles_.Add(entry);
  ShowRecentFiles();
}

void CDivePlannerDlg::OnFileExit() {
  // A value still being typed is a change like any other: its field is left first.
  const wxWeakRef<wxWindow> field = framework::LeaveFocusedControl(*this);
  if (planGroup_.m_modified) {
    const int answer = platform::AskUser(ResourceString(IDS_MSG_PLAN_MODIFIED),
                                         platform::mb::kYesNo | platform::mb::kIconExclamation);
    if (answer == platform::answer::kYes && !SaveFile(false)) {
      // Nothing is lost: the window stays, and the typing goes on where it was.
      if (field) field->SetFocus();
      return;
    }
  }
  Destroy();
}

bool CDivePlannerDlg::SaveFile(bool saveAs) {
  std::string path = currentPlanFile_;
  if (saveAs || path.empty()) {
    path = AskFilePath(this, kSavePlan);
    if (path.empty()) return false;
    TheDebugLog().Log("User saved file as %s", path.c_str());
    recentFiles_.Add(path);
    ShowRecentFiles();
    RememberFolder(path);
  }
  // The window names a file only once the plan is really in it. The plan group shows its own
  // message when the file cannot be written.
  const bool saved = planGroup_.SavePlanGroup(path);
  if (saved) currentPlanFile_ = path;
  UpdateTitle();
  return saved;
}

bool CDivePlannerDlg::ImportDiveFile() {
  const std::string path = AskFilePath(this, kImportDive);
  if (path.empty()) return false;
  TheDebugLog().Log("User imported dive %s", path.c_str());
  RememberFolder(path);
  planGroup_.ImportDive(path);  // shows its own message when the file cannot be read
  planGroup_.SetModified(true);
  SyncTabsToPlan();
  RefreshTitleAndCaptions();
  return true;
}

bool CDivePlannerDlg::ExportDiveFile() {
  const std::string path = AskFilePath(this, kExportDive);
  if (path.empty()) return false;
  TheDebugLog().Log("User exported dive as %s", path.c_str());
  RememberFolder(path);
  planGroup_.ExportDive(path, GetActiveTab());
  return true;
}

void CDivePlannerDlg::OnReviewLogFile() {
  OnFileNew();
  const std::string path = AskFilePath(this, kOpenLog);
  if (path.empty()) return;
  TheDebugLog().Log("User opened log file %s", path.c_str());
  RememberFolder(path);
  if (!planGroup_.ReviewLogFile(path)) return;  // the plan group has said why
  planGroup_.SetModified(true);
  SyncTabsToPlan();
  RefreshTitleAndCaptions();
  // The review dive follows the new plan's empty dive: it takes that dive's place.
  RemoveDive(0);
  planGroup_.m_modified = false;  // a review is not a change of the plan
  UpdateTitle();
}

}  // namespace app
