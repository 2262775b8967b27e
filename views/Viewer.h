#pragma once
// The table viewer: a modal, resizable dialog that shows a complete table document in the
// browser and lets the user save it as an HTML file, print it, preview its print and add notes
// to every table. The caller fills the HTML text before running it; the notes live only in that
// text (and in a file saved from it).
#include <string>

#include "controls/ResizableDialog.h"

namespace views {

class CBrowser;
class CBrowserHostNotify;

class CViewer : public controls::CResizableDialog {
 public:
  explicit CViewer(wxWindow* parent);

  void SetHtmlText(std::string html) { html_ = std::move(html); }
  const std::string& GetHtmlText() const { return html_; }
  CBrowser* Browser() const { return browser_; }

  // Runs the viewer; the control that had the keyboard focus before has it again afterwards.
  int ShowModal() override;

  // Saves the document in a file the user chooses; a file that cannot be written is reported.
  void OnSave();
  void OnEditNotes();
  void OnPrint();
  void OnPreview();

 protected:
  wxWindow* CreateControl(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                          const wxSize& size) override;
  bool OnInitDialog() override;

 private:
  void ShowDocument();
  // Keeps the document in the viewer: a link of it opens in the desktop's browser.
  void OnBrowserNotify(CBrowserHostNotify& event);

  CBrowser* browser_ = nullptr;
  std::string html_;
};

}  // namespace views
