#include "game/shell/screens/pack_window.h"

#include "engine/foundation/result_codes.h"
#include "engine/gui/gui_wide_label.h"
#include "engine/gui/gui_xml_loader.h"
#include "engine/platform/log.h"
#include "framework/whole_number.h"
#include "framework/window_manager.h"
#include "game/records/game_player.h"
#include "game/records/level_record.h"
#include "game/records/pack_record.h"
#include "game/records/pack_state.h"
#include "game/shell/screens/confirm_dialog.h"
#include "game/shell/screens/fade_transition.h"
#include "game/shell/screens/gui_localization.h"
#include "game/shell/screens/page_item.h"
#include "game/shell/startup/edition_settings.h"

namespace game {

namespace {

void PackNote(int32_t pack_id, const std::string& what) {
  ORB::Log(ORB::LogLevel::kWarning, "game", "pack " + std::to_string(pack_id) + ": " + what);
}

}  // namespace

// --- gPackItem

gPackItem::gPackItem(const pugi::xml_node& node, int32_t index, const gHostedScreen& list)
    : G_PAGES_ITEM(static_cast<uint32_t>(index)), list_(list), index_(index) {
  if (node.attribute("id")) {
    int32_t id = 0;
    if (ORB_GF::ReadNumberAttribute(node, "id", id, "game")) pack_id_ = id;
  }
  ORB::Vector2 size;
  size.Parse(node.attribute("size").as_string());
  width_ = static_cast<int32_t>(size.x);
  height_ = static_cast<int32_t>(size.y);
  ReadHitInset(node.attribute("hit").as_string());
  root_.Widget().GetTransform().parent = &transform_;
  ORB::LoadGuiXml(root_, node, nullptr);
  LocalizeGuiTree(&root_.Widget());
}

std::optional<int32_t> gPackItem::GetPackId() const {
  if (pack_id_) return pack_id_;
  const cScreenHost* hub = list_.GetScreenHost();
  if (hub == nullptr || index_ < 0 || static_cast<size_t>(index_) >= hub->PackRecords().size()) {
    return std::nullopt;
  }
  return hub->PackRecords()[static_cast<size_t>(index_)]->GetId();
}

int32_t gPackItem::OnMouseDown(int32_t /*button*/) {
  return UnderPointer() ? ORB::kEventSwallowed : 0;
}

int32_t gPackItem::OnMouseUp(int32_t /*button*/) {
  return UnderPointer() ? ORB::kEventSwallowed : 0;
}

void gPackItem::SetLabel(int32_t id, const std::wstring& text) {
  if (auto* label = dynamic_cast<ORB::OC_GUI_WLABEL*>(root_.FindById(id))) label->SetText(text);
}

void gPackItem::ShowLook(bool unlocked) {
  unlocked_ = unlocked;
  if (ORB::OC_GUI_OBJECT* look = root_.FindById(kLockedLookId)) look->SetVisible(!unlocked);
  if (ORB::OC_GUI_OBJECT* look = root_.FindById(kOpenLookId)) look->SetVisible(unlocked);
}

int32_t gPackItem::Refresh() {
  cScreenHost* hub = list_.GetScreenHost();
  const GG_PLAYER* player = hub != nullptr ? hub->GetCurrentPlayer() : nullptr;
  if (player == nullptr) return 0;
  if (ORB::OC_GUI_OBJECT* mark = root_.FindById(kLockMarkId)) mark->SetVisible(false);
  const std::optional<int32_t> id = GetPackId();
  if (!id) {
    ShowLook(false);
    SetLabel(kStarsToPassId, std::wstring());
    return 0;
  }
  if (!player->IsPackUnlocked(*id)) {
    ShowLook(false);
    SetLabel(kStarsToPassId, hub->GetStarsToPassText(*id));
  } else {
    ShowLook(true);
    SetLabel(kStarsWonId, hub->GetPackStarsText(*id));
  }
  return 0;
}

// --- gPages_Pack

ORB_GF::G_PAGES_ITEM* gPages_Pack::CreateItem(const pugi::xml_node& node, int32_t index) {
  return new gPackItem(node, index, *window_);
}

gPackItem* gPages_Pack::PackItem(size_t index) const {
  return index < ItemCount() ? static_cast<gPackItem*>(Item(index)) : nullptr;
}

void gPages_Pack::OnItemClicked(ORB_GF::G_PAGES_ITEM* item) {
  if (auto* pack = dynamic_cast<gPackItem*>(item)) OnPackClicked(*pack);
}

cScreenHost* gPages_Pack::Host() const { return window_->GetScreenHost(); }

void gPages_Pack::OnPackClicked(gPackItem& item) {
  if (gFadeTransition::IsRunning()) return;
  cScreenHost* hub = Host();
  GG_PLAYER* player = hub != nullptr ? hub->GetCurrentPlayer() : nullptr;
  const std::optional<int32_t> id = item.GetPackId();
  if (player == nullptr || !id) return;
  gPackState* record = player->FindPack(*id);
  if (record == nullptr) {
    PackNote(*id, "the player has no record of it");
    return;
  }
  asked_pack_ = *id;
  if (GetEditionSettings().free) {
    if (record->IsLocked()) {
      if (ORB_GF::G_WINDOW_CONFIRM* dialog = OpenConfirm(kNeedBuyDialog)) {
        dialog->SetChoiceCallback(this, &gPages_Pack::NeedBuyChosen);
      }
    } else if (!record->HasUnlockedLevel()) {
      OpenConfirm(kLockedDialog);
    } else {
      window_->OpenPack(*id);
    }
    return;
  }
  if (item.IsUnlocked()) {
    window_->OpenPack(*id);
    return;
  }
  const gPackRecord* pack = hub->FindPack(*id);
  if (pack == nullptr) {
    PackNote(*id, "no description, nothing to sell");
    return;
  }
  if (ORB_GF::G_WINDOW_CONFIRM* dialog = OpenConfirm(kBuyDialog)) {
    dialog->SetMessage(pack->GetPrice());
    dialog->SetAnswerCallback(this, &gPages_Pack::BuyAnswered);
  }
}

void gPages_Pack::BuyAnswered(void* self, int32_t answer) {
  auto* grid = static_cast<gPages_Pack*>(self);
  if (answer == 1) BuyPack(grid->Host(), grid->asked_pack_);
}

void gPages_Pack::NeedBuyChosen(void* self, int32_t choice) {
  auto* grid = static_cast<gPages_Pack*>(self);
  cScreenHost* hub = grid->Host();
  if (hub == nullptr) return;
  if (choice == 1) {
    GG_PLAYER* player = hub->GetCurrentPlayer();
    const gPackState* record = player != nullptr ? player->FindPack(grid->asked_pack_) : nullptr;
    if (record != nullptr) hub->Buy(record->GetInAppKey());
  } else if (choice == -1) {
    hub->OnRefreshRequest();
  }
}

bool gPages_Pack::BuyPack(cScreenHost* host, int32_t pack_id) {
  GG_PLAYER* player = host != nullptr ? host->GetCurrentPlayer() : nullptr;
  gPackState* record = player != nullptr ? player->FindPack(pack_id) : nullptr;
  const gPackRecord* pack = host != nullptr ? host->FindPack(pack_id) : nullptr;
  gLevelRecord* first = record != nullptr ? record->GetLevelAt(0) : nullptr;
  if (first == nullptr || pack == nullptr) {
    PackNote(pack_id, "nothing to buy: no record, no level or no description");
    return false;
  }
  // A damaged price below 0 costs nothing rather than paying the player.
  const uint32_t price = pack->GetPrice() > 0 ? static_cast<uint32_t>(pack->GetPrice()) : 0u;
  gStatistics& coins = player->GetStatistics();
  if (price > coins.score) {
    OpenConfirm(kNoMoneyDialog);
    return false;
  }
  coins.score -= price;
  first->SetLock(false);
  if (ORB_GF::G_WINDOW_MANAGER* windows = host->GetWindowManager()) windows->RefreshAll();
  host->SaveAll();
  return true;
}

// --- GG_WINDOW_PACK

GG_WINDOW_PACK::GG_WINDOW_PACK(const pugi::xml_node& node, cScreenHost* host)
    : gHostedScreen(host),
      GG_WINDOW_PAGED(node, std::make_unique<gPages_Pack>(this),
                      {kPrevPageId, kNextPageId, kMarkersElement, kTitleWindow}) {}

void GG_WINDOW_PACK::OnOpenBegin() {
  GG_WINDOW_PAGED::OnOpenBegin();
  Refresh();
}

void GG_WINDOW_PACK::Refresh() { Grid().RefreshItems(); }

void GG_WINDOW_PACK::OpenPack(int32_t pack_id) {
  const bool was_open = IsOpen();
  Close(false);
  cScreenHost* hub = GetScreenHost();
  if (was_open && hub != nullptr) hub->OpenLevels(pack_id, false);
}

}  // namespace game
