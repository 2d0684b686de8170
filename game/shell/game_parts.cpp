#include "game/shell/game_parts.h"

#include <utility>

namespace game {

namespace {

GameParts& Installed() {
  static GameParts parts = DefaultGameParts();
  return parts;
}

}  // namespace

GameParts DefaultGameParts() {
  GameParts parts;
  // The window manager (with CreateGameWindow as its factory) and the hub
  // are not built yet: nothing to make.
  return parts;
}

void SetGameParts(GameParts parts) { Installed() = std::move(parts); }

const GameParts& GetGameParts() { return Installed(); }

}  // namespace game
