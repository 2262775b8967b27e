#pragma once
// A shared library loaded at run time (dlopen); closed when the object goes.
#include <filesystem>
#include <string>

namespace platform {

class DynamicLibrary {
 public:
  DynamicLibrary() = default;
  ~DynamicLibrary();
  DynamicLibrary(DynamicLibrary&& other) noexcept;
  DynamicLibrary& operator=(DynamicLibrary&& other) noexcept;
  DynamicLibrary(const DynamicLibrary&) = delete;
  DynamicLibrary& operator=(const DynamicLibrary&) = delete;

  bool Open(const std::filesystem::path& file);
  void Close();
  bool IsOpen() const { return handle_ != nullptr; }
  // nullptr when the library is not open or lacks the symbol.
  void* Symbol(const char* name) const;
  const std::string& LastError() const { return lastError_; }

 private:
  void* handle_ = nullptr;
  std::string lastError_;
};

}  // namespace platform
