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
  // nullptr with a reason in error when the bundle holds no script that parses.
  static std::unique_ptr<ResourceModule> FromBundle(const ResourceBundleData* bundle, std::string* error);

  std::optional<std::string> String(int id) const;
  const VersionBlock* Version() const;
  // The bytes of a file of the bundle, by its name relative to the resource folder.
  std::optional<std::string_view> File(std::string_view name) const;
  const ResourceScript& Script() const { return script_; }

 private:
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

}  // namespace platform
