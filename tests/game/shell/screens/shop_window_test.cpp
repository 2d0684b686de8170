// The shop on the shipped resources: its offers for a real player, bought
// with coins (enough, exactly enough, too few, a used-up ladder, an endless
// offer, one that would give nothing now), never with coins where an in-app
// file is configured, every offer bought from every screen that opens the
// shop, the controls its "pair"s map, what each card shows, and what its
// closing resumes.
#include "game/shell/screens/shop_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "engine/gui/gui_button5.h"
#include "engine/gui/gui_image.h"
#include "engine/gui/gui_wide_label.h"
#include "game/shell/shipped_hub_fixture.h"
#include "support/log_capture.h"
#include "support/window_kit.h"

namespace game {
namespace {

// A gameplay screen that notes what the shop tells it.
class ShopGameplay : public GG_GAMEPLAY {
 public:
  using GG_GAMEPLAY::GG_GAMEPLAY;
  void OnStoreEvent(const std::string& event, const std::string& product) override {
    journal.push_back(event + " " + product);
    GG_GAMEPLAY::OnStoreEvent(event, product);
  }
  void Resume() override {
    journal.push_back("resume");
    GG_GAMEPLAY::Resume();
  }
  std::vector<std::string> journal;
};

// The shop with its protected hooks in reach.
class OpenShop : public GG_WINDOW_SHOP {
 public:
  using GG_WINDOW_SHOP::GG_WINDOW_SHOP;
  using GG_WINDOW_SHOP::OnGuiEvent;
};

class ShopTest : public ShippedHubTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ShippedHubTest::SetUp());
    ASSERT_TRUE(Start());
    player_ = &AddPlayer(L"Anna");
    refreshes_ = static_cast<test_support::StubWindow*>(
        Windows().AddWindow(test_support::MakeWindow<test_support::StubWindow>(
            "<window _name=\"Refreshes\"><GUI/></window>", &journal_)));
    std::filesystem::remove_all(SaveFolder());
  }

  GG_WINDOW_SHOP& Shop() { return *dynamic_cast<GG_WINDOW_SHOP*>(Windows().FindWindow("Shop")); }
  uint32_t& Coins() { return player_->GetStatistics().score; }
  int Refreshes() const {
    return static_cast<int>(std::count(journal_.begin(), journal_.end(), "Refreshes:Refresh"));
  }
  // The card of the offer of that name.
  gPages_Shop_Item& Card(const std::string& name) {
    ORB_GF::gPages& grid = Shop().Grid();
    for (size_t i = 0; i < grid.ItemCount(); ++i) {
      auto* card = static_cast<gPages_Shop_Item*>(grid.Item(i));
      if (card->GetName() == name) return *card;
    }
    ADD_FAILURE() << "no card " << name;
    return *static_cast<gPages_Shop_Item*>(grid.Item(0));
  }
  static std::wstring Text(const gPages_Shop_Item& card, int32_t id) {
    const auto* label = card.FindWidget<ORB::OC_GUI_WLABEL>(id);
    return label != nullptr ? label->GetText() : L"(none)";
  }
  static bool BuyEnabled(const gPages_Shop_Item& card) {
    const auto* buy = card.FindWidget<ORB::OC_GUI_BUTTON5>(gPages_Shop_Item::kBuyId);
    return buy != nullptr && buy->GetState() != ORB::OC_GUI_BUTTON5::kDisabled;
  }

  GG_PLAYER* player_ = nullptr;
  std::vector<std::string> journal_;
  test_support::StubWindow* refreshes_ = nullptr;
};

