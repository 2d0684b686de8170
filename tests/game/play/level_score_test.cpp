// The level's count alone: coins, the hint thresholds, the error limit, the
// stars, the clock and the store flag.
#include "game/play/level_score.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace game {
namespace {

gLevelScore Score(int32_t maxHints = 4, bool storeFlag = false) {
  gLevelScore score;
  gLevelScore::Rules rules;
  rules.coins_per_cell = 2;
  rules.bonus_coins = 10;
  rules.max_hints = static_cast<uint32_t>(maxHints);
  score.SetRules(rules);
  score.SetStoreFlag(storeFlag);
  return score;
}

TEST(LevelScoreTest, StartBringsTheHintsAndTheAllowedErrors) {
  gLevelScore score = Score();
  score.Start(5, 2);
  EXPECT_EQ(score.GetAllowedErrors(), 5);
  EXPECT_EQ(score.GetHintsHeld(), 2);
  EXPECT_EQ(score.GetHintsUsed(), 0);
  // Under the store flag the level neither gives nor takes hints.
  gLevelScore store = Score(4, true);
  store.Start(5, 2);
  EXPECT_EQ(store.GetHintsHeld(), 0);
  store.AddHints(3);
  EXPECT_EQ(store.GetHintsHeld(), 0);
  EXPECT_TRUE(store.AwardHintAt(0.5));  // the display is refreshed all the same
  EXPECT_EQ(store.GetHintsAwarded(), 0);
  EXPECT_EQ(store.GetHintsHeld(), 0);
}

TEST(LevelScoreTest, EveryRevealedCellPaysTheCoinsPerCell) {
  gLevelScore score = Score();
  EXPECT_EQ(score.PayCell(), 2);
  EXPECT_EQ(score.PayCell(), 2);
  EXPECT_EQ(score.GetLevelCoins(), 4);
  score.Reset();
  EXPECT_EQ(score.GetLevelCoins(), 0);
}

// Progress after each rightly found picture cell, whether it brings an
// award, and the hints held and awarded afterwards.
struct HintStep {
  double progress;
  bool award;
  int32_t held_after;
  int32_t awarded_after;
};

TEST(LevelScoreTest, HintThresholdsAtMaxHintsFour) {
  // Thresholds 1/5, 2/5, 3/5, 4/5; at most one award per cell.
  gLevelScore score = Score(4);
  const std::vector<HintStep> steps = {
      {0.1, false, 0, 0}, {0.2, true, 1, 1},  {0.3, false, 1, 1},
      {0.6, true, 2, 2},  {0.7, true, 3, 3},  // 0.6 passed 2/5 and 3/5 but paid once
      {0.8, true, 4, 4},  {0.9, false, 4, 4}, {1.0, false, 4, 4},
  };
  for (const HintStep& step : steps) {
    SCOPED_TRACE(step.progress);
    EXPECT_EQ(score.AwardHintAt(step.progress), step.award);
    EXPECT_EQ(score.GetHintsHeld(), step.held_after);
    EXPECT_EQ(score.GetHintsAwarded(), step.awarded_after);
  }
}

TEST(LevelScoreTest, AFullHandOfHintsKeepsTheNextThresholdPending) {
  gLevelScore score = Score(4);
  score.Start(6, 4);  // held = max hints
  EXPECT_FALSE(score.AwardHintAt(0.5));
  EXPECT_FALSE(score.AwardHintAt(0.9));
  EXPECT_EQ(score.GetHintsAwarded(), 0);
  score.TakeHint();
  EXPECT_EQ(score.GetHintsHeld(), 3);
  EXPECT_EQ(score.GetHintsUsed(), 1);
  // The pending threshold 1/5 pays at the next cell, and only it.
  EXPECT_TRUE(score.AwardHintAt(0.9));
  EXPECT_EQ(score.GetHintsAwarded(), 1);
  EXPECT_EQ(score.GetHintsHeld(), 4);
}

TEST(LevelScoreTest, TakingAHintNeedsOneHeld) {
  gLevelScore score = Score();
  score.TakeHint();
  EXPECT_EQ(score.GetHintsHeld(), 0);
  EXPECT_EQ(score.GetHintsUsed(), 0);
  score.AddHints(2);
  score.TakeHint();
  EXPECT_EQ(score.GetHintsHeld(), 1);
  EXPECT_EQ(score.GetHintsUsed(), 1);
  gLevelScore store = Score(4, true);
  store.TakeHint();
  EXPECT_EQ(store.GetHintsUsed(), 0);
}

TEST(LevelScoreTest, TheErrorThatReachesTheAllowedOnesLoses) {
  gLevelScore score = Score();
  score.Start(6, 0);
  for (int i = 1; i <= 5; ++i) EXPECT_FALSE(score.CountError()) << i;
  EXPECT_TRUE(score.CountError());  // the sixth
  EXPECT_EQ(score.GetErrors(), 6);
  score.ClearErrors();
  EXPECT_EQ(score.GetErrors(), 0);
  // Without an "errors" value the first error loses.
  gLevelScore none = Score();
  none.Start(0, 0);
  EXPECT_TRUE(none.CountError());
}

TEST(LevelScoreTest, StarsByErrors) {
  const std::vector<std::pair<int, int32_t>> table = {{0, 3}, {1, 2}, {2, 1}, {5, 1}};
  for (const auto& [errors, stars] : table) {
    gLevelScore score = Score();
    score.Start(100, 0);
    for (int i = 0; i < errors; ++i) score.CountError();
    EXPECT_EQ(score.Stars(), stars) << errors;
  }
}

TEST(LevelScoreTest, TheClockTakesOnlyRealFrameTimes) {
  gLevelScore score = Score();
  score.AddTime(0.5f);
  score.AddTime(std::nanf(""));
  score.AddTime(-3.0f);
  score.AddTime(std::numeric_limits<float>::infinity());
  score.AddTime(0.25f);
  EXPECT_FLOAT_EQ(score.GetElapsedTime(), 0.75f);
}

TEST(LevelScoreTest, TheResultBlock) {
  gLevelScore score = Score(4, false);
  score.Start(6, 2);
  score.AddTime(12.0f);
  score.PayCell();
  score.CountError();
  score.TakeHint();
  score.AwardHintAt(0.3);
  const LevelResult result = score.Result(2, 7);
  EXPECT_FALSE(result.store_flag);
  EXPECT_EQ(result.pack_id, 2);
  EXPECT_EQ(result.level_id, 7);
  EXPECT_FLOAT_EQ(result.elapsed_time, 12.0f);
  EXPECT_EQ(result.errors, 1);
  EXPECT_EQ(result.hints_awarded, 1);
  EXPECT_EQ(result.hints_held, 2);
  EXPECT_EQ(result.hints_used, 1);
  EXPECT_EQ(result.level_coins, 2);
}

}  // namespace
}  // namespace game
