// The tutorial on the shipped play screen: the shipped first-level tutorial
// played through by scripted pointer events until the player has passed it
// and it is saved, the fill tool on again; a HINT step swallows presses on its cells; a CELL step
// whose cells are open ends at the first release; a level without steps
// plays unlocked; the skip button and its dialogue; cells outside the grid;
// a skip without a player; and a level's end taking the locks with it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "game/play/screen/play_locks.h"
#include "play_screen_rig.h"
#include "support/log_capture.h"
#include "support/recording_renderer.h"

namespace game {
namespace {

class TutorialTest : public test_support::RecordingRendererTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(RecordingRendererTest::SetUp());
    rig_ = std::make_unique<PlayScreenRig>(*renderer_);
    ASSERT_NO_FATAL_FAILURE(rig_->Start(PlayScreenRig::kFirstLevel, 1));
  }
  void TearDown() override { rig_.reset(); }

  GG_TUTORIAL& Tutorial() { return *rig_->tutorial; }
  GG_GAMEPLAY& Gameplay() { return *rig_->gameplay; }
  eTutorialStep Kind() {
    const gTutorialStep* step = Tutorial().CurrentStep();
    EXPECT_NE(step, nullptr) << "the tutorial has ended";
    return step != nullptr ? step->kind : static_cast<eTutorialStep>(-1);
  }
  bool Saved() const {
    return std::count(rig_->host.calls.begin(), rig_->host.calls.end(), "save") > 0;
  }
  ORB::Point Home(const GG_BASE_CONTROL& control) const {
    return PlayScreenRig::At(control.Home());
  }
  ORB::Point ToolPoint() {
    return PlayScreenRig::At(
        rig_->Controls().ToolSwitch().Widget()->GetTransform().GetWorld().GetPositionV2());
  }
  ORB::Point SkipPoint() {
    const ORB::OC_GUI_OBJECT* skip =
        Tutorial().CurrentStep()->gui->FindById(GG_TUTORIAL::kSkipButton);
    EXPECT_NE(skip, nullptr);
    return skip != nullptr ? PlayScreenRig::At(skip->GetTransform().GetWorld().GetPositionV2())
                           : ORB::Point();
  }
  void Start() {
    ASSERT_TRUE(Tutorial().SelectLevel(1));
    Tutorial().Activate();
  }

  std::unique_ptr<PlayScreenRig> rig_;
};

TEST_F(TutorialTest, TheShippedTutorialPlaysThroughToThePassedTutorialSaved) {
  ASSERT_FALSE(rig_->host.Player().IsTutorialPassed());
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_EQ(Tutorial().Steps().size(), 7u);
  for (const auto& step : Tutorial().Steps()) {
    ASSERT_NE(step->gui, nullptr);
    EXPECT_NE(step->gui->FindById(GG_TUTORIAL::kSkipButton), nullptr) << "a skip button";
  }

  // 1. Fill the second row; nothing else takes the pointer.
  ASSERT_EQ(Kind(), eTutorialStep::kCell);
  EXPECT_EQ(Tutorial().CurrentStep()->markers.size(), 5u);
  rig_->Click(rig_->CellPoint(0, 1));
  EXPECT_FALSE(rig_->Cell(0, 1).IsOpen()) << "locked";
  rig_->Click(Home(rig_->Controls().HintButton()));
  EXPECT_FALSE(Gameplay().IsBusy()) << "the hint button is locked";
  rig_->Drag(rig_->CellPoint(1, 0), rig_->CellPoint(1, 4));
  for (int col = 0; col < 5; ++col) EXPECT_TRUE(rig_->Cell(1, col).IsOpen()) << col;

  // 2. Switch the tool.
  ASSERT_EQ(Kind(), eTutorialStep::kTool);
  rig_->Click(ToolPoint());
  EXPECT_FALSE(Gameplay().GetToolSwitch());

  // 3. Cross the two cells the last row leaves empty.
  ASSERT_EQ(Kind(), eTutorialStep::kCellEmpty);
  rig_->Drag(rig_->CellPoint(4, 0), rig_->CellPoint(4, 1), 2);
  EXPECT_TRUE(rig_->Cell(4, 0).IsOpen());
  EXPECT_TRUE(rig_->Cell(4, 1).IsOpen());
  EXPECT_EQ(Gameplay().Errors(), 0);

  // 4. The hint: a press on a marked cell is swallowed, the button opens one.
  ASSERT_EQ(Kind(), eTutorialStep::kHint);
  rig_->Click(rig_->CellPoint(2, 2));
  EXPECT_FALSE(rig_->Cell(2, 2).IsOpen()) << "only the hint opens it";
  EXPECT_FALSE(rig_->Cell(2, 2).IsLocked()) << "unlocked again for the hint";
  ASSERT_GT(Gameplay().HintsHeld(), 0);
  rig_->Click(Home(rig_->Controls().HintButton()));
  rig_->Frames(120);
  int opened = 0;
  for (int col = 0; col < 5; ++col) opened += rig_->Cell(2, col).IsOpen();
  EXPECT_EQ(opened, 1) << "the hint went to a marked cell";

  // 5. A line dropped on the reset target.
  ASSERT_EQ(Kind(), eTutorialStep::kUseResetSelection);
  const ORB::Point target = Home(rig_->Controls().ResetTarget());
  rig_->Drag(rig_->CellPoint(3, 1), target, 6);
  EXPECT_FALSE(rig_->Cell(3, 1).IsOpen()) << "the line was undone";

  // 6. The tool back to fill: the left button fills again.
  ASSERT_EQ(Kind(), eTutorialStep::kTool);
  rig_->Click(ToolPoint());
  EXPECT_TRUE(Gameplay().GetToolSwitch());

  // 7. The last words end at the next release: the tutorial is passed.
  ASSERT_EQ(Kind(), eTutorialStep::kEndless);
  EXPECT_FALSE(Saved());
  rig_->Click(rig_->CellPoint(3, 1));
  EXPECT_FALSE(Tutorial().IsActive());
  EXPECT_TRUE(rig_->host.Player().IsTutorialPassed());
  EXPECT_TRUE(Saved());
  // Nothing is locked any more.
  EXPECT_FALSE(rig_->Controls().HintButton().IsLocked());
  for (const auto& cell : Gameplay().Board().GetCells()) EXPECT_FALSE(cell->IsLocked());
}

