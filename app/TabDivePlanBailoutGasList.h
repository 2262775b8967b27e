#pragma once
// "Bailout Gas List", the third page of a dive page's settings sheet, present while the dive's
// bailout uses the gas list: the gases the bailout may switch to. After each change of the list
// by the user its owner is told, and reads the list text from the page.
#include "app/BailoutGasListEditor.h"
#include "app/SettingsPage.h"

namespace app {

class CTabDivePlanBailoutGasList : public SettingsPage {
 public:
  CTabDivePlanBailoutGasList();

  void RefreshTexts() override;
  BailoutGasListEditor& Editor() { return editor_; }

 protected:
  wxWindow* CreateControl(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                          const wxSize& size) override;
  bool OnInitDialog() override;

 private:
  BailoutGasListEditor editor_;
};

}  // namespace app
