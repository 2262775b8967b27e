#include "tests/app/ProgramRun.h"

#include <gtest/gtest.h>

#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <thread>

#include <wx/app.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include <gtk/gtk.h>

#include "app/DivePlannerApp.h"
#include "app/LiabilityRichEdit.h"
#include "engine/PlanGroup.h"
#include "framework/MenuBuilder.h"
#include "framework/TemplateWindows.h"
#include "tests/gui/GuiTestSupport.h"

namespace {

constexpr int kTickMs = 20;
bool ranOnce = false;

}  // namespace

class ProgramRun::Ticker : public wxEvtHandler {
 public:
  explicit Ticker(ProgramRun& run) : run_(run), timer_(this) {
    Bind(wxEVT_TIMER, [this](wxTimerEvent&) { run_.Tick(); });
    timer_.Start(kTickMs);
  }

 private:
  ProgramRun& run_;
  wxTimer timer_;
};

ProgramRun* ProgramRun::current_ = nullptr;

ProgramRun::ProgramRun() {
  Register();
  current_ = this;
}

ProgramRun::~ProgramRun() {
  current_ = nullptr;
  delete ticker_;
}

ProgramRun& ProgramRun::Then(std::string what, Condition ready, Action act) {
  steps_.push_back({std::move(what), std::move(ready), std::move(act)});
  return *this;
}

ProgramRun& ProgramRun::Answer(int code) {
  answers_.push_back({code, {}});
  return *this;
}

ProgramRun& ProgramRun::ShowForReal() {
  answers_.push_back({wxID_NONE, {}});  // the toolkit's code for "show the dialog"
  return *this;
}

ProgramRun& ProgramRun::AnswerFile(const std::string& path) {
  answers_.push_back({wxID_OK, path});
  return *this;
}

int ProgramRun::Run(const std::vector<std::string>& arguments, std::chrono::milliseconds timeOut) {
  if (ranOnce) {
    ADD_FAILURE() << "the program can run only once in a process: run the tests one by one (ctest does)";
    return -1;
  }
  ranOnce = true;
  std::vector<std::string> words{"VelmarTessaline"};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  timeOut_ = timeOut;
  deadline_ = std::chrono::steady_clock::now() + timeOut;
  FailTestsOnToolkitAsserts();
  const int status = app::RunVelmarTessaline(static_cast<int>(words.size()), argv.data());
  if (!abandoned_ && next_ < steps_.size()) ADD_FAILURE() << "the program ended before the step: " << steps_[next_].what;
  EXPECT_EQ(nextAnswer_, answers_.size()) << "not every prepared answer was asked for";
  return status;
}

int ProgramRun::Enter(wxDialog* dialog) {
  if (ticker_ == nullptr) ticker_ = new Ticker(*this);  // the first dialog: the toolkit runs now
  // A message box of the program's own asks again from its base class once it is to be shown.
  if (dialog == shownForReal_) return Shown(dialog);
  auto* message = dynamic_cast<wxMessageDialogBase*>(dialog);
  auto* file = dynamic_cast<wxFileDialogBase*>(dialog);
  if (message != nullptr) {
    nativeDialogs_.push_back(message->GetMessage().utf8_string());
    nativeDialogStyles_.push_back(message->GetMessageDialogStyle());
  } else if (file != nullptr) {
    nativeDialogs_.push_back(file->GetMessage().utf8_string());  // the dialog's title
    nativeDialogStyles_.push_back(dialog->GetWindowStyle());
  } else {
    return Shown(dialog);  // the program's own dialogs are shown
  }
  if (nextAnswer_ >= answers_.size()) {
    ADD_FAILURE() << "no answer prepared for: " << nativeDialogs_.back();
    return wxID_CANCEL;
  }
  const Reply& reply = answers_[nextAnswer_++];
  if (file != nullptr && !reply.path.empty()) file->SetPath(wxString::FromUTF8(reply.path));
  if (reply.code != wxID_NONE) return reply.code;
  shownForReal_ = dialog;
  return Shown(dialog);
}

int ProgramRun::Shown(wxDialog* dialog) {
  running_.push_back(dialog);
  return wxID_NONE;
}

void ProgramRun::Exit(wxDialog* dialog) {
  if (dialog == shownForReal_) shownForReal_ = nullptr;
  const auto last = std::find(running_.rbegin(), running_.rend(), dialog);
  if (last != running_.rend()) running_.erase(std::next(last).base());
}

void ProgramRun::Tick() {
  if (abandoned_ || inStep_) return;  // a step may let events run; the next waits for it to end
  if (std::chrono::steady_clock::now() > deadline_) {
    Abandon(next_ < steps_.size() ? "timed out waiting for: " + steps_[next_].what : "the program did not end");
    return;
  }
  if (next_ >= steps_.size() || !steps_[next_].ready()) return;
  inStep_ = true;
  steps_[next_++].act();
  inStep_ = false;
  deadline_ = std::chrono::steady_clock::now() + timeOut_;
}

void ProgramRun::Abandon(const std::string& why) {
  abandoned_ = true;
  ADD_FAILURE() << why;
  // Ends the program: every modal dialog is cancelled and every window closed for good.
  for (wxWindow* window : wxTopLevelWindows) {
    if (auto* dialog = dynamic_cast<wxDialog*>(window); dialog != nullptr && dialog->IsModal()) {
      dialog->EndModal(wxID_CANCEL);
    } else {
      window->Destroy();
    }
  }
}

