// The read-only view a playing script has of the game (game_view.h): a
// click at a widget's rectangle lands on that widget, a press at a cell's
// centre on that cell, the frame script runs once a frame, and outside a run
// every answer is empty.
#include "game/instruments/game_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/window.h"
#include "engine/platform/key_codes.h"
#include "framework/window_manager.h"
#include "game/instruments/driver_instruments.h"
#include "game/play/gameplay.h"
#include "game/shell/driver_fixture.h"
#include "game/shell/hub/game_hub.h"

namespace game {
namespace {

using Event = ORB::platform::PlatformEvent;

class GameViewTest : public GameDriverTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(GameDriverTest::SetUp());
    // Off the centre.
    AddTitleButton(3, "-200 150");
  }

  void Press(int32_t button, PixelPoint at, bool down) {
    Event event{down ? Event::Kind::ButtonDown : Event::Kind::ButtonUp};
    event.code = button;
    event.x = at.x;
    event.y = at.y;
    Queue(event);
  }
};

TEST_F(GameViewTest, AClickAtAWidgetsRectangleLandsOnThatWidget) {
  std::vector<std::string> open;
  std::optional<PixelRect> rect;
  std::vector<int32_t> ids;
  int32_t clicked = -1;
  int32_t script_frames = 0;
  SetFrameScript([&] { ++script_frames; });
  const int32_t result = Run([&](int32_t frame) {
    if (frame == 1) QueueKey(ORB::platform::kKeySpace);
    if (GetGameState() != GameState::kPlaying || IsAnyWindowMoving()) return;
    if (!rect) {
      open = OpenWindowNames();
      ids = WidgetIds("Title");
      rect = WidgetRect("Title", 3);
      if (!rect) {
        Close();
        return;
      }
      QueueClick(rect->x + rect->width - 2, rect->y + rect->height - 2);
      return;
    }
    const ORB::GuiEvent* event = ORB_GF::GetWindowManager()->FindWindow("Title")->LastGuiEvent();
    if (event != nullptr) clicked = event->id;
    Close();
  });
  ASSERT_EQ(result, ORB::kExitNormal);
  EXPECT_EQ(script_frames, frames_) << "the script ran once a frame";
  ASSERT_TRUE(rect.has_value());
  // The button's picture is 200 x 56, its centre 200 px left of and 150 px
  // below the title's centre, the game's 1024 x 768 shown as it is.
  EXPECT_EQ(rect->width, 200);
  EXPECT_EQ(rect->height, 56);
  EXPECT_TRUE(rect->Contains({512 - 200, 384 + 150})) << rect->x << "," << rect->y;
  EXPECT_EQ(clicked, 3);
  EXPECT_NE(std::find(ids.begin(), ids.end(), 3), ids.end());
  ASSERT_FALSE(open.empty());
  EXPECT_NE(std::find(open.begin(), open.end(), "Title"), open.end());
  // Outside a run the view answers nothing.
  EXPECT_TRUE(OpenWindowNames().empty());
  EXPECT_FALSE(WidgetRect("Title", 3).has_value());
  EXPECT_FALSE(Play().has_value());
  EXPECT_EQ(CurrentPlayer(), nullptr);
}

TEST_F(GameViewTest, APressAtACellsCentreOpensThatCell) {
  std::optional<PlayView> before;
  std::optional<PlayView> after;
  int32_t level_frame = 0;
  int32_t press_frame = 0;
  bool outside = true;
  const int32_t result = Run([&](int32_t frame) {
    if (frame == 1) QueueKey(ORB::platform::kKeySpace);
    if (GetGameState() != GameState::kPlaying) return;
    GG_GAMEPLAY& gameplay = *GetGameplay();
    if (level_frame == 0) {
      ASSERT_TRUE(gGame::Instance()->StartLevel(1, 1));
      level_frame = frame;
      return;
    }
    if (press_frame == 0) {
      // The fade over the loading screen still closes over the level, which
      // takes no press until it has gone.
      if (!gGame::Instance()->LevelTakesPresses()) return;
      press_frame = frame;
      before = Play();
      outside = CellCentre(-1, 0).has_value() || CellCentre(0, before->columns).has_value();
      // The last cell, the far corner of the board.
      const std::optional<PixelPoint> at = CellCentre(before->rows - 1, before->columns - 1);
      ASSERT_TRUE(at.has_value());
      Press(1, *at, true);
      Press(1, *at, false);
    }
    if (frame == press_frame + 2) {
      after = Play();
      const GG_ELEMENT* cell = gameplay.Board().CellAt(before->rows - 1, before->columns - 1);
      EXPECT_TRUE(cell->IsOpen() || gameplay.Errors() == 1);
      Close();
    }
  });
  ASSERT_EQ(result, ORB::kExitNormal);
  ASSERT_TRUE(before.has_value());
  ASSERT_TRUE(after.has_value());
  EXPECT_TRUE(before->active);
  EXPECT_EQ(before->pack_id, 1);
  EXPECT_EQ(before->level_id, 1);
  EXPECT_GT(before->rows, 0);
  EXPECT_EQ(before->errors, 0);
  EXPECT_FALSE(outside) << "no centre outside the grid";
  // The press opened the cell: a picture cell counts, an empty one is an
  // error.
  EXPECT_TRUE(after->progress > before->progress || after->errors == 1);
}

}  // namespace
}  // namespace game
