#pragma once
// The per-user folder for the game's settings and saves.
#include <string>

namespace ORB::platform {

// $XDG_DATA_HOME, else $HOME/.local/share, without a trailing slash. Empty
// when neither variable names a folder.
std::string GetAppDataFolder();

}  // namespace ORB::platform
