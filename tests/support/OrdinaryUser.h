#pragma once
// Runs part of a test as an ordinary user, for what file modes decide: the administrator may
// write into read-only folders and files. Tests that do not run as the administrator run it as
// themselves; otherwise it runs in a child process as "nobody", with a folder handed over to it.
#include <filesystem>
#include <functional>
#include <string>

class OrdinaryUser {
 public:
  OrdinaryUser();
  // Empty when checks can run; else why not (the test then skips with it).
  const std::string& Unavailable() const { return unavailable_; }
  // Makes the user own the folder and everything in it (nothing to do for an ordinary user).
  void Own(const std::filesystem::path& folder) const;
  // Runs check as the user; check returns what failed, or "" when all held. The result is
  // check's, or what ended the child process.
  std::string Run(const std::function<std::string()>& check) const;

 private:
  bool switchUser_ = false;
  unsigned uid_ = 0;
  unsigned gid_ = 0;
  std::string unavailable_;
};