TEST_F(ShopTest, OffersAreBoughtWithCoinsByTheLaddersOfTheShippedStore) {
  ShopGameplay& gameplay = AttachGameplay<ShopGameplay>();
  // The shipped template player holds 2 start hints and 5 errors; the
  // ladders start at 3 (150 coins) and 6 (150 coins).
  const struct {
    const char* name;
    uint32_t coins;
    int32_t count;  // the player's count before
    bool bought;
    uint32_t coins_after;
    int32_t count_after;
  } cases[] = {
      {"start_hint", 150, 2, true, 0, 3},       // exactly enough
      {"start_hint", 1000, 3, true, 700, 4},    // the next rung costs 300
      {"start_hint", 599, 4, false, 599, 4},    // 600 is one too many
      {"start_hint", 5000, 5, false, 5000, 5},  // the ladder is used up at 5
      {"errors", 149, 5, false, 149, 5},        // too few
      {"errors", 151, 5, true, 1, 6},          {"refill_health", 100, 0, true, 0, 1},  // endless
      {"refill_health", 100, 1, true, 0, 2},   {"no_such_offer", 5000, 0, false, 5000, 0},
      {"refill_hint", 40, 0, false, 40, 0},  // no level in play: it would give nothing
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " with " + std::to_string(c.coins) + " coins");
    Coins() = c.coins;
    player_->SetItemCount(c.name, c.count);
    std::filesystem::remove_all(SaveFolder());
    journal_.clear();
    gameplay.journal.clear();
    player_->GetHealth().Spend();  // a heart to refill

    EXPECT_EQ(Shop().Buy(c.name), c.bought);
    EXPECT_EQ(Coins(), c.coins_after);
    EXPECT_EQ(player_->GetItemCount(c.name), c.count_after);
    EXPECT_EQ(gameplay.journal, c.bought ? std::vector<std::string>{std::string("buy ") + c.name}
                                         : std::vector<std::string>());
    EXPECT_EQ(Saved(), c.bought);
    EXPECT_EQ(Refreshes(), c.bought ? 1 : 0);
  }
}

TEST_F(ShopTest, WithAnInAppFileTheStoreIsAskedAndNoCoinsAreSpent) {
  rig_.Close();
  std::filesystem::remove_all(SaveFolder());
  EditResource("data/share/main/other/editions.xml", [](pugi::xml_document& editions) {
    editions.document_element().child("edition").child("inapp").attribute("file").set_value(
        "data/share/main/other inapp.xml");
  });
  WriteResource("data/share/main/other/inapp.xml",
                "<products><product name=\"start_hint\" product_id=\"com.vorlane.hint\" "
                "type=\"consumable\"/></products>");
  ASSERT_TRUE(Start());
  player_ = &AddPlayer(L"Anna");
  Coins() = 1000;
  std::filesystem::remove_all(SaveFolder());

  // No store provider exists: the store answers no and nothing is given.
  EXPECT_FALSE(Shop().Buy("start_hint"));
  EXPECT_EQ(Coins(), 1000u);
  EXPECT_EQ(player_->GetItemCount("start_hint"), 2);
  EXPECT_FALSE(Saved());

  // The card shows no coin price (the store gave no price) and the restore
  // button shows.
  Show<GG_WINDOW_SHOP>("Shop");
  const gPages_Shop_Item& card = Card("start_hint");
  EXPECT_EQ(Text(card, gPages_Shop_Item::kPriceId), L"");
  EXPECT_FALSE(card.GetGuiRoot().FindById(gPages_Shop_Item::kCoinId)->IsVisible());
  EXPECT_TRUE(BuyEnabled(card));
  EXPECT_TRUE(Shop().GetGuiRoot().FindById(GG_WINDOW_SHOP::kRestoreId)->IsVisible());
}

