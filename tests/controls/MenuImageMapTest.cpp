#include "controls/core/MenuImageMap.h"

#include <gtest/gtest.h>

#include <set>

TEST(MenuImageMap, SkipsSeparatorsAndForeignCommandsAndTheLaterButtonWins) {
  const std::set<int> menu{4060, 4061, 4062};
  auto inMenu = [&](int id) { return menu.count(id) != 0; };
  // images:             0     1    -     2     3     4
  auto images = controls::ToolbarImageIndexes({4060, 4061, 0, 4062, 4061, 9999}, inMenu);
  EXPECT_EQ(images, (std::map<int, int>{{4060, 0}, {4061, 3}, {4062, 2}}));
  // A leading separator takes no image.
  EXPECT_EQ(controls::ToolbarImageIndexes({0, 4060, 4061}, inMenu), (std::map<int, int>{{4060, 0}, {4061, 1}}));
  EXPECT_TRUE(controls::ToolbarImageIndexes({}, inMenu).empty());
}
