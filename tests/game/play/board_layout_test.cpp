#include <gtest/gtest.h>

#include "game/play/board_settings.h"

namespace game {
namespace {

BoardSettings Board(ORB::Point grid, ORB::Point block, ORB::Point shift, ORB::Vector2 el = {40, 40}) {
  BoardSettings s;
  s.grid = grid;
  s.block = block;
  s.shiftBlock = shift;
  s.elSize = el;
  s.position = {500, 400};
  s.ComputeLayout();
  return s;
}

TEST(BoardLayoutTest, BlocksPerAxisCountPartialBlocks) {
  EXPECT_EQ(Board({10, 10}, {5, 5}, {0, 0}).blocks, ORB::Point(2, 2));
  EXPECT_EQ(Board({12, 10}, {5, 5}, {0, 0}).blocks, ORB::Point(3, 2));
  EXPECT_EQ(Board({12, 7}, {0, 0}, {0, 0}).blocks, ORB::Point(1, 1));
}

TEST(BoardLayoutTest, PlainGridHasNoGaps) {
  const BoardSettings s = Board({10, 5}, {5, 5}, {0, 0});
  EXPECT_EQ(s.width, 400);
  EXPECT_EQ(s.height, 200);
  EXPECT_EQ(s.frameCorner, ORB::Vector2(300, 300));
  EXPECT_EQ(s.origin, s.frameCorner);
  EXPECT_EQ(s.CellCentre(0, 0), ORB::Vector2(320, 320));
  EXPECT_EQ(s.CellCentre(4, 9), ORB::Vector2(680, 480));
}

TEST(BoardLayoutTest, NegativeShiftOpensGapsBetweenBlocksAndAtTheFrame) {
  // Two blocks of five 40-pixel cells with 4-pixel gaps: 4 + 200 + 4 + 200 + 4.
  const BoardSettings s = Board({10, 10}, {5, 5}, {-4, -4});
  EXPECT_EQ(s.width, 412);
  EXPECT_EQ(s.frameCorner, ORB::Vector2(294, 194));
  EXPECT_EQ(s.origin, ORB::Vector2(298, 198));
  EXPECT_EQ(s.CellCentre(0, 4).x, 298 + 180);
  EXPECT_EQ(s.CellCentre(0, 5).x, 298 + 200 + 4 + 20);
  EXPECT_EQ(s.CellCentre(9, 0).y, 198 + 360 + 4 + 20);
}

TEST(BoardLayoutTest, CellUnderCoordinateFollowsTheBlocks) {
  const BoardSettings s = Board({10, 10}, {5, 5}, {-4, -4});
  // Column 4 spans 458..498, the gap 498..502, column 5 502..542.
  EXPECT_EQ(s.ColumnAt(298.0f), 0);
  EXPECT_EQ(s.ColumnAt(297.0f), -1);  // the frame's margin
  EXPECT_EQ(s.ColumnAt(470.0f), 4);
  EXPECT_EQ(s.ColumnAt(498.0f), 4);   // the cell's own edge
  EXPECT_EQ(s.ColumnAt(499.0f), -1);  // in the gap
  EXPECT_EQ(s.ColumnAt(501.5f), -1);
  EXPECT_EQ(s.ColumnAt(502.0f), 5);
  EXPECT_EQ(s.ColumnAt(541.0f), 5);
  // Column 9 ends at 702; the frame's margin follows up to 706.
  EXPECT_EQ(s.ColumnAt(702.0f), 9);
  EXPECT_EQ(s.ColumnAt(703.0f), -1);
  // Counting whole cells from the origin would put 540 (in column 5) into
  // column 6.
  EXPECT_EQ(s.ColumnAt(540.0f), 5);
  EXPECT_EQ(s.RowAt(399.0f), -1);
  EXPECT_EQ(s.RowAt(403.0f), 5);
}

TEST(BoardLayoutTest, NearestCellNeverLeavesTheGrid) {
  const BoardSettings s = Board({10, 10}, {5, 5}, {-4, -4});
  EXPECT_EQ(s.NearestColumnAt(0.0f), 0);
  EXPECT_EQ(s.NearestColumnAt(500.0f), 4);  // a gap counts as the cell before it
  EXPECT_EQ(s.NearestColumnAt(5000.0f), 9);
  EXPECT_EQ(s.NearestRowAt(-100.0f), 0);
}

TEST(BoardLayoutTest, PartialLastBlockEndsAtTheLastColumn) {
  const BoardSettings s = Board({7, 5}, {5, 5}, {-4, 0});
  // Blocks of 5 and 2 columns; the frame is as wide as two whole blocks.
  EXPECT_EQ(s.blocks, ORB::Point(2, 1));
  EXPECT_EQ(s.ColumnAt(s.CellCentre(0, 6).x), 6);
  EXPECT_EQ(s.ColumnAt(s.CellCentre(0, 6).x + 40.0f), -1);
  EXPECT_TRUE(s.IsOverBoard(s.CellCentre(0, 6).x + 40.0f, 400.0f));
}

TEST(BoardLayoutTest, OverBoardIsTheFrameEdgesIncluded) {
  const BoardSettings s = Board({10, 10}, {5, 5}, {-4, -4});
  EXPECT_TRUE(s.IsOverBoard(294.0f, 194.0f));
  EXPECT_TRUE(s.IsOverBoard(706.0f, 606.0f));
  EXPECT_FALSE(s.IsOverBoard(293.0f, 300.0f));
  EXPECT_FALSE(s.IsOverBoard(707.0f, 300.0f));
}

}  // namespace
}  // namespace game
