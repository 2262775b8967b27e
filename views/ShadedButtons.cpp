#include "views/ShadedButtons.h"

#include "controls/ImageButton.h"
#include "framework/TemplateBuilder.h"
#include "resources/resource.h"

namespace views {

wxWindow* MakeShadedButton(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                           const wxSize& size) {
  const std::uint32_t type = control.style & framework::style::kButtonTypeMask;
  if (control.className != "Button" || type > framework::style::kDefaultButton) return nullptr;
  return new controls::CShadedButton(parent, control.id, framework::TemplateText(control.text), position, size);
}

void StyleShadedButton(wxWindow& dialog, int buttonId, int iconId, int tooltipId) {
  auto* button = dynamic_cast<controls::CShadedButton*>(dialog.FindWindow(buttonId));
  if (button == nullptr) return;
  button->SetShadeStyle(6, 8, 10, 0, *wxBLACK);
  if (iconId != 0) button->SetIcon(iconId);
  button->SetButtonCursor(IDC_HAND_POINTER, true);
  button->SetTooltipTextId(tooltipId, true);
}

}  // namespace views
