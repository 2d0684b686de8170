// The game through its entry on the system's window (SDL's offscreen driver)
// with OpenGL: its first frame shows the loading screen's splash over its
// backdrop; a key press skips it, and after the fade the title is drawn.
// Both frames are written beside the test program (startup_loading.png,
// startup_title.png) to be looked at.
#include <SDL_keycode.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/renderer.h"
#include "engine/platform/gpu_device.h"
#include "engine/platform/sdl_event_injector.h"
#include "framework/window_manager.h"
#include "game/instruments/driver_instruments.h"
#include "game/shell/driver_fixture.h"
#include "game/shell/frame_capture.h"
#include "game/shell/game_shell_fixture.h"
#include "support/argb.h"
#include "support/write_png.h"

namespace game {
namespace {

// The art direction's paper (the splash's backdrop), the panel's body (the
// splash card) and the accent (the buttons).
constexpr uint32_t kPaper = 0xFFF4EFE6u;
constexpr uint32_t kPanel = 0xFFFFFDF8u;
constexpr uint32_t kAccent = 0xFFEDAE49u;

using Frame = CapturedFrame;

class GameStartGlTest : public GameDriverTest {
 protected:
  GameStartGlTest() : GameDriverTest(true) {}

  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(GameDriverTest::SetUp());
    AddTitleButton(3, "0 100");
  }
};

TEST_F(GameStartGlTest, TheFirstFrameShowsTheSplashAndAKeyLeadsToTheTitle) {
  Frame loading;
  Frame title;
  bool title_read = false;
  const int32_t result = Run([&](int32_t frame) {
    if (frame == 1) {
      loading = ReadFrame("startup_loading.png");
      ORB::platform::InjectKey(SDLK_SPACE, true);
      ORB::platform::InjectKey(SDLK_SPACE, false);
    }
    if (!title_read && GetGameState() == GameState::kPlaying &&
        !ORB_GF::GetWindowManager()->IsOpen("Fade_Transition")) {
      title = ReadFrame("startup_title.png");
      title_read = true;
      Close();
    }
  });
  ASSERT_EQ(result, ORB::kExitNormal);
  ASSERT_FALSE(loading.pixels.empty());
  ASSERT_TRUE(title_read);

  // The splash card in the middle, over the paper backdrop that covers the
  // screen around it.
  for (const auto& [x, y] : {std::pair{10, 10}, std::pair{1010, 20}, std::pair{40, 740}}) {
    EXPECT_TRUE(test_support::Near(loading.At(x, y), kPaper, 2))
        << x << "," << y << " " << std::hex << loading.At(x, y);
  }
  EXPECT_TRUE(test_support::Near(loading.At(300, 600), kPanel, 2))
      << std::hex << loading.At(300, 600);
  // The solved puzzle's filled cells are ink-dark.
  int dark = 0;
  for (int32_t x = 318; x < 706; ++x) {
    if (test_support::Channel(loading.At(x, 440), 16) < 0x50) ++dark;
  }
  EXPECT_GT(dark, 200) << "the boat's hull row";

  // The title: the fade has gone (no paper backdrop, no black), its button
  // stands in the accent colour.
  const uint32_t button = title.At(512, 484);
  EXPECT_TRUE(test_support::Near(button, kAccent, 40)) << std::hex << button;
  EXPECT_FALSE(test_support::Near(title.At(10, 10), kPaper, 2));
}

}  // namespace
}  // namespace game
