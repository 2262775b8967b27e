#pragma once
// A resource module: a parsed resource script with the files of its bundle. The program has
// one of its own; a loaded language library can become the current one, and a lookup the
// language module cannot answer falls back to the program's.
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ResourceBundle.h"
#include "platform/ResourceScript.h"

namespace platform {

class ResourceModule {
 public:
  // Parses the first ".rc" file of the bundle, resolving includes from the bundle.
  // nullptr with a reason in error when the bundle holds no script that parses or lacks a
  // file that the script names.
  static std::unique_ptr<ResourceModule> FromBundle(const ResourceBundleData* bundle, std::string* error);

  std::optional<std::string> String(int id) const;
  const VersionBlock* Version() const;
  const DialogTemplate* Dialog(int id) const { return Find(script_.dialogs, id); }
  // The ids of every dialog template, in rising order.
  std::vector<int> DialogIds() const;
  const platform::Menu* Menu(int id) const { return Find(script_.menus, id); }
  const std::vector<Accelerator>* Accelerators(int id) const { return Find(script_.acceleratorTables, id); }
  const platform::Toolbar* Toolbar(int id) const { return Find(script_.toolbars, id); }
  // The bytes of the file that a BITMAP, ICON or CURSOR statement names.
  std::optional<std::string_view> ImageFile(ImageKind kind, int id) const;
  // The bytes of a file of the bundle, by its name relative to the resource folder.
  std::optional<std::string_view> File(std::string_view name) const;
  // Everything the script holds, for comparing one language's resources with another's.
  const ResourceScript& Script() const { return script_; }

 private:
  template <typename Map>
  static const typename Map::mapped_type* Find(const Map& map, int id) {
    auto found = map.find(id);
    return found == map.end() ? nullptr : &found->second;
  }
  ResourceModule(const ResourceBundleData* bundle, ResourceScript script);
  const ResourceBundleData* bundle_;
  ResourceScript script_;
};

// The printf conversions of a format ("%d", "%0.2f", ...) in order, "%%" left out.
std::string FormatConversions(std::string_view format);

// The process-wide modules.
void SetProgramResourceModule(std::shared_ptr<const ResourceModule> module);
void SetLanguageResourceModule(std::shared_ptr<const ResourceModule> module);  // nullptr: none
std::shared_ptr<const ResourceModule> ProgramResourceModule();
std::shared_ptr<const ResourceModule> LanguageResourceModule();

// The string with this id from the current module, else from the program's; empty when neither
// has it.
std::string LoadResourceString(int id);
// As LoadResourceString, for a text used as a printf format: a translation whose conversions
// differ from the program's own text is not trusted and the program's text is used instead.
std::string LoadResourceFormat(int id);

// Resources by id from the current module, else from the program's; copies, so that they
// outlive a change of language.
std::optional<DialogTemplate> FindDialogTemplate(int id);
std::optional<Menu> FindMenu(int id);
std::optional<std::vector<Accelerator>> FindAccelerators(int id);
// A toolbar together with the bytes of its image strip (the bitmap of the same id), both from
// the same module.
struct ToolbarResource {
  Toolbar toolbar;
  std::string strip;
};
std::optional<ToolbarResource> FindToolbar(int id);
std::optional<std::string> FindImageFile(ImageKind kind, int id);

}  // namespace platform
