// Preloaded (LD_PRELOAD) into the installed program by check-installed-program.sh, so that the
// program runs exactly as installed: nothing of its own code is linked in here, and its windows
// are found by what they show. As a user would, the driver agrees to the disclaimer, opens
// Tools -> Select Language and Help -> Help Contents and closes the main window; it writes what
// it saw, one "what: value" line each, to the file named by VT_DRIVER_REPORT. Message boxes are
// answered (No to a question, else OK) and reported. A step that does not come within the
// time-out ends the program with status 3.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <wx/bookctrl.h>
#include <wx/control.h>
#include <wx/dialog.h>
#include <wx/filedlg.h>
#include <wx/frame.h>
#include <wx/html/helpfrm.h>
#include <wx/html/helpwnd.h>
#include <wx/html/htmlwin.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/popupwin.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include "tests/gui/ScreenState.h"

namespace {

constexpr int kTickMs = 20;
constexpr auto kStepTimeOut = std::chrono::seconds(40);
constexpr int kTimedOutStatus = 3;

class Report {
 public:
  Report() {
    const char* path = std::getenv("VT_DRIVER_REPORT");
    file_ = path != nullptr ? std::fopen(path, "w") : nullptr;
  }
  ~Report() {
    if (file_ != nullptr) std::fclose(file_);
  }
  void Line(const std::string& what, const wxString& value) {
    if (file_ == nullptr) return;
    std::fprintf(file_, "%s: %s\n", what.c_str(), value.utf8_string().c_str());
    std::fflush(file_);
  }

 private:
  std::FILE* file_;
};

Report& TheReport() {
  static Report report;
  return report;
}

template <typename Window>
Window* FindShown(const std::function<bool(Window&)>& matches = [](Window&) { return true; }) {
  for (wxWindow* window : wxTopLevelWindows) {
    auto* found = dynamic_cast<Window*>(window);
    if (found != nullptr && found->IsShownOnScreen() && !found->IsBeingDeleted() && matches(*found)) return found;
  }
  return nullptr;
}

template <typename Control>
Control* FindChild(wxWindow& parent,
                   const std::function<bool(Control&)>& matches = [](Control&) { return true; }) {
  for (wxWindow* child : parent.GetChildren()) {
    if (auto* control = dynamic_cast<Control*>(child); control != nullptr && matches(*control)) return control;
    if (Control* found = FindChild(*child, matches)) return found;
  }
  return nullptr;
}

// A button, of the toolkit's or drawn by the program.
wxControl* ButtonLabelled(wxWindow& parent, const wxString& label) {
  return FindChild<wxControl>(parent, [&](wxControl& button) { return button.GetLabelText() == label; });
}

wxDialog* ModalDialogWith(const wxString& buttonLabel) {
  return FindShown<wxDialog>([&](wxDialog& dialog) { return dialog.IsModal() && ButtonLabelled(dialog, buttonLabel); });
}

wxFrame* MainWindow() {
  return FindShown<wxFrame>([](wxFrame& frame) { return frame.GetMenuBar() != nullptr; });
}

// The main window once its splash picture has gone: the splash takes the first click for itself.
bool MainWindowReady() {
  wxFrame* frame = MainWindow();
  return frame != nullptr &&
         FindChild<wxPopupWindow>(*frame, [](wxPopupWindow& popup) { return popup.IsShown(); }) == nullptr;
}

wxDialog* LanguageDialog() {
  return FindShown<wxDialog>([](wxDialog& dialog) {
    return dialog.IsModal() && FindChild<wxListBox>(dialog) != nullptr;
  });
}

void Click(wxWindow& window) {
  const wxSize size = window.GetClientSize();
  wxUIActionSimulator mouse;
  mouse.MouseMove(window.ClientToScreen(wxPoint(size.x / 2, size.y / 2)));
  mouse.MouseClick();
}

// Runs the menu command once the current step has ended: it may show a modal dialog.
void ChooseMenuItemLater(const wxString& menu, const wxString& item) {
  wxFrame* frame = MainWindow();
  const int id = frame->GetMenuBar()->FindMenuItem(menu, item);
  TheReport().Line("menu item " + menu.utf8_string() + " -> " + item.utf8_string(),
                   id == wxNOT_FOUND ? "missing" : "found");
  if (id == wxNOT_FOUND) return;
  frame->CallAfter([frame, id] {
    wxCommandEvent command(wxEVT_MENU, id);
    command.SetEventObject(frame);
    frame->ProcessWindowEvent(command);
  });
}

void ReportMainWindow(wxFrame& frame) {
  TheReport().Line("title", frame.GetTitle());
  wxBookCtrlBase* tabs = FindChild<wxBookCtrlBase>(frame);
  for (std::size_t page = 0; tabs != nullptr && page < tabs->GetPageCount(); ++page) {
    TheReport().Line("tab", tabs->GetPageText(page));
  }
}

void ReportLanguages(wxDialog& dialog) {
  TheReport().Line("language dialog", dialog.GetTitle());
  wxListBox* list = FindChild<wxListBox>(dialog);
  for (unsigned row = 0; list != nullptr && row < list->GetCount(); ++row) {
    TheReport().Line("language", list->GetString(row));
  }
}

void ReportHelp(wxHtmlHelpFrame& help) {
  TheReport().Line("help", help.GetTitle());
  const wxString page = help.GetHelpWindow()->GetHtmlWindow()->GetOpenedPage();
  TheReport().Line("help page", page.AfterLast(':').AfterLast('/'));
}

class Driver : public wxModalDialogHook {
 public:
  Driver() {
    // A step that clicks waits until its window is drawn, and so on the screen where the click
    // lands.
    Then("the disclaimer", Drawn([] { return ModalDialogWith("I Agree"); }),
         [] { Click(*ButtonLabelled(*ModalDialogWith("I Agree"), "I Agree")); });
    Then("the main window", MainWindowReady, [] {
      ReportMainWindow(*MainWindow());
      ChooseMenuItemLater("Tools", "Select Language");
    });
    Then("the Select Language dialog", Drawn(LanguageDialog), [] {
      wxDialog* dialog = LanguageDialog();
      ReportLanguages(*dialog);
      Click(*ButtonLabelled(*dialog, "Cancel"));
    });
    // Gone from the screen a little before its ShowModal returns to the command.
    Then("the Select Language dialog closed", [this] { return LanguageDialog() == nullptr && running_ == 0; },
         [] { ChooseMenuItemLater("Help", "Help Contents"); });
    Then("the help book", Drawn([] { return FindShown<wxHtmlHelpFrame>(); }), [] {
      ReportHelp(*FindShown<wxHtmlHelpFrame>());
      FindShown<wxHtmlHelpFrame>()->Close();
    });
    Then("the help book closed", [] { return FindShown<wxHtmlHelpFrame>() == nullptr; },
         [] { MainWindow()->Close(); });
    Register();
  }

