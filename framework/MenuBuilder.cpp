#include "framework/MenuBuilder.h"

#include "framework/ResourceImages.h"
#include "platform/ResourceModule.h"
#include "resources/ProgramResources.h"

namespace framework {
namespace {

// The framework's commands 0xE000-0xEFFF go to 0x6000-0x6FFF, the program's 0x8000-0x8FFE to
// 0x7000-0x7FFE.
struct Fold {
  int first;
  int last;
  int offset;
};
constexpr Fold kFolds[] = {{0xE000, 0xEFFF, 0x8000}, {0x8000, 0x8FFE, 0x1000}};

void AppendItems(wxMenu& menu, const std::vector<platform::MenuItem>& items, const MenuImageLookup& images) {
  for (const platform::MenuItem& item : items) {
    if (item.separator) {
      menu.AppendSeparator();
      continue;
    }
    const wxString text = wxString::FromUTF8(item.text);
    if (item.popup) {
      menu.AppendSubMenu(BuildMenu(item.items, images).release(), text);
      continue;
    }
    // Items shown checked in the resources are check items; GTK shows images on plain items only.
    auto* entry = new wxMenuItem(&menu, ToolkitCommandId(item.id), text, wxEmptyString, item.checked ? wxITEM_CHECK : wxITEM_NORMAL);
    if (!item.checked && images) {
      wxBitmap image = images(item.id);
      if (image.IsOk()) entry->SetBitmap(image);
    }
    menu.Append(entry);
    if (item.checked) entry->Check(true);
    if (item.grayed) entry->Enable(false);
  }
}

}  // namespace

int ToolkitCommandId(int command) {
  for (const Fold& fold : kFolds) {
    if (command >= fold.first && command <= fold.last) return command - fold.offset;
  }
  return command;
}

int ResourceCommandId(int toolkitId) {
  for (const Fold& fold : kFolds) {
    if (toolkitId >= fold.first - fold.offset && toolkitId <= fold.last - fold.offset) return toolkitId + fold.offset;
  }
  return toolkitId;
}

std::unique_ptr<wxMenu> BuildMenu(const std::vector<platform::MenuItem>& items, const MenuImageLookup& images) {
  auto menu = std::make_unique<wxMenu>();
  AppendItems(*menu, items, images);
  return menu;
}

std::unique_ptr<wxMenuBar> BuildMenuBar(const platform::Menu& menu, const MenuImageLookup& images) {
  auto bar = std::make_unique<wxMenuBar>();
  for (const platform::MenuItem& top : menu.items) {
    if (!top.popup) continue;  // a command straight on the bar has no equivalent here
    bar->Append(BuildMenu(top.items, images).release(), wxString::FromUTF8(top.text));
  }
  return bar;
}

int KeyCodeOfVirtualKey(int vk) {
  if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) return vk;
  if (vk >= 0x70 && vk <= 0x7B) return WXK_F1 + (vk - 0x70);
  if (vk >= 0x60 && vk <= 0x69) return WXK_NUMPAD0 + (vk - 0x60);
  switch (vk) {
    case 0x08: return WXK_BACK;
    case 0x09: return WXK_TAB;
    case 0x0D: return WXK_RETURN;
    case 0x1B: return WXK_ESCAPE;
    case 0x20: return WXK_SPACE;
    case 0x21: return WXK_PAGEUP;
    case 0x22: return WXK_PAGEDOWN;
    case 0x23: return WXK_END;
    case 0x24: return WXK_HOME;
    case 0x25: return WXK_LEFT;
    case 0x26: return WXK_UP;
    case 0x27: return WXK_RIGHT;
    case 0x28: return WXK_DOWN;
    case 0x2D: return WXK_INSERT;
    case 0x2E: return WXK_DELETE;
    case 0x6A: return WXK_NUMPAD_MULTIPLY;
    case 0x6B: return WXK_NUMPAD_ADD;
    case 0x6D: return WXK_NUMPAD_SUBTRACT;
    case 0x6E: return WXK_NUMPAD_DECIMAL;
    case 0x6F: return WXK_NUMPAD_DIVIDE;
    default: return 0;
  }
}

std::vector<wxAcceleratorEntry> AcceleratorEntries(const std::vector<platform::Accelerator>& table) {
  std::vector<wxAcceleratorEntry> entries;
  for (const platform::Accelerator& a : table) {
    const int key = a.virtualKey ? KeyCodeOfVirtualKey(a.key) : a.key;
    if (key == 0) continue;
    int flags = wxACCEL_NORMAL;
    if (a.control) flags |= wxACCEL_CTRL;
    if (a.shift) flags |= wxACCEL_SHIFT;
    if (a.alt) flags |= wxACCEL_ALT;
    entries.emplace_back(flags, key, ToolkitCommandId(a.command));
  }
  return entries;
}

wxAcceleratorTable LoadAcceleratorTable(int id) {
  ProgramResources();
  std::optional<std::vector<platform::Accelerator>> table = platform::FindAccelerators(id);
  if (!table) return wxAcceleratorTable();
  std::vector<wxAcceleratorEntry> entries = AcceleratorEntries(*table);
  return wxAcceleratorTable(static_cast<int>(entries.size()), entries.data());
}

wxString ToolTipOfCommandString(const wxString& commandString) {
  constexpr std::size_t kLoadedCharacters = 256;
  constexpr std::size_t kTipCharacters = 80;
  const wxString loaded = commandString.Left(kLoadedCharacters);
  const std::size_t newline = loaded.find('\n');
  if (newline == wxString::npos) return wxString();
  return loaded.Mid(newline + 1, kTipCharacters);
}

namespace {

wxString ToolTip(int command) { return ToolTipOfCommandString(wxString::FromUTF8(ResourceString(command))); }

}  // namespace

bool FillToolBar(wxToolBar& toolBar, int id) {
  std::optional<ToolbarImages> toolbar = LoadToolbarImages(id);
  if (!toolbar) return false;
  std::size_t image = 0;
  for (int command : toolbar->buttons) {
    if (command == 0) {
      toolBar.AddSeparator();
      continue;
    }
    toolBar.AddTool(ToolkitCommandId(command), wxEmptyString, toolbar->images[image++], ToolTip(command));
  }
  toolBar.Realize();
  return true;
}

void RefreshToolTips(wxToolBar& toolBar) {
  for (std::size_t i = 0; i < toolBar.GetToolsCount(); ++i) {
    const wxToolBarToolBase* tool = toolBar.GetToolByPos(static_cast<int>(i));
    if (tool != nullptr && !tool->IsSeparator()) {
      toolBar.SetToolShortHelp(tool->GetId(), ToolTip(ResourceCommandId(tool->GetId())));
    }
  }
}

}  // namespace framework
