#include "platform/DynamicLibrary.h"

#include <dlfcn.h>

#include <utility>

namespace platform {

DynamicLibrary::~DynamicLibrary() { Close(); }

DynamicLibrary::DynamicLibrary(DynamicLibrary&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), lastError_(std::move(other.lastError_)) {}

DynamicLibrary& DynamicLibrary::operator=(DynamicLibrary&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = std::exchange(other.handle_, nullptr);
    lastError_ = std::move(other.lastError_);
  }
  return *this;
}

bool DynamicLibrary::Open(const std::filesystem::path& file) {
  Close();
  handle_ = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) {
    const char* error = ::dlerror();
    lastError_ = error != nullptr ? error : "unable to load " + file.string();
    return false;
  }
  lastError_.clear();
  return true;
}

void DynamicLibrary::Close() {
  if (handle_ != nullptr) ::dlclose(handle_);
  handle_ = nullptr;
}

void* DynamicLibrary::Symbol(const char* name) const {
  if (handle_ == nullptr) return nullptr;
  return ::dlsym(handle_, name);
}

}  // namespace platform
