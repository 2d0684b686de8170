// The end-of-level sweep on the recording renderer: while it runs, the cells'
// end animations are drawn a second time over the picture; once it is over,
// once.
#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "engine/foundation/timer.h"
#include "framework/animation.h"
#include "game/play/element.h"
#include "game/play/level_file.h"
#include "game/play/process.h"
#include "support/recording_renderer.h"
#include "support/text_board.h"

namespace game {
namespace {

class EndSweepDrawTest : public test_support::RecordingRendererTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(RecordingRendererTest::SetUp());
    pugi::xml_document look;
    look.load_string(
        "<sprite_anim><FILE>end.png</FILE><HOT_SPOT>HS_MID</HOT_SPOT>"
        "<ANIMATION loop=\"0\" grid=\"6 1\" frames=\"6\" fps=\"2\"/></sprite_anim>");
    end_ = std::make_unique<ORB_GF::G_ANIMATION>(look.document_element());
    templates_.end = end_.get();
    board_.SetCellTemplates(&templates_);
    test_support::LevelText text;
    text.rows = {"##...", "#....", ".....", ".....", "...##"};
    ASSERT_TRUE(test_support::BuildBoard(text, level_, settings_, board_,
                                         "<numbers><numbersLeft/><numbersUp/></numbers>"));
    for (GG_ELEMENT* cell : board_.CellsToFind()) {
      board_.ApplyClick(cell->Row(), cell->Col(), cell->Row(), cell->Col(), true);
    }
  }
  void TearDown() override { ORB::FrameDelta().store(0.0f); }

  // Vertices one Draw of the board sends.
  size_t DrawBoard() {
    const size_t before = Drawn().size();
    board_.Draw();
    return Drawn().size() - before;
  }
  void Frame(float seconds) {
    ORB::FrameDelta().store(seconds);
    board_.Update();
  }

  std::unique_ptr<ORB_GF::G_ANIMATION> end_;
  CellTemplates templates_;
  LevelFile level_;
  BoardSettings settings_;
  GG_PROCESS board_;
};

TEST_F(EndSweepDrawTest, EndAnimationsAreDrawnTwiceWhileTheSweepRuns) {
  EXPECT_EQ(DrawBoard(), 0u);  // nothing plays before the sweep
  // Slow: every cell is lit while the sweep still has a way to go.
  const float duration = board_.StartEndEffect(100.0f);
  ASSERT_GT(duration, 2.0f);
  const auto allLit = [this] {
    for (const GG_ELEMENT* cell : board_.CellsToFind()) {
      if (!cell->IsEndPlaying()) return false;
    }
    return true;
  };
  while (board_.IsSweeping() && !allLit()) Frame(0.02f);
  ASSERT_TRUE(board_.IsSweeping());
  const size_t during = DrawBoard();
  while (board_.IsSweeping()) Frame(0.02f);
  // Each end animation runs 3 s: every one still plays.
  ASSERT_TRUE(allLit());
  const size_t after = DrawBoard();
  EXPECT_GT(after, 0u);
  EXPECT_EQ(during, 2 * after);
}

}  // namespace
}  // namespace game