 protected:
  int Enter(wxDialog* dialog) override {
    if (ticker_ == nullptr) StartTicking();  // the first dialog, the disclaimer: the toolkit runs now
    if (auto* message = dynamic_cast<wxMessageDialogBase*>(dialog)) {
      TheReport().Line("message", message->GetMessage());
      return (message->GetMessageDialogStyle() & wxYES_NO) != 0 ? wxID_NO : wxID_OK;
    }
    if (auto* file = dynamic_cast<wxFileDialogBase*>(dialog)) {
      TheReport().Line("file dialog", file->GetMessage());
      return wxID_CANCEL;
    }
    ++running_;
    return wxID_NONE;  // the program's own dialogs are shown
  }
  void Exit(wxDialog*) override { --running_; }

 private:
  struct Step {
    std::string what;
    std::function<bool()> ready;
    std::function<void()> act;
  };

  void Then(std::string what, std::function<bool()> ready, std::function<void()> act) {
    steps_.push_back({std::move(what), std::move(ready), std::move(act)});
  }

  void StartTicking() {
    deadline_ = std::chrono::steady_clock::now() + kStepTimeOut;
    ticker_ = new wxTimer();
    ticker_->Bind(wxEVT_TIMER, [this](wxTimerEvent&) { Tick(); });
    ticker_->Start(kTickMs);
  }

  void Tick() {
    if (next_ >= steps_.size()) return;
    const auto now = std::chrono::steady_clock::now();
    if (now > deadline_) {
      TheReport().Line("timed out waiting for", steps_[next_].what);
      std::_Exit(kTimedOutStatus);
    }
    if (!steps_[next_].ready()) return;
    steps_[next_++].act();
    if (next_ == steps_.size()) ticker_->Stop();
    deadline_ = std::chrono::steady_clock::now() + kStepTimeOut;
  }

  std::vector<Step> steps_;
  std::size_t next_ = 0;
  wxTimer* ticker_ = nullptr;  // kept to the end: the toolkit is gone before this object
  std::chrono::steady_clock::time_point deadline_;
  int running_ = 0;  // the program's own dialogs inside their ShowModal
};

Driver driver;

}  // namespace
