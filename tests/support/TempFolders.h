#pragma once
// Gives a test its own configuration and data folders (XDG_CONFIG_HOME, XDG_DATA_HOME) and the
// registry file in them, removed afterwards.
#include <filesystem>
#include <string>

class TempFolders {
 public:
  // Throws std::system_error, naming the folder and the system's reason, when the folder cannot
  // be made.
  TempFolders();
  ~TempFolders();
  TempFolders(const TempFolders&) = delete;
  TempFolders& operator=(const TempFolders&) = delete;

  const std::filesystem::path& Root() const { return root_; }
  std::filesystem::path Config() const { return root_ / "config"; }
  std::filesystem::path Data() const { return root_ / "data"; }

 private:
  std::filesystem::path root_;
  std::string oldConfig_;
  std::string oldData_;
  bool hadConfig_ = false;
  bool hadData_ = false;
};

std::string ReadFileText(const std::filesystem::path& file);
void WriteFileText(const std::filesystem::path& file, const std::string& text);
