#include <functional>

#include <wx/toplevel.h>

#include "app/DivePlannerDlg.h"
#include "app/TabDivePlan.h"
#include "engine/AppSettings.h"
#include "engine/DivePlan.h"
#include "engine/PrivateMessages.h"
#include "framework/Messages.h"
#include "resources/resource.h"
#include "views/XYLineGraph.h"
#include "views/core/ProfileGraphFeed.h"

namespace app {

void CTabDivePlan::CreateGraph() {
  wxWindow* area = FindWindow(IDC_GRAPH_FRAME);
  if (graph_ != nullptr || area == nullptr) return;
  auto* graph = new views::CXYLineGraph;
  if (!graph->Create(this, IDC_PROFILE_GRAPH, area->GetPosition(), area->GetSize())) {
    delete graph;
    return;
  }
  graph_ = graph;
  Anchors().AddAnchor(graph_, controls::anchor::kTopLeft, controls::anchor::kBottomRight);
  views::SetUpProfileGraph(*graph_, units_, AppSettings().general.chartGridEnable.raw.Get() != 0);
}

CDivePlannerDlg* CTabDivePlan::MainWindowOfPage() const {
  return dynamic_cast<CDivePlannerDlg*>(wxGetTopLevelParent(const_cast<CTabDivePlan*>(this)));
}

void CTabDivePlan::FeedGraph() {
  if (graph_ == nullptr) return;
  const CDivePlannerDlg* main = MainWindowOfPage();
  views::FeedProfileGraph(*graph_, dive_, main != nullptr && main->IsCalculationPending(), units_);
}

void CTabDivePlan::UpdateGraphLabels() {
  if (graph_ == nullptr) return;
  views::SetProfileGraphLabels(*graph_, units_, dive_ != nullptr);
  graph_->Draw();
}

void CTabDivePlan::BindGraphMessages() {
  auto bind = [this](unsigned message, std::function<void(std::intptr_t wParam, std::intptr_t lParam)> handler) {
    framework::BindMessage(*this, message, [this, handler = std::move(handler)](std::intptr_t wParam, std::intptr_t lParam) {
      if (IsActive()) handler(wParam, lParam);
      return std::intptr_t{0};
    });
  };
  bind(WMU_GRAPH_CURSOR_MOVED, [this](std::intptr_t cursorSec, std::intptr_t) {
    // One profile step per second: the step under the cursor is its time.
    if (CDivePlannerDlg* main = MainWindowOfPage()) main->UpdateDetails(static_cast<int>(cursorSec), index_);
  });
  // The calculations these start end, like every other, in the main window's refresh of the page.
  // The settings of the plan about to be shown come to the front first, so that what the diver
  // edits next, and a question the bailout asks, belong to that plan.
  auto showSettings = [this](int page) {
    if (settingsSheet_) settingsSheet_->ShowPage(page);
  };
  bind(WMU_GRAPH_BAILOUT, [this, showSettings](std::intptr_t cursorSec, std::intptr_t atSegmentEnd) {
    showSettings(DiveSettingsSheet::kBailoutSettingsPage);
    dive_->BailoutFromCursor(static_cast<int>(cursorSec), atSegmentEnd == 1);
  });
  bind(WMU_GRAPH_RETURN_TO_DIVE, [this, showSettings](std::intptr_t, std::intptr_t) {
    showSettings(DiveSettingsSheet::kDiveSettingsPage);
    dive_->ClearBailout();
  });
  bind(WMU_GRAPH_CLEAR_BAILOUT, [this, showSettings](std::intptr_t, std::intptr_t) {
    showSettings(DiveSettingsSheet::kDiveSettingsPage);
    dive_->EndBailout();
  });
}

}  // namespace app
