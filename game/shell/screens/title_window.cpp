#include "game/shell/screens/title_window.h"

#include "engine/foundation/SERVICE/game_service.h"
#include "game/shell/screens/confirm_dialog.h"

namespace game {

void GG_WINDOW_TITLE::OnGuiEvent(int32_t widget_id) {
  cScreenHost* hub = GetScreenHost();
  if (hub == nullptr) return;
  const bool has_player = hub->GetCurrentPlayer() != nullptr;
  switch (widget_id) {
    case kPlayId:
      if (has_player) {
        StartGame();
      } else {
        name_entry_.Open([this] { StartGame(); });
      }
      break;
    case kOptionsId:
      if (has_player) {
        hub->OpenOptions();
      } else {
        name_entry_.Open([this] { GetScreenHost()->OpenOptions(); });
      }
      break;
    case kExitId:
      if (ORB_GF::G_WINDOW_CONFIRM* confirm = OpenConfirm(kConfirmExit)) {
        confirm->SetAnswerCallback(this, &GG_WINDOW_TITLE::ExitAnswered);
      }
      break;
    default: break;
  }
}

void GG_WINDOW_TITLE::StartGame() {
  fade_.Run([this] {
    cScreenHost* hub = GetScreenHost();
    hub->CloseTitle();
    hub->OpenPackList();
  });
}

void GG_WINDOW_TITLE::ExitAnswered(void* /*self*/, int32_t answer) {
  if (answer == 1) ORB::OC_GAME_SERVICE_ONE::Get().SetRunning(false);
}

}  // namespace game
