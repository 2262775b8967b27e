#pragma once
// The program's own resources (English), embedded by the build.
#include <string>

#include "platform/ResourceModule.h"

// The program's module; parsed and made the process's program module on first use.
const platform::ResourceModule& ProgramResources();

// The string with this id from the current language, falling back to English.
std::string ResourceString(int id);
// As ResourceString, for a text that is used as a printf format.
std::string ResourceFormat(int id);
