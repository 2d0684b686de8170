#include "game/shell/screens/players_window.h"

#include <algorithm>
#include <utility>

#include "engine/gui/gui_button5.h"
#include "framework/window_confirm.h"
#include "framework/window_editbox.h"
#include "framework/window_manager.h"
#include "game/shell/startup/game_singletons.h"

namespace game {

GG_WINDOW_PLAYERS::GG_WINDOW_PLAYERS(const pugi::xml_node& node, cScreenHost* host)
    : gHostedScreen(host), G_WINDOW(node) {}

void GG_WINDOW_PLAYERS::Fill() {
  ORB::OC_GUI_LISTBOX* list = GetList();
  if (list != nullptr) {
    list->ClearItems();
    if (const PlayersList* players = GetPlayersList()) {
      for (const auto& player : players->GetPlayers()) list->AddItem(player->GetName());
    }
    cScreenHost* hub = GetScreenHost();
    if (const GG_PLAYER* current = hub != nullptr ? hub->GetCurrentPlayer() : nullptr) {
      list->SelectItem(current->GetName());
    }
  }
  UpdateButtons();
}

std::wstring GG_WINDOW_PLAYERS::Selected() const {
  const ORB::OC_GUI_LISTBOX* list = GetList();
  const std::wstring* name = list != nullptr ? list->GetSelectedItem() : nullptr;
  return name != nullptr ? *name : std::wstring();
}

void GG_WINDOW_PLAYERS::UpdateButtons() {
  const bool selected = !Selected().empty();
  const ORB::OC_GUI_LISTBOX* list = GetList();
  const std::pair<int32_t, bool> usable[] = {
      {kDeleteId, selected},
      {kChooseId, selected},
      {kPageUpId, list != nullptr && list->CanScrollUp()},
      {kPageDownId, list != nullptr && list->CanScrollDown()}};
  for (const auto& [id, on] : usable) {
    ORB::OC_GUI_OBJECT* widget = GetGuiRoot().FindById(id);
    if (widget == nullptr) continue;
    if (auto* button = dynamic_cast<ORB::OC_GUI_BUTTON5*>(widget)) button->SetUsable(on);
    widget->SetEnabled(on);
  }
}

int32_t GG_WINDOW_PLAYERS::HandleMouseDown(int32_t button) {
  const int32_t answer = G_WINDOW::HandleMouseDown(button);
  UpdateButtons();
  return answer;
}

int32_t GG_WINDOW_PLAYERS::HandleMouseUp(int32_t button) {
  const int32_t answer = G_WINDOW::HandleMouseUp(button);
  UpdateButtons();
  return answer;
}

void GG_WINDOW_PLAYERS::OnClosed() {
  if (cScreenHost* hub = GetScreenHost()) hub->OpenTitle();
}

void GG_WINDOW_PLAYERS::OnGuiEvent(int32_t widget_id) {
  switch (widget_id) {
    case kNewId: AskForName(); return;
    case kDeleteId: AskToDelete(); return;
    case kCloseId: Close(false); return;
    case kPageUpId:
    case kPageDownId:
      if (ORB::OC_GUI_LISTBOX* list = GetList()) {
        const int32_t page = std::max(list->GetVisibleCount(), 1);
        list->ScrollBy(widget_id == kPageUpId ? -page : page);
      }
      UpdateButtons();
      return;
    case kChooseId: {
      const std::wstring name = Selected();
      const PlayersList* players = GetPlayersList();
      GG_PLAYER* player = players != nullptr ? players->FindByName(name) : nullptr;
      if (player == nullptr) return;
      Close(false);
      if (cScreenHost* hub = GetScreenHost()) hub->SetCurrentPlayer(player);
      return;
    }
    default: return;
  }
}

void GG_WINDOW_PLAYERS::AskForName() {
  ORB_GF::G_WINDOW_MANAGER* windows = ORB_GF::GetWindowManager();
  auto* entry = dynamic_cast<ORB_GF::G_WINDOW_EDITBOX*>(
      windows != nullptr ? windows->OpenWindow(kEditBox, false) : nullptr);
  if (entry == nullptr) return;
  entry->SetMaxLength(kMaxNameLength);
  entry->SetValidator(this, &GG_WINDOW_PLAYERS::NameIsFree);
  entry->SetResultCallback(this, &GG_WINDOW_PLAYERS::NameEntered);
}

bool GG_WINDOW_PLAYERS::NameIsFree(void* /*context*/, const std::wstring& name) {
  const PlayersList* players = GetPlayersList();
  return players == nullptr || players->FindByName(name) == nullptr;
}

void GG_WINDOW_PLAYERS::NameEntered(void* context, bool accepted, const std::wstring& name) {
  auto* self = static_cast<GG_WINDOW_PLAYERS*>(context);
  cScreenHost* hub = self->GetScreenHost();
  if (!accepted || hub == nullptr || hub->CreatePlayer(name) == nullptr) return;
  self->Fill();
  if (ORB::OC_GUI_LISTBOX* list = self->GetList()) list->SelectItem(name);
  self->UpdateButtons();
  hub->SaveAll();
}

void GG_WINDOW_PLAYERS::AskToDelete() {
  const std::wstring name = Selected();
  ORB_GF::G_WINDOW_MANAGER* windows = ORB_GF::GetWindowManager();
  if (name.empty() || windows == nullptr) return;
  auto* question =
      dynamic_cast<ORB_GF::G_WINDOW_CONFIRM*>(windows->OpenWindow(kConfirmDelete, false));
  if (question == nullptr) return;
  deleting_ = name;
  question->SetMessage(name);
  question->SetAnswerCallback(this, &GG_WINDOW_PLAYERS::DeleteAnswered);
}

void GG_WINDOW_PLAYERS::DeleteAnswered(void* context, int32_t yes) {
  auto* self = static_cast<GG_WINDOW_PLAYERS*>(context);
  const std::wstring name = std::move(self->deleting_);
  self->deleting_.clear();
  if (yes != 1) return;
  if (cScreenHost* hub = self->GetScreenHost()) hub->RemovePlayer(name);
  self->Fill();
}

}  // namespace game
