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
  parts.create_window_manager = [] { ORB_GF::CreateWindowManager(&CreateGameWindow); };
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
