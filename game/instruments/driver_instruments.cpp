#include "game/instruments/driver_instruments.h"

#include <utility>

namespace game {

namespace {

// The script and the opener set last: the driver takes both at once.
struct Instruments {
  FrameScript script;
  ShellOpener opener;
};

Instruments& The() {
  static Instruments instruments;
  return instruments;
}

void HandToDriver() {
  SetDriverHooks({.frame_end = The().script, .open_installation_file = The().opener});
}

}  // namespace

GameState GetGameState() { return GetDriverParts().state; }
G_LOADER_SCREEN* GetLoadingScreen() { return GetDriverParts().loading; }
GG_GAMEPLAY* GetGameplay() { return GetDriverParts().gameplay; }
gPlayScreen* GetPlayScreen() { return GetDriverParts().play_screen; }
gGuidedTutorial* GetGuidedTutorial() { return GetDriverParts().tutorial; }
bool IsGameRunning() { return GetDriverParts().running; }

void SetFrameScript(FrameScript script) {
  The().script = std::move(script);
  HandToDriver();
}

void SetShellOpener(ShellOpener opener) {
  The().opener = std::move(opener);
  HandToDriver();
}

}  // namespace game
