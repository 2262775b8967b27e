#pragma once
// Dialogs with help: F1 opens the dialog's help topic, Shift+F1 context-help mode, and a help
// request on a control shows the control's one-line help.
#include "framework/TemplateWindows.h"

namespace controls {

class CHelpDlg : public framework::TemplateDialog {
 public:
  CHelpDlg(int templateId, wxWindow* parent);

 protected:
  // The dialog's help topic (its template id).
  virtual int HelpTopic() const { return TemplateId(); }
};

}  // namespace controls
