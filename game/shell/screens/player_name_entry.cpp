#include "game/shell/screens/player_name_entry.h"

#include <utility>

#include "engine/platform/log.h"
#include "framework/window_editbox.h"
#include "framework/window_manager.h"
#include "game/shell/startup/game_singletons.h"

namespace game {

bool gPlayerNameEntry::Open(FollowUp follow_up) {
  ORB_GF::G_WINDOW_MANAGER* windows = ORB_GF::GetWindowManager();
  auto* entry = windows != nullptr
                    ? dynamic_cast<ORB_GF::G_WINDOW_EDITBOX*>(windows->FindWindow(kWindow))
                    : nullptr;
  if (entry == nullptr || screen_.GetScreenHost() == nullptr) {
    ORB::Log(ORB::LogLevel::kError, "game",
             std::string("no name entry \"") + kWindow + "\": no player can be made");
    return false;
  }
  follow_up_ = std::move(follow_up);
  entry->SetMaxLength(kMaxLength);
  entry->SetValidator(this, &gPlayerNameEntry::Validate);
  entry->SetResultCallback(this, &gPlayerNameEntry::Answered);
  windows->OpenWindow(kWindow, false);
  return true;
}

bool gPlayerNameEntry::IsNameTaken(const std::wstring& name) {
  const PlayersList* players = GetPlayersList();
  return players != nullptr && players->FindByName(name) != nullptr;
}

bool gPlayerNameEntry::Validate(void* /*self*/, const std::wstring& name) {
  return !IsNameTaken(name);
}

void gPlayerNameEntry::Answered(void* self, bool accepted, const std::wstring& name) {
  auto* entry = static_cast<gPlayerNameEntry*>(self);
  cScreenHost* hub = entry->screen_.GetScreenHost();
  if (!accepted || hub == nullptr) return;
  GG_PLAYER* player = hub->CreatePlayer(name);
  if (player == nullptr) return;
  hub->SetCurrentPlayer(player);
  hub->SaveAll();
  const FollowUp follow_up = entry->follow_up_;
  if (follow_up) follow_up();
}

}  // namespace game
