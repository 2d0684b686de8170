// The hub as the store's purchase listener, reached by calling its
// operations as a store provider would (none exists here): the overlay that
// holds the game while a purchase is pending, what each delivered product
// gives the current player, and the shop's offers for the player.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/foundation/store.h"
#include "framework/trophy_list.h"
#include "game/shell/hub_fixture.h"
#include "game/shell/startup/game_singletons.h"

namespace game {
namespace {

ORB::StoreProduct Product(const std::string& name) {
  ORB::StoreProduct product;
  product.name = name;
  product.product_id = "com.fixture." + name;
  return product;
}

class HubPurchasesTest : public HubTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(HubTest::SetUp());
    // An edition that sells through a store, with packs behind a purchase.
    EditResource("data/share/main/other/editions.xml", [](pugi::xml_document& editions) {
      editions.document_element().child("edition").child("inapp").attribute("file").set_value(
          "data/share/main/other inapp.xml");
    });
    EditResource("data/share/main/other/player.xml", [](pugi::xml_document& player) {
      pugi::xml_node pack =
          player.document_element().child("packs").find_child_by_attribute("pack", "id", "2");
      pack.append_attribute("lock").set_value("true");
      pack.append_attribute("InAppKey").set_value("pack_harbour");
    });
    WriteResource("data/share/main/other/inapp.xml",
                  "<products><product name=\"pack_harbour\" product_id=\"com.fixture.harbour\" "
                  "type=\"non-consumable\"/></products>");
    ASSERT_TRUE(Start());
    player_ = Hub().GetCurrentPlayer();
    ASSERT_NE(player_, nullptr);
    trophy_get_ = AddStandIn<StandInTrophyGet>("Trophy_Get");
    refreshes_ = AddStandIn<test_support::StubWindow>("Refreshes");
    std::filesystem::remove_all(SaveFolder());
  }

  // What the refresh pass reached.
  int Refreshes() const {
    return static_cast<int>(std::count(journal_.begin(), journal_.end(), "Refreshes:Refresh"));
  }
  bool Saved() const { return std::filesystem::exists(SaveFolder() + "players.save"); }

  GG_PLAYER* player_ = nullptr;
  StandInTrophyGet* trophy_get_ = nullptr;
  test_support::StubWindow* refreshes_ = nullptr;
};

TEST_F(HubPurchasesTest, APendingPurchaseHoldsTheGameBehindItsOverlay) {
  Windows().OpenWindow("Refreshes", true);
  Frames(2);
  journal_.clear();
  Hub().OnPurchaseStarted();
  EXPECT_TRUE(Hub().IsPurchasePending());
  EXPECT_TRUE(Hub().OverlayAnimation().IsPlaying());
  Hub().AwardTrophy(std::string("tr_stars_1"));
  Frames(3);
  EXPECT_EQ(std::count(journal_.begin(), journal_.end(), "Refreshes:OnUpdate"), 0)
      << "the windows stand still";
  EXPECT_TRUE(trophy_get_->shown.empty()) << "and no trophy shows";

  Hub().OnPurchaseFinished(nullptr, false);
  EXPECT_FALSE(Hub().IsPurchasePending());
  EXPECT_FALSE(Hub().OverlayAnimation().IsPlaying());
  Frames(1);
  EXPECT_EQ(trophy_get_->shown.size(), 1u);
  EXPECT_GT(std::count(journal_.begin(), journal_.end(), "Refreshes:OnUpdate"), 0);
}

TEST_F(HubPurchasesTest, APackBoughtOpensWithAllItsLevels) {
  gPackState* harbour = player_->FindPack(2);
  ASSERT_NE(harbour, nullptr);
  ASSERT_TRUE(harbour->IsLocked());
  const ORB::StoreProduct product = Product("pack_harbour");
  Hub().OnPurchaseDelivered(&product);
  EXPECT_FALSE(harbour->IsLocked());
  for (int32_t i = 0; i < harbour->GetLevelCount(); ++i) {
    EXPECT_TRUE(harbour->GetLevelAt(i)->IsUnlocked()) << i;
  }
  EXPECT_TRUE(player_->FindPack(1)->GetLevelAt(1)->IsLocked()) << "other packs stay as they were";
  EXPECT_EQ(Refreshes(), 1);
  EXPECT_TRUE(Saved());
}

