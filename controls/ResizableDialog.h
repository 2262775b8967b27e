#pragma once
// Resizable dialogs: the frame and the size grip resize them, the children follow their anchors,
// the template size is the smallest size, and the placement can be saved under a name.
#include <memory>
#include <string>

#include "controls/AnchorLayout.h"
#include "controls/HelpDlg.h"
#include "controls/PlacementKeeper.h"
#include "controls/SizeGrip.h"

namespace controls {

class CResizableDialog : public CHelpDlg {
 public:
  CResizableDialog(int templateId, wxWindow* parent);
  ~CResizableDialog() override;

  // Remembers the name, restores the saved placement at once and saves it when the dialog goes.
  void EnableSaveRestore(const std::string& name, bool rectOnly = false);

  CAnchorLayout& Anchors() { return layout_; }
  CSizeGrip* Grip() const { return grip_; }
  const wxRect& NormalRect() const { return placement_.NormalRect(); }

  // Both open the window within the work area of its display, never larger.
  int ShowModal() override;
  bool Show(bool show = true) override;
  // Takes the placement while the window is still on the screen.
  void EndModal(int result) override;

 protected:
  long FrameStyle(const platform::DialogTemplate& dialog) const override;
  bool OnInitDialog() override;
  void AddAnchor(int childId, Anchor topLeft, Anchor bottomRight) { layout_.AddAnchor(childId, topLeft, bottomRight); }

 private:
  void OnSize(wxSizeEvent& event);
  // Once on the screen, where the toolkit knows the window manager's frame, the window is
  // fitted again with its frame.
  void FitOnWorkAreaNowAndOnScreen();

  CAnchorLayout layout_;
  CPlacementKeeper placement_;
  CSizeGrip* grip_ = nullptr;
  std::unique_ptr<framework::OnScreenWatch> fitOnScreen_;
};

}  // namespace controls
