#include "game/shell/screens/options_window.h"

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/window.h"
#include "engine/gui/gui_base_slider.h"
#include "engine/gui/gui_checkbox_interface.h"
#include "framework/window_manager.h"
#include "game/shell/startup/game_settings.h"

namespace game {

namespace {

// Whether the desktop holds the game's screen in a window.
bool DesktopFitsWindow() {
  ORB::Point desktop = ORB::GetScreenSize();
  if (const ORB::Window* window = ORB::Engine().window) desktop = window->DesktopSize();
  return desktop.x >= kVirtualWidth && desktop.y >= kVirtualHeight;
}

}  // namespace

GG_WINDOW_OPTIONS::GG_WINDOW_OPTIONS(const pugi::xml_node& node, cScreenHost* host)
    : gHostedScreen(host), G_WINDOW(node) {}

void GG_WINDOW_OPTIONS::OnOpenBegin() {
  cScreenHost* hub = GetScreenHost();
  GG_PLAYER* player = hub != nullptr ? hub->GetCurrentPlayer() : nullptr;
  kept_ = player != nullptr ? std::make_unique<GG_PLAYER>(*player) : nullptr;
  const ORB_GF::gPlayer* shown = player;
  if (shown == nullptr && hub != nullptr) shown = &hub->GetTemplatePlayer();
  if (shown != nullptr) {
    if (auto* music = FindWidget<ORB::OC_BASESLIDER>(kMusicId)) {
      music->SetValue(shown->GetMusicVolume());
    }
    if (auto* sound = FindWidget<ORB::OC_BASESLIDER>(kSoundId)) {
      sound->SetValue(shown->GetSoundVolume());
    }
  }
  if (!IsMobilePlatform()) {
    if (auto* cursor = FindWidget<ORB::OC_GUI_CHECKBOX_INTERFACE>(kCursorId)) {
      cursor->SetChecked(shown == nullptr || shown->GetGameCursor(), true);
    }
  }
  const bool fits = DesktopFitsWindow();
  if (auto* fullscreen = FindWidget<ORB::OC_GUI_CHECKBOX_INTERFACE>(kFullscreenId)) {
    if (fits) fullscreen->SetChecked(GetFullscreen(), true);
    fullscreen->SetVisible(fits);
    fullscreen->SetEnabled(fits);
  }
  if (ORB::OC_GUI_OBJECT* label = GetGuiRoot().FindById(kFullscreenLabelId)) {
    label->SetVisible(fits);
    label->SetEnabled(fits);
  }
}

void GG_WINDOW_OPTIONS::Apply() {
  cScreenHost* hub = GetScreenHost();
  if (hub == nullptr) return;
  GG_PLAYER* player = hub->GetCurrentPlayer();
  if (!IsMobilePlatform()) {
    const auto* fullscreen = FindWidget<ORB::OC_GUI_CHECKBOX_INTERFACE>(kFullscreenId);
    if (fullscreen != nullptr && fullscreen->IsEnabled()) SetFullscreen(fullscreen->IsChecked());
    const auto* cursor = FindWidget<ORB::OC_GUI_CHECKBOX_INTERFACE>(kCursorId);
    if (player != nullptr && cursor != nullptr) player->SetGameCursor(cursor->IsChecked());
  }
  if (player != nullptr) {
    if (const auto* music = FindWidget<ORB::OC_BASESLIDER>(kMusicId)) {
      player->SetMusicVolume(music->GetValue());
    }
    if (const auto* sound = FindWidget<ORB::OC_BASESLIDER>(kSoundId)) {
      player->SetSoundVolume(sound->GetValue());
    }
  }
  hub->SetCurrentPlayer(player);
}

void GG_WINDOW_OPTIONS::Restore() {
  cScreenHost* hub = GetScreenHost();
  if (hub == nullptr) return;
  GG_PLAYER* player = hub->GetCurrentPlayer();
  // The kept copy is of the player who was current when the window opened.
  if (player != nullptr && kept_ != nullptr && player->GetName() == kept_->GetName()) {
    player->SetGameCursor(kept_->GetGameCursor());
    player->SetMusicVolume(kept_->GetMusicVolume());
    player->SetSoundVolume(kept_->GetSoundVolume());
  }
  hub->SetCurrentPlayer(player);
}

void GG_WINDOW_OPTIONS::OnGuiEvent(int32_t widget_id) {
  ORB_GF::G_WINDOW_MANAGER* windows = ORB_GF::GetWindowManager();
  switch (widget_id) {
    case kOkId:
      if (cScreenHost* hub = GetScreenHost()) hub->SaveAll();
      Close(false);
      return;
    case kCancelId:
      Restore();
      Close(false);
      return;
    case kHelpId:
      if (windows != nullptr) windows->OpenWindow(kHelp, false);
      return;
    case kCreditsId:
      if (windows != nullptr) {
        if (ORB_GF::G_WINDOW* credits = windows->OpenWindow(kCredits, false)) {
          credits->SetEventCallback(ORB_GF::kWidgetClicked, credits,
                                    &GG_WINDOW_OPTIONS::CloseCredits);
        }
      }
      return;
    case kFullscreenId:
    case kCursorId:
    case kSoundId:
    case kMusicId: Apply(); return;
    default: return;
  }
}

void GG_WINDOW_OPTIONS::CloseCredits(void* context, int32_t /*widget_id*/) {
  static_cast<ORB_GF::G_WINDOW*>(context)->Close(false);
}

}  // namespace game
