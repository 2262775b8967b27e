#include "app/DivePlannerApp.h"

#include <cstdio>
#include <filesystem>

#include "app/LiabilityRichEdit.h"
#include "app/SplashWnd.h"
#include "engine/SettingsFaultReport.h"
#include "engine/support/DebugLog.h"
#include "engine/support/VersionInfo.h"
#include "framework/MenuBuilder.h"
#include "framework/Toolkit.h"
#include "platform/ResourceModule.h"
#include "platform/UserFolders.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"

namespace app {
namespace {

std::string ProductVersion() {
  CVersionInfo version;
  version.LoadOwnModule();
  return version.GetProductVersion();
}

int ModifiersOf(const wxAcceleratorEntry& entry) {
  int modifiers = wxMOD_NONE;
  if (entry.GetFlags() & wxACCEL_CTRL) modifiers |= wxMOD_CONTROL;
  if (entry.GetFlags() & wxACCEL_SHIFT) modifiers |= wxMOD_SHIFT;
  if (entry.GetFlags() & wxACCEL_ALT) modifiers |= wxMOD_ALT;
  return modifiers;
}

}  // namespace

CDivePlannerApp::CDivePlannerApp(CommandLine commandLine) : commandLine_(std::move(commandLine)) {
  // The name of the desktop entry's StartupWMClass.
  framework::NameProgram(*this, "VelmarTessaline");
}

bool CDivePlannerApp::OnInit() {
  framework::PrepareToolkit();
  userInterface_ = std::make_unique<framework::WxUserInterface>();
  // Always the program's own table, whatever language is chosen later.
  ProgramResources();
  if (const std::vector<platform::Accelerator>* table = platform::ProgramResourceModule()->Accelerators(IDR_ACCELERATORS)) {
    accelerators_ = framework::AcceleratorEntries(*table);
  }
  // The profile (placements, recent files) lives under Software\Velmar\VelmarTessaline.
  CDebugLog& log = TheDebugLog();
  log.Open("Velmar\\Velmar Tessaline", "Velmar_Tessaline");  // the program goes on without a log
  log.SetTimeStamps(true);
  log.SetEnabled(true);
  log.Log("Velmar Tessaline Startup");
  static CSettingsFaultReport settingsFaults;  // one for the run: its user is told once
  InstallSettingsFaultReport(&settingsFaults);

  if (!AgreedToDisclaimer()) return true;  // OnRun ends the program at once
  agreed_ = true;
  CSplashWnd::SetEnabled(commandLine_.showSplash);
  recentFiles_.ReadList();
  const std::string productVersion = ProductVersion();
  log.Log("Program Version %s", CVersionInfo::DottedVersion(productVersion).c_str());

  auto* window = new CDivePlannerDlg(productVersion, recentFiles_);
  mainWindow_ = window;
  userInterface_->FollowMainWindow(*window);
  window->SetAutoOpen(commandLine_.planFile);
  window->OnInitDialog();
  if (window->GetHandle() == nullptr) {
    delete window;
    std::fputs("VelmarTessaline: the main window could not be made\n", stderr);
    return false;
  }
  window->Show();
  return true;
}

bool CDivePlannerApp::AgreedToDisclaimer() {
  CLiabilityRichEdit disclaimer(nullptr);
  return disclaimer.ShowModal() == framework::kIdOk;
}

int CDivePlannerApp::OnRun() {
  if (!agreed_) return 0;
  const int status = wxApp::OnRun();
  TheDebugLog().Log("Velmar Tessaline Shutdown");
  return status;
}

int CDivePlannerApp::OnExit() {
  userInterface_.reset();
  return wxApp::OnExit();
}

int CDivePlannerApp::FilterEvent(wxEvent& event) {
  if (CSplashWnd::FilterInput(event)) return Event_Processed;
  if (event.GetEventType() == wxEVT_CHAR_HOOK && TranslateAccelerator(static_cast<wxKeyEvent&>(event))) {
    return Event_Processed;
  }
  return Event_Skip;
}

bool CDivePlannerApp::TranslateAccelerator(const wxKeyEvent& event) {
  CDivePlannerDlg* window = mainWindow_.get();
  auto* source = dynamic_cast<wxWindow*>(event.GetEventObject());
  if (window == nullptr || source == nullptr || wxGetTopLevelParent(source) != window) return false;
  for (const wxAcceleratorEntry& entry : accelerators_) {
    if (entry.GetKeyCode() != event.GetKeyCode() || ModifiersOf(entry) != event.GetModifiers()) continue;
    if (window->IsCommandEnabled(framework::ResourceCommandId(entry.GetCommand()))) {
      wxCommandEvent command(wxEVT_MENU, entry.GetCommand());
      command.SetEventObject(window);
      window->ProcessWindowEvent(command);
    }
    return true;
  }
  return false;
}

int RunVelmarTessaline(int argc, char** argv) {
  const std::string program = argc > 0 ? std::filesystem::path(argv[0]).filename().string() : "VelmarTessaline";
  CommandLine line = ParseCommandLine(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
  switch (line.action) {
    case CommandLine::Action::ShowHelp:
      std::fputs(UsageText(program).c_str(), stdout);
      return 0;
    case CommandLine::Action::ShowVersion: {
      ProgramResources();
      CVersionInfo version;
      version.LoadOwnModule();
      std::fputs(VersionText(program, CVersionInfo::DottedVersion(version.GetProductVersion()),
                             version.GetValue("LegalCopyright")).c_str(), stdout);
      return 0;
    }
    case CommandLine::Action::Fail:
      std::fputs(UsageErrorText(program, line.error).c_str(), stderr);
      return kUsageExitStatus;
    case CommandLine::Action::Run: break;
  }
  platform::AnchorUserFolders();  // before the toolkit and the browser engine read them
  wxApp::SetInstance(new CDivePlannerApp(std::move(line)));
  return wxEntry(argc, argv);
}

}  // namespace app