TEST_F(ShopTest, EachCardShowsTheOfferThatAppliesNow) {
  Coins() = 200;
  Show<GG_WINDOW_SHOP>("Shop");
  const auto* coins = Shop().GetGuiRoot().FindById(GG_WINDOW_SHOP::kCoinsId);
  EXPECT_EQ(dynamic_cast<const ORB::OC_GUI_WLABEL*>(coins)->GetText(), L"200");
  EXPECT_FALSE(Shop().GetGuiRoot().FindById(GG_WINDOW_SHOP::kRestoreId)->IsVisible());
  // One card per offer name, one page: no page to turn to.
  EXPECT_EQ(Shop().Grid().ItemCount(), 4u);
  EXPECT_FALSE(Shop().GetGuiRoot().FindById(GG_WINDOW_SHOP::kNextId)->IsVisible());
  EXPECT_FALSE(Shop().GetGuiRoot().FindById(GG_WINDOW_SHOP::kPreviousId)->IsVisible());

  gPages_Shop_Item& hint = Card("start_hint");
  EXPECT_EQ(Text(hint, gPages_Shop_Item::kTitleId), L"Extra Hint");
  EXPECT_EQ(Text(hint, gPages_Shop_Item::kDescriptionId), L"Start every level with one more hint.");
  EXPECT_EQ(Text(hint, gPages_Shop_Item::kPriceId), L"150");
  EXPECT_TRUE(hint.GetGuiRoot().FindById(gPages_Shop_Item::kCoinId)->IsVisible());
  EXPECT_EQ(hint.FindWidget<ORB::OC_GUI_IMAGE>(gPages_Shop_Item::kPictureId)->GetTextureName(),
            "data/share/image/shop hint.png");
  EXPECT_TRUE(BuyEnabled(hint));

  // Bought twice (150, then 300 would be needed): the price moves up the
  // ladder and the button goes grey for want of coins.
  ASSERT_TRUE(Shop().Buy("start_hint"));
  EXPECT_EQ(Text(hint, gPages_Shop_Item::kPriceId), L"300");
  EXPECT_FALSE(BuyEnabled(hint));
  EXPECT_FALSE(BuyEnabled(Card("errors")));
  // No level in play, full hearts: the refills say why they are not sold.
  EXPECT_FALSE(BuyEnabled(Card("refill_hint")));
  EXPECT_EQ(Text(Card("refill_hint"), gPages_Shop_Item::kDescriptionId),
            L"Only during a level: it refills its hints.");
  EXPECT_FALSE(BuyEnabled(Card("refill_health")));
  EXPECT_EQ(Text(Card("refill_health"), gPages_Shop_Item::kDescriptionId),
            L"Your hearts are full.");
  EXPECT_EQ(dynamic_cast<const ORB::OC_GUI_WLABEL*>(coins)->GetText(), L"50");

  // A used-up ladder keeps its texts and says so.
  player_->SetItemCount("start_hint", 5);
  Windows().RefreshAll();
  EXPECT_EQ(hint.GetOffer(), nullptr);
  EXPECT_EQ(Text(hint, gPages_Shop_Item::kTitleId), L"Extra Hint");
  EXPECT_EQ(Text(hint, gPages_Shop_Item::kPriceId), L"Sold out");
  EXPECT_FALSE(hint.GetGuiRoot().FindById(gPages_Shop_Item::kCoinId)->IsVisible());
  EXPECT_FALSE(BuyEnabled(hint));
}

TEST_F(ShopTest, APlayerBuysWithTheCardsButtonAndOnlyWithIt) {
  Coins() = 100;
  player_->GetHealth().Spend();
  Show<GG_WINDOW_SHOP>("Shop");
  gPages_Shop_Item& refill = Card("refill_health");
  const ORB::Point buy = CentreOf(*refill.GetGuiRoot().FindById(gPages_Shop_Item::kBuyId));
  const ORB::Point title = CentreOf(*refill.GetGuiRoot().FindById(gPages_Shop_Item::kTitleId));
  ClickAt(title);
  EXPECT_EQ(Coins(), 100u) << "a click on the card is no purchase";
  ClickAt(buy);
  EXPECT_EQ(Coins(), 0u);
  EXPECT_EQ(player_->GetHealth().GetCount(), player_->GetHealth().GetMaximum());
  EXPECT_TRUE(IsOpen("Shop"));
  // The close button.
  const ORB::Point close = CentreOf(*Shop().GetGuiRoot().FindById(GG_WINDOW_SHOP::kCloseId));
  ClickAt(close);
  Frames(5);
  EXPECT_FALSE(IsOpen("Shop"));
}

TEST_F(ShopTest, EveryOfferBoughtFromEveryScreenGivesWhatItCost) {
  ShopGameplay& gameplay = AttachGameplay<ShopGameplay>();
  GG_PLAYER& anna = *player_;
  const struct {
    std::function<void()> open;  // the screen
    const char* window;          // its shop button's window and id
    int32_t id;
  } screens[] = {
      {[&] { Hub().OpenPackList(); }, "Packs_Menu", 6},
      {[&] { Hub().OpenLevels(1, true); }, "Packs_Menu", 6},
      {[&] {
         ASSERT_TRUE(Hub().StartLevel(1, 1));
         Hub().PauseLevel();
         Windows().OpenWindow("GP_Menu", true);
       },
       "GP_Menu", 5},
  };
  for (const auto& screen : screens) {
    SCOPED_TRACE(screen.window);
    screen.open();
    Frames(3);
    ClickOn(*Windows().FindWindow(screen.window)->GetGuiRoot().FindById(screen.id));
    Frames(5);
    ASSERT_TRUE(IsOpen("Shop"));
    const bool level = gameplay.IsActive();
    for (size_t i = 0; i < Shop().Grid().ItemCount(); ++i) {
      auto& card = *static_cast<gPages_Shop_Item*>(Shop().Grid().Item(i));
      const std::string name = card.GetName();
      SCOPED_TRACE(name);
      Coins() = 1000;
      anna.GetHealth().Spend();
      Windows().RefreshAll();
      const int32_t count = anna.GetItemCount(name), hints = gameplay.HintsHeld();
      const bool usable = name != "refill_hint" || level;
      const uint32_t price = card.GetOffer() != nullptr ? card.GetOffer()->price : 0;
      ClickOn(*card.GetGuiRoot().FindById(gPages_Shop_Item::kBuyId));
      EXPECT_EQ(Coins(), usable ? 1000u - price : 1000u);
      if (name == "refill_hint") {
        EXPECT_EQ(gameplay.HintsHeld(), hints + (level ? anna.GetItemCount("start_hint") : 0));
      } else if (name == "refill_health") {
        EXPECT_EQ(anna.GetHealth().GetCount(), anna.GetHealth().GetMaximum());
      } else {
        EXPECT_EQ(anna.GetItemCount(name), count + 1);
        if (level && name == "errors") {
          EXPECT_EQ(gameplay.AllowedErrors(), count + 1);
        }
      }
    }
    Windows().CloseAll();
    Hub().StopLevel();
    Frames(5);
  }
}

