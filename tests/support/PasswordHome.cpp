#include "tests/support/PasswordHome.h"

#include <dlfcn.h>
#include <pwd.h>

#include <climits>
#include <cstring>

namespace {

// Never freed: an entry handed out keeps pointing here.
char standInHome[PATH_MAX] = {};

}  // namespace

ScopedPasswordHome::ScopedPasswordHome(const std::filesystem::path& home) {
  std::strncpy(standInHome, home.c_str(), sizeof standInHome - 1);
}

ScopedPasswordHome::~ScopedPasswordHome() { standInHome[0] = '\0'; }

extern "C" int getpwuid_r(uid_t uid, passwd* entry, char* buffer, size_t size, passwd** result) {
  using GetPwUidR = int (*)(uid_t, passwd*, char*, size_t, passwd**);
  static const auto real = reinterpret_cast<GetPwUidR>(::dlsym(RTLD_NEXT, "getpwuid_r"));
  const int error = real(uid, entry, buffer, size, result);
  if (error == 0 && *result != nullptr && standInHome[0] != '\0') (*result)->pw_dir = standInHome;
  return error;
}
