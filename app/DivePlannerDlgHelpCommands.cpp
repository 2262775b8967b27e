#include "app/AboutDlg.h"
#include "app/DivePlannerDlg.h"
#include "app/HelpBook.h"
#include "controls/ContextHelpMode.h"
#include "controls/HelpKeys.h"
#include "controls/HelpPopup.h"
#include "framework/Help.h"
#include "resources/resource.h"

namespace app {

void CDivePlannerDlg::BindHelpCommands() {
  helpBook_ = std::make_unique<CHelpBook>(CHelpBook::ProgramBook());
  framework::SetHelpTopicHandler([this](int context) { ShowHelpContext(context); });
  BindCommand(ID_HELP_CONTENTS, [this] { OnHelpContents(); });
  BindCommand(ID_HELP_WHATS_THIS, [this] { controls::EnterContextHelpMode(*this); });
  BindCommand(ID_HELP_ABOUT, [this] {
    CAboutDlg about(this);
    about.ShowModal();
  });
  // A control picked in What's This mode shows its one-line help.
  Bind(wxEVT_HELP, [](wxHelpEvent& event) {
    controls::ShowHelpPopup(dynamic_cast<wxWindow*>(event.GetEventObject()), controls::HelpRequestPoint(event),
                            event.GetId());
  });
}

void CDivePlannerDlg::OnHelpContents() { helpBook_->ShowContents(); }

void CDivePlannerDlg::ShowHelpContext(int context) { helpBook_->ShowContext(context); }

}  // namespace app
