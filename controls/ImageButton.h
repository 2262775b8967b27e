#pragma once
// Push buttons drawn by the program: CImageButton draws a flat face that lights up under the
// mouse, an icon left of its caption (both greyed when disabled), a raised frame while hovered
// and a sunken one while pressed, and shows its own cursor and tooltip. CShadedButton paints its
// face from generated shaded pictures, faded when disabled. A click sends wxEVT_BUTTON with the
// button's id.
#include <wx/bitmap.h>
#include <wx/control.h>
#include <wx/cursor.h>

#include "controls/core/ShadedFace.h"

namespace controls {

class CImageButton : public wxControl {
 public:
  CImageButton(wxWindow* parent, wxWindowID id, const wxString& caption, const wxPoint& position, const wxSize& size);

  // 0, or 1 when the icon cannot be loaded (the button then has none).
  int SetIcon(int iconId, int unused = 0);
  // The icon resource last set, 0 when none was.
  int IconId() const { return iconId_; }
  // Id 0 clears the cursor; 1 when loading failed, else 0.
  int SetButtonCursor(int cursorId, bool repaint = true);
  void SetTooltipText(const wxString& text, bool activate = true);
  void SetTooltipTextId(int stringId, bool activate = true);

  // Enter on the focused button clicks it, before its dialog could give the key to a default
  // button; off, the key goes on to the dialog (for dialogs where Enter only moves the focus).
  void SetClickOnEnter(bool click) { clickOnEnter_ = click; }

  bool IsHovering() const { return hover_; }
  bool IsPressed() const { return pressed_; }
  bool Enable(bool enable = true) override;
  bool AcceptsFocus() const override { return true; }

  // Draws the button as it looks now, as the paint handler does.
  void Render(wxDC& dc);

 protected:
  wxSize DoGetBestClientSize() const override;
  virtual void PaintFace(wxDC& dc, const wxRect& rect);
  virtual void PaintBorder(wxDC& dc, const wxRect& rect);
  virtual void PaintIcon(wxDC& dc, bool hasCaption, const wxRect& item, wxRect& caption, bool pressed, bool disabled);
  virtual void PaintCaption(wxDC& dc, const wxString& caption, const wxRect& item, const wxRect& area, bool pressed,
                            bool disabled);

 private:
  void OnPaint(wxPaintEvent& event);
  void OnMouseMove(wxMouseEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnKeyDown(wxKeyEvent& event);
  void SetHover(bool hover);
  void EndPress();
  void Click();

  bool hover_ = false;
  bool pressed_ = false;
  bool clickOnEnter_ = true;
  wxBitmap icon_;
  int iconId_ = 0;
  wxCursor cursor_;
};

class CShadedButton : public CImageButton {
 public:
  using CImageButton::CImageButton;

  // Builds the normal, hover and disabled faces for the button's present size.
  void SetShadeStyle(int shadeType, int granularity, int highlightPercent, int colouringPercent, wxColour colouring);

 protected:
  void PaintFace(wxDC& dc, const wxRect& rect) override;

 private:
  wxBitmap normalFace_;
  wxBitmap hoverFace_;
  wxBitmap disabledFace_;
};

// The colours of the desktop's 3D elements that the faces are shaded with.
ShadeColours SystemShadeColours();
// An indexed face as a picture.
wxBitmap FaceBitmap(const IndexedImage& face);

}  // namespace controls
