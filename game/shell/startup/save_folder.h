#pragma once
// The save folder: the user's application-data folder, then the company and
// the product of the shipped "game.xml" ("<app data>/<company>/<product>/"),
// where the user's "game.xml" and "players.save" live. The hub's saving and
// the start-up's reading of both files ask for it.
//
// The company and the product each name one folder: CreateGame refuses a
// "game.xml" whose names are empty or hold "/", "\" or "..", so the save
// folder never lands outside the application-data folder. Without an
// application-data folder (no $XDG_DATA_HOME and no $HOME) the game still
// plays; nothing is saved, and that is said once.
#include <string>

#include "game/shell/startup/folder_name.h"

namespace game {

// "<app data>/<company>/<product>/" from the game settings; empty when there
// is no application-data folder or the names cannot name folders.
std::string GetSaveFolder();

// The save folder when saving can happen. Empty when it cannot; the first
// time in a game's life that is for want of an application-data folder, a
// warning says that progress and settings are not kept.
std::string SaveFolderForWriting();

// The next missing application-data folder is reported again (CreateGame
// starts a new game's life).
void ResetSaveFolderWarning();

}  // namespace game
