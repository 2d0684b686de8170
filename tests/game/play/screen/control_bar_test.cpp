// The controls around the board on the shipped play screen, driven through
// the pointer as the hub hands it on: which control takes a press and a
// release, locks, the delegates, the tool at a level's start, the store
// button at 0 hints, the reset target cancelling a line, the windows the
// controls open, and control files that are missing.
#include "game/play/screen/control_bar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/play/screen/play_locks.h"
#include "play_screen_rig.h"
#include "support/log_capture.h"
#include "support/recording_renderer.h"

namespace game {
namespace {

// Writes down every control it is told of.
class RecordingDelegate : public cControlDelegate {
 public:
  void OnStoreButton() override { calls.push_back("store"); }
  void OnHintButton() override { calls.push_back("hint"); }
  void OnToolSwitch() override { calls.push_back("tool"); }
  void OnPause() override { calls.push_back("pause"); }
  void OnResetSelection() override { calls.push_back("reset"); }
  std::vector<std::string> calls;
};

class ControlBarTest : public test_support::RecordingRendererTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(RecordingRendererTest::SetUp());
    rig_ = std::make_unique<PlayScreenRig>(*renderer_);
    ASSERT_NO_FATAL_FAILURE(rig_->Start(PlayScreenRig::kFirstLevel, 2));
    rig_->Controls().AddDelegate(&delegate_);
  }
  void TearDown() override { rig_.reset(); }

  ORB::Point Home(const GG_BASE_CONTROL& control) const {
    return PlayScreenRig::At(control.Home());
  }
  ORB::Point ToolPoint() {
    const ORB::OS_TRANSFORM3 world =
        rig_->Controls().ToolSwitch().Widget()->GetTransform().GetWorld();
    return PlayScreenRig::At(world.GetPositionV2());
  }
  GG_GAMEPLAY& Gameplay() { return *rig_->gameplay; }

  std::unique_ptr<PlayScreenRig> rig_;
  RecordingDelegate delegate_;
};

TEST_F(ControlBarTest, EachControlTakesItsPressAndReleaseAndTellsTheDelegatesOnce) {
  gControlBar& bar = rig_->Controls();
  const size_t delegates = bar.DelegateCount();  // the tutorial and this test's
  bar.AddDelegate(&delegate_);                   // a second time: still told once
  EXPECT_EQ(bar.DelegateCount(), delegates);
  ASSERT_GT(Gameplay().HintsHeld(), 0);

  struct Row {
    const char* what;
    ORB::Point at;
    const char* told;    // the delegate's call, or "" for none
    const char* window;  // the window that opens, or ""
    bool pauses = false;
    bool no_windows = false;  // the game has none of the windows the controls open
  };
  const std::vector<Row> table = {
      {"tool switch", ToolPoint(), "tool", ""},
      {"pause", Home(bar.Pause()), "pause", "GP_Menu", true},
      // Nothing could resume a level paused without its menu.
      {"pause without the menu", Home(bar.Pause()), "pause", "", false, true},
      {"hint", Home(bar.HintButton()), "hint", ""},
      {"reset target, no drag", Home(bar.ResetTarget()), "", "GP_FeedBack_Reset"},
  };
  ORB_GF::G_WINDOW_MANAGER none(nullptr);
  test_support::LogCapture log;
  for (const Row& row : table) {
    SCOPED_TRACE(row.what);
    delegate_.calls.clear();
    rig_->host.windows = row.no_windows ? &none : &rig_->windows.Manager();
    rig_->windows.Manager().CloseAll();
    rig_->Frames(30);
    Gameplay().Resume();
    Gameplay().SetBusy(false);
    rig_->Click(row.at);
    rig_->Frames(20);
    const std::vector<std::string> expected =
        row.told[0] != '\0' ? std::vector<std::string>{row.told} : std::vector<std::string>{};
    EXPECT_EQ(delegate_.calls, expected);
    if (row.window[0] != '\0') {
      EXPECT_TRUE(rig_->windows.IsOpen(row.window));
    }
    EXPECT_EQ(Gameplay().IsPaused(), row.pauses);
    // A control's press never starts a line.
    EXPECT_FALSE(Gameplay().IsDragging());
  }
  rig_->host.windows = &rig_->windows.Manager();
  EXPECT_TRUE(log.Has("engine: error: No window \"GP_Menu\" to open"));
}

