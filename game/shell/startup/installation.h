#pragma once
// The installation's two files the edition names ("url_file" and
// "exe_file", relative to the program's base folder, the folder holding
// Resources/): a page to read and a program of the publisher, shipped
// beside the game. At start-up each must be there unless the edition allows
// it to be lost ("run_if_url_lost", "run_if_exe_lost"); at exit each that is
// there is handed to the desktop's opener, which shows it as a double click
// in a file manager would (the game never runs it itself).
//
// A name that is absolute or climbs out with ".." names nothing of the
// installation: it counts as missing, and nothing is opened for it.
#include <string>
#include <vector>

#include "game/shell/startup/edition_settings.h"

namespace game {

// The message of a missing installation file.
inline constexpr const char* kCorruptCaption = "Error";
inline constexpr const char* kCorruptText =
    "Some files are corrupt. The game may not run. Please reinstall the game";

// Whether the installation file of that name is there below the base folder
// (given with its trailing "/"), as a file or a folder. An empty name is the
// base folder itself, which is there.
bool InstallationFileExists(const std::string& base_folder, const std::string& name);

// False when "url_file" or "exe_file" is missing and the edition does not
// allow that one to be lost.
bool IsInstallationComplete(const EditionSettings& edition, const std::string& base_folder);

// What to open at exit: base folder + "url_file", then base folder +
// "exe_file", each only when its name is not empty, stays below the base
// folder and names a file (never a folder).
std::vector<std::string> InstallationFilesToOpen(const EditionSettings& edition,
                                                 const std::string& base_folder);

}  // namespace game
