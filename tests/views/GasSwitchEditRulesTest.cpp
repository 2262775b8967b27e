// What the gas-switch editor allows for the depth in its field.
#include <gtest/gtest.h>

#include "views/core/GasSwitchEditRules.h"

namespace {

TEST(GasSwitchEditRules, TheSurfaceRowStaysAndTakenDepthsAreRefused) {
  // Editing the first descent row at 0 m: Delete stays off and Update works only at 0 m.
  const GasSwitchEditRules surfaceRow(true, 0, {0, 30, 50});
  EXPECT_FALSE(surfaceRow.CanDelete());
  EXPECT_TRUE(surfaceRow.CanUpdate(0));
  EXPECT_FALSE(surfaceRow.CanUpdate(10));
  EXPECT_TRUE(surfaceRow.CanAdd(10));
  EXPECT_FALSE(surfaceRow.CanAdd(0));

  // Moving the 30 m row to a depth another row uses disables Add and Update.
  const GasSwitchEditRules deepRow(true, 30, {0, 30, 50});
  EXPECT_FALSE(deepRow.CanAdd(50));
  EXPECT_FALSE(deepRow.CanUpdate(50));
  EXPECT_TRUE(deepRow.CanUpdate(30));
  EXPECT_TRUE(deepRow.CanUpdate(40));
  EXPECT_TRUE(deepRow.CanDelete());
  // The only descent row cannot go; the only ascent row can.
  EXPECT_FALSE(GasSwitchEditRules(true, 30, {30}).CanDelete());
  EXPECT_TRUE(GasSwitchEditRules(false, 6, {6}).CanDelete());
  EXPECT_FALSE(GasSwitchEditRules(false, -1, {}).CanDelete());

  // Twelve rows: no Add at any depth. Without a row (-1) Update is offered for a free depth;
  // the generator then ignores it.
  const GasSwitchEditRules full(false, -1, {3, 6, 9, 12, 15, 18, 21, 24, 27, 30, 33, 36});
  EXPECT_FALSE(full.CanAdd(40));
  EXPECT_TRUE(full.CanUpdate(40));
  EXPECT_FALSE(full.CanUpdate(36));

  // Rows in feet are shown to the nearest foot.
  EXPECT_EQ(EditorDepth(30.705, UnitSystem::kImperial), 100);
  EXPECT_EQ(EditorDepth(6, UnitSystem::kImperial), 20);
  EXPECT_EQ(EditorDepth(6.5, UnitSystem::kMetric), 6.5);
}

}  // namespace
