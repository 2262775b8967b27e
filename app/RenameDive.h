#pragma once
// The Rename Dive dialog: edits one dive's name. OK refuses a name that a plan file cannot keep
// ("~" or control characters) and keeps the dialog open for it to be changed.
#include <string>

#include <wx/gdicmn.h>

#include "framework/TemplateWindows.h"

namespace app {

class CRenameDive : public framework::TemplateDialog {
 public:
  explicit CRenameDive(wxWindow* parent = nullptr);

  // Set before the dialog runs; the name is read after OK.
  std::string m_name;
  // Where the dialog's top-left corner goes, on the screen.
  wxPoint m_position;

 protected:
  wxWindow* CreateControl(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                          const wxSize& size) override;
  bool OnInitDialog() override;
  void DoDataExchange(bool save) override;
  bool TransferDataFromWindow() override;
};

}  // namespace app
