#include <functional>

#include "app/DivePlannerDlg.h"
#include "app/core/RecentFileList.h"
#include "framework/MenuBuilder.h"
#include "framework/NativeControls.h"
#include "resources/resource.h"
#include "views/TableGeneration.h"

namespace app {
namespace {

// The ranges of command ids the menus and the toolbar use.
struct CommandRange {
  int first;
  int last;
};
constexpr CommandRange kCommandRanges[] = {{ID_FILE_NEW_PLAN, ID_SHORTCUT_CTRL_M},
                                           {ID_DIVES_ADD, ID_DIVES_EXPORT},
                                           {ID_FILE_OPEN, ID_FILE_SAVE},
                                           {ID_VIEW_DETAILS, ID_VIEW_DETAILS},
                                           {ID_FILE_REVIEW_LOG, ID_FILE_REVIEW_LOG}};

}  // namespace

void CDivePlannerDlg::BindCommands() {
  auto bindUpdates = [this](int first, int last) {
    Bind(wxEVT_UPDATE_UI, &CDivePlannerDlg::OnUpdateCommand, this, framework::ToolkitCommandId(first),
         framework::ToolkitCommandId(last));
  };
  for (const CommandRange& range : kCommandRanges) bindUpdates(range.first, range.last);
  bindUpdates(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE1 + static_cast<int>(recentFiles_.Size()) - 1);
  BindFileCommands();
  BindDiveCommands();
  BindHelpCommands();
  BindCommand(ID_VIEW_DETAILS, [this] { OnViewDetails(); });
  BindCommand(ID_TOOLS_PREFERENCES, [this] { OnPreferences(); });
  BindTableCommands();
  BindCommand(ID_TOOLS_CREATE_DIVE_TABLES, [this] { OnCreateDiveTables(); });
  BindLanguageCommands();
  Bind(wxEVT_CHAR_HOOK, &CDivePlannerDlg::OnCharHook, this);
  Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
    if (event.CanVeto()) OnFileExit();
    else Destroy();
  });
}

void CDivePlannerDlg::BindCommand(int command, std::function<void()> handler) {
  handledCommands_.insert(command);
  Bind(wxEVT_MENU, [handler = std::move(handler)](wxCommandEvent&) { handler(); }, framework::ToolkitCommandId(command));
}

bool CDivePlannerDlg::HasHandler(int command) const { return handledCommands_.contains(command); }

PlanFacts CDivePlannerDlg::Facts() const {
  PlanFacts facts;
  facts.diveCount = planGroup_.GetDiveCount();
  facts.tabCount = GetTabCount();
  facts.modified = planGroup_.m_modified;
  facts.calculationPending = planGroup_.m_calcPending;
  facts.recentFileCount = static_cast<int>(recentFiles_.Entries().size());
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
  // Enter has no default button to press here; Escape is the same as Exit, unless it is meant
  // for an open menu or drop-down list, which it closes.
  if (event.GetKeyCode() == WXK_ESCAPE && !event.HasAnyModifiers() && !framework::IsPopupHoldingKeys()) {
    OnFileExit();
    return;
  }
  event.Skip();
}

void CDivePlannerDlg::OnCreateDiveTables() {
  views::CTableGeneration generator(nullptr);
  generator.SetPlanGroup(&planGroup_);
  generator.ShowModal();
}

}  // namespace app
