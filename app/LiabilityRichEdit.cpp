#include "app/LiabilityRichEdit.h"

#include <array>

#include <wx/textctrl.h>

#include "views/ShadedButtons.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"

namespace app {
namespace {

using controls::anchor::kBottomCentre;
using controls::anchor::kBottomRight;
using controls::anchor::kTopLeft;

constexpr int kRunCount = IDS_DISCLAIMER_RUN_14 - IDS_DISCLAIMER_RUN_1 + 1;
constexpr std::array<int, 6> kBoldRuns = {1, 4, 5, 7, 9, 13};

bool IsBoldRun(int run) { return std::find(kBoldRuns.begin(), kBoldRuns.end(), run) != kBoldRuns.end(); }

// The runs end their lines the desktop way; the text control wants plain line feeds.
wxString RunText(int run) {
  wxString text = wxString::FromUTF8(ResourceString(IDS_DISCLAIMER_RUN_1 + run - 1));
  text.Replace("\r\n", "\n");
  return text;
}

}  // namespace

CLiabilityRichEdit::CLiabilityRichEdit(wxWindow* parent) : CResizableDialog(IDD_LIABILITY, parent) {
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(framework::kIdCancel); }, IDC_LIABILITY_EXIT);
}

wxString CLiabilityRichEdit::FullText() {
  wxString text;
  for (int run = 1; run <= kRunCount; ++run) text += RunText(run);
  return text;
}

wxWindow* CLiabilityRichEdit::CreateControl(wxWindow* parent, const platform::DialogControl& control,
                                            const wxPoint& position, const wxSize& size) {
  return views::MakeShadedButton(parent, control, position, size);
}

bool CLiabilityRichEdit::OnInitDialog() {
  CResizableDialog::OnInitDialog();
  AddAnchor(IDC_LIABILITY_TEXT, kTopLeft, kBottomRight);
  AddAnchor(framework::kIdOk, kBottomCentre, kBottomCentre);
  AddAnchor(IDC_LIABILITY_EXIT, kBottomCentre, kBottomCentre);
  EnableSaveRestore("VelmarTessalineLiability");
  views::StyleShadedButton(*this, framework::kIdOk, IDI_OK, 0);
  views::StyleShadedButton(*this, IDC_LIABILITY_EXIT, IDI_DONE, 0);
  FillText();
  return true;
}

void CLiabilityRichEdit::FillText() {
  auto* text = dynamic_cast<wxTextCtrl*>(FindWindow(IDC_LIABILITY_TEXT));
  if (text == nullptr) return;
  wxFont regular = text->GetFont();
  wxFont bold = regular.Bold();
  for (int run = 1; run <= kRunCount; ++run) {
    text->SetDefaultStyle(wxTextAttr(wxNullColour, wxNullColour, IsBoldRun(run) ? bold : regular));
    text->AppendText(RunText(run));
  }
  text->SetInsertionPoint(0);
  text->ShowPosition(0);
}

}  // namespace app
