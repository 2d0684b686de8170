#pragma once
// The two process-wide objects of the game whose code lives elsewhere in the
// shell: the window manager (made with the game's window factory) and the
// hub, game::gGame. CreateGame makes them in their places in its order and
// DestroyGame shuts the hub down first and deletes both in their places;
// what they are is up to the code that fills these in.
//
// DefaultGameParts() is what the program uses: the window manager with the
// game's window factory (window_factory.h), which hands the screens the hub
// as their host, and the hub (game_hub.h). A
// member left empty means that object is simply not made; tests install
// parts of their own with SetGameParts.
#include <functional>

namespace game {

struct GameParts {
  // Made after the font list and before the trophy list.
  std::function<void()> create_window_manager;
  // Deleted after the font list and before the trophy list.
  std::function<void()> destroy_window_manager;
  // Made last, after every other object.
  std::function<void()> create_hub;
  // DestroyGame's first step, while everything still stands: the hub gives
  // its resources back and saves everything.
  std::function<void()> shutdown_hub;
  // Deleted last.
  std::function<void()> destroy_hub;
};

// The program's parts.
GameParts DefaultGameParts();

// The parts CreateGame and DestroyGame use from now on (the defaults until
// set).
void SetGameParts(GameParts parts);
const GameParts& GetGameParts();

}  // namespace game
