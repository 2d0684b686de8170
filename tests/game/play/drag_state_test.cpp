// The pointer's drag alone, on a board with block gaps: pressing, the line
// locked to one axis, releasing, cancelling, and the cases that start
// nothing. Points are handed in; no input state is read.
#include "game/play/drag_state.h"

#include <gtest/gtest.h>

#include "engine/foundation/result_codes.h"
#include "game/play/element.h"
#include "game/play/level_file.h"
#include "game/play/process.h"
#include "support/text_board.h"

namespace game {
namespace {

class DragStateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test_support::LevelText text;
    text.rows = std::vector<std::string>(10, "##########");
    ASSERT_TRUE(test_support::BuildBoard(text, level_, settings_, board_));
  }
  ORB::Point At(int row, int col, float dx = 0.0f) const {
    const ORB::Vector2 centre = settings_.CellCentre(row, col);
    return ORB::Point(static_cast<int32_t>(centre.x + dx), static_cast<int32_t>(centre.y));
  }

  LevelFile level_;
  BoardSettings settings_;
  GG_PROCESS board_;
  gDragState drag_;
};

TEST_F(DragStateTest, APressADragAndAReleaseMakeOneLine) {
  ASSERT_EQ(drag_.Press(board_, At(2, 2), 1, true), ORB::kEventSwallowed);
  EXPECT_TRUE(drag_.IsDragging());
  EXPECT_EQ(drag_.Tool(), gDragState::kToolFill);
  drag_.Move(board_, At(5, 4));  // three down, two across: the column
  EXPECT_EQ(drag_.Selection().size(), 4u);
  EXPECT_EQ(drag_.HoveredCol(), 2);
  gDragState::Line line;
  ASSERT_TRUE(drag_.Release(&line));
  EXPECT_EQ(line.start_row, 2);
  EXPECT_EQ(line.end_row, 5);
  EXPECT_EQ(line.start_col, 2);
  EXPECT_EQ(line.end_col, 2);
  EXPECT_TRUE(line.fill);
  EXPECT_FALSE(drag_.IsDragging());
  EXPECT_TRUE(drag_.Selection().empty());
  EXPECT_FALSE(drag_.Release(&line));  // nothing to release twice
}

TEST_F(DragStateTest, TheSecondButtonTakesTheOtherTool) {
  ASSERT_EQ(drag_.Press(board_, At(0, 0), 2, true), ORB::kEventSwallowed);
  EXPECT_EQ(drag_.Tool(), gDragState::kToolCross);
  drag_.Cancel();
  ASSERT_EQ(drag_.Press(board_, At(0, 0), 2, false), ORB::kEventSwallowed);
  EXPECT_EQ(drag_.Tool(), gDragState::kToolFill);
}

TEST_F(DragStateTest, PressesThatStartNothing) {
  EXPECT_EQ(drag_.Press(board_, ORB::Point(3, 3), 1, true), ORB::kResultNone);     // off the board
  EXPECT_EQ(drag_.Press(board_, At(2, 4, 21.0f), 1, true), ORB::kResultNotFound);  // a gap
  EXPECT_EQ(drag_.Press(board_, At(1, 1), 4, true), ORB::kResultNone);  // the middle button
  board_.CellAt(1, 1)->SetLocked(true);
  EXPECT_EQ(drag_.Press(board_, At(1, 1), 1, true), ORB::kResultNone);
  EXPECT_FALSE(drag_.IsDragging());
  gDragState::Line line;
  EXPECT_FALSE(drag_.Release(&line));
}

TEST_F(DragStateTest, ADragThatLeavesTheBoardEndsOnItsLastCell) {
  ASSERT_EQ(drag_.Press(board_, At(3, 1), 1, true), ORB::kEventSwallowed);
  drag_.Move(board_, At(3, 6));
  drag_.Move(board_, ORB::Point(1000, At(3, 0).y));
  EXPECT_FALSE(drag_.IsPointerOverBoard());
  EXPECT_EQ(drag_.HoveredCol(), 6);
  gDragState::Line line;
  ASSERT_TRUE(drag_.Release(&line));
  EXPECT_EQ(line.end_col, 6);
  // Without a drag, leaving the board forgets the hovered cell.
  drag_.Move(board_, ORB::Point(3, 3));
  EXPECT_EQ(drag_.HoveredRow(), -1);
}

TEST_F(DragStateTest, CancelAndClearDropTheDrag) {
  ASSERT_EQ(drag_.Press(board_, At(0, 0), 1, true), ORB::kEventSwallowed);
  drag_.Move(board_, At(0, 3));
  drag_.Cancel();
  EXPECT_TRUE(drag_.Selection().empty());
  EXPECT_EQ(drag_.HoveredRow(), -1);
  EXPECT_EQ(drag_.StartRow(), -1);
  gDragState::Line line;
  EXPECT_FALSE(drag_.Release(&line));
  drag_.Move(board_, At(4, 4));
  EXPECT_TRUE(drag_.IsPointerOverBoard());
  drag_.Clear();
  EXPECT_FALSE(drag_.IsPointerOverBoard());
  EXPECT_EQ(drag_.HoveredCol(), -1);
}

}  // namespace
}  // namespace game
