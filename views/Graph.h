#pragma once
// The window of the program's charts (the profile graph of a dive page, the compartment chart
// of the Details window): the display-free graph (views/core/GraphModel.h) drawn in paint
// events through an off-screen picture, and driven by the mouse and its context menu. It tells
// its parent window of every cursor move and of the bailout commands by private messages.
//
// What does not move with the cursor (background, axes, banners, data) is drawn once into a
// picture that is kept while nothing it shows changes, so that a cursor move only copies it and
// draws the cursor, the warning tip and the read-out over it.
//
// Members by concern:
//   Graph.cpp         window, painting, mouse and context menu
//   GraphDrawing.cpp  the drawing services the derived graphs combine
#include <cstdint>

#include <wx/bitmap.h>
#include <wx/window.h>

#include "views/core/GraphModel.h"

namespace views {

// The toolkit's character height of a font of that cell height in pixels.
int CharacterHeight(int cellHeight);

class CGraph : public wxWindow, public GraphModel {
 public:
  // Makes the window; false when it cannot be made.
  bool Create(wxWindow* parent, wxWindowID id, const wxPoint& position, const wxSize& size);

  // Shows what the graph holds now; the owner calls it after every change it makes.
  void Draw();
  // Paints the graph as it stands for a client area of that size.
  void Render(wxDC& dc, const wxSize& size);
  // The page whose dive the graph shows: its parent window, when that is a page.
  const IGraphPage* Page() const;

 protected:
  explicit CGraph(int kind);

  // What does not move with the cursor; the layout of the draw is set here.
  virtual void DrawBase(wxDC& dc, const wxSize& size) = 0;
  // Drawn over the base at every cursor move.
  virtual void DrawOverlay(wxDC& /*dc*/) {}

  // --- Drawing services, in the order a draw may call them: background first, then the
  // legend (bar graph), then the axes, which fix the layout. ---
  void DrawBackground(wxDC& dc, const wxSize& size);
  void DrawLegend(wxDC& dc);
  void DrawAxes(wxDC& dc);
  void DrawZoomRect(wxDC& dc);
  void DrawCursorLines(wxDC& dc);
  void DrawWarningTip(wxDC& dc);
  void DrawWarningBox(wxDC& dc);
  void DrawReadout(wxDC& dc);

  // A font of the graph's face with a height in pixels.
  wxFont GraphFont(int height, bool bold, bool italic = false) const;

 private:
  // Everything the base picture shows; it is drawn again when any of it changed.
  struct BaseKey {
    std::uint64_t revision = 0;
    int width = 0;
    int height = 0;
    bool bailoutMode = false;
    bool diveReview = false;
    bool recalculationRequired = false;
    bool operator==(const BaseKey&) const = default;
  };
  BaseKey CurrentBaseKey(const wxSize& size) const;

  void DrawBanners(wxDC& dc);
  void DrawBanner(wxDC& dc, int textId, int fontHeight, bool centred);
  void DrawTicks(wxDC& dc);
  void DrawAxisTitles(wxDC& dc);

  void OnPaint(wxPaintEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnMotion(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnLeftDoubleClick(wxMouseEvent& event);
  void OnRightDown(wxMouseEvent& event);
  void OnSetCursor(wxSetCursorEvent& event);
  void BindCommands();
  void PostToParent(unsigned message, std::intptr_t wParam, std::intptr_t lParam);
  // This graph as a message parameter.
  std::intptr_t Self();

  wxBitmap base_;
  BaseKey baseKey_;
  bool hasBase_ = false;
};

}  // namespace views
