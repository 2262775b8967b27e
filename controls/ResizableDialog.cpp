#include "controls/ResizableDialog.h"

#include "controls/PlacementStore.h"

namespace controls {
namespace {

constexpr unsigned kGripHiddenWhileMaximised = 1u << 1;

}  // namespace

CResizableDialog::CResizableDialog(int templateId, wxWindow* parent) : CHelpDlg(templateId, parent), layout_(*this) {
  Bind(wxEVT_SIZE, &CResizableDialog::OnSize, this);
  Bind(wxEVT_MOVE, [this](wxMoveEvent& event) {
    RememberNormalRect();
    event.Skip();
  });
}

CResizableDialog::~CResizableDialog() {
  if (saveEnabled_) SaveWindowRect(*this, normalRect_, placementName_, rectOnly_);
  layout_.RemoveAllAnchors();
}

long CResizableDialog::FrameStyle(const platform::DialogTemplate& dialog) const {
  return CHelpDlg::FrameStyle(dialog) | wxRESIZE_BORDER;
}

bool CResizableDialog::OnInitDialog() {
  // The window keeps its template client size and cannot be made smaller than that.
  SetMinSize(GetSize());
  grip_ = new CSizeGrip(this, !HasFlag(wxPOPUP_WINDOW) && IsTopLevel());
  normalRect_ = GetRect();
  return CHelpDlg::OnInitDialog();
}

void CResizableDialog::EnableSaveRestore(const std::string& name, bool rectOnly) {
  placementName_ = name;
  rectOnly_ = rectOnly;
  saveEnabled_ = true;
  LoadWindowRect(*this, name, rectOnly);
  RememberNormalRect();
}

void CResizableDialog::RememberNormalRect() {
  if (!IsMaximized() && !IsIconized()) normalRect_ = GetRect();
}

void CResizableDialog::OnSize(wxSizeEvent& event) {
  event.Skip();
  if (grip_ != nullptr) {
    if (IsMaximized()) grip_->HideFor(kGripHiddenWhileMaximised);
    else grip_->ShowFor(kGripHiddenWhileMaximised);
    grip_->UpdatePlace();
  }
  RememberNormalRect();
  layout_.ArrangeChildren();
}

}  // namespace controls
