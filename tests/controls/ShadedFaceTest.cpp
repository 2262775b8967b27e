#include "controls/core/ShadedFace.h"

#include <gtest/gtest.h>

#include <algorithm>

using controls::BuildShadedFaces;
using controls::Rgb;
using controls::ShadeColours;
using controls::ShadeStyle;

namespace {

const ShadeColours kColours{Rgb{128, 128, 128}, Rgb{212, 208, 200}, Rgb{255, 255, 255}};

ShadeStyle Style(int type, int granularity, int highlight = 10) {
  ShadeStyle style;
  style.type = type;
  style.granularity = granularity;
  style.highlightPercent = highlight;
  return style;
}

}  // namespace

TEST(ShadedFace, RandomNumbersFollowTheFifteenBitGenerator) {
  controls::Rand15 random(1);
  EXPECT_EQ(random.Next(), 41);
  EXPECT_EQ(random.Next(), 18467);
  EXPECT_EQ(random.Next(), 6334);
}

TEST(ShadedFace, ThePaletteRunsFromShadowThroughFaceToHighlight) {
  controls::Rand15 random;
  controls::ShadedFaces faces = BuildShadedFaces(10, 10, Style(6, 8), kColours, random);
  EXPECT_EQ(faces.normal.Entry(0), (Rgb{128, 128, 128}));
  EXPECT_EQ(faces.normal.Entry(64), (Rgb{170, 168, 164}));   // halfway between shadow and face
  EXPECT_EQ(faces.normal.Entry(128), (Rgb{212, 208, 200}));  // (255 + 127 × face) / 128
  EXPECT_EQ(faces.normal.Entry(255), (Rgb{255, 255, 255}));
  // The hover face is 10 % nearer the highlight: 128 → (2550 + 11520) / 100.
  EXPECT_EQ(faces.hover.Entry(0), (Rgb{140, 140, 140}));

  ShadeStyle tinted = Style(6, 8);
  tinted.colouring = Rgb{0, 0, 255};
  tinted.colouringPercent = 50;
  controls::ShadedFaces blue = BuildShadedFaces(10, 10, tinted, kColours, random);
  EXPECT_EQ(blue.normal.Entry(0), (Rgb{64, 64, 191}));
  tinted.colouringPercent = 250;  // clamped at 100
  EXPECT_EQ(BuildShadedFaces(10, 10, tinted, kColours, random).normal.Entry(0), (Rgb{0, 0, 255}));
}

TEST(ShadedFace, TheTwoWayCubicIsLightTopLeftAndDarkBottomRight) {
  controls::Rand15 random;
  controls::ShadedFaces faces = BuildShadedFaces(100, 40, Style(6, 0), kColours, random);
  // Top left: a = 39·255/40 − 127 = 121, b = 128 → 128 + 108 + 128, clamped to 255.
  EXPECT_EQ(faces.normal.Pixel(0, 0), 255);
  // Bottom right: a = −127, b = −125 → −125 − 119 + 128 < 0, clamped to 0.
  EXPECT_EQ(faces.normal.Pixel(99, 39), 0);
  // Column 50 of the row 20 from the bottom: a = b = 0 → 128.
  EXPECT_EQ(faces.normal.Pixel(50, 19), 128);
}

TEST(ShadedFace, GranularityZeroIsPracticallyFreeOfNoise) {
  controls::Rand15 random(7);
  controls::ShadedFaces faces = BuildShadedFaces(60, 30, Style(2, 0), kColours, random);
  int noisy = 0;
  for (int y = 0; y < 30; ++y) {
    const int j = 29 - y;
    for (int x = 0; x < 60; ++x) {
      const int expected = j * 255 / 30;
      const int got = faces.normal.Pixel(x, y);
      EXPECT_TRUE(got == expected || got == expected + 1) << x << "," << y;
      noisy += got != expected;
    }
  }
  EXPECT_LE(noisy, 2);
}

