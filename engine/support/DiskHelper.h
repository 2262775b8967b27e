#pragma once
// Folder tests, creation and file listing, with the last error kept as text.
#include <functional>
#include <string>
#include <vector>

class CDiskHelper {
 public:
  static constexpr const char* kInternalError = "CDiskHelper internal error - check call parameters";

  // Makes path absolute with a trailing separator; '\' is read as '/'. A path holding '*' or '?'
  // is refused with the internal error. A network path ("//server/...") is left as it is.
  bool NormalizeDirectory(std::string& path);
  bool DirectoryExists(const std::string& path);
  // Creates every missing folder of the path; on failure the error names the system's reason
  // followed by the path.
  bool CreateDirectoryPath(const std::string& path);
  // The files (not folders) of folder matching the pattern, sorted in byte order, as names or
  // full paths.
  bool EnumFilesInDirectory(const std::string& folder, const std::string& pattern,
                            std::vector<std::string>& names, bool fullPath);

  const std::string& GetLastError() const { return lastError_; }
  // Called with every error text (the dialog that shows the helper's progress, if any).
  void SetFeedback(std::function<void(const std::string&)> feedback) { feedback_ = std::move(feedback); }

 private:
  void SetError(const std::string& text);
  std::string lastError_;
  std::function<void(const std::string&)> feedback_;
};
