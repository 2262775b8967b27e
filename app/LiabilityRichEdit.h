#pragma once
// The disclaimer shown before the planner can be used: "I Agree" ends it with the OK result,
// "Exit" (the default button), Escape and the close box with Cancel.
#include "controls/ResizableDialog.h"

namespace app {

class CLiabilityRichEdit : public controls::CResizableDialog {
 public:
  explicit CLiabilityRichEdit(wxWindow* parent);

  // The disclaimer as the reader sees it: the runs one after the other.
  static wxString FullText();

 protected:
  wxWindow* CreateControl(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                          const wxSize& size) override;
  bool OnInitDialog() override;

 private:
  void FillText();
};

}  // namespace app
