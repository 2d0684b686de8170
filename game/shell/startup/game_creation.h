#pragma once
// The game's creation and tear-down around the engine's frame loop. The
// driver calls, in this order: CreateGame ("game.xml"), LoadResourceList
// (resource_list.h), the installation check (which reads the edition
// record), then the hub's start-up behind the loading screen; at exit
// DestroyGame, then ShutdownGame.
//
// Every start-up step answers false after one error line naming the file and
// what is missing in it; the driver turns false into its start-up failure.
#include <string>

namespace game {

// Makes the game's process-wide objects, in this order: the sound bank, the
// shop catalogue, the localization, the players list, the font list, the
// window manager, the trophy list, the leaderboard list and the hub (the
// window manager and the hub through game_parts.h). Then reads the shipped
// settings file of that name (shipped_settings.h), the edition
// (edition_settings.h), the border pictures (screen_borders.h) and the
// user's "game.xml" (user_settings.h; its absence is no failure), applies
// the display mode and gives the windows' screen size
// (OS_TRANSFORM3_AUTO::SetScreenSize) the engine's resolution. False when a
// file is missing or incomplete; the objects made stay until DestroyGame.
bool CreateGame(const std::string& name);

// The hub shuts down (giving back its resources and saving everything), then
// the objects go: the sound bank, the shop catalogue, the localization, the
// players list, the font list, the window manager, the trophy list, the
// leaderboard list and the hub. Safe to call after a failed CreateGame, and
// twice.
void DestroyGame();

// Gives back the border pictures and takes the resource list's folders and
// the language folder off the repository.
void ShutdownGame();

}  // namespace game
