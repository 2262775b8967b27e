#include "app/DialogButtons.h"

#include <algorithm>

#include "controls/ImageButton.h"
#include "framework/TemplateWindows.h"
#include "resources/resource.h"

namespace app {

wxWindow* CreateShadedButton(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                             const wxSize& size, std::initializer_list<int> buttonIds) {
  if (std::find(buttonIds.begin(), buttonIds.end(), control.id) == buttonIds.end()) return nullptr;
  return new controls::CShadedButton(parent, control.id, framework::TemplateText(control.text), position, size);
}

void StyleShadedButton(wxWindow& dialog, int buttonId, int iconId, int tooltipId) {
  auto* button = dynamic_cast<controls::CShadedButton*>(dialog.FindWindow(buttonId));
  if (button == nullptr) return;
  button->SetShadeStyle(6, 8, 10, 0, *wxBLACK);
  if (iconId != 0) button->SetIcon(iconId);
  button->SetButtonCursor(IDC_HAND_POINTER, true);
  if (tooltipId != 0) button->SetTooltipTextId(tooltipId, true);
}

void StyleOkCancelButtons(wxWindow& dialog, int okTooltipId, int cancelTooltipId) {
  StyleShadedButton(dialog, framework::kIdOk, IDI_OK, okTooltipId);
  StyleShadedButton(dialog, framework::kIdCancel, IDI_CANCEL, cancelTooltipId);
}

}  // namespace app
