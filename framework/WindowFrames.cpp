#include "framework/WindowFrames.h"

#include <X11/Xlib.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>

namespace framework {
namespace {

GdkWindow* DisplayWindow(const wxWindow& window) {
  auto* widget = static_cast<GtkWidget*>(window.GetHandle());
  return widget == nullptr ? nullptr : gtk_widget_get_window(widget);
}

}  // namespace

std::optional<wxRect> FrameOnScreen(const wxTopLevelWindow& window) {
  GdkWindow* shown = DisplayWindow(window);
  if (shown == nullptr || !gdk_window_is_viewable(shown)) return std::nullopt;
  GdkRectangle frame;
  gdk_window_get_frame_extents(shown, &frame);
  return wxRect(frame.x, frame.y, frame.width, frame.height);
}

struct OnScreenWatch::Callbacks {
  static gboolean OnMapped(GtkWidget*, GdkEvent*, OnScreenWatch* watch) {
    watch->Disconnect();
    // The action may end the watch: it runs on a copy.
    const std::function<void()> action = std::move(watch->action_);
    if (action) action();
    return FALSE;
  }
};

OnScreenWatch::OnScreenWatch(wxTopLevelWindow& window, std::function<void()> action) : action_(std::move(action)) {
  auto* widget = static_cast<GtkWidget*>(window.GetHandle());
  if (widget == nullptr) return;
  widget_ = g_object_ref(widget);
  handler_ = g_signal_connect(widget, "map-event", G_CALLBACK(&Callbacks::OnMapped), this);
}

OnScreenWatch::~OnScreenWatch() { Disconnect(); }

void OnScreenWatch::Disconnect() {
  if (widget_ == nullptr) return;
  g_signal_handler_disconnect(widget_, handler_);
  g_object_unref(widget_);
  widget_ = nullptr;
}

struct CloseRequestFilter::Callbacks {
  static GdkFilterReturn Filter(GdkXEvent* xevent, GdkEvent*, gpointer data) {
    const auto* event = static_cast<const XEvent*>(xevent);
    if (event->type != ClientMessage || event->xclient.format != 32) return GDK_FILTER_CONTINUE;
    GdkDisplay* display = gdk_display_get_default();
    if (event->xclient.message_type != gdk_x11_get_xatom_by_name_for_display(display, "WM_PROTOCOLS") ||
        static_cast<Atom>(event->xclient.data.l[0]) !=
            gdk_x11_get_xatom_by_name_for_display(display, "WM_DELETE_WINDOW")) {
      return GDK_FILTER_CONTINUE;
    }
    for (wxWindow* window : wxTopLevelWindows) {
      auto* topLevel = dynamic_cast<wxTopLevelWindow*>(window);
      GdkWindow* shown = topLevel == nullptr ? nullptr : DisplayWindow(*topLevel);
      if (shown == nullptr || !GDK_IS_X11_WINDOW(shown) || gdk_x11_window_get_xid(shown) != event->xclient.window) {
        continue;
      }
      return static_cast<CloseRequestFilter*>(data)->take_(*topLevel) ? GDK_FILTER_REMOVE : GDK_FILTER_CONTINUE;
    }
    return GDK_FILTER_CONTINUE;
  }
};

CloseRequestFilter::CloseRequestFilter(std::function<bool(wxTopLevelWindow&)> take) : take_(std::move(take)) {
  gdk_window_add_filter(nullptr, &Callbacks::Filter, this);
}

CloseRequestFilter::~CloseRequestFilter() {
  gdk_window_remove_filter(nullptr, &Callbacks::Filter, this);
}

}  // namespace framework
