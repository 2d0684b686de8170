// The gameplay screen: loading through the host, the pointer's hovered cell,
// press, drag and release with both tools, busy and paused states, Stop.
#include "game/play/gameplay.h"

#include <gtest/gtest.h>

#include "engine/foundation/hooks.h"
#include "engine/foundation/input_state.h"
#include "engine/foundation/timer.h"
#include "support/game_host.h"
#include "support/log_capture.h"

namespace game {
namespace {

const char* kLevelName = "data/share/levels pack_test/level_01.xml";

// 10 x 10, two blocks each way with 4-pixel gaps.
const std::vector<std::string> kPicture = {
    "..####....", ".#....#...", "#..##..#..", "#.#..#.#..", "#.#..#.#..",
    "#..##..#..", ".#....#...", "..####....", "..........", "#########.",
};

class GameplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test_support::LevelText text;
    text.rows = kPicture;
    host_.SetFile(kLevelName, test_support::LevelXml(text));
    host_.level_id = 3;  // a level the player has no record of yet
    // The sample player allows no error; these tests make several.
    host_.Player().SetItemCount("errors", 6);
    ORB::FrameDelta().store(0.0f);
  }
  void TearDown() override { ORB::FrameDelta().store(0.0f); }

  void LoadLevel() { ASSERT_TRUE(gameplay_.Load(kLevelName)) << gameplay_.LastError(); }

  // Moves the pointer to the centre of a cell, or by an offset from it.
  void MoveTo(int row, int col, float dx = 0.0f, float dy = 0.0f) {
    const ORB::Vector2 centre = gameplay_.Settings().CellCentre(row, col);
    MoveToPoint(centre.x + dx, centre.y + dy);
  }
  void MoveToPoint(float x, float y) {
    input_.OnMouseMove(static_cast<int32_t>(x), static_cast<int32_t>(y));
    gameplay_.OnPointerMove();
  }
  void Drag(int fromRow, int fromCol, int toRow, int toCol, int button) {
    MoveTo(fromRow, fromCol);
    ASSERT_EQ(gameplay_.OnButtonDown(button), ORB::kEventSwallowed);
    MoveTo(toRow, toCol);
    gameplay_.OnButtonUp(button);
  }
  GG_ELEMENT& Cell(int row, int col) { return *gameplay_.Board().CellAt(row, col); }

  ORB::InputState input_;
  test_support::FakeHost host_;
  GG_GAMEPLAY gameplay_{&host_};
};

TEST_F(GameplayTest, ReadsRuleValuesAndEffectsAtConstruction) {
  EXPECT_EQ(gameplay_.CoinsPerCell(), 2);
  EXPECT_EQ(gameplay_.BonusCoins(), 10);
  EXPECT_EQ(gameplay_.MaxHints(), 4u);
  EXPECT_FLOAT_EQ(gameplay_.Board().OpenDelayStep(), 0.05f);
  EXPECT_FLOAT_EQ(gameplay_.EndSweepSpeed(), 800.0f);
  EXPECT_EQ(gameplay_.AllowedErrors(), 6);
  EXPECT_EQ(host_.OpenDocuments(), 0u);
}

TEST_F(GameplayTest, PlaysForTheHostsPlayerAndRecords) {
  host_.level_id = 10;
  LoadLevel();
  EXPECT_EQ(gameplay_.Player(), &host_.Player());
  EXPECT_EQ(gameplay_.PackRecord(), host_.Player().FindPack(1));
  ASSERT_NE(gameplay_.LevelRecord(), nullptr);
  EXPECT_EQ(gameplay_.LevelRecord(), host_.Player().FindLevel(1, 10));
}

TEST_F(GameplayTest, LoadBuildsTheBoardAndReleasesItsDocuments) {
  LoadLevel();
  EXPECT_TRUE(gameplay_.IsActive());
  EXPECT_FALSE(gameplay_.IsPaused());
  EXPECT_EQ(gameplay_.LevelFileName(), kLevelName);
  EXPECT_EQ(gameplay_.LevelId(), 3);
  EXPECT_EQ(gameplay_.Board().GetCells().size(), 100u);
  EXPECT_EQ(gameplay_.Settings().blocks, ORB::Point(2, 2));
  EXPECT_TRUE(gameplay_.GetToolSwitch());
  EXPECT_EQ(host_.OpenDocuments(), 0u);
  EXPECT_EQ(host_.unknown_releases, 0);
}

