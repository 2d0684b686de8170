#pragma once
// The game's process-wide settings: who made it and under which product it
// saves (the shipped "game.xml"), the edition and language it runs, the
// fullscreen switch the player chose (the user's "game.xml"), the version
// the user's file reported, and the shape of the desktop the display mode
// was last applied to. CreateGame fills them; the display options, the
// start-up's file checks and the players file read them.
#include <cstdint>
#include <optional>
#include <string>

#include "game/records/players_file_layout.h"

namespace game {

// The product identifier: the shipped "game.xml" must name it as its product
// (the save folder is named after it), and it is the password of the game's
// data archives.
inline constexpr const char* kProductIdentifier = "HarvelstonePyndlex";

// The size of the game's own screen, whatever the window's.
inline constexpr int32_t kVirtualWidth = 1024;
inline constexpr int32_t kVirtualHeight = 768;

struct GameSettings {
  std::string company;
  std::string product;
  std::string edition;
  std::string language;
  // The folder "data/<data language>" holds the texts; on this platform it
  // is the language.
  std::string data_language;
  bool fullscreen = false;
  // The version the user's "game.xml" reported; kPlayersFileVersionOld
  // until one does.
  int32_t saved_version = kPlayersFileVersionOld;
  // Whether the user's "game.xml" was read: none when it is missing or
  // cannot be read (the players file then tries its layouts by itself).
  std::optional<int32_t> user_version;
  // The ad network's application id and signature ("chartboost").
  std::string ad_app_id;
  std::string ad_app_signature;
  // The desktop's shape against the game's 4:3 screen (ApplyDisplayMode):
  // bars left and right, or above and below, in fullscreen.
  bool wider_than_4_3 = false;
  bool taller_than_4_3 = false;
};

// The one record; ResetGameSettings brings back the defaults above.
GameSettings& GetGameSettings();
void ResetGameSettings();

int32_t GetSavedVersion();
bool GetFullscreen();
void SetFullscreen(bool fullscreen);

// Whether the game runs on a phone or tablet: the running platform's code is
// neither a desktop's (0 Windows-like, 1 Mac-like). False here.
bool IsMobilePlatform();

}  // namespace game
