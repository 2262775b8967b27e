// The language of the real program: chosen in the Select Language dialog among English and the
// libraries beside the program, switched at once, and taken up again at the next start.
#include <gtest/gtest.h>

#include <filesystem>

#include <map>

#include <wx/listbox.h>
#include <wx/listctrl.h>
#include <wx/menu.h>

#include "app/DivePlannerDlg.h"
#include "app/SelectLanguage.h"
#include "app/TabDivePlan.h"
#include "views/Details.h"
#include "framework/MenuBuilder.h"
#include "framework/TemplateWindows.h"
#include "platform/Registry.h"
#include "platform/UserFolders.h"
#include "resources/resource.h"
#include "tests/app/ProgramRun.h"
#include "tests/support/TempFolders.h"

namespace {

namespace fs = std::filesystem;

const char* const kSettingsKey = "Software\\Velmar\\VelmarTessaline\\Settings";

std::optional<std::uint32_t> StoredLanguage() { return platform::Registry().ReadDword(kSettingsKey, "Language ID"); }

// A label of the first dive page.
std::string PageLabel(int id) {
  wxWindow* label = MainWindow()->Sheet()->GetPage(0)->FindWindow(id);
  return label != nullptr ? label->GetLabel().utf8_string() : std::string();
}

// What every control of a window shows as its caption and its tooltip, by control id; the
// fields that are typed into and the open-circuit PPO2 read-out show values, not texts of the
// resources, and are left out, as are windows that are not controls of the template (id < 0).
using Captions = std::map<int, std::string>;
Captions CaptionsOf(wxWindow& window) {
  Captions captions;
  for (wxWindow* child : window.GetChildren()) {
    if (dynamic_cast<wxTextEntry*>(child) != nullptr || child->GetId() < 0 || child->GetId() == IDC_OPEN_CIRCUIT_PPO2) {
      continue;
    }
    captions[child->GetId()] = child->GetLabel().utf8_string() + " | " + child->GetToolTipText().utf8_string();
  }
  return captions;
}

// The captions of a dive page, of its settings sheet's tabs and of the three settings pages
// (whether the sheet shows the bailout pages or not), and the headings of its point list.
std::vector<Captions> DivePageCaptions(int dive) {
  app::CTabDivePlan& page = *MainWindow()->DivePage(dive);
  app::DiveSettingsSheet& settings = *page.SettingsSheet();
  Captions tabs;
  for (std::size_t tab = 0; tab < settings.Sheet().GetPageCount(); ++tab) {
    tabs[static_cast<int>(tab)] = settings.Sheet().GetPageText(tab).utf8_string();
  }
  Captions headings;
  auto& points = *dynamic_cast<wxListCtrl*>(page.FindWindow(IDC_POINT_LIST));
  for (int column = 0; column < points.GetColumnCount(); ++column) {
    wxListItem heading;
    heading.SetMask(wxLIST_MASK_TEXT);
    points.GetColumn(column, heading);
    headings[column] = heading.GetText().utf8_string();
  }
  return {CaptionsOf(page), tabs, CaptionsOf(settings.DiveSettings()), CaptionsOf(settings.BailoutSettings()),
          CaptionsOf(settings.BailoutGasList()), headings};
}

std::string DiveSettingsLabel(int id) {
  return MainWindow()->DivePage(0)->SettingsSheet()->DiveSettings().FindWindow(id)->GetLabel().utf8_string();
}

std::string FirstMenu() { return MainWindow()->GetMenuBar()->GetMenuLabel(0).utf8_string(); }

std::string ToolTip(int command) {
  return MainWindow()->ToolBar()->GetToolShortHelp(framework::ToolkitCommandId(command)).utf8_string();
}

wxListBox& LanguageList(app::CSelectLanguage& dialog) {
  return *dynamic_cast<wxListBox*>(dialog.FindWindow(IDC_LANGUAGE_LIST));
}

std::vector<std::string> Rows(const wxListBox& list) {
  std::vector<std::string> rows;
  for (unsigned row = 0; row < list.GetCount(); ++row) rows.push_back(list.GetString(row).utf8_string());
  return rows;
}

// Files put beside the program for one test, removed afterwards.
class FilesBesideTheProgram {
 public:
  ~FilesBesideTheProgram() {
    std::error_code ignored;
    for (const fs::path& file : files_) fs::remove(file, ignored);
  }
  fs::path Copy(const fs::path& from, const std::string& name) {
    const fs::path to = platform::ExecutableFolder() / name;
    fs::copy_file(from, to, fs::copy_options::overwrite_existing);
    files_.push_back(to);
    return to;
  }
  void Write(const std::string& name, const std::string& text) {
    files_.push_back(platform::ExecutableFolder() / name);
    WriteFileText(files_.back(), text);
  }

 private:
  std::vector<fs::path> files_;
};

}  // namespace

