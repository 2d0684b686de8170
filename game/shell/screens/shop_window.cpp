#include "game/shell/screens/shop_window.h"

#include <cstdio>
#include <limits>
#include <memory>

#include "engine/foundation/store.h"
#include "engine/gui/gui_button5.h"
#include "engine/gui/gui_image.h"
#include "engine/gui/gui_wide_label.h"
#include "engine/platform/log.h"
#include "framework/whole_number.h"
#include "framework/window_manager.h"
#include "game/play/gameplay.h"
#include "game/records/game_player.h"
#include "game/shell/screens/localized_text.h"
#include "game/shell/startup/edition_settings.h"

namespace game {

namespace {

GG_PLAYER* CurrentPlayer(cScreenHost* hub) {
  return hub != nullptr ? hub->GetCurrentPlayer() : nullptr;
}

// The store's price of the product ("%.2f"), when it gave one.
std::wstring StorePrice(const std::string& product_name) {
  const ORB::StoreProduct* product = ORB::OC_STORE::Instance().FindProduct(product_name);
  if (product == nullptr || !(product->price > 0.0)) return std::wstring();
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", product->price);
  return std::wstring(text, text + std::char_traits<char>::length(text));
}

bool CanPay(const GG_PLAYER& player, int32_t price) {
  return price >= 0 && static_cast<int64_t>(price) <= player.GetStatistics().score;
}

template <typename Widget>
void SetText(Widget* label, const std::wstring& text) {
  if (label != nullptr) label->SetText(text);
}

// Why the offer of that name would give the player nothing now (the string
// key the card shows instead of its description), or null: a hint refill
// serves only a level in play, a heart refill only hearts that are not full.
const char* UnusableNow(const std::string& name, const GG_PLAYER& player, const cScreenHost* hub) {
  if (name == GG_GAMEPLAY::kRefillHintProduct) {
    const GG_GAMEPLAY* gameplay = hub != nullptr ? hub->GetGameplay() : nullptr;
    if (gameplay == nullptr || !gameplay->IsActive() || gameplay->IsEnded()) {
      return gPages_Shop_Item::kLevelOnlyKey;
    }
  }
  if (name == cScreenHost::kRefillHealth) {
    const gHearts& hearts = player.GetHealth();
    if (hearts.GetCount() >= hearts.GetMaximum()) return gPages_Shop_Item::kHeartsFullKey;
  }
  return nullptr;
}

}  // namespace

gPages_Shop_Item::gPages_Shop_Item(const pugi::xml_node& node, uint32_t item_id,
                                   const gHostedScreen& shop)
    : gGuiPageItem(node, item_id), shop_(shop), name_(node.attribute("name").as_string()) {}

int32_t gPages_Shop_Item::Refresh() {
  cScreenHost* hub = shop_.GetScreenHost();
  const GG_PLAYER* player = CurrentPlayer(hub);
  offer_ = hub != nullptr ? hub->FindShopItem(name_) : nullptr;
  const ORB_GF::ShopCatalogue* catalogue = ORB_GF::GetShopCatalogue();
  // The ladder's first offer: what the item shows without a player, and the
  // texts of a ladder used up.
  const ORB_GF::ShopCatalogueItem* first =
      catalogue != nullptr ? catalogue->FindAvailable(name_, std::numeric_limits<int32_t>::min())
                           : nullptr;
  const ORB_GF::ShopCatalogueItem* shown = offer_ != nullptr ? offer_ : first;
  const bool sold_out = player != nullptr && offer_ == nullptr && first != nullptr;
  const bool in_app = HasInAppConfig();
  const char* unusable =
      offer_ != nullptr && player != nullptr ? UnusableNow(name_, *player, hub) : nullptr;

  if (!name_.empty()) SetText(FindWidget<ORB::OC_GUI_WLABEL>(kTitleId), LocalizedText(name_));
  if (unusable != nullptr) {
    SetText(FindWidget<ORB::OC_GUI_WLABEL>(kDescriptionId), LocalizedText(unusable));
  } else if (shown != nullptr && !shown->annotation.empty()) {
    SetText(FindWidget<ORB::OC_GUI_WLABEL>(kDescriptionId), LocalizedText(shown->annotation));
  }
  std::wstring price;
  bool coin = false;
  if (sold_out) {
    price = LocalizedText(kSoldOutKey);
  } else if (shown != nullptr && in_app) {
    price = StorePrice(shown->InAppKey);
  } else if (shown != nullptr && shown->price > 0) {
    price = std::to_wstring(shown->price);
    coin = true;
  }
  SetText(FindWidget<ORB::OC_GUI_WLABEL>(kPriceId), price);
  if (auto* mark = GetGuiRoot().FindById(kCoinId)) mark->SetVisible(coin);
  if (auto* picture = FindWidget<ORB::OC_GUI_IMAGE>(kPictureId)) {
    if (shown != nullptr && !shown->image.empty() && picture->GetTextureName() != shown->image) {
      picture->SetTextureName(shown->image);
    }
  }
  if (auto* buy = FindWidget<ORB::OC_GUI_BUTTON5>(kBuyId)) {
    const bool can_buy = offer_ != nullptr && player != nullptr && unusable == nullptr &&
                         (in_app || CanPay(*player, offer_->price));
    buy->SetUsable(can_buy);
  }
  return 0;
}

ORB_GF::G_PAGES_ITEM* gPagesShop::CreateItem(const pugi::xml_node& node, int32_t index) {
  return new gPages_Shop_Item(node, static_cast<uint32_t>(index), *shop_);
}

void gPagesShop::OnItemClicked(ORB_GF::G_PAGES_ITEM* item) {
  auto* offer = static_cast<gPages_Shop_Item*>(item);
  if (shop_->click_sound != nullptr) shop_->click_sound(shop_->GetSound(offer->ClickedWidget()));
  shop_->Buy(offer->GetName());
}

GG_WINDOW_SHOP::GG_WINDOW_SHOP(const pugi::xml_node& node, cScreenHost* host)
    : gHostedScreen(host),
      GG_WINDOW_PAGED(node, std::make_unique<gPagesShop>(this),
                      {kPreviousId, kNextId, kMarkers, std::string()}) {
  for (const pugi::xml_node pair : node.child("settings").children("pair")) {
    int32_t id = 0;
    if (!ORB_GF::ReadNumberAttribute(pair, "id", id, "shop")) {
      ORB::Log(ORB::LogLevel::kWarning, "shop",
               "window '" + GetName() + "': a <pair> without a whole-number \"id\" is skipped");
      continue;
    }
    pairs_[id] = pair.attribute("item").as_string();
  }
}

bool GG_WINDOW_SHOP::Buy(const std::string& name) {
  cScreenHost* hub = GetScreenHost();
  GG_PLAYER* player = CurrentPlayer(hub);
  if (player == nullptr) return false;
  const ORB_GF::ShopCatalogueItem* offer = hub->FindShopItem(name);
  if (offer == nullptr || UnusableNow(name, *player, hub) != nullptr) return false;
  if (HasInAppConfig()) return ORB::OC_STORE::Instance().Buy(offer->InAppKey);
  // A price below 0 would pay the player for taking the item.
  if (!CanPay(*player, offer->price)) return false;
  const int32_t count = player->GetItemCount(name);
  if (count == std::numeric_limits<int32_t>::max()) return false;
  player->SetItemCount(name, count + 1);
  player->GetStatistics().score -= static_cast<uint32_t>(offer->price);
  if (name == cScreenHost::kRefillHealth) hub->RefillHearts();
  if (GG_GAMEPLAY* gameplay = hub->GetGameplay()) gameplay->OnStoreEvent("buy", name);
  hub->PlaySound(kBuySound);
  hub->SaveAll();
  if (ORB_GF::G_WINDOW_MANAGER* windows = ORB_GF::GetWindowManager()) windows->RefreshAll();
  return true;
}

void GG_WINDOW_SHOP::OnOpenBegin() {
  GG_WINDOW_PAGED::OnOpenBegin();
  Refresh();
}

void GG_WINDOW_SHOP::Refresh() {
  GG_WINDOW_PAGED::Refresh();
  const GG_PLAYER* player = CurrentPlayer(GetScreenHost());
  if (auto* coins = FindWidget<ORB::OC_GUI_WLABEL>(kCoinsId)) {
    coins->SetText(player != nullptr ? std::to_wstring(player->GetStatistics().score)
                                     : std::wstring());
  }
  if (auto* restore = GetGuiRoot().FindById(kRestoreId)) {
    const bool in_app = HasInAppConfig();
    restore->SetVisible(in_app);
    restore->SetEnabled(in_app);
  }
}

void GG_WINDOW_SHOP::OnClosed() {
  cScreenHost* hub = GetScreenHost();
  if (hub == nullptr) return;
  const ORB_GF::G_WINDOW_MANAGER* windows = ORB_GF::GetWindowManager();
  if (windows != nullptr && windows->IsOpen(kGameMenu)) return;
  // Only a level that runs goes on; with none there is nothing to resume.
  const GG_GAMEPLAY* gameplay = hub->GetGameplay();
  if (gameplay != nullptr && gameplay->IsActive()) hub->ResumeLevel();
}

void GG_WINDOW_SHOP::OnListEvent(int32_t widget_id) {
  if (widget_id == kCloseId) {
    Close(false);
    return;
  }
  if (widget_id == kRestoreId) {
    if (HasInAppConfig()) (void)ORB::OC_STORE::Instance().Refresh();
    return;
  }
  if (const auto pair = pairs_.find(widget_id); pair != pairs_.end()) Buy(pair->second);
}

}  // namespace game
