#pragma once
// What the program asks of the toolkit's own controls beyond what wx offers.
#include <wx/combobox.h>
#include <wx/notebook.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>
#include <wx/window.h>

namespace framework {

// The toolkit's minimum width of the control, and the minimum height it asks for at the
// control's present width (a wrapping label needs more lines when narrow). Windows that the
// program draws itself ask for nothing: 0 × 0.
wxSize ToolkitMinimumSize(wxWindow& control);

// The scroll bars of a multi-line text control: an allowed bar shows only while the text needs
// it; a bar that is not allowed never shows, and the text still scrolls (by keys and wheel).
void SetTextScrollBars(wxTextCtrl& text, bool horizontalAllowed, bool verticalAllowed);

// Space in pixels between a multi-line text control's frame and its lines, left and right
// (the toolkit's own margins put the text against the frame).
void SetTextSideMargins(wxTextCtrl& text, int marginPx);

// Tab passes an editable combo box in one step, as the templates expect: the toolkit would
// also stop on its drop-down button.
void MakeOneTabStop(wxComboBox& box);

// Shows the notebook's page as a click on its tab does. The keyboard focus stays where it is,
// unless it was on the page that goes out of sight: then it moves to the page shown (or to its
// tab). The toolkit's own selection from code gives the focus to the page shown, even to a page
// that is not on the screen, where no key reaches it.
void ShowPageKeepingFocus(wxNotebook& book, std::size_t index);

// True while an open menu (of the menu bar or a context menu) or the list of a drop-down box
// holds the keyboard: a key pressed meanwhile is theirs (Escape closes them), not the window's.
bool IsPopupHoldingKeys();

// Takes the keyboard focus of the window's top-level window off the window and its children,
// before they move to another top-level window: a control must not stay that window's focus
// while it is shown elsewhere or nowhere.
void ReleaseKeyboardFocus(wxWindow& window);

// Takes the keyboard focus from the control of the window that has it, as a click on a part of
// the window that takes no focus does, and lets what leaving the control sets off be handled at
// once (a field takes its typed value when it is left). Returns the control left: nullptr when
// no control of the window had the focus.
wxWindow* LeaveFocusedControl(wxTopLevelWindow& window);

// Draws what is invalid in the window at once, as wxWindow::Update does, after the toolkit has
// placed what was added to or resized in its top-level window since its last frame: drawn
// before that, a page just added or a tab just inserted has no size yet.
void DrawNow(wxWindow& window);

}  // namespace framework
