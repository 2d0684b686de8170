#include "game/shell/screens/sunime_window.h"

#include <string>

#include "engine/foundation/timer.h"
#include "engine/gui/gui_wide_label.h"
#include "game/records/game_player.h"

namespace game {

void GG_WINDOW_SUNIME::SetLabel(int32_t id, const std::wstring& text) {
  if (auto* label = FindWidget<ORB::OC_GUI_WLABEL>(id)) label->SetText(text);
}

void GG_WINDOW_SUNIME::OnOpenBegin() { Refresh(); }

void GG_WINDOW_SUNIME::Refresh() {
  cScreenHost* hub = GetScreenHost();
  const GG_PLAYER* player = hub != nullptr ? hub->GetCurrentPlayer() : nullptr;
  SetLabel(kStarsId, player != nullptr ? std::to_wstring(player->TotalStars()) : std::wstring());
  SetLabel(kCoinsId, player != nullptr ? player->GetStatistics().GetScoreText() : std::wstring());
}

void GG_WINDOW_SUNIME::OnUpdate() {
  timer_ += ORB::GetFrameDelta();
  if (timer_ >= 1.0f) timer_ = 0.0f;
}

}  // namespace game
