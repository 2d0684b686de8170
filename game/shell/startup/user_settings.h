#pragma once
// The user's "game.xml" in the save folder: the fullscreen switch the player
// chose and the version of the files this game saves. CreateGame reads it
// after the shipped settings; the hub writes it with every save (after the
// players file), always with the current version.
//
//   <game>
//   	<fullscreen value="true" />
//   	<version value="65792" />
//   </game>
//
// written in UTF-8 with a byte-order mark, one tab per level. A save never
// puts the previous file at risk (ReplaceFile).
#include <string>

namespace game {

inline constexpr const char* kUserSettingsFile = "game.xml";

// Reads save folder + name into the game settings. False when there is no
// such file: the defaults stand and the version stays unknown. A file that
// cannot be read or parsed leaves both values as they were, also leaves the
// version unknown, and is reported; the answer is then true (it exists). A
// file without "version" was written before versions were kept.
bool LoadGameSettings(const std::string& name);

// Writes save folder + "game.xml" with the fullscreen switch and version
// 65792. False, with the previous file intact and an error line, when it
// cannot be written; false without writing when there is no save folder.
bool SaveGameSettings();

}  // namespace game
