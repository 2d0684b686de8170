#include "game/shell/startup/game_creation.h"

#include "framework/font_list.h"
#include "framework/game_screen.h"
#include "framework/leaderboard_list.h"
#include "framework/shop_catalogue.h"
#include "framework/transform_auto.h"
#include "framework/trophy_list.h"
#include "game/shell/startup/display_mode.h"
#include "game/shell/startup/edition_settings.h"
#include "game/shell/startup/game_parts.h"
#include "game/shell/startup/game_settings.h"
#include "game/shell/startup/game_singletons.h"
#include "game/shell/startup/resource_list.h"
#include "game/shell/startup/save_folder.h"
#include "game/shell/startup/screen_borders.h"
#include "game/shell/startup/shipped_settings.h"
#include "game/shell/startup/user_settings.h"

namespace game {

namespace {

void Run(const std::function<void()>& step) {
  if (step) step();
}

}  // namespace

bool CreateGame(const std::string& name) {
  ResetGameSettings();
  ResetSaveFolderWarning();

  const GameParts& parts = GetGameParts();
  CreateSoundBank();
  ORB_GF::CreateShopCatalogue();
  CreateLocalization();
  CreatePlayersList();
  ORB_GF::CreateFontList();
  Run(parts.create_window_manager);
  ORB_GF::CreateTrophyList();
  ORB_GF::CreateLeaderboardList();
  Run(parts.create_hub);

  if (!LoadShippedSettings(name)) return false;
  if (!LoadEditions()) return false;
  if (!LoadScreenBorders()) return false;
  LoadGameSettings(kUserSettingsFile);
  ApplyDisplayMode();
  // Windows place themselves in fractions of the screen the display mode
  // has just set, as the paged grids do; the hub's start-up makes them.
  const ORB::Point screen = ORB_GF::GameScreenSize();
  ORB_GF::OS_TRANSFORM3_AUTO::SetScreenSize(screen.x, screen.y);
  return true;
}

void DestroyGame() {
  const GameParts& parts = GetGameParts();
  Run(parts.shutdown_hub);
  DestroySoundBank();
  ORB_GF::DestroyShopCatalogue();
  DestroyLocalization();
  DestroyPlayersList();
  ORB_GF::DestroyFontList();
  Run(parts.destroy_window_manager);
  ORB_GF::DestroyTrophyList();
  ORB_GF::DestroyLeaderboardList();
  Run(parts.destroy_hub);
}

void ShutdownGame() {
  ReleaseScreenBorders();
  RemoveResourceList();
}

}  // namespace game
