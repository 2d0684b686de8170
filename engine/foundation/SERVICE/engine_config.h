#pragma once
// The engine's own settings file, "config.xml", under the app-data folder in
// a folder named by the company and, below it, the game:
//   <vorlane_settings game_name="..." company_name="..." resolution="1024 768"/>
#include <string>

#include "engine/foundation/SERVICE/app_settings.h"

namespace ORB {

// The file's path for the settings' names. Each name becomes one folder
// level: separators and the names "." and ".." are replaced, so a name can
// never lead out of the app-data folder.
std::string ConfigPath(const std::string& app_data_folder, const AppSettings& settings);

// Writes the names and resolution (creating the folders); false on failure.
// The old file is replaced only once the new one is completely written.
bool SaveConfig(const std::string& app_data_folder, const AppSettings& settings);

// Reads the file into the settings, writing a default one first when there is
// none. A file that cannot be read, or a value that is missing or malformed,
// leaves the settings as they were. The root element's name is not checked.
bool LoadConfig(const std::string& app_data_folder, AppSettings& settings);

}  // namespace ORB
