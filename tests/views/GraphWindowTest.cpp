// The graph windows on the screen: the profile graph's colours, warning bar and banner read
// from its pixels, zoom and context menu with the real mouse over a calculated trimix dive, and
// the compartment bars of the Details window.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/settings.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include "engine/NumberText.h"
#include "engine/PrivateMessages.h"
#include "framework/MenuBuilder.h"
#include "framework/Messages.h"
#include "resources/resource.h"
#include "tests/gui/GuiTestSupport.h"
#include "bench/BenchmarkDives.h"
#include "tests/engine/DiveTestSupport.h"
#include "views/Details.h"
#include "views/XYLineGraph.h"
#include "views/core/GraphScene.h"
#include "views/core/ProfileGraphFeed.h"

namespace views {
namespace {

// A page as the graph sees it, over an optional calculated dive; the warning flags of the
// steps may be given instead.
class StubPage : public wxPanel, public IGraphPage {
 public:
  explicit StubPage(wxWindow* parent) : wxPanel(parent) {}

  int GetStepCount() const override {
    return dive != nullptr ? dive->GetStepCount() : static_cast<int>(warningFree.size());
  }
  bool IsStepWarningFree(int step) const override {
    if (dive != nullptr) return dive->IsStepWarningFree(step);
    return step >= 0 && step < GetStepCount() && warningFree[static_cast<std::size_t>(step)];
  }
  int GetStepWarningFlags(int step) const override { return dive != nullptr ? dive->GetStepWarningFlags(step) : 0; }
  std::string GetStepWarningText(int step) const override {
    return dive != nullptr ? dive->GetStepWarningText(step) : "CNS above 100%#";
  }
  bool IsLoggedClosedCircuitAt(int) const override { return false; }  // an open-circuit dive
  std::string FormatLoggedReadoutItem(int timeSec, int item) const override {
    if (dive == nullptr) return {};
    const int step = std::clamp(timeSec, 0, dive->GetStepCount() - 1);
    switch (item) {
      case 0: return FormatC("Depth %.1f m", dive->GetStepDepth(step));
      case 1: return "OC";
      case 2: return "Gas - " + MixName(dive->GetStepOxygen(step), dive->GetStepHelium(step));
      case 3: return FormatC("PPO2 %0.2f", dive->GetStepPpo2(step));
      default: return FormatC("End Time %d:%02d", dive->GetLastStepTime() / 60, dive->GetLastStepTime() % 60);
    }
  }
  std::string FormatStepReadoutItem(int step, int item) const override {
    if (dive == nullptr) return {};
    step = std::clamp(step, 0, dive->GetStepCount() - 1);
    switch (item) {
      case 0: return FormatC("Ceiling %.1f m", dive->GetStepCeiling(step));
      case 1: return FormatC("GF %.0f", dive->GetStepGradientFactor(step) * 100);
      case 2: return FormatC("CNS %0.1f%%", dive->GetStepCns(step) * 100);
      case 3: return FormatC("OTU %0.1f%%", dive->GetStepOtu(step) / 3);
      default: return FormatC("EAD %0.1fm", dive->GetStepEad(step));
    }
  }
  bool IsReviewDive() const override { return false; }

  const CDivePlan* dive = nullptr;
  std::vector<bool> warningFree;
};

struct ProfileWindow {
  explicit ProfileWindow(const wxSize& client) : frame(nullptr, wxID_ANY, "Profile", wxPoint(20, 20)) {
    frame.SetClientSize(client);
    page = new StubPage(&frame);
    page->SetSize(client);
    graph = new CXYLineGraph;
    graph->Create(page, 2118, wxPoint(0, 0), client);
  }
  wxImage Rendered() {
    const wxSize size = graph->GetClientSize();
    return RenderToBitmap(size, [&](wxDC& dc) { graph->Render(dc, size); }).ConvertToImage();
  }
  wxFrame frame;
  StubPage* page;
  CXYLineGraph* graph;
};

wxColour At(const wxImage& image, int x, int y) {
  return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}
wxColour At(const wxImage& image, PixelPoint point) { return At(image, point.x, point.y); }

wxColour Of(Rgb colour) { return wxColour(colour.red, colour.green, colour.blue); }

int CountOf(const wxImage& image, const PixelRect& area, const wxColour& colour) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) count += At(image, x, y) == colour;
  }
  return count;
}

