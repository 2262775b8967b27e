#pragma once
// The splash picture shown while the main window starts: a borderless window with one bitmap,
// centred on the screen, gone after its time-out or at the first key or mouse press, which it
// swallows.
#include <wx/bitmap.h>
#include <wx/popupwin.h>
#include <wx/timer.h>

namespace app {

class CSplashWnd : public wxPopupWindow {
 public:
  ~CSplashWnd() override;

  // Whether Show may show a splash at all (the command line can switch it off).
  static void SetEnabled(bool enabled);
  // False when the splash is switched off, one is already shown, or the bitmap or the window
  // cannot be made.
  static bool Show(int timeoutMs, int bitmapId, wxWindow* parent);
  // Called for every event before anything else handles it: a key or button press while a
  // splash is shown hides it and is consumed (true).
  static bool FilterInput(const wxEvent& event);
  static void Hide();
  // The splash shown now, or nullptr.
  static CSplashWnd* Current();

 private:
  CSplashWnd(wxWindow* parent, const wxBitmap& bitmap);
  void OnPaint(wxPaintEvent& event);

  wxBitmap bitmap_;
  wxTimer timer_;
};

}  // namespace app
