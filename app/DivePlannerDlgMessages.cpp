#include <wx/utils.h>

#include "app/DivePlannerDlg.h"
#include "framework/Messages.h"
#include "framework/PrivateMessages.h"
#include "resources/resource.h"

namespace app {

void CDivePlannerDlg::BindMessages() {
  auto bind = [this](unsigned message, std::function<void(std::intptr_t wParam)> handler) {
    framework::BindMessage(*this, message, [handler = std::move(handler)](std::intptr_t wParam, std::intptr_t) {
      handler(wParam);
      return std::intptr_t{0};
    });
  };
  bind(framework::wmu::kDiveTabRightClick, [this](std::intptr_t) { OnDiveTabRightClick(); });
}

void CDivePlannerDlg::OnDiveTabRightClick() {
  controls::CIconMenu menu;
  if (!menu.LoadMenu(IDR_DIVES_POPUP)) return;
  menu.LoadToolbarImages(IDR_DIVES_TOOLBAR);
  if (wxMenu* popup = menu.Popup(0)) PopupMenu(popup, ScreenToClient(wxGetMousePosition()));
}

}  // namespace app
