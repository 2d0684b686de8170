#include "game/shell/startup/save_folder.h"

#include "engine/foundation/file_system.h"
#include "engine/platform/log.h"
#include "game/shell/startup/game_settings.h"

namespace game {

namespace {

bool g_unsaved_reported = false;

}  // namespace

std::string GetSaveFolder() {
  const std::string app_data = ORB::FileSystem::GetSpecialFolderPath();
  const GameSettings& settings = GetGameSettings();
  if (app_data.empty() || !IsSafeFolderName(settings.company) ||
      !IsSafeFolderName(settings.product)) {
    return {};
  }
  return app_data + "/" + settings.company + "/" + settings.product + "/";
}

std::string SaveFolderForWriting() {
  std::string folder = GetSaveFolder();
  if (folder.empty() && ORB::FileSystem::GetSpecialFolderPath().empty() && !g_unsaved_reported) {
    g_unsaved_reported = true;
    ORB::Log(ORB::LogLevel::kWarning, "game",
             "no application-data folder ($XDG_DATA_HOME or $HOME): progress and settings are "
             "not saved");
  }
  return folder;
}

void ResetSaveFolderWarning() { g_unsaved_reported = false; }

}  // namespace game
