// The help book of the real program: Help Contents opens it at its contents, F1 in a dialog at
// that dialog's page, and every page the program opens is in the book; the About box.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include <wx/html/helpctrl.h>
#include <wx/html/helpfrm.h>
#include <wx/html/htmlwin.h>

#include "app/AboutDlg.h"
#include "app/DivePlannerDlg.h"
#include "app/HelpBook.h"
#include "app/SortDivePlans.h"
#include "controls/HyperlinkLabel.h"
#include "framework/Help.h"
#include "framework/TemplateWindows.h"
#include "platform/Registry.h"
#include "platform/UserFolders.h"
#include "resources/resource.h"
#include "tests/app/ProgramRun.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/TempFolders.h"

namespace {

wxHtmlHelpWindow* HelpWindow() {
  wxHtmlHelpController* viewer = MainWindow()->HelpBook()->Viewer();
  return viewer != nullptr ? viewer->GetHelpWindow() : nullptr;
}

// The page the help viewer shows, without the book's own part of its address.
std::string OpenedPage() {
  const wxString page = HelpWindow()->GetHtmlWindow()->GetOpenedPage();
  return page.AfterLast(':').AfterLast('/').utf8_string();
}

bool ViewerExists() {
  for (wxWindow* window : wxTopLevelWindows) {
    if (dynamic_cast<wxHtmlHelpFrame*>(window) != nullptr) return true;
  }
  return false;
}

bool BookHasPage(const std::string& page) {
  const wxHtmlHelpDataItems& contents = HelpWindow()->GetData()->GetContentsArray();
  for (std::size_t i = 0; i < contents.size(); ++i) {
    if (contents[i].page == wxString::FromUTF8(page)) return true;
  }
  return false;
}

}  // namespace

