#include "app/core/RecentFileList.h"

#include <algorithm>

#include "platform/Registry.h"

namespace app {
namespace {

std::string ValueName(std::size_t index) { return "File" + std::to_string(index + 1); }

}  // namespace

void CRecentFileList::ReadList() {
  entries_.clear();
  for (std::size_t i = 0; i < size_; ++i) {
    std::optional<std::string> path = platform::Registry().ReadString(kRecentFileKey, ValueName(i));
    if (path && !path->empty() && std::find(entries_.begin(), entries_.end(), *path) == entries_.end()) {
      entries_.push_back(*path);
    }
  }
}

void CRecentFileList::WriteList() const {
  for (std::size_t i = 0; i < size_; ++i) {
    if (i < entries_.size()) platform::Registry().WriteString(kRecentFileKey, ValueName(i), entries_[i]);
    else platform::Registry().DeleteValue(kRecentFileKey, ValueName(i));
  }
}

void CRecentFileList::Add(const std::string& path) {
  if (path.empty() || size_ == 0) return;
  entries_.erase(std::remove(entries_.begin(), entries_.end(), path), entries_.end());
  entries_.insert(entries_.begin(), path);
  if (entries_.size() > size_) entries_.resize(size_);
}

void CRecentFileList::Remove(const std::string& path) {
  entries_.erase(std::remove(entries_.begin(), entries_.end(), path), entries_.end());
}

std::string CRecentFileList::MenuText(std::size_t index, const std::string& path) {
  std::string text = "&" + std::to_string(index + 1) + " ";
  for (char c : path) {
    text += c;
    if (c == '&') text += '&';
  }
  return text;
}

}  // namespace app
