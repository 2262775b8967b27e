// What the Rename and Sort commands decide without a window: the name proposed from a tab
// caption, the names refused, and the order of the dives as the rows are moved.
#include <gtest/gtest.h>

#include "app/core/DiveName.h"
#include "app/core/DiveOrder.h"

TEST(DiveName, TheProposedNameIsAllAfterTheFirstSeparator) {
  EXPECT_EQ(app::NameInTabCaption("Dive 3"), "");
  EXPECT_EQ(app::NameInTabCaption("Bailout 2 - Wreck"), "Wreck");
  EXPECT_EQ(app::NameInTabCaption("Dive 12 - Cave - day 2"), "Cave - day 2");
}

TEST(DiveName, TheFieldSeparatorAndControlCharactersAreRefused) {
  for (const char* name : {"", "Wreck", "Grotte de l'Émeraude", "50% - 2nd stage"}) {
    EXPECT_TRUE(app::IsAcceptableDiveName(name)) << name;
  }
  for (const char* name : {"A~B", "~", "two\nlines", "tab\there", "end\r", "\x7f"}) {
    EXPECT_FALSE(app::IsAcceptableDiveName(name)) << name;
  }
}

TEST(DiveOrder, MovesOnePlaceAtATimeWithinTheListAndStaysChanged) {
  app::CDiveOrder order;
  order.Add("Dive 1", "Max Depth 30.0 (m), Duration 25:00 (mm:ss)");
  order.Add("Dive 2 - Wreck", "Max Depth 40.0 (m), Duration 20:00 (mm:ss)");
  order.Add("Dive 3", "");
  EXPECT_FALSE(order.Move(0, -1));  // the first row cannot go up
  EXPECT_FALSE(order.Move(2, 1));   // nor the last down
  EXPECT_FALSE(order.Move(1, 0));
  EXPECT_FALSE(order.Changed());
  // Dive 3 of 3 up twice.
  EXPECT_TRUE(order.Move(2, -1));
  EXPECT_TRUE(order.Move(1, -1));
  EXPECT_EQ(order.Order(), (std::vector<int>{2, 0, 1}));
  EXPECT_EQ(order.DiveText(0), "Dive 3");
  EXPECT_EQ(order.DiveText(1), "Dive 1");
  EXPECT_EQ(order.Summary(2), "Max Depth 40.0 (m), Duration 20:00 (mm:ss)");
  // And back down: the first order again, still reported as changed.
  EXPECT_TRUE(order.Move(0, 1));
  EXPECT_TRUE(order.Move(1, 1));
  EXPECT_EQ(order.Order(), (std::vector<int>{0, 1, 2}));
  EXPECT_TRUE(order.Changed());
}
