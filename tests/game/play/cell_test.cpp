#include <gtest/gtest.h>

#include "game/play/element.h"

namespace game {
namespace {

TEST(CellTest, NewCellsAreClosedExceptInertOnes) {
  GG_ELEMENT filled(GG_ELEMENT::kFilled, 1, 2);
  EXPECT_EQ(filled.Shown(), GG_ELEMENT::kClosed);
  EXPECT_FALSE(filled.IsOpen());
  EXPECT_FALSE(filled.IsRevealed());
  GG_ELEMENT inert(GG_ELEMENT::kInert, 0, 0);
  EXPECT_TRUE(inert.IsOpen());
  EXPECT_TRUE(inert.IsRevealed());
  EXPECT_EQ(inert.OpenAsFilled(0.0), GG_ELEMENT::kOpenNothing);
  EXPECT_EQ(inert.OpenAsEmpty(0.0), GG_ELEMENT::kOpenNothing);
}

TEST(CellTest, ToolAgainstContent) {
  const struct {
    uint32_t type;
    bool fill;
    int32_t result;
  } cases[] = {
      {GG_ELEMENT::kFilled, true, GG_ELEMENT::kOpenRight},
      {GG_ELEMENT::kFilled, false, GG_ELEMENT::kOpenWrong},  // a cross on a picture cell
      {GG_ELEMENT::kEmpty, false, GG_ELEMENT::kOpenRight},
      {GG_ELEMENT::kEmpty, true, GG_ELEMENT::kOpenWrong},  // fill on an empty cell
  };
  for (const auto& c : cases) {
    GG_ELEMENT cell(c.type, 0, 0);
    EXPECT_EQ(c.fill ? cell.OpenAsFilled(0.0) : cell.OpenAsEmpty(0.0), c.result);
    // Open at once, showing its true content whatever the tool.
    EXPECT_TRUE(cell.IsOpen());
    EXPECT_EQ(cell.Shown(), c.type);
    EXPECT_TRUE(cell.IsRevealed());
    EXPECT_EQ(cell.OpenAsFilled(0.0), GG_ELEMENT::kOpenNothing);
    EXPECT_EQ(cell.OpenAsEmpty(0.0), GG_ELEMENT::kOpenNothing);
  }
}

TEST(CellTest, DelayedOpeningShowsWhenTheDelayRunsOut) {
  GG_ELEMENT cell(GG_ELEMENT::kEmpty, 0, 0);
  EXPECT_EQ(cell.OpenAsEmpty(0.1), GG_ELEMENT::kOpenRight);
  EXPECT_TRUE(cell.IsOpen());        // counts as open at once
  EXPECT_FALSE(cell.IsRevealed());   // but shows later
  EXPECT_FALSE(cell.UpdateOpenDelay(0.06f));
  EXPECT_FALSE(cell.IsRevealed());
  EXPECT_TRUE(cell.UpdateOpenDelay(0.06f));
  EXPECT_TRUE(cell.IsRevealed());
  EXPECT_FALSE(cell.UpdateOpenDelay(0.06f));  // only once
}

TEST(CellTest, HitRectangleIncludesItsEdgesAndIgnoresLockedCells) {
  GG_ELEMENT cell(GG_ELEMENT::kFilled, 0, 0);
  cell.SetSize({40, 40});
  cell.SetPosition({120.5f, 80});
  EXPECT_EQ(cell.RectCorner(), ORB::Point(100, 60));
  EXPECT_EQ(cell.HitTest(1, {100, 60}), -109);
  EXPECT_EQ(cell.HitTest(2, {140, 100}), -109);
  EXPECT_EQ(cell.HitTest(1, {141, 100}), 0);
  EXPECT_EQ(cell.HitTest(1, {99, 70}), 0);
  EXPECT_EQ(cell.HitTest(4, {120, 80}), 0);  // the middle button opens nothing
  cell.SetLocked(true);
  EXPECT_EQ(cell.HitTest(1, {120, 80}), 0);
}

}  // namespace
}  // namespace game
