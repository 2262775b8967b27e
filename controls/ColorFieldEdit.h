#pragma once
// An edit box drawn by the program: its text in the text colour on the background colour,
// inside the desktop's entry frame, with one range of characters shown selected while it has
// the focus, and no caret. A text wider than the box scrolls to keep the selection in view.
#include <wx/control.h>

namespace controls {

class CColorFieldEdit : public wxControl {
 public:
  CColorFieldEdit(wxWindow* parent, wxWindowID id, const wxPoint& position, const wxSize& size);

  bool AcceptsFocus() const override { return true; }
  const wxString& ShownText() const { return text_; }
  // The index of the character under x (client coordinates): −1 left of the text, the text's
  // length right of it.
  int CharacterIndexAt(int x);

  // Draws the edit as it looks now, as the paint handler does.
  void Render(wxDC& dc);

 protected:
  // Characters start ≤ index < end are shown selected.
  void ShowText(const wxString& text, int selectionStart, int selectionEnd);
  wxSize DoGetBestClientSize() const override;

 private:
  // Where the character boundaries lie, from the start of the text.
  wxArrayInt Boundaries(wxDC& dc) const;
  int ScrollOffset(const wxArrayInt& boundaries) const;

  wxColour background_{255, 255, 255};
  wxColour textColour_{0, 0, 0};
  wxString text_;
  int selectionStart_ = 0;
  int selectionEnd_ = 0;
};

}  // namespace controls
