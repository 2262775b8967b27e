#include "framework/WindowFrames.h"

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
  static void Handle(GdkEvent* event, gpointer data) {
    if (event->type == GDK_DELETE && Take(event->any.window, *static_cast<CloseRequestFilter*>(data))) return;
    gtk_main_do_event(event);
  }

  static void ToolkitHandles(GdkEvent* event, gpointer) { gtk_main_do_event(event); }

  static bool Take(GdkWindow* requested, CloseRequestFilter& filter) {
    for (wxWindow* window : wxTopLevelWindows) {
      auto* topLevel = dynamic_cast<wxTopLevelWindow*>(window);
      if (topLevel != nullptr && DisplayWindow(*topLevel) == requested) return filter.take_(*topLevel);
    }
    return false;
  }
};

CloseRequestFilter::CloseRequestFilter(std::function<bool(wxTopLevelWindow&)> take) : take_(std::move(take)) {
  gdk_event_handler_set(&Callbacks::Handle, this, nullptr);
}

CloseRequestFilter::~CloseRequestFilter() {
  gdk_event_handler_set(&Callbacks::ToolkitHandles, nullptr, nullptr);
}

}  // namespace framework
