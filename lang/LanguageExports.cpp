// What the program asks of a language library: its language, the name it is listed under, and
// its resources. No static objects, so that loading the library to ask runs nothing.
#include "platform/ResourceBundle.h"

extern "C" const ResourceBundleData* VelmarTessalineSpaResourceBundle();

namespace {
constexpr int kSpanishLanguageId = 0x040A;
}  // namespace

extern "C" {

__attribute__((visibility("default"))) int GetLanguage() { return kSpanishLanguageId; }

__attribute__((visibility("default"))) const char* GetLanguageStr() { return "Espanol"; }

__attribute__((visibility("default"))) const ResourceBundleData* GetResourceData() {
  return VelmarTessalineSpaResourceBundle();
}

}
