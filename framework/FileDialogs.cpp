#include "framework/FileDialogs.h"

namespace framework {

wxString ChosenPath(const wxFileDialog& dialog) {
  const wxString picked = dialog.GetPath();
  return picked.empty() ? dialog.wxFileDialogBase::GetPath() : picked;
}

}  // namespace framework
