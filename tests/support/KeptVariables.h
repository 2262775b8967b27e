#pragma once
// Puts environment variables back as they were when the object was made.
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

class KeptVariables {
 public:
  explicit KeptVariables(std::vector<std::string> names) : names_(std::move(names)) {
    for (const std::string& name : names_) {
      const char* value = std::getenv(name.c_str());
      values_.push_back(value != nullptr ? std::optional<std::string>(value) : std::nullopt);
    }
  }
  ~KeptVariables() {
    for (std::size_t i = 0; i < names_.size(); ++i) {
      if (values_[i]) {
        ::setenv(names_[i].c_str(), values_[i]->c_str(), 1);
      } else {
        ::unsetenv(names_[i].c_str());
      }
    }
  }
  KeptVariables(const KeptVariables&) = delete;
  KeptVariables& operator=(const KeptVariables&) = delete;

 private:
  std::vector<std::string> names_;
  std::vector<std::optional<std::string>> values_;
};