TEST_F(GameplayTest, LoadFailures) {
  host_.has_player = false;
  EXPECT_FALSE(gameplay_.Load(kLevelName));
  host_.has_player = true;
  host_.pack_id = 99;  // the player has no record of this pack
  EXPECT_FALSE(gameplay_.Load(kLevelName));
  host_.pack_id = 1;
  EXPECT_FALSE(gameplay_.Load("data/share/levels pack_test/missing.xml"));
  EXPECT_NE(gameplay_.LastError().find("missing.xml"), std::string::npos);
  host_.SetFile("bad.xml", "<level><settings/></level>");
  EXPECT_FALSE(gameplay_.Load("bad.xml"));
  EXPECT_NE(gameplay_.LastError().find("bad.xml"), std::string::npos);
  EXPECT_EQ(ORB::GetErrorText(), gameplay_.LastError());
  host_.RemoveFile(GG_GAMEPLAY::kNumbersFile);
  EXPECT_FALSE(gameplay_.Load(kLevelName));
  EXPECT_FALSE(gameplay_.IsActive());
  EXPECT_TRUE(gameplay_.LevelFileName().empty());
  EXPECT_TRUE(gameplay_.Board().GetCells().empty());
  EXPECT_EQ(host_.OpenDocuments(), 0u);
}

TEST_F(GameplayTest, ALevelNamingItsNumbersFileTakesItsFont) {
  test_support::LevelText text;
  text.rows = kPicture;
  std::string xml = test_support::LevelXml(text);
  xml.replace(xml.find(" bonuses="), 0, " numbers=\"numbers_small.xml\"");
  host_.SetFile("small.xml", xml);
  host_.SetFile("data/share/main/GameProcess numbers_small.xml",
                "<numbers><numbersLeft font=\"clue14\" interval=\"18\"/>"
                "<numbersUp font=\"clue14\" interval=\"16\"/></numbers>");
  ASSERT_TRUE(gameplay_.Load("small.xml")) << gameplay_.LastError();
  EXPECT_EQ(gameplay_.Board().LeftPanel().FontName(), "clue14");
  EXPECT_EQ(gameplay_.Board().TopPanel().Interval(), 16);
  // The next level without a name of its own goes back to the common file.
  LoadLevel();
  EXPECT_EQ(gameplay_.Board().LeftPanel().FontName(), "clue20");

  // A named file that is missing stops the load and is named.
  host_.RemoveFile("data/share/main/GameProcess numbers_small.xml");
  EXPECT_FALSE(gameplay_.Load("small.xml"));
  EXPECT_NE(gameplay_.LastError().find("numbers_small.xml"), std::string::npos)
      << gameplay_.LastError();
  EXPECT_FALSE(gameplay_.IsActive());
  EXPECT_EQ(host_.OpenDocuments(), 0u);
}

TEST_F(GameplayTest, HoveredCellFollowsThePointerAndMissesGaps) {
  LoadLevel();
  MoveTo(2, 3);
  EXPECT_TRUE(gameplay_.IsPointerOverBoard());
  EXPECT_EQ(gameplay_.HoveredRow(), 2);
  EXPECT_EQ(gameplay_.HoveredCol(), 3);
  // In the gap right of column 4: no cell, and never column 5.
  MoveTo(2, 4, 21.0f, 0.0f);
  EXPECT_TRUE(gameplay_.IsPointerOverBoard());
  EXPECT_EQ(gameplay_.HoveredRow(), -1);
  EXPECT_EQ(gameplay_.HoveredCol(), -1);
  EXPECT_EQ(gameplay_.OnButtonDown(1), -1);
  EXPECT_FALSE(gameplay_.IsDragging());
  MoveToPoint(5.0f, 5.0f);
  EXPECT_FALSE(gameplay_.IsPointerOverBoard());
  EXPECT_EQ(gameplay_.OnButtonDown(1), 0);
}

