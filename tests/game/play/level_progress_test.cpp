// What a won or lost level writes into the player's records: statistics and
// streaks, the shortest level time, stars and best times, and the levels and
// packs a win opens in both pack modes.
#include "game/play/level_progress.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "game/play/level_score.h"
#include "game/records/game_player.h"
#include "game/records/level_record.h"
#include "game/records/pack_record.h"
#include "game/records/statistics.h"

namespace game {
namespace {

gLevelScore Won(int32_t errors, int32_t hintsUsed, int32_t coins, float seconds) {
  gLevelScore score;
  gLevelScore::Rules rules;
  rules.coins_per_cell = 1;
  score.SetRules(rules);
  score.Start(100, hintsUsed);
  for (int32_t i = 0; i < hintsUsed; ++i) score.TakeHint();
  for (int32_t i = 0; i < errors; ++i) score.CountError();
  for (int32_t i = 0; i < coins; ++i) score.PayCell();
  score.AddTime(seconds);
  return score;
}

TEST(LevelProgressTest, StreaksOfWins) {
  gStatistics s;
  s.without_hint = 4;
  s.without_hint_max = 4;
  s.without_error = 2;
  s.without_error_max = 7;
  s.bad_level = 3;
  s.bad_level_max = 3;
  // A clean win: both streaks grow, the hint maximum follows, the error one
  // stays above; the lost run ends.
  RecordWinStatistics(s, Won(0, 0, 10, 30.0f));
  EXPECT_EQ(s.without_hint, 5u);
  EXPECT_EQ(s.without_hint_max, 5u);
  EXPECT_EQ(s.without_error, 3u);
  EXPECT_EQ(s.without_error_max, 7u);
  EXPECT_EQ(s.bad_level, 0u);
  EXPECT_EQ(s.bad_level_max, 3u);
  // A hint and an error end both streaks; their maxima stay.
  RecordWinStatistics(s, Won(1, 1, 10, 30.0f));
  EXPECT_EQ(s.without_hint, 0u);
  EXPECT_EQ(s.without_hint_max, 5u);
  EXPECT_EQ(s.without_error, 0u);
  EXPECT_EQ(s.without_error_max, 7u);
}

TEST(LevelProgressTest, ALossEndsTheStreaksAndCountsTheLostRun) {
  gStatistics s;
  s.without_hint = 4;
  s.without_error = 2;
  s.bad_level_max = 1;
  RecordLossStatistics(s);
  RecordLossStatistics(s);
  EXPECT_EQ(s.bad_level, 2u);
  EXPECT_EQ(s.bad_level_max, 2u);
  EXPECT_EQ(s.without_hint, 0u);
  EXPECT_EQ(s.without_error, 0u);
}

TEST(LevelProgressTest, TheLevelCoinsJoinTheScore) {
  gStatistics s;
  s.score = 20;
  s.max_score = 30;
  RecordWinStatistics(s, Won(0, 0, 5, 1.0f));
  EXPECT_EQ(s.score, 25u);
  EXPECT_EQ(s.max_score, 30u);
  RecordWinStatistics(s, Won(0, 0, 10, 1.0f));
  EXPECT_EQ(s.score, 35u);
  EXPECT_EQ(s.max_score, 35u);
}

TEST(LevelProgressTest, TheShortestLevelTimeTreatsZeroAsNone) {
  // (stored, level time) -> stored afterwards.
  const std::vector<std::vector<float>> table = {
      {0.0f, 42.0f, 42.0f},  // a new player's 0 is "no time yet"
      {30.0f, 42.0f, 30.0f}, {30.0f, 12.5f, 12.5f},
      {30.0f, 0.0f, 30.0f},  // a level without time changes nothing
      {0.0f, 0.0f, 0.0f},
  };
  for (const auto& row : table) {
    gStatistics s;
    s.min_level_time = row[0];
    RecordWinStatistics(s, Won(0, 0, 0, row[1]));
    EXPECT_FLOAT_EQ(s.min_level_time, row[2]) << row[0] << " " << row[1];
  }
}

TEST(LevelProgressTest, StarsKeepTheMaximumAndTimesTheMinimum) {
  gLevelRecord record(0);
  RecordLevelWin(record, Won(1, 0, 0, 50.0f));
  EXPECT_EQ(record.GetStars(), 2);
  EXPECT_FLOAT_EQ(record.GetBestTime(), 50.0f);  // none stored: the first win's
  RecordLevelWin(record, Won(0, 0, 0, 60.0f));
  EXPECT_EQ(record.GetStars(), 3);
  EXPECT_FLOAT_EQ(record.GetBestTime(), 50.0f);
  RecordLevelWin(record, Won(2, 0, 0, 40.0f));
  EXPECT_EQ(record.GetStars(), 3);
  EXPECT_FLOAT_EQ(record.GetBestTime(), 40.0f);
}

// Three packs of three levels; only the first level of pack 1 is open.
// Pack 2 needs 3 stars, pack 3 needs 9.
class UnlockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    pugi::xml_document document;
    document.load_string(
        "<player><packs>"
        "<pack id='1'><level id='1' lock='false'/><level id='2'/><level id='3'/></pack>"
        "<pack id='2'><level id='1'/><level id='2'/><level id='3'/></pack>"
        "<pack id='3'><level id='1'/><level id='2'/><level id='3'/></pack>"
        "</packs></player>");
    ASSERT_TRUE(player_.Load(document.child("player")));
    for (const char* xml : {"<pack id='1' key='p1' stars2pass='0' price='0' path='a'/>",
                            "<pack id='2' key='p2' stars2pass='3' price='0' path='b'/>",
                            "<pack id='3' key='p3' stars2pass='9' price='0' path='c'/>"}) {
      pugi::xml_document pack;
      pack.load_string(xml);
      auto record = std::make_unique<gPackRecord>();
      ASSERT_TRUE(record->Load(pack.document_element()));
      descriptions_[record->GetId()] = std::move(record);
    }
  }

