// The board: selection lines, opening with growing delays, bonus cells.
#include <gtest/gtest.h>

#include "engine/foundation/random.h"
#include "engine/foundation/timer.h"
#include "game/play/gameplay.h"
#include "game/play/level_file.h"
#include "game/play/process.h"
#include "support/game_host.h"
#include "support/text_board.h"

namespace game {
namespace {

// The owner's side of the board, as a log of calls.
class RecordedEvents : public cBoardEvents {
 public:
  void OnRightCell(GG_ELEMENT& cell) override { Note("right", cell); }
  void OnWrongCell(GG_ELEMENT& cell) override { Note("wrong", cell); }
  void CheckFinished() override { calls.push_back("check"); }
  void PlayCellSound(const std::string& name) override { calls.push_back("sound " + name); }
  void OnEndSweepFinished() override { calls.push_back("swept"); }

  std::vector<std::string> calls;

 private:
  void Note(const char* what, const GG_ELEMENT& cell) {
    calls.push_back(std::string(what) + " " + std::to_string(cell.Row()) + "," +
                    std::to_string(cell.Col()));
  }
};

class BoardTest : public ::testing::Test {
 protected:
  void Build(const std::vector<std::string>& rows, const std::string& bonuses = "0") {
    test_support::LevelText text;
    text.rows = rows;
    text.bonuses = bonuses;
    ASSERT_TRUE(test_support::BuildBoard(text, level_, settings_, board_));
    board_.SetOpenDelayStep(0.25f);
  }

  static std::vector<std::pair<int, int>> Places(const std::vector<GG_ELEMENT*>& cells) {
    std::vector<std::pair<int, int>> places;
    for (const GG_ELEMENT* cell : cells) places.emplace_back(cell->Row(), cell->Col());
    return places;
  }

