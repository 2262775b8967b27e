#include "controls/TabSheet.h"

#include "controls/HelpKeys.h"
#include "controls/HelpPopup.h"
#include "engine/PrivateMessages.h"
#include "framework/Messages.h"
#include "framework/NativeControls.h"
#include "framework/TemplateWindows.h"

namespace controls {

// Marks the changes made while it lives as made by code.
class TabSheet::ByCode {
 public:
  explicit ByCode(TabSheet& sheet) : sheet_(sheet) { ++sheet_.activeByCode_; }
  ~ByCode() { --sheet_.activeByCode_; }
  ByCode(const ByCode&) = delete;
  ByCode& operator=(const ByCode&) = delete;

 private:
  TabSheet& sheet_;
};

TabSheet::TabSheet(wxWindow* parent, int firstPage)
    : wxNotebook(parent, wxID_ANY), firstPage_(firstPage > 0 ? static_cast<std::size_t>(firstPage) : 0) {
  Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, [this](wxBookCtrlEvent& event) {
    if (event.GetEventObject() == this && activeByCode_ == 0) OnUserPageChange();
    event.Skip();
  });
  Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
    auto topic = [this] {
      auto* page = dynamic_cast<framework::TemplatePanel*>(GetCurrentPage());
      return page != nullptr ? page->TemplateId() : 0;
    };
    if (!HandleHelpKey(event, this, topic)) event.Skip();
  });
  Bind(wxEVT_HELP, [](wxHelpEvent& event) {
    ShowHelpPopup(dynamic_cast<wxWindow*>(event.GetEventObject()), HelpRequestPoint(event), event.GetId());
  });
}

void TabSheet::SetActivePage(std::size_t index) {
  ByCode guard(*this);
  framework::ShowPageKeepingFocus(*this, index);
}

bool TabSheet::InsertPage(std::size_t index, wxWindow* page, const wxString& text, bool select, int imageId) {
  ByCode guard(*this);
  if (!wxNotebook::InsertPage(index, page, text, select, imageId)) return false;
  if (index == firstPage_) framework::ShowPageKeepingFocus(*this, index);
  return true;
}

bool TabSheet::DeletePage(std::size_t index) {
  ByCode guard(*this);
  return wxNotebook::DeletePage(index);
}

bool TabSheet::RemovePage(std::size_t index) {
  ByCode guard(*this);
  return wxNotebook::RemovePage(index);
}

int TabSheet::SetSelection(std::size_t index) {
  ByCode guard(*this);
  return wxNotebook::SetSelection(index);
}

CHelpPrpSheet::CHelpPrpSheet(const wxString& caption, wxWindow* parent, int firstPage)
    : TabSheet(parent, firstPage), caption_(caption) {}

void CHelpPrpSheet::OnUserPageChange() { framework::PostMessage(GetParent(), WMU_SETTINGS_PAGE_CHANGED); }

CResizableSheet::CResizableSheet(const wxString& caption, wxWindow* parent, int firstPage)
    : TabSheet(parent, firstPage), caption_(caption) {
  Bind(wxEVT_RIGHT_DOWN, [this](wxMouseEvent& event) {
    if (HitTest(event.GetPosition()) != wxNOT_FOUND) framework::PostToMainWindow(WMU_DIVE_TAB_RIGHT_CLICK);
    event.Skip();
  });
  Bind(wxEVT_CHAR_HOOK, [](wxKeyEvent& event) {
    // Enter moves to the next control instead of pressing a button of the window around.
    if ((event.GetKeyCode() == WXK_RETURN || event.GetKeyCode() == WXK_NUMPAD_ENTER) && !event.HasAnyModifiers()) {
      if (wxWindow* focus = FindFocus()) focus->Navigate();
      return;
    }
    event.Skip();
  });
}

bool CResizableSheet::InsertPage(std::size_t index, wxWindow* page, const wxString& text, bool select, int imageId) {
  const bool inserted = TabSheet::InsertPage(index, page, text, select, imageId);
  if (inserted) UpdateSizeLimits();
  return inserted;
}

void CResizableSheet::UpdateSizeLimits() {
  wxSize minimum(-1, -1);
  wxSize maximum(-1, -1);
  for (std::size_t i = 0; i < GetPageCount(); ++i) {
    const wxSize pageMin = GetPage(i)->GetMinSize();
    const wxSize pageMax = GetPage(i)->GetMaxSize();
    // A limit a page leaves unset is not used; the larger minimum and the smaller maximum win.
    if (pageMin.x > 0) minimum.x = std::max(minimum.x, pageMin.x);
    if (pageMin.y > 0) minimum.y = std::max(minimum.y, pageMin.y);
    if (pageMax.x > 0) maximum.x = maximum.x > 0 ? std::min(maximum.x, pageMax.x) : pageMax.x;
    if (pageMax.y > 0) maximum.y = maximum.y > 0 ? std::min(maximum.y, pageMax.y) : pageMax.y;
  }
  const wxSize around = CalcSizeFromPage(wxSize(0, 0));
  SetMinSize(wxSize(minimum.x > 0 ? minimum.x + around.x : -1, minimum.y > 0 ? minimum.y + around.y : -1));
  SetMaxSize(wxSize(maximum.x > 0 ? maximum.x + around.x : -1, maximum.y > 0 ? maximum.y + around.y : -1));
}

void CResizableSheet::OnUserPageChange() { framework::PostToMainWindow(WMU_DIVE_TAB_SELECTED); }

}  // namespace controls
