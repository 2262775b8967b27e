#include "controls/ResizableDialog.h"

#include "controls/PlacementStore.h"

namespace controls {
namespace {

constexpr unsigned kGripHiddenWhileMaximised = 1u << 1;

}  // namespace

CResizableDialog::CResizableDialog(int templateId, wxWindow* parent)
    : CHelpDlg(templateId, parent), layout_(*this), placement_(*this) {
  Bind(wxEVT_SIZE, &CResizableDialog::OnSize, this);
}

CResizableDialog::~CResizableDialog() {
  placement_.Save();
  layout_.RemoveAllAnchors();
}

long CResizableDialog::FrameStyle(const platform::DialogTemplate& dialog) const {
  return CHelpDlg::FrameStyle(dialog) | wxRESIZE_BORDER;
}

bool CResizableDialog::OnInitDialog() {
  // The window keeps its template client size and cannot be made smaller than that, unless the
  // screen is smaller.
  const Extent smallest = SmallestWindowSize(Extent{GetSize().x, GetSize().y}, WorkAreaOf(*this));
  SetMinSize(wxSize(smallest.width, smallest.height));
  grip_ = new CSizeGrip(this, !HasFlag(wxPOPUP_WINDOW) && IsTopLevel());
  return CHelpDlg::OnInitDialog();
}

void CResizableDialog::EnableSaveRestore(const std::string& name, bool rectOnly) {
  placement_.EnableSaveRestore(name, rectOnly);
}

int CResizableDialog::ShowModal() {
  if (!Create()) return -1;
  FitOnWorkAreaNowAndOnScreen();
  return CHelpDlg::ShowModal();
}

bool CResizableDialog::Show(bool show) {
  if (show && !IsShown() && Create()) FitOnWorkAreaNowAndOnScreen();
  return CHelpDlg::Show(show);
}

void CResizableDialog::EndModal(int result) {
  placement_.Remember();
  CHelpDlg::EndModal(result);
}

void CResizableDialog::FitOnWorkAreaNowAndOnScreen() {
  FitOnWorkArea(*this);
  fitOnScreen_ = std::make_unique<framework::OnScreenWatch>(*this, [this] { FitOnWorkArea(*this); });
}

void CResizableDialog::OnSize(wxSizeEvent& event) {
  event.Skip();
  if (grip_ != nullptr) {
    if (IsMaximized()) grip_->HideFor(kGripHiddenWhileMaximised);
    else grip_->ShowFor(kGripHiddenWhileMaximised);
    grip_->UpdatePlace();
  }
  layout_.ArrangeChildren();
}

}  // namespace controls
