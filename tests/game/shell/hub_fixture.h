#pragma once
// The game hub in tests: the small resources folder tests/data/game_hub
// (copied, with its level archive written here), started as the driver
// starts the game, with sounds on an OpenAL loopback device, the recording
// renderer and a temporary home for the save folder. Frames run with a
// frame time of 0.1 s.
//
//   TEST_F(HubTest, ...) {
//     ASSERT_TRUE(Start());              // CreateGame, LoadResourceList, Init
//     Hub().OpenTitle();
//     Frames(3);                         // the hub's Update and Draw
//   }
//
// Windows the factory does not make yet ("Levels", "Trophy_Get") are
// registered by the tests as stand-ins playing the hub's roles.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "engine/foundation/SERVICE/resource_loader_adapters.h"
#include "engine/foundation/timer.h"
#include "framework/window_manager.h"
#include "game/records/pack_state.h"
#include "game/shell/hub/game_hub.h"
#include "game/shell/screens/screen_roles.h"
#include "game/shell/startup/game_creation.h"
#include "game/shell/startup/game_parts.h"
#include "game/shell/startup/resource_list.h"
#include "game_shell_fixture.h"
#include "hub_files.h"
#include "support/sound_rig.h"
#include "support/window_kit.h"

namespace game {

// "Levels": notes the progress records it is given.
class StandInLevels : public test_support::StubWindow, public cLevelList {
 public:
  using StubWindow::StubWindow;
  void SetPack(gPackState* record) override { packs.push_back(record); }
  std::vector<gPackState*> packs;
};

// "Trophy_Get": notes the trophies it is given.
class StandInTrophyGet : public test_support::StubWindow, public cTrophyAward {
 public:
  using StubWindow::StubWindow;
  void SetTrophy(const ORB_GF::TrophyRecord& trophy) override { shown.push_back(trophy.GetName()); }
  std::vector<std::string> shown;
};

class HubTest : public GameShellTest {
 protected:
  static constexpr float kFrameSeconds = 0.1f;

  HubTest() : GameShellTest("game_hub") {}

  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(GameShellTest::SetUp());
    WriteLevels();
    ORB::FrameDelta().store(kFrameSeconds);
  }
  void TearDown() override {
    GameShellTest::TearDown();
    ORB::FrameDelta().store(0.0f);
  }

  void WriteLevels() const { WriteHubLevels(Resource("data/share/main/levels")); }

  // As the driver: the game's creation with the program's parts, the
  // resource list, then the hub's start-up. False at the first step that
  // fails.
  bool Start() {
    Open({1920, 1080}, &sound_loader_);
    SetGameParts(DefaultGameParts());
    return CreateGame("game.xml") && LoadResourceList(kResourceListFile) && Hub().Init();
  }

  gGame& Hub() { return *gGame::Instance(); }
  ORB_GF::G_WINDOW_MANAGER& Windows() { return *ORB_GF::GetWindowManager(); }

  // Registers a stand-in under that name (before any window of the name).
  template <typename Window>
  Window* AddStandIn(const std::string& name, const std::string& attributes = "") {
    auto window = test_support::MakeWindow<Window>(
        "<window _name=\"" + name + "\" _typeOpen=\"SH_MOMENTAL\" _typeClose=\"SH_MOMENTAL\" " +
            attributes + "><GUI/></window>",
        &journal_);
    return static_cast<Window*>(Windows().AddWindow(std::move(window)));
  }

  // The hub's frames, as the driver runs them.
  void Frames(int count) {
    for (int i = 0; i < count; ++i) {
      Hub().Update();
      renderer_->BeginFrame();
      Hub().Draw();
      renderer_->EndFrame();
    }
  }

  bool IsOpen(const std::string& name) { return Windows().IsOpen(name); }

  std::vector<std::string> journal_;
  test_support::LoopbackRig sound_;
  ORB::SoundSystemLoader sound_loader_{sound_.system()};
};

}  // namespace game
