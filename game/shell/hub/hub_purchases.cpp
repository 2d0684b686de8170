// The hub as the store's purchase listener, the purchase overlay, and the
// shop's offers for the current player.
#include <string_view>

#include "framework/trophy_list.h"
#include "game/shell/hub/game_hub.h"
#include "game/shell/startup/game_settings.h"

namespace game {

namespace {

bool StartsWith(std::string_view text, std::string_view start) {
  return text.substr(0, start.size()) == start;
}

}  // namespace

void gGame::OnRefreshRequest() { (void)ORB::OC_STORE::Instance().Refresh(); }

void gGame::OnPurchaseStarted() { BeginPurchase(); }

void gGame::OnPurchaseFinished(const ORB::StoreProduct* product, bool flag) {
  EndPurchase();
  // A second chance that was not bought: as when the player declines to
  // buy it, the question comes back (or the restart, when it cannot).
  if (product != nullptr && !flag && product->name == GG_GAMEPLAY::kSecondChanceProduct &&
      gameplay_ != nullptr && gameplay_->IsActive() && gameplay_->IsEnded()) {
    gameplay_->OnSecondChanceBuyAnswer(0);
  }
}

void gGame::OnPurchaseDelivered(const ORB::StoreProduct* product) {
  if (product == nullptr || current_player_ == nullptr) return;
  const std::string& name = product->name;
  if (StartsWith(name, "pack")) {
    for (gPackState* pack : current_player_->FindPacksByInAppKey(name)) {
      pack->Unlock();
      pack->UnlockAllLevels();
    }
  }
  if (StartsWith(name, "health")) {
    if (const ORB_GF::ShopCatalogueItem* item = FindShopItem("health")) {
      current_player_->SetItemCount("health", item->value);
      RefillHearts();
      if (gameplay_ != nullptr) gameplay_->OnStoreEvent("buy", name);
      const ORB_GF::TrophyValue lives(kHealthValue, current_player_->GetItemCount("health"));
      if (TestTrophy(kLivesTrophy, lives)) AwardTrophy(std::string(kLivesTrophy));
    }
  }
  if (StartsWith(name, "errors")) {
    if (const ORB_GF::ShopCatalogueItem* item = FindShopItem("errors")) {
      current_player_->SetItemCount("errors", item->value);
      if (gameplay_ != nullptr) gameplay_->OnStoreEvent("buy", name);
    }
  }
  if (name == kRefillHealth) RefillHearts();
  if (name == GG_GAMEPLAY::kSecondChanceProduct) {
    if (gameplay_ != nullptr) gameplay_->UseSecondChance();
    current_player_->GetHealth().Add();
  }
  if (windows_ != nullptr) windows_->RefreshAll();
  SaveAll();
}

void gGame::BeginPurchase() {
  purchase_pending_ = true;
  overlay_animation_.SetFrame(0);
  overlay_animation_.Play();
}

void gGame::EndPurchase() {
  purchase_pending_ = false;
  overlay_animation_.Stop();
}

const ORB_GF::ShopCatalogueItem* gGame::FindShopItem(const std::string& name) const {
  if (current_player_ == nullptr || shop_ == nullptr) return nullptr;
  return shop_->FindAvailable(name, current_player_->GetItemCount(name));
}

}  // namespace game
