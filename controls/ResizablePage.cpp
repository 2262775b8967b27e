#include "controls/ResizablePage.h"

namespace controls {

CResizablePage::CResizablePage(int templateId, int captionId) : TemplatePanel(templateId, captionId), layout_(*this) {
  Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    event.Skip();
    layout_.ArrangeChildren();
  });
}

CResizablePage::~CResizablePage() { layout_.RemoveAllAnchors(); }

bool CResizablePage::OnInitDialog() {
  SetMinSize(GetSize());
  return TemplatePanel::OnInitDialog();
}

}  // namespace controls
