#include "controls/HelpPopup.h"

#include <wx/app.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/weakref.h>

#include "resources/ProgramResources.h"

namespace controls {
namespace {

// The ground is the program's own pale yellow rather than the theme's tooltip colour, so the
// text is dark whatever the theme: its tooltip text may be light, meant for a dark tooltip.
const wxColour kBackground(255, 255, 208);
const wxColour kText(0, 0, 0);
constexpr int kMarginX = 4;
constexpr int kMarginY = 3;

wxWeakRef<HelpPopup>& CurrentPopup() {
  static wxWeakRef<HelpPopup> current;
  return current;
}

}  // namespace

HelpPopup::HelpPopup(wxWindow* parent, const wxString& text) : wxPopupTransientWindow(parent, wxBORDER_SIMPLE), text_(text) {
  SetBackgroundColour(kBackground);
  auto* label = new wxStaticText(this, wxID_ANY, text);
  label->SetBackgroundColour(kBackground);
  label->SetForegroundColour(kText);
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(label, 0, wxLEFT | wxRIGHT, FromDIP(kMarginX));
  sizer->InsertSpacer(0, FromDIP(kMarginY));
  sizer->AddSpacer(FromDIP(kMarginY));
  SetSizerAndFit(sizer);
}

HelpPopup* HelpPopup::Current() { return CurrentPopup().get(); }

void HelpPopup::OnDismiss() { Destroy(); }

HelpPopup* ShowHelpPopup(wxWindow* item, const wxPoint& screenPoint, int controlId) {
  const std::string text = ResourceString(controlId);
  if (text.empty()) return nullptr;
  wxWindow* parent = item != nullptr ? wxGetTopLevelParent(item) : wxTheApp->GetTopWindow();
  if (parent == nullptr) return nullptr;
  if (HelpPopup* old = CurrentPopup().get()) old->Destroy();
  auto* popup = new HelpPopup(parent, wxString::FromUTF8(text));
  popup->Position(screenPoint, wxSize(0, 0));
  // The focus stays where it is: taken by the pop-up, it would be nowhere once the pop-up closes.
  popup->Popup(wxWindow::FindFocus());
  CurrentPopup() = popup;
  return popup;
}

}  // namespace controls
