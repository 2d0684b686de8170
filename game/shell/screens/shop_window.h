#pragma once
// The shop, "Shop" (GG_WINDOW_SHOP): a paged grid (gPagesShop) of the shop's
// offers (gPages_Shop_Item), bought with coins (the player's score) or, in
// editions with an in-app file, through the store. The pack menu, the level
// list (no hearts left), the in-game menu and the gameplay screen (after the
// loss that spent the last heart, over the level list) open it; when it
// closes while the in-game menu is not open and a level is running, the
// level goes on.
//
// Its description (the paging as GG_WINDOW_PAGED, paged_window.h, with
// widgets 2 and 3; markers from "page_number" when present):
//
//   <window _name="Shop" _type="GG_WINDOW_SHOP" _modal="1" ...>
//     <GUI>
//       BUTTON5 1   closes the shop
//       BUTTON5 2   the page before; 3 the next
//       BUTTON5 7   restore purchases: asks the store to refresh (in-app
//                   editions; hidden in the others)
//       WLABEL 8    the player's coins
//       ...any control whose id a "pair" names buys that offer
//     </GUI>
//     <gPages file="data/share/main/other shop_pages.xml" pos_x="0" pos_y="10"/>
//     <settings>
//       <pair id="12" item="refill_hint"/>   a later pair with the same id wins
//     </settings>
//   </window>
//
// The grid file: one item per offer, named by the shop catalogue's name of
// its ladder (framework/shop_catalogue.h), with its own widget tree
// (gui_page_item.h):
//
//   <pages cols="2" rows="2" interval_x="24" interval_y="20">
//     <item name="start_hint" size="420 150"><GUI> ... </GUI></item>
//   </pages>
//
// An item shows, by widget id, the offer of its name that applies to the
// current player now (the hub's FindShopItem: the first of the ladder that
// is endless or gives more than the player has):
//   2  WLABEL  the title: the text of the item's name as a string key
//   3  WLABEL  the description: the text of the offer's "annotation" key,
//              or why the offer would give nothing now: "refill_hint" only
//              during a level ("shop_level_only"), "refill_health" not
//              while the hearts are full ("shop_hearts_full")
//   4  WLABEL  the price: in in-app editions the store product's price
//              ("%.2f", only when the store gave one); otherwise the coins
//              as a whole number, only when above 0; "shop_sold_out" once
//              the ladder is used up
//   5  IMAGE   the offer's picture, when it names one
//   6  BUTTON5 buy: enabled while there is an offer the player can take
//              and use now (in-app editions: any such offer; otherwise one
//              whose price is not above the player's coins)
//   7  IMAGE   the coin shown by a coin price (hidden otherwise)
// Once the ladder is used up the title and description come from its first
// offer. A click on the buy button buys the offer.
//
// Buying (Buy): with a current player and an offer of that name that the
// player can use now (as the buy button): in in-app editions the store is asked to buy the offer's
// InAppKey, and what it delivers arrives through the hub's purchase operations (no store provider
// exists on this platform: the store answers false, nothing is spent or
// given). Otherwise, when the price is not above the player's coins, the
// player has one more of the item and that many coins less (a heart refill
// fills the hearts: cScreenHost::RefillHearts), the gameplay hears ("buy",
// name), the sound "buy" plays, everything is saved and every
// window refreshes; with too few coins nothing happens.
#include <cstdint>
#include <map>
#include <string>

#include <pugixml.hpp>

#include "framework/pages.h"
#include "framework/shop_catalogue.h"
#include "game/shell/screens/gui_page_item.h"
#include "game/shell/screens/paged_window.h"
#include "game/shell/screens/screen_host.h"

namespace game {

class GG_WINDOW_SHOP;

class gPages_Shop_Item : public gGuiPageItem {
 public:
  static constexpr int32_t kTitleId = 2;
  static constexpr int32_t kDescriptionId = 3;
  static constexpr int32_t kPriceId = 4;
  static constexpr int32_t kPictureId = 5;
  static constexpr int32_t kBuyId = 6;
  static constexpr int32_t kCoinId = 7;
  // The price label once the ladder is used up.
  static constexpr const char* kSoldOutKey = "shop_sold_out";
  // The description of an offer that would give nothing now.
  static constexpr const char* kLevelOnlyKey = "shop_level_only";
  static constexpr const char* kHeartsFullKey = "shop_hearts_full";

  // The item asks the shop's host.
  gPages_Shop_Item(const pugi::xml_node& node, uint32_t item_id, const gHostedScreen& shop);

  // Shows the offer that applies to the current player now.
  int32_t Refresh() override;
  // Only the buy button buys.
  bool TakesClick(int32_t widget_id) const override { return widget_id == kBuyId; }

  const std::string& GetName() const { return name_; }
  // The offer shown; null when none applies (no player, or used up).
  const ORB_GF::ShopCatalogueItem* GetOffer() const { return offer_; }

 private:
  const gHostedScreen& shop_;
  std::string name_;
  const ORB_GF::ShopCatalogueItem* offer_ = nullptr;
};

class gPagesShop : public ORB_GF::gPages {
 public:
  explicit gPagesShop(GG_WINDOW_SHOP* shop) : shop_(shop) {}
  ORB_GF::G_PAGES_ITEM* CreateItem(const pugi::xml_node& node, int32_t index) override;
  // Buys the item's offer.
  void OnItemClicked(ORB_GF::G_PAGES_ITEM* item) override;

 private:
  GG_WINDOW_SHOP* shop_;
};

class GG_WINDOW_SHOP : public gHostedScreen, public GG_WINDOW_PAGED {
 public:
  static constexpr int32_t kCloseId = 1;
  static constexpr int32_t kPreviousId = 2;
  static constexpr int32_t kNextId = 3;
  static constexpr int32_t kRestoreId = 7;
  static constexpr int32_t kCoinsId = 8;
  static constexpr const char* kMarkers = "page_number";
  static constexpr const char* kBuySound = "buy";
  static constexpr const char* kGameMenu = "GP_Menu";

  explicit GG_WINDOW_SHOP(const pugi::xml_node& node, cScreenHost* host = nullptr);

  // Buys the offer of that name that applies now (see the top of this
  // file). Answers whether coins were spent or the store was asked.
  bool Buy(const std::string& name);

  // The item name each control id buys.
  const std::map<int32_t, std::string>& Pairs() const { return pairs_; }

 protected:
  void OnOpenBegin() override;
  void OnClosed() override;
  void Refresh() override;
  void OnListEvent(int32_t widget_id) override;

 private:
  std::map<int32_t, std::string> pairs_;
};

}  // namespace game
