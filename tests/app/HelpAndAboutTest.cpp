// The help book of the real program: Help Contents opens it at its contents, F1 in a dialog at
// that dialog's page, and every page the program opens is in the book; the About box.
#include <gtest/gtest.h>

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
