// The plan-file commands of the real program: the unsaved-changes question, the file dialogs,
// the recent files, dive files in and out, and the review of a dive-computer log.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/generic/msgdlgg.h>

#include "app/DivePlannerDlg.h"
#include "platform/Registry.h"
#include "resources/resource.h"
#include "tests/app/ProgramRun.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/logimport/writers/ExampleDives.h"
#include "tests/support/TempFolders.h"

namespace {

namespace fs = std::filesystem;

const std::string kModifiedQuestion = "The Dive Plan has been modified.\n\nDo you want to save the changes?";
const std::string kSettings = "Software\\Velmar\\VelmarTessaline\\Settings";

CPlanGroup& Plan() { return MainWindow()->PlanGroup(); }

std::string DefaultDirectory() {
  return platform::Registry().ReadString(kSettings + "\\Directories", "Default Directory").value_or("");
}

std::vector<std::string> RecentFileMenu() {
  std::vector<std::string> labels;
  wxMenuBar& menus = *MainWindow()->GetMenuBar();
  MainWindow()->UpdateWindowUI(wxUPDATE_UI_RECURSE);
  for (int entry = 0; entry < 4; ++entry) {
    wxMenuItem* item = menus.FindItem(Command(ID_FILE_MRU_FILE1 + entry));
    if (item != nullptr && item->IsEnabled()) labels.push_back(item->GetItemLabel().utf8_string());
  }
  return labels;
}

void SavePlan(const fs::path& path, const std::vector<std::string>& names) {
  CPlanGroup plan;
  plan.CreateDefaultPlan();
  for (std::size_t dive = 0; dive < names.size(); ++dive) {
    if (dive > 0) {
      ASSERT_TRUE(plan.AddDivePlan());
    }
    ASSERT_TRUE(plan.RenameDive(static_cast<int>(dive), names[dive]));
  }
  ASSERT_TRUE(plan.SavePlanGroup(path.string()));
}

}  // namespace

