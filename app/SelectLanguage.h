#pragma once
// The Select Language dialog: English and the language of every library of the program, in
// the order given, with the current language selected. OK with no row selected (possible when
// the current language's library was removed since it was loaded) changes nothing, as Cancel.
#include <string>
#include <vector>

#include "app/core/LanguageLibraries.h"
#include "framework/TemplateWindows.h"

namespace app {

class CSelectLanguage : public framework::TemplateDialog {
 public:
  CSelectLanguage(std::vector<LanguageId> languages, std::vector<std::string> names, LanguageId current,
                  wxWindow* parent = nullptr);

  // The chosen language, read after the dialog returned OK.
  LanguageId m_selectedLanguage;

 protected:
  wxWindow* CreateControl(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                          const wxSize& size) override;
  bool OnInitDialog() override;

 private:
  void OnOK();

  std::vector<LanguageId> languages_;
  std::vector<std::string> names_;
};

}  // namespace app
