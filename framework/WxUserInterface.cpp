#include "framework/WxUserInterface.h"

#include <wx/app.h>
#include <wx/msgdlg.h>
#include <wx/generic/msgdlgg.h>
#include <wx/utils.h>

#include "framework/Messages.h"

namespace framework {
namespace {

// The program's message box. One that asks Yes or No without a Cancel button must be answered:
// neither its frame's close box nor Escape gives an answer the user did not choose. Any other
// box closes as its Cancel button, or as OK when it has none.
class MessageBox : public wxGenericMessageDialog {
 public:
  MessageBox(wxWindow* parent, const wxString& text, const wxString& caption, long style)
      : wxGenericMessageDialog(parent, text, caption, style) {
    if ((style & wxYES_NO) != wxYES_NO || (style & wxCANCEL) != 0) return;
    SetEscapeId(wxID_NONE);
    Bind(wxEVT_CLOSE_WINDOW, [](wxCloseEvent& event) {
      if (event.CanVeto()) event.Veto();
    });
  }
};

// Destroy() has been called on the window, or it is being deleted.
bool IsGoing(wxWindow& window) { return window.IsBeingDeleted() || wxTheApp->IsScheduledForDestruction(&window); }

}  // namespace

WxUserInterface::WxUserInterface() { platform::InstallUserInterface(this); }

WxUserInterface::~WxUserInterface() {
  while (waitDepth_ > 0) EndWaitCursor();
  platform::InstallUserInterface(nullptr);
}

void WxUserInterface::FollowMainWindow(wxWindow& window) {
  followsMainWindow_ = true;
  mainWindow_ = &window;
}

long MessageBoxStyle(unsigned flags) {
  namespace mb = platform::mb;
  long style = 0;
  const unsigned buttons = flags & mb::kButtonMask;
  switch (buttons) {
    case mb::kOkCancel: style = wxOK | wxCANCEL; break;
    case mb::kYesNo: style = wxYES_NO; break;
    case mb::kYesNoCancel: style = wxYES_NO | wxCANCEL; break;
    default: style = wxOK; break;
  }
  switch (flags & mb::kIconMask) {
    case mb::kIconError: style |= wxICON_ERROR; break;
    case mb::kIconQuestion: style |= wxICON_QUESTION; break;
    case mb::kIconExclamation: style |= wxICON_WARNING; break;
    case mb::kIconInformation: style |= wxICON_INFORMATION; break;
    default: break;
  }
  const int defaultAnswer = platform::DefaultAnswer(flags);
  if (defaultAnswer == platform::answer::kNo) style |= wxNO_DEFAULT;
  if (defaultAnswer == platform::answer::kCancel) style |= wxCANCEL_DEFAULT;
  return style;
}

int MessageBoxAnswer(int wxResult, unsigned flags) {
  const unsigned buttons = flags & platform::mb::kButtonMask;
  switch (wxResult) {
    case wxID_OK: return platform::answer::kOk;
    case wxID_YES: return platform::answer::kYes;
    case wxID_NO: return platform::answer::kNo;
    case wxID_CANCEL:
      // A box without a Cancel button closed by its frame or by Escape (only an OK box can be)
      // counts as its default answer.
      if (buttons == platform::mb::kOkCancel || buttons == platform::mb::kYesNoCancel) return platform::answer::kCancel;
      return platform::DefaultAnswer(flags);
    default: return platform::DefaultAnswer(flags);
  }
}

int WxUserInterface::Ask(const std::string& caption, const std::string& text, unsigned flags) {
  if (followsMainWindow_ && (!mainWindow_ || IsGoing(*mainWindow_))) return platform::DefaultAnswer(flags);
  MessageBox box(wxGetActiveWindow() != nullptr ? wxGetActiveWindow() : MainWindow(), wxString::FromUTF8(text),
                 wxString::FromUTF8(caption), MessageBoxStyle(flags));
  return MessageBoxAnswer(box.ShowModal(), flags);
}

void WxUserInterface::Post(unsigned message, std::intptr_t wParam, std::intptr_t lParam) {
  PostToMainWindow(message, wParam, lParam);
}

void WxUserInterface::BeginWaitCursor() {
  ++waitDepth_;
  wxBeginBusyCursor();
}

void WxUserInterface::EndWaitCursor() {
  if (waitDepth_ == 0) return;
  --waitDepth_;
  wxEndBusyCursor();
}

}  // namespace framework