app::CDivePlannerDlg* MainWindow() { return FindShown<app::CDivePlannerDlg>(); }

bool MainWindowOnScreen() { return MainWindow() != nullptr && OnScreen(*MainWindow()); }

ProgramRun& AgreeToTheDisclaimer(ProgramRun& run) {
  return run.Then("the disclaimer", Drawn([] { return FindShown<app::CLiabilityRichEdit>(); }),
                  [] { ClickOn(FindShown<app::CLiabilityRichEdit>()->FindWindow(framework::kIdOk)); });
}

int Command(int resourceId) { return framework::ToolkitCommandId(resourceId); }

void RunCommand(int resourceId) {
  wxCommandEvent event(wxEVT_MENU, Command(resourceId));
  MainWindow()->ProcessWindowEvent(event);
}

void RunCommandLater(int resourceId) {
  MainWindow()->CallAfter([resourceId] { RunCommand(resourceId); });
}

bool ToolEnabled(int resourceId) {
  MainWindow()->UpdateWindowUI(wxUPDATE_UI_RECURSE);
  return MainWindow()->ToolBar()->GetToolEnabled(Command(resourceId));
}

void WriteOneDivePlan(const std::filesystem::path& path) {
  CPlanGroup plan;
  ASSERT_EQ(plan.GetDivePlan(0)->AddUserPlanPoint(99, 120, 3000, false, 21, 0, 1.3, false), 0);
  ASSERT_EQ(plan.GetDivePlan(0)->AddUserPlanPoint(99, 1200, 3000, false, 21, 0, 1.3, false), 1);
  ASSERT_TRUE(plan.SavePlanGroup(path.string()));
}

void SaveScreenshot(wxWindow& window, const std::string& name) {
  // The window draws itself into the picture: what the X server shows of a window is not
  // always brought up to date after a dialog has closed over it.
  const wxSize size = window.GetSize();
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size.x, size.y);
  cairo_t* context = cairo_create(surface);
  gtk_widget_draw(static_cast<GtkWidget*>(window.GetHandle()), context);
  cairo_destroy(context);
  const std::string file = GUI_ARTEFACT_DIR "/" + name + ".png";
  EXPECT_EQ(cairo_surface_write_to_png(surface, file.c_str()), CAIRO_STATUS_SUCCESS) << name;
  cairo_surface_destroy(surface);
}

ProgramRun::Condition Waited(std::chrono::milliseconds time) {
  auto start = std::make_shared<std::chrono::steady_clock::time_point>();
  return [start, time] {
    const auto now = std::chrono::steady_clock::now();
    if (*start == std::chrono::steady_clock::time_point{}) *start = now;
    return now - *start >= time;
  };
}

void Pump() {
  wxTheApp->ProcessPendingEvents();
  wxTheApp->ProcessIdle();
}

void PressKey(int keyCode, int modifiers) {
  wxUIActionSimulator keys;
  keys.KeyDown(keyCode, modifiers);
  keys.KeyUp(keyCode, modifiers);
}

void ClickOn(wxWindow* window) {
  const wxSize size = window->GetClientSize();
  ClickOn(window, wxPoint(size.x / 2, size.y / 2));
}

void ClickOn(wxWindow* window, const wxPoint& point) {
  wxUIActionSimulator mouse;
  mouse.MouseMove(window->ClientToScreen(point));
  mouse.MouseClick();
}

std::vector<std::string> DiagnosticLogLines(const std::filesystem::path& dataFolder) {
  std::vector<std::string> lines;
  const std::filesystem::path folder = dataFolder / "Velmar" / "Velmar Tessaline";
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("Velmar_Tessaline_", 0) != 0 || entry.path().extension() != ".log") continue;
    std::ifstream in(entry.path());
    for (std::string line; std::getline(in, line);) {
      const auto stamp = line.find(" : ");
      lines.push_back(stamp == std::string::npos ? line : line.substr(stamp + 3));
    }
  }
  return lines;
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::set<pid_t> EngineProcesses(const std::string& namePrefix) {
  std::set<pid_t> found;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
    std::ifstream file(entry.path() / "stat");
    std::string stat;
    if (!std::getline(file, stat)) continue;
    // "pid (name) state parent ..."
    const std::size_t open = stat.find('(');
    const std::size_t close = stat.rfind(')');
    if (open == std::string::npos || close == std::string::npos) continue;
    std::istringstream rest(stat.substr(close + 1));
    char state = 0;
    pid_t parent = 0;
    if (rest >> state >> parent && state != 'Z' && parent == getpid() &&
        stat.compare(open + 1, namePrefix.size(), namePrefix) == 0) {
      found.insert(std::stoi(stat));
    }
  }
  return found;
}

namespace {

// Whether every process of the engine that this process took over ends within the time.
bool EngineProcessesEndWithin(std::chrono::milliseconds time) {
  const auto giveUp = std::chrono::steady_clock::now() + time;
  for (;;) {
    while (waitpid(-1, nullptr, WNOHANG) > 0) {
    }
    if (EngineProcesses("WebKit").empty()) return true;
    if (std::chrono::steady_clock::now() > giveUp) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

}  // namespace

void RunInAProcessOfItsOwn(const std::function<int()>& program) {
  ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const int status = program();
    std::fflush(stdout);
    _exit(status);
  }
  int status = -1;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status)) << "the program ended by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_TRUE(EngineProcessesEndWithin(std::chrono::seconds(10))) << EngineProcesses("WebKit").size() << " still run";
}
