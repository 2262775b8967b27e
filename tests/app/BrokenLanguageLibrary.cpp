// A library that reports a language as a language library does, but whose resource script does
// not parse: it must not be offered.
#include "platform/ResourceBundle.h"

namespace {
const unsigned char kScript[] = "STRINGTABLE\nBEGIN\n 4000 \"Sin cerrar\nEND\n";
const ResourceFileEntry kFiles[] = {{"VelmarTessalineBroken.rc", kScript, sizeof kScript - 1}};
const ResourceBundleData kBundle = {1, kFiles};
}  // namespace

extern "C" {
int GetLanguage() { return 0x0407; }
const char* GetLanguageStr() { return "Deutsch"; }
const ResourceBundleData* GetResourceData() { return &kBundle; }
}