TEST_F(ShopTest, PairsMapControlsToOffersAndAnUnknownOfferDoesNothing) {
  auto* shop = static_cast<OpenShop*>(Windows().AddWindow(test_support::MakeWindow<OpenShop>(
      "<window _name=\"Paired\"><GUI/><settings>"
      "<pair id=\"12\" item=\"errors\"/><pair id=\"13\" item=\"no_such_offer\"/>"
      "<pair id=\"12\" item=\"start_hint\"/><pair item=\"errors\"/>"
      "</settings></window>",
      &Hub())));
  EXPECT_EQ(shop->Pairs().size(), 2u);
  EXPECT_EQ(shop->Pairs().at(12), "start_hint") << "a later pair of the same id wins";
  Coins() = 1000;
  shop->OnGuiEvent(13);
  EXPECT_EQ(Coins(), 1000u);
  shop->OnGuiEvent(12);
  EXPECT_EQ(Coins(), 850u);
  EXPECT_EQ(player_->GetItemCount("start_hint"), 3);
  EXPECT_EQ(player_->GetItemCount("errors"), 5);
}

TEST_F(ShopTest, ClosingResumesOnlyALevelThatRunsAndOnlyWithoutTheInGameMenu) {
  ShopGameplay& gameplay = AttachGameplay<ShopGameplay>();
  // No level: the shop closes and nothing is asked of the gameplay screen.
  Show<GG_WINDOW_SHOP>("Shop");
  Windows().CloseWindow("Shop", true);
  Frames(2);
  ASSERT_FALSE(IsOpen("Shop"));
  EXPECT_EQ(gameplay.journal, std::vector<std::string>());

  // A level runs, paused under the shop: closing it resumes the level.
  ASSERT_TRUE(Hub().StartLevel(1, 1));
  Hub().PauseLevel();
  Show<GG_WINDOW_SHOP>("Shop");
  Windows().CloseWindow("Shop", true);
  Frames(2);
  EXPECT_EQ(gameplay.journal, std::vector<std::string>{"resume"});

  // Under the in-game menu the menu resumes it, not the shop.
  gameplay.journal.clear();
  Windows().AddWindow(test_support::MakeWindow<test_support::StubWindow>(
      "<window _name=\"GP_Menu\" _typeOpen=\"SH_MOMENTAL\"><GUI/></window>", &journal_));
  Windows().OpenWindow("GP_Menu", true);
  Show<GG_WINDOW_SHOP>("Shop");
  Windows().CloseWindow("Shop", true);
  Frames(2);
  EXPECT_EQ(gameplay.journal, std::vector<std::string>());
}

TEST_F(ShopTest, AShopWithoutItsGridFileListsNothingAndSaysSo) {
  test_support::LogCapture log;
  const auto shop = test_support::MakeWindow<OpenShop>(
      "<window _name=\"Bare\"><GUI/><gPages file=\"data/share/main/other "
      "no_pages.xml\"/></window>");
  EXPECT_EQ(shop->Grid().ItemCount(), 0u);
  EXPECT_TRUE(log.Has("no_pages.xml")) << ::testing::PrintToString(log.Lines());
  shop->OnGuiEvent(GG_WINDOW_SHOP::kNextId);
  EXPECT_EQ(shop->Grid().GetCurrentPage(), 0);
}

}  // namespace
}  // namespace game
