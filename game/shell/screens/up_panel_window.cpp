#include "game/shell/screens/up_panel_window.h"

#include <utility>

#include "engine/gui/gui_wide_label.h"
#include "engine/platform/log.h"
#include "framework/time_format.h"
#include "framework/window_manager.h"
#include "game/play/gameplay.h"
#include "game/records/level_record.h"
#include "game/records/pack_record.h"

namespace game {

void GG_WINDOW_UP_PANEL::OnOpenBegin() {
  // What the labels show may have been changed from outside since.
  time_shown_ = L"-";
  name_shown_ = L"-";
  ShowLevel();
}

void GG_WINDOW_UP_PANEL::Show(int32_t id, std::wstring text, std::wstring& shown) {
  if (text == shown) return;
  shown = std::move(text);
  if (auto* label = FindWidget<ORB::OC_GUI_WLABEL>(id)) label->SetText(shown);
}

void GG_WINDOW_UP_PANEL::ShowLevel() {
  const cScreenHost* hub = GetScreenHost();
  const gLevelRecord* level = hub != nullptr ? hub->GetCurrentLevel() : nullptr;
  const gPackRecord* pack = hub != nullptr ? hub->GetCurrentPack() : nullptr;
  const GG_GAMEPLAY* gameplay = hub != nullptr ? hub->GetGameplay() : nullptr;
  if (level == nullptr || pack == nullptr || gameplay == nullptr) {
    Show(kTimeId, std::wstring(), time_shown_);
    Show(kNameId, std::wstring(), name_shown_);
    return;
  }
  Show(kTimeId, ORB_GF::FormatTime(gameplay->ElapsedTime()), time_shown_);
  Show(kNameId, pack->GetName() + L" " + std::to_wstring(level->GetIndex() + 1), name_shown_);
}

void GG_WINDOW_UP_PANEL::OnGuiEvent(int32_t widget_id) {
  cScreenHost* hub = GetScreenHost();
  if (widget_id != kMenuId || hub == nullptr) return;
  ORB_GF::G_WINDOW_MANAGER* windows = hub->GetWindowManager();
  if (windows == nullptr || windows->OpenWindow(kMenu, false) == nullptr) {
    ORB::Log(ORB::LogLevel::kWarning, "game",
             std::string("no window \"") + kMenu + "\": the level goes on");
    return;
  }
  hub->PauseLevel();
}

}  // namespace game
