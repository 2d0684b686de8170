#pragma once
// What tests and the soak reach of a run of the game beyond
// its entry: the driver's objects, the frame script and the exit's opener.
// All of it stands on the driver's seam (GetDriverParts and SetDriverHooks,
// game_main.h); the program does not link this library.
#include <functional>
#include <string>

#include "game/shell/startup/game_main.h"

namespace game {

GameState GetGameState();
// Null before start-up and once the game has taken over.
G_LOADER_SCREEN* GetLoadingScreen();
// The one gameplay screen, made while loading, and its pieces around the
// board (the play screen); null outside a run.
GG_GAMEPLAY* GetGameplay();
gPlayScreen* GetPlayScreen();
// The hub's tutorial, made as loading begins; null outside a run.
gGuidedTutorial* GetGuidedTutorial();
// True from a successful start-up until the exit hook has run.
bool IsGameRunning();

// A script's step, run once at the end of every frame the game draws (after
// the screen borders, before the frame is shown), from the first frame on;
// an empty function removes it. Scripts that play the game (tests, the soak)
// act from here through the system's events and read the game through
// game_view.h; the step must not call into the game to act. It may set the
// script again, or the opener.
using FrameScript = std::function<void()>;
void SetFrameScript(FrameScript script);

// How the exit hook hands the installation's files to the desktop
// (ORB::OpenWithShell unless set; an empty function restores it). Tests
// record the calls.
using ShellOpener = std::function<bool(const std::string& path)>;
void SetShellOpener(ShellOpener opener);

}  // namespace game
