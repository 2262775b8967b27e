#include "platform/ResourceModule.h"

#include <cctype>
#include <cstring>
#include <mutex>

namespace platform {
namespace {

std::string_view FileText(const ResourceFileEntry& entry) {
  return std::string_view(reinterpret_cast<const char*>(entry.data), entry.size);
}

bool EndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

struct Modules {
  std::mutex mutex;
  std::shared_ptr<const ResourceModule> program;
  std::shared_ptr<const ResourceModule> language;
};

Modules& ProcessModules() {
  static Modules modules;
  return modules;
}

}  // namespace

ResourceModule::ResourceModule(const ResourceBundleData* bundle, ResourceScript script)
    : bundle_(bundle), script_(std::move(script)) {}

std::unique_ptr<ResourceModule> ResourceModule::FromBundle(const ResourceBundleData* bundle, std::string* error) {
  auto fail = [&](const std::string& why) {
    if (error != nullptr) *error = why;
    return std::unique_ptr<ResourceModule>();
  };
  if (bundle == nullptr || bundle->files == nullptr) return fail("no resource bundle");
  const ResourceFileEntry* scriptFile = nullptr;
  for (std::size_t i = 0; i < bundle->count; ++i) {
    if (bundle->files[i].name != nullptr && EndsWith(bundle->files[i].name, ".rc")) {
      scriptFile = &bundle->files[i];
      break;
    }
  }
  if (scriptFile == nullptr) return fail("the resource bundle holds no resource script");
  IncludeResolver resolve = [bundle](const std::string& name) -> std::optional<std::string> {
    for (std::size_t i = 0; i < bundle->count; ++i) {
      if (bundle->files[i].name != nullptr && name == bundle->files[i].name) {
        return std::string(FileText(bundle->files[i]));
      }
    }
    return std::nullopt;
  };
  ResourceParseResult parsed = ParseResourceScript(FileText(*scriptFile), scriptFile->name, resolve);
  if (!parsed.ok) return fail(parsed.error);
  for (ImageKind kind : {ImageKind::Bitmap, ImageKind::Icon, ImageKind::Cursor}) {
    for (const auto& [id, name] : parsed.script.ImageFiles(kind)) {
      if (!resolve(name)) {
        return fail(std::string(scriptFile->name) + ": resource " + std::to_string(id) + " names the file \"" + name +
                    "\", which the bundle does not hold");
      }
    }
  }
  return std::unique_ptr<ResourceModule>(new ResourceModule(bundle, std::move(parsed.script)));
}

std::vector<int> ResourceModule::DialogIds() const {
  std::vector<int> ids;
  ids.reserve(script_.dialogs.size());
  for (const auto& [id, dialog] : script_.dialogs) ids.push_back(id);
  return ids;
}

std::optional<std::string> ResourceModule::String(int id) const {
  auto found = script_.strings.find(id);
  if (found == script_.strings.end()) return std::nullopt;
  return found->second;
}

const VersionBlock* ResourceModule::Version() const {
  return script_.version ? &*script_.version : nullptr;
}

std::optional<std::string_view> ResourceModule::ImageFile(ImageKind kind, int id) const {
  const auto& files = script_.ImageFiles(kind);
  auto found = files.find(id);
  if (found == files.end()) return std::nullopt;
  return File(found->second);
}

std::optional<std::string_view> ResourceModule::File(std::string_view name) const {
  for (std::size_t i = 0; i < bundle_->count; ++i) {
    if (bundle_->files[i].name != nullptr && name == bundle_->files[i].name) return FileText(bundle_->files[i]);
  }
  return std::nullopt;
}

std::string FormatConversions(std::string_view format) {
  std::string conversions;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') continue;
    if (i + 1 < format.size() && format[i + 1] == '%') {
      ++i;
      continue;
    }
    std::size_t j = i + 1;
    // flags, width, precision and length modifiers are not part of the argument's kind
    while (j < format.size() && std::strchr("-+ #0123456789.*hlLqjzt", format[j]) != nullptr) {
      if (format[j] == '*') conversions += '*';
      ++j;
    }
    if (j < format.size()) {
      conversions += '%';
      conversions += format[j];
    }
    i = j;
  }
  return conversions;
}

void SetProgramResourceModule(std::shared_ptr<const ResourceModule> module) {
  std::lock_guard guard(ProcessModules().mutex);
  ProcessModules().program = std::move(module);
}

void SetLanguageResourceModule(std::shared_ptr<const ResourceModule> module) {
  std::lock_guard guard(ProcessModules().mutex);
  ProcessModules().language = std::move(module);
}

std::shared_ptr<const ResourceModule> ProgramResourceModule() {
  std::lock_guard guard(ProcessModules().mutex);
  return ProcessModules().program;
}

std::shared_ptr<const ResourceModule> LanguageResourceModule() {
  std::lock_guard guard(ProcessModules().mutex);
  return ProcessModules().language;
}

std::string LoadResourceString(int id) {
  if (auto language = LanguageResourceModule()) {
    if (auto text = language->String(id)) return *text;
  }
  if (auto program = ProgramResourceModule()) {
    if (auto text = program->String(id)) return *text;
  }
  return {};
}

std::string LoadResourceFormat(int id) {
  std::optional<std::string> own;
  if (auto program = ProgramResourceModule()) own = program->String(id);
  if (auto language = LanguageResourceModule()) {
    if (auto text = language->String(id)) {
      if (!own || FormatConversions(*text) == FormatConversions(*own)) return *text;
    }
  }
  return own.value_or(std::string());
}

namespace {

// The first answer of the language module, else of the program's.
template <typename Lookup>
auto FromModules(Lookup&& lookup) -> decltype(lookup(std::declval<const ResourceModule&>())) {
  for (const auto& module : {LanguageResourceModule(), ProgramResourceModule()}) {
    if (!module) continue;
    if (auto found = lookup(*module)) return found;
  }
  return std::nullopt;
}

template <typename T>
std::optional<T> Copy(const T* found) {
  return found != nullptr ? std::optional<T>(*found) : std::nullopt;
}

}  // namespace

std::optional<DialogTemplate> FindDialogTemplate(int id) {
  return FromModules([id](const ResourceModule& module) { return Copy(module.Dialog(id)); });
}

std::optional<Menu> FindMenu(int id) {
  return FromModules([id](const ResourceModule& module) { return Copy(module.Menu(id)); });
}

std::optional<std::vector<Accelerator>> FindAccelerators(int id) {
  return FromModules([id](const ResourceModule& module) { return Copy(module.Accelerators(id)); });
}

std::optional<ToolbarResource> FindToolbar(int id) {
  return FromModules([id](const ResourceModule& module) -> std::optional<ToolbarResource> {
    const Toolbar* toolbar = module.Toolbar(id);
    std::optional<std::string_view> strip = module.ImageFile(ImageKind::Bitmap, id);
    if (toolbar == nullptr || !strip) return std::nullopt;
    return ToolbarResource{*toolbar, std::string(*strip)};
  });
}

std::optional<std::string> FindImageFile(ImageKind kind, int id) {
  return FromModules([kind, id](const ResourceModule& module) -> std::optional<std::string> {
    if (auto bytes = module.ImageFile(kind, id)) return std::string(*bytes);
    return std::nullopt;
  });
}

}  // namespace platform
