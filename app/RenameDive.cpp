#include "app/RenameDive.h"

#include "app/DialogButtons.h"
#include "views/ShadedButtons.h"
#include "app/core/DiveName.h"
#include "framework/DataExchange.h"
#include "platform/UserInterface.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"

namespace app {

CRenameDive::CRenameDive(wxWindow* parent) : TemplateDialog(IDD_RENAME_DIVE, parent) {}

wxWindow* CRenameDive::CreateControl(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                                     const wxSize& size) {
  return views::MakeShadedButton(parent, control, position, size);
}

bool CRenameDive::OnInitDialog() {
  TemplateDialog::OnInitDialog();
  Move(m_position);
  StyleOkCancelButtons(*this);
  return true;
}

void CRenameDive::DoDataExchange(bool save) { framework::ExchangeText(this, save, IDC_RENAME_NAME, m_name); }

bool CRenameDive::TransferDataFromWindow() {
  std::string typed;
  framework::ExchangeText(this, true, IDC_RENAME_NAME, typed);
  if (!IsAcceptableDiveName(typed)) {
    platform::AskUser(ResourceString(IDS_MSG_DIVE_NAME_REFUSED), platform::mb::kOk | platform::mb::kIconExclamation);
    if (wxWindow* edit = FindWindow(IDC_RENAME_NAME)) edit->SetFocus();
    return false;
  }
  m_name = typed;
  return true;
}

}  // namespace app