TEST(FileCommands, OpenAsksAgainAfterACancelledSaveAndTheRecentFilesDropWhatNoLongerOpens) {
  TempFolders folders;
  const fs::path plans = folders.Root() / "plans";
  fs::create_directories(plans);
  const fs::path saturday = plans / "Saturday.ccp";
  const fs::path gone = plans / "Gone.ccp";
  SavePlan(saturday, {"Wall", "Reef"});
  SavePlan(plans / "Sunday.ccp", {"Cave"});
  const std::string recentKey = "Software\\Velmar\\VelmarTessaline\\Recent File List";
  platform::Registry().WriteString(recentKey, "File1", gone.string());
  platform::Registry().WriteString(recentKey, "File2", (plans / "Sunday.ccp").string());
  ProgramRun run;
  run.Answer(wxID_YES)              // Open: save the changes?
      .Answer(wxID_CANCEL)          // ... the Save As dialog
      .Answer(wxID_NO)              // asked again: no
      .AnswerFile(saturday.string())  // the Open dialog
      .Answer(wxID_OK);             // the recent file that is gone: "Unable to open data file."
  AgreeToTheDisclaimer(run)
      .Then("the main window on the screen", [] { return MainWindow() != nullptr && MainWindow()->IsShownOnScreen(); },
            [&] {
              EXPECT_EQ(RecentFileMenu(), (std::vector<std::string>{"&1 " + gone.string(), "&2 " + (plans / "Sunday.ccp").string()}));
              ASSERT_TRUE(Plan().GetDivePlan(0)->SetGfLow(30));
              ASSERT_TRUE(Plan().m_modified);
              RunCommand(ID_FILE_OPEN);
            })
      .Then("the plan opened", [] { return Plan().GetDiveCount() == 2; }, [&] {
        ASSERT_EQ(run.NativeDialogs().size(), 4u);
        EXPECT_EQ(run.NativeDialogs()[0], kModifiedQuestion);
        EXPECT_EQ(run.NativeDialogs()[2], kModifiedQuestion);
        EXPECT_EQ(run.NativeDialogs()[3], "Select dive plan file to open");
        Pump();
        EXPECT_EQ(MainWindow()->GetTitle(), "Velmar Tessaline v1.0.0.1 - Saturday.ccp");
        EXPECT_EQ(MainWindow()->GetTabCaption(1), "Dive 2 - Reef");
        EXPECT_EQ(MainWindow()->GetActiveTab(), 0);
        EXPECT_FALSE(Plan().m_modified);
        EXPECT_EQ(DefaultDirectory(), plans.string());
        EXPECT_EQ(RecentFileMenu()[0], "&1 " + saturday.string());
        // The second entry is the plan that is gone.
        RunCommand(ID_FILE_MRU_FILE1 + 1);
      })
      .Then("the plan that is gone refused", [&] { return run.NativeDialogs().size() == 5; }, [&] {
        EXPECT_EQ(run.NativeDialogs()[4], "Unable to open data file.");
        EXPECT_EQ(RecentFileMenu(), (std::vector<std::string>{"&1 " + saturday.string(),
                                                              "&2 " + (plans / "Sunday.ccp").string()}));
        EXPECT_EQ(MainWindow()->GetTitle(), "Velmar Tessaline v1.0.0.1");
        EXPECT_EQ(Plan().GetDiveCount(), 1);
        RunCommand(ID_FILE_MRU_FILE1 + 1);  // Sunday: no question, no dialog
      })
      .Then("the recent plan opened", [] { return Plan().GetDiveName(0) == "Cave"; }, [&] {
        EXPECT_EQ(run.NativeDialogs().size(), 5u);
        EXPECT_EQ(MainWindow()->GetTitle(), "Velmar Tessaline v1.0.0.1 - Sunday.ccp");
        EXPECT_EQ(DefaultDirectory(), plans.string());
        EXPECT_EQ(RecentFileMenu(), (std::vector<std::string>{"&1 " + (plans / "Sunday.ccp").string(),
                                                              "&2 " + saturday.string()}));
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
  const std::vector<std::string> log = DiagnosticLogLines(folders.Data());
  EXPECT_TRUE(Contains(log, "User selected file " + saturday.string()));
  EXPECT_TRUE(Contains(log, "User selected MRU file " + gone.string()));
  EXPECT_EQ(platform::Registry().ReadString(recentKey, "File2"), std::optional<std::string>(saturday.string()));
  EXPECT_EQ(platform::Registry().ReadString(recentKey, "File3"), std::nullopt);
}

TEST(FileCommands, DivesGoOutAndComeInThroughDiveFilesAndALogIsReviewedInANewPlan) {
  TempFolders folders;
  const fs::path dives = folders.Root() / "dives";
  fs::create_directories(dives);
  WriteFileText(dives / "broken.ccd", std::string("\x7f" "ELF\x02\x01\x01\0~~~\xff\n", 13));
  const std::string log = testlog::TextLog(testlog::PlainDive());
  WriteFileText(folders.Root() / "logged.ccl", log);
  ProgramRun run;
  run.AnswerFile((dives / "Wall").string())           // Export Dive: no extension typed
      .AnswerFile((dives / "Wall.ccd").string())      // Import Dive
      .AnswerFile((dives / "broken.ccd").string())    // Import Dive
      .Answer(wxID_OK)                                // "Invalid Dive file"
      .Answer(wxID_NO)                                // Review Log File: save the changes? no
      .AnswerFile((folders.Root() / "logged.ccl").string());
  AgreeToTheDisclaimer(run)
      .Then("the main window on the screen", [] { return MainWindow() != nullptr && MainWindow()->IsShownOnScreen(); },
            [&] {
              CDivePlan& dive = *Plan().GetDivePlan(0);
              ASSERT_EQ(dive.AddUserPlanPoint(99, 120, 2500, false, 32, 0, 1.3, false), 0);
              ASSERT_EQ(dive.AddUserPlanPoint(99, 1800, 2500, false, 32, 0, 1.3, false), 1);
              ASSERT_TRUE(Plan().RenameDive(0, "Wall"));
              Plan().ClearModified();
              RunCommand(ID_DIVE_EXPORT);
              EXPECT_TRUE(fs::is_regular_file(dives / "Wall.ccd"));
              EXPECT_FALSE(Plan().m_modified);
              EXPECT_EQ(DefaultDirectory(), dives.string());
              RunCommand(ID_DIVES_IMPORT);  // from the dive tabs' menu
            })
      .Then("the dive imported", [] { return MainWindow()->GetTabCount() == 2 && MainWindow()->GetActiveTab() == 1; },
            [&] {
              EXPECT_EQ(MainWindow()->GetTabCaption(1), "Dive 2 - Wall");
              EXPECT_EQ(Plan().GetDivePlan(1)->GetUserPlanPointCount(), 2);
              EXPECT_TRUE(Plan().m_modified);
              Plan().ClearModified();
              RunCommand(ID_DIVE_IMPORT);  // the broken file
            })
      .Then("the broken file refused", [&] { return run.NativeDialogs().size() == 4; }, [&] {
        EXPECT_EQ(run.NativeDialogs()[3], "Invalid Dive file");
        EXPECT_EQ(MainWindow()->GetTabCount(), 2);
        EXPECT_TRUE(Plan().m_modified);  // an import, even one that failed, marks the plan
        RunCommand(ID_FILE_REVIEW_LOG);
      })
      .Then("the logged dive", [] { return Plan().GetDiveCount() == 1 && Plan().GetDivePlan(0)->IsReviewDive(); }, [&] {
        Pump();
        EXPECT_EQ(run.NativeDialogs()[4], kModifiedQuestion);
        EXPECT_EQ(run.NativeDialogs()[5], "Select log file to open");
        EXPECT_EQ(MainWindow()->GetTabCount(), 1);
        EXPECT_EQ(MainWindow()->GetTitle(), "Velmar Tessaline v1.0.0.1");
        EXPECT_FALSE(Plan().m_modified);
        EXPECT_GT(Plan().GetDivePlan(0)->GetStepCount(), 0);  // calculated
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
  const std::vector<std::string> lines = DiagnosticLogLines(folders.Data());
  EXPECT_TRUE(Contains(lines, "User exported dive as " + (dives / "Wall.ccd").string()));
  EXPECT_TRUE(Contains(lines, "User imported dive " + (dives / "broken.ccd").string()));
  EXPECT_TRUE(Contains(lines, "User opened log file " + (folders.Root() / "logged.ccl").string()));
}

TEST(FileCommands, TheModifiedQuestionStaysUntilYesOrNoSoItsCloseBoxAndEscapeLeaveTheFileAsItWas) {
  TempFolders folders;
  const fs::path saturday = folders.Root() / "Saturday.ccp";
  SavePlan(saturday, {"Wall"});
  const std::string saved = ReadFileText(saturday);
  wxGenericMessageDialog* question = nullptr;
  auto questionShown = [&] {
    question = FindShown<wxGenericMessageDialog>();
    return question != nullptr && question->IsShownOnScreen();
  };
  ProgramRun run;
  run.ShowForReal();  // Exit: save the changes?
  AgreeToTheDisclaimer(run)
      .Then("the plan opened", [] { return MainWindow() != nullptr && Plan().GetDiveName(0) == "Wall"; }, [] {
        ASSERT_TRUE(Plan().GetDivePlan(0)->SetGfLow(30));
        MainWindow()->Raise();
        PressKey(WXK_ESCAPE);
      })
      .Then("the question", Drawn([&] { return questionShown() ? question : nullptr; }), [&] {
        EXPECT_EQ(question->GetMessage().utf8_string(), kModifiedQuestion);
        EXPECT_EQ(question->FindWindow(wxID_CANCEL), nullptr);
        ASSERT_NE(question->FindWindow(wxID_YES), nullptr);
        PressCloseBox(*question);
      })
      .Then("a while after the close box", Waited(std::chrono::milliseconds(500)), [&] {
        ASSERT_TRUE(questionShown()) << "the close box answered the question";
        EXPECT_EQ(ReadFileText(saturday), saved);
        SaveScreenshot(*question, "modified-question");
        PressKey(WXK_ESCAPE);
      })
      .Then("a while after Escape", Waited(std::chrono::milliseconds(500)), [&] {
        ASSERT_TRUE(questionShown()) << "Escape answered the question";
        EXPECT_EQ(ReadFileText(saturday), saved);
        ClickOn(question->FindWindow(wxID_NO));
      });
  EXPECT_EQ(run.Run({"--no-splash", saturday.string()}), 0);
  EXPECT_EQ(run.NativeDialogs(), std::vector<std::string>{kModifiedQuestion});
  EXPECT_EQ(ReadFileText(saturday), saved);
  EXPECT_EQ(DiagnosticLogLines(folders.Data()).back(), "Velmar Tessaline Shutdown");
}

TEST(FileCommands, ALoopOfLinksOrANameTooLongIsRefusedWithItsReasonAndThePlanStaysOpenAndModified) {
  TempFolders folders;
  const fs::path links = folders.Root() / "links";
  fs::create_directories(links);
  fs::create_symlink("self.ccp", links / "self.ccp");
  fs::create_symlink("b.ccp", links / "a.ccp");
  fs::create_symlink("a.ccp", links / "b.ccp");
  const std::string self = (links / "self.ccp").string();
  const std::string loopA = (links / "a.ccp").string();
  const std::string loopB = (links / "b.ccp").string();
  // A name that fits until the dialog's extension is added.
  const long nameMax = ::pathconf(links.c_str(), _PC_NAME_MAX);
  const std::string tooLong = (links / std::string(static_cast<std::size_t>(nameMax) - 2, 'p')).string();
  const std::string kCannotOpen = "Unable to open data file.";
  // What a refused save tells, in the user's language for the system's part: read once the
  // toolkit has set the program's locale.
  auto cannotWrite = [&](const std::string& name, int code) {
    return "Unable to open data file for writing.\n\n" + name + " could not be written in the folder " +
           links.string() + ":\n" + std::strerror(code) + ".";
  };
  const std::string kModifiedUntitled = "Velmar Tessaline v1.0.0.1 *";
  wxGenericMessageDialog* message = nullptr;
  ProgramRun run;
  for (const std::string& path : {self, loopA}) run.AnswerFile(path).Answer(wxID_OK);  // Save As
  for (const std::string& path : {self, loopA}) run.AnswerFile(path).Answer(wxID_OK);  // Export Dive
  for (const std::string& path : {self, loopB}) run.AnswerFile(path).Answer(wxID_OK);  // Import Dive
  run.AnswerFile(tooLong).ShowForReal();                                               // Save As
  // Open and Review Log File: save the changes? no; the file; its message.
  for (const std::string& path : {self, loopA, self, loopB}) run.Answer(wxID_NO).AnswerFile(path).Answer(wxID_OK);
  AgreeToTheDisclaimer(run)
      .Then("the main window on the screen", [] { return MainWindow() != nullptr && MainWindow()->IsShownOnScreen(); },
            [&] {
              ASSERT_TRUE(Plan().GetDivePlan(0)->SetGfLow(30));
              ASSERT_TRUE(Plan().m_modified);
              for (int command : {ID_FILE_SAVE_AS, ID_FILE_SAVE_AS, ID_DIVE_EXPORT, ID_DIVE_EXPORT, ID_DIVE_IMPORT,
                                  ID_DIVES_IMPORT}) {
                RunCommand(command);
              }
            })
      .Then("every loop refused", [&] { return run.NativeDialogs().size() == 12; }, [&] {
        const std::vector<std::string>& told = run.NativeDialogs();
        EXPECT_EQ(told[1], cannotWrite("self.ccp", ELOOP));
        EXPECT_EQ(told[3], cannotWrite("a.ccp", ELOOP));
        EXPECT_EQ(told[5], cannotWrite("self.ccp", ELOOP));
        EXPECT_EQ(told[7], cannotWrite("a.ccp", ELOOP));
        EXPECT_EQ(told[9], kCannotOpen);
        EXPECT_EQ(told[11], kCannotOpen);
        EXPECT_EQ(Plan().GetDiveCount(), 1);
        EXPECT_EQ(MainWindow()->GetTabCount(), 1);
        EXPECT_EQ(Plan().GetDivePlan(0)->GetGfLow(), 30);
        EXPECT_TRUE(Plan().m_modified);
        EXPECT_EQ(MainWindow()->GetTitle().utf8_string(), kModifiedUntitled);
        RunCommandLater(ID_FILE_SAVE_AS);
      })
      .Then("the message of the name too long", Drawn([&]() -> wxWindow* {
              message = FindShown<wxGenericMessageDialog>();
              return message != nullptr && message->IsShownOnScreen() ? message : nullptr;
            }),
            [&] {
              EXPECT_EQ(message->GetMessage().utf8_string(), cannotWrite(std::string(40, 'p') + "\xe2\x80\xa6" + std::string(16, 'p') + ".ccp", ENAMETOOLONG));
              SaveScreenshot(*message, "save-refused-name-too-long");
              ClickOn(message->FindWindow(wxID_OK));
            })
      .Then("the message closed", DialogEnded<wxGenericMessageDialog>, [&] {
        EXPECT_TRUE(Plan().m_modified);
        EXPECT_EQ(Plan().GetDivePlan(0)->GetGfLow(), 30);
        EXPECT_EQ(MainWindow()->GetTitle().utf8_string(), kModifiedUntitled);
        RunCommand(ID_FILE_OPEN);
        ASSERT_TRUE(Plan().GetDivePlan(0)->SetGfLow(30));
        RunCommand(ID_FILE_OPEN);
        ASSERT_TRUE(Plan().GetDivePlan(0)->SetGfLow(30));
        RunCommand(ID_FILE_REVIEW_LOG);
        ASSERT_TRUE(Plan().GetDivePlan(0)->SetGfLow(30));
        RunCommand(ID_FILE_REVIEW_LOG);
      })
      .Then("the opens and reviews refused", [&] { return run.NativeDialogs().size() == 26; }, [&] {
        const std::vector<std::string>& told = run.NativeDialogs();
        for (std::size_t command = 0; command < 4; ++command) {
          EXPECT_EQ(told[14 + 3 * command], kModifiedQuestion) << command;
          EXPECT_EQ(told[16 + 3 * command], kCannotOpen) << command;
        }
        // Open and Review Log File begin with a new plan, whose changes were given up.
        EXPECT_EQ(Plan().GetDiveCount(), 1);
        EXPECT_EQ(Plan().GetDivePlan(0)->GetGfLow(), 20);
        EXPECT_FALSE(Plan().m_modified);
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
  for (const char* name : {"self.ccp", "a.ccp", "b.ccp"}) EXPECT_TRUE(fs::is_symlink(links / name)) << name;
  const std::vector<std::string> log = DiagnosticLogLines(folders.Data());
  auto logged = [&](const std::string& start) {
    return std::count_if(log.begin(), log.end(), [&](const std::string& line) { return line.rfind(start, 0) == 0; });
  };
  EXPECT_EQ(logged("Unable to write data file " + self + " - Cannot follow the links of " + self + ": "), 2);
  EXPECT_EQ(logged("Unable to write data file " + tooLong + ".ccp - Cannot replace the file with "), 1);
}
