#include "game/shell/screens/level_window.h"

#include "engine/foundation/result_codes.h"
#include "engine/platform/log.h"
#include "framework/window_manager.h"
#include "game/records/game_player.h"
#include "game/records/level_record.h"
#include "game/records/pack_state.h"

namespace game {

// --- gLevel_Item

gLevel_Item::gLevel_Item(const pugi::xml_node& node, int32_t index)
    : GG_PAGE_ITEM(node, static_cast<uint32_t>(index)),
      index_(index),
      star_(std::string(node.child("star").attribute("picture").as_string())),
      star_shift_(FloatAttribute(node.child("star"), "shift_x"),
                  FloatAttribute(node.child("star"), "shift_y")) {}

void gLevel_Item::Show(const gLevelRecord* record) {
  has_record_ = record != nullptr;
  SetUnlocked(record != nullptr && record->IsUnlocked());
  stars_ = record != nullptr ? record->GetStars() : 0;
  SetText(IsUnlocked() ? std::to_wstring(index_ + 1) : std::wstring());
}

void gLevel_Item::LoadResources() {
  GG_PAGE_ITEM::LoadResources();
  star_.LoadTexture();
  if (star_.IsLoaded()) {
    const ORB::TextureRecord* sheet = star_.GetTexture();
    star_.SetSize(static_cast<float>(sheet->Width() / 2), static_cast<float>(sheet->Height()));
  }
}

void gLevel_Item::ReleaseResources() {
  GG_PAGE_ITEM::ReleaseResources();
  star_.ReleaseTexture();
}

ORB::Vector2 gLevel_Item::StarCentre(int32_t i) const {
  const ORB::Vector2 at = Centre();
  return {at.x + star_shift_.x + star_.GetWidth() * static_cast<float>(i), at.y + star_shift_.y};
}

void gLevel_Item::Draw() {
  GG_PAGE_ITEM::Draw();
  if (!star_.IsLoaded()) return;
  for (int32_t i = 0; i < kStarCount; ++i) {
    const ORB::Vector2 at = StarCentre(i);
    star_.SetGridFrame(2, 1, StarFrame(i));
    star_.DrawAt(at.x, at.y, 0.0f, 1.0f, 1.0f);
  }
}

int32_t gLevel_Item::OnMouseDown(int32_t /*button*/) {
  return UnderPointer() ? ORB::kEventSwallowed : 0;
}

int32_t gLevel_Item::OnMouseUp(int32_t /*button*/) {
  return UnderPointer() ? ORB::kEventSwallowed : 0;
}

// --- gPages_Level

ORB_GF::G_PAGES_ITEM* gPages_Level::CreateItem(const pugi::xml_node& node, int32_t index) {
  return new gLevel_Item(node, index);
}

void gPages_Level::OnItemClicked(ORB_GF::G_PAGES_ITEM* item) {
  if (auto* level = dynamic_cast<gLevel_Item*>(item)) window_->OnLevelClicked(*level);
}

gLevel_Item* gPages_Level::LevelItem(size_t index) const {
  return index < ItemCount() ? static_cast<gLevel_Item*>(Item(index)) : nullptr;
}

void gPages_Level::Show(const gPackState* record) {
  for (size_t i = 0; i < ItemCount(); ++i) {
    gLevel_Item* item = LevelItem(i);
    item->Show(record != nullptr ? record->GetLevelAt(item->GetIndex()) : nullptr);
  }
}

// --- GG_WINDOW_LEVEL

GG_WINDOW_LEVEL::GG_WINDOW_LEVEL(const pugi::xml_node& node, cScreenHost* host)
    : gHostedScreen(host),
      GG_WINDOW_PAGED(node, std::make_unique<gPages_Level>(this),
                      {kPrevPageId, kNextPageId, kMarkersElement, kTitleWindow}) {}

void GG_WINDOW_LEVEL::SetPack(gPackState* record) {
  const int32_t pack_id = record != nullptr ? record->GetId() : -1;
  // Another pack's list starts on its first page.
  if (pack_id != pack_id_) ShowPage(0);
  pack_id_ = pack_id;
  LevelGrid().Show(record);
}

void GG_WINDOW_LEVEL::Refresh() {
  cScreenHost* hub = GetScreenHost();
  GG_PLAYER* player = hub != nullptr ? hub->GetCurrentPlayer() : nullptr;
  LevelGrid().Show(player != nullptr ? player->FindPack(pack_id_) : nullptr);
}

void GG_WINDOW_LEVEL::OnOpenBegin() {
  GG_WINDOW_PAGED::OnOpenBegin();
  Refresh();
}

void GG_WINDOW_LEVEL::OnLevelClicked(gLevel_Item& item) {
  cScreenHost* hub = GetScreenHost();
  GG_PLAYER* player = hub != nullptr ? hub->GetCurrentPlayer() : nullptr;
  if (player == nullptr || !hub->CanPlayLevelOrAsk()) return;
  if (!item.HasRecord() || !item.IsUnlocked()) return;
  if (gFadeTransition::IsRunning()) return;
  chosen_index_ = item.GetIndex();
  fade_.Run([this] { GetScreenHost()->CloseLevels(this, &GG_WINDOW_LEVEL::LevelsClosed); }, false);
}

void GG_WINDOW_LEVEL::LevelsClosed(void* self) {
  static_cast<GG_WINDOW_LEVEL*>(self)->StartChosenLevel();
}

void GG_WINDOW_LEVEL::StartChosenLevel() {
  cScreenHost* hub = GetScreenHost();
  if (hub == nullptr) return;
  GG_PLAYER* player = hub->GetCurrentPlayer();
  const gPackState* record = player != nullptr ? player->FindPack(pack_id_) : nullptr;
  const gLevelRecord* level = record != nullptr ? record->GetLevelAt(chosen_index_) : nullptr;
  const bool started = level != nullptr && hub->StartLevel(level->GetId(), pack_id_);
  ORB_GF::G_WINDOW_MANAGER* windows = hub->GetWindowManager();
  if (windows != nullptr) {
    for (const char* name : cScreenHost::kTopPanels) {
      if (ORB_GF::G_WINDOW* panel = windows->FindWindow(name)) {
        panel->SetCallback(ORB_GF::kClosed, nullptr, nullptr);
      }
    }
  }
  if (!started) {
    // Never a screen with nothing on it: the list comes back.
    ORB::Log(ORB::LogLevel::kWarning, "game", "the level list opens again");
    ReopenWhenClosed();
    return;
  }
  gFadeTransition::Close();
  ReleaseResources(false);
}

void GG_WINDOW_LEVEL::ReopenWhenClosed() {
  closing_screens_ = 0;
  if (ORB_GF::G_WINDOW_MANAGER* windows = ORB_GF::GetWindowManager()) {
    for (const char* name : cScreenHost::kLevelScreens) {
      // One that has closed already (the panel whose closing called the
      // start) only waits to leave the open list.
      ORB_GF::G_WINDOW* screen = windows->FindOpenWindow(name);
      if (screen != nullptr && !screen->IsClosed()) {
        screen->SetCallback(ORB_GF::kClosed, this, &GG_WINDOW_LEVEL::ScreenClosed);
        ++closing_screens_;
      }
    }
  }
  if (closing_screens_ == 0) Reopen();
}

void GG_WINDOW_LEVEL::ScreenClosed(void* self) {
  auto* list = static_cast<GG_WINDOW_LEVEL*>(self);
  if (--list->closing_screens_ == 0) list->Reopen();
}

void GG_WINDOW_LEVEL::Reopen() {
  if (ORB_GF::G_WINDOW_MANAGER* windows = ORB_GF::GetWindowManager()) {
    for (const char* name : cScreenHost::kLevelScreens) {
      if (ORB_GF::G_WINDOW* screen = windows->FindWindow(name)) {
        screen->SetCallback(ORB_GF::kClosed, nullptr, nullptr);
      }
    }
  }
  if (cScreenHost* hub = GetScreenHost()) hub->OpenLevels(pack_id_, true);
  gFadeTransition::Close();
}

}  // namespace game
