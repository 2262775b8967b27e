#pragma once
// Runs the real program in the test's process, through the same entry its main uses, while a
// script of steps acts on its windows: each step waits until it is ready, then acts. Message
// boxes and file dialogs (drawn by the toolkit itself) are answered from a queue and recorded;
// the program's own dialogs are shown for real. A program can run once per process.
#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include <wx/modalhook.h>
#include <wx/toplevel.h>

#include "tests/gui/GuiTestSupport.h"

namespace app {
class CDivePlannerDlg;
}

class ProgramRun : public wxModalDialogHook {
 public:
  using Condition = std::function<bool()>;
  using Action = std::function<void()>;

  ProgramRun();
  ~ProgramRun() override;

  // The steps run in order; a step whose condition is not met within the time-out fails the test.
  ProgramRun& Then(std::string what, Condition ready, Action act);
  // The answer of the next message box or file dialog (wxID_YES, wxID_CANCEL, ...).
  ProgramRun& Answer(int code);
  // The next message box or file dialog is shown on the screen, for the steps to answer.
  ProgramRun& ShowForReal();
  // The next file dialog is closed with OK on this file.
  ProgramRun& AnswerFile(const std::string& path);

  // Runs the program with these arguments and returns its exit status. Each step must be ready
  // within the time-out of the step before it acting (the first, of the start), so that a slow
  // start on a loaded machine leaves the later steps their time; the end must come within the
  // time-out of the last step.
  int Run(const std::vector<std::string>& arguments,
          std::chrono::milliseconds timeOut = std::chrono::seconds(40));

  // Whether a dialog of this class is inside its ShowModal. Its window is gone from the screen a
  // little before ShowModal returns to the command that showed it.
  template <typename Dialog>
  static bool InShowModal() {
    if (current_ == nullptr) return false;
    for (wxDialog* dialog : current_->running_) {
      if (dynamic_cast<Dialog*>(dialog) != nullptr) return true;
    }
    return false;
  }

  // The texts of the message boxes and the titles of the file dialogs shown, in order.
  const std::vector<std::string>& NativeDialogs() const { return nativeDialogs_; }
  // Their window styles (buttons, icon and default button of a message box), in the same order.
  const std::vector<long>& NativeDialogStyles() const { return nativeDialogStyles_; }

 protected:
  int Enter(wxDialog* dialog) override;
  void Exit(wxDialog* dialog) override;

 private:
  // Notes a dialog that is let show itself, until its Exit.
  int Shown(wxDialog* dialog);
  class Ticker;
  void Tick();
  void Abandon(const std::string& why);

  struct Step {
    std::string what;
    Condition ready;
    Action act;
  };
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  struct Reply {
    int code;
    std::string path;  // for a file dialog closed with OK
  };
  std::vector<Reply> answers_;
  std::size_t nextAnswer_ = 0;
  wxDialog* shownForReal_ = nullptr;  // the dialog on the screen for the steps to answer
  std::vector<wxDialog*> running_;    // the dialogs inside their ShowModal, innermost last
  static ProgramRun* current_;
  std::vector<std::string> nativeDialogs_;
  std::chrono::milliseconds timeOut_{};
  std::vector<long> nativeDialogStyles_;
  std::chrono::steady_clock::time_point deadline_;
  Ticker* ticker_ = nullptr;
  bool abandoned_ = false;
  bool inStep_ = false;
};

// The shown top-level window of this class, or nullptr.
template <typename Window>
Window* FindShown() {
  for (wxWindow* window : wxTopLevelWindows) {
    auto* found = dynamic_cast<Window*>(window);
    if (found != nullptr && found->IsShown() && !found->IsBeingDeleted()) return found;
  }
  return nullptr;
}
// Whether a top-level window of this class exists, shown or not, until it is destroyed.
template <typename Window>
bool AnyWindowIs() {
  for (wxWindow* window : wxTopLevelWindows) {
    if (dynamic_cast<Window*>(window) != nullptr) return true;
  }
  return false;
}
app::CDivePlannerDlg* MainWindow();
// Whether the toolkit shows the main window.
bool MainWindowOnScreen();

// A step condition met once no dialog of this class is on the screen or in its ShowModal: the
// command that showed it has done what it does with the answer.
template <typename Dialog>
bool DialogEnded() {
  return FindShown<Dialog>() == nullptr && !ProgramRun::InShowModal<Dialog>();
}

// Adds the step that waits for the disclaimer and clicks its I Agree button.
ProgramRun& AgreeToTheDisclaimer(ProgramRun& run);

// Lets pending events and idle handling run.
void Pump();
// A step condition met once this long has passed since it was first asked: only for a check
// that something does not happen. Step conditions never let events run themselves (no Settle):
// the toolkit does not draw the screen again after a dialog was run that way. To wait until a
// window is on the screen and drawn, use Drawn() of the window test helpers.
ProgramRun::Condition Waited(std::chrono::milliseconds time);
// Presses a key as the user does, on the window that has the focus.
void PressKey(int keyCode, int modifiers = 0);
// Clicks the middle of a window, or a point in its client area, with the left mouse button.
void ClickOn(wxWindow* window);
void ClickOn(wxWindow* window, const wxPoint& point);

// A command of the resources as the toolkit numbers it.
int Command(int resourceId);
// Runs a command of the main window as its menu item does.
void RunCommand(int resourceId);
// Runs it once the current step has ended: for commands that show one of the program's own
// dialogs, which the next step then finds on the screen.
void RunCommandLater(int resourceId);
// Whether the main window's toolbar offers the command now.
bool ToolEnabled(int resourceId);
// Saves what the window looks like on the screen as build/<name>.png.
void SaveScreenshot(wxWindow& window, const std::string& name);

// Saves a plan of one dive, 30 m on air for 20 minutes, in the file.
void WriteOneDivePlan(const std::filesystem::path& path);

// The lines of the day's diagnostic log under this data folder, without their time stamps;
// empty when there is no log.
// The processes of the browser engine whose names begin so, children of this process and
// running. The names are cut to 15 characters.
std::set<pid_t> EngineProcesses(const std::string& namePrefix);
// Runs program, which runs the program and gives its exit status, in a process of its own, so
// that it ends as on the desktop; what it leaves running is handed to this process. Expects the
// exit status 0 and the browser engine's processes ended soon after.
void RunInAProcessOfItsOwn(const std::function<int()>& program);

std::vector<std::string> DiagnosticLogLines(const std::filesystem::path& dataFolder);
bool Contains(const std::vector<std::string>& lines, const std::string& line);
