#pragma once
// The game's driver: the entry hook the program's static registration hands
// the engine (game_registration.cpp), and the handlers it puts into the
// engine's hook table.
//
// GameMain fills the hooks, initialises the game service and runs its frame
// loop. The init hook adds the repository's four search paths, makes the
// game (CreateGame, the resource list), checks the installation's files,
// and loads the game behind the loading screen (loading_screen.h): LoadGame
// runs at once, before the first frame, and start-up fails when it does.
// Each frame then shows the loading screen (state kLoading: key presses and
// clicks skip its splashes) until it reports finished, and the game hub
// from then on (state kPlaying: the hub takes all input); the screen-border
// bars are drawn last. Losing the focus silences the game, pauses a level
// in play with the in-game menu open and saves; getting it back restores
// the player's volumes. After the frame loop the exit hook takes the game
// down, opens the installation's files and shuts the service down.
//
// Every failure of start-up ends the program with kExitFailed (a non-zero
// exit status) after one line on stderr naming what failed (or, for a
// missing installation file, the message box "Error" / "Some files are
// corrupt. ..."), without showing a frame; whatever was made is taken down
// again and nothing is saved.
#include <cstdint>
#include <functional>
#include <string>

namespace ORB {
class OC_LOADER;
}  // namespace ORB

namespace game {

class G_LOADER_SCREEN;
class GG_GAMEPLAY;
class gGuidedTutorial;
class gPlayScreen;

// The game's entry hook: sets the engine up, runs it and answers the engine's
// exit code (kExitNormal after a normal run, kExitFailed after a failed
// start).
int32_t GameMain(intptr_t argument);

// The loading function the loading screen runs: the hub's start-up (with
// the guided tutorial, which reads its file), the gameplay screen with its
// play screen (the tutorial attached to both), the menu windows' resources
// and the first screen (the title on a desktop). kResultOk, or
// kResultStartFailed when the hub could not start.
int32_t LoadGame(ORB::OC_LOADER& loader);

// The driver's state: the loading screen until it reports finished, the hub
// from then on.
enum class GameState : int32_t { kLoading = 0, kPlaying = 1 };

// The repository's search paths the driver adds before anything is read, in
// order; the two sealed ones are read with the archive password.
inline constexpr const char* kSearchPaths[] = {"", "data", "data/share/main/other",
                                               "data/share/image/gui"};
// The window the driver opens when the focus goes during a level.
inline constexpr const char* kGameMenuWindow = "GP_Menu";
// The key of the window's title among the game's texts.
inline constexpr const char* kWindowTitleKey = "window_title";

// --- The seam for instruments.
//
// Tests and the soak (and a benchmark that needs to) watch and steer a run
// through the instruments (game/instruments/, library nonogram_instruments:
// the frame script, the accessors to the driver's objects, the shell opener
// and the read-only view for scripts), which the program does not link.
// The driver gives them exactly two things, and nothing in the program uses
// either:
//   - GetDriverParts: what the driver holds at this moment, read afresh at
//     each call (there is no copy to keep in step). It hands out pointers
//     only: no instrument can make or free the driver's objects, nor change
//     when that happens.
//   - SetDriverHooks: the driver's only calls into code outside the
//     product, the frame-end hook and the exit hook's opener (the one moment
//     after the last frame a test steps in: it records the files the exit
//     hands the desktop). Empty hooks, the program's case, leave the driver
//     doing what it does without instruments.

// What the driver holds.
struct DriverParts {
  GameState state = GameState::kLoading;
  // True from a successful start-up until the exit hook has run.
  bool running = false;
  // Null before start-up and once the game has taken over.
  G_LOADER_SCREEN* loading = nullptr;
  // The one gameplay screen, made while loading, and its pieces around the
  // board (the play screen); null outside a run.
  GG_GAMEPLAY* gameplay = nullptr;
  gPlayScreen* play_screen = nullptr;
  // The hub's tutorial, made as loading begins; null outside a run.
  gGuidedTutorial* tutorial = nullptr;
};
DriverParts GetDriverParts();

struct DriverHooks {
  // The frame-end hook: run once at the end of every frame the game draws
  // (after the screen borders, before the frame is shown), from the first
  // frame on. It may set the hooks again, itself included.
  std::function<void()> frame_end;
  // Hands each of the installation's files to the desktop in the exit hook,
  // in place of ORB::OpenWithShell.
  std::function<bool(const std::string& path)> open_installation_file;
};
// Replaces both hooks.
void SetDriverHooks(DriverHooks hooks);

}  // namespace game