TEST_F(GameplayTest, PressDragReleaseFillsALine) {
  LoadLevel();
  MoveTo(0, 2);
  EXPECT_EQ(gameplay_.OnButtonDown(1), ORB::kEventSwallowed);
  EXPECT_TRUE(gameplay_.IsDragging());
  EXPECT_EQ(gameplay_.DragTool(), GG_GAMEPLAY::kToolFill);
  MoveTo(1, 5);  // one row down, three across: along row 0
  EXPECT_EQ(gameplay_.HoveredRow(), 0);
  EXPECT_EQ(gameplay_.HoveredCol(), 5);
  EXPECT_EQ(gameplay_.Selection().size(), 4u);
  EXPECT_EQ(gameplay_.OnButtonUp(1), 0);
  EXPECT_FALSE(gameplay_.IsDragging());
  EXPECT_TRUE(gameplay_.Selection().empty());
  EXPECT_EQ(gameplay_.StartRow(), -1);
  for (int c = 2; c <= 5; ++c) EXPECT_TRUE(Cell(0, c).IsOpen()) << c;
  EXPECT_FALSE(Cell(0, 6).IsOpen());
  EXPECT_EQ(gameplay_.Errors(), 0);
  EXPECT_EQ(gameplay_.LevelCoins(), 8);
  // The first sound plays at once; the others wait for their cells.
  ASSERT_EQ(host_.sounds.size(), 1u);
  EXPECT_EQ(host_.sounds[0], "fulltileclick");
  ORB::FrameDelta().store(0.2f);
  gameplay_.Update();
  EXPECT_EQ(host_.sounds.size(), 4u);
  EXPECT_FLOAT_EQ(gameplay_.ElapsedTime(), 0.2f);
}

TEST_F(GameplayTest, SecondButtonTakesTheOtherTool) {
  LoadLevel();
  Drag(8, 0, 8, 9, 2);  // the switch says fill: button 2 crosses
  for (int c = 0; c < 10; ++c) EXPECT_EQ(Cell(8, c).Shown(), GG_ELEMENT::kEmpty);
  EXPECT_EQ(gameplay_.Errors(), 0);
  gameplay_.SetToolSwitch(false);
  Drag(9, 0, 9, 1, 2);  // switch on cross: button 2 fills
  EXPECT_EQ(gameplay_.Errors(), 0);
  Drag(9, 2, 9, 2, 1);  // button 1 follows the switch: a cross on a picture cell
  EXPECT_EQ(gameplay_.Errors(), 1);
  EXPECT_EQ(Cell(9, 2).Shown(), GG_ELEMENT::kFilled);
}

TEST_F(GameplayTest, WrongCellsCountErrors) {
  LoadLevel();
  Drag(0, 0, 0, 1, 1);  // fill on two empty cells
  EXPECT_EQ(gameplay_.Errors(), 2);
  EXPECT_EQ(gameplay_.LevelCoins(), 0);
  EXPECT_EQ(host_.sounds.back(), "errorclick");
  Drag(0, 2, 0, 2, 2);  // cross on a picture cell: an error that still pays
  EXPECT_EQ(gameplay_.Errors(), 3);
  EXPECT_EQ(gameplay_.LevelCoins(), 2);
  EXPECT_FALSE(gameplay_.IsEnded());
}

TEST_F(GameplayTest, DragIsLockedToOneAxisAndClamped) {
  LoadLevel();
  MoveTo(2, 2);
  ASSERT_EQ(gameplay_.OnButtonDown(1), ORB::kEventSwallowed);
  MoveTo(5, 4);  // three down, two across: the column wins
  EXPECT_EQ(gameplay_.HoveredRow(), 5);
  EXPECT_EQ(gameplay_.HoveredCol(), 2);
  MoveTo(4, 4);  // a tie goes to the row
  EXPECT_EQ(gameplay_.HoveredRow(), 2);
  EXPECT_EQ(gameplay_.HoveredCol(), 4);
  // Over the gap after column 4 the drag keeps column 4.
  MoveTo(2, 4, 21.0f, 0.0f);
  EXPECT_EQ(gameplay_.HoveredCol(), 4);
  // Past the board the drag keeps its last cell.
  MoveToPoint(1000.0f, gameplay_.Settings().CellCentre(2, 0).y);
  EXPECT_FALSE(gameplay_.IsPointerOverBoard());
  EXPECT_EQ(gameplay_.HoveredCol(), 4);
  // Inside the frame past the last column it clamps to the last one.
  const BoardSettings& s = gameplay_.Settings();
  MoveToPoint(s.frameCorner.x + static_cast<float>(s.width) - 1.0f, s.CellCentre(2, 0).y);
  EXPECT_EQ(gameplay_.HoveredCol(), 9);
  EXPECT_EQ(gameplay_.Selection().size(), 8u);
  gameplay_.OnButtonUp(1);
  for (int c = 2; c <= 9; ++c) EXPECT_TRUE(Cell(2, c).IsOpen());
}

