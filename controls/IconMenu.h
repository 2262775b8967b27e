#pragma once
// The program's menus: loaded from a menu resource, each command showing the image of the
// toolbar button with the same command id. Images live in one store shared by all menus and
// kept for the whole run, so a menu loaded again finds the images of its commands there.
#include <map>
#include <memory>
#include <vector>

#include <wx/bitmap.h>
#include <wx/menu.h>

#include "platform/ResourceScript.h"

namespace controls {

class CIconMenu {
 public:
  // False (and an empty menu) when the resource is missing.
  bool LoadMenu(int menuId);
  // Gives every command of this menu that has a button on the toolbar that button's image.
  // False when the toolbar or its images are missing; the menu is then unchanged.
  bool LoadToolbarImages(int toolbarId);

  // The menus of the top-level entries, made on first request and owned by this object.
  std::size_t PopupCount() const { return resource_.items.size(); }
  wxMenu* Popup(std::size_t index);
  // A menu bar of all top-level entries; the caller (a frame) takes it over.
  std::unique_ptr<wxMenuBar> TakeMenuBar();

  bool HasCommand(int command) const;
  // The image the shared store holds for a command; invalid for none.
  static wxBitmap StoredImage(int command);

 private:
  void RefreshBuiltImages(const std::vector<int>& commands);

  platform::Menu resource_;
  std::vector<std::unique_ptr<wxMenu>> popups_;
  std::vector<wxMenu*> liveMenus_;  // menus built from this object, whose items get new images
};

}  // namespace controls
