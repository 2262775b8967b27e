#pragma once
// The list of the plan files used last, newest first, kept in the program's profile under
// "Recent File List" as the values "File1", "File2", ...
#include <cstddef>
#include <string>
#include <vector>

namespace app {

constexpr const char* kRecentFileKey = "Software\\Velmar\\VelmarTessaline\\Recent File List";

class CRecentFileList {
 public:
  explicit CRecentFileList(std::size_t size) : size_(size) {}

  // Reads "File1" on up to the list's size; empty and missing values are skipped.
  void ReadList();
  // Writes the entries as "File1" ... and removes the values of the empty places.
  void WriteList() const;
  // Puts the path first; a path already listed moves up, the oldest entry drops off a full list.
  void Add(const std::string& path);
  // Drops the path from the list; the later entries move up.
  void Remove(const std::string& path);

  const std::vector<std::string>& Entries() const { return entries_; }
  std::size_t Size() const { return size_; }

  // The menu text of entry index: "&1 " and the path with its '&' doubled.
  static std::string MenuText(std::size_t index, const std::string& path);

 private:
  std::size_t size_;
  std::vector<std::string> entries_;
};

}  // namespace app