TEST_F(ControlBarTest, TheToolSwitchSaysFillAtEveryLevelStart) {
  EXPECT_TRUE(Gameplay().GetToolSwitch());
  rig_->Click(ToolPoint());
  EXPECT_FALSE(Gameplay().GetToolSwitch()) << "the click switched to the cross";
  EXPECT_FALSE(rig_->Controls().ToolSwitch().IsFill());
  // The cross now opens an empty cell rightly: heart row 0 is ".#.#.".
  rig_->Click(rig_->CellPoint(0, 0));
  EXPECT_EQ(rig_->Cell(0, 0).Shown(), GG_ELEMENT::kEmpty);
  EXPECT_EQ(Gameplay().Errors(), 0);

  Gameplay().Restart();
  EXPECT_TRUE(Gameplay().GetToolSwitch());
  EXPECT_TRUE(rig_->Controls().ToolSwitch().IsFill());
}

TEST_F(ControlBarTest, LockedControlsTakeNothingButPauseStillPauses) {
  gControlBar& bar = rig_->Controls();
  gPlayLocks locks;
  locks.hint = locks.tool = locks.store = locks.reset = true;
  ApplyPlayLocks(Gameplay(), bar, locks);
  const int32_t hints = Gameplay().HintsHeld();

  rig_->Click(Home(bar.HintButton()));
  rig_->Click(ToolPoint());
  rig_->Click(Home(bar.ResetTarget()));
  rig_->Frames(20);
  EXPECT_EQ(Gameplay().HintsHeld(), hints);
  EXPECT_TRUE(Gameplay().GetToolSwitch());
  EXPECT_FALSE(rig_->windows.IsOpen("GP_FeedBack_Reset"));
  EXPECT_TRUE(delegate_.calls.empty());

  bar.Pause().SetLocked(true);  // pause takes no lock
  rig_->Click(Home(bar.Pause()));
  EXPECT_TRUE(Gameplay().IsPaused());
  EXPECT_TRUE(rig_->windows.IsOpen("GP_Menu"));
  EXPECT_EQ(delegate_.calls, std::vector<std::string>{"pause"});

  // The locks end with the level.
  Gameplay().Restart();
  EXPECT_FALSE(bar.HintButton().IsLocked());
  EXPECT_FALSE(bar.ToolSwitch().IsLocked());
  EXPECT_FALSE(bar.StoreButton().IsLocked());
  EXPECT_FALSE(bar.ResetTarget().IsLocked());
}

TEST_F(ControlBarTest, TheStoreButtonShowsOnlyWithoutHintsAndOpensTheShop) {
  gControlBar& bar = rig_->Controls();
  ASSERT_GT(Gameplay().HintsHeld(), 0);
  rig_->Frames(200);
  EXPECT_FALSE(bar.StoreButton().IsShown());
  EXPECT_EQ(bar.StoreButton().SlideShare(), 0.0f);
  rig_->Click(Home(bar.StoreButton()));
  EXPECT_FALSE(rig_->windows.IsOpen("Shop")) << "a store button slid out takes no click";

  // Spend every hint; each flight lands before the next.
  while (Gameplay().HintsHeld() > 0) {
    rig_->Click(Home(bar.HintButton()));
    rig_->Frames(120);
  }
  EXPECT_FALSE(bar.HintButton().IsShown());
  EXPECT_TRUE(bar.StoreButton().IsShown());
  rig_->Frames(200);  // after its delay it has slid in
  EXPECT_EQ(bar.StoreButton().SlideShare(), 1.0f);
  rig_->Click(Home(bar.StoreButton()));
  EXPECT_TRUE(rig_->windows.IsOpen("Shop"));
  EXPECT_TRUE(Gameplay().IsPaused());
  EXPECT_EQ(delegate_.calls.back(), "store");
}