void SavePng(const wxImage& image, const char* name) {
  if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
  EXPECT_TRUE(image.SaveFile(wxString(GUI_ARTEFACT_DIR "/") + name, wxBITMAP_TYPE_PNG));
}

TEST(ProfileGraph, DrawsThePlotTheWarningBarOnlyWhereStepsWarnAndTheBailoutBanner) {
  ProfileWindow window(wxSize(800, 400));
  CXYLineGraph& graph = *window.graph;
  graph.SetRanges(0, 100, 0, 50);
  graph.SetInvertY(true);
  graph.SetXAxisTime(true);
  graph.SetShowXAxisLabel(true);
  graph.SetShowYAxisLabel(true);
  graph.SetXAxisLabel("Time (mm:ss)");
  graph.SetYAxisLabel("Depth (m)");
  graph.AddDataSet();
  for (auto [x, y] : {std::pair{0, 0}, {50, 40}, {100, 0}}) graph.AddPoint(x, y);
  // Warning flags 1, 0, 0, 1 at 10, 20, 30 and 40 s.
  graph.AddDataSet();
  graph.SetDataSetLabel(kErrorBarLabel);
  graph.SetDataSetColour(kWarningBarColour);
  for (auto [x, y] : {std::pair{10, 1}, {20, 0}, {30, 0}, {40, 1}}) graph.AddPoint(x, y);

  // Without data only the window's face shows.
  const wxColour face = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
  wxImage image = window.Rendered();
  EXPECT_EQ(CountOf(image, {1, 1, 799, 399}, face), 798 * 398);

  graph.SetDrawData(true);
  image = window.Rendered();
  const PixelRect plot = graph.PlotLayout().plotRect;
  ASSERT_GT(plot.Width(), 600);
  const PixelPoint centre{(plot.left + plot.right) / 2, (plot.top + plot.bottom) / 2};
  EXPECT_EQ(At(image, centre), wxColour(30, 130, 255));
  // The bar lies 8 pixels above the plot bottom from 20 s to 40 s, and nowhere else.
  const int barY = plot.bottom - 8;
  const int from = graph.ValueToScreenX(20);
  const int to = graph.ValueToScreenX(40);
  for (int x : {from + 2, (from + to) / 2, to - 2}) EXPECT_EQ(At(image, x, barY), *wxRED) << x;
  for (int dy : {-4, 4}) EXPECT_EQ(At(image, (from + to) / 2, barY + dy), *wxRED);
  for (int x : {graph.ValueToScreenX(10) + 2, from - 2, to + 2, graph.ValueToScreenX(90)}) {
    EXPECT_EQ(At(image, x, barY), wxColour(30, 130, 255)) << x;
  }
  EXPECT_EQ(CountOf(image, plot, Of(kBannerTextColour)), 0);

  graph.bailoutMode = true;
  image = window.Rendered();
  const PixelRect middle{centre.x - 300, centre.y - 50, centre.x + 300, centre.y + 50};
  EXPECT_GT(CountOf(image, middle, Of(kBannerTextColour)), 2000);
  EXPECT_EQ(At(image, from + 2, barY), *wxRED);  // the data is drawn over the banner
}

// Sends Escape once the menu is on the screen and takes the keys, so that the test goes on.
class MenuCloser : public wxTimer {
 public:
  void Notify() override {
    if (!PopupOnScreen()) return;
    Stop();
    wxUIActionSimulator().Char(WXK_ESCAPE);
  }
};

struct OfferedItem {
  wxString label;
  bool enabled;
};

