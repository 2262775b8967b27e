// The dive page of the real program, driven with keys and clicks as a diver drives it.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "app/DivePlannerDlg.h"
#include "app/TabDivePlan.h"
#include "controls/MultiFieldEdit.h"
#include "engine/AppSettings.h"
#include "resources/resource.h"
#include "bench/BenchmarkDives.h"
#include "tests/app/ProgramRun.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/TempFolders.h"
#include "views/XYLineGraph.h"
#include "views/core/GraphScene.h"

namespace {

using app::DiveSettingsSheet;

app::CTabDivePlan& Page(int index = 0) { return *MainWindow()->DivePage(index); }
CDivePlan& Dive(int index = 0) { return *MainWindow()->PlanGroup().GetDivePlan(index); }

wxListCtrl& PointList(int page = 0) { return *dynamic_cast<wxListCtrl*>(Page(page).FindWindow(IDC_POINT_LIST)); }

std::string Cell(int row, int column, int page = 0) { return PointList(page).GetItemText(row, column).utf8_string(); }

std::string Header(int column, int page = 0) {
  wxListItem item;
  item.SetMask(wxLIST_MASK_TEXT);
  PointList(page).GetColumn(column, item);
  return item.GetText().utf8_string();
}

void ClickRow(int row, wxMouseButton button = wxMOUSE_BTN_LEFT) {
  wxRect rect;
  ASSERT_TRUE(PointList().GetItemRect(row, rect));
  wxUIActionSimulator mouse;
  mouse.MouseMove(PointList().ClientToScreen(rect.GetPosition() + wxPoint(20, rect.height / 2)));
  mouse.MouseClick(button);
}

void Click(int id) { ClickOn(Page().FindWindow(id)); }

void ShowSettingsTab(int page, int index) {
  wxPoint tab;
  ASSERT_TRUE(FindTabPoint(Page(page).SettingsSheet()->Sheet(), index, tab));
  ClickOn(&Page(page).SettingsSheet()->Sheet(), tab);
}

void ShowTab(int index) {
  wxPoint tab;
  ASSERT_TRUE(FindTabPoint(*MainWindow()->Sheet(), index, tab));
  ClickOn(MainWindow()->Sheet(), tab);
}

int SetsNamed(const views::CXYLineGraph& graph, const std::string& name) {
  return static_cast<int>(std::count_if(graph.DataSets().begin(), graph.DataSets().end(),
                                        [&](const views::CGraphDataSet& set) { return set.GetName() == name; }));
}

// Whether a right click at the place of the one that opened a menu at this time would be a
// click of its own, not the second of a double click, which opens no menu.
bool PastDoubleClickTime(std::chrono::steady_clock::time_point menuOpened) {
  return std::chrono::steady_clock::now() - menuOpened > DoubleClickTime() + std::chrono::milliseconds(50);
}

// A right click on the graph at a fraction of its width.
void RightClickGraph(views::CXYLineGraph& graph, double fraction) {
  wxUIActionSimulator mouse;
  mouse.MouseMove(graph.ClientToScreen(wxPoint(static_cast<int>(graph.GetClientSize().x * fraction),
                                               graph.GetClientSize().y / 2)));
  mouse.MouseClick(wxMOUSE_BTN_RIGHT);
}

// A right click on the graph at a time of its dive, halfway down.
void RightClickGraphAt(views::CXYLineGraph& graph, double timeSec) {
  wxUIActionSimulator mouse;
  mouse.MouseMove(graph.ClientToScreen(wxPoint(graph.ValueToScreenX(timeSec), graph.GetClientSize().y / 2)));
  mouse.MouseClick(wxMOUSE_BTN_RIGHT);
}

// Clicks into the field, selects what it holds and types the text over it.
void TypeInto(int id, const std::string& text, int page = 0) {
  wxWindow& field = *Page(page).FindWindow(id);
  ClickOn(&field);
  wxUIActionSimulator keys;
  keys.Char('a', wxMOD_CONTROL);
  keys.Text(text.c_str());
}

void SaveScreenshot(wxWindow& window, const char* name) {
  if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
  EXPECT_TRUE(CaptureWindow(window).ConvertToImage().SaveFile(std::string(GUI_ARTEFACT_DIR "/") + name,
                                                               wxBITMAP_TYPE_PNG));
}

// The depths (m) at which the graph's depth line stays for a while: the bottom and the stops.
std::vector<double> LevelStretches(const views::CXYLineGraph& graph) {
  std::vector<double> levels;
  for (const views::CGraphDataSet& set : graph.DataSets()) {
    if (set.GetName() != "Depth") continue;
    for (int i = 1; i < set.GetPointCount(); ++i) {
      if (set.GetY(i) == set.GetY(i - 1) && set.GetY(i) > 0) levels.push_back(set.GetY(i));
    }
  }
  return levels;
}

// The printed segments of a dive: depth and duration.
std::vector<std::pair<double, int>> Segments(const CDivePlan& dive) {
  std::vector<std::pair<double, int>> segments;
  for (int i = 0; i < dive.GetSegmentCount(); ++i) segments.emplace_back(dive.GetSegmentDepth(i), dive.GetSegmentDuration(i));
  return segments;
}

}  // namespace

