#include "controls/HelpDlg.h"

#include "controls/ContextHelpMode.h"
#include "controls/HelpKeys.h"
#include "controls/HelpPopup.h"
#include "framework/Help.h"

namespace controls {

bool HandleHelpKey(const wxKeyEvent& event, wxWindow* window, const std::function<int()>& topic) {
  if (event.GetKeyCode() != WXK_F1) return false;
  if (event.ShiftDown()) {
    EnterContextHelpMode(*window);
    return true;
  }
  const int id = topic();
  if (id != 0) framework::ShowHelpTopic(framework::kDialogHelpContextBase + id);
  return true;
}

wxPoint HelpRequestPoint(const wxHelpEvent& event) {
  return event.GetPosition() != wxDefaultPosition ? event.GetPosition() : wxGetMousePosition();
}

CHelpDlg::CHelpDlg(int templateId, wxWindow* parent) : TemplateDialog(templateId, parent) {
  Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
    if (!HandleHelpKey(event, this, [this] { return HelpTopic(); })) event.Skip();
  });
  Bind(wxEVT_HELP, [](wxHelpEvent& event) {
    ShowHelpPopup(dynamic_cast<wxWindow*>(event.GetEventObject()), HelpRequestPoint(event), event.GetId());
  });
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
    if (HelpTopic() != 0) framework::ShowHelpTopic(framework::kDialogHelpContextBase + HelpTopic());
  }, framework::kIdHelp);
}

}  // namespace controls
