#include "app/AboutDlg.h"

#include <wx/statbmp.h>

#include "views/ShadedButtons.h"
#include "controls/HyperlinkLabel.h"
#include "engine/support/VersionInfo.h"
#include "framework/ResourceImages.h"
#include "platform/Registry.h"
#include "platform/ResourceModule.h"
#include "resources/resource.h"

namespace app {
namespace {

// The program's icon at the largest size the slot takes, rather than its first, smallest image.
wxBitmap LargestIcon(int iconId, const wxSize& slot) {
  const std::optional<std::string> bytes = platform::FindImageFile(platform::ImageKind::Icon, iconId);
  wxImage image = bytes ? framework::DecodeImage(*bytes, wxBITMAP_TYPE_ICO) : wxImage();
  if (!image.IsOk()) return wxNullBitmap;
  const int side = std::min(slot.x, slot.y);
  if (image.GetWidth() > side) image.Rescale(side, side, wxIMAGE_QUALITY_HIGH);
  return wxBitmap(image);
}

void SetLinkTarget(wxWindow& dialog, int linkId, const char* valueName) {
  auto* link = dynamic_cast<controls::CHyperlinkLabel*>(dialog.FindWindow(linkId));
  if (link == nullptr) return;
  link->SetURL(wxString::FromUTF8(platform::Registry().ReadString(CAboutDlg::kAddressesKey, valueName).value_or("")));
  link->SetUnderline(controls::CHyperlinkLabel::kUnderlineAlways);
}

}  // namespace

CAboutDlg::CAboutDlg(wxWindow* parent) : TemplateDialog(IDD_ABOUTBOX, parent) {}

wxWindow* CAboutDlg::CreateControl(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                                   const wxSize& size) {
  if (control.id == IDC_ABOUT_EMAIL || control.id == IDC_ABOUT_WEBSITE) {
    return new controls::CHyperlinkLabel(parent, control.id, framework::TemplateText(control.text), position, size);
  }
  if (control.id == IDC_ABOUT_ICON) return new wxStaticBitmap(parent, control.id, LargestIcon(IDI_ABOUT, size), position, size);
  return views::MakeShadedButton(parent, control, position, size);
}

bool CAboutDlg::OnInitDialog() {
  TemplateDialog::OnInitDialog();
  views::StyleShadedButton(*this, framework::kIdOk, IDI_OK, 0);
  SetLinkTarget(*this, IDC_ABOUT_EMAIL, "Velmar email");
  SetLinkTarget(*this, IDC_ABOUT_WEBSITE, "Velmar Website");
  CVersionInfo version;
  version.LoadOwnModule();
  if (wxWindow* name = FindWindow(IDC_ABOUT_VERSION)) {
    name->SetLabel(wxString::FromUTF8("Velmar Tessaline " + CVersionInfo::DottedVersion(version.GetProductVersion())));
  }
  return true;
}

}  // namespace app