TEST_F(ControlBarTest, ADropOnTheResetTargetCancelsTheLine) {
  gControlBar& bar = rig_->Controls();
  GG_RESET_SELECTION& target = bar.ResetTarget();
  const ORB::Point start = rig_->CellPoint(1, 0);
  rig_->input.Move(start.x, start.y);
  rig_->input.Press();
  rig_->input.Move(rig_->CellPoint(1, 3).x, start.y);
  rig_->Frames(30);
  EXPECT_TRUE(target.IsDragging());
  EXPECT_EQ(target.Colour().ToUInt(), target.MidColour().ToUInt()) << "a drag turns it";
  EXPECT_EQ(Gameplay().Selection().size(), 4u);
  // Over the target the line stays on the board's last cell.
  rig_->input.Move(Home(target).x, Home(target).y);
  rig_->Frames(30);
  EXPECT_TRUE(target.IsHovered());
  EXPECT_EQ(target.Colour().ToUInt(), target.EndColour().ToUInt());
  rig_->input.Release();
  rig_->Frames(30);

  EXPECT_FALSE(Gameplay().IsDragging());
  EXPECT_TRUE(Gameplay().Selection().empty());
  for (int col = 0; col < 5; ++col) EXPECT_FALSE(rig_->Cell(1, col).IsOpen()) << col;
  EXPECT_EQ(delegate_.calls, std::vector<std::string>{"reset"});
  EXPECT_FALSE(rig_->windows.IsOpen("GP_FeedBack_Reset")) << "a drop is no click";
  EXPECT_EQ(target.Colour().ToUInt(), target.BeginColour().ToUInt()) << "back after the drag";

  // A line released elsewhere opens as usual.
  rig_->Drag(start, rig_->CellPoint(1, 4));
  for (int col = 0; col < 5; ++col) EXPECT_TRUE(rig_->Cell(1, col).IsOpen()) << col;
}

TEST_F(ControlBarTest, TheResetNoteClosesItself) {
  rig_->Click(Home(rig_->Controls().ResetTarget()));
  rig_->Frames(30);
  ASSERT_TRUE(rig_->windows.IsOpen("GP_FeedBack_Reset"));
  rig_->Frames(static_cast<int>(gControlBar::kFeedbackTime * 60.0f) + 40);
  EXPECT_FALSE(rig_->windows.IsOpen("GP_FeedBack_Reset"));
}

TEST_F(ControlBarTest, TheLevelShowsItsPacksBoardBackgroundAndStripsAsDeepAsItsClues) {
  const ORB_GF::G_SPRITE* background = Gameplay().Background();
  ASSERT_NE(background, nullptr);
  EXPECT_EQ(background->GetFile(), "data/share/image/packs background_1.png");
  EXPECT_TRUE(background->IsLoaded());
  // The heart's first row has two clue numbers, every column one: each
  // strip reaches its farthest number and its margin.
  gBoardPieces& pieces = rig_->screen->Pieces();
  for (const bool left : {true, false}) {
    const gClueStrip& strip = left ? pieces.LeftStrip() : pieces.UpStrip();
    const int32_t clues = gBoardPieces::ClueDepth(Gameplay().Board(), left);
    EXPECT_GT(clues, 0);
    EXPECT_EQ(strip.Depth(), clues + strip.Margin()) << left;
  }
  EXPECT_GT(gBoardPieces::ClueDepth(Gameplay().Board(), true),
            gBoardPieces::ClueDepth(Gameplay().Board(), false));
}

