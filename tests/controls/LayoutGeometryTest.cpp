#include "controls/core/LayoutGeometry.h"

#include <gtest/gtest.h>

using controls::Box;
using controls::WindowPlacement;

TEST(AnchorArithmetic, AChildStretchedAlongTheTopKeepsItsHeightAndEdgeDistances) {
  auto place = controls::AnchorChild(Box{10, 20, 190, 40}, 200, 100, controls::anchor::kTopLeft,
                                     controls::anchor::kTopRight);
  EXPECT_EQ(controls::PlaceChild(place, Box{0, 0, 300, 150}), (Box{10, 20, 290, 40}));
  EXPECT_EQ(controls::PlaceChild(place, Box{0, 0, 200, 100}), (Box{10, 20, 190, 40}));  // unchanged size: same place
}

TEST(AnchorArithmetic, AChildAnchoredBottomCentreStaysCentredAboveTheBottom) {
  auto place = controls::AnchorChild(Box{90, 70, 110, 90}, 200, 100, controls::anchor::kBottomCentre,
                                     controls::anchor::kBottomCentre);
  EXPECT_EQ(controls::PlaceChild(place, Box{0, 0, 300, 150}), (Box{140, 120, 160, 140}));
  // The client rectangle's origin shifts the result.
  EXPECT_EQ(controls::PlaceChild(place, Box{5, 7, 305, 157}), (Box{145, 127, 165, 147}));
}

TEST(AnchorArithmetic, AClientTooSmallForTheMarginsShrinksTheChildToNothingNeverBelow) {
  // 10 px from the left and right edges, 20 from the top, 30 from the bottom in a 200 x 100
  // client: 180 x 50.
  auto place = controls::AnchorChild(Box{10, 20, 190, 70}, 200, 100, controls::anchor::kTopLeft,
                                     controls::anchor::kBottomRight);
  EXPECT_EQ(controls::PlaceChild(place, Box{0, 0, 30, 60}), (Box{10, 20, 20, 30}));
  // 15 x 40: the right edge would lie at 5, the bottom at 10, both before the top left corner.
  EXPECT_EQ(controls::PlaceChild(place, Box{0, 0, 15, 40}), (Box{10, 20, 10, 20}));
  EXPECT_EQ(controls::PlaceChild(place, Box{0, 0, 0, 0}), (Box{10, 20, 10, 20}));
}

TEST(AnchorArithmetic, PercentagesAreTruncated) {
  auto place = controls::AnchorChild(Box{33, 0, 40, 10}, 101, 10, controls::anchor::kTopCentre,
                                     controls::anchor::kTopCentre);
  EXPECT_EQ(place.marginLeft, -17);  // 33 − 5050 / 100
  EXPECT_EQ(controls::PlaceChild(place, Box{0, 0, 75, 10}).left, 20);  // 3750 / 100 − 17
}

TEST(PlacementText, ReadsEightNumbers) {
  auto placement = controls::ParsePlacement("10,20,810,620,1,0,0,0");
  ASSERT_TRUE(placement);
  EXPECT_EQ(placement->normal, (Box{10, 20, 810, 620}));
  EXPECT_EQ(placement->normal.Width(), 800);
  EXPECT_EQ(placement->normal.Height(), 600);
  EXPECT_EQ(placement->showCommand, 1);
  EXPECT_EQ(controls::ParsePlacement(" -4, 5 ,6,7,3,2,-32000,-32000")->minimisedX, -32000);
}

TEST(PlacementText, IgnoresDamagedValues) {
  for (const char* text : {"10,20,810,620,1,0,0", "10,20,810,620,1,0,0,0,0", "", ",,,,,,,", "10,20,810,620,1,0,0,x",
                           "10,20,810,620,1,0,0,0x", "99999999999,20,810,620,1,0,0,0", "1;2;3;4;5;6;7;8",
                           "10,20,810,620,1,0,0,\n", "1.5,2,3,4,5,6,7,8"}) {
    EXPECT_FALSE(controls::ParsePlacement(text)) << text;
  }
}

TEST(PlacementText, WritesTheSameLayout) {
  EXPECT_EQ(controls::FormatPlacement(WindowPlacement{Box{10, 20, 810, 620}, 3, 2, -1, -1}), "10,20,810,620,3,2,-1,-1");
}

TEST(PlacementRestore, OnlyNormalAndMaximisedComeBack) {
  WindowPlacement saved{Box{10, 20, 810, 620}, 2, 1, 5, 6};  // minimised
  WindowPlacement restored = controls::PlacementToRestore(saved, false);
  EXPECT_EQ(restored.showCommand, 1);
  EXPECT_EQ(restored.normal, saved.normal);
  saved.showCommand = 3;
  EXPECT_EQ(controls::PlacementToRestore(saved, false).showCommand, 3);
  WindowPlacement rectOnly = controls::PlacementToRestore(saved, true);
  EXPECT_EQ(rectOnly.showCommand, 1);
  EXPECT_EQ(rectOnly.flags, 0);
  saved.showCommand = 0;  // hidden
  EXPECT_EQ(controls::PlacementToRestore(saved, false).showCommand, 1);
}

