#include "views/DialogKeys.h"

#include "controls/ImageButton.h"

namespace views {
namespace {

// The program's buttons take Enter as a click unless told to leave it to the dialog.
void LeaveEnterToDialog(wxWindow& window) {
  for (wxWindow* child : window.GetChildren()) {
    if (auto* button = dynamic_cast<controls::CImageButton*>(child)) button->SetClickOnEnter(false);
    LeaveEnterToDialog(*child);
  }
}

}  // namespace

void MoveFocusOnEnter(wxWindow& dialog) {
  LeaveEnterToDialog(dialog);
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
