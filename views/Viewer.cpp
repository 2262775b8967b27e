#include "views/Viewer.h"

#include <filesystem>

#include <wx/filedlg.h>
#include <wx/utils.h>
#include <wx/weakref.h>

#include "engine/AppSettings.h"
#include "engine/NumberText.h"
#include "platform/UserInterface.h"
#include "platform/WholeFiles.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"
#include "views/BrowserHostWnd.h"
#include "views/HeldCloseRequests.h"
#include "views/Notes.h"
#include "views/ShadedButtons.h"
#include "views/core/HtmlText.h"
#include "views/core/TableNotes.h"
#include "views/core/ViewerDocument.h"

namespace views {
namespace {

using controls::anchor::kBottomLeft;
using controls::anchor::kBottomRight;
using controls::anchor::kTopLeft;

struct ViewerButton {
  int id;
  int tooltipId;
};
constexpr ViewerButton kButtons[] = {{IDC_VIEWER_EXIT, IDS_VIEWER_TIP_EXIT},
                                     {IDC_VIEWER_PREVIEW, IDS_VIEWER_TIP_PREVIEW},
                                     {IDC_VIEWER_PRINT, IDS_VIEWER_TIP_PRINT},
                                     {IDC_VIEWER_SAVE, IDS_VIEWER_TIP_SAVE},
                                     {IDC_VIEWER_NOTES, IDS_VIEWER_TIP_NOTES}};

// A page header and footer of a single blank: the printed pages carry none.
constexpr const char* kNoPageText = " ";

}  // namespace

CViewer::CViewer(wxWindow* parent) : CResizableDialog(IDD_VIEWER, parent) {
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnPrint(); }, IDC_VIEWER_PRINT);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnPreview(); }, IDC_VIEWER_PREVIEW);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnSave(); }, IDC_VIEWER_SAVE);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnEditNotes(); }, IDC_VIEWER_NOTES);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(framework::kIdOk); }, IDC_VIEWER_EXIT);
  Bind(EVT_BROWSER_HOST_NOTIFY, &CViewer::OnBrowserNotify, this);
}

wxWindow* CViewer::CreateControl(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                                 const wxSize& size) {
  return MakeShadedButton(parent, control, position, size);
}

bool CViewer::OnInitDialog() {
  CResizableDialog::OnInitDialog();
  browser_ = new CBrowser;
  if (!browser_->CreateFromControl(this, IDC_VIEWER_BROWSER)) {
    delete browser_;
    browser_ = nullptr;
  }
  AddAnchor(IDC_VIEWER_BROWSER, kTopLeft, kBottomRight);
  for (int id : {IDC_VIEWER_SAVE, IDC_VIEWER_NOTES, IDC_VIEWER_PREVIEW, IDC_VIEWER_PRINT}) {
    AddAnchor(id, kBottomLeft, kBottomLeft);
  }
  AddAnchor(IDC_VIEWER_EXIT, kBottomRight, kBottomRight);
  EnableSaveRestore("VelmarTessalineViewer");
  for (const ViewerButton& button : kButtons) StyleShadedButton(*this, button.id, 0, button.tooltipId);
  ShowDocument();
  return true;
}

int CViewer::ShowModal() {
  const wxWeakRef<wxWindow> focused = wxWindow::FindFocus();
  // From the viewer's start until it is modal on the screen, a close request of another window
  // would be lost (the toolkit drops those that come while a modal window starts): each is kept
  // and sent again once the viewer has closed.
  CHeldCloseRequests heldCloses;
  heldCloses.Hold(*this);
  if (!Create()) return -1;  // made: its document is there, no wait is left before it is shown
  heldCloses.HoldEvenDroppedRequests();
  const framework::OnScreenWatch modalOnScreen(*this, [&heldCloses] { heldCloses.Release(); });
  const int result = CResizableDialog::ShowModal();
  // The desktop makes the window under the viewer active again; its keys go to the control
  // that had them, not to one the toolkit picks.
  if (focused && focused->IsShownOnScreen() && focused->IsEnabled()) focused->SetFocus();
  return result;
}

void CViewer::ShowDocument() {
  if (!browser_) return;
  browser_->Clear();
  browser_->Write(html_);
}

void CViewer::OnBrowserNotify(CBrowserHostNotify& event) {
  if (event.GetCode() != CBrowserHostNotify::kBeforeNavigate || StaysInViewer(event.GetUrl())) return;
  event.Veto();
  if (OpensInDesktopBrowser(event.GetUrl())) wxLaunchDefaultBrowser(wxString::FromUTF8(event.GetUrl()));
}

void CViewer::OnPrint() {
  if (browser_) browser_->Print(kNoPageText, kNoPageText);
}

void CViewer::OnPreview() {
  if (browser_) browser_->PrintPreview(kNoPageText, kNoPageText);
}

void CViewer::OnSave() {
  wxFileDialog dialog(this, wxString::FromUTF8(ResourceString(IDS_VIEWER_SAVE_TITLE)),
                      wxString::FromUTF8(AppSettings().directories.plansAndDives.Get()),
                      wxString::FromUTF8(ResourceString(IDS_VIEWER_SAVE_NAME)),
                      wxString::FromUTF8(ResourceString(IDS_VIEWER_SAVE_FILTER)), wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
  if (dialog.ShowModal() != wxID_OK) return;
  // The toolkit leaves the whole path empty when the dialog was answered before it was shown;
  // its folder and name are the choice then.
  std::filesystem::path path(dialog.GetPath().utf8_string());
  if (path.empty()) path = std::filesystem::path(dialog.GetDirectory().utf8_string()) / dialog.GetFilename().utf8_string();
  if (path.filename().empty()) return;  // no name given: nothing to write
  if (path.extension().empty()) path += ".html";
  std::string error;
  if (!platform::ReplaceFileContents(path, DocumentFileBytes(html_), 0666, &error)) {
    platform::AskUser(FormatC(ResourceFormat(IDS_VIEWER_SAVE_FAILED).c_str(), path.string().c_str(), error.c_str()),
                      platform::mb::kOk | platform::mb::kIconExclamation);
  }
}

void CViewer::OnEditNotes() {
  // A document without a table footer has no place for notes.
  if (html_.find("</TFOOT>") == std::string::npos) return;
  CNotes notes(this);
  notes.m_notes = ReadTableNotes(html_);
  if (notes.ShowModal() != framework::kIdOk) return;
  html_ = WriteTableNotes(html_, notes.m_notes);
  ShowDocument();
}

}  // namespace views
