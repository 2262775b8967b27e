#include <filesystem>
#include <functional>

#include <wx/filedlg.h>

#include "app/DivePlannerDlg.h"
#include "app/core/RecentFileList.h"
#include "engine/AppSettings.h"
#include "framework/MenuBuilder.h"
#include "engine/support/DebugLog.h"
#include "platform/UserInterface.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"
#include "views/TableGeneration.h"

namespace app {
namespace {

// The commands whose handlers the window has.
constexpr int kHandledCommands[] = {ID_FILE_SAVE,       ID_FILE_SAVE_AS,    ID_FILE_EXIT,
                                    ID_TOOLS_CALCULATE, ID_VIEW_DETAILS,    ID_VIEW_DIVE_TABLE,
                                    ID_VIEW_GAS_TABLE,  ID_VIEW_ALL_DIVE_TABLES, ID_VIEW_ALL_GAS_TABLES,
                                    ID_TOOLS_CREATE_DIVE_TABLES};
constexpr const char* kPlanExtension = ".ccp";

// The ranges of command ids the menus and the toolbar use.
struct CommandRange {
  int first;
  int last;
};
constexpr CommandRange kCommandRanges[] = {
    {ID_FILE_NEW_PLAN, ID_SHORTCUT_CTRL_M}, {ID_DIVES_ADD, ID_DIVES_EXPORT}, {ID_FILE_OPEN, ID_FILE_SAVE}, {ID_VIEW_DETAILS, ID_VIEW_DETAILS}};

}  // namespace

void CDivePlannerDlg::BindCommands() {
  auto bindUpdates = [this](int first, int last) {
    Bind(wxEVT_UPDATE_UI, &CDivePlannerDlg::OnUpdateCommand, this, framework::ToolkitCommandId(first),
         framework::ToolkitCommandId(last));
  };
  for (const CommandRange& range : kCommandRanges) bindUpdates(range.first, range.last);
  bindUpdates(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE1 + static_cast<int>(recentFiles_.Size()) - 1);
  auto bindCommand = [this](int command, std::function<void()> handler) {
    Bind(wxEVT_MENU, [handler = std::move(handler)](wxCommandEvent&) { handler(); }, framework::ToolkitCommandId(command));
  };
  bindCommand(ID_FILE_SAVE, [this] { SaveFile(false); });
  bindCommand(ID_FILE_SAVE_AS, [this] { SaveFile(true); });
  bindCommand(ID_FILE_EXIT, [this] { OnFileExit(); });
  bindCommand(ID_TOOLS_CALCULATE, [this] { OnCalculate(); });
  bindCommand(ID_VIEW_DETAILS, [this] { OnViewDetails(); });
  BindTableCommands();
  bindCommand(ID_TOOLS_CREATE_DIVE_TABLES, [this] { OnCreateDiveTables(); });
  Bind(wxEVT_CHAR_HOOK, &CDivePlannerDlg::OnCharHook, this);
  Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
    if (event.CanVeto()) OnFileExit();
    else Destroy();
  });
}

bool CDivePlannerDlg::HasHandler(int command) const {
  return std::find(std::begin(kHandledCommands), std::end(kHandledCommands), command) != std::end(kHandledCommands);
}

PlanFacts CDivePlannerDlg::Facts() const {
  PlanFacts facts;
  facts.diveCount = planGroup_.GetDiveCount();
  facts.tabCount = GetTabCount();
  facts.modified = planGroup_.m_modified;
  facts.calculationPending = planGroup_.m_calcPending;
  const auto hasTable = [](const CDivePlan* dive) { return dive != nullptr && dive->GetSegmentCount() > 0; };
  const auto hasGasTable = [](const CDivePlan* dive) { return dive != nullptr && dive->IsGasUsed(); };
  const CDivePlan* active = planGroup_.GetDivePlan(GetActiveTab());
  facts.activeDiveHasTable = hasTable(active);
  facts.activeDiveHasGasTable = hasGasTable(active);
  for (int index = 0; index < facts.diveCount; ++index) {
    facts.anyDiveHasTable = facts.anyDiveHasTable || hasTable(planGroup_.GetDivePlan(index));
    facts.anyDiveHasGasTable = facts.anyDiveHasGasTable || hasGasTable(planGroup_.GetDivePlan(index));
  }
  return facts;
}

bool CDivePlannerDlg::IsCommandEnabled(int command) const {
  return HasHandler(command) && CommandAllowedByPlan(command, Facts()).value_or(true);
}

void CDivePlannerDlg::OnUpdateCommand(wxUpdateUIEvent& event) {
  event.Enable(IsCommandEnabled(framework::ResourceCommandId(event.GetId())));
}

void CDivePlannerDlg::OnCharHook(wxKeyEvent& event) {
  // Enter has no default button to press here; Escape is the same as Exit.
  if (event.GetKeyCode() == WXK_ESCAPE && !event.HasAnyModifiers()) {
    OnFileExit();
    return;
  }
  event.Skip();
}

void CDivePlannerDlg::OnFileExit() {
  if (planGroup_.m_modified) {
    const int answer = platform::AskUser(ResourceString(IDS_MSG_PLAN_MODIFIED),
                                         platform::mb::kYesNo | platform::mb::kIconExclamation);
    if (answer == platform::answer::kYes && !SaveFile(false)) return;  // nothing is lost: the window stays
  }
  Destroy();
}

bool CDivePlannerDlg::SaveFile(bool saveAs) {
  std::string path = currentPlanFile_;
  if (saveAs || path.empty()) {
    path = AskSavePath();
    if (path.empty()) return false;
    TheDebugLog().Log("User saved file as %s", path.c_str());
    recentFiles_.Add(path);
    ShowRecentFiles();
    AppSettings().directories.plansAndDives.Set(std::filesystem::path(path).parent_path().string());
  }
  // The window names a file only once the plan is really in it. The plan group shows its own
  // message when the file cannot be written.
  const bool saved = planGroup_.SavePlanGroup(path);
  if (saved) currentPlanFile_ = path;
  UpdateTitle();
  return saved;
}

void CDivePlannerDlg::OnCreateDiveTables() {
  views::CTableGeneration generator(nullptr);
  generator.SetPlanGroup(&planGroup_);
  generator.ShowModal();
}

void CDivePlannerDlg::OnCalculate() {
  RecalculateActiveDive();
  RefreshTitleAndCaptions();
}

std::string CDivePlannerDlg::AskSavePath() {
  wxFileDialog dialog(this, wxFileSelectorPromptStr, wxString::FromUTF8(AppSettings().directories.plansAndDives.Get()),
                      wxEmptyString, "Velmar Tessaline Files (*.ccp)|*.ccp", wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
  if (dialog.ShowModal() != wxID_OK) return {};
  std::filesystem::path path(dialog.GetPath().utf8_string());
  if (path.filename().empty()) return {};  // no name given: nothing to write, not a file called ".ccp"
  if (path.extension().empty()) path += kPlanExtension;
  return path.string();
}

}  // namespace app
