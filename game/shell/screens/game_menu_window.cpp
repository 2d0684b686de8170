#include "game/shell/screens/game_menu_window.h"

#include "framework/window_manager.h"
#include "game/play/gameplay.h"
#include "game/shell/screens/confirm_dialog.h"

namespace game {

void GG_WINDOW_GAME_MENU::OnGuiEvent(int32_t widget_id) {
  cScreenHost* hub = GetScreenHost();
  if (hub == nullptr) return;
  switch (widget_id) {
    case kResumeId:
      Close(false);
      hub->ResumeLevel();
      break;
    case kRestartId:
      if (!hub->CanPlayLevelOrAsk()) break;
      if (ORB_GF::G_WINDOW_CONFIRM* dialog = OpenConfirm(kRestartDialog, kRestartDialogOther)) {
        dialog->SetAnswerCallback(this, &GG_WINDOW_GAME_MENU::RestartAnswered);
      }
      break;
    case kLeaveId:
      if (ORB_GF::G_WINDOW_CONFIRM* dialog = OpenConfirm(kLeaveDialog)) {
        dialog->SetAnswerCallback(this, &GG_WINDOW_GAME_MENU::LeaveAnswered);
      }
      break;
    case kOptionsId: hub->OpenOptions(); break;
    case kShopId:
      if (ORB_GF::G_WINDOW_MANAGER* windows = hub->GetWindowManager()) {
        windows->OpenWindow(kShop, false);
      }
      break;
    default: break;
  }
}

void GG_WINDOW_GAME_MENU::RestartAnswered(void* self, int32_t answer) {
  auto* menu = static_cast<GG_WINDOW_GAME_MENU*>(self);
  cScreenHost* hub = menu->GetScreenHost();
  if (answer != 1 || hub == nullptr) return;
  // A heart pays for a level started again, never for one already gone nor
  // for a restart the heart rule refused.
  GG_GAMEPLAY* gameplay = hub->GetGameplay();
  if (gameplay != nullptr && !gameplay->LevelFileName().empty()) {
    if (!hub->RestartLevel()) {
      (void)hub->CanPlayLevelOrAsk();
      return;
    }
    hub->SpendHeart();
  }
  menu->Close(false);
}

void GG_WINDOW_GAME_MENU::LeaveAnswered(void* self, int32_t answer) {
  auto* menu = static_cast<GG_WINDOW_GAME_MENU*>(self);
  cScreenHost* hub = menu->GetScreenHost();
  if (answer != 1 || hub == nullptr) return;
  // The heart goes now, whatever becomes of the fade.
  hub->SpendHeart();
  menu->fade_.Run([menu] {
    menu->Close(true);
    menu->GetScreenHost()->LeaveToLevels();
  });
}

}  // namespace game
