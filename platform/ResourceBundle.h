#pragma once
// A bundle of embedded resource files: the resource script and every file it references.
// Plain C layout so that a language library can hand its bundle over a dlsym'd export.
#include <cstddef>

extern "C" {
struct ResourceFileEntry {
  const char* name;             // path relative to the resource folder, '/' separated
  const unsigned char* data;    // followed by one NUL byte not counted in size
  std::size_t size;
};

struct ResourceBundleData {
  std::size_t count;
  const ResourceFileEntry* files;
};

typedef const ResourceBundleData* (*GetResourceDataFunction)();
}
