#pragma once
// The per-user folder for the game's settings and saves, and the folder the
// program itself was installed in.
#include <string>

namespace ORB::platform {

// $XDG_DATA_HOME, else $HOME/.local/share, without a trailing slash. Empty
// when neither variable names a folder.
std::string GetAppDataFolder();

// The folder that holds the running program's file, without a trailing
// slash; empty when the system does not say.
std::string GetProgramFolder();

}  // namespace ORB::platform