TEST_F(TutorialTest, ACellStepWhoseCellsAreOpenEndsAtTheFirstRelease) {
  Gameplay().Board().ApplyClick(1, 0, 1, 4, true);
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_EQ(Kind(), eTutorialStep::kCell);
  rig_->Click(rig_->CellPoint(0, 1));  // a locked cell: nothing opens, but the step is done
  EXPECT_EQ(Kind(), eTutorialStep::kTool);
}

TEST_F(TutorialTest, ALevelWithoutStepsPlaysUnlocked) {
  ASSERT_NO_FATAL_FAILURE(Start());
  EXPECT_TRUE(rig_->Cell(0, 0).IsLocked());
  EXPECT_FALSE(Tutorial().SelectLevel(2));
  EXPECT_FALSE(Tutorial().IsActive());
  for (const auto& cell : Gameplay().Board().GetCells()) EXPECT_FALSE(cell->IsLocked());
  EXPECT_FALSE(rig_->Controls().HintButton().IsLocked());
  EXPECT_FALSE(rig_->Controls().ToolSwitch().IsLocked());
  rig_->Click(rig_->CellPoint(0, 1));
  EXPECT_TRUE(rig_->Cell(0, 1).IsOpen());
}

TEST_F(TutorialTest, SkipAsksFirstAndAYesEndsIt) {
  ASSERT_NO_FATAL_FAILURE(Start());
  // No: the tutorial goes on and the level resumes.
  rig_->Click(SkipPoint());
  rig_->Frames(30);
  ASSERT_TRUE(rig_->windows.IsOpen(GG_TUTORIAL::kSkipDialog));
  EXPECT_TRUE(Gameplay().IsPaused());
  rig_->windows.Dialog(GG_TUTORIAL::kSkipDialog)->Click(4);
  rig_->Frames(30);
  EXPECT_FALSE(Gameplay().IsPaused());
  EXPECT_TRUE(Tutorial().IsActive());
  EXPECT_EQ(Kind(), eTutorialStep::kCell);

  // Yes, with the cross tool on: passed, saved, unlocked, back on fill.
  Gameplay().SetToolSwitch(false);
  rig_->Controls().ToolSwitch().SetFill(false);
  rig_->Click(SkipPoint());
  rig_->Frames(30);
  ASSERT_TRUE(rig_->windows.IsOpen(GG_TUTORIAL::kSkipDialog));
  rig_->windows.Dialog(GG_TUTORIAL::kSkipDialog)->Click(3);
  rig_->Frames(30);
  EXPECT_FALSE(rig_->windows.IsOpen(GG_TUTORIAL::kSkipDialog));
  EXPECT_FALSE(Tutorial().IsActive());
  EXPECT_FALSE(Gameplay().IsPaused());
  EXPECT_TRUE(rig_->host.Player().IsTutorialPassed());
  EXPECT_TRUE(Saved());
  EXPECT_FALSE(rig_->Cell(0, 0).IsLocked());
  EXPECT_TRUE(Gameplay().GetToolSwitch());
  EXPECT_TRUE(rig_->Controls().ToolSwitch().IsFill());
}

