#include "app/TabDivePlanBailoutGasList.h"

#include "engine/PrivateMessages.h"
#include "resources/resource.h"
#include "views/ShadedButtons.h"

namespace app {

CTabDivePlanBailoutGasList::CTabDivePlanBailoutGasList()
    : SettingsPage(IDD_BAILOUT_GAS_LIST, {}),
      editor_(*this, {IDC_GL_GAS, IDC_GL_LIST, IDC_GL_ADD, IDC_GL_DELETE, IDC_GL_LOAD, IDC_GL_SAVE},
              [this] { PostToOwner(WMU_BAILSET_GAS_LIST_CHANGED); }) {}

wxWindow* CTabDivePlanBailoutGasList::CreateControl(wxWindow* parent, const platform::DialogControl& control,
                                                    const wxPoint& position, const wxSize& size) {
  if (wxWindow* button = views::MakeShadedButton(parent, control, position, size)) return button;
  return SettingsPage::CreateControl(parent, control, position, size);
}

bool CTabDivePlanBailoutGasList::OnInitDialog() {
  SettingsPage::OnInitDialog();
  editor_.Bind(IDS_TIP_GAS_LIST_ADD, IDS_TIP_GAS_LIST_DELETE, IDS_TIP_GAS_LIST_LOAD_FIRST, IDS_TIP_GAS_LIST_SAVE_FIRST);
  return true;
}

void CTabDivePlanBailoutGasList::RefreshTexts() {
  SettingsPage::RefreshTexts();
  SetLabel(IDC_GL_ADD, IDS_GAS_LIST_ADD);
  SetLabel(IDC_GL_DELETE, IDS_GAS_LIST_DELETE);
  SetLabel(IDC_GL_LOAD, IDS_GAS_LIST_LOAD);
  SetLabel(IDC_GL_SAVE, IDS_GAS_LIST_SAVE);
  editor_.SetTooltips(IDS_TIP_GAS_LIST_ADD, IDS_TIP_GAS_LIST_DELETE, IDS_TIP_GAS_LIST_LOAD, IDS_TIP_GAS_LIST_SAVE);
}

}  // namespace app
