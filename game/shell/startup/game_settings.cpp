#include "game/shell/startup/game_settings.h"

#include "engine/foundation/platform_functions.h"

namespace game {

namespace {

// Platform codes of the desktops (the mobile ones are 2 and 3).
constexpr int32_t kPlatformWindows = 0;
constexpr int32_t kPlatformMac = 1;

}  // namespace

GameSettings& GetGameSettings() {
  static GameSettings settings;
  return settings;
}

void ResetGameSettings() { GetGameSettings() = GameSettings{}; }

int32_t GetSavedVersion() { return GetGameSettings().saved_version; }

bool GetFullscreen() { return GetGameSettings().fullscreen; }

void SetFullscreen(bool fullscreen) { GetGameSettings().fullscreen = fullscreen; }

bool IsMobilePlatform() {
  const int32_t platform = ORB::GetPlatformType();
  return platform != kPlatformWindows && platform != kPlatformMac;
}

}  // namespace game
