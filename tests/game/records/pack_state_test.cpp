#include "game/records/pack_state.h"

#include <gtest/gtest.h>

#include "game/records/pack_record.h"

namespace {

using game::gLevelRecord;
using game::gPackRecord;
using game::gPackState;

gPackState PackWithStars(std::initializer_list<int> stars) {
  gPackState pack(1);
  for (const int n : stars) pack.AddLevel()->SetStars(n);
  return pack;
}

TEST(PackStateTest, CompletionIsTheShareOfLevelsWon) {
  EXPECT_DOUBLE_EQ(PackWithStars({1, 3, 0, 2}).GetCompletion(), 0.75);
  EXPECT_EQ(gPackState(4).GetCompletion(), 0.0);  // no levels: 0, never NaN
}

TEST(PackStateTest, StarTotalsDoNotWrap) {
  gPackState pack(1);
  for (int i = 0; i < 100; ++i) pack.AddLevel()->SetStars(3);
  EXPECT_EQ(pack.SumStars(), 300u);
  EXPECT_EQ(pack.GetStarTotal(), 300u);
  EXPECT_EQ(pack.CountThreeStarLevels(), 100);
}

TEST(PackStateTest, LevelLookups) {
  gPackState pack = PackWithStars({0, 0, 0});
  EXPECT_EQ(pack.GetLevelAt(-1), nullptr);
  EXPECT_EQ(pack.GetLevelAt(3), nullptr);
  ASSERT_NE(pack.GetLevelAt(2), nullptr);
  EXPECT_EQ(pack.GetLevelAt(2)->GetIndex(), 2);
  EXPECT_TRUE(pack.IsLastLevel(pack.GetLevelAt(2)));
  EXPECT_FALSE(pack.IsLastLevel(pack.GetLevelAt(0)));
  EXPECT_FALSE(pack.IsLastLevel(nullptr));
  EXPECT_FALSE(pack.HasUnlockedLevel());
  pack.GetLevelAt(1)->SetLock(false);
  EXPECT_TRUE(pack.HasUnlockedLevel());
  EXPECT_EQ(pack.FindLevel(-1), pack.GetLevelAt(0));  // ids are -1 until read
  EXPECT_EQ(pack.FindLevel(5), nullptr);
}

TEST(PackStateTest, XmlReadsLevelsInOrderAndAnIdlessLevelFailsThePack) {
  pugi::xml_document document;
  ASSERT_TRUE(
      document.load_string("<good id='2' lock='true' InAppKey='pack_2'>"
                           "<level id='10' lock='false' file='a'/><level id='11' stars='3'/></good>"
                           "<bad id='3'><level id='1'/><level stars='2'/></bad>"
                           "<noid><level id='1'/></noid>"));
  gPackState pack;
  ASSERT_TRUE(pack.Load(document.child("good"), false));
  EXPECT_EQ(pack.GetId(), 2);
  ASSERT_EQ(pack.GetLevelCount(), 2);
  EXPECT_EQ(pack.GetLevelAt(0)->GetId(), 10);
  EXPECT_TRUE(pack.GetLevelAt(0)->IsUnlocked());
  EXPECT_EQ(pack.GetLevelAt(1)->GetIndex(), 1);
  EXPECT_EQ(pack.GetStarTotal(), 3u);
  // Not an edition that sells packs: the purchase fields are not read.
  EXPECT_FALSE(pack.HasLock());
  EXPECT_TRUE(pack.GetInAppKey().empty());

  gPackState bad;
  EXPECT_FALSE(bad.Load(document.child("bad"), false));
  EXPECT_FALSE(bad.Load(document.child("noid"), false));
}

TEST(PackStateTest, PurchaseFieldsOnlyInEditionsThatSellPacks) {
  pugi::xml_document document;
  ASSERT_TRUE(document.load_string("<p id='4' lock='true' InAppKey='pack_4'><level id='1'/></p>"));
  gPackState pack;
  ASSERT_TRUE(pack.Load(document.child("p"), true));
  EXPECT_TRUE(pack.HasLock());
  EXPECT_TRUE(pack.IsLocked());
  EXPECT_EQ(pack.GetInAppKey(), "pack_4");

  pugi::xml_document plain;
  pack.Save(plain.append_child("pack"), false);
  EXPECT_FALSE(plain.child("pack").attribute("lock"));
  EXPECT_FALSE(plain.child("pack").attribute("InAppKey"));
  pugi::xml_document in_app;
  pack.Save(in_app.append_child("pack"), true);
  EXPECT_TRUE(in_app.child("pack").attribute("lock").as_bool());
  EXPECT_STREQ(in_app.child("pack").attribute("InAppKey").as_string(), "pack_4");
  EXPECT_EQ(in_app.child("pack").child("level").attribute("id").as_int(), 1);

  pack.Unlock();
  EXPECT_FALSE(pack.IsLocked());
}

TEST(PackStateTest, FirstLevelOpensWithEnoughStarsAndNeverLocks) {
  pugi::xml_document document;
  ASSERT_TRUE(document.load_string("<pack id='2' key='k' stars2pass='10' price='0' path='p'/>"));
  gPackRecord description;
  ASSERT_TRUE(description.Load(document.child("pack")));
  gPackState pack = PackWithStars({0, 0});
  pack.UpdateFirstLevelLock(9, &description);
  EXPECT_FALSE(pack.GetLevelAt(0)->IsUnlocked());
  pack.UpdateFirstLevelLock(10, &description);
  EXPECT_TRUE(pack.GetLevelAt(0)->IsUnlocked());
  pack.UpdateFirstLevelLock(0, &description);  // opened (bought): it stays open
  EXPECT_TRUE(pack.GetLevelAt(0)->IsUnlocked());
  pack.GetLevelAt(0)->SetLock(true);
  pack.UpdateFirstLevelLock(10, nullptr);  // no description: unchanged
  EXPECT_FALSE(pack.GetLevelAt(0)->IsUnlocked());
}

TEST(PackStateTest, CopiesAreDeep) {
  gPackState pack = PackWithStars({1});
  gPackState copy(pack);
  copy.GetLevelAt(0)->SetStars(3);
  EXPECT_EQ(pack.GetLevelAt(0)->GetStars(), 1);
  EXPECT_NE(copy.GetLevelAt(0), pack.GetLevelAt(0));
}

}  // namespace
