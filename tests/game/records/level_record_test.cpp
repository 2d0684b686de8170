#include "game/records/level_record.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using game::gLevelRecord;

TEST(LevelRecordTest, NewRecordIsLockedWithNothingWon) {
  const gLevelRecord record;
  EXPECT_FALSE(record.IsUnlocked());
  EXPECT_EQ(record.GetId(), -1);
  EXPECT_EQ(record.GetStars(), 0);
  EXPECT_EQ(record.GetBestTime(), 0.0f);
  EXPECT_TRUE(record.GetFile().empty());
}

TEST(LevelRecordTest, StarsKeepTheBestResult) {
  gLevelRecord record;
  record.SetStars(3);
  record.SetStars(1);
  EXPECT_EQ(record.GetStars(), 3);
  gLevelRecord other;
  other.SetStars(2);
  EXPECT_EQ(other.GetStars(), 2);
  other.SetStars(99);  // no level gives more than three
  EXPECT_EQ(other.GetStars(), 3);
  other.SetStars(-4);
  EXPECT_EQ(other.GetStars(), 3);
}

TEST(LevelRecordTest, BestTimeKeepsTheShortestAndZeroMeansNone) {
  gLevelRecord record;
  record.SetBestTime(50.0f);
  EXPECT_EQ(record.GetBestTime(), 50.0f);
  record.SetBestTime(40.0f);
  record.SetBestTime(50.0f);
  EXPECT_EQ(record.GetBestTime(), 40.0f);
  record.SetBestTime(0.0f);
  record.SetBestTime(-3.0f);
  record.SetBestTime(std::nanf(""));
  EXPECT_EQ(record.GetBestTime(), 40.0f);
}

TEST(LevelRecordTest, XmlNeedsAnIdAndReadsTheRest) {
  pugi::xml_document document;
  ASSERT_TRUE(document.load_string(
      "<l id='7' stars='2' lock='false' best_time='12.5' file='a.xml'/><m stars='3'/>"));
  gLevelRecord record;
  ASSERT_TRUE(record.Load(document.child("l")));
  EXPECT_EQ(record.GetId(), 7);
  EXPECT_EQ(record.GetStars(), 2);
  EXPECT_TRUE(record.IsUnlocked());
  EXPECT_EQ(record.GetBestTime(), 12.5f);
  EXPECT_EQ(record.GetFile(), "a.xml");
  gLevelRecord without_id;
  EXPECT_FALSE(without_id.Load(document.child("m")));

  pugi::xml_document saved;
  record.Save(saved.append_child("level"));
  gLevelRecord again;
  ASSERT_TRUE(again.Load(saved.child("level")));
  EXPECT_EQ(again.GetId(), 7);
  EXPECT_EQ(again.GetStars(), 2);
  EXPECT_TRUE(again.IsUnlocked());
  EXPECT_EQ(again.GetBestTime(), 12.5f);
  EXPECT_EQ(again.GetFile(), "a.xml");
}

}  // namespace
