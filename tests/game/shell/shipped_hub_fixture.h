#pragma once
// The game hub on the shipped resources: the checkout's Resources/ copied
// into a temporary folder and started as the driver starts the game, with
// the recording renderer, sounds on an OpenAL loopback device (its manual
// clock is the calendar the hearts read), a 1920 x 1080 desktop unless a
// test asks for another, and a temporary home for the save folder. Frames
// run with a frame time of 0.1 s; the engine's key and mouse hooks hand the
// scripted input to the hub as the driver's do.
//
//   TEST_F(ShippedHubTest, ...) {
//     ASSERT_TRUE(Start());
//     GG_PLAYER& anna = AddPlayer(L"Anna");   // a new, current player
//     Windows().OpenWindow("Shop", true);
//     Frames(3);
//     input_.Click(512, 300);
//   }
//
// Start-up files that later parts of the game bring are put in while the
// checkout does not ship them (shipped_copy.h), so the hub starts on what is
// shipped.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/SERVICE/resource_loader_adapters.h"
#include "engine/foundation/hooks.h"
#include "engine/foundation/timer.h"
#include "engine/gui/gui_object.h"
#include "framework/window_manager.h"
#include "game/play/gameplay.h"
#include "game/shell/hub/game_hub.h"
#include "game/shell/startup/game_creation.h"
#include "game/shell/startup/game_parts.h"
#include "game/shell/startup/game_singletons.h"
#include "game/shell/startup/resource_list.h"
#include "game_shell_fixture.h"
#include "hub_hooks.h"
#include "shipped_copy.h"
#include "support/scripted_input.h"
#include "support/sound_rig.h"

namespace game {

class ShippedHubTest : public GameShellTest {
 protected:
  static constexpr float kFrameSeconds = 0.1f;

  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(test_support::RecordingRendererTest::SetUp());
    ASSERT_FALSE(base_.Path().empty());
    ASSERT_TRUE(CopyShippedResources(base_.File("Resources")));
    ORB::FrameDelta().store(kFrameSeconds);
    hooks_ = std::make_unique<HubHooks>();
  }
  void TearDown() override {
    hooks_.reset();
    // The driver's order: the game goes (stopping the level), then the screen.
    rig_.Close();
    gameplay_.reset();
    GameShellTest::TearDown();
    ORB::FrameDelta().store(0.0f);
  }

  // A gameplay screen of that class for the hub (the fixture keeps it).
  template <typename Gameplay>
  Gameplay& AttachGameplay() {
    auto gameplay = std::make_unique<Gameplay>(&Hub());
    Gameplay& attached = *gameplay;
    gameplay_ = std::move(gameplay);
    Hub().SetGameplay(gameplay_.get());
    return attached;
  }

  // As the driver: the game's creation, the resource list, the hub's
  // start-up. False at the first step that fails.
  bool Start(ORB::platform::ScreenSize desktop = {1920, 1080}) {
    Open(desktop, &sound_loader_);
    SetGameParts(DefaultGameParts());
    return CreateGame("game.xml") && LoadResourceList(kResourceListFile) && Hub().Init();
  }

  gGame& Hub() { return *gGame::Instance(); }
  ORB_GF::G_WINDOW_MANAGER& Windows() { return *ORB_GF::GetWindowManager(); }
  bool IsOpen(const std::string& name) { return Windows().IsOpen(name); }

  // A new player made current, as the title's name entry makes one.
  GG_PLAYER& AddPlayer(const std::wstring& name) {
    GG_PLAYER* player = Hub().CreatePlayer(name);
    EXPECT_NE(player, nullptr);
    Hub().SetCurrentPlayer(player);
    return *player;
  }

  // The hub's frames, as the driver runs them (no input).
  void Frames(int count) {
    for (int i = 0; i < count; ++i) Frame();
  }
  void Frame() {
    Hub().Update();
    renderer_->BeginFrame();
    Hub().Draw();
    renderer_->EndFrame();
  }

  // Opens the window at once and lets it settle.
  template <typename Window>
  Window* Show(const std::string& name) {
    auto* window = dynamic_cast<Window*>(Windows().OpenWindow(name, true));
    EXPECT_NE(window, nullptr) << name;
    Frames(2);
    return window;
  }

  // The centre of a widget of an open window, in game coordinates.
  static ORB::Point CentreOf(const ORB::OC_GUI_OBJECT& widget) {
    const ORB::Vector3 at = widget.GetTransform().GetWorld().position;
    return {static_cast<int32_t>(at.x), static_cast<int32_t>(at.y)};
  }

  // A click as a player's pointer makes it: it comes from a little to the
  // left (a move pass ends at the first widget that answers, so the widget
  // the pointer leaves answers the first move, the one it enters the next),
  // then presses and releases.
  void ClickAt(ORB::Point at) {
    input_.Move(at.x - 3, at.y);
    input_.Click(at.x, at.y);
  }
  void ClickOn(const ORB::OC_GUI_OBJECT& widget) { ClickAt(CentreOf(widget)); }

  std::string SaveFolder() const { return home_.AppData() + "/Vorlane/HarvelstonePyndlex/"; }
  bool Saved() const { return std::filesystem::exists(SaveFolder() + "players.save"); }

  test_support::LoopbackRig sound_;
  ORB::SoundSystemLoader sound_loader_{sound_.system()};
  std::unique_ptr<GG_GAMEPLAY> gameplay_;
  // The engine's key and mouse hooks on the hub while a test runs.
  std::unique_ptr<HubHooks> hooks_;
  test_support::ScriptedInput input_{[this] { Frame(); }};
};

}  // namespace game