TEST_F(TutorialTest, ASkipWithoutAPlayerOnlyEndsIt) {
  ASSERT_NO_FATAL_FAILURE(Start());
  rig_->host.has_player = false;
  Tutorial().Skip();
  EXPECT_FALSE(Tutorial().IsActive());
  EXPECT_FALSE(Tutorial().IsActivated());
  EXPECT_FALSE(Saved());
  EXPECT_FALSE(rig_->Cell(0, 0).IsLocked());
}

TEST_F(TutorialTest, TheLevelsEndTakesTheLocksWithIt) {
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_TRUE(rig_->Controls().HintButton().IsLocked());
  Gameplay().Restart();
  EXPECT_FALSE(rig_->Controls().HintButton().IsLocked());
  EXPECT_FALSE(rig_->Controls().ToolSwitch().IsLocked());
  EXPECT_FALSE(rig_->Controls().StoreButton().IsLocked());
  EXPECT_FALSE(rig_->Controls().ResetTarget().IsLocked());
  for (const auto& cell : Gameplay().Board().GetCells()) EXPECT_FALSE(cell->IsLocked());
}

TEST_F(TutorialTest, CellsOutsideTheGridAreLeftOutAndNamed) {
  pugi::xml_document document;
  document.load_string(
      "<tutorial><level id=\"1\"><step type=\"CELL\" blockelements=\"true\">"
      "<cells><cell>0 1</cell><cell>9 9</cell><cell>-1 0</cell></cells></step>"
      "<step type=\"SOMETHING\"/></level></tutorial>");
  ASSERT_TRUE(Tutorial().Load(document.child("tutorial"), "odd tutorial.xml"));
  EXPECT_EQ(Tutorial().Steps()[1]->kind, eTutorialStep::kCell) << "an unknown kind is a CELL";
  test_support::LogCapture log;
  ASSERT_TRUE(Tutorial().SelectLevel(1));
  EXPECT_EQ(Tutorial().CurrentStep()->cells.size(), 1u);
  EXPECT_EQ(Tutorial().CurrentStep()->markers.size(), 1u);
  EXPECT_NE(Tutorial().Error().find("odd tutorial.xml"), std::string::npos) << Tutorial().Error();
  // The one cell inside ends the step when it opens.
  rig_->Click(rig_->CellPoint(0, 1));
  EXPECT_TRUE(rig_->Cell(0, 1).IsOpen());
  EXPECT_EQ(Tutorial().CurrentIndex(), 1);

  // A cell that is not two numbers refuses the file, naming it.
  document.load_string(
      "<tutorial><level id=\"1\"><step><cells><cell>x</cell></cells></step>"
      "</level></tutorial>");
  EXPECT_FALSE(Tutorial().Load(document.child("tutorial"), "bad tutorial.xml"));
  EXPECT_NE(Tutorial().Error().find("bad tutorial.xml"), std::string::npos);
  EXPECT_FALSE(Tutorial().Load(pugi::xml_node(), "none.xml"));
}

TEST_F(TutorialTest, AClickBonusStepWaitsForTheFirstClosedPictureCell) {
  pugi::xml_document document;
  document.load_string(
      "<tutorial><level id=\"1\"><step type=\"CLICK_BONUS\"/><step type=\"MAKERROR\"/>"
      "</level></tutorial>");
  ASSERT_TRUE(Tutorial().Load(document.child("tutorial"), "bonus.xml"));
  ASSERT_TRUE(Tutorial().SelectLevel(1));
  const gTutorialStep& step = *Tutorial().CurrentStep();
  EXPECT_EQ(step.kind, eTutorialStep::kCell);
  ASSERT_EQ(step.cells.size(), 1u);
  // Heart row 0 is ".#.#.": the first picture cell is (0, 1).
  EXPECT_EQ(step.cells[0].row, 0);
  EXPECT_EQ(step.cells[0].col, 1);
  EXPECT_TRUE(rig_->Cell(0, 1).HasBonus());
  rig_->Click(rig_->CellPoint(0, 1));
  EXPECT_EQ(Tutorial().CurrentStep()->kind, eTutorialStep::kMakeError);
  EXPECT_EQ(Tutorial().CurrentStep()->errors_at_start, Gameplay().Errors());
}

}  // namespace
}  // namespace game
