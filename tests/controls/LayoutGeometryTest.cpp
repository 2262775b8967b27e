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