TEST(DivePage, ADiverPlansThirtyMetresOnAirFromAnEmptyProgramSavesItAndOpensItAgain) {
  TempFolders folders;
  const std::string path = (folders.Root() / "Air 30.ccp").string();
  std::vector<std::pair<double, int>> planned;
  ProgramRun run;
  run.AnswerFile(path)    // Ctrl+S: the Save As dialog
      .AnswerFile(path);  // Ctrl+O: the Open dialog
  AgreeToTheDisclaimer(run)
      .Then("the dive page on the screen", MainWindowOnScreen, [] {
        MainWindow()->Raise();
        // An empty dive: the six fixed columns, and only Add and Insert can act.
        EXPECT_EQ(PointList().GetItemCount(), 0);
        EXPECT_EQ(PointList().GetColumnCount(), 6);
        EXPECT_TRUE(Page().FindWindow(IDC_POINT_ADD)->IsEnabled());
        EXPECT_TRUE(Page().FindWindow(IDC_POINT_INSERT)->IsEnabled());
        EXPECT_FALSE(Page().FindWindow(IDC_POINT_UPDATE)->IsEnabled());
        EXPECT_FALSE(Page().FindWindow(IDC_POINT_DELETE)->IsEnabled());
        TypeInto(IDC_DEPTH_EDIT, "30");
        TypeInto(IDC_DURATION_EDIT, "20");
        Click(IDC_OPEN_CIRCUIT);
        TypeInto(IDC_POINT_GAS, "Air");
        PressKey(WXK_TAB);
      })
      .Then("the fields typed", [] { return Page().FindWindow(IDC_OPEN_CIRCUIT_PPO2)->IsShown(); }, [] {
        // Air at 30 m under the default 1000 mbar: 4 bar x 21 %.
        EXPECT_EQ(Page().FindWindow(IDC_OPEN_CIRCUIT_PPO2)->GetLabel(), "0.84");
        Click(IDC_POINT_ADD);
      })
      .Then("the dive calculated and shown", [] { return !LevelStretches(*Page().Graph()).empty(); }, [&] {
        ASSERT_EQ(PointList().GetItemCount(), 2);  // the start at the surface and the 30 m point
        EXPECT_EQ(Cell(0, 1), "0     ");
        EXPECT_EQ(Cell(1, 1), "30     ");
        EXPECT_EQ(Cell(1, 2), "20        ");
        EXPECT_EQ(Cell(1, 3), "OC");
        EXPECT_EQ(Cell(1, 4), "Gas - Air  ");
        // The bottom at 30 m, then the stops at 15, 12 and 6 m (GF 20/80, last stop 6 m).
        EXPECT_EQ(LevelStretches(*Page().Graph()), (std::vector<double>{30, 15, 12, 6}));
        EXPECT_EQ(MainWindow()->GetTitle(), "Velmar Tessaline v1.0.0.1 *");
        planned = Segments(Dive());
      })
      .Then("the page drawn", Drawn([] { return &Page(); }), [] {
        SaveScreenshot(Page(), "dive-page-air.png");
        PressKey('S', wxMOD_CONTROL);
      })
      .Then("the plan saved", [&] { return std::filesystem::exists(path); }, [&] {
        EXPECT_EQ(MainWindow()->GetTitle(), "Velmar Tessaline v1.0.0.1 - Air 30.ccp");
        PressKey('N', wxMOD_CONTROL);
      })
      .Then("a new plan", [] { return PointList().GetItemCount() == 0; }, [] {
        EXPECT_TRUE(LevelStretches(*Page().Graph()).empty());
        PressKey('O', wxMOD_CONTROL);
      })
      .Then("the plan opened and calculated", [] { return !LevelStretches(*Page().Graph()).empty(); }, [&] {
        EXPECT_EQ(MainWindow()->GetTitle(), "Velmar Tessaline v1.0.0.1 - Air 30.ccp");
        EXPECT_EQ(Segments(Dive()), planned);
        EXPECT_EQ(PointList().GetItemCount(), 2);
        EXPECT_EQ(LevelStretches(*Page().Graph()), (std::vector<double>{30, 15, 12, 6}));
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash"}), 0);
}

TEST(DivePage, PointsAreAddedInsertedUpdatedRefusedCutAndPastedAndListedInTheirUnits) {
  TempFolders folders;
  const std::string path = (folders.Root() / "Two dives.ccp").string();
  {
    // Dive 1 starts from a bell at 10 m; dive 2, under 1013 mbar, has a point of 90 s.
    CPlanGroup plan;
    plan.CreateDefaultPlan();
    plan.GetDivePlan(0)->SetBellExcursion(true);
    plan.GetDivePlan(0)->SetBellDepth(10);
    ASSERT_TRUE(plan.AddDivePlan());
    CDivePlan& second = *plan.GetDivePlan(1);
    second.SetSurfacePressure(1013);
    for (const char* row : {"100~0~0.00~0~21.00~0.00~0.70~0~0", "100~1200~3000.00~0~21.00~0.00~0.70~0~0",
                            "100~90~2000.00~0~21.00~0.00~0.70~0~0"}) {
      ASSERT_TRUE(second.AddPointFromRecord(row));
    }
    ASSERT_TRUE(plan.SavePlanGroup(path));
  }
  const char* const kRefused = "\n\nUnable to add or update the item";
  wxMenu* menu = nullptr;
  auto setPoint = [](int row) { return Dive().GetUserPlanPointSetPoint(row); };
  auto depths = [] {
    std::vector<std::string> column;
    for (int row = 0; row < PointList().GetItemCount(); ++row) column.push_back(Cell(row, 1));
    return column;
  };
  ProgramRun run;
  run.Answer(wxID_OK).Answer(wxID_OK).Answer(wxID_OK)  // the three refused points
      .Answer(wxID_OK)                                  // the gas that is no gas
      .Answer(wxID_NO);                                 // do not save the changes at the end
  AgreeToTheDisclaimer(run)
      .Then("the plan open", [] { return MainWindowOnScreen() && MainWindow()->GetTabCount() == 2; }, [] {
        MainWindow()->Raise();
        // A point at the surface needs no start point, even from a bell.
        TypeInto(IDC_DEPTH_EDIT, "0");
        TypeInto(IDC_DURATION_EDIT, "5");
        PressKey(WXK_TAB);
        Click(IDC_POINT_ADD);
      })
      .Then("the point at the surface", [] { return PointList().GetItemCount() == 1; }, [] {
        EXPECT_EQ(Cell(0, 1), "0     ");
        EXPECT_EQ(Dive().GetUserPlanPointDuration(0), 300);
        EXPECT_TRUE(Page().FindWindow(IDC_POINT_DELETE)->IsEnabled());
        Click(IDC_POINT_DELETE);
      })
      .Then("the dive empty again", [] { return PointList().GetItemCount() == 0; }, [] {
        EXPECT_EQ(Dive().GetUserPlanPointCount(), 0);
        // A closed-circuit point at set-point 1.3 on a new dive that starts in the bell.
        TypeInto(IDC_DEPTH_EDIT, "30");
        TypeInto(IDC_DURATION_EDIT, "20");
        PressKey(WXK_TAB);
        Click(IDC_POINT_ADD);
      })
      .Then("the dive and its start at the bell", [] { return PointList().GetItemCount() == 2; }, [&] {
        EXPECT_EQ(depths(), (std::vector<std::string>{"10     ", "30     "}));
        EXPECT_EQ(Cell(1, 3), "CC");
        EXPECT_EQ(Cell(1, 5), " 1.30");
        // Dive 2 would start saturated at the bell's depth and take hours to surface.
        Dive().SetBellExcursion(false);
        ClickRow(0);
      })
      .Then("the first row shown", [] { return dynamic_cast<wxTextCtrl*>(Page().FindWindow(IDC_DEPTH_EDIT))->GetValue() == "10"; }, [] {
        TypeInto(IDC_DEPTH_EDIT, "5");
        PressKey(WXK_RETURN);  // commits nothing, moves on
      })
      .Then("the focus moved on", [] { return wxWindow::FindFocus() != Page().FindWindow(IDC_DEPTH_EDIT); }, [] {
        EXPECT_TRUE(MainWindowOnScreen());
        EXPECT_EQ(PointList().GetItemCount(), 2);
        Click(IDC_POINT_INSERT);
      })
      .Then("a point before the first", [] { return PointList().GetItemCount() == 3; }, [&] {
        EXPECT_EQ(depths(), (std::vector<std::string>{"5     ", "10     ", "30     "}));
        // An open-circuit point added after it keeps the last closed-circuit set-point.
        Click(IDC_OPEN_CIRCUIT);
        TypeInto(IDC_DEPTH_EDIT, "6");
        PressKey(WXK_TAB);
        Click(IDC_POINT_ADD);
      })
      .Then("the open-circuit point", [] { return PointList().GetItemCount() == 4; }, [&] {
        EXPECT_EQ(Cell(1, 1), "6     ");
        EXPECT_EQ(Cell(1, 3), "OC");
        EXPECT_EQ(setPoint(1), 1.3);
        Click(IDC_POINT_UPDATE);
      })
      .Then("the point stored again", [&] { return setPoint(1) == 0.7; }, [] {
        // Oxygen at 10 m is 2.0 bar.
        TypeInto(IDC_POINT_GAS, "Oxygen");
        TypeInto(IDC_DEPTH_EDIT, "10");
        PressKey(WXK_TAB);
        Click(IDC_POINT_ADD);
      })
      .Then("the hyperoxic point refused", [&] { return run.NativeDialogs().size() == 1; }, [] {
        TypeInto(IDC_POINT_GAS, "10/50");
        TypeInto(IDC_DEPTH_EDIT, "3");
        PressKey(WXK_TAB);
        Click(IDC_POINT_ADD);
      })
      .Then("the hypoxic point refused", [&] { return run.NativeDialogs().size() == 2; }, [] {
        TypeInto(IDC_POINT_GAS, "Air");
        TypeInto(IDC_DEPTH_EDIT, "50");
        PressKey(WXK_TAB);
        Click(IDC_POINT_ADD);
      })
      .Then("the deep air point refused", [&] { return run.NativeDialogs().size() == 3; }, [&] {
        EXPECT_EQ(run.NativeDialogs()[0], std::string("Hyperoxic - PPO2 of 2.00 is above the 1.60 limit") + kRefused);
        EXPECT_EQ(run.NativeDialogs()[1], std::string("Hypoxic - PPO2 of 0.13 is below the 0.16 limit") + kRefused);
        EXPECT_EQ(run.NativeDialogs()[2],
                  std::string("EAD of 50 m for this gas exceeds the 35 m Max EAD limit") + kRefused);
        EXPECT_EQ(depths(), (std::vector<std::string>{"5     ", "6     ", "10     ", "30     "}));
        EXPECT_EQ(Dive().GetUserPlanPointCount(), 4);
        // 3 % oxygen is no gas: the gas box refuses it and the page cannot add with it.
        TypeInto(IDC_POINT_GAS, "3/0");
        PressKey(WXK_TAB);
      })
      .Then("the gas refused", [&] { return run.NativeDialogs().size() == 4; }, [&] {
        EXPECT_EQ(run.NativeDialogs()[3].rfind("Invalid entry!", 0), 0u);
        EXPECT_FALSE(Page().FindWindow(IDC_POINT_ADD)->IsEnabled());
        EXPECT_FALSE(Page().FindWindow(IDC_POINT_INSERT)->IsEnabled());
        EXPECT_FALSE(Page().FindWindow(IDC_POINT_UPDATE)->IsEnabled());
        Page().Bind(wxEVT_MENU_OPEN, [&](wxMenuEvent& event) {
          menu = event.GetMenu();
          event.Skip();
        });
        ClickRow(0, wxMOUSE_BTN_RIGHT);
      })
      .Then("the list's menu", [&] { return menu != nullptr && PopupOnScreen(); }, [&] {
        EXPECT_TRUE(menu->IsEnabled(ID_POINT_CUT));
        EXPECT_TRUE(menu->FindItem(ID_POINT_CUT)->GetBitmap().IsOk());  // from the list's toolbar
        EXPECT_FALSE(menu->IsEnabled(ID_POINT_PASTE));  // nothing copied yet
        menu = nullptr;
        PressKey('T');
      })
      .Then("the first point cut", [] { return PointList().GetItemCount() == 3; }, [&] {
        ClickRow(2, wxMOUSE_BTN_RIGHT);
      })
      .Then("the list's menu again", [&] { return menu != nullptr && PopupOnScreen(); }, [&] {
        EXPECT_TRUE(menu->IsEnabled(ID_POINT_PASTE));
        PressKey('P');
      })
      .Then("the point pasted at the end", [] { return PointList().GetItemCount() == 4; }, [&] {
        EXPECT_EQ(depths(), (std::vector<std::string>{"6     ", "10     ", "30     ", "5     "}));
        ShowTab(1);
      })
      .Then("the second dive", [] { return MainWindow()->GetActiveTab() == 1 && PointList(1).GetItemCount() == 3; }, [] {
        // A point of 90 s lists every duration in minutes and seconds.
        EXPECT_EQ(Header(2, 1), "Duration (mm:ss)");
        EXPECT_EQ(Cell(2, 2, 1), "1:30        ");
        EXPECT_EQ(Cell(1, 2, 1), "20:00        ");
        // Air at 30 m under 1013 mbar: 4.013 bar x 21 %.
        EXPECT_EQ(Cell(1, 5, 1), " 0.84");
        EXPECT_EQ(Header(2), "Duration (mins)");
        // The gases typed on the first page joined this page's gas box.
        EXPECT_NE(dynamic_cast<wxComboBox*>(Page(1).FindWindow(IDC_POINT_GAS))->FindString("10/50"), wxNOT_FOUND);
        AppSettings().general.units.Set(1);
        MainWindow()->SetTabDepthUnits(UnitSystem::kImperial);
        MainWindow()->PlanGroup().CaluclateDivePlans(true, 0, true);
      })
      .Then("the dives in feet", [] { return Cell(1, 1, 1) == "98     "; }, [] {
        EXPECT_EQ(Header(1, 1), "Depth (ft)");
        EXPECT_EQ(Page(1).FindWindow(IDC_DEPTH_LABEL)->GetLabel(), "Depth (ft)");
        EXPECT_EQ(Page(1).FormatLoggedReadoutItem(600, 0), "Depth 97.7 ft");
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash", path}), 0);
}

TEST(DivePage, ATrimixDiveIsDrawnAndAClosedCircuitDiveBailsOutFromTheGraphCursorAndReturns) {
  TempFolders folders;
  const std::string path = (folders.Root() / "Trimix.ccp").string();
  {
    CPlanGroup plan;
    plan.CreateDefaultPlan();
    PlanOpenCircuitTrimix(*plan.GetDivePlan(0));
    ASSERT_TRUE(plan.AddDivePlan());
    CDivePlan& rebreather = *plan.GetDivePlan(1);
    rebreather.SetSurfaceInterval(6 * 3600);
    AddBenchmarkPoint(rebreather, 0, 0, 10, 50, true, 1.3);
    AddBenchmarkPoint(rebreather, 45, 1500, 10, 50, true, 1.3);
    // Ten minutes just deeper than 3 m, then ten just shallower.
    ASSERT_TRUE(plan.AddDivePlan());
    CDivePlan& shallow = *plan.GetDivePlan(2);
    shallow.SetSurfaceInterval(6 * 3600);
    AddBenchmarkPoint(shallow, 0, 0, 21, 0, true, 1.3);
    AddBenchmarkPoint(shallow, 3.1, 600, 21, 0, true, 1.3);
    AddBenchmarkPoint(shallow, 2.9, 600, 21, 0, true, 1.3);
    ASSERT_TRUE(plan.SavePlanGroup(path));
  }
  wxMenu* menu = nullptr;
  bool menuClosed = false;
  std::chrono::steady_clock::time_point menuOpenedAt;
  auto watchMenus = [&](int page) {
    Page(page).Graph()->Bind(wxEVT_MENU_OPEN, [&](wxMenuEvent& event) {
      menu = event.GetMenu();
      menuOpenedAt = std::chrono::steady_clock::now();
      event.Skip();
    });
    Page(page).Graph()->Bind(wxEVT_MENU_CLOSE, [&](wxMenuEvent& event) {
      menuClosed = true;
      event.Skip();
    });
  };
  ProgramRun run;
  run.Answer(wxID_NO);  // do not save the changes at the end
  AgreeToTheDisclaimer(run)
      .Then("the trimix dive drawn", [] { return MainWindowOnScreen() && SetsNamed(*Page().Graph(), "Depth") == 1; },
            [] {
              // The switches to EAN50 at 21 m and to oxygen at 6 m.
              EXPECT_EQ(SetsNamed(*Page().Graph(), "Gas Switch"), 2);
              // An open-circuit first dive: the Dive Settings tab alone, without a surface interval.
              EXPECT_EQ(Page().SettingsSheet()->Sheet().GetPageCount(), 1u);
              EXPECT_FALSE(Page().FindWindow(IDC_DS_SURFACE_INTERVAL)->IsShown());
            })
      .Then("the trimix page drawn", Drawn([] { return &Page(); }), [] {
        SaveScreenshot(Page(), "dive-page-trimix.png");
        ShowTab(1);
      })
      .Then("the rebreather dive",
            [] {
              return MainWindow()->GetActiveTab() == 1 && Dive(1).GetStepCount() > 0 &&
                     Page(1).SettingsSheet()->Sheet().GetPageCount() == 2;
            },
            [&] {
              // Its Bailout Settings tab is there, behind Dive Settings as the plan was just
              // opened; a GF High typed on the sheet goes to the dive, which is calculated again.
              EXPECT_EQ(Page(1).SettingsSheet()->Sheet().GetPageCount(), 2u);
              EXPECT_EQ(Page(1).SettingsSheet()->Sheet().GetSelection(), 0);
              EXPECT_EQ(dynamic_cast<controls::CSTimeHM&>(*Page(1).FindWindow(IDC_DS_SURFACE_INTERVAL)).GetSeconds(), 6 * 3600);
              ShowSettingsTab(1, 0);
            })
      .Then("the dive settings shown", [] { return Page(1).SettingsSheet()->Sheet().GetSelection() == 0; },
            [] {
              TypeInto(IDC_DS_GF_HIGH, "85", 1);
              PressKey(WXK_TAB);
            })
      .Then("the GF High stored", [] { return Dive(1).GetGfHigh() == 85; }, [&] {
              watchMenus(1);
              RightClickGraph(*Page(1).Graph(), 0.4);  // at the bottom, on closed circuit at 45 m
            })
      .Then("the graph's bailout menu", [&] { return menu != nullptr && PopupOnScreen(); }, [&] {
        EXPECT_TRUE(menu->IsEnabled(ID_GRAPH_BAILOUT_FROM_CURSOR));
        menu = nullptr;
        PressKey('B');
      })
      .Then("the bailout planned", [] { return Dive(1).IsBailoutPlanPresent() && PointList(1).GetItemCount() > 2; }, [] {
        EXPECT_TRUE(Dive(1).IsBailoutMode());
        EXPECT_EQ(MainWindow()->GetTabCaption(1), "Bailout 2");
        // The planned points before the bailout are green, the bailout's own black.
        const wxListCtrl& list = PointList(1);
        EXPECT_EQ(list.GetItemTextColour(0), wxColour(50, 205, 50));
        const int last = list.GetItemCount() - 1;
        EXPECT_TRUE(Dive(1).GetProfilePoint(last)->bailout);
        EXPECT_EQ(list.GetItemTextColour(last), wxColour(0, 0, 0));
        EXPECT_EQ(Cell(last, 3, 1), "OC");
        EXPECT_EQ(Page(1).GetSelectedRow(), last);  // the planner selects the bailout's last point
      })
      .Then("the bailout drawn",
            [&, drawn = Drawn([] { return &Page(1); })] { return drawn() && PastDoubleClickTime(menuOpenedAt); }, [] {
        SaveScreenshot(Page(1), "dive-page-bailout.png");
        RightClickGraph(*Page(1).Graph(), 0.4);
      })
      .Then("the graph's menu in bailout mode", [&] { return menu != nullptr && PopupOnScreen(); }, [] { PressKey('D'); })
      .Then("back on the dive", [] { return !Dive(1).IsBailoutMode() && PointList(1).GetItemCount() == 2; }, [] {
        EXPECT_EQ(MainWindow()->GetTabCaption(1), "Dive 2");
        EXPECT_EQ(PointList(1).GetItemTextColour(0), wxColour(0, 0, 0));
        ShowTab(2);
      })
      .Then("the shallow dive", [] { return MainWindow()->GetActiveTab() == 2 && Dive(2).GetStepCount() > 0; },
            [&] { watchMenus(2); })
      .Then("its graph drawn", Drawn([] { return Page(2).Graph(); }), [&] {
        menu = nullptr;
        RightClickGraphAt(*Page(2).Graph(), 300);  // at 3.1 m
      })
      .Then("the graph's menu at 3.1 m", [&] { return menu != nullptr && PopupOnScreen(); }, [&] {
        EXPECT_TRUE(menu->IsEnabled(ID_GRAPH_BAILOUT_FROM_CURSOR));
        EXPECT_TRUE(menu->IsEnabled(ID_GRAPH_BAILOUT_FROM_SEGMENT_END));
        menu = nullptr;
        menuClosed = false;
        PressKey(WXK_ESCAPE);
      })
      .Then("the menu closed", [&] { return menuClosed; }, [&] {
        RightClickGraphAt(*Page(2).Graph(), 900);  // at 2.9 m
      })
      .Then("the graph's menu at 2.9 m", [&] { return menu != nullptr && PopupOnScreen(); }, [&] {
        EXPECT_FALSE(menu->IsEnabled(ID_GRAPH_BAILOUT_FROM_CURSOR));
        EXPECT_FALSE(menu->IsEnabled(ID_GRAPH_BAILOUT_FROM_SEGMENT_END));
        menuClosed = false;
        PressKey(WXK_ESCAPE);
      })
      .Then("the menu closed again", [&] { return menuClosed; }, [] {
        EXPECT_FALSE(Dive(2).IsBailoutMode());
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash", path}), 0);
}

TEST(DivePage, AFailedDiveReadsNothingUnderTheCursorAndOffersNoBailout) {
  TempFolders folders;
  const std::string path = (folders.Root() / "Failed.ccp").string();
  {
    // Air to 30 m for 20 minutes, then two hours at 50 m on a rebreather: its ascent runs past
    // six hours, and the diver does not plan on.
    CPlanGroup plan;
    plan.CreateDefaultPlan();
    AddBenchmarkPoint(*plan.GetDivePlan(0), 30, 1200, 21, 0);
    ASSERT_TRUE(plan.AddDivePlan());
    CDivePlan& rebreather = *plan.GetDivePlan(1);
    rebreather.SetSurfaceInterval(6 * 3600);
    PlanPastSixHours(rebreather);
    ASSERT_TRUE(plan.SavePlanGroup(path));
  }
  views::CXYLineGraph* graph = nullptr;
  wxMenu* menu = nullptr;
  bool menuClosed = false;
  // The cursor read-out box as drawn now, and whether any of it is darker than its white.
  auto readoutBoxHasText = [&] {
    const wxImage shot = CaptureWindow(*graph).ConvertToImage();
    const views::PixelRect box = views::ReadoutBox(graph->PlotLayout());
    for (int y = box.top + 2; y < box.bottom - 2; ++y) {
      for (int x = box.left + 2; x < box.right - 2; ++x) {
        if (shot.GetRed(x, y) < 200 || shot.GetGreen(x, y) < 200 || shot.GetBlue(x, y) < 200) return true;
      }
    }
    return false;
  };
  // Moves the mouse onto the graph, halfway along and halfway down.
  auto pointAtTheMiddle = [&] {
    wxUIActionSimulator mouse;
    mouse.MouseMove(graph->ClientToScreen(wxPoint(graph->GetClientSize().x / 2, graph->GetClientSize().y / 2)));
  };
  auto cursorOnThePlot = [&] { return graph->IsCursorInPlot() && graph->GetCursorX() > 0; };
  ProgramRun run;
  run.Answer(wxID_NO);  // plan past six hours? no
  AgreeToTheDisclaimer(run)
      .Then("the air dive drawn", [] { return MainWindowOnScreen() && SetsNamed(*Page().Graph(), "Depth") == 1; },
            [&] {
              graph = Page().Graph();
              MainWindow()->Raise();
            })
      .Then("the air dive's graph drawn", Drawn([&] { return graph; }), pointAtTheMiddle)
      .Then("the air dive read at the cursor", [&] { return cursorOnThePlot() && readoutBoxHasText(); },
            [] { ShowTab(1); })
      .Then("the failed dive",
            [&] {
              return MainWindow()->GetActiveTab() == 1 && Page(1).Graph()->IsShownOnScreen() &&
                     run.NativeDialogs().size() == 1 && Page(1).Graph()->calculationFailed;
            },
            [&] {
              EXPECT_FALSE(Dive(1).IsCalculationCompleted());
              EXPECT_EQ(SetsNamed(*Page(1).Graph(), "Depth"), 0);
              graph = Page(1).Graph();
              graph->Bind(wxEVT_MENU_OPEN, [&](wxMenuEvent& event) {
                menu = event.GetMenu();
                event.Skip();
              });
              graph->Bind(wxEVT_MENU_CLOSE, [&](wxMenuEvent& event) {
                menuClosed = true;
                event.Skip();
              });
            })
      .Then("the failed dive's graph drawn", Drawn([&] { return graph; }), pointAtTheMiddle)
      .Then("the cursor on the failed dive, drawn",
            [&, drawn = Drawn([&] { return graph; })] { return cursorOnThePlot() && drawn(); }, [&] {
        // At the bottom on closed circuit: the page could read it, but the graph shows nothing.
        EXPECT_FALSE(Page(1).FormatLoggedReadoutItem(graph->GetCursorX(), 0).empty());
        EXPECT_TRUE(views::ReadoutItems(*graph, graph->Page()).empty());
        EXPECT_FALSE(readoutBoxHasText());
        SaveScreenshot(Page(1), "dive-page-failed.png");
        wxUIActionSimulator().MouseClick(wxMOUSE_BTN_RIGHT);
      })
      .Then("the graph's menu on the failed dive", [&] { return menu != nullptr && PopupOnScreen(); }, [&] {
        EXPECT_FALSE(menu->IsEnabled(ID_GRAPH_BAILOUT_FROM_CURSOR));
        EXPECT_FALSE(menu->IsEnabled(ID_GRAPH_BAILOUT_FROM_SEGMENT_END));
        PressKey(WXK_ESCAPE);
      })
      .Then("the menu closed", [&] { return menuClosed; }, [] {
        EXPECT_FALSE(Dive(1).IsBailoutMode());
        MainWindow()->Close();
      });
  EXPECT_EQ(run.Run({"--no-splash", path}), 0);
}

TEST(DivePage, TheSettingsInFrontAreThoseOfThePlanShownThroughBailoutsImportsAndLoads) {
  TempFolders folders;
  const std::string planPath = (folders.Root() / "Rebreather.ccp").string();
  const std::string divePath = (folders.Root() / "Air.ccd").string();
  {
    // 45 m on 10/50 at set-point 1.3 for 25 minutes, GF 20/80, bailout GF 100/100.
    CPlanGroup plan;
    plan.CreateDefaultPlan();
    CDivePlan& rebreather = *plan.GetDivePlan(0);
    AddBenchmarkPoint(rebreather, 0, 0, 10, 50, true, 1.3);
    AddBenchmarkPoint(rebreather, 45, 1500, 10, 50, true, 1.3);
    ASSERT_TRUE(plan.SavePlanGroup(planPath));
    CPlanGroup air;
    air.CreateDefaultPlan();
    AddBenchmarkPoint(*air.GetDivePlan(0), 30, 1200, 21, 0);
    ASSERT_TRUE(air.ExportDive(divePath, 0));
  }
  auto shownPage = [](int page = 0) { return Page(page).SettingsSheet()->Sheet().GetSelection(); };
  auto lastStepGf = [] { return Page().FormatStepReadoutItem(Dive().GetStepCount() - 1, 1); };
  auto text = [](int id) { return dynamic_cast<wxTextCtrl&>(*Page().FindWindow(id)).GetValue(); };
  auto bailedOut = [] { return Dive().IsBailoutMode() && Dive().IsBailoutPlanPresent() && Dive().GetStepCount() > 0; };
  wxMenu* menu = nullptr;
  // Once the graph shows the dive as it is now and the last menu's click is past the double-click
  // time, a right click at 10 minutes, at the bottom; the next step picks from its menu.
  std::chrono::steady_clock::time_point menuOpenedAt;
  auto graphDrawn = [&] {
    return [&, drawn = Drawn([] { return Page().Graph(); })] { return drawn() && PastDoubleClickTime(menuOpenedAt); };
  };
  auto openGraphMenu = [&] {
    menu = nullptr;
    RightClickGraphAt(*Page().Graph(), 600);
  };
  auto menuOpen = [&] { return menu != nullptr && PopupOnScreen(); };
  ProgramRun run;
  run.AnswerFile(divePath)  // Import Dive
      .Answer(wxID_NO)      // Open: save the changes? no
      .AnswerFile(planPath);
  AgreeToTheDisclaimer(run)
      .Then("the rebreather dive",
            [] {
              return MainWindowOnScreen() && Dive().GetStepCount() > 0 &&
                     Page().SettingsSheet()->Sheet().GetPageCount() == 2;
            },
            [&] {
              // A plan just loaded opens on the dive's own settings.
              EXPECT_EQ(shownPage(), DiveSettingsSheet::kDiveSettingsPage);
              EXPECT_FALSE(Dive().IsBailoutMode());
              MainWindow()->Raise();
              Page().Graph()->Bind(wxEVT_MENU_OPEN, [&](wxMenuEvent& event) {
                menu = event.GetMenu();
                menuOpenedAt = std::chrono::steady_clock::now();
                event.Skip();
              });
            })
      .Then("the graph drawn", graphDrawn(), openGraphMenu)
      .Then("the graph's menu", menuOpen, [] { PressKey('B'); })
      .Then("the bailout planned", bailedOut, [&] {
        EXPECT_EQ(shownPage(), DiveSettingsSheet::kBailoutSettingsPage);
        // Bailout GF 100/100 on a 20/80 dive: the bailout surfaces at GF 100.
        EXPECT_EQ(lastStepGf(), "GF 100");
      })
      .Then("the bailout drawn", Drawn([] { return &Page(); }), [] {
        SaveScreenshot(Page(), "dive-page-bailout-settings.png");
        TypeInto(IDC_BS_GF_LOW, "60");
        TypeInto(IDC_BS_GF_HIGH, "60");
        PressKey(WXK_TAB);
      })
      .Then("the bailout planned again", [&] { return Dive().GetBailoutGfHigh() == 60 && lastStepGf() != "GF 100"; },
            [&] {
              // Calculated with the larger of each, GF 60/80, it surfaces at GF 80; the page keeps
              // the settings as typed.
              EXPECT_EQ(lastStepGf(), "GF 80");
              EXPECT_TRUE(bailedOut());
              EXPECT_EQ(Dive().GetBailoutGfLow(), 60);
              EXPECT_EQ(text(IDC_BS_GF_LOW), "60");
              EXPECT_EQ(text(IDC_BS_GF_HIGH), "60");
              EXPECT_EQ(shownPage(), DiveSettingsSheet::kBailoutSettingsPage);
            })
      .Then("the second calculation drawn", graphDrawn(), openGraphMenu)
      .Then("the graph's menu in bailout mode", menuOpen, [] { PressKey('D'); })  // Return to Dive
      .Then("back on the dive", [] { return !Dive().IsBailoutMode(); }, [&] {
        EXPECT_EQ(shownPage(), DiveSettingsSheet::kDiveSettingsPage);
        EXPECT_TRUE(Dive().IsBailoutPlanPresent());  // kept for the next bailout
      })
      .Then("the dive drawn", graphDrawn(), openGraphMenu)
      .Then("the graph's menu on the dive", menuOpen, [] { PressKey('S'); })  // from the end of the segment
      .Then("the second bailout", bailedOut,
            [&] { EXPECT_EQ(shownPage(), DiveSettingsSheet::kBailoutSettingsPage); })
      .Then("the second bailout drawn", graphDrawn(), openGraphMenu)
      .Then("the graph's menu on the second bailout", menuOpen, [] { PressKey('C'); })  // Clear Bailout
      .Then("the bailout cleared", [] { return !Dive().IsBailoutMode() && !Dive().IsBailoutPlanPresent(); }, [&] {
        EXPECT_EQ(shownPage(), DiveSettingsSheet::kDiveSettingsPage);
      })
      .Then("the dive without a bailout drawn", graphDrawn(), openGraphMenu)
      .Then("the graph's menu once more", menuOpen, [] { PressKey('B'); })
      .Then("the third bailout", bailedOut, [&] {
        EXPECT_EQ(shownPage(), DiveSettingsSheet::kBailoutSettingsPage);
        RunCommand(ID_DIVE_IMPORT);
      })
      .Then("the dive imported",
            [] { return MainWindow()->GetTabCount() == 2 && MainWindow()->GetActiveTab() == 1 && !Dive().IsBailoutMode(); },
            [&] {
              // Every page shows its dive's settings, and the bailout shown before is left as a
              // click on Dive Settings leaves it.
              EXPECT_EQ(shownPage(), DiveSettingsSheet::kDiveSettingsPage);
              EXPECT_EQ(shownPage(1), DiveSettingsSheet::kDiveSettingsPage);
              ShowTab(0);
            })
      .Then("the first dive again", [] { return MainWindow()->GetActiveTab() == 0; }, [] {})
      .Then("the first dive drawn", graphDrawn(), openGraphMenu)
      .Then("the graph's menu after the import", menuOpen, [] { PressKey('B'); })
      .Then("the fourth bailout", bailedOut, [&] {
        EXPECT_EQ(shownPage(), DiveSettingsSheet::kBailoutSettingsPage);
        PressKey('O', wxMOD_CONTROL);
      })
      .Then("the plan loaded",
            [] {
              return MainWindow()->GetTabCount() == 1 && !Dive().IsBailoutMode() && Dive().GetStepCount() > 0 &&
                     Page().SettingsSheet()->Sheet().GetPageCount() == 2;
            },
            [&] {
              EXPECT_EQ(shownPage(), DiveSettingsSheet::kDiveSettingsPage);
              EXPECT_EQ(text(IDC_BS_GF_HIGH), "100");  // the bailout settings of the file
              MainWindow()->Close();
            });
  EXPECT_EQ(run.Run({"--no-splash", planPath}), 0);
}
