#include "game/shell/screens/health_window.h"

#include "engine/foundation/timer.h"
#include "engine/foundation/utf8.h"
#include "engine/gui/gui_wide_label.h"
#include "framework/time_format.h"
#include "framework/window_manager.h"
#include "game/records/game_player.h"
#include "game/shell/screens/localized_text.h"

namespace game {

GG_WINDOW_HEALTH::GG_WINDOW_HEALTH(const pugi::xml_node& node, cScreenHost* host)
    : gHostedScreen(host), G_WINDOW(node) {
  // The label still holds its key: the factory translates the tree after
  // the window is made.
  if (const auto* countdown = FindWidget<ORB::OC_GUI_WLABEL>(kCountdownId)) {
    idle_text_ = LocalizedText(ORB::WideToUtf8(countdown->GetText()));
  }
}

void GG_WINDOW_HEALTH::Refresh() {
  cScreenHost* hub = GetScreenHost();
  const GG_PLAYER* player = hub != nullptr ? hub->GetCurrentPlayer() : nullptr;
  auto* count = FindWidget<ORB::OC_GUI_WLABEL>(kCountId);
  auto* countdown = FindWidget<ORB::OC_GUI_WLABEL>(kCountdownId);
  if (player == nullptr) {
    if (count != nullptr) count->SetText(std::wstring());
    if (countdown != nullptr) countdown->SetText(idle_text_);
    return;
  }
  const gHearts& hearts = player->GetHealth();
  if (count != nullptr) count->SetText(std::to_wstring(hearts.GetCount()));
  if (countdown != nullptr) {
    const double left = hearts.GetCountdown();
    countdown->SetText(left > 0.0 ? ORB_GF::FormatTime(static_cast<float>(left)) : idle_text_);
  }
}

void GG_WINDOW_HEALTH::OnUpdate() {
  timer_ += ORB::GetFrameDelta();
  if (timer_ < 1.0f) return;
  timer_ = 0.0f;
  Refresh();
}

void GG_WINDOW_HEALTH::OnGuiEvent(int32_t /*widget_id*/) {
  ORB_GF::G_WINDOW_MANAGER* windows = ORB_GF::GetWindowManager();
  if (windows == nullptr) return;
  ORB_GF::G_WINDOW* feedback = windows->OpenWindow(kFeedback, false);
  if (feedback == nullptr) return;
  feedback->SetCallback(ORB_GF::kOpened, feedback, &GG_WINDOW_HEALTH::CloseFeedback);
}

void GG_WINDOW_HEALTH::CloseFeedback(void* window) {
  auto* feedback = static_cast<ORB_GF::G_WINDOW*>(window);
  feedback->SetCallback(ORB_GF::kOpened, nullptr, nullptr);
  feedback->Close(false);
}

}  // namespace game
