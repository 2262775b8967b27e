#pragma once
// The application: prepares the process, shows the disclaimer and then runs the main window
// until it closes. Declining the disclaimer ends the program quietly (exit status 0).
#include <memory>
#include <vector>

#include <wx/accel.h>
#include <wx/app.h>
#include <wx/weakref.h>

#include "app/DivePlannerDlg.h"
#include "app/core/CommandLine.h"
#include "app/core/RecentFileList.h"
#include "framework/WxUserInterface.h"

namespace app {

class CDivePlannerApp : public wxApp {
 public:
  static constexpr std::size_t kRecentFileCount = kRecentFileEntries;

  explicit CDivePlannerApp(CommandLine commandLine);

  bool OnInit() override;
  int OnRun() override;
  int OnExit() override;
  // The splash first, then the accelerators of the main window, before any window sees the event.
  int FilterEvent(wxEvent& event) override;

  // The main window while it runs, else nullptr.
  CDivePlannerDlg* MainWindow() const { return mainWindow_.get(); }

 private:
  bool AgreedToDisclaimer();
  // Runs the accelerator's command when the key was pressed in the main window; true when the
  // key is one of its accelerators (it is then consumed, even when the command is disabled).
  bool TranslateAccelerator(const wxKeyEvent& event);

  CommandLine commandLine_;
  std::vector<wxAcceleratorEntry> accelerators_;
  CRecentFileList recentFiles_{kRecentFileCount};
  bool agreed_ = false;
  std::unique_ptr<framework::WxUserInterface> userInterface_;
  wxWeakRef<CDivePlannerDlg> mainWindow_;
};

// The whole program: reads the command line, answers --help and --version, and runs the
// application; the result is the program's exit status.
int RunVelmarTessaline(int argc, char** argv);

}  // namespace app
