// The hub's packs and levels: the current pack and level, starting and
// controlling a level on the gameplay screen, the tutorial of a level.
#include <string>

#include "engine/platform/log.h"
#include "game/shell/hub/game_hub.h"
#include "game/shell/screens/confirm_dialog.h"
#include "game/shell/startup/edition_settings.h"
#include "game/shell/startup/game_settings.h"

namespace game {

namespace {

void LevelNotStarted(int32_t level_id, int32_t pack_id, const std::string& why) {
  ORB::Log(ORB::LogLevel::kWarning, "game",
           "level " + std::to_string(level_id) + " of pack " + std::to_string(pack_id) +
               " not started: " + why);
}

}  // namespace

const gPackRecord* gGame::FindPack(int32_t pack_id) const {
  for (const auto& pack : packs_) {
    if (pack->GetId() == static_cast<uint16_t>(pack_id)) return pack.get();
  }
  return nullptr;
}

const gPackRecord* gGame::SetCurrentPack(int32_t pack_id) {
  current_pack_ = FindPack(pack_id);
  return current_pack_;
}

bool gGame::CanPlayLevel() const {
  return !GetEditionSettings().heart || current_player_ == nullptr ||
         current_player_->GetHealth().GetCount() > 0;
}

bool gGame::CanPlayLevelOrAsk() {
  if (CanPlayLevel()) return true;
  if (ORB_GF::G_WINDOW_CONFIRM* dialog = OpenConfirm(kNoHealthDialog)) {
    dialog->SetAnswerCallback(this, &gGame::NoHealthAnswered);
  }
  return false;
}

void gGame::NoHealthAnswered(void* hub, int32_t answer) {
  ORB_GF::G_WINDOW_MANAGER* windows = static_cast<gGame*>(hub)->windows_;
  if (answer == 1 && windows != nullptr) windows->OpenWindow(kShop, false);
}

bool gGame::StartLevel(int32_t level_id, int32_t pack_id) {
  current_level_ = nullptr;
  if (gameplay_ == nullptr) return false;
  if (!CanPlayLevel()) {
    LevelNotStarted(level_id, pack_id, "no heart left");
    return false;
  }
  const gPackRecord* pack = SetCurrentPack(pack_id);
  if (pack == nullptr) {
    LevelNotStarted(level_id, pack_id, "no such pack");
    return false;
  }
  gPackState* progress = current_player_ != nullptr ? current_player_->FindPack(pack_id) : nullptr;
  gLevelRecord* level = progress != nullptr ? progress->FindLevel(level_id) : nullptr;
  if (level == nullptr) {
    LevelNotStarted(level_id, pack_id, "the player has no record of it");
    return false;
  }
  if (level->GetFile().empty()) {
    LevelNotStarted(level_id, pack_id, "its record names no level file");
    return false;
  }
  // The gameplay asks for the current pack and level while it loads.
  current_level_ = level;
  if (!gameplay_->Load(pack->GetPath() + "/" + level->GetFile())) {
    LevelNotStarted(level_id, pack_id, gameplay_->LastError());
    current_level_ = nullptr;
    return false;
  }
  AcquireLevelResources();
  BlockControls(false, false, false, false, false);
  StartTutorialIfNeeded();
  HoldLevelWhileItShows();
  QueryAd(kAdFlurryTop);
  QueryAd(kAdTop);
  PlaySound(kLevelShowSound);
  return true;
}

void gGame::StopLevel() {
  if (gameplay_ != nullptr) gameplay_->Stop();
  QueryAd(kAdFullScreen);
}

void gGame::PauseLevel() {
  if (gameplay_ != nullptr) gameplay_->Pause();
}

void gGame::ResumeLevel() {
  if (gameplay_ != nullptr) gameplay_->Resume();
}

bool gGame::RestartLevel() {
  if (gameplay_ == nullptr || !CanPlayLevel()) return false;
  gameplay_->Restart();
  StartTutorialIfNeeded();
  HoldLevelWhileItShows();
  return true;
}

void gGame::HoldLevelWhileItShows() {
  // Started from a window (a dialog's answer, the finish window, the level
  // list behind its fade): a second click on that window's button must not
  // reach the new level, also once the window has gone at once.
  if (windows_ != nullptr && windows_->HoldsModalWindow()) level_show_left_ = kLevelShowSeconds;
}

bool gGame::AcquireLevelResources() {
  if (gameplay_ != nullptr) gameplay_->AcquireResources();
  return true;
}

bool gGame::ReleaseLevel() {
  if (gameplay_ != nullptr) gameplay_->ReleaseResources();
  tutorial_->Deactivate();
  return true;
}

void gGame::BlockControls(bool cells, bool hint, bool tool, bool store, bool reset) {
  control_locks_ = ControlLocks{cells, hint, tool, store, reset};
  if (gameplay_ == nullptr) return;
  if (controls_ != nullptr) {
    ApplyPlayLocks(*gameplay_, *controls_, control_locks_);
  } else {
    gameplay_->Board().SetCellsLocked(cells);
  }
}

void gGame::StartTutorialIfNeeded() {
  if (gameplay_ == nullptr || current_player_ == nullptr) return;
  if (current_player_->IsTutorialPassed()) return;
  const int32_t level_id = current_level_ != nullptr ? current_level_->GetId() : -1;
  if (tutorial_->SelectLevel(level_id)) tutorial_->Activate();
}

void gGame::SetTutorial(cHubTutorial* tutorial) {
  tutorial_ = tutorial != nullptr ? tutorial : &no_tutorial_;
}

std::wstring gGame::GetStarsToPassText(int32_t pack_id) const {
  const gPackRecord* pack = FindPack(pack_id);
  return pack != nullptr ? std::to_wstring(pack->GetStars2Pass()) : std::wstring();
}

std::wstring gGame::GetPackStarsText(int32_t pack_id) const {
  gPackState* progress = current_player_ != nullptr ? current_player_->FindPack(pack_id) : nullptr;
  if (progress == nullptr) return std::wstring();
  const uint64_t most = static_cast<uint64_t>(gLevelRecord::kMaxStars) *
                        static_cast<uint64_t>(progress->GetLevelCount());
  return std::to_wstring(progress->SumStars()) + L"/" + std::to_wstring(most);
}

bool gGame::IsMobileFree() const { return IsMobilePlatform() && GetEditionSettings().free; }

void gGame::QueryAd(const char* placement) {
  // Only the mobile free editions show ads; the question alone is what the
  // ad provider reacts to.
  if (IsMobileFree()) (void)ad_placements_.Has(placement);
}

}  // namespace game
