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

void CHeldCloseRequests::HoldEvenDroppedRequests() {
  requests_ = std::make_unique<framework::CloseRequestFilter>([this](wxTopLevelWindow& window) {
    if (!Watched(window)) return false;
    Keep(window);
    return true;
  });
}

void CHeldCloseRequests::Release() {
  for (const wxWeakRef<wxWindow>& window : watched_) {
    if (window) window->Unbind(wxEVT_CLOSE_WINDOW, &CHeldCloseRequests::OnClose, this);
  }
  watched_.clear();
  requests_.reset();
}

bool CHeldCloseRequests::Watched(const wxWindow& window) const {
  return std::any_of(watched_.begin(), watched_.end(),
                     [&window](const wxWeakRef<wxWindow>& watched) { return watched == &window; });
}

void CHeldCloseRequests::Keep(wxWindow& window) {
  if (std::none_of(kept_.begin(), kept_.end(), [&window](const wxWeakRef<wxWindow>& kept) { return kept == &window; })) {
    kept_.emplace_back(&window);
  }
}

void CHeldCloseRequests::OnClose(wxCloseEvent& event) {
  // A close that cannot be refused goes through, as it would have.
  if (!event.CanVeto()) {
    event.Skip();
    return;
  }
  event.Veto();
  if (auto* window = dynamic_cast<wxWindow*>(event.GetEventObject())) Keep(*window);
}

}  // namespace views