TEST_F(ControlBarTest, HintButtonFramesStopAtItsLastFrame) {
  GG_HINT_BUTTON& hint = rig_->Controls().HintButton();
  const std::vector<std::pair<int32_t, int32_t>> table = {{0, 0}, {1, 1}, {4, 4}, {5, 4}, {9, 4}};
  for (const auto& [count, frame] : table) {
    hint.SetCount(count);
    EXPECT_EQ(hint.Frame(), frame) << count;
    EXPECT_EQ(hint.IsShown(), count > 0) << count;
  }
}

class ControlFilesTest : public test_support::RecordingRendererTest {};

TEST_F(ControlFilesTest, AMissingOrIncompleteControlFileNamesTheFile) {
  struct Row {
    const char* file;
    const char* text;  // replaces the file; null removes it
  };
  const std::vector<Row> table = {
      {gControlBar::kHintButtonFile, nullptr},
      {gControlBar::kPauseFile, nullptr},
      {gControlBar::kStoreButtonFile, nullptr},
      {gControlBar::kResetSelectionFile, nullptr},
      {gControlBar::kHintButtonFile, "<hint_button/>"},          // no button_sprite
      {gControlBar::kPauseFile, "<pause/>"},                     // no BUTTON5
      {gControlBar::kResetSelectionFile, "<reset_selection/>"},  // no target
      {gControlBar::kAmbientFile, "<ambient/>"},                 // no tool switch
  };
  test_support::FakeHost host;
  const std::string valid =
      "<x><TRANSFORM>0 0 0 0 0 0 0 0 0 1 1 1</TRANSFORM>"
      "<background><FILE>b.png</FILE></background>"
      "<button_sprite><FILE>h.png</FILE></button_sprite>"
      "<BUTTON5 ID=\"1\" TEXTURE=\"p.png\"/></x>";
  for (const Row& row : table) {
    SCOPED_TRACE(row.file);
    for (const char* file : {gControlBar::kHintButtonFile, gControlBar::kPauseFile,
                             gControlBar::kStoreButtonFile, gControlBar::kResetSelectionFile}) {
      host.SetFile(file, valid);
    }
    host.SetFile(
        gControlBar::kAmbientFile,
        "<ambient><check_mode><CHECKBOX ID=\"1\" TEXTURE=\"t.png\"/></check_mode></ambient>");
    if (row.text != nullptr) {
      host.SetFile(row.file, row.text);
    } else {
      host.RemoveFile(row.file);
    }
    GG_GAMEPLAY gameplay(&host);
    gControlBar bar(gameplay);
    test_support::LogCapture log;
    EXPECT_FALSE(bar.Load());
    EXPECT_NE(bar.Error().find(row.file), std::string::npos) << bar.Error();
    EXPECT_EQ(host.OpenDocuments(), 0u);
  }
}

TEST_F(ControlFilesTest, TheEditionChoosesTheStoreButtonFile) {
  test_support::FakeHost host;
  const std::string control =
      "<x><background><FILE>b.png</FILE></background>"
      "<button_sprite><FILE>h.png</FILE></button_sprite>"
      "<BUTTON5 ID=\"1\" TEXTURE=\"p.png\"/></x>";
  for (const char* file : {gControlBar::kHintButtonFile, gControlBar::kPauseFile,
                           gControlBar::kResetSelectionFile, gControlBar::kStoreButtonFile}) {
    host.SetFile(file, control);
  }
  host.SetFile(gControlBar::kStoreButtonEmptyFile, "<store_button/>");
  host.SetFile(
      gControlBar::kAmbientFile,
      "<ambient><check_mode><CHECKBOX ID=\"1\" TEXTURE=\"t.png\"/></check_mode></ambient>");
  for (const bool storeButton : {true, false}) {
    host.store_button = storeButton;
    GG_GAMEPLAY gameplay(&host);
    gControlBar bar(gameplay);
    ASSERT_TRUE(bar.Load()) << bar.Error();
    EXPECT_EQ(bar.StoreButton().HasButton(), storeButton);
  }
}

}  // namespace
}  // namespace game
