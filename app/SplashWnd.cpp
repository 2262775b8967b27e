#include "app/SplashWnd.h"

#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/display.h>

#include "framework/ResourceImages.h"

namespace app {
namespace {

bool enabled = true;
CSplashWnd* current = nullptr;

bool IsPress(wxEventType type) {
  // A key press reaches the window hook before the key itself.
  return type == wxEVT_CHAR_HOOK || type == wxEVT_KEY_DOWN || type == wxEVT_LEFT_DOWN || type == wxEVT_RIGHT_DOWN ||
         type == wxEVT_MIDDLE_DOWN;
}

}  // namespace

CSplashWnd::CSplashWnd(wxWindow* parent, const wxBitmap& bitmap)
    : wxPopupWindow(parent, wxBORDER_NONE), bitmap_(bitmap), timer_(this) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  SetClientSize(bitmap.GetSize());
  Bind(wxEVT_PAINT, &CSplashWnd::OnPaint, this);
  Bind(wxEVT_TIMER, [](wxTimerEvent&) { Hide(); });
}

CSplashWnd::~CSplashWnd() {
  if (current == this) current = nullptr;
}

void CSplashWnd::SetEnabled(bool on) { enabled = on; }

CSplashWnd* CSplashWnd::Current() { return current; }

bool CSplashWnd::Show(int timeoutMs, int bitmapId, wxWindow* parent) {
  if (!enabled || current != nullptr) return false;
  const wxBitmap bitmap = framework::LoadResourceBitmap(bitmapId);
  if (!bitmap.IsOk()) return false;
  auto* splash = new CSplashWnd(parent, bitmap);
  if (splash->GetHandle() == nullptr) {
    delete splash;
    return false;
  }
  current = splash;
  const int display = parent != nullptr ? wxDisplay::GetFromWindow(parent) : wxNOT_FOUND;
  const wxRect screen = wxDisplay(display == wxNOT_FOUND ? 0u : static_cast<unsigned>(display)).GetGeometry();
  splash->SetPosition(wxRect(splash->GetSize()).CentreIn(screen).GetPosition());
  splash->wxPopupWindow::Show();
  splash->Update();
  splash->timer_.StartOnce(timeoutMs);
  return true;
}

void CSplashWnd::Hide() {
  CSplashWnd* splash = current;
  if (splash == nullptr) return;
  current = nullptr;
  splash->timer_.Stop();
  wxWindow* owner = splash->GetParent();
  splash->wxPopupWindow::Destroy();
  if (owner != nullptr) {
    owner->Refresh();
    owner->Update();
  }
}

bool CSplashWnd::FilterInput(const wxEvent& event) {
  if (current == nullptr || !IsPress(event.GetEventType())) return false;
  Hide();
  return true;
}

void CSplashWnd::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  dc.DrawBitmap(bitmap_, 0, 0);
}

}  // namespace app
