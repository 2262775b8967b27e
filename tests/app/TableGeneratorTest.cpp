// The table generator opened from the Tools menu of the running program: its checks on every
// change, the gas-switch editor on a double click, a generated set shown in the viewer, and the
// page kept on Done.
#include <gtest/gtest.h>

#include <filesystem>

#include <wx/listctrl.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>
#include <wx/webview.h>

#include "app/DivePlannerDlg.h"
#include "controls/ImageButton.h"
#include "controls/NumSpinCtrl.h"
#include "engine/AppSettings.h"
#include "framework/MenuBuilder.h"
#include "platform/Registry.h"
#include "resources/resource.h"
#include "tests/app/ProgramRun.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/TempFolders.h"
#include "views/BrowserHostWnd.h"
#include "views/GasSwitchEdit.h"
#include "views/TableGeneration.h"
#include "views/Viewer.h"

namespace {

constexpr const char* kTableGeneration = "Software\\Velmar\\VelmarTessaline\\Settings\\Table Generation";
constexpr const char* kGasMix = "Software\\Velmar\\VelmarTessaline\\Settings\\Gas Mix";

views::CTableGeneration* Generator() { return FindShown<views::CTableGeneration>(); }
views::CGasSwitchEdit* Editor() { return FindShown<views::CGasSwitchEdit>(); }
views::CViewer* Viewer() { return FindShown<views::CViewer>(); }

// 10 to 40 m and 10 to 30 minutes on trimix 18/45, with oxygen from 6 m and EAN50 from 21 m on
// the way up: every PPO2 lies between 0.18 (18/45 at the surface) and 1.60 (oxygen at 6 m).
void WriteGeneratorPage() {
  const std::pair<const char*, std::uint32_t> values[] = {
      {"Depth Start", 10000},    {"Depth Finish", 40000},      {"Depth Step Size", 10000},
      {"Duration Start", 10},    {"Duration Finish", 30},      {"Duration Step Size", 10},
      {"Max PPO2", 1600},        {"Max EAD", 35000},           {"Table Grouping", 0}};
  for (const auto& [name, value] : values) ASSERT_TRUE(platform::Registry().WriteDword(kTableGeneration, name, value));
  ASSERT_TRUE(platform::Registry().WriteString(kGasMix, "Travel Gas 01", "0.00,18.00,45.00,0,0.00,1"));
  ASSERT_TRUE(platform::Registry().WriteString(kGasMix, "Deco Gas 01", "21.00,50.00,0.00,0,0.00,1"));
  ASSERT_TRUE(platform::Registry().WriteString(kGasMix, "Deco Gas 02", "6.00,100.00,0.00,0,0.00,1"));
}

controls::CNumSpinCtrl& Spin(int editId) {
  return *dynamic_cast<controls::CNumSpinCtrl*>(Generator()->FindWindow(editId + 1));
}

wxListCtrl& List(int id) { return *dynamic_cast<wxListCtrl*>(Generator()->FindWindow(id)); }

std::vector<std::string> RowTexts(wxListCtrl& list, long row) {
  std::vector<std::string> texts;
  for (int column = 1; column < list.GetColumnCount(); ++column) texts.push_back(list.GetItemText(row, column).utf8_string());
  return texts;
}

int GenerateIcon() {
  return dynamic_cast<controls::CImageButton*>(Generator()->FindWindow(IDC_TG_GENERATE))->IconId();
}

std::string MessagesText() {
  return dynamic_cast<wxTextCtrl*>(Generator()->FindWindow(IDC_TG_MESSAGES))->GetValue().utf8_string();
}

void DoubleClickAt(wxWindow* window, const wxPoint& point) {
  wxUIActionSimulator mouse;
  mouse.MouseMove(window->ClientToScreen(point));
  Settle(50);
  mouse.MouseDblClick();
}

wxPoint RowPoint(wxListCtrl& list, long row) {
  wxRect rect;
  list.GetItemRect(row, rect);
  return wxPoint(rect.x + 40, rect.y + rect.height / 2);
}

std::string AskDocument(const std::string& script) {
  views::CViewer* viewer = Viewer();
  if (viewer == nullptr || viewer->Browser() == nullptr || !viewer->Browser()->HasBrowser()) return {};
  wxString answer;
  return viewer->Browser()->Browser()->RunScript(wxString::FromUTF8(script), &answer) ? answer.utf8_string() : "";
}

void SaveScreenshot(wxWindow& window, const char* name) {
  EXPECT_TRUE(CaptureWindow(window).SaveFile(std::string(GUI_ARTEFACT_DIR "/") + name, wxBITMAP_TYPE_PNG));
}

}  // namespace