  // Wins level `levelId` of pack `packId` with `stars` stars.
  void Win(int32_t packId, int32_t levelId, int32_t stars, bool packLogicStars,
           bool withRecord = true) {
    gPackState* pack = player_.FindPack(packId);
    gLevelRecord* record = pack->FindLevel(levelId);
    record->SetStars(stars);
    UnlockAfterWin(player_, *pack, withRecord ? record : nullptr, levelId, packLogicStars,
                   [this](int32_t id) -> const gPackRecord* {
                     const auto found = descriptions_.find(id);
                     return found == descriptions_.end() ? nullptr : found->second.get();
                   });
  }
  bool Open(int32_t packId, int32_t levelId) const {
    return player_.FindLevel(packId, levelId)->IsUnlocked();
  }

  GG_PLAYER player_;
  std::map<int32_t, std::unique_ptr<gPackRecord>> descriptions_;
};

TEST_F(UnlockTest, AWinOpensTheNextLevelOfThePack) {
  Win(1, 1, 1, false);
  EXPECT_TRUE(Open(1, 2));
  EXPECT_FALSE(Open(1, 3));
  EXPECT_FALSE(Open(2, 1));
}

TEST_F(UnlockTest, WithoutStarLogicTheLastLevelOpensTheNextPack) {
  Win(1, 3, 1, false);
  EXPECT_TRUE(Open(2, 1));
  EXPECT_FALSE(Open(3, 1));
  Win(3, 3, 1, false);  // the last pack: nothing to open, nothing breaks
  EXPECT_FALSE(Open(3, 1));
}

TEST_F(UnlockTest, WithStarLogicEveryFollowingPackWeighsTheStarTotal) {
  Win(1, 1, 2, true);  // 2 stars: pack 2 needs 3
  EXPECT_TRUE(Open(1, 2));
  EXPECT_FALSE(Open(2, 1));
  Win(1, 2, 1, true);  // 3 stars
  EXPECT_TRUE(Open(2, 1));
  EXPECT_FALSE(Open(3, 1));
  // The last level of pack 1 does not open pack 2 by itself under star logic,
  // and the total decides for pack 3 as well.
  // Pack 3 bought with coins: a win below its stars leaves it open.
  player_.FindLevel(3, 1)->SetLock(false);
  Win(1, 3, 3, true);  // 6 stars
  EXPECT_TRUE(Open(3, 1));
  player_.FindLevel(3, 1)->SetLock(true);
  Win(1, 3, 3, true);
  EXPECT_FALSE(Open(3, 1));
  Win(2, 1, 3, true);  // 9 stars
  EXPECT_TRUE(Open(3, 1));
  EXPECT_TRUE(Open(2, 2));
}

TEST_F(UnlockTest, WithoutALevelRecordOnlyTheStarRuleRuns) {
  Win(1, 1, 3, false, false);
  EXPECT_FALSE(Open(1, 2));
  Win(1, 3, 3, true, false);  // 6 stars in the records
  EXPECT_FALSE(Open(1, 2));
  EXPECT_TRUE(Open(2, 1));
}

}  // namespace
}  // namespace game
