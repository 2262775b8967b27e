#include "app/DivePlannerDlg.h"
#include "app/SelectLanguage.h"
#include "framework/MenuBuilder.h"
#include "resources/resource.h"

namespace app {

void CDivePlannerDlg::BindLanguageCommands() {
  BindCommand(ID_TOOLS_SELECT_LANGUAGE, [this] { OnSelectLanguage(); });
}

void CDivePlannerDlg::OnSelectLanguage() {
  std::vector<LanguageId> languages;
  std::vector<std::string> names;
  for (const LanguageLibrary& offered : language_.Offered()) {
    languages.push_back(offered.language);
    names.push_back(offered.name);
  }
  CSelectLanguage dialog(std::move(languages), std::move(names), language_.Current(), this);
  if (dialog.ShowModal() != framework::kIdOk || dialog.m_selectedLanguage == language_.Current()) return;
  // A language that cannot be loaded leaves the current one; the texts are rebuilt either way.
  language_.SetLanguage(dialog.m_selectedLanguage);
  ReloadMenu();
  RefreshTabTexts();
}

void CDivePlannerDlg::ReloadMenu() {
  wxMenuBar* old = GetMenuBar();
  recentFilePlaceholder_.clear();  // the place holder's text of the new language
  CreateMenu();
  delete old;
}

void CDivePlannerDlg::RefreshTabTexts() {
  for (int k = 0; k < GetTabCount(); ++k) {
    if (CTabDivePlan* page = pages_[static_cast<std::size_t>(k)]) page->RefreshTexts();
  }
  if (toolBar_ != nullptr) framework::RefreshToolTips(*toolBar_);
  if (details_) details_->RefreshTexts();
}

}  // namespace app
