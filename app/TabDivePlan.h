#pragma once
// The page of one dive on the main window's dive-tab sheet. It knows its dive and its index;
// the editing, the profile graph and the settings sheet of the page come with the dive page.
#include <wx/panel.h>

class CDivePlan;

namespace app {

class CTabDivePlan : public wxPanel {
 public:
  // Makes the page as a child of the sheet; false when the window cannot be made.
  bool Create(wxWindow* sheet);

  void SetDivePlan(CDivePlan* dive) { dive_ = dive; }
  CDivePlan* GetDivePlan() const { return dive_; }
  void SetPlanIndex(int index) { index_ = index; }
  int GetPlanIndex() const { return index_; }

 private:
  CDivePlan* dive_ = nullptr;
  int index_ = -1;
};

}  // namespace app
