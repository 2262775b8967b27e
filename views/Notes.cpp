#include "views/Notes.h"

#include "controls/ImageButton.h"
#include "framework/DataExchange.h"
#include "resources/resource.h"

namespace views {

CNotes::CNotes(wxWindow* parent) : TemplateDialog(IDD_NOTES, parent) {}

wxWindow* CNotes::CreateControl(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                                const wxSize& size) {
  if (control.id != framework::kIdOk && control.id != framework::kIdCancel) return nullptr;
  return new controls::CShadedButton(parent, control.id, framework::TemplateText(control.text), position, size);
}

bool CNotes::OnInitDialog() {
  controls::SetUpDialogButton(*this, framework::kIdOk, IDI_OK);
  controls::SetUpDialogButton(*this, framework::kIdCancel, IDI_CANCEL);
  return TemplateDialog::OnInitDialog();
}

void CNotes::DoDataExchange(bool save) { framework::ExchangeText(this, save, IDC_NOTES_TEXT, m_notes); }

}  // namespace views
