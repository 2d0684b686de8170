#pragma once
// The game hub on a copy of the shipped Resources/ (shipped_copy.h), drawn
// for real: OpenGL on SDL's offscreen driver, started as the driver starts
// the game (creation, resource list, the hub's start-up) with sounds on an
// OpenAL loopback device, a frame time of 0.1 s and a current player, Anna.
//
//   class MyGlTest : public ShippedGlTest {
//    protected:
//     MyGlTest() : ShippedGlTest(0xFF444444u) {}   // the clear colour
//   };
//   TEST_F(MyGlTest, Draws) {
//     const test_support::Frame frame = Draw("Options", "options.png");
//   }
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "engine/foundation/SERVICE/resource_loader_adapters.h"
#include "engine/foundation/timer.h"
#include "framework/window_manager.h"
#include "game/records/game_player.h"
#include "game/shell/hub/game_hub.h"
#include "game/shell/startup/game_creation.h"
#include "game/shell/startup/game_parts.h"
#include "game/shell/startup/game_singletons.h"
#include "game/shell/startup/resource_list.h"
#include "game_engine_rig.h"
#include "shipped_copy.h"
#include "support/offscreen_gl.h"
#include "support/sound_rig.h"
#include "support/temp_folder.h"
#include "support/temp_home.h"

namespace game {

class ShippedGlTest : public test_support::OffscreenGlTest {
 protected:
  explicit ShippedGlTest(uint32_t clear) : clear_(clear) {}

  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(OpenWindow("shipped screens"));
    renderer_->SetClearColour(ORB::Colour(clear_));
    ASSERT_TRUE(CopyShippedResources(base_.File("Resources")));
    ORB::FrameDelta().store(0.1f);
    rig_.Open(base_.Path(), *renderer_, window_.get(), &sound_loader_);
    SetGameParts(DefaultGameParts());
    ASSERT_TRUE(CreateGame("game.xml"));
    ASSERT_TRUE(LoadResourceList(kResourceListFile));
    ASSERT_TRUE(Hub().Init());
    player_ = Hub().CreatePlayer(L"Anna");
    ASSERT_NE(player_, nullptr);
    Hub().SetCurrentPlayer(player_);
  }
  void TearDown() override {
    rig_.Close();
    ORB::FrameDelta().store(0.0f);
    OffscreenGlTest::TearDown();
  }

  gGame& Hub() { return *gGame::Instance(); }
  ORB_GF::G_WINDOW_MANAGER& Windows() { return *ORB_GF::GetWindowManager(); }

  // Opens the window (at once) and draws the settled frame, written as `png`.
  test_support::Frame Draw(const std::string& name, const std::string& png) {
    EXPECT_NE(Windows().OpenWindow(name, true), nullptr) << name;
    return Settle(png);
  }
  test_support::Frame Settle(const std::string& png) {
    for (int i = 0; i < 3; ++i) Frame(false);
    return Frame(true, png);
  }
  // One frame as the driver runs it; read (and written as `png` when one is
  // named) when `read`.
  test_support::Frame Frame(bool read, const std::string& png = std::string()) {
    Hub().Update();
    EXPECT_EQ(renderer_->BeginFrame(), ORB::kResultOk);
    Hub().Draw();
    test_support::Frame frame;
    if (read) frame = Snapshot(png);
    renderer_->EndFrame();
    return frame;
  }
  void CloseAll() {
    Windows().CloseAll();
    for (int i = 0; i < 10; ++i) Frame(false);
  }

  const uint32_t clear_;
  test_support::TempHome home_;
  test_support::TempFolder base_;
  test_support::LoopbackRig sound_;
  ORB::SoundSystemLoader sound_loader_{sound_.system()};
  GameEngineRig rig_;
  GG_PLAYER* player_ = nullptr;
};

}  // namespace game