TEST(PlacementRestore, TheRectangleIsBroughtOntoADisplay) {
  const std::vector<Box> one{{0, 0, 1280, 1024}};
  EXPECT_EQ(controls::FitOnDisplays(Box{2000, 100, 2800, 700}, one), (Box{480, 100, 1280, 700}));
  EXPECT_EQ(controls::FitOnDisplays(Box{-50, -50, 2000, 1500}, one), (Box{0, 0, 1280, 1024}));
  EXPECT_EQ(controls::FitOnDisplays(Box{10, 20, 810, 620}, one), (Box{10, 20, 810, 620}));
  const std::vector<Box> two{{0, 0, 1280, 1024}, {1280, 0, 2560, 1024}};
  EXPECT_EQ(controls::FitOnDisplays(Box{1300, 10, 2100, 610}, two), (Box{1300, 10, 2100, 610}));
  EXPECT_EQ(controls::FitOnDisplays(Box{1200, 10, 2000, 610}, two), (Box{1280, 10, 2080, 610}));
  EXPECT_FALSE(controls::FitOnDisplays(Box{10, 10, 10, 500}, one));
  EXPECT_FALSE(controls::FitOnDisplays(Box{10, 10, 5, 5}, one));
  EXPECT_FALSE(controls::FitOnDisplays(Box{10, 10, 50, 50}, {}));
}

// A 640 x 480 screen: the disclaimer is laid out for 716 x 540 and the viewer, with its frame,
// for 962 x 726. Neither may open or be kept larger than the screen's work area.
TEST(WorkArea, AWindowLaidOutLargerThanTheWorkAreaMayBeNoLargerThanIt) {
  const Box screen{0, 0, 640, 480};
  EXPECT_EQ(controls::SmallestWindowSize({716, 540}, screen), (controls::Extent{640, 480}));
  EXPECT_EQ(controls::SmallestWindowSize({962, 726}, screen), (controls::Extent{640, 480}));
  // A panel 24 px high along the top leaves 456 px; a narrow window keeps its own width.
  EXPECT_EQ(controls::SmallestWindowSize({300, 540}, Box{0, 24, 640, 480}), (controls::Extent{300, 456}));
  // On a large screen the size it was laid out for stays the smallest.
  EXPECT_EQ(controls::SmallestWindowSize({716, 540}, Box{0, 0, 1600, 1200}), (controls::Extent{716, 540}));
  EXPECT_EQ(controls::SmallestWindowSize({716, 540}, Box{0, 0, -5, -5}), (controls::Extent{0, 0}));
}

TEST(WorkArea, AWindowCentredOnASmallerScreenIsShrunkOntoIt) {
  const std::vector<Box> screen{{0, 0, 640, 480}};
  // Centred, the disclaimer reaches 38 px past the left and right edges and 30 px past the top
  // and bottom ones.
  EXPECT_EQ(controls::FitOnDisplays(Box{-38, -30, 678, 510}, screen), (Box{0, 0, 640, 480}));
  // Only too tall: it keeps its width and place across, and fills the height.
  EXPECT_EQ(controls::FitOnDisplays(Box{100, 50, 500, 750}, screen), (Box{100, 0, 500, 480}));
  // Below a panel 24 px high, the window starts under it.
  EXPECT_EQ(controls::FitOnDisplays(Box{0, 0, 716, 540}, {Box{0, 24, 640, 480}}), (Box{0, 24, 640, 480}));
}

// The viewer's buttons in a client 640 px wide, 14 px from either side: Save, Edit Notes, Print
// Preview and Print, 120 px wide 10 px apart, follow the left edge; Exit follows the right edge
// and lands on Print (506 < 524).
TEST(ButtonRows, ButtonsThatTheirAnchorsMadeOverlapAreNarrowedAlikeToFitSideBySide) {
  const int y = 440, bottom = 476;
  std::vector<Box> places{{14, y, 134, bottom},  {144, y, 264, bottom}, {274, y, 394, bottom},
                          {404, y, 524, bottom}, {506, y, 626, bottom}, {14, 14, 626, 430}};
  controls::KeepRowsApart(places);
  // From 14 to 626 less four gaps of 10: 572 px for 600 px of buttons, shared as the running
  // sums 114.4, 228.8, 343.2, 457.6 and 572 round down: 114, 114, 115, 114 and 115 px.
  const std::vector<Box> expected{{14, y, 128, bottom},  {138, y, 252, bottom}, {262, y, 377, bottom},
                                  {387, y, 501, bottom}, {511, y, 626, bottom}, {14, 14, 626, 430}};
  EXPECT_EQ(places, expected);
}

TEST(ButtonRows, RowsThatDoNotOverlapAndChildrenOfOtherHeightsStayWhereTheyAre) {
  // The same buttons in the client they were laid out in, 960 px wide.
  std::vector<Box> wide{{14, 660, 134, 696}, {144, 660, 264, 696}, {274, 660, 394, 696},
                        {404, 660, 524, 696}, {826, 660, 946, 696}};
  const std::vector<Box> laidOut = wide;
  controls::KeepRowsApart(wide);
  EXPECT_EQ(wide, laidOut);
  // Overlapping children that are not in one row: a label over a taller box.
  std::vector<Box> stacked{{10, 10, 200, 30}, {10, 20, 300, 200}, {150, 10, 400, 31}};
  const std::vector<Box> asPlaced = stacked;
  controls::KeepRowsApart(stacked);
  EXPECT_EQ(stacked, asPlaced);
}

TEST(ButtonRows, ARowWithNoRoomLeftShrinksToNothingNeverInsideOut) {
  // Two buttons laid on top of each other with nothing between the row's edges.
  std::vector<Box> places{{50, 0, 50, 20}, {50, 0, 50, 20}};
  controls::KeepRowsApart(places);
  EXPECT_EQ(places, (std::vector<Box>{{50, 0, 50, 20}, {50, 0, 50, 20}}));
  // Fully overlapping, 100 px wide: no gap in the row, 50 px each.
  std::vector<Box> same{{0, 0, 100, 20}, {0, 0, 100, 20}};
  controls::KeepRowsApart(same);
  EXPECT_EQ(same, (std::vector<Box>{{0, 0, 50, 20}, {50, 0, 100, 20}}));
}
