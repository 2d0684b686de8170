// One frame of the hub for real: the fixture's title window (its background
// picture and its label, read by the GUI loader and put in the game's
// language by the window factory) and the game's cursor at the pointer,
// drawn by the OpenGL device through the hub's Draw. The frame is written as
// hub_frame.png beside the test program.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/foundation/SERVICE/resource_loader_adapters.h"
#include "engine/foundation/timer.h"
#include "engine/gui/gui_xml_loader.h"
#include "game/shell/game_engine_rig.h"
#include "game/shell/hub/game_hub.h"
#include "game/shell/hub_files.h"
#include "game/shell/startup/game_creation.h"
#include "game/shell/startup/game_parts.h"
#include "game/shell/startup/resource_list.h"
#include "support/offscreen_gl.h"
#include "support/scripted_input.h"
#include "support/sound_rig.h"
#include "support/temp_folder.h"
#include "support/temp_home.h"
#include "support/window_kit.h"

namespace game {
namespace {

constexpr uint32_t kClear = 0xFF444444u;
constexpr uint32_t kPanel = 0xFF3A6EA5u;   // the fixture's panel.png
constexpr uint32_t kCursor = 0xFFF2C14Eu;  // the fixture's cursor.png, 12 x 18
constexpr uint32_t kGlyph = 0xFFFFFFFFu;   // the fixture font's page is white

class HubFrameGlTest : public test_support::OffscreenGlTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(OpenWindow("hub frame"));
    renderer_->SetClearColour(ORB::Colour(kClear));
    CopyHubResources(base_.Path());
    ORB::FrameDelta().store(0.1f);
    rig_.Open(base_.Path(), *renderer_, window_.get(), &sound_loader_);
    SetGameParts(DefaultGameParts());
  }
  void TearDown() override {
    rig_.Close();
    ORB::FrameDelta().store(0.0f);
    OffscreenGlTest::TearDown();
  }

  // The windows' widgets from their descriptions, as the game builds them.
  test_support::ScopedGuiBuilder gui_{[](ORB::OC_GUI_ROOT& root, const pugi::xml_node& gui) {
    ORB::LoadGuiXml(root, gui, nullptr);
  }};
  test_support::TempHome home_;
  test_support::TempFolder base_;
  test_support::LoopbackRig sound_;
  ORB::SoundSystemLoader sound_loader_{sound_.system()};
  GameEngineRig rig_;
};

TEST_F(HubFrameGlTest, TheTitleWindowAndTheCursorAreDrawn) {
  ASSERT_TRUE(CreateGame("game.xml"));
  ASSERT_TRUE(LoadResourceList(kResourceListFile));
  gGame& hub = *gGame::Instance();
  ASSERT_TRUE(hub.Init());
  ASSERT_TRUE(hub.PreloadMenuWindows());
  hub.OpenTitle();

  test_support::ScriptedInput input([&] {
    hub.Update();
    ASSERT_EQ(renderer_->BeginFrame(), ORB::kResultOk);
    hub.Draw();
    renderer_->EndFrame();
  });
  input.Idle(5);  // the title slides in
  input.Move(700, 500);
  ASSERT_EQ(renderer_->BeginFrame(), ORB::kResultOk);
  hub.Draw();
  const test_support::Frame frame = Snapshot("hub_frame.png");
  renderer_->EndFrame();

  // The title's 640 x 400 background at the screen's centre, nothing around it.
  EXPECT_EQ(frame.At(192, 184), kPanel);
  EXPECT_EQ(frame.At(831, 583), kPanel);
  EXPECT_EQ(frame.At(512, 300), kPanel);
  EXPECT_EQ(frame.At(191, 184), kClear);
  EXPECT_EQ(frame.At(832, 583), kClear);
  EXPECT_EQ(frame.At(512, 584), kClear);

  // The cursor's picture with its tip at the pointer, over the window.
  EXPECT_EQ(frame.At(700, 500), kCursor);
  EXPECT_EQ(frame.At(711, 517), kCursor);
  EXPECT_EQ(frame.At(699, 500), kPanel);
  EXPECT_EQ(frame.At(712, 500), kPanel);
  EXPECT_EQ(frame.At(700, 518), kPanel);

  // The label reads "Play" (its key, "title_play", would be ten glyphs): four
  // white glyph boxes, 8 pixels apart, from its place at (212, 204).
  int32_t white = 0;
  int32_t rightmost = -1;
  for (int32_t x = 200; x < 320; ++x) {
    if (frame.At(x, 209) == kGlyph) {
      ++white;
      rightmost = x;
    }
  }
  EXPECT_EQ(white, 4 * 7);
  EXPECT_EQ(rightmost, 212 + 3 * 8 + 6);
  EXPECT_EQ(frame.At(212, 209), kGlyph);
}

}  // namespace
}  // namespace game
