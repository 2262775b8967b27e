#include "resources/ProgramResources.h"

#include <cstdio>
#include <cstdlib>


extern "C" const ResourceBundleData* VelmarTessalineResourceBundle();

const platform::ResourceModule& ProgramResources() {
  static std::shared_ptr<const platform::ResourceModule> module = [] {
    std::string error;
    std::shared_ptr<const platform::ResourceModule> parsed =
        platform::ResourceModule::FromBundle(VelmarTessalineResourceBundle(), &error);
    if (!parsed) {
      // The build checks the script, so this only happens to a broken build.
      std::fprintf(stderr, "The program's resources are damaged: %s\n", error.c_str());
      std::abort();
    }
    platform::SetProgramResourceModule(parsed);
    return parsed;
  }();
  return *module;
}

std::string ResourceString(int id) {
  ProgramResources();
  return platform::LoadResourceString(id);
}

std::string ResourceFormat(int id) {
  ProgramResources();
  return platform::LoadResourceFormat(id);
}
