// The View / Print commands: the dive tables and the open-circuit gas-consumption tables of the
// plan, shown in the viewer.
#include <functional>

#include "app/DivePlannerDlg.h"
#include "framework/MenuBuilder.h"
#include "resources/resource.h"
#include "views/Viewer.h"
#include "views/core/DiveTables.h"
#include "views/core/GasTables.h"

namespace app {

void CDivePlannerDlg::BindTableCommands() {
  const std::pair<int, std::function<void()>> commands[] = {
      {ID_VIEW_DIVE_TABLE, [this] { ShowDiveTables(GetActiveTab()); }},
      {ID_VIEW_ALL_DIVE_TABLES, [this] { ShowDiveTables(-1); }},
      {ID_VIEW_GAS_TABLE, [this] { ShowGasTables(GetActiveTab()); }},
      {ID_VIEW_ALL_GAS_TABLES, [this] { ShowGasTables(-1); }}};
  for (const auto& [command, handler] : commands) BindCommand(command, handler);
}

bool CDivePlannerDlg::BuildDiveTableHtml(int index) {
  const views::TableSettings settings = views::TableSettings::FromProgram();
  return views::BuildDiveTableHtml(views::ReadPlanTableFacts(planGroup_, settings.units), index, settings,
                                   diveTables_);
}

void CDivePlannerDlg::BuildGasUsageTableHtml(int index) {
  const views::TableSettings settings = views::TableSettings::FromProgram();
  views::BuildGasUsageTableHtml(views::ReadPlanTableFacts(planGroup_, settings.units), index, settings, gasTables_);
}

void CDivePlannerDlg::CalculateForTables(int index) {
  if (index < 0) planGroup_.CaluclateDivePlans(true, 0, false);
  else planGroup_.CaluclateDivePlans(false, index, false);
}

// Only a document built now is shown: an earlier one may be of other dives, or of their results
// before they changed.
void CDivePlannerDlg::ShowDiveTables(int index) {
  CalculateForTables(index);
  if (BuildDiveTableHtml(index)) ShowInViewer(diveTables_.GetHtml());
}

// The gas document is always built anew, so it is always shown: without a dive that breathed
// open-circuit gas it says so by holding no table.
void CDivePlannerDlg::ShowGasTables(int index) {
  CalculateForTables(index);
  BuildGasUsageTableHtml(index);
  ShowInViewer(gasTables_.GetHtml());
}

void CDivePlannerDlg::ShowInViewer(const std::string& html) {
  views::CViewer viewer(nullptr);
  viewer.SetHtmlText(html);
  viewer.ShowModal();
}

}  // namespace app
