#include "views/DialogKeys.h"

namespace views {

void MoveFocusOnEnter(wxWindow& dialog) {
  dialog.Bind(wxEVT_CHAR_HOOK, [&dialog](wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER) && !event.HasAnyModifiers()) {
      if (wxWindow* focus = wxWindow::FindFocus()) focus->Navigate();
      else dialog.Navigate();
      return;
    }
    event.Skip();
  });
}

}  // namespace views