TEST(TableGenerator, ChecksEveryChangeEditsASwitchGeneratesTheSetAndKeepsThePage) {
  TempFolders folders;
  WriteGeneratorPage();
  std::size_t generatedPlans = 0;
  const std::string settingsPath = (folders.Root() / "trimix.cct").string();

  ProgramRun run;
  run.AnswerFile(settingsPath).AnswerFile(settingsPath);
  AgreeToTheDisclaimer(run)
      .Then("the main window", [] { return MainWindow() != nullptr; }, [] {
        wxQueueEvent(MainWindow(), new wxCommandEvent(wxEVT_MENU, framework::ToolkitCommandId(ID_TOOLS_CREATE_DIVE_TABLES)));
      })
      .Then("the generator with its lists", [] { return Generator() != nullptr && List(IDC_TG_ASCENT_LIST).GetItemCount() == 2; },
            [] {
              views::CTableGeneration& generator = *Generator();
              EXPECT_EQ(generator.GetTitle(), "Table Generation");
              EXPECT_TRUE(generator.CanGenerate());
              EXPECT_EQ(GenerateIcon(), IDI_GENERATE);
              EXPECT_EQ(MessagesText(), "");
              EXPECT_EQ(RowTexts(List(IDC_TG_DESCENT_LIST), 0), (std::vector<std::string>{"0", "OC", "18/45", "0.18"}));
              EXPECT_EQ(RowTexts(List(IDC_TG_ASCENT_LIST), 0), (std::vector<std::string>{"6", "OC", "Oxygen", "1.60"}));
              EXPECT_EQ(RowTexts(List(IDC_TG_ASCENT_LIST), 1),
                        (std::vector<std::string>{"21", "OC", "50% Nitrox", "1.55"}));
            })
      .Then("the generator drawn", Drawn([] { return Generator(); }), [] {
        SaveScreenshot(*Generator(), "table-generator.png");
        // A finish shallower than the start stops generation and says why.
        TypeInto(Generator()->FindWindow(IDC_TG_DEPTH_FINISH), "5");
      })
      .Then("the refused range", [] { return !Generator()->CanGenerate(); }, [] {
        EXPECT_EQ(MessagesText(), "The start depth 10 m is deeper than the finish depth 5 m");
        EXPECT_EQ(GenerateIcon(), IDI_CANCEL);
        SaveScreenshot(*Generator(), "table-generator-refused.png");
        ClickOn(Generator()->FindWindow(IDC_TG_GENERATE));
      })
      .Then("a moment after the click on Generate", Waited(std::chrono::milliseconds(300)), [] {
        EXPECT_TRUE(Generator()->LastRun().Plans().empty());
        TypeInto(Generator()->FindWindow(IDC_TG_DEPTH_FINISH), "40");
      })
      .Then("the range mended", [] { return Generator()->CanGenerate(); }, [] {
        EXPECT_EQ(GenerateIcon(), IDI_GENERATE);
        // At 900 mbar every ambient pressure is 0.1 bar lower, in the lists and in the editor.
        TypeInto(Generator()->FindWindow(IDC_TG_SURFACE_PRESSURE), "900");
        EXPECT_TRUE(SettlesTo([] { return RowTexts(List(IDC_TG_DESCENT_LIST), 0); },
                              std::vector<std::string>{"0", "OC", "18/45", "0.16"}));
        EXPECT_EQ(RowTexts(List(IDC_TG_ASCENT_LIST), 0), (std::vector<std::string>{"6", "OC", "Oxygen", "1.50"}));
        DoubleClickAt(&List(IDC_TG_DESCENT_LIST), RowPoint(List(IDC_TG_DESCENT_LIST), 0));
      })
      .Then("the editor on the surface row", Drawn([] { return Editor(); }), [] {
        views::CGasSwitchEdit& editor = *Editor();
        // The first descent gas stays at the surface and is never deleted.
        EXPECT_FALSE(editor.FindWindow(IDC_GS_DELETE)->IsEnabled());
        EXPECT_TRUE(editor.FindWindow(IDC_GS_UPDATE)->IsEnabled());
        EXPECT_FALSE(editor.FindWindow(IDC_GS_ADD)->IsEnabled());
        EXPECT_EQ(dynamic_cast<wxTextCtrl*>(editor.FindWindow(IDC_GS_DEPTH))->GetValue(), "0");
        // 18/45 at the surface of 900 mbar: 0.9 bar x 0.18, as the list shows it.
        EXPECT_EQ(editor.FindWindow(IDC_GS_PPO2)->GetLabel(), "0.16");
        Settle(200);
        SaveScreenshot(editor, "gas-switch-editor-surface-row.png");  // Add and Delete greyed
        TypeInto(editor.FindWindow(IDC_GS_DEPTH), "10");
        EXPECT_TRUE(SettlesTo([&] { return editor.FindWindow(IDC_GS_ADD)->IsEnabled(); }, true));
        EXPECT_FALSE(editor.FindWindow(IDC_GS_UPDATE)->IsEnabled());
        ClickOn(editor.FindWindow(IDC_GS_CANCEL));
      })
      .Then("the editor closed", DialogEnded<views::CGasSwitchEdit>, [] {
        // A double click below the rows edits a new switch.
        wxListCtrl& ascent = List(IDC_TG_ASCENT_LIST);
        for (long row = 0; row < ascent.GetItemCount(); ++row) ascent.SetItemState(row, 0, wxLIST_STATE_SELECTED);
        wxRect last;
        ascent.GetItemRect(ascent.GetItemCount() - 1, last);
        DoubleClickAt(&ascent, wxPoint(last.x + 40, last.GetBottom() + 30));
      })
      .Then("the editor on a new switch", Drawn([] { return Editor(); }), [] {
        views::CGasSwitchEdit& editor = *Editor();
        // A new switch starts on closed circuit at the default set-point of 1.3 bar, and every
        // choice of closed circuit starts from it again.
        auto& setPoint = *dynamic_cast<wxTextCtrl*>(editor.FindWindow(IDC_GS_SET_POINT));
        EXPECT_TRUE(setPoint.IsShown());
        EXPECT_EQ(setPoint.GetValue(), "1.3");
        TypeInto(&setPoint, "1.1");
        ClickOn(editor.FindWindow(IDC_GS_OPEN_CIRCUIT));
        EXPECT_TRUE(SettlesTo([&] { return setPoint.IsShown(); }, false));
        ClickOn(editor.FindWindow(IDC_GS_CLOSED_CIRCUIT));
        EXPECT_TRUE(SettlesTo([&] { return setPoint.IsShown(); }, true));
        EXPECT_EQ(setPoint.GetValue(), "1.3");
        ClickOn(editor.FindWindow(IDC_GS_OPEN_CIRCUIT));
        EXPECT_TRUE(SettlesTo([&] { return setPoint.IsShown(); }, false));
        TypeInto(editor.FindWindow(IDC_GS_DEPTH), "9");
        TypeInto(editor.FindWindow(IDC_GS_GAS), "32%");
        // EAN32 at 9 m below 900 mbar: 1.8 bar x 0.32.
        EXPECT_TRUE(SettlesTo([&] { return editor.FindWindow(IDC_GS_PPO2)->GetLabel(); }, "0.58"));
      })
      .Then("the new switch drawn", Drawn([] { return Editor()->FindWindow(IDC_GS_PPO2); }), [] {
        SaveScreenshot(*Editor(), "gas-switch-editor.png");
        ClickOn(Editor()->FindWindow(IDC_GS_ADD));
      })
      .Then("the new ascent row", [] { return Editor() == nullptr && List(IDC_TG_ASCENT_LIST).GetItemCount() == 3; }, [] {
        EXPECT_EQ(RowTexts(List(IDC_TG_ASCENT_LIST), 1),
                  (std::vector<std::string>{"9", "OC", "32% Nitrox", "0.58"}));
        ClickOn(Generator()->FindWindow(IDC_TG_GENERATE));
      })
      .Then("the set of four depths in the viewer", [] { return AskDocument("document.querySelectorAll('table[width=\"90%\"]').length") == "4"; },
            [&] { generatedPlans = Generator()->LastRun().Plans().size(); })
      .Then("the set drawn", Drawn([] { return Viewer()->Browser(); }), [] {
        SaveScreenshot(*Viewer(), "generated-set.png");
        ClickOn(Viewer()->FindWindow(IDC_VIEWER_EXIT));
      })
      .Then("the viewer closed", DialogEnded<views::CViewer>, [&] {
        EXPECT_NE(MessagesText().find("Creating 12 dive plans"), std::string::npos);
        EXPECT_EQ(MessagesText().substr(MessagesText().rfind('\n') + 1), "Completed");
        // The page saved to a file, changed, and read back from the file.
        ClickOn(Generator()->FindWindow(IDC_TG_SAVE));
      })
      .Then("the page saved", [&] { return std::filesystem::exists(settingsPath); }, [&] {
        const std::string saved = ReadFileText(settingsPath);
        EXPECT_EQ(saved.rfind("Table Generation Settings\r\n001~10.00\r\n002~40.00\r\n", 0), 0u) << saved;
        EXPECT_NE(saved.find("\r\n010~900.00\r\n"), std::string::npos) << saved;
        EXPECT_NE(saved.find("\r\n030~Deco~9.00~32.00~0.00~0~0.00~1\r\n"), std::string::npos) << saved;
        TypeInto(Generator()->FindWindow(IDC_TG_DEPTH_FINISH), "30");
        ClickOn(Generator()->FindWindow(IDC_TG_LOAD));
      })
      .Then("the page read back", [] { return Spin(IDC_TG_DEPTH_FINISH).GetPos() == 40; }, [] {
        EXPECT_EQ(List(IDC_TG_ASCENT_LIST).GetItemCount(), 3);
        EXPECT_TRUE(Generator()->CanGenerate());
        ClickOn(Generator()->FindWindow(framework::kIdOk));
      })
      .Then("the generator closed", [] { return Generator() == nullptr; }, [] { MainWindow()->Close(); });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
  EXPECT_EQ(generatedPlans, 12u);
  // Done kept the page as read back: the mended range, the surface pressure, the new ascent switch.
  EXPECT_EQ(platform::Registry().ReadDword(kTableGeneration, "Depth Finish"), 40000u);
  EXPECT_EQ(platform::Registry().ReadDword(kTableGeneration, "Surface Pressure"), 900u);
  EXPECT_EQ(platform::Registry().ReadString(kGasMix, "Deco Gas 02"), "9.00,32.00,0.00,0,0.00,1");
  EXPECT_EQ(run.NativeDialogs().back(), "Select Table Generation Settings file to open");
  EXPECT_EQ(AppSettings().directories.tableSettings.Get(), folders.Root().string());
}
