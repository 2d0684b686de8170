#include "game/shell/startup/game_parts.h"

#include <utility>

#include "framework/window_manager.h"
#include "game/shell/hub/game_hub.h"
#include "game/shell/screens/window_factory.h"

namespace game {

namespace {

GameParts& Installed() {
  static GameParts parts = DefaultGameParts();
  return parts;
}

}  // namespace

GameParts DefaultGameParts() {
  GameParts parts;
  // The manager is made before the hub: each window is handed the hub that
  // stands when the window is made (the windows of the scene list are made
  // in the hub's Init).
  parts.create_window_manager = [] {
    ORB_GF::CreateWindowManager([](const pugi::xml_node& element) {
      return CreateHostedGameWindow(element, gGame::Instance());
    });
  };
  parts.destroy_window_manager = [] { ORB_GF::DestroyWindowManager(); };
  parts.create_hub = [] { gGame::CreateHub(); };
  parts.shutdown_hub = [] {
    if (gGame* hub = gGame::Instance()) hub->Shutdown();
  };
  parts.destroy_hub = [] { gGame::DestroyHub(); };
  return parts;
}

void SetGameParts(GameParts parts) { Installed() = std::move(parts); }

const GameParts& GetGameParts() { return Installed(); }

}  // namespace game