  LevelFile level_;
  BoardSettings settings_;
  RecordedEvents events_;
  GG_PROCESS board_{&events_};
};

const std::vector<std::string> kSix = {
    "#.#..#", "..##..", "#....#", ".####.", "......", "#.#.#.",
};

TEST_F(BoardTest, TellsItsOwnerOfEveryOpenedCellAndEachLine) {
  Build(kSix);
  board_.ApplyClick(0, 0, 0, 2, true);   // "#.#": right, wrong, right
  board_.ApplyClick(1, 1, 1, 0, false);  // "..": crossed from the right
  EXPECT_EQ(events_.calls,
            (std::vector<std::string>{"right 0,0", "sound fulltileclick", "wrong 0,1", "right 0,2",
                                      "check", "right 1,1", "sound emptytileclick", "right 1,0",
                                      "check"}));
}

TEST_F(BoardTest, CellsSitAtTheirPlacesInFileOrder) {
  Build(kSix);
  ASSERT_EQ(board_.GetCells().size(), 36u);
  EXPECT_EQ(board_.CellsToFind().size(), 14u);
  const GG_ELEMENT* cell = board_.CellAt(3, 5);
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(cell->Row(), 3u);
  EXPECT_EQ(cell->Col(), 5u);
  EXPECT_EQ(cell->Centre(), settings_.CellCentre(3, 5));
  EXPECT_EQ(board_.CellAt(-1, 0), nullptr);
  EXPECT_EQ(board_.CellAt(0, 6), nullptr);
  EXPECT_EQ(board_.CellAt(6, 0), nullptr);
}

TEST_F(BoardTest, CellUnderPointSkipsGaps) {
  Build(kSix);
  int32_t row = 0;
  int32_t col = 0;
  const ORB::Vector2 inCell = settings_.CellCentre(2, 4);
  EXPECT_TRUE(board_.CellUnderPoint(inCell, &row, &col));
  EXPECT_EQ(row, 2);
  EXPECT_EQ(col, 4);
  // Halfway between column 4 (the end of the first block) and column 5.
  const float gap = (settings_.CellCentre(0, 4).x + settings_.CellCentre(0, 5).x) / 2.0f;
  EXPECT_FALSE(board_.CellUnderPoint({gap, inCell.y}, &row, &col));
  EXPECT_EQ(row, -1);
  EXPECT_EQ(col, -1);
}

TEST_F(BoardTest, SelectionFollowsTheLargerDistance) {
  Build(kSix);
  // Three rows down and two columns across: the column wins.
  EXPECT_EQ(Places(board_.CollectSelection(2, 2, 5, 4)),
            (std::vector<std::pair<int, int>>{{2, 2}, {3, 2}, {4, 2}, {5, 2}}));
  // A tie goes to the row.
  EXPECT_EQ(Places(board_.CollectSelection(2, 2, 4, 4)),
            (std::vector<std::pair<int, int>>{{2, 2}, {2, 3}, {2, 4}}));
  // Backwards, in the order from the start.
  EXPECT_EQ(Places(board_.CollectSelection(1, 3, 1, 0)),
            (std::vector<std::pair<int, int>>{{1, 3}, {1, 2}, {1, 1}, {1, 0}}));
  EXPECT_EQ(Places(board_.CollectSelection(4, 4, 4, 4)),
            (std::vector<std::pair<int, int>>{{4, 4}}));
  // Cells outside the grid are left out.
  EXPECT_EQ(Places(board_.CollectSelection(0, 4, 0, 9)),
            (std::vector<std::pair<int, int>>{{0, 4}, {0, 5}}));
  EXPECT_EQ(Places(board_.CollectSelection(1, -3, 1, 0)),
            (std::vector<std::pair<int, int>>{{1, 0}}));
  EXPECT_TRUE(board_.CollectSelection(9, 0, 9, 5).empty());
  EXPECT_TRUE(board_.CollectSelection(0, 0x7FFFFFF0, 0, 0x7FFFFFFF).empty());
}

TEST_F(BoardTest, LineOpensOneCellAfterAnotherSkippingOpenCells) {
  Build(kSix);
  board_.CellAt(3, 2)->OpenAsFilled(0.0);  // already open
  board_.ApplyClick(3, 0, 3, 3, true);
  EXPECT_DOUBLE_EQ(board_.CellAt(3, 0)->OpenDelay(), 0.0);
  EXPECT_DOUBLE_EQ(board_.CellAt(3, 1)->OpenDelay(), 0.25);
  EXPECT_DOUBLE_EQ(board_.CellAt(3, 3)->OpenDelay(), 0.5);  // no delay added for (3, 2)
  EXPECT_TRUE(board_.CellAt(3, 0)->IsRevealed());
  EXPECT_FALSE(board_.CellAt(3, 1)->IsRevealed());
  EXPECT_FALSE(board_.CellAt(3, 3)->IsRevealed());
  for (int c = 0; c < 4; ++c) EXPECT_TRUE(board_.CellAt(3, c)->IsOpen());

  ORB::FrameDelta().store(0.3f);
  board_.Update();
  EXPECT_TRUE(board_.CellAt(3, 1)->IsRevealed());
  EXPECT_FALSE(board_.CellAt(3, 3)->IsRevealed());
  board_.Update();
  EXPECT_TRUE(board_.CellAt(3, 3)->IsRevealed());
  ORB::FrameDelta().store(0.0f);
}

TEST_F(BoardTest, FoundCellsCountRightAndWrongPictureCells) {
  Build(kSix);
  board_.ApplyClick(0, 0, 0, 2, false);  // cross: (0,0) and (0,2) are picture cells
  EXPECT_EQ(board_.FoundCells().size(), 2u);
  EXPECT_DOUBLE_EQ(board_.GetProgress(), 2.0 / 14.0);
  EXPECT_EQ(board_.CellAt(0, 0)->Shown(), GG_ELEMENT::kFilled);
}

TEST_F(BoardTest, BonusCellsAreDistinctPictureCells) {
  ORB::Random random;
  random.Seed(7);
  Build(kSix, "14");
  int bonuses = 0;
  for (const auto& cell : board_.GetCells()) {
    if (cell->HasBonus()) {
      EXPECT_TRUE(cell->IsFilled());
      ++bonuses;
    }
  }
  EXPECT_EQ(bonuses, 14);
  ORB::SetDefaultRandom(nullptr);
}

TEST_F(BoardTest, BonusCountFromTheFile) {
  ORB::Random random;
  random.Seed(1);
  Build(kSix, "3");
  int bonuses = 0;
  for (const auto& cell : board_.GetCells()) bonuses += cell->HasBonus();
  EXPECT_EQ(bonuses, 3);
  ORB::SetDefaultRandom(nullptr);
}

TEST_F(BoardTest, ClearDropsEverything) {
  Build(kSix);
  board_.ApplyClick(0, 0, 0, 0, true);
  board_.Clear();
  EXPECT_TRUE(board_.GetCells().empty());
  EXPECT_TRUE(board_.CellsToFind().empty());
  EXPECT_TRUE(board_.FoundCells().empty());
  EXPECT_EQ(board_.CellAt(0, 0), nullptr);
  EXPECT_EQ(board_.Numbers().Rows(), 0);
}

TEST_F(BoardTest, EndSweepLightsEveryPictureCell) {
  Build(kSix);
  const float duration = board_.StartEndEffect(400.0f);
  EXPECT_GT(duration, 0.0f);
  EXPECT_TRUE(board_.IsSweeping());
  ORB::FrameDelta().store(duration / 10.0f);
  for (int i = 0; i < 12 && board_.IsSweeping(); ++i) board_.Update();
  ORB::FrameDelta().store(0.0f);
  EXPECT_FALSE(board_.IsSweeping());
  for (const GG_ELEMENT* cell : board_.CellsToFind()) EXPECT_TRUE(cell->EndStarted());
  // A speed of 0 ends at once instead of never.
  EXPECT_EQ(board_.StartEndEffect(0.0f), 0.0f);
  board_.Update();
  EXPECT_FALSE(board_.IsSweeping());
}

}  // namespace
}  // namespace game
