#pragma once
// The process-wide owner of message-string objects: whatever is handed to it lives until the
// program ends and is deleted then.
#include <memory>
#include <vector>

class CMessageString {
 public:
  virtual ~CMessageString() = default;
};

class CMessageStringManager {
 public:
  CMessageStringManager() = default;
  ~CMessageStringManager();
  CMessageStringManager(const CMessageStringManager&) = delete;
  CMessageStringManager& operator=(const CMessageStringManager&) = delete;

  CMessageString* Add(std::unique_ptr<CMessageString> object);
  std::size_t GetCount() const { return objects_.size(); }
  bool IsDeleting() const { return deleting_; }

 private:
  std::vector<std::unique_ptr<CMessageString>> objects_;
  bool deleting_ = false;
};

CMessageStringManager& TheMessageStringManager();
