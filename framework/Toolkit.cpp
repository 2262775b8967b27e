#include "framework/Toolkit.h"

#include <clocale>

#include <wx/wx.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace framework {
namespace {

#ifdef __WXGTK__
// GTK's default padding asks 34-40 px for entries and buttons, where a 14-unit template slot has
// 30, and 22 px for check boxes and radio buttons, where a 10-unit slot may have 21.
constexpr const char* kCompactCss =
    "entry, combobox entry { min-height: 0; padding-top: 1px; padding-bottom: 1px; }\n"
    "button { min-height: 0; padding: 1px 6px; }\n"
    "combobox button { padding: 0 2px; }\n"
    "checkbutton, radiobutton { padding-top: 0; padding-bottom: 0; }\n";

void LoadCompactCss() {
  GdkScreen* screen = gdk_screen_get_default();
  if (screen == nullptr) return;
  GtkCssProvider* provider = gtk_css_provider_new();
  gtk_css_provider_load_from_data(provider, kCompactCss, -1, nullptr);
  gtk_style_context_add_provider_for_screen(screen, GTK_STYLE_PROVIDER(provider),
                                            GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  g_object_unref(provider);
}
#endif

}  // namespace

void NameProgram(wxAppConsole& app, const char* name) {
  app.SetAppName(name);
  app.SetClassName(name);
#ifdef __WXGTK__
  // GTK makes the window class of this name with its first letter in capitals: here the name itself.
  g_set_prgname(name);
#endif
}

void PrepareToolkit() {
  // GTK adopts the user's locale when it starts; numbers must not follow it.
  std::setlocale(LC_NUMERIC, "C");
#ifdef __WXGTK__
  LoadCompactCss();
#endif
}

}  // namespace framework
