#include "framework/TemplateBuilder.h"

#include <algorithm>

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/gauge.h>
#include <wx/listbox.h>
#include <wx/listctrl.h>
#include <wx/notebook.h>
#include <wx/radiobut.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/button.h>

#include "framework/NativeControls.h"
#include "framework/ResourceImages.h"
#include "framework/UpDownControl.h"

namespace framework {
namespace {

enum ButtonType : std::uint32_t {
  kPush = 0, kDefPush = 1, kCheck = 2, kAutoCheck = 3, kRadio = 4, kThreeState = 5, kAutoThreeState = 6,
  kGroupBox = 7, kAutoRadio = 9
};
enum StaticType : std::uint32_t {
  kLeft = 0, kCentre = 1, kRight = 2, kIcon = 3, kSimple = 0xB, kLeftNoWrap = 0xC, kBitmap = 0xE,
  kEtchedHorizontal = 0x10, kEtchedVertical = 0x11
};

bool Has(std::uint32_t style, std::uint32_t bit) { return (style & bit) == bit; }

// Style bits of edit, combo box, list box and list view controls.
constexpr std::uint32_t kEditAlignMask = 0x3, kEditCentre = 1, kEditRight = 2, kEditMultiLine = 0x4,
                        kEditPassword = 0x20, kEditReadOnly = 0x800;
constexpr std::uint32_t kComboTypeMask = 0x3, kComboDropDownList = 3, kComboSort = 0x100;
constexpr std::uint32_t kListSort = 0x2, kListMultipleSel = 0x8, kListExtendedSel = 0x800;
constexpr std::uint32_t kViewTypeMask = 0x3, kViewReport = 1, kViewSmallIcon = 2, kViewList = 3, kViewSingleSel = 0x4,
                        kViewNoHeader = 0x4000;
constexpr std::uint32_t kUpDownWrap = 0x1, kUpDownSetBuddyInt = 0x2, kUpDownAutoBuddy = 0x10, kUpDownArrowKeys = 0x20;
constexpr std::uint32_t kProgressVertical = 0x4;

long BorderOf(const platform::DialogControl& control, long otherwise) {
  if (control.exStyle & style::kExClientEdge) return wxBORDER_SUNKEN;
  if (control.exStyle & style::kExStaticEdge) return wxBORDER_STATIC;
  if (control.style & style::kBorder) return wxBORDER_SIMPLE;
  return otherwise;
}

wxWindow* MakeButton(wxWindow* parent, const platform::DialogControl& c, const wxPoint& pos, const wxSize& size) {
  const wxString label = TemplateText(c.text);
  switch (c.style & style::kButtonTypeMask) {
    case kCheck:
    case kAutoCheck: return new wxCheckBox(parent, c.id, label, pos, size);
    case kThreeState:
    case kAutoThreeState: return new wxCheckBox(parent, c.id, label, pos, size, wxCHK_3STATE | wxCHK_ALLOW_3RD_STATE_FOR_USER);
    case kRadio:
    case kAutoRadio: return new wxRadioButton(parent, c.id, label, pos, size, Has(c.style, style::kGroup) ? wxRB_GROUP : 0);
    case kGroupBox: return new wxStaticBox(parent, c.id, label, pos, size);
    default: return new wxButton(parent, c.id, label, pos, size);
  }
}

wxWindow* MakeStatic(wxWindow* parent, const platform::DialogControl& c, const wxPoint& pos, const wxSize& size) {
  switch (c.style & style::kStaticTypeMask) {
    case kLeft:
    case kSimple:
    case kLeftNoWrap: return new wxStaticText(parent, c.id, TemplateText(c.text), pos, size, wxST_NO_AUTORESIZE | wxALIGN_LEFT);
    case kCentre:
      return new wxStaticText(parent, c.id, TemplateText(c.text), pos, size, wxST_NO_AUTORESIZE | wxALIGN_CENTRE_HORIZONTAL);
    case kRight: return new wxStaticText(parent, c.id, TemplateText(c.text), pos, size, wxST_NO_AUTORESIZE | wxALIGN_RIGHT);
    case kIcon: {
      wxIcon icon = LoadResourceIcon(c.textId);
      wxBitmap bitmap;
      if (icon.IsOk()) bitmap.CopyFromIcon(icon);
      return new wxStaticBitmap(parent, c.id, bitmap.IsOk() ? bitmap : wxNullBitmap, pos, size.x > 0 ? size : wxDefaultSize);
    }
    case kBitmap: return new wxStaticBitmap(parent, c.id, LoadResourceBitmap(c.textId), pos, size);
    case kEtchedHorizontal: return new wxStaticLine(parent, c.id, pos, wxSize(size.x, -1), wxLI_HORIZONTAL);
    case kEtchedVertical: return new wxStaticLine(parent, c.id, pos, wxSize(-1, size.y), wxLI_VERTICAL);
    default: return new wxWindow(parent, c.id, pos, size, BorderOf(c, wxBORDER_SIMPLE));  // frames, rectangles
  }
}

wxWindow* MakeEdit(wxWindow* parent, const platform::DialogControl& c, const wxPoint& pos, const wxSize& size, long extra) {
  long flags = extra;
  if (c.style & kEditMultiLine) flags |= wxTE_MULTILINE;
  if (c.style & kEditPassword) flags |= wxTE_PASSWORD;
  if (c.style & kEditReadOnly) flags |= wxTE_READONLY;
  if ((c.style & kEditAlignMask) == kEditCentre) flags |= wxTE_CENTRE;
  if ((c.style & kEditAlignMask) == kEditRight) flags |= wxTE_RIGHT;
  if (!(flags & wxTE_MULTILINE)) flags |= wxTE_PROCESS_ENTER;
  return new wxTextCtrl(parent, c.id, TemplateText(c.text), pos, size, flags | BorderOf(c, 0));
}

wxWindow* MakeComboBox(wxWindow* parent, const platform::DialogControl& c, const wxPoint& pos, const wxSize& size) {
  // The template height is the height of the open list; the closed box keeps its own height.
  const wxSize closed(size.x, -1);
  const bool sorted = (c.style & kComboSort) != 0;
  if ((c.style & kComboTypeMask) == kComboDropDownList) return new wxChoice(parent, c.id, pos, closed, 0, nullptr, sorted ? wxCB_SORT : 0);
  auto* box = new wxComboBox(parent, c.id, wxEmptyString, pos, closed, 0, nullptr, wxCB_DROPDOWN | (sorted ? wxCB_SORT : 0));
  MakeOneTabStop(*box);
  return box;
}

wxWindow* MakeListView(wxWindow* parent, const platform::DialogControl& c, const wxPoint& pos, const wxSize& size) {
  long flags = wxLC_ICON;
  switch (c.style & kViewTypeMask) {
    case kViewReport: flags = wxLC_REPORT; break;
    case kViewSmallIcon: flags = wxLC_SMALL_ICON; break;
    case kViewList: flags = wxLC_LIST; break;
    default: break;
  }
  if (c.style & kViewSingleSel) flags |= wxLC_SINGLE_SEL;
  if (c.style & kViewNoHeader) flags |= wxLC_NO_HEADER;
  return new wxListCtrl(parent, c.id, pos, size, flags | BorderOf(c, wxBORDER_THEME));
}

bool IsRadioButton(const platform::DialogControl& c) {
  if (c.className != "Button") return false;
  const std::uint32_t type = c.style & style::kButtonTypeMask;
  return type == kRadio || type == kAutoRadio;
}

bool ShowsCaption(const platform::DialogControl& c) {
  if (c.className == "Button") return true;
  if (c.className != "Static") return false;
  switch (c.style & style::kStaticTypeMask) {
    case kLeft:
    case kCentre:
    case kRight:
    case kSimple:
    case kLeftNoWrap: return true;
    default: return false;
  }
}

}  // namespace

void ApplyTemplateCaptions(wxWindow& parent, const platform::DialogTemplate& dialog, const std::vector<int>& readouts) {
  for (const platform::DialogControl& control : dialog.controls) {
    if (!ShowsCaption(control) || std::find(readouts.begin(), readouts.end(), control.id) != readouts.end()) continue;
    for (wxWindow* child : parent.GetChildren()) {
      if (child->GetId() == control.id) child->SetLabel(TemplateText(control.text));
    }
  }
}

wxString TemplateText(const std::string& text) { return wxString::FromUTF8(text); }

wxRect TemplateRectToPixels(wxWindow* parent, int x, int y, int width, int height) {
  const wxPoint topLeft = parent->ConvertDialogToPixels(wxPoint(x, y));
  const wxPoint bottomRight = parent->ConvertDialogToPixels(wxPoint(x + width, y + height));
  return wxRect(topLeft, wxSize(bottomRight.x - topLeft.x, bottomRight.y - topLeft.y));
}

wxWindow* CreateStandardControl(wxWindow* parent, const platform::DialogControl& c, const wxPoint& pos, const wxSize& size) {
  const std::string& kind = c.className;
  if (kind == "Button") return MakeButton(parent, c, pos, size);
  if (kind == "Static") return MakeStatic(parent, c, pos, size);
  if (kind == "Edit") return MakeEdit(parent, c, pos, size, 0);
  if (kind == "RichEdit20A") return MakeEdit(parent, c, pos, size, wxTE_RICH2 | wxTE_MULTILINE);
  if (kind == "ComboBox") return MakeComboBox(parent, c, pos, size);
  if (kind == "ListBox") {
    long flags = (c.style & kListSort) ? wxLB_SORT : 0;
    if (c.style & kListMultipleSel) flags |= wxLB_MULTIPLE;
    if (c.style & kListExtendedSel) flags |= wxLB_EXTENDED;
    return new wxListBox(parent, c.id, pos, size, 0, nullptr, flags | wxLB_NEEDED_SB);
  }
  if (kind == "SysListView32") return MakeListView(parent, c, pos, size);
  if (kind == "SysTabControl32") return new wxNotebook(parent, c.id, pos, size);
  if (kind == "msctls_progress32") return new wxGauge(parent, c.id, 100, pos, size, (c.style & kProgressVertical) ? wxGA_VERTICAL : wxGA_HORIZONTAL);
  if (kind == "msctls_updown32") return new UpDownControl(parent, c.id, pos, size, (c.style & kUpDownWrap) != 0, (c.style & kUpDownArrowKeys) != 0);
  return nullptr;
}

wxWindow* BuildTemplateControls(wxWindow* parent, const platform::DialogTemplate& dialog, const ControlCreator& creator) {
  wxWindow* defaultButton = nullptr;
  wxWindow* previous = nullptr;
  bool groupIsTabStop = false;
  for (const platform::DialogControl& control : dialog.controls) {
    if (control.style & style::kGroup) groupIsTabStop = (control.style & style::kTabStop) != 0;
    const wxRect place = TemplateRectToPixels(parent, control.x, control.y, control.width, control.height);
    wxWindow* window = creator ? creator(parent, control, place.GetPosition(), place.GetSize()) : nullptr;
    if (window == nullptr) window = CreateStandardControl(parent, control, place.GetPosition(), place.GetSize());
    if (window == nullptr) continue;
    if (auto* upDown = dynamic_cast<UpDownControl*>(window); upDown != nullptr && (control.style & kUpDownAutoBuddy)) {
      upDown->SetBuddy(previous, (control.style & kUpDownSetBuddyInt) != 0);  // the control made just before
    }
    if (control.className == "Button" && (control.style & style::kButtonTypeMask) == style::kDefaultButton) {
      defaultButton = window;
    }
    const bool tabStop = (control.style & style::kTabStop) != 0 || (IsRadioButton(control) && groupIsTabStop);
    if (!tabStop) window->DisableFocusFromKeyboard();
    if (control.style & style::kDisabled) window->Disable();
    if (!(control.style & style::kVisible)) window->Hide();
    previous = window;
  }
  return defaultButton;
}

}  // namespace framework
