#pragma once
// The small dialog in which the notes of a table document are typed, one or more lines.
#include <string>

#include "framework/TemplateWindows.h"

namespace views {

class CNotes : public framework::TemplateDialog {
 public:
  explicit CNotes(wxWindow* parent);

  // Lines ended by "\n".
  std::string m_notes;

 protected:
  wxWindow* CreateControl(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                          const wxSize& size) override;
  bool OnInitDialog() override;
  void DoDataExchange(bool save) override;
};

}  // namespace views
