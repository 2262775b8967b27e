// What the Rename and Sort commands decide without a window: the name proposed from a tab
// caption, the names refused, what a tab shows of a long caption, and the order of the dives as
// the rows are moved.
#include <gtest/gtest.h>

#include <string>

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

namespace {

std::string Repeated(const std::string& piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

}  // namespace

TEST(DiveName, ATabShowsAtMost32CharactersOfItsCaptionEndingInAnEllipsis) {
  EXPECT_EQ(app::ShownTabCaption("Dive 1"), "Dive 1");
  // "Dive 2 - " is 9 characters: 23 more make 32 and are shown whole.
  EXPECT_EQ(app::ShownTabCaption("Dive 2 - " + Repeated("a", 23)), "Dive 2 - " + Repeated("a", 23));
  // One more, and 31 characters are kept before the ellipsis.
  EXPECT_EQ(app::ShownTabCaption("Dive 2 - " + Repeated("a", 24)), "Dive 2 - " + Repeated("a", 22) + "\u2026");
  EXPECT_EQ(app::ShownTabCaption("Dive 2 - " + Repeated("x", 300)), "Dive 2 - " + Repeated("x", 22) + "\u2026");
  // A blank before the cut is not kept in front of the ellipsis.
  EXPECT_EQ(app::ShownTabCaption("Dive 1 - " + Repeated("a", 21) + " bbbbbbb"), "Dive 1 - " + Repeated("a", 21) + "\u2026");
}

TEST(DiveName, AShortenedCaptionCountsAndKeepsWholeCharactersOfAnyLength) {
  // Two bytes each: 22 of 40 are kept.
  EXPECT_EQ(app::ShownTabCaption("Dive 3 - " + Repeated("\u00e9", 40)), "Dive 3 - " + Repeated("\u00e9", 22) + "\u2026");
  // Four bytes each after the 13 characters of "Bailout 30 - ": 18 of 30 are kept.
  EXPECT_EQ(app::ShownTabCaption("Bailout 30 - " + Repeated("\U0001F420", 30)),
            "Bailout 30 - " + Repeated("\U0001F420", 18) + "\u2026");
  // 32 three-byte characters (96 bytes) are not too long.
  EXPECT_EQ(app::ShownTabCaption(Repeated("\u6C34", 32)), Repeated("\u6C34", 32));
  EXPECT_EQ(app::ShownTabCaption("Dive 4 - Reef", 6), "Dive\u2026");  // its blank goes too
  EXPECT_EQ(app::ShownTabCaption("Dive 4 - Reef", 1), "\u2026");
  EXPECT_EQ(app::ShownTabCaption("Dive 4 - Reef", 0), "");
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