TEST(ShadedFace, NoiseStaysWithinTheGranularity) {
  controls::Rand15 random(3);
  controls::ShadedFaces faces = BuildShadedFaces(50, 20, Style(0, 8), kColours, random);
  int lowest = 255, highest = 0;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 50; ++x) {
      lowest = std::min<int>(lowest, faces.normal.Pixel(x, y));
      highest = std::max<int>(highest, faces.normal.Pixel(x, y));
    }
  }
  EXPECT_GE(lowest, 120);  // 128 − 8
  EXPECT_LE(highest, 136);  // 128 + 8
  EXPECT_LT(lowest, highest);
}

TEST(ShadedFace, TheHoverFaceKeepsThePixelsAndOnlyLightensThePalette) {
  controls::Rand15 random(5);
  controls::ShadedFaces faces = BuildShadedFaces(80, 24, Style(6, 8), kColours, random);
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < 80; ++x) ASSERT_EQ(faces.normal.Pixel(x, y), faces.hover.Pixel(x, y));
  }
  for (int i = 0; i < 255; ++i) {
    EXPECT_GE(faces.hover.Entry(i).r, faces.normal.Entry(i).r);
    EXPECT_GE(faces.hover.Entry(i).b, faces.normal.Entry(i).b);
  }
  EXPECT_GT(faces.hover.Entry(128).b, faces.normal.Entry(128).b);
}

TEST(ShadedFace, TheDisabledFaceKeepsThePixelsAndFadesTheShadingTowardsTheFlatFace) {
  controls::Rand15 random(5);
  controls::ShadedFaces faces = BuildShadedFaces(80, 24, Style(6, 8), kColours, random);
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < 80; ++x) ASSERT_EQ(faces.normal.Pixel(x, y), faces.disabled.Pixel(x, y));
  }
  auto between = [](int value, int a, int b) { return value >= std::min(a, b) && value <= std::max(a, b); };
  for (int i = 0; i < 256; ++i) {
    const Rgb normal = faces.normal.Entry(i);
    const Rgb faded = faces.disabled.Entry(i);
    EXPECT_TRUE(between(faded.r, normal.r, kColours.face.r)) << i;
    EXPECT_TRUE(between(faded.g, normal.g, kColours.face.g)) << i;
    EXPECT_TRUE(between(faded.b, normal.b, kColours.face.b)) << i;
  }
  // Shadow 128 to highlight 255 in red at rest; greyed, no more than a third of that contrast
  // is left around the face's 212.
  const int restingContrast = faces.normal.Entry(255).r - faces.normal.Entry(0).r;
  const int greyedContrast = faces.disabled.Entry(255).r - faces.disabled.Entry(0).r;
  EXPECT_EQ(restingContrast, 127);
  EXPECT_GT(greyedContrast, 0);
  EXPECT_LE(greyedContrast, restingContrast / 3);
}

TEST(ShadedFace, AWideButtonSpansThePaletteOnce) {
  controls::Rand15 random;
  controls::ShadedFaces faces = BuildShadedFaces(400, 10, Style(3, 0), kColours, random);
  EXPECT_EQ(faces.normal.Pixel(0, 5), 255);    // (400 − 0) · 255 / 400
  EXPECT_LE(faces.normal.Pixel(399, 5), 1);    // 1 · 255 / 400 = 0, plus the rare noise step
  for (int x = 1; x < 399; ++x) EXPECT_LE(faces.normal.Pixel(x, 5), faces.normal.Pixel(x - 1, 5) + 1);
}

TEST(ShadedFace, EveryPatternCopesWithTinyAndHugeSizes) {
  for (int type = 0; type <= 9; ++type) {
    for (auto [w, h] : {std::pair{0, 0}, {1, 1}, {2, 1}, {1, 3}, {7, 2}, {40000, 2}}) {
      controls::Rand15 random;
      controls::ShadedFaces faces = BuildShadedFaces(w, h, Style(type, 255), kColours, random);
      EXPECT_EQ(faces.normal.Width(), w);
      EXPECT_EQ(faces.hover.Height(), h);
    }
  }
  controls::IndexedImage image;
  image.Allocate(3, 3);
  image.PutPixel(-1, 5, 9);  // outside: ignored
  EXPECT_EQ(image.Pixel(-1, 5), 0);
}
