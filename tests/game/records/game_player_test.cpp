#include "game/records/game_player.h"

#include <gtest/gtest.h>

#include "engine/platform/clock.h"
#include "support/sample_player.h"

namespace {

using game::GG_PLAYER;
using test_support::SamplePlayer;

TEST(GamePlayerTest, TemplateXmlFillsEveryPart) {
  const auto player = SamplePlayer(false);
  EXPECT_EQ(player->GetName(), L"Al");
  EXPECT_EQ(player->GetItemCount("health"), 5);
  ASSERT_EQ(player->GetPacks().size(), 1u);
  const game::gPackState* pack = player->FindPack(1);
  ASSERT_NE(pack, nullptr);
  EXPECT_FALSE(pack->HasLock());  // not an edition that sells packs
  EXPECT_EQ(pack->GetLevelCount(), 2);
  EXPECT_TRUE(player->IsPackUnlocked(1));
  EXPECT_FALSE(player->IsPackUnlocked(2));
  ASSERT_NE(player->FindLevel(1, 11), nullptr);
  EXPECT_EQ(player->FindLevel(1, 11)->GetFile(), "b.xml");
  EXPECT_EQ(player->FindLevel(2, 11), nullptr);
  EXPECT_EQ(player->GetStatistics().max_score, 30u);
  EXPECT_EQ(player->GetStatistics().min_level_time, 9.5f);
  EXPECT_EQ(player->GetHealth().GetCount(), 5);
  EXPECT_EQ(player->GetHealth().GetRefillTime(), 600u);
  EXPECT_EQ(player->GetHealth().GetMaximum(), 5);
}

TEST(GamePlayerTest, InAppEditionsReadThePurchaseFields) {
  const auto player = SamplePlayer(true);
  const game::gPackState* pack = player->FindPack(1);
  ASSERT_NE(pack, nullptr);
  EXPECT_TRUE(pack->IsLocked());
  ASSERT_EQ(player->FindPacksByInAppKey("pack_1").size(), 1u);
  EXPECT_TRUE(player->FindPacksByInAppKey("pack_2").empty());
}

TEST(GamePlayerTest, APackWithoutIdFailsTheLoadButKeepsTheOthers) {
  pugi::xml_document document;
  ASSERT_TRUE(document.load_string(
      "<player><packs><pack id='1'><level id='1'/></pack><pack><level id='2'/></pack>"
      "<pack id='3'><level/></pack></packs></player>"));
  GG_PLAYER player;
  EXPECT_FALSE(player.Load(document.child("player")));
  ASSERT_EQ(player.GetPacks().size(), 1u);
  EXPECT_EQ(player.GetPacks()[0]->GetId(), 1);
}

TEST(GamePlayerTest, XmlRoundTrip) {
  const auto player = SamplePlayer(true);
  pugi::xml_document document;
  ASSERT_TRUE(player->Save(document.append_child("player")));
  GG_PLAYER read;
  read.SetInAppEdition(true);
  ASSERT_TRUE(read.Load(document.child("player")));
  EXPECT_EQ(read.GetName(), L"Al");
  EXPECT_EQ(read.GetStatistics(), player->GetStatistics());
  EXPECT_EQ(read.GetHealth().GetRefillTime(), 600u);
  ASSERT_NE(read.FindLevel(1, 10), nullptr);
  EXPECT_EQ(read.FindLevel(1, 10)->GetBestTime(), 12.5f);
  EXPECT_TRUE(read.FindPack(1)->IsLocked());
  EXPECT_EQ(read.FindPack(1)->GetInAppKey(), "pack_1");
}

TEST(GamePlayerTest, TotalStarsGoPast255) {
  GG_PLAYER player;
  pugi::xml_document document;
  pugi::xml_node packs = document.append_child("player").append_child("packs");
  for (int p = 0; p < 4; ++p) {
    pugi::xml_node pack = packs.append_child("pack");
    pack.append_attribute("id").set_value(p);
    for (int l = 0; l < 30; ++l) {
      pugi::xml_node level = pack.append_child("level");
      level.append_attribute("id").set_value(l);
      level.append_attribute("stars").set_value(3);
    }
  }
  ASSERT_TRUE(player.Load(document.child("player")));
  EXPECT_EQ(player.TotalStars(), 360u);
  EXPECT_EQ(player.CountThreeStarLevels(), 120);
}

TEST(GamePlayerTest, CopiesAreDeepAndOwnTheirHearts) {
  ORB::platform::ManualClock clock;
  ORB::platform::SetClock(&clock);
  clock.SetCalendarSeconds(1000);
  const auto original = SamplePlayer(false);
  GG_PLAYER copy(*original);
  copy.SetName(L"Bo");
  copy.FindLevel(1, 11)->SetStars(2);
  copy.SetItemCount("health", 7);
  EXPECT_EQ(original->FindLevel(1, 11)->GetStars(), 0);
  EXPECT_EQ(copy.FindLevel(1, 11)->GetStars(), 2);
  // The copy's maximum is the copy's "health", not the original's.
  EXPECT_EQ(copy.GetHealth().GetMaximum(), 7);
  EXPECT_EQ(original->GetHealth().GetMaximum(), 5);
  EXPECT_TRUE(copy.GetHealth().Spend());
  EXPECT_EQ(original->GetHealth().GetCount(), 5);
  ORB::platform::SetClock(nullptr);
}

TEST(StatisticsTest, ScoreAndItsMaximum) {
  game::gStatistics statistics;
  statistics.AddScore(40);
  statistics.score = 10;
  statistics.AddScore(5);
  EXPECT_EQ(statistics.score, 15u);
  EXPECT_EQ(statistics.max_score, 40u);
  EXPECT_EQ(statistics.GetScoreText(), L"15");
  statistics.score = 4000000000u;
  statistics.AddScore(4000000000u);
  EXPECT_EQ(statistics.score, UINT32_MAX);
  EXPECT_EQ(statistics.GetScoreText(), L"4294967295");
}

}  // namespace
