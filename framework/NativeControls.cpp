#include "framework/NativeControls.h"

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace framework {

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

}  // namespace framework