// What a right click at the point offers.
std::vector<OfferedItem> RightClickMenu(CGraph& graph, const wxPoint& point) {
  std::vector<OfferedItem> offered;
  MenuCloser closer;
  auto record = [&](wxMenuEvent& event) {
    if (event.GetMenu() != nullptr && offered.empty()) {
      for (wxMenuItem* item : event.GetMenu()->GetMenuItems()) {
        if (!item->IsSeparator()) offered.push_back({item->GetItemLabelText(), item->IsEnabled()});
      }
      closer.Start(20);
    }
    event.Skip();
  };
  bool closed = false;
  auto recordClose = [&](wxMenuEvent& event) {
    closed = true;
    event.Skip();
  };
  graph.Bind(wxEVT_MENU_OPEN, record);
  graph.Bind(wxEVT_MENU_CLOSE, recordClose);
  wxUIActionSimulator mouse;
  mouse.MouseMove(graph.ClientToScreen(point));
  mouse.MouseClick(wxMOUSE_BTN_RIGHT);
  EXPECT_TRUE(SettleUntil([&] { return !offered.empty() && closed; })) << "no menu came and went";
  graph.Unbind(wxEVT_MENU_OPEN, record);
  graph.Unbind(wxEVT_MENU_CLOSE, recordClose);
  return offered;
}

class ProfileGraphWindow : public DiveTest {};

TEST_F(ProfileGraphWindow, ADragZoomsARightClickOffersTheBailoutMenuAndTheCursorReadsTheDive) {
  CDivePlan dive = MadeDive();
  PlanOpenCircuitTrimix(dive);
  ASSERT_TRUE(Calculate(dive));
  ProfileWindow window(wxSize(1200, 600));
  window.page->dive = &dive;
  CXYLineGraph& graph = *window.graph;
  SetUpProfileGraph(graph, UnitSystem::kMetric, true);
  FeedProfileGraph(graph, &dive, false, UnitSystem::kMetric);
  SetProfileGraphLabels(graph, UnitSystem::kMetric, true);
  std::vector<std::intptr_t> cursorTimes;
  framework::BindMessage(*window.page, WMU_GRAPH_CURSOR_MOVED, [&](std::intptr_t time, std::intptr_t from) {
    if (from == reinterpret_cast<std::intptr_t>(&graph)) cursorTimes.push_back(time);
    return std::intptr_t{0};
  });
  window.frame.Show();
  window.frame.Raise();
  graph.Draw();
  ASSERT_TRUE(SettleUntil(Drawn(graph)));
  const PixelRect plot = graph.PlotLayout().plotRect;
  ASSERT_FALSE(plot.IsEmpty());
  const double fullSpan = graph.GetXSpan();

  // The menu on the open-circuit dive: the bailout commands greyed, Reset Zoom too until a zoom.
  const wxPoint inside(graph.ValueToScreenX(1000), (plot.top + plot.bottom) / 2);
  std::vector<OfferedItem> offered = RightClickMenu(graph, inside);
  ASSERT_EQ(offered.size(), 3u);
  EXPECT_EQ(offered[0].label, "Bailout from cursor");
  EXPECT_FALSE(offered[0].enabled);
  EXPECT_FALSE(offered[1].enabled);
  EXPECT_EQ(offered[2].label, "Reset Zoom");
  EXPECT_FALSE(offered[2].enabled);

  // Dragging from 10 to 20 minutes narrows time to a whole number of 150 s around them.
  wxUIActionSimulator mouse;
  mouse.MouseMove(graph.ClientToScreen(wxPoint(graph.ValueToScreenX(600), inside.y)));
  Settle(50);
  mouse.MouseDown();
  for (int t = 700; t <= 1200; t += 100) {
    mouse.MouseMove(graph.ClientToScreen(wxPoint(graph.ValueToScreenX(t), inside.y)));
    Settle(30);
  }
  mouse.MouseUp();
  ASSERT_TRUE(SettleUntil([&] { return graph.GetXSpan() < fullSpan; }));
  EXPECT_LE(graph.XAxis().min, 600);
  EXPECT_GE(graph.XAxis().max, 1200);
  EXPECT_LT(graph.GetXSpan(), 1200);
  EXPECT_EQ(graph.Mode(), kModeCursor);
  EXPECT_TRUE(graph.IsZoomed());
  ASSERT_FALSE(cursorTimes.empty());

  graph.bailoutMode = true;
  offered = RightClickMenu(graph, inside);
  ASSERT_EQ(offered.size(), 3u);
  EXPECT_EQ(offered[0].label, "Return to Dive");
  EXPECT_EQ(offered[1].label, "Clear Bailout");
  EXPECT_TRUE(offered[2].enabled);  // a zoom is in force now
  graph.bailoutMode = false;

  // Back to the whole dive with the cursor at the end of the bottom time, for the picture.
  graph.OnResetZoom();
  graph.Draw();
  ASSERT_TRUE(SettleUntil(Drawn(graph)));
  const wxPoint bottomEnd(graph.ValueToScreenX(1500), (plot.top + plot.bottom) / 2);
  mouse.MouseMove(graph.ClientToScreen(bottomEnd));
  ASSERT_TRUE(SettleUntil([&] { return !cursorTimes.empty() && std::abs(cursorTimes.back() - 1500) <= 5; }));
  ASSERT_TRUE(SettleUntil(Drawn(graph)));
  const wxImage shot = CaptureWindow(graph).ConvertToImage();
  SavePng(shot, "profile-graph.png");
  // The cursor line of the Part's colour stands at the cursor.
  EXPECT_EQ(At(shot, bottomEnd.x, plot.top + 20), Of(kCursorColour));
}

