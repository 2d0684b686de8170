// The hub's players: switching the current player, spending hearts, saving.
#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/sound_bank.h"
#include "engine/foundation/window.h"
#include "engine/platform/log.h"
#include "game/shell/hub/game_hub.h"
#include "game/shell/startup/display_mode.h"
#include "game/shell/startup/edition_settings.h"
#include "game/shell/startup/game_settings.h"
#include "game/shell/startup/game_singletons.h"
#include "game/shell/startup/save_folder.h"
#include "game/shell/startup/user_settings.h"

namespace game {

void gGame::SetCurrentPlayer(GG_PLAYER* player) {
  current_player_ = player;
  if (!IsMobilePlatform()) {
    // The player who turned the game's cursor off gets the system's.
    const bool system_cursor = player != nullptr && !player->GetGameCursor();
    if (ORB::Window* window = ORB::Engine().window) window->ShowCursor(system_cursor);
    cursor_.SetEnabled(!system_cursor);
  }
  ApplyDisplayMode();
  ApplyPlayerVolumes();
  SyncTrophies(player);
  if (players_ != nullptr) players_->Select(player);
  if (windows_ != nullptr) windows_->RefreshAll();
}

bool gGame::RemovePlayer(const std::wstring& name) {
  if (players_ == nullptr) return false;
  GG_PLAYER* leaving = players_->FindByName(name);
  if (leaving == nullptr) return false;
  if (leaving == current_player_) {
    GG_PLAYER* next = nullptr;
    for (const auto& player : players_->GetPlayers()) {
      if (player.get() != leaving) {
        next = player.get();
        break;
      }
    }
    SetCurrentPlayer(next);
  }
  (void)players_->Remove(name);
  if (windows_ != nullptr) windows_->RefreshAll();
  SaveAll();
  return true;
}

void gGame::SpendHeart() {
  if (!GetEditionSettings().heart || current_player_ == nullptr) return;
  if (!current_player_->GetHealth().Spend()) return;
  SaveAll();
}

void gGame::RefillHearts() {
  if (current_player_ == nullptr) return;
  current_player_->GetHealth().ClearQueue();
  current_player_->GetHealth().Fill();
}

void gGame::ApplyPlayerVolumes() {
  const GG_PLAYER& volumes = current_player_ != nullptr ? *current_player_ : template_;
  if (ORB::OC_SOUND_BANK* sounds = GetSoundBank()) {
    sounds->SetVolume(kMusicGroup, volumes.GetMusicVolume());
    sounds->SetVolume(kSoundsGroup, volumes.GetSoundVolume());
  }
}

void gGame::SaveAll() {
  if (!started_) return;
  const std::string folder = SaveFolderForWriting();
  if (folder.empty()) return;
  if (players_ != nullptr && !players_->Save(folder, game::HasInAppConfig())) {
    ORB::Log(
        ORB::LogLevel::kError, "game",
        "cannot write " + folder + PlayersList::kFileName + "; the players saved before are kept");
  }
  SaveGameSettings();
}

}  // namespace game
