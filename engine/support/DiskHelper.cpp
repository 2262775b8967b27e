#include "engine/support/DiskHelper.h"

#include <fnmatch.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string WithForwardSlashes(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

}  // namespace

void CDiskHelper::SetError(const std::string& text) {
  lastError_ = text;
  if (feedback_) feedback_(text);
}

bool CDiskHelper::NormalizeDirectory(std::string& path) {
  std::string normal = WithForwardSlashes(path);
  if (normal.empty() || normal.find_first_of("*?") != std::string::npos) {
    SetError(kInternalError);
    return false;
  }
  if (normal.rfind("//", 0) == 0) {
    path = normal;
    return true;
  }
  std::error_code error;
  fs::path absolute = fs::absolute(fs::path(normal), error);
  if (error) {
    SetError(error.message() + " " + path);
    return false;
  }
  normal = absolute.lexically_normal().string();
  if (normal.empty() || normal.back() != '/') normal += '/';
  path = normal;
  return true;
}

bool CDiskHelper::DirectoryExists(const std::string& path) {
  lastError_.clear();
  std::string normal = path;
  if (path.empty() || !NormalizeDirectory(normal)) {
    SetError(kInternalError);
    return false;
  }
  std::error_code error;
  return fs::is_directory(normal, error);
}

bool CDiskHelper::CreateDirectoryPath(const std::string& path) {
  std::string normal = path;
  if (!NormalizeDirectory(normal)) return false;
  fs::path partial;
  for (const fs::path& part : fs::path(normal)) {
    if (part.empty()) continue;
    partial /= part;
    std::error_code error;
    if (fs::is_directory(partial, error)) continue;
    if (!fs::create_directory(partial, error) && error) {
      SetError(error.message() + " " + path);
      return false;
    }
  }
  return true;
}

bool CDiskHelper::EnumFilesInDirectory(const std::string& folder, const std::string& pattern,
                                       std::vector<std::string>& names, bool fullPath) {
  std::string normal = folder;
  if (!NormalizeDirectory(normal)) return false;
  std::vector<std::string> found;
  std::error_code error;
  fs::directory_iterator entries(normal, error);
  for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
    std::error_code typeError;
    if (!entries->is_regular_file(typeError)) continue;
    std::string name = entries->path().filename().string();
    if (::fnmatch(pattern.c_str(), name.c_str(), FNM_PERIOD) != 0) continue;
    found.push_back(fullPath ? normal + name : name);
  }
  if (error) {
    SetError(error.message() + " " + folder);
    return false;
  }
  std::sort(found.begin(), found.end(),
            [](const std::string& a, const std::string& b) { return std::strcmp(a.c_str(), b.c_str()) < 0; });
  names.insert(names.end(), found.begin(), found.end());
  return true;
}
