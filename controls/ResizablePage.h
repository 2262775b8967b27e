#pragma once
// A property page whose children follow their anchors; its size when made is its smallest.
#include "controls/AnchorLayout.h"
#include "framework/TemplateWindows.h"

namespace controls {

class CResizablePage : public framework::TemplatePanel {
 public:
  CResizablePage(int templateId, int captionId = 0);
  ~CResizablePage() override;

  CAnchorLayout& Anchors() { return layout_; }

 protected:
  bool OnInitDialog() override;
  void AddAnchor(int childId, Anchor topLeft, Anchor bottomRight) { layout_.AddAnchor(childId, topLeft, bottomRight); }

 private:
  CAnchorLayout layout_;
};

}  // namespace controls
