#pragma once
// Turns a dialog template into child windows: each control at its template place (dialog units
// converted through the parent's real font), its id the control id.
#include <functional>
#include <vector>

#include <wx/window.h>

#include "platform/ResourceScript.h"

namespace framework {

// Window style bits of the templates that the builder reads.
namespace style {
constexpr std::uint32_t kChild = 0x40000000;
constexpr std::uint32_t kVisible = 0x10000000;
constexpr std::uint32_t kDisabled = 0x08000000;
constexpr std::uint32_t kBorder = 0x00800000;
constexpr std::uint32_t kVScroll = 0x00200000;
constexpr std::uint32_t kHScroll = 0x00100000;
constexpr std::uint32_t kThickFrame = 0x00040000;
constexpr std::uint32_t kGroup = 0x00020000;
constexpr std::uint32_t kTabStop = 0x00010000;
constexpr std::uint32_t kDefaultButton = 0x1;
constexpr std::uint32_t kButtonTypeMask = 0xF;
constexpr std::uint32_t kStaticTypeMask = 0x1F;
constexpr std::uint32_t kExClientEdge = 0x200;
constexpr std::uint32_t kExStaticEdge = 0x20000;
constexpr std::uint32_t kExContextHelp = 0x400;
}  // namespace style

// Makes one control; nullptr lets the builder make its standard one.
using ControlCreator = std::function<wxWindow*(wxWindow* parent, const platform::DialogControl& control,
                                               const wxPoint& position, const wxSize& size)>;

// The pixel rectangle of a template rectangle on this parent.
wxRect TemplateRectToPixels(wxWindow* parent, int x, int y, int width, int height);

// The standard control for a template control.
wxWindow* CreateStandardControl(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                                const wxSize& size);

// Makes every control of the template in order (the order is the tab order), asking creator
// first. Tab, and Enter where it moves on, stop only at the controls with the tab-stop style; a
// radio button stops as its group does (the toolkit puts the group's one stop on the button that
// is checked). Returns the control with the default-button style, if any.
wxWindow* BuildTemplateControls(wxWindow* parent, const platform::DialogTemplate& dialog, const ControlCreator& creator);

// Gives every control of parent that shows its template text as a caption (buttons, check
// boxes, radio buttons, group boxes, text labels) that text from this template again: after a
// change of language, the template of the new resources. The other controls keep what they show,
// and so do the labels named in readouts, which show values rather than their template text.
// A control without an id of its own (IDC_STATIC) cannot be found again and keeps its text, so
// the templates of windows that stay open across a change of language give every caption an id.
void ApplyTemplateCaptions(wxWindow& parent, const platform::DialogTemplate& dialog,
                           const std::vector<int>& readouts = {});

// The template text of a control with its '&' mnemonic as the toolkit shows it.
wxString TemplateText(const std::string& text);

}  // namespace framework
