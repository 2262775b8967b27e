#pragma once
// The About box: the program's icon, name and version, the maker's addresses, and links to its
// e-mail and web site whose targets the installation puts in the profile's "Addresses".
#include "framework/TemplateWindows.h"

namespace app {

class CAboutDlg : public framework::TemplateDialog {
 public:
  explicit CAboutDlg(wxWindow* parent = nullptr);

  // Where the installation keeps the links' targets.
  static constexpr const char* kAddressesKey = "Software\\Velmar\\VelmarTessaline\\Addresses";

 protected:
  wxWindow* CreateControl(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                          const wxSize& size) override;
  bool OnInitDialog() override;
};

}  // namespace app
