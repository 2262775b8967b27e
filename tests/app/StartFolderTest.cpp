// The real program started in an empty folder with a relative or empty home, or with relative
// XDG folders: a table viewer and the help book are opened and the program ends. Nothing in the
// process, not the toolkit and not the browser engine, writes below the folder it started in;
// what they keep goes below the home taken instead.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <string>

#include <wx/html/helpfrm.h>

#include "app/DivePlannerDlg.h"
#include "platform/Registry.h"
#include "resources/resource.h"
#include "tests/app/ProgramRun.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/PasswordHome.h"
#include "tests/support/TempFolders.h"
#include "views/Viewer.h"

namespace {

struct StartCase {
  const char* name;
  const char* home;  // nullptr: the home the password database gives
  bool relativeXdgFolders;
};

void PrintTo(const StartCase& start, std::ostream* out) { *out << start.name; }

class StartFolder : public testing::TestWithParam<StartCase> {};

views::CViewer* Viewer() { return FindShown<views::CViewer>(); }

std::string EntriesOf(const std::filesystem::path& folder) {
  std::string entries;
  std::error_code error;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, error)) {
    entries += entry.path().lexically_relative(folder).string() + "\n";
  }
  return entries;
}

// Runs the program as started in startFolder with the variables of the case and the home of the
// password database; the exit status of the program, or 1 when a step failed.
int RunFromFolder(const StartCase& start, const std::filesystem::path& startFolder, const std::filesystem::path& home) {
  const ScopedPasswordHome databaseHome(home);
  ::setenv("HOME", start.home != nullptr ? start.home : home.c_str(), 1);
  for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
    if (start.relativeXdgFolders) {
      ::setenv(variable, variable, 1);
    } else {
      ::unsetenv(variable);
    }
  }
  platform::UseRegistryFile(platform::DefaultRegistryFile());  // as a process starting afresh
  const std::filesystem::path plan = std::filesystem::path(VT_FUZZ_CORPUS_DIR) / "plan_file" / "three-dives-crlf.ccp";
  std::filesystem::current_path(startFolder);

  ProgramRun run;
  AgreeToTheDisclaimer(run)
      .Then("the plan's three dives", [] { return MainWindowOnScreen() && MainWindow()->GetTabCount() == 3; },
            [] { RunCommandLater(ID_VIEW_DIVE_TABLE); })
      .Then("the viewer drawn", Drawn([] { return Viewer(); }),
            [] { ClickOn(Viewer()->FindWindow(IDC_VIEWER_EXIT)); })
      .Then("the viewer closed", DialogEnded<views::CViewer>, [] { RunCommand(ID_HELP_CONTENTS); })
      .Then("the help book drawn", Drawn([] { return FindShown<wxHtmlHelpFrame>(); }),
            [] { FindShown<wxHtmlHelpFrame>()->Close(); })
      .Then("the help book closed", [] { return FindShown<wxHtmlHelpFrame>() == nullptr; },
            [] { MainWindow()->Close(); });
  const int status = run.Run({"--no-splash", plan.string()});
  return ::testing::Test::HasFailure() ? 1 : status;
}

}  // namespace

// The program runs in a process of its own, so that the browser engine ends with it as on the
// desktop before the folders are looked at.
TEST_P(StartFolder, NothingIsWrittenBelowTheFolderTheProgramStartedIn) {
  TempFolders folders;
  const std::filesystem::path home = folders.Root() / "home";
  const std::filesystem::path startFolder = folders.Root() / "start";
  std::filesystem::create_directories(home);
  std::filesystem::create_directories(startFolder);
  RunInAProcessOfItsOwn([&] { return RunFromFolder(GetParam(), startFolder, home); });

  EXPECT_EQ(EntriesOf(startFolder), "");
  // The settings, the log and the browser engine's cache went below the home taken.
  EXPECT_TRUE(std::filesystem::is_regular_file(home / ".config/Velmar/registry.reg")) << EntriesOf(home);
  EXPECT_TRUE(std::filesystem::is_directory(home / ".local/share/Velmar/Velmar Tessaline")) << EntriesOf(home);
  EXPECT_TRUE(std::filesystem::is_directory(home / ".cache/VelmarTessaline")) << EntriesOf(home);
}

INSTANTIATE_TEST_SUITE_P(Homes, StartFolder,
                         testing::Values(StartCase{"RelativeHome", "rel", false}, StartCase{"EmptyHome", "", false},
                                         StartCase{"HomeWithDots", "./x/../y", false},
                                         StartCase{"RelativeXdgFolders", nullptr, true}),
                         [](const testing::TestParamInfo<StartCase>& info) { return std::string(info.param.name); });
