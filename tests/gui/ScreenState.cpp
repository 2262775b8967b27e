#include "tests/gui/ScreenState.h"

#include <memory>

#include <gtk/gtk.h>

namespace {

// Notes that a widget was drawn since a wait first asked about it.
struct DrawWatch {
  GtkWidget* widget = nullptr;
  bool drawn = false;
};

gboolean NoteDrawn(GtkWidget*, cairo_t*, gpointer data) {
  (*static_cast<std::shared_ptr<DrawWatch>*>(data))->drawn = true;
  return FALSE;
}

void ForgetWatch(gpointer data, GClosure*) { delete static_cast<std::shared_ptr<DrawWatch>*>(data); }

}  // namespace

bool OnScreen(wxWindow& window) {
  if (!window.IsShownOnScreen()) return false;
  auto* widget = static_cast<GtkWidget*>(window.GetHandle());
  GdkWindow* own = gtk_widget_get_window(widget);
  return gtk_widget_get_mapped(widget) && own != nullptr && gdk_window_is_viewable(own);
}

bool PopupOnScreen() {
  GtkWidget* grab = gtk_grab_get_current();
  if (grab == nullptr) return false;
  // The toolkit takes the grab once the popup is up and holds the keyboard and the mouse.
  GdkWindow* popup = gtk_widget_get_window(gtk_widget_get_toplevel(grab));
  return popup != nullptr && gdk_window_is_viewable(popup);
}

std::function<bool()> Drawn(std::function<wxWindow*()> window) {
  auto watch = std::make_shared<DrawWatch>();
  return [window = std::move(window), watch] {
    wxWindow* shown = window();
    if (shown == nullptr || !OnScreen(*shown)) return false;
    auto* widget = static_cast<GtkWidget*>(shown->GetHandle());
    if (watch->widget != widget) {
      // What was drawn before this wait began may have been drawn before the window's last
      // change: a draw is asked for, and awaited.
      *watch = DrawWatch{widget, false};
      g_signal_connect_data(widget, "draw", G_CALLBACK(NoteDrawn), new std::shared_ptr<DrawWatch>(watch), ForgetWatch,
                            G_CONNECT_AFTER);
      gtk_widget_queue_draw(widget);
      return false;
    }
    return watch->drawn;
  };
}

std::function<bool()> Drawn(wxWindow& window) {
  return Drawn([&window] { return &window; });
}

bool FocusWithin(wxWindow& window) {
  for (wxWindow* focus = wxWindow::FindFocus(); focus != nullptr; focus = focus->GetParent()) {
    if (focus == &window) return true;
  }
  return false;
}

std::chrono::milliseconds DoubleClickTime() {
  gint milliseconds = 400;
  g_object_get(gtk_settings_get_default(), "gtk-double-click-time", &milliseconds, nullptr);
  return std::chrono::milliseconds(milliseconds);
}