TEST(LanguageSelection, TheChosenLanguageSwitchesMenuAndToolbarAtOnceAndIsStored) {
  TempFolders folders;
  const fs::path spanish = platform::ExecutableFolder() / "VelmarTessalineSpa.so";
  ASSERT_TRUE(fs::exists(spanish)) << "the build puts the Spanish library beside the tests";
  FilesBesideTheProgram beside;
  const fs::path first = beside.Copy(spanish, "VelmarTessalineEs.so");  // before Spa in path order
  beside.Write("VelmarTessalineX.so", "no library at all");
  ProgramRun run;
  app::CSelectLanguage* dialog = nullptr;
  auto waitForDialog = [&] { return (dialog = FindShown<app::CSelectLanguage>()) != nullptr; };
  auto dialogClosed = DialogEnded<app::CSelectLanguage>;
  AgreeToTheDisclaimer(run)
      .Then("the main window on the screen", MainWindowOnScreen, [] {
        EXPECT_EQ(MainWindow()->Language().Current(), 1033);
        EXPECT_EQ(FirstMenu(), "&File");
        RunCommandLater(ID_TOOLS_SELECT_LANGUAGE);
      })
      .Then("the Select Language dialog", waitForDialog, [] {})
      .Then("the dialog drawn", Drawn([&] { return dialog; }), [&] {
        EXPECT_EQ(dialog->GetTitle(), "Select Language");
        // Both libraries of the one language are offered; the junk file is not.
        wxListBox& list = LanguageList(*dialog);
        EXPECT_EQ(Rows(list), (std::vector<std::string>{"English", "Espanol", "Espanol"}));
        EXPECT_EQ(list.GetSelection(), 0);
        SaveScreenshot(*dialog, "select-language");
        list.SetSelection(2);
        ClickOn(dialog->FindWindow(framework::kIdOk));
      })
      .Then("Spanish chosen", dialogClosed, [&] {
        EXPECT_EQ(MainWindow()->Language().Current(), 1034);
        // Of two libraries of the chosen language, the first in path order is used.
        EXPECT_EQ(MainWindow()->Language().LoadedLibrary(), first);
        EXPECT_EQ(FirstMenu(), "&Archivo");
        EXPECT_EQ(MainWindow()->GetMenuBar()->GetMenuLabel(4), "Ay&uda");
        EXPECT_EQ(ToolTip(ID_FILE_OPEN), "Abrir");
        EXPECT_EQ(ToolTip(ID_TOOLS_CALCULATE), "Calcular");
        EXPECT_EQ(PageLabel(IDC_DURATION_LABEL), "Duración (min)");
        EXPECT_EQ(PageLabel(IDC_DEPTH_LABEL), "Prof. (m)");
        EXPECT_EQ(StoredLanguage(), 1034u);
        RunCommandLater(ID_TOOLS_SELECT_LANGUAGE);
      })
      .Then("the dialog in Spanish", waitForDialog, [] {})
      .Then("the Spanish dialog drawn", Drawn([&] { return dialog; }), [&] {
        EXPECT_EQ(dialog->GetTitle(), "Selecciona Idioma");
        EXPECT_EQ(dialog->FindWindow(framework::kIdCancel)->GetLabel(), "Cancelar");
        wxListBox& list = LanguageList(*dialog);
        EXPECT_EQ(list.GetSelection(), 2);  // the last row of the current language
        SaveScreenshot(*dialog, "select-language-spanish");
        // OK with no row chosen changes nothing.
        list.SetSelection(wxNOT_FOUND);
        ClickOn(dialog->FindWindow(framework::kIdOk));
      })
      .Then("the dialog closed without a choice", dialogClosed, [] {
        EXPECT_EQ(MainWindow()->Language().Current(), 1034);
        EXPECT_EQ(FirstMenu(), "&Archivo");
        RunCommandLater(ID_TOOLS_SELECT_LANGUAGE);
      })
      .Then("the dialog once more", waitForDialog, [] {})
      .Then("drawn once more", Drawn([&] { return dialog; }), [&] {
        LanguageList(*dialog).SetSelection(0);
        ClickOn(dialog->FindWindow(framework::kIdOk));
      })
      .Then("English chosen again", dialogClosed, [] {
        EXPECT_EQ(MainWindow()->Language().Current(), 1033);
        EXPECT_EQ(MainWindow()->Language().LoadedLibrary(), fs::path());
        EXPECT_EQ(FirstMenu(), "&File");
        EXPECT_EQ(ToolTip(ID_FILE_OPEN), "Open");
        EXPECT_EQ(PageLabel(IDC_DURATION_LABEL), "Duration (mins)");
        EXPECT_EQ(StoredLanguage(), 1033u);
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
}

TEST(LanguageSelection, TheStoredLanguageComesUpAtTheNextStart) {
  TempFolders folders;
  platform::Registry().WriteDword(kSettingsKey, "Language ID", 1034);
  ProgramRun run;
  AgreeToTheDisclaimer(run)
      .Then("the main window on the screen", MainWindowOnScreen, [] {
        EXPECT_EQ(MainWindow()->Language().Current(), 1034);
        EXPECT_EQ(FirstMenu(), "&Archivo");
        EXPECT_EQ(ToolTip(ID_FILE_SAVE), "Guardar");
        EXPECT_EQ(PageLabel(IDC_GAS_MIX_LABEL), "Mezcla");
        EXPECT_EQ(PageLabel(IDC_ENTRY_GROUP), "Punto del Plan");
      })
      .Then("the window drawn", Drawn([] { return MainWindow()->Sheet()->GetPage(0); }), [] {
        SaveScreenshot(*MainWindow(), "spanish-main-window");
        SaveScreenshot(*MainWindow()->Sheet()->GetPage(0), "spanish-dive-page");
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
  EXPECT_EQ(StoredLanguage(), 1034u);
}

TEST(LanguageSelection, ASwitchToSpanishAndBackChangesEveryTextOfTheDivePagesAndTheDetailsWindowAtOnce) {
  TempFolders folders;
  ProgramRun run;
  app::CSelectLanguage* dialog = nullptr;
  auto waitForDialog = [&] { return (dialog = FindShown<app::CSelectLanguage>()) != nullptr; };
  auto dialogClosed = DialogEnded<app::CSelectLanguage>;
  auto choose = [&](int row) {
    LanguageList(*dialog).SetSelection(row);
    ClickOn(dialog->FindWindow(framework::kIdOk));
  };
  std::vector<Captions> english;  // the first dive page as it was made, in English
  AgreeToTheDisclaimer(run)
      .Then("the main window on the screen", MainWindowOnScreen, [&] {
        RunCommand(ID_VIEW_DETAILS);
        ASSERT_NE(MainWindow()->Details(), nullptr);
        english = DivePageCaptions(0);
        EXPECT_EQ(PageLabel(IDC_ENTRY_GROUP), "Plan Point");
        RunCommandLater(ID_TOOLS_SELECT_LANGUAGE);
      })
      .Then("the Select Language dialog", waitForDialog, [] {})
      .Then("the dialog drawn", Drawn([&] { return dialog; }), [&] { choose(1); })
      .Then("Spanish chosen", dialogClosed, [&] {
        EXPECT_EQ(PageLabel(IDC_ENTRY_GROUP), "Punto del Plan");
        EXPECT_EQ(PageLabel(IDC_POINT_ADD), "&Añadir");
        EXPECT_EQ(PageLabel(IDC_DURATION_LABEL), "Duración (min)");
        EXPECT_EQ(DiveSettingsLabel(IDC_DS_BELL_EXCURSION), "&Excursión de Campana");
        EXPECT_EQ(MainWindow()->DivePage(0)->SettingsSheet()->Sheet().GetPageText(0).utf8_string(), "Ajustes de Inmersión");
        EXPECT_EQ(MainWindow()->Details()->GetTitle(), "Detalles");
        // A dive page made now is made from the Spanish resources: the switched page shows
        // exactly what it shows.
        RunCommand(ID_DIVE_ADD);
        ASSERT_EQ(MainWindow()->GetTabCount(), 2);
        EXPECT_EQ(DivePageCaptions(0), DivePageCaptions(1));
        EXPECT_NE(DivePageCaptions(0), english);
        MainWindow()->Sheet()->ChangeSelection(0);
      })
      .Then("the Spanish page drawn", Drawn([] { return MainWindow()->DivePage(0); }), [] {
        SaveScreenshot(*MainWindow()->DivePage(0), "dive-page-switched-to-spanish");
        SaveScreenshot(*MainWindow()->Details(), "details-switched-to-spanish");
        RunCommandLater(ID_TOOLS_SELECT_LANGUAGE);
      })
      .Then("the dialog in Spanish", waitForDialog, [] {})
      .Then("the Spanish dialog drawn", Drawn([&] { return dialog; }), [&] { choose(0); })
      .Then("English chosen again", dialogClosed, [&] {
        EXPECT_EQ(PageLabel(IDC_ENTRY_GROUP), "Plan Point");
        EXPECT_EQ(PageLabel(IDC_POINT_ADD), "&Add");
        EXPECT_EQ(DiveSettingsLabel(IDC_DS_BELL_EXCURSION), "&Bell Excursion");
        EXPECT_EQ(MainWindow()->Details()->GetTitle(), "Details");
        // Both the page made in English and the one made in Spanish show what the first showed
        // when it was made.
        EXPECT_EQ(DivePageCaptions(0), english);
        EXPECT_EQ(DivePageCaptions(1), english);
      })
      .Then("the English page drawn", Drawn([] { return MainWindow()->DivePage(0); }), [] {
        SaveScreenshot(*MainWindow()->DivePage(0), "dive-page-switched-back-to-english");
        MainWindow()->PlanGroup().ClearModified();
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
}
