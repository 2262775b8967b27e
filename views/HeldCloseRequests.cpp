#include "views/HeldCloseRequests.h"

#include <algorithm>

#include <wx/app.h>
#include <wx/toplevel.h>

namespace views {

CHeldCloseRequests::~CHeldCloseRequests() {
  Release();
  if (wxTheApp == nullptr) return;  // the program is ending: nothing is left to close
  for (const wxWeakRef<wxWindow>& window : kept_) {
    wxTheApp->CallAfter([window] {
      if (window) window->Close();
    });
  }
}

void CHeldCloseRequests::Hold(wxWindow& own) {
  const wxWindow* ownTop = wxGetTopLevelParent(&own);
  for (wxWindow* window : wxTopLevelWindows) {
    if (window == ownTop || window->IsBeingDeleted()) continue;
    // Bound last, this handler comes before the window's own.
    window->Bind(wxEVT_CLOSE_WINDOW, &CHeldCloseRequests::OnClose, this);
    watched_.emplace_back(window);
  }
}

void CHeldCloseRequests::Release() {
  for (const wxWeakRef<wxWindow>& window : watched_) {
    if (window) window->Unbind(wxEVT_CLOSE_WINDOW, &CHeldCloseRequests::OnClose, this);
  }
  watched_.clear();
}

void CHeldCloseRequests::OnClose(wxCloseEvent& event) {
  // A close that cannot be refused goes through, as it would have.
  if (!event.CanVeto()) {
    event.Skip();
    return;
  }
  event.Veto();
  auto* window = dynamic_cast<wxWindow*>(event.GetEventObject());
  if (window == nullptr) return;
  if (std::none_of(kept_.begin(), kept_.end(), [window](const wxWeakRef<wxWindow>& kept) { return kept == window; })) {
    kept_.emplace_back(window);
  }
}

}  // namespace views
