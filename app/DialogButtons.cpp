#include "app/DialogButtons.h"

#include "framework/TemplateWindows.h"
#include "resources/resource.h"
#include "views/ShadedButtons.h"

namespace app {

void StyleOkCancelButtons(wxWindow& dialog, int okTooltipId, int cancelTooltipId) {
  views::StyleShadedButton(dialog, framework::kIdOk, IDI_OK, okTooltipId);
  views::StyleShadedButton(dialog, framework::kIdCancel, IDI_CANCEL, cancelTooltipId);
}

}  // namespace app
