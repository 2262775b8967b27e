// What a hyperlink may open, and how its window takes the size of its text.
#include "controls/core/LinkTarget.h"

#include <gtest/gtest.h>

using controls::Box;
using controls::LinkAlignment;

TEST(LinkTarget, OnlyWebAndMailTargetsAreOpened) {
  EXPECT_TRUE(controls::IsOpenableLinkTarget("http://www.example.com/"));
  EXPECT_TRUE(controls::IsOpenableLinkTarget("HTTPS://www.example.com/velmar?a=1&b=2"));
  EXPECT_TRUE(controls::IsOpenableLinkTarget("mailto:info@example.com"));
  EXPECT_FALSE(controls::IsOpenableLinkTarget(""));
  EXPECT_FALSE(controls::IsOpenableLinkTarget("www.example.com"));
  EXPECT_FALSE(controls::IsOpenableLinkTarget("file:///etc/passwd"));
  EXPECT_FALSE(controls::IsOpenableLinkTarget("/usr/bin/xterm"));
  EXPECT_FALSE(controls::IsOpenableLinkTarget("javascript:alert(1)"));
  EXPECT_FALSE(controls::IsOpenableLinkTarget(" http://www.example.com/"));
  EXPECT_FALSE(controls::IsOpenableLinkTarget("http://example.com/\n--option"));
  EXPECT_FALSE(controls::IsOpenableLinkTarget(std::string_view("mailto:a\0b", 10)));
}

TEST(LinkTarget, TheWindowTakesTheSizeOfItsTextFromTheEdgesItsAlignmentKeeps) {
  const Box window{10, 20, 110, 60};  // 100 × 40
  // Text 60 × 16 and a frame of 2 × 2: the window becomes 62 × 18.
  EXPECT_EQ(controls::FitLinkWindow(window, 60, 16, 2, 2, LinkAlignment::kLeft, false), (Box{10, 20, 72, 38}));
  EXPECT_EQ(controls::FitLinkWindow(window, 60, 16, 2, 2, LinkAlignment::kRight, false), (Box{48, 20, 110, 38}));
  EXPECT_EQ(controls::FitLinkWindow(window, 60, 16, 2, 2, LinkAlignment::kCentre, true), (Box{29, 31, 91, 49}));
  // A text wider than the window grows it evenly when centred.
  EXPECT_EQ(controls::FitLinkWindow(window, 140, 38, 0, 0, LinkAlignment::kCentre, true), (Box{-10, 21, 130, 59}));
}
