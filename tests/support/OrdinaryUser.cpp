#include "tests/support/OrdinaryUser.h"

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

OrdinaryUser::OrdinaryUser() {
  if (::geteuid() != 0) return;
  const passwd* nobody = ::getpwnam("nobody");
  if (nobody == nullptr || nobody->pw_uid == 0) {
    unavailable_ = "running as the administrator, and there is no user \"nobody\" to run as";
    return;
  }
  switchUser_ = true;
  uid_ = nobody->pw_uid;
  gid_ = nobody->pw_gid;
}

void OrdinaryUser::Own(const std::filesystem::path& folder) const {
  if (!switchUser_) return;
  ::lchown(folder.c_str(), uid_, gid_);
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    ::lchown(entry.path().c_str(), uid_, gid_);
  }
}

std::string OrdinaryUser::Run(const std::function<std::string()>& check) const {
  if (!switchUser_) return check();
  int channel[2];
  if (::pipe(channel) != 0) return "no pipe to the child process";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(channel[0]);
    std::string result;
    if (::setgroups(0, nullptr) != 0 || ::setgid(gid_) != 0 || ::setuid(uid_) != 0) {
      result = "could not become user \"nobody\"";
    } else {
      result = check();
    }
    const char* data = result.data();
    std::size_t left = result.size();
    while (left > 0) {
      const ssize_t n = ::write(channel[1], data, left);
      if (n <= 0) break;
      data += n;
      left -= static_cast<std::size_t>(n);
    }
    ::_exit(0);
  }
  ::close(channel[1]);
  std::string result;
  char buffer[4096];
  ssize_t n;
  while ((n = ::read(channel[0], buffer, sizeof buffer)) > 0) result.append(buffer, static_cast<std::size_t>(n));
  ::close(channel[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) result += "the child process ended abnormally";
  return result;
}