TEST_F(ProfileGraphWindow, TheDetailsChartDrawsSixteenBarsAgainstTheSurfacingLimit) {
  wxFrame owner(nullptr, wxID_ANY, "Owner", wxPoint(20, 20), wxSize(200, 100));
  owner.Show();
  wxWeakRef<CDetails> details = new CDetails(&owner);
  details->SetCoefficientSet(kZhl16C);
  ASSERT_TRUE(details->Show());
  // Nitrogen alone at its limit in every compartment at GF High 80 % with a 1000 mbar surface:
  // 1000 x (0.8 / b - 0.8 + 1) + 0.8 a of ZH-L16C, a 100 % bar.
  DetailsValues& values = details->values;
  values.hasData = true;
  values.decoSurfacePressureMbar = 1000;
  values.gfHighPercent = 80;
  for (int i = 0; i < kCompartmentCount; ++i) {
    Zhl16Compartment c;
    ASSERT_TRUE(Zhl16Coefficients().GetCompartment(kZhl16C, i, c));
    values.nitrogenMbar[static_cast<std::size_t>(i)] = 1000 * (0.8 / c.nitrogenB - 0.8 + 1) + 0.8 * c.nitrogenAMbar;
  }
  details->DrawReadouts();
  ASSERT_TRUE(SettleUntil(Drawn(*details)));
  CBarGraph& bars = *details->BarGraph();
  const wxSize size = bars.GetClientSize();
  const wxImage image = RenderToBitmap(size, [&](wxDC& dc) { bars.Render(dc, size); }).ConvertToImage();
  const GraphLayout& layout = bars.PlotLayout();
  const int halfHeight = layout.originY - layout.plotHeight / 2;
  const wxColour cyan = Of(kNitrogenBarColour);
  for (int i = 1; i <= kCompartmentCount; ++i) {
    const int x = layout.originX + static_cast<int>(i * layout.xPixelsPerTick);
    EXPECT_EQ(At(image, x, layout.originY - 3), cyan) << i;
    EXPECT_EQ(At(image, x, halfHeight + 2), cyan) << i;
    EXPECT_NE(At(image, x, halfHeight - 2), cyan) << i;
  }
  // Tick labels 1 to 16 under the bars; none at the origin (0) or at the end (17).
  auto darkPixels = [&](int x) {
    int dark = 0;
    for (int y = layout.originY + 5; y < layout.originY + 17; ++y) {  // above the window frame
      for (int dx = -6; dx <= 6; ++dx) dark += At(image, x + dx, y).GetLuminance() < 0.3;
    }
    return dark;
  };
  EXPECT_GT(darkPixels(layout.originX + static_cast<int>(layout.xPixelsPerTick)), 5);
  EXPECT_EQ(darkPixels(layout.originX), 0);
  EXPECT_EQ(darkPixels(layout.originX + static_cast<int>(17 * layout.xPixelsPerTick)), 0);

  // OK closes the window and the reference to it goes with it.
  wxUIActionSimulator mouse;
  wxWindow* ok = details->FindWindow(framework::kIdOk);
  ASSERT_NE(ok, nullptr);
  mouse.MouseMove(ok->GetScreenRect().GetPosition() + wxPoint(10, 8));
  mouse.MouseClick();
  EXPECT_TRUE(SettleUntil([&] { return !details; }));
}

}  // namespace
}  // namespace views
