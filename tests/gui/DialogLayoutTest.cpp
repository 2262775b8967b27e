// Every dialog template of the resource scripts, built with the toolkit's own controls: no
// control may be cut (narrower or lower than the toolkit needs to draw it whole), stand outside
// its dialog or overlap another. Group boxes and frames are drawn around other controls and are
// left out of the overlap check.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include <wx/dialog.h>

#include "app/core/LanguageLibraries.h"
#include "framework/TemplateBuilder.h"
#include "framework/NativeControls.h"
#include "resources/ProgramResources.h"
#include "tests/gui/GuiTestSupport.h"

namespace {

// The resource scripts whose templates are checked, one line each.
std::vector<std::pair<const char*, const platform::ResourceModule*>> CheckedScripts() {
  static const std::shared_ptr<const platform::ResourceModule> spanish = app::LoadLanguageLibrary(SPANISH_LIBRARY);
  EXPECT_TRUE(spanish) << "the Spanish library " << SPANISH_LIBRARY << " cannot be loaded";
  std::vector<std::pair<const char*, const platform::ResourceModule*>> scripts{{"English", &ProgramResources()}};
  if (spanish) scripts.emplace_back("Spanish", spanish.get());
  return scripts;
}

enum class Fault { kClipped, kOutside, kOverlap };

struct LayoutFault {
  int id;
  Fault fault;
  std::string detail;
};

constexpr std::uint32_t kButtonGroupBox = 7;
constexpr std::uint32_t kStaticRectangleFirst = 4;  // black, grey and white rectangles and frames
constexpr std::uint32_t kStaticRectangleLast = 9;
constexpr std::uint32_t kStaticEtchedFrame = 0x12;

bool DrawnAroundOthers(const platform::DialogControl& control) {
  if (control.className == "Button") return (control.style & framework::style::kButtonTypeMask) == kButtonGroupBox;
  if (control.className != "Static") return false;
  const std::uint32_t type = control.style & framework::style::kStaticTypeMask;
  return (type >= kStaticRectangleFirst && type <= kStaticRectangleLast) || type == kStaticEtchedFrame;
}

std::string Describe(const platform::DialogControl& control) {
  const std::string text = control.text.empty() ? "" : " \"" + control.text + "\"";
  return control.className + " " + std::to_string(control.id) + text;
}

std::string Size(const wxSize& size) { return std::to_string(size.x) + " x " + std::to_string(size.y) + " px"; }

struct BuiltControl {
  const platform::DialogControl* control;
  wxWindow* window;
};

std::vector<LayoutFault> LayoutFaults(const platform::DialogTemplate& layout) {
  wxDialog host(nullptr, wxID_ANY, wxString::FromUTF8(layout.caption));
  const wxRect client = framework::TemplateRectToPixels(&host, 0, 0, layout.width, layout.height);
  host.SetClientSize(client.GetSize());
  std::vector<BuiltControl> built;
  framework::BuildTemplateControls(&host, layout, [&built](wxWindow* parent, const platform::DialogControl& control,
                                                           const wxPoint& position, const wxSize& size) {
    wxWindow* window = framework::CreateStandardControl(parent, control, position, size);
    if (window != nullptr) built.push_back({&control, window});
    return window;
  });
  for (const BuiltControl& each : built) each.window->Show();  // hidden ones are shown at other times
  EXPECT_TRUE(ShowOnScreen(host)) << layout.caption;

  std::vector<LayoutFault> faults;
  for (std::size_t i = 0; i < built.size(); ++i) {
    const platform::DialogControl& control = *built[i].control;
    const wxRect rect = built[i].window->GetRect();
    if (!client.Contains(rect)) {
      faults.push_back({control.id, Fault::kOutside, Describe(control) + " reaches beyond the dialog"});
    }
    const wxSize needed = framework::ToolkitMinimumSize(*built[i].window);
    if (needed.x > rect.width || needed.y > rect.height) {
      faults.push_back({control.id, Fault::kClipped,
                        Describe(control) + " needs " + Size(needed) + ", has " + Size(rect.GetSize())});
    }
    if (DrawnAroundOthers(control)) continue;
    for (std::size_t j = i + 1; j < built.size(); ++j) {
      const platform::DialogControl& other = *built[j].control;
      if (!DrawnAroundOthers(other) && rect.Intersects(built[j].window->GetRect())) {
        faults.push_back({control.id, Fault::kOverlap, Describe(control) + " overlaps " + Describe(other)});
      }
    }
  }
  return faults;
}

constexpr int kBadLayout = 9011;

}  // namespace

TEST(DialogLayout, NoControlOfAnyTemplateIsCutOutsideItsDialogOrOverAnother) {
  // The check itself finds a cut label, a squat edit, two edits over each other and a button
  // standing out, and lets a group box hold its controls.
  const std::optional<platform::DialogTemplate> bad = platform::FindDialogTemplate(kBadLayout);
  ASSERT_TRUE(bad.has_value());
  std::set<std::pair<int, Fault>> found;
  for (const LayoutFault& fault : LayoutFaults(*bad)) found.insert({fault.id, fault.fault});
  const std::set<std::pair<int, Fault>> expected{
      {9303, Fault::kClipped}, {9306, Fault::kClipped}, {9304, Fault::kOverlap}, {1, Fault::kOutside}};
  EXPECT_EQ(found, expected);

  int checked = 0;
  for (const auto& [language, script] : CheckedScripts()) {
    for (int id : script->DialogIds()) {
      SCOPED_TRACE(std::string(language) + " dialog " + std::to_string(id));
      for (const LayoutFault& fault : LayoutFaults(*script->Dialog(id))) ADD_FAILURE() << fault.detail;
      ++checked;
    }
  }
  EXPECT_GE(checked, 2);  // the main window and the disclaimer at least
}
