#include "platform/DynamicLibrary.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(DynamicLibrary, LoadsALibraryAndFindsItsExports) {
  platform::DynamicLibrary library;
  ASSERT_TRUE(library.Open("libc.so.6")) << library.LastError();
  auto length = reinterpret_cast<std::size_t (*)(const char*)>(library.Symbol("strlen"));
  ASSERT_NE(length, nullptr);
  EXPECT_EQ(length("Trimix"), 6u);
  EXPECT_EQ(library.Symbol("NoSuchExportAnywhere"), nullptr);

  platform::DynamicLibrary moved = std::move(library);
  EXPECT_FALSE(library.IsOpen());
  EXPECT_TRUE(moved.IsOpen());
  moved.Close();
  EXPECT_EQ(moved.Symbol("strlen"), nullptr);
}

TEST(DynamicLibrary, MissingOrJunkFilesFailWithAReason) {
  platform::DynamicLibrary library;
  EXPECT_FALSE(library.Open("/nonexistent/VelmarTessalineXyz.so"));
  EXPECT_FALSE(library.LastError().empty());
  EXPECT_FALSE(library.Open("/proc/self/status"));  // text, not a library
  EXPECT_FALSE(library.IsOpen());
}