TEST_F(HubPurchasesTest, HeartsBoughtRaiseTheMaximumAndFillUp) {
  gHearts& hearts = player_->GetHealth();
  ASSERT_TRUE(hearts.Spend());
  ASSERT_EQ(hearts.GetCount(), 2);
  ASSERT_EQ(hearts.GetQueue().size(), 1u);
  const ORB::StoreProduct five = Product("health_5");
  Hub().OnPurchaseDelivered(&five);
  EXPECT_EQ(player_->GetItemCount("health"), 5);
  EXPECT_EQ(hearts.GetCount(), 5);
  EXPECT_TRUE(hearts.GetQueue().empty());
  EXPECT_TRUE(Hub().TrophyQueue().empty()) << "5 hearts earn no trophy";

  // The next offer of the ladder: 7, which earns "m_tr_lifes".
  const ORB::StoreProduct seven = Product("health_7");
  Hub().OnPurchaseDelivered(&seven);
  EXPECT_EQ(player_->GetItemCount("health"), 7);
  EXPECT_EQ(hearts.GetCount(), 7);
  ASSERT_EQ(Hub().TrophyQueue().size(), 1u);
  EXPECT_EQ(Hub().TrophyQueue()[0]->GetName(), "m_tr_lifes");

  // Past the last offer the product gives nothing more.
  Hub().OnPurchaseDelivered(&seven);
  EXPECT_EQ(player_->GetItemCount("health"), 7);
  EXPECT_EQ(Refreshes(), 3);
}

TEST_F(HubPurchasesTest, ErrorsRefillsAndSecondChances) {
  const ORB::StoreProduct errors = Product("errors_5");
  Hub().OnPurchaseDelivered(&errors);
  EXPECT_EQ(player_->GetItemCount("errors"), 5);

  gHearts& hearts = player_->GetHealth();
  ASSERT_TRUE(hearts.Spend());
  ASSERT_TRUE(hearts.Spend());
  const ORB::StoreProduct refill = Product("refill_health");
  Hub().OnPurchaseDelivered(&refill);
  EXPECT_EQ(hearts.GetCount(), 3);
  EXPECT_TRUE(hearts.GetQueue().empty());

  // A second chance delivered in a lost level: play goes on, the heart the
  // loss took comes back.
  GG_GAMEPLAY gameplay(&Hub());
  Hub().SetGameplay(&gameplay);
  ASSERT_TRUE(Hub().StartLevel(1, 1));
  gameplay.EndLevel(false);
  ASSERT_TRUE(gameplay.IsEnded());
  ASSERT_EQ(hearts.GetCount(), 2);
  const ORB::StoreProduct chance = Product("second_chance");
  Hub().OnPurchaseDelivered(&chance);
  EXPECT_FALSE(gameplay.IsEnded());
  EXPECT_EQ(hearts.GetCount(), 3);
  Hub().StopLevel();
  Hub().ReleaseLevel();
  Hub().SetGameplay(nullptr);
}

TEST_F(HubPurchasesTest, NothingIsDeliveredWithoutAPlayerOrAProduct) {
  const ORB::StoreProduct errors = Product("errors_5");
  Hub().OnPurchaseDelivered(nullptr);
  Hub().SetCurrentPlayer(nullptr);
  journal_.clear();
  Hub().OnPurchaseDelivered(&errors);
  EXPECT_EQ(player_->GetItemCount("errors"), 3);
  EXPECT_EQ(Refreshes(), 0);
  EXPECT_FALSE(Saved());
}

TEST_F(HubPurchasesTest, WithoutAStoreProviderNothingIsBoughtOrSpent) {
  const gStatistics before = player_->GetStatistics();
  EXPECT_FALSE(ORB::OC_STORE::Instance().HasProvider());
  EXPECT_FALSE(Hub().CanBuy("pack_harbour"));
  EXPECT_FALSE(Hub().Buy("pack_harbour"));
  Hub().OnRefreshRequest();
  Frames(2);
  EXPECT_FALSE(Hub().IsPurchasePending());
  EXPECT_TRUE(player_->FindPack(2)->IsLocked());
  EXPECT_EQ(player_->GetStatistics(), before);
}

TEST_F(HubPurchasesTest, TheShopOffersTheFirstItemThatGivesThePlayerMore) {
  const ORB_GF::ShopCatalogueItem* health = Hub().FindShopItem("health");
  ASSERT_NE(health, nullptr);
  EXPECT_EQ(health->value, 5) << "the player has 3";
  player_->SetItemCount("health", 5);
  ASSERT_NE(Hub().FindShopItem("health"), nullptr);
  EXPECT_EQ(Hub().FindShopItem("health")->value, 7);
  player_->SetItemCount("health", 7);
  EXPECT_EQ(Hub().FindShopItem("health"), nullptr);
  ASSERT_NE(Hub().FindShopItem("refill_hint"), nullptr) << "endless";
  EXPECT_EQ(Hub().FindShopItem("no_such_item"), nullptr);
  Hub().SetCurrentPlayer(nullptr);
  EXPECT_EQ(Hub().FindShopItem("refill_hint"), nullptr);
}

}  // namespace
}  // namespace game