TEST_F(GameplayTest, BusyIgnoresButtonsButNotThePointer) {
  LoadLevel();
  gameplay_.SetBusy(true);
  MoveTo(3, 3);
  EXPECT_EQ(gameplay_.HoveredRow(), 3);
  EXPECT_EQ(gameplay_.OnButtonDown(1), 0);
  EXPECT_EQ(gameplay_.OnButtonUp(1), 0);
  EXPECT_FALSE(Cell(3, 3).IsOpen());
  gameplay_.SetBusy(false);
  gameplay_.Pause();
  EXPECT_EQ(gameplay_.OnButtonDown(1), 0);
  ORB::FrameDelta().store(1.0f);
  gameplay_.Update();
  EXPECT_EQ(gameplay_.ElapsedTime(), 0.0f);  // the clock stops while paused
  gameplay_.Resume();
  EXPECT_EQ(gameplay_.OnButtonDown(1), ORB::kEventSwallowed);
}

TEST_F(GameplayTest, CancelledSelectionOpensNothing) {
  LoadLevel();
  MoveTo(0, 0);
  ASSERT_EQ(gameplay_.OnButtonDown(1), ORB::kEventSwallowed);
  MoveTo(0, 5);
  gameplay_.CancelSelection();
  EXPECT_TRUE(gameplay_.Selection().empty());
  EXPECT_EQ(gameplay_.OnButtonUp(1), 0);
  for (int c = 0; c <= 5; ++c) EXPECT_FALSE(Cell(0, c).IsOpen());
}

TEST_F(GameplayTest, StopAndRestartClearEverythingThatPointsAtCells) {
  LoadLevel();
  Drag(0, 0, 0, 0, 2);
  MoveTo(1, 1);
  ASSERT_EQ(gameplay_.OnButtonDown(1), ORB::kEventSwallowed);
  MoveTo(1, 4);
  ASSERT_FALSE(gameplay_.Selection().empty());
  gameplay_.Restart();
  EXPECT_TRUE(gameplay_.IsActive());
  EXPECT_FALSE(gameplay_.IsDragging());
  EXPECT_TRUE(gameplay_.Selection().empty());
  EXPECT_EQ(gameplay_.HoveredRow(), -1);
  EXPECT_EQ(gameplay_.StartRow(), -1);
  EXPECT_FALSE(Cell(0, 0).IsOpen());  // a fresh board
  // A release after the restart opens nothing.
  EXPECT_EQ(gameplay_.OnButtonUp(1), 0);
  EXPECT_FALSE(Cell(1, 1).IsOpen());

  MoveTo(1, 1);
  ASSERT_EQ(gameplay_.OnButtonDown(1), ORB::kEventSwallowed);
  gameplay_.Stop();
  EXPECT_FALSE(gameplay_.IsActive());
  EXPECT_TRUE(gameplay_.Selection().empty());
  EXPECT_FALSE(gameplay_.IsDragging());
  EXPECT_EQ(gameplay_.HoveredCol(), -1);
  EXPECT_FALSE(gameplay_.IsPointerOverBoard());
  EXPECT_TRUE(gameplay_.LevelFileName().empty());
  EXPECT_EQ(gameplay_.Errors(), 0);
  EXPECT_EQ(gameplay_.OnButtonUp(1), 0);
}

// A restart question answered after its level has gone (the level list or
// the next level took over) starts nothing and reports nothing.
TEST_F(GameplayTest, ARestartWithNoLevelLoadedDoesNothing) {
  LoadLevel();
  gameplay_.Stop();
  test_support::LogCapture log;
  gameplay_.Restart();
  EXPECT_FALSE(gameplay_.IsActive());
  EXPECT_TRUE(gameplay_.LevelFileName().empty());
  EXPECT_TRUE(log.Errors().empty()) << log.Errors()[0];
}

TEST_F(GameplayTest, AllowedErrorsLoseTheLevelOnce) {
  LoadLevel();
  gameplay_.SetAllowedErrors(2);
  Drag(8, 0, 8, 0, 1);
  EXPECT_FALSE(gameplay_.IsEnded());
  Drag(8, 1, 8, 1, 1);
  EXPECT_TRUE(gameplay_.IsEnded());
  EXPECT_TRUE(gameplay_.IsBusy());
  EXPECT_EQ(gameplay_.OnButtonDown(1), 0);
}

}  // namespace
}  // namespace game
