#include "tests/gui/GuiTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <gdk/gdk.h>
#include <gtk/gtk.h>

namespace {

void FailOnAssert(const wxString& file, int line, const wxString& function, const wxString& condition,
                  const wxString& message) {
  ADD_FAILURE_AT(file.utf8_string().c_str(), line)
      << function.utf8_string() << ": " << condition.utf8_string() << " " << message.utf8_string();
}

void RecordGtkMessage(const gchar* domain, GLogLevelFlags level, const gchar* message, gpointer messages) {
  static_cast<std::vector<std::string>*>(messages)->push_back(message);
  g_log_default_handler(domain, level, message, nullptr);
}

}  // namespace

GtkLogRecorder::GtkLogRecorder()
    : handler_(g_log_set_handler("Gtk", G_LOG_LEVEL_CRITICAL,
                                 RecordGtkMessage, &messages_)) {}

GtkLogRecorder::~GtkLogRecorder() { g_log_remove_handler("Gtk", handler_); }

void FailTestsOnToolkitAsserts() { wxSetAssertHandler(FailOnAssert); }

bool ShowOnScreen(wxWindow& window) {
  window.Show();
  return SettleUntil(Drawn(window));
}

void Settle(int milliseconds) {
  SettleUntil([] { return false; }, milliseconds);
}

bool SettleUntil(const std::function<bool()>& done, int milliseconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  bool finished = false;
  do {
    wxTheApp->ProcessPendingEvents();
    while (wxTheApp->Pending()) wxTheApp->Dispatch();
    wxTheApp->ProcessIdle();
    finished = done();
    if (!finished) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  } while (!finished && std::chrono::steady_clock::now() < end);
  return finished;
}

void PressCloseBox(wxTopLevelWindow& window) {
  // A click on the close box reaches the program as the window manager's request to delete the
  // window.
  GdkWindow* frame = gtk_widget_get_window(static_cast<GtkWidget*>(window.GetHandle()));
  ASSERT_NE(frame, nullptr);
  GdkEvent* request = gdk_event_new(GDK_DELETE);
  request->any.window = GDK_WINDOW(g_object_ref(frame));
  request->any.send_event = TRUE;
  gdk_event_put(request);
  gdk_event_free(request);
}

void ClickUpperArrow(wxWindow& arrows) {
  wxUIActionSimulator mouse;
  const wxRect rect = arrows.GetScreenRect();
  mouse.MouseMove(rect.x + rect.width / 2, rect.y + rect.height / 4);
  Settle(20);
  mouse.MouseClick();
}

void TypeInto(wxWindow* field, const char* text) {
  field->SetFocus();
  if (auto* edit = dynamic_cast<wxTextCtrl*>(field)) edit->SelectAll();
  EXPECT_TRUE(SettleUntil([field] { return FocusWithin(*field); })) << "the field did not take the focus";
  wxUIActionSimulator keys;
  keys.Text(text);
  keys.Char(WXK_TAB);
  EXPECT_TRUE(SettleUntil([field] { return !FocusWithin(*field); })) << "Tab did not leave the field";
  // What leaving the field queued.
  wxTheApp->ProcessPendingEvents();
}

bool FindTabPoint(wxNotebook& notebook, int page, wxPoint& point) {
  const wxSize size = notebook.GetSize();
  for (int y = 2; y < std::min(size.y, 60); y += 3) {
    for (int x = 2; x < size.x; x += 3) {
      if (notebook.HitTest(wxPoint(x, y)) == page) {
        point = wxPoint(x + 6, y + 3);
        return true;
      }
    }
  }
  return false;
}

wxBitmap CaptureWindow(wxWindow& window) {
  // A screen device context of the toolkit keeps giving what the screen held when the process
  // first read it; the display's own picture of the screen is read afresh every time.
  const wxRect rect = window.GetScreenRect();
  GdkPixbuf* screen =
      gdk_pixbuf_get_from_window(gdk_get_default_root_window(), rect.x, rect.y, rect.width, rect.height);
  if (screen == nullptr) return wxBitmap();
  const int channels = gdk_pixbuf_get_n_channels(screen);
  const int stride = gdk_pixbuf_get_rowstride(screen);
  const guchar* pixels = gdk_pixbuf_get_pixels(screen);
  wxImage image(gdk_pixbuf_get_width(screen), gdk_pixbuf_get_height(screen));
  for (int y = 0; y < image.GetHeight(); ++y) {
    for (int x = 0; x < image.GetWidth(); ++x) {
      const guchar* pixel = pixels + y * stride + x * channels;
      image.SetRGB(x, y, pixel[0], pixel[1], pixel[2]);
    }
  }
  g_object_unref(screen);
  return wxBitmap(image);
}

wxBitmap RenderToBitmap(const wxSize& size, const std::function<void(wxDC&)>& render) {
  wxBitmap bitmap(size);
  wxMemoryDC dc(bitmap);
  render(dc);
  dc.SelectObject(wxNullBitmap);
  return bitmap;
}

int Brightness(const wxImage& image, const wxRect& area) {
  long long sum = 0;
  long long count = 0;
  for (int y = area.GetTop(); y <= area.GetBottom(); ++y) {
    for (int x = area.GetLeft(); x <= area.GetRight(); ++x) {
      sum += image.GetRed(x, y) + image.GetGreen(x, y) + image.GetBlue(x, y);
      ++count;
    }
  }
  return count > 0 ? static_cast<int>(sum / (3 * count)) : 0;
}
