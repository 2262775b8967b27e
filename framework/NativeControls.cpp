#include "framework/NativeControls.h"

#include <algorithm>

#include <wx/app.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace framework {

wxSize ToolkitMinimumSize([[maybe_unused]] wxWindow& control) {
#ifdef __WXGTK__
  auto* widget = static_cast<GtkWidget*>(control.GetHandle());
  if (widget == nullptr || !control.IsOfStandardClass()) return wxSize(0, 0);
  int width = 0;
  int height = 0;
  gtk_widget_get_preferred_width(widget, &width, nullptr);
  gtk_widget_get_preferred_height_for_width(widget, std::max(width, control.GetSize().x), &height, nullptr);
  return wxSize(width, height);
#else
  return wxSize(0, 0);
#endif
}

void SetTextScrollBars([[maybe_unused]] wxTextCtrl& text, [[maybe_unused]] bool horizontalAllowed,
                       [[maybe_unused]] bool verticalAllowed) {
#ifdef __WXGTK__
  // A multi-line GTK text control is a text view inside a scrolled window, its handle.
  auto* widget = static_cast<GtkWidget*>(text.GetHandle());
  if (widget == nullptr || !GTK_IS_SCROLLED_WINDOW(widget)) return;
  // "External" hides a bar without making the window as large as the text.
  const auto policy = [](bool allowed) { return allowed ? GTK_POLICY_AUTOMATIC : GTK_POLICY_EXTERNAL; };
  gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(widget), policy(horizontalAllowed), policy(verticalAllowed));
#endif
}

void SetTextSideMargins([[maybe_unused]] wxTextCtrl& text, [[maybe_unused]] int marginPx) {
#ifdef __WXGTK__
  auto* widget = static_cast<GtkWidget*>(text.GetHandle());
  if (widget == nullptr || !GTK_IS_SCROLLED_WINDOW(widget)) return;
  GtkWidget* view = gtk_bin_get_child(GTK_BIN(widget));
  if (view == nullptr || !GTK_IS_TEXT_VIEW(view)) return;
  gtk_text_view_set_left_margin(GTK_TEXT_VIEW(view), marginPx);
  gtk_text_view_set_right_margin(GTK_TEXT_VIEW(view), marginPx);
#endif
}

#ifdef __WXGTK__
namespace {

// The drop-down button lies among the internal children, which only "forall" visits.
void KeepButtonsOutOfTabOrder(GtkWidget* widget, gpointer) {
  if (GTK_IS_BUTTON(widget)) gtk_widget_set_can_focus(widget, FALSE);
  else if (GTK_IS_CONTAINER(widget)) gtk_container_forall(GTK_CONTAINER(widget), KeepButtonsOutOfTabOrder, nullptr);
}

}  // namespace
#endif

void MakeOneTabStop([[maybe_unused]] wxComboBox& box) {
#ifdef __WXGTK__
  if (auto* widget = static_cast<GtkWidget*>(box.GetHandle())) KeepButtonsOutOfTabOrder(widget, nullptr);
#endif
}

bool IsPopupHoldingKeys() {
#ifdef __WXGTK__
  // An open popup takes the toolkit's grab; a menu of the menu bar opened with the mouse still
  // lets its keys pass through the frame's key hook before it sees them itself.
  return gtk_grab_get_current() != nullptr;
#else
  return false;
#endif
}

void ReleaseKeyboardFocus([[maybe_unused]] wxWindow& window) {
#ifdef __WXGTK__
  auto* widget = static_cast<GtkWidget*>(window.GetHandle());
  if (widget == nullptr) return;
  GtkWidget* top = gtk_widget_get_toplevel(widget);
  if (!GTK_IS_WINDOW(top)) return;
  GtkWidget* focus = gtk_window_get_focus(GTK_WINDOW(top));
  if (focus != nullptr && (focus == widget || gtk_widget_is_ancestor(focus, widget))) {
    gtk_window_set_focus(GTK_WINDOW(top), nullptr);
  }
#endif
}

void ShowPageKeepingFocus(wxNotebook& book, std::size_t index) {
#ifdef __WXGTK__
  // The toolkit's notebook moves the focus only off a page that it hides, as for a click.
  if (auto* widget = static_cast<GtkWidget*>(book.GetHandle()); widget != nullptr && GTK_IS_NOTEBOOK(widget)) {
    gtk_notebook_set_current_page(GTK_NOTEBOOK(widget), static_cast<gint>(index));
    return;
  }
#endif
  book.ChangeSelection(index);
}

wxWindow* LeaveFocusedControl(wxTopLevelWindow& window) {
  wxWindow* focus = wxWindow::FindFocus();
  if (focus == nullptr || focus == &window || wxGetTopLevelParent(focus) != &window) return nullptr;
#ifdef __WXGTK__
  gtk_window_set_focus(GTK_WINDOW(window.GetHandle()), nullptr);
#else
  window.SetFocusIgnoringChildren();
#endif
  // The toolkit tells the control that it lost the focus at idle time; the control then queues
  // what it does about it.
  wxTheApp->ProcessIdle();
  wxTheApp->ProcessPendingEvents();
  return focus;
}

void DrawNow(wxWindow& window) {
#ifdef __WXGTK__
  if (auto* widget = static_cast<GtkWidget*>(window.GetHandle())) {
    GtkWidget* top = gtk_widget_get_toplevel(widget);
    if (GTK_IS_WINDOW(top) && gtk_widget_get_visible(top)) gtk_container_check_resize(GTK_CONTAINER(top));
  }
#endif
  window.Update();
}

}  // namespace framework
