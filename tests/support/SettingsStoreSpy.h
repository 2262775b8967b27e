#pragma once
// Watches the settings store of a test: whether anything was written to it since the spy was
// made, and which values then differ. Every write replaces the store's file, so a write that
// stores a value the store already held is seen too.
#include <string>
#include <vector>

#include <sys/stat.h>

class SettingsStoreSpy {
 public:
  SettingsStoreSpy() { Reset(); }

  // From now on: what the store holds now counts as unchanged.
  void Reset();
  bool Written() const;
  // "Group\Name=value" (dwords in decimal) for every value below the program's settings that
  // was added or changed, in the store's order.
  std::vector<std::string> Changes() const;

 private:
  struct FileIdentity {
    bool exists = false;
    ino_t inode = 0;
    timespec modified{};
    off_t size = 0;
    bool operator==(const FileIdentity& other) const;
  };
  static FileIdentity Identity();
  static std::vector<std::string> Values();

  FileIdentity identity_;
  std::vector<std::string> values_;
};
