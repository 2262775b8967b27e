#pragma once
// Tab sheets: a notebook of pages that tells a user's tab change apart from one made by code
// (adding, removing or selecting pages from code sends no notice), offers F1 (the active page's
// topic), Shift+F1 and control help pop-ups. CHelpPrpSheet tells its parent about each user
// tab change; CResizableSheet tells the main window and also about right clicks on the tabs.
#include <wx/notebook.h>

namespace controls {

class TabSheet : public wxNotebook {
 public:
  // firstPage is selected (by code) when it is added.
  TabSheet(wxWindow* parent, int firstPage);

  // Selects a page without counting as a user's change. The keyboard focus stays where it is,
  // unless it was on the page that goes out of sight.
  void SetActivePage(std::size_t index);

  bool InsertPage(std::size_t index, wxWindow* page, const wxString& text, bool select = false,
                  int imageId = NO_IMAGE) override;
  bool DeletePage(std::size_t index) override;
  bool RemovePage(std::size_t index) override;
  int SetSelection(std::size_t index) override;

 protected:
  virtual void OnUserPageChange() = 0;

 private:
  class ByCode;
  int activeByCode_ = 0;
  std::size_t firstPage_;
};

class CHelpPrpSheet : public TabSheet {
 public:
  CHelpPrpSheet(const wxString& caption, wxWindow* parent, int firstPage = 0);
  const wxString& Caption() const { return caption_; }

 protected:
  void OnUserPageChange() override;

 private:
  wxString caption_;
};

class CResizableSheet : public TabSheet {
 public:
  CResizableSheet(const wxString& caption, wxWindow* parent, int firstPage = 0);

  bool InsertPage(std::size_t index, wxWindow* page, const wxString& text, bool select = false,
                  int imageId = NO_IMAGE) override;
  // Takes the pages' minimum and maximum sizes into the sheet's own.
  void UpdateSizeLimits();

 protected:
  void OnUserPageChange() override;

 private:
  wxString caption_;
};

}  // namespace controls
