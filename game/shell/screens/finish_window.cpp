#include "game/shell/screens/finish_window.h"

#include <string>

#include "engine/foundation/timer.h"
#include "engine/gui/gui_wide_label.h"
#include "engine/scene/appearance_bot_factories.h"
#include "framework/time_format.h"
#include "framework/whole_number.h"
#include "game/records/game_player.h"
#include "game/records/level_record.h"
#include "game/records/pack_state.h"
#include "game/shell/screens/confirm_dialog.h"

namespace game {

namespace {

void ReadEffect(const pugi::xml_node& node, StarEffect& effect) {
  ORB_GF::ReadNumberAttribute(node, "time", effect.time, "game");
  ORB_GF::ReadNumberAttribute(node, "amplitude", effect.amplitude, "game");
  ORB_GF::ReadNumberAttribute(node, "frequency", effect.frequency, "game");
  ORB_GF::ReadNumberAttribute(node, "decay", effect.decay, "game");
}

}  // namespace

GG_WINDOW_FINISH::GG_WINDOW_FINISH(const pugi::xml_node& node, cScreenHost* host)
    : gHostedScreen(host), G_WINDOW(node) {
  const pugi::xml_node settings = node.child("settings");
  if (const pugi::xml_node sprite = settings.child("star_sprite")) star_.Load(sprite);
  shift_.Parse(settings.attribute("shift").as_string());
  ReadEffect(settings.child("star_effect"), effect_);
  picture_.Load(settings.child("picture"));
}

void GG_WINDOW_FINISH::SetLabel(int32_t id, const std::wstring& text) {
  if (auto* label = FindWidget<ORB::OC_GUI_WLABEL>(id)) label->SetText(text);
}

void GG_WINDOW_FINISH::ShowResults(const LevelResult& result) {
  result_ = result;
  picture_.Show(result.picture);
  SetLabel(kTimeId, ORB_GF::FormatTime(result.elapsed_time));
  SetLabel(kHintsId, std::to_wstring(result.hints_used));
  SetLabel(kErrorsId, std::to_wstring(result.errors));
  SetLabel(kCoinsId, std::to_wstring(result.level_coins));
  cScreenHost* hub = GetScreenHost();
  const GG_PLAYER* player = hub != nullptr ? hub->GetCurrentPlayer() : nullptr;
  const gLevelRecord* level =
      player != nullptr ? player->FindLevel(result.pack_id, result.level_id) : nullptr;
  SetLabel(kBestTimeId,
           level != nullptr ? ORB_GF::FormatTime(level->GetBestTime()) : std::wstring());
  SetLabel(kLevelNumberId,
           std::to_wstring(level != nullptr ? level->GetIndex() + 1 : result.level_id));
  SetLabel(kScoreId, player != nullptr ? player->GetStatistics().GetScoreText() : std::wstring());
}

ORB::Vector2 GG_WINDOW_FINISH::StarPosition(size_t i) const {
  const ORB::Vector2 window = GetLiveTransform().GetPositionV2();
  return {window.x + stars_[i]->position.x, window.y + stars_[i]->position.y};
}

void GG_WINDOW_FINISH::LayStars() {
  star_bots_.DeleteAll();
  stars_.clear();
  star_clock_ = 0.0f;
  stars_sounded_ = 0;
  const int32_t count = GetStarCount();
  const float step = star_.GetWidth() > 0.0f ? star_.GetWidth() : 0.0f;
  for (int32_t i = 0; i < count; ++i) {
    auto star = std::make_unique<ORB::OS_TRANSFORM3>();
    star->SetPosition(shift_.x + step * static_cast<float>(i), shift_.y, 0.0f);
    // Each star waits for the ones before it, then pops from nothing.
    star_bots_.Add(ORB::BotBlob(star.get(), effect_.time, effect_.amplitude, effect_.frequency,
                                effect_.decay, 0.0f, 1.0f, effect_.time * static_cast<float>(i),
                                0));
    stars_.push_back(std::move(star));
  }
}

void GG_WINDOW_FINISH::StopStars() {
  star_bots_.DeleteAll();
  for (auto& star : stars_) star->SetScale(1.0f, 1.0f, 1.0f);
  stars_sounded_ = stars_.size();
}

void GG_WINDOW_FINISH::OnOpened() { LayStars(); }

void GG_WINDOW_FINISH::OnLoadResources() {
  star_.LoadTexture();
  picture_.LoadTexture();
  // The picture's own size, whatever the description gave.
  if (star_.IsLoaded() && star_.GetWidth() <= 0.0f) star_.SetSize(-1.0f, -1.0f);
}

void GG_WINDOW_FINISH::OnReleaseResources() {
  star_.ReleaseTexture();
  picture_.ReleaseTexture();
}

void GG_WINDOW_FINISH::OnUpdate() {
  if (star_bots_.Empty()) return;
  star_clock_ += ORB::GetFrameDelta();
  while (stars_sounded_ < stars_.size() &&
         star_clock_ >= effect_.time * static_cast<float>(stars_sounded_)) {
    ++stars_sounded_;
    if (click_sound != nullptr) click_sound(kStarSound);
  }
  star_bots_.Update();
}

void GG_WINDOW_FINISH::OnDraw() {
  if (star_.IsLoaded()) {
    for (size_t i = 0; i < stars_.size(); ++i) {
      const float scale = stars_[i]->scale.x;
      if (scale <= 0.0f) continue;
      const ORB::Vector2 at = StarPosition(i);
      star_.DrawAt(at.x, at.y, 0.0f, scale, scale);
    }
  }
  picture_.Draw(GetLiveTransform().GetPositionV2());
}

void GG_WINDOW_FINISH::OnGuiEvent(int32_t widget_id) {
  cScreenHost* hub = GetScreenHost();
  if (hub == nullptr) return;
  switch (widget_id) {
    case kNextId:
      StopStars();
      Next();
      break;
    case kRestartId:
      if (!hub->CanPlayLevelOrAsk()) break;
      if (ORB_GF::G_WINDOW_CONFIRM* dialog = OpenConfirm(kRestartDialog, kRestartDialogOther)) {
        dialog->SetAnswerCallback(this, &GG_WINDOW_FINISH::RestartAnswered);
      }
      break;
    case kLevelsId: {
      StopStars();
      fade_.Run([this] {
        Close(true);
        GetScreenHost()->LeaveToLevels();
      });
      break;
    }
    default: break;
  }
}

void GG_WINDOW_FINISH::Next() {
  cScreenHost* hub = GetScreenHost();
  const int32_t pack_id = hub->GetCurrentPackId();
  const gLevelRecord* level = hub->GetCurrentLevel();
  GG_PLAYER* player = hub->GetCurrentPlayer();
  const gPackState* record = player != nullptr ? player->FindPack(pack_id) : nullptr;
  if (level == nullptr || record == nullptr || record->IsLastLevel(level)) {
    fade_.Run([this] {
      cScreenHost* game = GetScreenHost();
      Close(true);
      game->StopLevel();
      game->ReleaseLevel();
      game->OpenPackList();
    });
    return;
  }
  // The level stays as it is (won, under this window) when no heart is left.
  if (!hub->CanPlayLevelOrAsk()) return;
  const int32_t next_id = level->GetId() + 1;
  hub->StopLevel();
  const bool started = hub->StartLevel(next_id, pack_id);
  Close(false);
  if (!started) {
    // Never a screen with nothing on it: the pack's level list comes.
    hub->ReleaseLevel();
    hub->OpenLevels(pack_id, true);
  }
}

void GG_WINDOW_FINISH::RestartAnswered(void* self, int32_t answer) {
  auto* window = static_cast<GG_WINDOW_FINISH*>(self);
  cScreenHost* hub = window->GetScreenHost();
  if (answer != 1 || hub == nullptr) return;
  if (!hub->RestartLevel()) {
    (void)hub->CanPlayLevelOrAsk();
    return;
  }
  window->Close(false);
}

}  // namespace game
