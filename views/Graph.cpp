#include "views/Graph.h"

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/menu.h>

#include "controls/IconMenu.h"
#include "controls/MemDC.h"
#include "engine/PrivateMessages.h"
#include "framework/MenuBuilder.h"
#include "framework/Messages.h"
#include "framework/NativeControls.h"
#include "resources/resource.h"

namespace views {
namespace {

PixelPoint Pixel(const wxPoint& point) { return {point.x, point.y}; }

}  // namespace

CGraph::CGraph(int kind) : GraphModel(kind) {}

bool CGraph::Create(wxWindow* parent, wxWindowID id, const wxPoint& position, const wxSize& size) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);  // every pixel is painted by the graph
  if (!wxWindow::Create(parent, id, position, size, wxFULL_REPAINT_ON_RESIZE)) return false;
  Bind(wxEVT_PAINT, &CGraph::OnPaint, this);
  Bind(wxEVT_LEFT_DOWN, &CGraph::OnLeftDown, this);
  Bind(wxEVT_MOTION, &CGraph::OnMotion, this);
  Bind(wxEVT_LEFT_UP, &CGraph::OnLeftUp, this);
  Bind(wxEVT_LEFT_DCLICK, &CGraph::OnLeftDoubleClick, this);
  Bind(wxEVT_RIGHT_DOWN, &CGraph::OnRightDown, this);
  Bind(wxEVT_SET_CURSOR, &CGraph::OnSetCursor, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) {
    if (OnLButtonUp(MouseCursorPixel())) Draw();
  });
  BindCommands();
  return true;
}

void CGraph::Draw() {
  Refresh(false);
  framework::DrawNow(*this);
}

const IGraphPage* CGraph::Page() const { return dynamic_cast<const IGraphPage*>(GetParent()); }

CGraph::BaseKey CGraph::CurrentBaseKey(const wxSize& size) const {
  return {Revision(), size.x, size.y, bailoutMode, diveReview, recalculationRequired};
}

void CGraph::Render(wxDC& dc, const wxSize& size) {
  if (size.x <= 0 || size.y <= 0) return;
  const BaseKey key = CurrentBaseKey(size);
  if (!hasBase_ || !(key == baseKey_)) {
    base_.Create(size);
    wxMemoryDC memory(base_);
    DrawBase(memory, size);
    memory.SelectObject(wxNullBitmap);
    baseKey_ = key;
    hasBase_ = true;
  }
  dc.DrawBitmap(base_, 0, 0);
  DrawOverlay(dc);
}

void CGraph::OnPaint(wxPaintEvent&) {
  wxPaintDC window(this);
  const wxSize size = GetClientSize();
  controls::CMemDC offScreen(window, wxRect(size));
  Render(offScreen.Dc(), size);
}

void CGraph::PostToParent(unsigned message, std::intptr_t wParam, std::intptr_t lParam) {
  framework::PostMessage(GetParent(), message, wParam, lParam);
}

std::intptr_t CGraph::Self() { return reinterpret_cast<std::intptr_t>(this); }

void CGraph::OnLeftDown(wxMouseEvent& event) {
  SetFocus();
  if (!HasCapture()) CaptureMouse();
  OnLButtonDown(Pixel(event.GetPosition()));
}

void CGraph::OnMotion(wxMouseEvent& event) {
  if (OnMouseMove(event.LeftIsDown(), Pixel(event.GetPosition()))) Draw();
  PostToParent(WMU_GRAPH_CURSOR_MOVED, GetCursorX(), Self());
}

void CGraph::OnLeftUp(wxMouseEvent& event) {
  if (HasCapture()) ReleaseMouse();
  if (OnLButtonUp(Pixel(event.GetPosition()))) Draw();
}

void CGraph::OnLeftDoubleClick(wxMouseEvent& event) {
  if (OnLButtonDblClk(Pixel(event.GetPosition()))) Draw();
}

void CGraph::OnSetCursor(wxSetCursorEvent& event) {
  switch (Mode()) {
    case kModeZoom:
      event.SetCursor(wxCursor(arrowWhileZooming ? wxCURSOR_ARROW : wxCURSOR_CROSS));
      break;
    case kModePan:
      event.SetCursor(wxCursor(wxCURSOR_SIZING));
      break;
    case kModeCursor:
      event.SetCursor(wxCursor(wxCURSOR_ARROW));
      break;
    default:
      event.Skip();
  }
}

void CGraph::OnRightDown(wxMouseEvent& event) {
  const ContextMenuChoice choice = ContextMenu();
  controls::CIconMenu menu;
  if (!menu.LoadMenu(choice.menuId)) return;
  menu.LoadToolbarImages(choice.toolbarId);
  wxMenu* popup = menu.Popup(0);
  if (popup == nullptr) return;
  popup->UpdateUI(this);
  PopupMenu(popup, event.GetPosition());
}

void CGraph::BindCommands() {
  auto command = [this](int id, auto&& action) {
    Bind(wxEVT_MENU, [action](wxCommandEvent&) { action(); }, framework::ToolkitCommandId(id));
  };
  command(ID_GRAPH_ZOOM, [this] { OnZoom(); });
  command(ID_GRAPH_PAN, [this] { OnPan(); });
  command(ID_GRAPH_CURSOR, [this] { OnCursor(); });
  command(ID_GRAPH_PERSISTENT_CURSOR, [this] { OnPersistentCursor(); });
  command(ID_GRAPH_RESET, [this] {
    OnReset();
    Draw();
  });
  command(ID_GRAPH_RESET_ZOOM, [this] {
    OnResetZoom();
    Draw();
  });
  command(ID_GRAPH_BAILOUT_FROM_CURSOR, [this] { PostToParent(WMU_GRAPH_BAILOUT, GetCursorX(), 0); });
  command(ID_GRAPH_BAILOUT_FROM_SEGMENT_END, [this] { PostToParent(WMU_GRAPH_BAILOUT, GetCursorX(), 1); });
  command(ID_GRAPH_RETURN_TO_DIVE, [this] { PostToParent(WMU_GRAPH_RETURN_TO_DIVE, 0, Self()); });
  command(ID_GRAPH_CLEAR_BAILOUT, [this] { PostToParent(WMU_GRAPH_CLEAR_BAILOUT, 0, Self()); });

  auto update = [this](int id, auto&& enabled) {
    Bind(wxEVT_UPDATE_UI, [enabled](wxUpdateUIEvent& event) { event.Enable(enabled()); },
         framework::ToolkitCommandId(id));
  };
  update(ID_GRAPH_RESET_ZOOM, [this] { return IsResetZoomEnabled(); });
  update(ID_GRAPH_BAILOUT_FROM_CURSOR, [this] { return IsBailoutEnabled(Page()); });
  update(ID_GRAPH_BAILOUT_FROM_SEGMENT_END, [this] { return IsBailoutEnabled(Page()); });
}

}  // namespace views
