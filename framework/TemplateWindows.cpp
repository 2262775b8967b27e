#include "framework/TemplateWindows.h"

#include <wx/button.h>
#include <wx/textctrl.h>

#include "platform/ResourceModule.h"
#include "resources/ProgramResources.h"

namespace framework {
namespace {

constexpr std::uint32_t kWsCaption = 0x00C00000;
constexpr std::uint32_t kWsSysMenu = 0x00080000;

std::optional<platform::DialogTemplate> FindTemplate(int id) {
  ProgramResources();
  return platform::FindDialogTemplate(id);
}

}  // namespace

TemplateDialog::TemplateDialog(int templateId, wxWindow* parent) : templateId_(templateId), parent_(parent) {}

long TemplateDialog::FrameStyle(const platform::DialogTemplate& dialog) const {
  long frame = 0;
  if (dialog.style & kWsCaption) frame |= wxCAPTION;
  if (dialog.style & kWsSysMenu) frame |= wxSYSTEM_MENU | wxCLOSE_BOX;
  if (dialog.style & style::kThickFrame) frame |= wxRESIZE_BORDER;
  return frame;
}

bool TemplateDialog::Create() {
  if (created_) return true;
  std::optional<platform::DialogTemplate> dialog = FindTemplate(templateId_);
  if (!dialog) return false;
  if (!wxDialog::Create(parent_, wxID_ANY, wxString::FromUTF8(dialog->caption), wxDefaultPosition, wxDefaultSize,
                        FrameStyle(*dialog))) {
    return false;
  }
  created_ = true;
  SetClientSize(TemplateRectToPixels(this, 0, 0, dialog->width, dialog->height).GetSize());
  defaultButton_ = BuildTemplateControls(
      this, *dialog, [this](wxWindow* parent, const platform::DialogControl& c, const wxPoint& p, const wxSize& s) {
        return CreateControl(parent, c, p, s);
      });
  SetAffirmativeId(kIdOk);
  SetEscapeId(kIdCancel);
  if (auto* button = dynamic_cast<wxButton*>(defaultButton_)) button->SetDefault();
  Bind(wxEVT_INIT_DIALOG, [](wxInitDialogEvent&) {});  // OnInitDialog below does the first exchange
  Bind(wxEVT_CHAR_HOOK, &TemplateDialog::OnCharHook, this);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndDialog(kIdCancel); }, kIdCancel);  // wx would end with its own id
  Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
    // The close box of a modal dialog cancels it, as the Cancel button does.
    if (IsModal()) Cancel();
    else event.Skip();
  });
  CentreOnParent();
  OnInitDialog();
  return true;
}

int TemplateDialog::ShowModal() {
  if (!Create()) return -1;
  return wxDialog::ShowModal();
}

bool TemplateDialog::Show(bool show) {
  if (show && !Create()) return false;
  return created_ ? wxDialog::Show(show) : false;
}

wxWindow* TemplateDialog::CreateControl(wxWindow*, const platform::DialogControl&, const wxPoint&, const wxSize&) {
  return nullptr;
}

bool TemplateDialog::OnInitDialog() { return UpdateData(false); }

bool TemplateDialog::UpdateData(bool save) {
  DoDataExchange(save);
  return true;
}

void TemplateDialog::ReloadTemplateTexts() {
  std::optional<platform::DialogTemplate> dialog = FindTemplate(templateId_);
  if (!created_ || !dialog) return;
  SetTitle(wxString::FromUTF8(dialog->caption));
  ApplyTemplateCaptions(*this, *dialog);
}

bool TemplateDialog::TransferDataToWindow() { return UpdateData(false); }
bool TemplateDialog::TransferDataFromWindow() { return UpdateData(true); }

void TemplateDialog::Cancel() {
  wxWindow* cancel = FindWindow(kIdCancel);
  if (cancel != nullptr && !cancel->IsEnabled()) return;
  if (cancel != nullptr) {
    wxCommandEvent click(wxEVT_BUTTON, kIdCancel);
    click.SetEventObject(cancel);
    cancel->GetEventHandler()->ProcessEvent(click);
  } else if (IsModal()) {
    EndModal(kIdCancel);
  }
}

void TemplateDialog::OnCharHook(wxKeyEvent& event) {
  const int key = event.GetKeyCode();
  if (key == WXK_ESCAPE && !event.HasAnyModifiers()) {
    Cancel();
    return;
  }
  if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER) && defaultButton_ != nullptr && defaultButton_->IsEnabled() &&
      !event.HasAnyModifiers()) {
    wxWindow* focus = FindFocus();
    auto* text = dynamic_cast<wxTextCtrl*>(focus);
    // A multi-line box takes Enter as a line end only while it can be typed into.
    const bool focusTakesEnter =
        (text != nullptr && text->IsMultiLine() && text->IsEditable()) || dynamic_cast<wxButton*>(focus) != nullptr;
    if (!focusTakesEnter) {
      wxCommandEvent click(wxEVT_BUTTON, defaultButton_->GetId());
      click.SetEventObject(defaultButton_);
      defaultButton_->GetEventHandler()->ProcessEvent(click);
      return;
    }
  }
  event.Skip();
}

TemplatePanel::TemplatePanel(int templateId, int captionId) : templateId_(templateId), captionId_(captionId) {}

bool TemplatePanel::Create(wxWindow* parent) {
  std::optional<platform::DialogTemplate> dialog = FindTemplate(templateId_);
  if (!dialog || !wxPanel::Create(parent, wxID_ANY)) return false;
  SetCaption(*dialog);
  SetClientSize(TemplateRectToPixels(this, 0, 0, dialog->width, dialog->height).GetSize());
  BuildTemplateControls(
      this, *dialog, [this](wxWindow* p, const platform::DialogControl& c, const wxPoint& pos, const wxSize& size) {
        return CreateControl(p, c, pos, size);
      });
  OnInitDialog();
  return true;
}

void TemplatePanel::SetCaption(const platform::DialogTemplate& dialog) {
  caption_ = wxString::FromUTF8(captionId_ != 0 ? ResourceString(captionId_) : dialog.caption);
}

void TemplatePanel::ReloadTemplateTexts(const std::vector<int>& readouts) {
  std::optional<platform::DialogTemplate> dialog = FindTemplate(templateId_);
  if (GetHandle() == nullptr || !dialog) return;
  SetCaption(*dialog);
  ApplyTemplateCaptions(*this, *dialog, readouts);
}

wxWindow* TemplatePanel::CreateControl(wxWindow*, const platform::DialogControl&, const wxPoint&, const wxSize&) {
  return nullptr;
}

bool TemplatePanel::OnInitDialog() { return UpdateData(false); }

bool TemplatePanel::UpdateData(bool save) {
  DoDataExchange(save);
  return true;
}

}  // namespace framework
