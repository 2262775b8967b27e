// Makes a test binary take the user's locale from the environment, as the program does once its
// toolkit starts, and checks that a German run really has the decimal comma it is meant to
// resist.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <locale>
#include <string_view>

namespace {

bool GermanLocaleRequested() {
  const char* requested = std::getenv("LC_ALL");
  return requested != nullptr && std::string_view(requested).starts_with("de_DE");
}

class UserLocaleEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    const bool taken = std::setlocale(LC_ALL, "") != nullptr;
    if (GermanLocaleRequested()) {
      ASSERT_TRUE(taken) << "the German locale is not installed (tools/install-dependencies.sh makes it)";
      std::locale::global(std::locale(""));
    }
  }
};

const testing::Environment* const kUserLocale = testing::AddGlobalTestEnvironment(new UserLocaleEnvironment);

}  // namespace

TEST(UserLocale, GermanRunHasTheDecimalComma) {
  if (!GermanLocaleRequested()) GTEST_SKIP() << "runs only under LC_ALL=de_DE.UTF-8";
  EXPECT_STREQ(std::localeconv()->decimal_point, ",");
}
