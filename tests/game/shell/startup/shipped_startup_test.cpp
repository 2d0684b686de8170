// The game on a copy of the shipped Resources/ through its entry (GameMain),
// as a player starts it: it loads without an error or a warning line, makes
// every window of the scene list, shows the title, and the pack screens'
// bar leads to the training and back to the packs by clicks.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/platform/key_codes.h"
#include "framework/window_manager.h"
#include "game/instruments/driver_instruments.h"
#include "game/shell/driver_fixture.h"
#include "game/shell/hub/game_hub.h"

namespace game {
namespace {

class ShippedStartupTest : public GameDriverTest {
 protected:
  ShippedStartupTest() : GameDriverTest(false, Data::kShipped) {}

  static bool IsOpen(const char* name) { return ORB_GF::GetWindowManager()->IsOpen(name); }

  // A player's click: the pointer comes from a little to the left (a move
  // pass ends at the first widget that answers: the one the pointer leaves
  // answers the first move, the one it enters the next), then presses.
  void ClickAt(int32_t x, int32_t y) {
    for (const int32_t from : {x - 3, x}) {
      Event move{Event::Kind::MouseMove};
      move.x = from;
      move.y = y;
      Queue(move);
    }
    QueueClick(x, y);
  }
};

TEST_F(ShippedStartupTest, TheGameStartsCleanlyAndTheBarLeadsToTheTrainingAndBack) {
  struct {
    size_t windows = 0;
    bool title = false;
    bool packs = false;
    bool training = false;
    bool packs_closed = false;
    bool back_to_packs = false;
    bool training_closed = false;
  } seen;
  int32_t playing = 0;
  const int32_t result = Run([&](int32_t frame) {
    if (frame == 1) QueueKey(ORB::platform::kKeySpace);
    if (GetGameState() != GameState::kPlaying) return;
    gGame& hub = *gGame::Instance();
    ORB_GF::G_WINDOW_MANAGER& windows = *ORB_GF::GetWindowManager();
    switch (++playing) {
      case 1: seen.windows = windows.Windows().size(); break;
      case 30:
        seen.title = IsOpen("Title");
        hub.SetCurrentPlayer(hub.CreatePlayer(L"Ada"));
        windows.CloseAll();
        hub.OpenPackList();
        break;
      case 90:
        seen.packs = IsOpen("Packs") && IsOpen("Packs_Menu") && IsOpen("Stars");
        // The bar's training button: 182 right of the middle, 345 above it.
        ClickAt(512 + 182, 384 - 345);
        break;
      case 150:
        seen.training = IsOpen("Training");
        seen.packs_closed = !IsOpen("Packs") && !IsOpen("Pack_Title");
        // The packs button, one place to the right.
        ClickAt(512 + 254, 384 - 345);
        break;
      case 210:
        seen.back_to_packs = IsOpen("Packs");
        seen.training_closed = !IsOpen("Training");
        Close();
        break;
      default: break;
    }
  });
  EXPECT_EQ(result, ORB::kExitNormal);
  EXPECT_EQ(log_.Lines(), std::vector<std::string>()) << "nothing logged on the shipped data";
  EXPECT_TRUE(messages_.empty());
  // Every window of the scene list was made (a window the factory cannot
  // make is not registered).
  EXPECT_GE(seen.windows, 40u);
  EXPECT_TRUE(seen.title);
  EXPECT_TRUE(seen.packs) << "the pack list, its bar and the star key";
  EXPECT_TRUE(seen.training);
  EXPECT_TRUE(seen.packs_closed) << "the training takes the pack list's place";
  EXPECT_TRUE(seen.back_to_packs);
  EXPECT_TRUE(seen.training_closed);
}

}  // namespace
}  // namespace game
