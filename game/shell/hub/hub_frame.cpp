// The hub's frame: the per-frame update, the drawing and the routing of the
// keys, buttons and pointer moves.
#include <algorithm>

#include "engine/foundation/timer.h"
#include "game/shell/hub/game_hub.h"
#include "game/shell/startup/game_settings.h"

namespace game {

int32_t gGame::Update() {
  if (current_player_ != nullptr) (void)ORB::OC_STORE::Instance().Refresh();
  // A purchase holds the game: only its overlay moves.
  if (purchase_pending_) {
    overlay_animation_.Update();
    return 1;
  }
  if (gameplay_ != nullptr) {
    gameplay_->Update();
    if (tutorial_->IsActive()) tutorial_->Update();
  }
  level_show_left_ = std::max(0.0f, level_show_left_ - ORB::GetFrameDelta());
  if (windows_ != nullptr) windows_->Update();
  UpdateTrophyQueue();
  if (current_player_ != nullptr) current_player_->GetHealth().Update(ORB::GetFrameDelta());
  return 1;
}

void gGame::Draw() {
  if (gameplay_ != nullptr && gameplay_->IsActive()) {
    gameplay_->Draw();
    if (tutorial_->IsActive()) tutorial_->Draw();
  }
  if (windows_ != nullptr) windows_->Draw();
  if (purchase_pending_) {
    overlay_background_.Draw();
    overlay_animation_.Draw();
    // A store provider would draw its own layer here; none exists.
  }
  if (!IsMobilePlatform()) cursor_.Draw();
}

bool gGame::LevelTakesPresses() const {
  return level_show_left_ <= 0.0f && (windows_ == nullptr || !windows_->HoldsModalWindow());
}

int32_t gGame::OnKeyDown(int32_t key) {
  if (purchase_pending_) return 1;
  if (gameplay_ != nullptr && LevelTakesPresses()) {
    if (std::find(level_presses_.begin(), level_presses_.end(), key) == level_presses_.end()) {
      level_presses_.push_back(key);
    }
    if (tutorial_->IsActive()) tutorial_->OnButtonDown(key);
    (void)gameplay_->OnButtonDown(key);
  }
  if (windows_ != nullptr) windows_->HandleMouseDown(key);
  return 1;
}

int32_t gGame::OnKeyUp(int32_t key) {
  if (purchase_pending_) return 1;
  const auto pressed = std::find(level_presses_.begin(), level_presses_.end(), key);
  const bool level_pressed = pressed != level_presses_.end();
  if (level_pressed) level_presses_.erase(pressed);
  if (gameplay_ != nullptr && level_pressed) {
    (void)gameplay_->OnButtonUp(key);
    if (tutorial_->IsActive()) tutorial_->OnButtonUp(key);
  }
  if (windows_ != nullptr) windows_->HandleMouseUp(key);
  return 1;
}

int32_t gGame::OnMouseMove() {
  if (purchase_pending_) return 1;
  if (gameplay_ != nullptr) {
    (void)gameplay_->OnPointerMove();
    if (tutorial_->IsActive()) tutorial_->OnPointerMove();
  }
  if (windows_ != nullptr) windows_->HandleMouseMove();
  return 1;
}

}  // namespace game
