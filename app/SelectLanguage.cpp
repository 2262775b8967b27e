#include "app/SelectLanguage.h"

#include <wx/listbox.h>

#include "app/DialogButtons.h"
#include "resources/resource.h"
#include "views/ShadedButtons.h"

namespace app {

CSelectLanguage::CSelectLanguage(std::vector<LanguageId> languages, std::vector<std::string> names, LanguageId current,
                                 wxWindow* parent)
    : TemplateDialog(IDD_SELECT_LANGUAGE, parent),
      m_selectedLanguage(current),
      languages_(std::move(languages)),
      names_(std::move(names)) {}

wxWindow* CSelectLanguage::CreateControl(wxWindow* parent, const platform::DialogControl& control,
                                         const wxPoint& position, const wxSize& size) {
  return views::MakeShadedButton(parent, control, position, size);
}

bool CSelectLanguage::OnInitDialog() {
  StyleOkCancelButtons(*this);
  auto* list = dynamic_cast<wxListBox*>(FindWindow(IDC_LANGUAGE_LIST));
  if (list != nullptr) {
    for (const std::string& name : names_) list->Append(wxString::FromUTF8(name));
    // Of several rows of the current language, the last is selected.
    for (std::size_t row = 0; row < languages_.size() && row < names_.size(); ++row) {
      if (languages_[row] == m_selectedLanguage) list->SetSelection(static_cast<int>(row));
    }
  }
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOK(); }, framework::kIdOk);
  return TemplateDialog::OnInitDialog();
}

void CSelectLanguage::OnOK() {
  auto* list = dynamic_cast<wxListBox*>(FindWindow(IDC_LANGUAGE_LIST));
  const int row = list != nullptr ? list->GetSelection() : wxNOT_FOUND;
  if (row == wxNOT_FOUND || static_cast<std::size_t>(row) >= languages_.size()) {
    EndDialog(framework::kIdCancel);
    return;
  }
  m_selectedLanguage = languages_[static_cast<std::size_t>(row)];
  EndDialog(framework::kIdOk);
}

}  // namespace app
