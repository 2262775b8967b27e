#include "views/Notes.h"

#include "framework/DataExchange.h"
#include "resources/resource.h"
#include "views/ShadedButtons.h"

namespace views {

CNotes::CNotes(wxWindow* parent) : TemplateDialog(IDD_NOTES, parent) {}

wxWindow* CNotes::CreateControl(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                                const wxSize& size) {
  return MakeShadedButton(parent, control, position, size);
}

bool CNotes::OnInitDialog() {
  StyleShadedButton(*this, framework::kIdOk, IDI_OK, 0);
  StyleShadedButton(*this, framework::kIdCancel, IDI_CANCEL, 0);
  return TemplateDialog::OnInitDialog();
}

void CNotes::DoDataExchange(bool save) { framework::ExchangeText(this, save, IDC_NOTES_TEXT, m_notes); }

}  // namespace views
