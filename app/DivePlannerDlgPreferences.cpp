#include "app/DivePlannerDlg.h"
#include "app/Preferences.h"
#include "app/TabDivePlan.h"
#include "app/core/PreferenceValues.h"
#include "engine/AppSettings.h"
#include "framework/TemplateWindows.h"
#include "views/XYLineGraph.h"

namespace app {

void CDivePlannerDlg::OnPreferences() {
  const PreferenceValues stored = ReadPreferenceValues(AppSettings());
  CPreferences dialog(stored, this);
  if (dialog.ShowModal() != framework::kIdOk) return;
  const PreferenceValues& chosen = dialog.Chosen();
  WriteChangedPreferences(stored, chosen, AppSettings());
  // The defaults act on plans and dives made from now on; these three act on the open plan too.
  ApplyDisplayPreferences(chosen[PreferenceChoice::kChartGrid] != 0,
                          chosen.Units() != stored.Units() ? std::optional(chosen.Units()) : std::nullopt);
  planGroup_.m_autoRecalc = chosen[PreferenceChoice::kAutoRecalc] != 0;
  planGroup_.CaluclateDivePlans(true, 0, true);
  RedrawDetails();
}

void CDivePlannerDlg::ApplyDisplayPreferences(bool chartGrid, std::optional<UnitSystem> newUnits) {
  for (int k = 0; k < GetTabCount(); ++k) {
    const CTabDivePlan* page = DivePage(k);
    if (page == nullptr || page->Graph() == nullptr) continue;
    page->Graph()->SetShowGrid(chartGrid);
    page->Graph()->Draw();
  }
  if (newUnits) SetTabDepthUnits(*newUnits);
}

}  // namespace app
