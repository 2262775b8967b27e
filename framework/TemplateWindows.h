#pragma once
// Dialogs and child panels (property pages) made from the dialog templates of the resources.
// The window and its controls are made by Create (ShowModal and Show call it), after which
// OnInitDialog runs; DoDataExchange moves values between members and controls. The buttons
// with ids 1 (OK) and 2 (Cancel) end a modal dialog with that id, OK after saving the data.
#include <wx/dialog.h>
#include <wx/panel.h>

#include "framework/TemplateBuilder.h"

namespace framework {

constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdHelp = 9;

class TemplateDialog : public wxDialog {
 public:
  TemplateDialog(int templateId, wxWindow* parent);

  // False when the template is missing (the dialog then shows nothing; ShowModal gives -1).
  bool Create();
  int ShowModal() override;
  bool Show(bool show = true) override;

  int TemplateId() const { return templateId_; }
  // Moves data between members and controls; false when the members refused the values.
  bool UpdateData(bool save);
  // The title and the captions of the controls again from the template of the current resources
  // (after a change of language).
  void ReloadTemplateTexts();

 protected:
  // Return a window to replace the standard control for a template control, or nullptr.
  virtual wxWindow* CreateControl(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                                  const wxSize& size);
  virtual bool OnInitDialog();
  virtual void DoDataExchange(bool /*save*/) {}
  // Extra window styles for the dialog frame.
  virtual long FrameStyle(const platform::DialogTemplate& dialog) const;

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

 private:
  void OnCharHook(wxKeyEvent& event);
  void Cancel();

  int templateId_;
  wxWindow* parent_;
  bool created_ = false;
  wxWindow* defaultButton_ = nullptr;
};

class TemplatePanel : public wxPanel {
 public:
  TemplatePanel(int templateId, int captionId = 0);

  // Makes the panel as a child of parent; false when the template is missing.
  bool Create(wxWindow* parent);
  int TemplateId() const { return templateId_; }
  // The page caption: the string captionId, else the template's caption.
  const wxString& Caption() const { return caption_; }
  bool UpdateData(bool save);
  // The page caption and the captions of the controls again from the current resources (after a
  // change of language), but for the labels that show values (see ApplyTemplateCaptions).
  void ReloadTemplateTexts(const std::vector<int>& readouts = {});

 protected:
  virtual wxWindow* CreateControl(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                                  const wxSize& size);
  virtual bool OnInitDialog();
  virtual void DoDataExchange(bool /*save*/) {}

 private:
  void SetCaption(const platform::DialogTemplate& dialog);

  int templateId_;
  int captionId_;
  wxString caption_;
};

}  // namespace framework
