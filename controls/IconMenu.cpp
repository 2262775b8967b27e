#include "controls/IconMenu.h"

#include "controls/core/MenuImageMap.h"
#include "framework/MenuBuilder.h"
#include "framework/ResourceImages.h"
#include "platform/ResourceModule.h"
#include "resources/ProgramResources.h"

namespace controls {
namespace {

std::map<int, wxBitmap>& ImageStore() {
  static std::map<int, wxBitmap>* store = new std::map<int, wxBitmap>;  // kept for the whole run
  return *store;
}

bool Holds(const std::vector<platform::MenuItem>& items, int command) {
  for (const platform::MenuItem& item : items) {
    if (item.id == command && !item.separator && !item.popup) return true;
    if (item.popup && Holds(item.items, command)) return true;
  }
  return false;
}

framework::MenuImageLookup StoreLookup() {
  return [](int command) { return CIconMenu::StoredImage(command); };
}

// GTK shows an item's image only if it has it when it is put into the menu.
void ReplaceItemImage(wxMenu& menu, wxMenuItem* item, const wxBitmap& image) {
  std::size_t position = 0;
  for (wxMenuItem* candidate : menu.GetMenuItems()) {
    if (candidate == item) break;
    ++position;
  }
  menu.Remove(item);
  item->SetBitmap(image);
  menu.Insert(position, item);
}

}  // namespace

bool CIconMenu::LoadMenu(int menuId) {
  popups_.clear();
  liveMenus_.clear();
  resource_ = platform::Menu{};
  ProgramResources();
  std::optional<platform::Menu> menu = platform::FindMenu(menuId);
  if (!menu) return false;
  resource_ = std::move(*menu);
  return true;
}

bool CIconMenu::HasCommand(int command) const { return Holds(resource_.items, command); }

wxBitmap CIconMenu::StoredImage(int command) {
  auto found = ImageStore().find(command);
  return found != ImageStore().end() ? found->second : wxBitmap();
}

bool CIconMenu::LoadToolbarImages(int toolbarId) {
  std::optional<framework::ToolbarImages> toolbar = framework::LoadToolbarImages(toolbarId);
  if (!toolbar) return false;
  std::map<int, int> indexes = ToolbarImageIndexes(toolbar->buttons, [this](int id) { return HasCommand(id); });
  std::vector<int> changed;
  for (const auto& [command, index] : indexes) {
    if (index < 0 || static_cast<std::size_t>(index) >= toolbar->images.size()) continue;
    ImageStore()[command] = toolbar->images[static_cast<std::size_t>(index)];
    changed.push_back(command);
  }
  RefreshBuiltImages(changed);
  return true;
}

void CIconMenu::RefreshBuiltImages(const std::vector<int>& commands) {
  for (wxMenu* menu : liveMenus_) {
    for (int command : commands) {
      wxMenu* owner = nullptr;
      wxMenuItem* item = menu->FindItem(framework::ToolkitCommandId(command), &owner);
      if (item != nullptr && owner != nullptr && item->GetKind() == wxITEM_NORMAL) {
        ReplaceItemImage(*owner, item, StoredImage(command));
      }
    }
  }
}

wxMenu* CIconMenu::Popup(std::size_t index) {
  if (index >= resource_.items.size() || !resource_.items[index].popup) return nullptr;
  if (popups_.size() < resource_.items.size()) popups_.resize(resource_.items.size());
  if (!popups_[index]) {
    popups_[index] = framework::BuildMenu(resource_.items[index].items, StoreLookup());
    liveMenus_.push_back(popups_[index].get());
  }
  return popups_[index].get();
}

std::unique_ptr<wxMenuBar> CIconMenu::TakeMenuBar() { return framework::BuildMenuBar(resource_, StoreLookup()); }

}  // namespace controls