TEST(HelpAndAbout, HelpContentsOpensTheBookF1InADialogItsPageAndTheAboutBoxShowsTheVersionAndTheInstalledLinks) {
  TempFolders folders;
  platform::Registry().WriteString(app::CAboutDlg::kAddressesKey, "Velmar email", "mailto:dives@oskerby.example");
  platform::Registry().WriteString(app::CAboutDlg::kAddressesKey, "Velmar Website", "https://www.oskerby.example/");
  ProgramRun run;
  app::CSortDivePlans* sort = nullptr;
  app::CAboutDlg* about = nullptr;
  AgreeToTheDisclaimer(run)
      .Then("the main window on the screen", [] { return MainWindow() != nullptr && MainWindow()->IsShownOnScreen(); },
            [] { RunCommand(ID_HELP_CONTENTS); })
      .Then("the help book at its contents", Drawn([]() -> wxWindow* {
              wxHtmlHelpFrame* book = FindShown<wxHtmlHelpFrame>();
              return book != nullptr && HelpWindow() != nullptr && OpenedPage() == "index.html" ? book : nullptr;
            }),
            [] {
        EXPECT_EQ(FindShown<wxHtmlHelpFrame>()->GetTitle(), "Velmar Tessaline");  // the title of the page shown
        for (int window : {IDD_DIVEPLANNER_DIALOG, IDD_LIABILITY, IDD_RENAME_DIVE, IDD_SORT_DIVE_PLANS,
                           IDD_PLAN_GROUP_SETTINGS, IDD_ABOUTBOX}) {
          const std::string page = app::CHelpBook::PageOfContext(framework::kDialogHelpContextBase + window);
          EXPECT_FALSE(page.empty()) << window;
          EXPECT_TRUE(BookHasPage(page)) << page;
        }
        SaveScreenshot(*FindShown<wxHtmlHelpFrame>(), "help-book");
        RunCommand(ID_DIVE_ADD);
        RunCommandLater(ID_DIVE_SORT);
      })
      .Then("the Sort Dive Plans dialog", Drawn([&] { return sort = FindShown<app::CSortDivePlans>(); }), [&] {
        sort->Raise();
        sort->FindWindow(IDC_SORT_LIST)->SetFocus();
        PressKey(WXK_F1);
      })
      .Then("the page of the dive commands", [] { return OpenedPage() == "dives.html"; }, [] {
        // Over a dialog the help is modal: it goes first.
        FindShown<wxHtmlHelpFrame>()->Close();
      })
      .Then("the help closed", Drawn([&]() -> wxWindow* { return FindShown<wxHtmlHelpFrame>() == nullptr ? sort : nullptr; }),
            [&] { ClickOn(sort->FindWindow(framework::kIdCancel)); })
      .Then("the dialog closed", DialogEnded<app::CSortDivePlans>, [] {
        MainWindow()->ShowHelpContext(framework::kDialogHelpContextBase + IDD_PLAN_GROUP_SETTINGS);
      })
      .Then("the page of the plan settings", [] { return OpenedPage() == "plan-settings.html"; }, [] {
        // A viewer made anew after the first was closed has the same size.
        EXPECT_EQ(FindShown<wxHtmlHelpFrame>()->GetSize(), wxSize(1020, 680));
        FindShown<wxHtmlHelpFrame>()->Close();
      })
      .Then("the help gone", [] { return !ViewerExists(); }, [] { RunCommandLater(ID_HELP_ABOUT); })
      .Then("the About box", Drawn([&] { return about = FindShown<app::CAboutDlg>(); }), [&] {
        EXPECT_EQ(about->GetTitle(), "About Velmar Tessaline");
        EXPECT_EQ(about->FindWindow(IDC_ABOUT_VERSION)->GetLabel(), "Velmar Tessaline 1.0.0.1");
        auto* mail = dynamic_cast<controls::CHyperlinkLabel*>(about->FindWindow(IDC_ABOUT_EMAIL));
        auto* site = dynamic_cast<controls::CHyperlinkLabel*>(about->FindWindow(IDC_ABOUT_WEBSITE));
        ASSERT_NE(mail, nullptr);
        ASSERT_NE(site, nullptr);
        EXPECT_EQ(mail->GetURL(), "mailto:dives@oskerby.example");
        EXPECT_EQ(site->GetURL(), "https://www.oskerby.example/");
        EXPECT_EQ(site->GetLabel(), "Oskerby Home Page");
        SaveScreenshot(*about, "about-box");
        ClickOn(about->FindWindow(framework::kIdOk));
      })
      .Then("the About box closed", DialogEnded<app::CAboutDlg>, [] {
        MainWindow()->PlanGroup().ClearModified();
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
}

// The program reads the help book beside itself. This test runs a second time, as a link of this
// test program in a folder of its own beside it whose help book is a link to itself, and there
// presses F1.
TEST(HelpAndAbout, F1WithAHelpBookThatIsALoopOfLinksSaysTheBookCannotBeOpenedAndTheProgramRunsOn) {
  namespace fs = std::filesystem;
  const std::string kFolderPrefix = "looping-help-";
  const std::string kThisTest = "HelpAndAbout.F1WithAHelpBookThatIsALoopOfLinksSaysTheBookCannotBeOpenedAndTheProgramRunsOn";
  const fs::path program = platform::ExecutablePath();
  const fs::path book = program.parent_path() / app::CHelpBook::kFileName;
  if (!program.parent_path().filename().string().starts_with(kFolderPrefix)) {
    const fs::path folder = program.parent_path() / (kFolderPrefix + std::to_string(::getpid()));
    const fs::path copy = folder / program.filename();
    fs::create_directory(folder);
    std::error_code notLinked;
    fs::create_hard_link(program, copy, notLinked);
    if (notLinked) fs::copy_file(program, copy);
    fs::create_symlink(app::CHelpBook::kFileName, folder / app::CHelpBook::kFileName);
    std::string filter = "--gtest_filter=" + kThisTest;
    std::string path = copy.string();
    char* arguments[] = {path.data(), filter.data(), nullptr};
    pid_t child = 0;
    int status = -1;
    if (::posix_spawn(&child, path.c_str(), nullptr, nullptr, arguments, environ) == 0) ::waitpid(child, &status, 0);
    fs::remove_all(folder);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the run with the looping help book failed";
    return;
  }
  TempFolders folders;
  const std::string cannotOpen = "The help book " + book.string() + " could not be opened.";
  ProgramRun run;
  run.Answer(wxID_OK).Answer(wxID_OK);
  AgreeToTheDisclaimer(run)
      .Then("the main window with the focus", [] { return MainWindowOnScreen() && FocusWithin(*MainWindow()); },
            [] { PressKey(WXK_F1); })
      .Then("the help book refused", [&] { return run.NativeDialogs().size() == 1; }, [&] {
        EXPECT_EQ(run.NativeDialogs()[0], cannotOpen);
        EXPECT_EQ(HelpWindow(), nullptr);
        // Asked again, the book is looked for again.
        RunCommand(ID_HELP_CONTENTS);
      })
      .Then("the help book refused again", [&] { return run.NativeDialogs().size() == 2; }, [&] {
        EXPECT_EQ(run.NativeDialogs()[1], cannotOpen);
        EXPECT_FALSE(ViewerExists());
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
}
