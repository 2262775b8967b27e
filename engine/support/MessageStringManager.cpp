#include "engine/support/MessageStringManager.h"

CMessageStringManager::~CMessageStringManager() {
  deleting_ = true;
  objects_.clear();
  deleting_ = false;
}

CMessageString* CMessageStringManager::Add(std::unique_ptr<CMessageString> object) {
  objects_.push_back(std::move(object));
  return objects_.back().get();
}

CMessageStringManager& TheMessageStringManager() {
  static CMessageStringManager manager;
  return manager;
}
