// The rules of a level on the gameplay screen, played on scripted boards
// with a recording host and the rules' windows: coins, hints, errors, the
// win with its records, trophies, save, music and finish window, the loss
// with its dialogues and their answers, purchases, and what Stop and Restart
// leave behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/foundation/hooks.h"
#include "engine/foundation/random.h"
#include "engine/foundation/timer.h"
#include "framework/trophy_values.h"
#include "game/play/element.h"
#include "game/play/gameplay.h"
#include "support/game_host.h"
#include "support/log_capture.h"
#include "support/rules_windows.h"

namespace game {
namespace {

const char* kLevel = "data/share/levels pack_test/rules.xml";

// 5 x 5 with five picture cells.
const std::vector<std::string> kPicture = {"##...", "#....", ".....", ".....", "...##"};
// 10 picture cells in the first two rows.
const std::vector<std::string> kTenCells = {"#####", "#####", ".....", ".....", "....."};

// Pieces whose error panel animates for a while and whose flights fly until
// the test lands them.
class SlowPieces : public gInstantPieces {
 public:
  float GetErrorAnimationTime() const override { return animation_time; }
  bool StartBonusEffect(const GG_ELEMENT& /*cell*/, int32_t coins) override {
    if (!fly) return false;
    flying_coins.push_back(coins);
    return true;
  }
  int32_t GetFlyingEffects() const override { return static_cast<int32_t>(flying_coins.size()); }
  bool StartHintFlight(GG_ELEMENT& target) override {
    if (!fly) return false;
    hint_target = &target;
    return true;
  }
  void Reset() override {
    gInstantPieces::Reset();
    flying_coins.clear();
    hint_target = nullptr;
    ++resets;
  }
  // The coins land on the counter.
  void LandCoins() {
    for (const int32_t coins : flying_coins) AddCoins(coins);
    flying_coins.clear();
  }

  float animation_time = 0.0f;
  bool fly = false;
  std::vector<int32_t> flying_coins;
  GG_ELEMENT* hint_target = nullptr;
  int resets = 0;
};

class GameplayRulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ORB::FrameDelta().store(0.0f);
    host_.windows = &windows_.Manager();
    host_.level_id = 11;  // a level of the player's without stars yet
    host_.Player().SetItemCount("errors", 3);
    host_.Player().SetItemCount("start_hint", 2);
    UseLevel(kPicture);
  }
  void TearDown() override { ORB::FrameDelta().store(0.0f); }

  void UseLevel(const std::vector<std::string>& rows, const std::string& bonuses = "0") {
    test_support::LevelText text;
    text.rows = rows;
    text.bonuses = bonuses;
    host_.SetFile(kLevel, test_support::LevelXml(text));
  }

  // A screen of this test's host (the store flag is read when it is made).
  std::unique_ptr<GG_GAMEPLAY> MakeGameplay() {
    auto gameplay = std::make_unique<GG_GAMEPLAY>(&host_);
    host_.gameplay = gameplay.get();
    gameplay->SetPieces(&pieces_);
    return gameplay;
  }
  GG_GAMEPLAY& Play() {
    if (!gameplay_) gameplay_ = MakeGameplay();
    if (!gameplay_->IsActive()) {
      EXPECT_TRUE(gameplay_->Load(kLevel)) << gameplay_->LastError();
    }
    return *gameplay_;
  }

  // One cell opened alone, as a click on it does.
  void Open(int row, int col, bool fill) {
    gameplay_->Board().ApplyClick(row, col, row, col, fill);
  }
  // Every picture cell filled, every empty one left.
  void FillPicture() {
    for (const auto& cell : gameplay_->Board().GetCells()) {
      if (cell->IsFilled() && !cell->IsOpen()) {
        Open(static_cast<int>(cell->Row()), static_cast<int>(cell->Col()), true);
      }
    }
  }
  // Wrong fills of empty cells until the level is lost.
  void LoseByErrors() {
    for (const auto& cell : gameplay_->Board().GetCells()) {
      if (gameplay_->IsEnded()) return;
      if (!cell->IsFilled() && !cell->IsOpen()) {
        Open(static_cast<int>(cell->Row()), static_cast<int>(cell->Col()), true);
      }
    }
  }
  // Frames of `seconds` each: the screen, then the windows, as the hub runs
  // them.
  void Frames(int count, float seconds = 0.05f) {
    ORB::FrameDelta().store(seconds);
    for (int i = 0; i < count; ++i) {
      if (gameplay_) gameplay_->Update();
      windows_.Manager().Update();
    }
    ORB::FrameDelta().store(0.0f);
  }
  void Click(const std::string& dialog, int32_t id) {
    test_support::AnswerableConfirm* window = windows_.Dialog(dialog);
    ASSERT_NE(window, nullptr) << dialog;
    ASSERT_TRUE(window->IsOpen()) << dialog;
    window->Click(id);
  }
  int32_t FilledOpen() const {
    int32_t count = 0;
    for (const GG_ELEMENT* cell : gameplay_->Board().CellsToFind()) count += cell->IsOpen();
    return count;
  }

  test_support::FakeHost host_;
  test_support::RulesWindows windows_;
  SlowPieces pieces_;
  std::unique_ptr<GG_GAMEPLAY> gameplay_;
};

// --- Level start, coins, hints, errors.

TEST_F(GameplayRulesTest, TheLevelStartsWithThePlayersRuleValues) {
  GG_GAMEPLAY& gameplay = Play();
  EXPECT_EQ(gameplay.AllowedErrors(), 3);
  EXPECT_EQ(gameplay.HintsHeld(), 2);
  EXPECT_EQ(pieces_.ErrorPlaces(), 3);
  EXPECT_EQ(pieces_.HintsShown(), 2);
  EXPECT_FALSE(gameplay.GetStoreFlag());

  // An edition with an in-app store gives no start hints.
  host_.in_app = true;
  gameplay_ = MakeGameplay();
  GG_GAMEPLAY& store = Play();
  EXPECT_TRUE(store.GetStoreFlag());
  EXPECT_EQ(store.HintsHeld(), 0);
  EXPECT_EQ(store.AllowedErrors(), 3);
}

TEST_F(GameplayRulesTest, CoinsForRightAndWronglyCrossedPictureCells) {
  GG_GAMEPLAY& gameplay = Play();
  struct Row {
    int row, col;
    bool fill;
    int32_t coins, counter, errors;
  };
  const std::vector<Row> table = {
      {2, 2, false, 0, 0, 0},  // an empty cell crossed: right, no coins
      {0, 0, true, 2, 2, 0},   // a picture cell filled: coins per cell
      {0, 1, false, 4, 4, 1},  // a picture cell crossed: an error that still pays
      {2, 3, true, 4, 4, 2},   // an empty cell filled: an error without coins
  };
  for (const Row& row : table) {
    Open(row.row, row.col, row.fill);
    EXPECT_EQ(gameplay.LevelCoins(), row.coins) << row.row << "," << row.col;
    EXPECT_EQ(pieces_.GetCoins(), row.counter) << row.row << "," << row.col;
    EXPECT_EQ(gameplay.Errors(), row.errors) << row.row << "," << row.col;
    EXPECT_EQ(pieces_.ErrorMarks(), row.errors);
  }
  // A wrongly crossed picture cell counts toward the end of the level.
  EXPECT_EQ(gameplay.Board().FoundCells().size(), 2u);
}

TEST_F(GameplayRulesTest, BonusCoinsArePaidOnceAndTheCounterEndsOnThem) {
  UseLevel(kPicture, "5");  // every picture cell is a bonus cell
  ORB::Random random(7);
  random.Seed(7);
  GG_GAMEPLAY& gameplay = Play();
  Open(0, 0, true);
  EXPECT_EQ(gameplay.LevelCoins(), 12);
  EXPECT_EQ(pieces_.GetCoins(), 12);  // coins per cell and the bonus at once
  // A bonus coin that flies is paid at once and adds its coins on landing.
  pieces_.fly = true;
  Open(0, 1, false);  // wrongly crossed: no bonus
  EXPECT_TRUE(pieces_.flying_coins.empty());
  Open(1, 0, true);
  EXPECT_EQ(pieces_.GetCoins(), 16);
  EXPECT_EQ(gameplay.LevelCoins(), 26);
  EXPECT_EQ(pieces_.GetFlyingEffects(), 1);
  pieces_.LandCoins();
  EXPECT_EQ(pieces_.GetCoins(), 26);
  // The win comes before the last coins land: they are the player's, once.
  const uint32_t score = host_.Player().GetStatistics().score;
  FillPicture();
  ASSERT_TRUE(gameplay.IsEnded());
  EXPECT_EQ(gameplay.Result().level_coins, 50);
  EXPECT_EQ(host_.Player().GetStatistics().score, score + 50);
  pieces_.LandCoins();
  EXPECT_EQ(pieces_.GetCoins(), 50);
  EXPECT_EQ(host_.Player().GetStatistics().score, score + 50);
  ORB::SetDefaultRandom(nullptr);
}

TEST_F(GameplayRulesTest, HintsComeAtProgressThresholds) {
  UseLevel(kTenCells);
  host_.Player().SetItemCount("start_hint", 0);
  GG_GAMEPLAY& gameplay = Play();
  // Thresholds 1/5 .. 4/5 of ten cells: the 2nd, 4th, 6th and 8th.
  std::vector<int32_t> awarded;
  for (int col = 0; col < 5; ++col) {
    Open(0, col, true);
    awarded.push_back(gameplay.HintsAwarded());
  }
  for (int col = 0; col < 4; ++col) {
    Open(1, col, true);
    awarded.push_back(gameplay.HintsAwarded());
  }
  EXPECT_EQ(awarded, (std::vector<int32_t>{0, 1, 1, 2, 2, 3, 3, 4, 4}));
  EXPECT_EQ(gameplay.HintsHeld(), 4);
  EXPECT_EQ(pieces_.HintsShown(), 4);
}

TEST_F(GameplayRulesTest, WhileHintsHeldEqualTheMaximumTheThresholdWaits) {
  UseLevel(kTenCells);
  host_.Player().SetItemCount("start_hint", 4);
  GG_GAMEPLAY& gameplay = Play();
  for (int col = 0; col < 5; ++col) Open(0, col, true);
  EXPECT_EQ(gameplay.HintsAwarded(), 0);
  EXPECT_EQ(gameplay.HintsHeld(), 4);
  // One used: the cell the hint opens pays the pending threshold 1/5, and
  // only that one.
  gameplay.StartHint();
  EXPECT_EQ(gameplay.HintsUsed(), 1);
  EXPECT_EQ(gameplay.HintsAwarded(), 1);
  EXPECT_EQ(gameplay.HintsHeld(), 4);
}

TEST_F(GameplayRulesTest, UnderTheStoreFlagProgressAwardsNothing) {
  UseLevel(kTenCells);
  host_.in_app = true;
  GG_GAMEPLAY& gameplay = Play();
  for (int col = 0; col < 5; ++col) Open(0, col, true);
  EXPECT_EQ(gameplay.HintsAwarded(), 0);
  EXPECT_EQ(gameplay.HintsHeld(), 0);
}

TEST_F(GameplayRulesTest, TheSixthErrorLosesAtSixAllowed) {
  UseLevel(kTenCells);
  host_.Player().SetItemCount("errors", 6);
  GG_GAMEPLAY& gameplay = Play();
  for (int col = 0; col < 5; ++col) Open(2, col, true);
  EXPECT_EQ(gameplay.Errors(), 5);
  EXPECT_FALSE(gameplay.IsEnded());
  EXPECT_EQ(host_.Count("sound levelloose"), 0);
  Open(3, 0, true);
  EXPECT_TRUE(gameplay.IsEnded());
  EXPECT_TRUE(gameplay.IsBusy());
  EXPECT_EQ(host_.Count("sound levelloose"), 1);
  EXPECT_EQ(host_.Count("spend heart"), 1);
  // Later errors of the same line end nothing more.
  Open(3, 1, true);
  EXPECT_EQ(host_.Count("sound levelloose"), 1);
}

TEST_F(GameplayRulesTest, WithoutAnErrorsValueTheFirstErrorLoses) {
  host_.Player().SetItemCount("errors", 0);
  GG_GAMEPLAY& gameplay = Play();
  Open(2, 2, true);
  EXPECT_TRUE(gameplay.IsEnded());
}

// --- The win.

TEST_F(GameplayRulesTest, AWinWritesTheRecordsTestsTheTrophiesInOrderAndSavesOnce) {
  host_.earn = {"tr_stars_1", "tr_bronze_coin"};
  gStatistics& statistics = host_.Player().GetStatistics();
  const gStatistics before = statistics;
  GG_GAMEPLAY& gameplay = Play();
  Frames(20);        // one second of play
  Open(2, 2, true);  // one error
  FillPicture();
  ASSERT_TRUE(gameplay.IsEnded());
  EXPECT_TRUE(gameplay.IsBusy());
  EXPECT_TRUE(gameplay.Board().IsSweeping());

  EXPECT_EQ(
      host_.trophy_tests,
      (std::vector<std::string>{"tr_pack_1", "pc_tr_without_hint", "tr_without_error",
                                "m_tr_without_error", "m_tr_time", "tr_stars_1", "tr_stars_2",
                                "tr_stars_3", "tr_bronze_coin", "tr_silver_coin", "tr_gold_coin"}));
  namespace values = ORB_GF::trophy_values;
  const std::vector<std::string> valueNames = {
      values::kPackCompletion,  values::kWithoutHintMax,  values::kWithoutErrorMax,
      values::kWithoutErrorMax, values::kMinLevelTime,    values::kThreeStarLevels,
      values::kThreeStarLevels, values::kThreeStarLevels, values::kMaxScore,
      values::kMaxScore,        values::kMaxScore};
  ASSERT_EQ(host_.trophy_values.size(), valueNames.size());
  for (size_t i = 0; i < valueNames.size(); ++i) {
    EXPECT_EQ(host_.trophy_values[i].name, valueNames[i]) << host_.trophy_tests[i];
  }
  // Pack 1 has two levels, both with stars now.
  EXPECT_EQ(std::get<float>(host_.trophy_values[0].value), 1.0f);
  EXPECT_EQ(host_.awarded, (std::vector<std::string>{"tr_stars_1", "tr_bronze_coin"}));
  EXPECT_EQ(host_.Count("save"), 1);
  EXPECT_EQ(host_.calls.back(), "save");
  EXPECT_EQ(host_.Count("leaderboards"), 1);

  // Statistics: an error ends the error streak; no hint used; coins join
  // the score; the first time is kept.
  EXPECT_EQ(statistics.without_error, 0u);
  EXPECT_EQ(statistics.without_hint, before.without_hint + 1);
  EXPECT_EQ(statistics.bad_level, 0u);
  EXPECT_EQ(statistics.score, before.score + 10u);
  EXPECT_FLOAT_EQ(statistics.min_level_time, 1.0f);  // below the stored 9.5
  // The level's record: 2 stars for one error, the time.
  const gLevelRecord* record = host_.Player().FindLevel(1, 11);
  EXPECT_EQ(record->GetStars(), 2);
  EXPECT_FLOAT_EQ(record->GetBestTime(), 1.0f);
}

TEST_F(GameplayRulesTest, AWinLowersTheMusicWhileLevelwinPlays) {
  host_.sound_lengths["levelwin"] = 0.5f;
  host_.Player().SetMusicVolume(60.0f);
  GG_GAMEPLAY& gameplay = Play();
  FillPicture();
  EXPECT_EQ(host_.Count("sound levelwin"), 1);
  EXPECT_EQ(host_.music_volumes, (std::vector<float>{30.0f}));
  EXPECT_TRUE(gameplay.IsMusicLowered());
  Frames(9);  // 0.45 s
  EXPECT_EQ(host_.music_volumes.size(), 1u);
  Frames(2);
  EXPECT_EQ(host_.music_volumes, (std::vector<float>{30.0f, 60.0f}));
  EXPECT_FALSE(gameplay.IsMusicLowered());
}

TEST_F(GameplayRulesTest, TheFinishWindowOpensOnceAfterTheSweepWithTheResults) {
  GG_GAMEPLAY& gameplay = Play();
  Frames(10);
  FillPicture();
  test_support::ResultsWindow* finish = windows_.Finish();
  ASSERT_EQ(finish->results.size(), 1u);  // shown before it opens
  const LevelResult& result = finish->results[0];
  EXPECT_EQ(result.pack_id, 1);
  EXPECT_EQ(result.level_id, 11);
  EXPECT_EQ(result.errors, 0);
  EXPECT_EQ(result.level_coins, 10);
  EXPECT_EQ(result.hints_awarded, 2);  // at 1/5 and 2/5; then 4 are held
  EXPECT_EQ(result.hints_held, 4);
  EXPECT_FLOAT_EQ(result.elapsed_time, 0.5f);
  EXPECT_GT(gameplay.FinishDelay(), 0.0f);
  EXPECT_FALSE(windows_.IsOpen("GP_Finish"));
  // The sweep takes |(200, 200)| / 800 = 0.354 s.
  Frames(6);
  EXPECT_TRUE(gameplay.Board().IsSweeping());
  EXPECT_FALSE(windows_.IsOpen("GP_Finish"));
  Frames(40);
  EXPECT_FALSE(gameplay.Board().IsSweeping());
  EXPECT_TRUE(windows_.IsOpen("GP_Finish"));
  EXPECT_EQ(finish->opened, 1);
  EXPECT_EQ(gameplay.FinishOpenedCount(), 1);
  EXPECT_EQ(finish->results.size(), 1u);
  EXPECT_TRUE(gameplay.IsBusy());  // the finish window drives what follows
}

TEST_F(GameplayRulesTest, TheFinishWindowWaitsForFlyingBonusCoins) {
  UseLevel(kPicture, "1");
  pieces_.fly = true;
  GG_GAMEPLAY& gameplay = Play();
  FillPicture();
  ASSERT_EQ(pieces_.GetFlyingEffects(), 1);
  Frames(40);  // the sweep is over; the coin still flies
  EXPECT_FALSE(gameplay.Board().IsSweeping());
  EXPECT_FALSE(windows_.IsOpen("GP_Finish"));
  pieces_.LandCoins();
  Frames(4);  // the next look, 0.12 s later
  EXPECT_TRUE(windows_.IsOpen("GP_Finish"));
}

TEST_F(GameplayRulesTest, AWinWithoutALevelRecordSkipsItsWrites) {
  host_.has_level_record = false;
  GG_GAMEPLAY& gameplay = Play();
  FillPicture();
  EXPECT_TRUE(gameplay.IsEnded());
  EXPECT_EQ(host_.Player().FindLevel(1, 11)->GetStars(), 0);
  EXPECT_FALSE(host_.Player().FindLevel(1, 11)->IsUnlocked());
  EXPECT_EQ(host_.Count("save"), 1);
  Frames(40);
  EXPECT_TRUE(windows_.IsOpen("GP_Finish"));
}

// --- The loss.

struct LossCase {
  bool record;
  int32_t hearts;  // before the heart the loss spends
  bool sellable;
  const char* dialog;
};

TEST_F(GameplayRulesTest, TheLossDialogueByRecordHeartsAndStore) {
  const std::vector<LossCase> table = {
      {true, 3, true, "Confirm_SecondChance"},    {true, 1, true, "Confirm_SecondChance"},
      {true, 3, false, "Confirm_Restart_Finish"}, {true, 1, false, "Confirm_NoHealth"},
      {false, 3, true, "Confirm_Restart_Finish"}, {false, 1, true, "Confirm_NoHealth"},
  };
  pieces_.animation_time = 0.5f;
  for (const LossCase& row : table) {
    SCOPED_TRACE(row.dialog);
    host_.has_level_record = row.record;
    host_.Player().GetHealth().SetCount(row.hearts);
    host_.sellable.clear();
    if (row.sellable) host_.sellable.insert("second_chance");
    GG_GAMEPLAY& gameplay = Play();
    LoseByErrors();
    ASSERT_TRUE(gameplay.IsEnded());
    EXPECT_EQ(host_.Player().GetHealth().GetCount(), row.hearts - 1);
    // After the error panel's animation time, not before.
    Frames(9);
    EXPECT_TRUE(windows_.OpenNames().empty());
    EXPECT_TRUE(gameplay.IsBusy());
    Frames(2);
    EXPECT_EQ(windows_.OpenNames(), (std::vector<std::string>{row.dialog}));
    EXPECT_TRUE(gameplay.IsBusy());
    gameplay.Stop();  // the dialogue goes with the level
    Frames(10);
    EXPECT_TRUE(windows_.OpenNames().empty());
  }
}

// Loses the level with a store that sells second chances and 3 hearts, and
// runs frames until the dialogue is up.
class LossAnswerTest : public GameplayRulesTest {
 protected:
  void Lose() {
    host_.sellable.insert("second_chance");
    host_.Player().GetHealth().SetCount(3);
    Play();
    LoseByErrors();
    Frames(6);
    ASSERT_TRUE(windows_.IsOpen("Confirm_SecondChance"));
  }
  // Frames until every window has settled.
  void Settle() { Frames(30); }
};

TEST_F(LossAnswerTest, PlayAgainRestartsTheLevel) {
  Lose();
  Click("Confirm_SecondChance", 3);
  EXPECT_EQ(host_.Count("restart"), 1);
  EXPECT_TRUE(gameplay_->IsActive());
  EXPECT_FALSE(gameplay_->IsBusy());
  EXPECT_FALSE(gameplay_->IsEnded());
  EXPECT_EQ(gameplay_->Errors(), 0);
  EXPECT_EQ(FilledOpen(), 0);  // a clean board
  Settle();
  EXPECT_TRUE(windows_.OpenNames().empty());
}

TEST_F(LossAnswerTest, PlayAgainWithoutHeartsAsksAboutHearts) {
  Lose();
  host_.Player().GetHealth().SetCount(0);
  Click("Confirm_SecondChance", 3);
  EXPECT_EQ(host_.Count("restart"), 0);
  Settle();
  EXPECT_EQ(windows_.OpenNames(), (std::vector<std::string>{"Confirm_NoHealth"}));
}

TEST_F(LossAnswerTest, BuyAsksAgainAndAPurchaseGivesTheSecondChance) {
  Lose();
  Click("Confirm_SecondChance", 4);
  Settle();
  EXPECT_EQ(windows_.OpenNames(), (std::vector<std::string>{"Confirm_SecondChanceBuy"}));
  Click("Confirm_SecondChanceBuy", 3);
  EXPECT_EQ(host_.Count("buy second_chance"), 1);
  Settle();
  EXPECT_TRUE(windows_.OpenNames().empty());  // the purchase runs
  EXPECT_TRUE(gameplay_->IsBusy());
  const int32_t open = FilledOpen();
  // Delivered: the hub hands over the second chance.
  gameplay_->UseSecondChance();
  EXPECT_FALSE(gameplay_->IsBusy());
  EXPECT_FALSE(gameplay_->IsEnded());
  EXPECT_EQ(gameplay_->Errors(), 0);
  EXPECT_EQ(pieces_.ErrorMarks(), 0);
  EXPECT_EQ(FilledOpen(), open);  // the board as it was
  // The level can end again.
  LoseByErrors();
  EXPECT_TRUE(gameplay_->IsEnded());
  EXPECT_EQ(host_.Count("sound levelloose"), 2);
}

TEST_F(LossAnswerTest, AFailedOrRefusedPurchaseAsksAgain) {
  Lose();
  host_.purchase_starts = false;
  Click("Confirm_SecondChance", 4);
  Settle();
  Click("Confirm_SecondChanceBuy", 3);  // the purchase cannot start
  Settle();
  EXPECT_EQ(windows_.OpenNames(), (std::vector<std::string>{"Confirm_SecondChance"}));
  Click("Confirm_SecondChance", 4);
  Settle();
  Click("Confirm_SecondChanceBuy", 4);  // no
  Settle();
  EXPECT_EQ(windows_.OpenNames(), (std::vector<std::string>{"Confirm_SecondChance"}));
  // Leaving from the question.
  Click("Confirm_SecondChance", 5);
  Settle();
  EXPECT_EQ(host_.Count("levels"), 1);
}

TEST_F(LossAnswerTest, AQuestionAskedWhileItStillClosesOpensOnceItHasClosed) {
  Lose();
  Click("Confirm_SecondChance", 4);  // the buy question opens, this one closes for 0.2 s
  ASSERT_TRUE(windows_.IsOpen("Confirm_SecondChance"));
  Click("Confirm_SecondChanceBuy", 4);  // no, at once: the second chance is asked again
  Frames(1);
  EXPECT_TRUE(windows_.Dialog("Confirm_SecondChance")->IsAnimating());  // still closing
  Frames(20);
  EXPECT_EQ(windows_.OpenNames(), (std::vector<std::string>{"Confirm_SecondChance"}));
  EXPECT_FALSE(windows_.Dialog("Confirm_SecondChance")->IsAnimating());
  Click("Confirm_SecondChance", 4);
  Click("Confirm_SecondChanceBuy", 3);
  EXPECT_EQ(host_.Count("buy second_chance"), 1);
}

TEST_F(LossAnswerTest, LeaveGoesThroughTheFadeToTheLevelList) {
  Lose();
  Click("Confirm_SecondChance", 5);
  EXPECT_TRUE(windows_.IsOpen("Fade_Transition"));
  EXPECT_EQ(host_.Count("levels"), 0);
  Frames(8);  // the fade has covered the screen
  EXPECT_EQ(host_.Count("levels"), 1);
  EXPECT_FALSE(gameplay_->IsActive());
  Settle();
  EXPECT_TRUE(windows_.OpenNames().empty());
}

TEST_F(GameplayRulesTest, RestartAndNoHealthAnswers) {
  struct Row {
    int32_t hearts;  // before the loss
    bool in_app;
    bool second_chance;  // sold: the last heart's question follows "play again"
    int32_t click;       // on the restart question, or on "Confirm_NoHealth"
    const char* call;    // the host call it leads to
    bool shop;           // "Shop" opens
  };
  // The loss that spends the last heart offers the shop in every edition,
  // as every other road without a heart does; no goes to the level list.
  const std::vector<Row> table = {
      {3, false, false, 3, "restart", false}, {3, false, false, 4, "levels", false},
      {1, false, false, 3, "levels", true},   {1, false, false, 4, "levels", false},
      {1, true, false, 3, "levels", true},    {1, true, false, 4, "levels", false},
      {1, false, true, 3, "levels", true},    {1, false, true, 4, "levels", false},
  };
  for (const Row& row : table) {
    SCOPED_TRACE(std::to_string(row.hearts) + " " + std::to_string(row.in_app) + " " +
                 std::to_string(row.second_chance) + " " + std::to_string(row.click));
    host_.in_app = row.in_app;
    host_.sellable.clear();
    if (row.second_chance) host_.sellable.insert("second_chance");
    gameplay_ = MakeGameplay();
    host_.calls.clear();
    host_.Player().GetHealth().SetCount(row.hearts);
    Play();
    LoseByErrors();
    Frames(6);
    if (row.second_chance) {
      Click("Confirm_SecondChance", 3);
      Frames(10);
    }
    const char* dialog = row.hearts > 1 ? "Confirm_Restart_Finish" : "Confirm_NoHealth";
    EXPECT_EQ(windows_.OpenNames(), (std::vector<std::string>{dialog}));
    Click(dialog, row.click);
    Frames(30);
    EXPECT_EQ(host_.Count(row.call), 1);
    EXPECT_EQ(host_.Count("restart"), row.hearts > 1 && row.click == 3 ? 1 : 0);
    // The shop stands over the level list the fade has uncovered, with the
    // level gone.
    EXPECT_EQ(windows_.OpenNames(),
              row.shop ? std::vector<std::string>{"Shop"} : std::vector<std::string>{});
    EXPECT_EQ(gameplay_->IsActive(), std::string(row.call) == "restart");
    windows_.Manager().CloseAll();
    Frames(30);
    gameplay_->Stop();
  }
}

TEST_F(GameplayRulesTest, ARestartTheHeartRuleRefusesAsksAboutHearts) {
  host_.Player().GetHealth().SetCount(3);
  Play();
  LoseByErrors();
  Frames(6);
  host_.Player().GetHealth().SetCount(0);  // gone while the question stood
  Click("Confirm_Restart_Finish", 3);
  Frames(30);
  EXPECT_EQ(host_.Count("restart"), 1);
  EXPECT_TRUE(gameplay_->IsEnded());
  EXPECT_EQ(windows_.OpenNames(), (std::vector<std::string>{"Confirm_NoHealth"}));
}

// --- Hints and purchases.

TEST_F(GameplayRulesTest, AHintOpensOneClosedUnlockedPictureCell) {
  UseLevel(kTenCells);
  host_.earn = {"pc_tr_hint_use"};
  host_.Player().SetItemCount("start_hint", 100);
  for (uint32_t seed = 0; seed < 40; ++seed) {
    SCOPED_TRACE(seed);
    ORB::Random random;
    random.Seed(seed);
    GG_GAMEPLAY& gameplay = Play();
    // Row 0 is locked but for its last cell; one picture cell of row 1 is open.
    for (int col = 0; col < 4; ++col) gameplay.Board().CellAt(0, col)->SetLocked(true);
    Open(1, 2, true);
    std::vector<bool> before;
    for (const auto& cell : gameplay.Board().GetCells()) before.push_back(cell->IsOpen());
    const uint32_t hintUse = host_.Player().GetStatistics().hint_use;
    host_.trophy_tests.clear();
    gameplay.StartHint();
    int opened = 0;
    for (size_t i = 0; i < before.size(); ++i) {
      const GG_ELEMENT& cell = *gameplay.Board().GetCells()[i];
      if (cell.IsOpen() == before[i]) continue;
      ++opened;
      EXPECT_TRUE(cell.IsFilled());
      EXPECT_FALSE(cell.IsLocked());
    }
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(gameplay.IsBusy());  // no flight: the hint is there at once
    EXPECT_EQ(gameplay.HintsUsed(), 1);
    EXPECT_EQ(host_.Player().GetStatistics().hint_use, hintUse + 1);
    EXPECT_EQ(host_.trophy_tests, (std::vector<std::string>{"pc_tr_hint_use"}));
    EXPECT_EQ(std::get<uint32_t>(host_.trophy_values.back().value), hintUse + 1);
    gameplay.Stop();
  }
  EXPECT_EQ(host_.awarded, (std::vector<std::string>{"pc_tr_hint_use"}));
  ORB::SetDefaultRandom(nullptr);
}

TEST_F(GameplayRulesTest, AHintWithoutACellDoesNothing) {
  GG_GAMEPLAY& gameplay = Play();
  gameplay.Board().SetCellsLocked(true);
  gameplay.StartHint();
  EXPECT_FALSE(gameplay.IsBusy());
  EXPECT_EQ(gameplay.HintsHeld(), 2);
  EXPECT_EQ(FilledOpen(), 0);
}

TEST_F(GameplayRulesTest, AFlyingHintHoldsTheInputUntilItArrives) {
  pieces_.fly = true;
  GG_GAMEPLAY& gameplay = Play();
  gameplay.StartHint();
  ASSERT_NE(pieces_.hint_target, nullptr);
  EXPECT_TRUE(gameplay.IsBusy());
  EXPECT_EQ(gameplay.HintsHeld(), 1);
  EXPECT_EQ(pieces_.HintsShown(), 1);
  gameplay.StartHint();  // no second hint while one flies
  EXPECT_EQ(gameplay.HintsHeld(), 1);
  // Another cell than the target is ignored.
  for (const auto& cell : gameplay.Board().GetCells()) {
    if (cell.get() != pieces_.hint_target) {
      gameplay.UseHint(*cell);
      break;
    }
  }
  EXPECT_TRUE(gameplay.IsBusy());
  GG_ELEMENT& target = *pieces_.hint_target;
  gameplay.UseHint(target);
  EXPECT_FALSE(gameplay.IsBusy());
  EXPECT_TRUE(target.IsOpen());
  gameplay.UseHint(target);                                // a second arrival changes nothing
  EXPECT_EQ(host_.Player().GetStatistics().hint_use, 3u);  // the sample player's 2, and 1
  // A restart takes the flight down with the level.
  gameplay.StartHint();
  const int resets = pieces_.resets;
  gameplay.Restart();
  EXPECT_GT(pieces_.resets, resets);
  EXPECT_EQ(pieces_.hint_target, nullptr);
  EXPECT_FALSE(gameplay.IsBusy());
}

TEST_F(GameplayRulesTest, TheHintThatFinishesTheLevelIsSavedWithIt) {
  host_.Player().SetItemCount("start_hint", 5);
  GG_GAMEPLAY& gameplay = Play();
  for (int i = 0; i < 5; ++i) gameplay.StartHint();
  EXPECT_TRUE(gameplay.IsEnded());
  EXPECT_EQ(host_.Count("save"), 1);
  EXPECT_EQ(host_.Player().GetStatistics().hint_use, 7u);
  EXPECT_EQ(host_.Player().GetStatistics().without_hint, 0u);
  // The last hint's trophy test came before the win's save.
  const auto save = std::find(host_.calls.begin(), host_.calls.end(), "save");
  EXPECT_EQ(std::find(save, host_.calls.end(), "test pc_tr_hint_use"), host_.calls.end());
  EXPECT_EQ(std::count(host_.calls.begin(), save, "test pc_tr_hint_use"), 5);
}

TEST_F(GameplayRulesTest, StoreEventsRefillHintsAndAllowMoreErrors) {
  GG_GAMEPLAY& gameplay = Play();
  host_.Player().SetItemCount("start_hint", 3);
  gameplay.OnStoreEvent("buy", "refill_hint");
  EXPECT_EQ(gameplay.HintsHeld(), 5);
  EXPECT_EQ(pieces_.HintsShown(), 5);
  host_.Player().SetItemCount("errors", 7);
  gameplay.OnStoreEvent("buy", "errors");
  EXPECT_EQ(gameplay.AllowedErrors(), 7);
  EXPECT_EQ(pieces_.ErrorPlaces(), 7);
  // Another event, another product, or no level: nothing.
  gameplay.OnStoreEvent("restore", "refill_hint");
  gameplay.OnStoreEvent("buy", "health");
  EXPECT_EQ(gameplay.HintsHeld(), 5);
  gameplay.Stop();
  gameplay.OnStoreEvent("buy", "refill_hint");
  EXPECT_EQ(gameplay.HintsHeld(), 0);
  // Under the store flag a refill leaves the hints held alone.
  host_.in_app = true;
  gameplay_ = MakeGameplay();
  Play().OnStoreEvent("buy", "refill_hint");
  EXPECT_EQ(gameplay_->HintsHeld(), 0);
}

TEST_F(GameplayRulesTest, OutOfHintsNeedsNoneHeldAndAStartValue) {
  UseLevel(kTenCells);  // one cell opened is below the first threshold
  host_.Player().SetItemCount("start_hint", 1);
  GG_GAMEPLAY& gameplay = Play();
  EXPECT_FALSE(gameplay.IsOutOfHints());
  gameplay.StartHint();
  EXPECT_EQ(gameplay.HintsHeld(), 0);
  EXPECT_TRUE(gameplay.IsOutOfHints());
  host_.Player().SetItemCount("start_hint", 0);
  EXPECT_FALSE(gameplay.IsOutOfHints());
}

// --- What Stop and Restart leave behind.

TEST_F(GameplayRulesTest, RestartMidSweepOpensNoFinishWindow) {
  host_.sound_lengths["levelwin"] = 5.0f;
  GG_GAMEPLAY& gameplay = Play();
  FillPicture();
  Frames(3);
  ASSERT_TRUE(gameplay.Board().IsSweeping());
  const uint32_t generation = gameplay.Generation();
  gameplay.Restart();
  EXPECT_GT(gameplay.Generation(), generation);
  EXPECT_TRUE(gameplay.Bots().Empty());
  EXPECT_FALSE(gameplay.IsBusy());
  EXPECT_FALSE(gameplay.IsEnded());
  // The music is back at once, not after the sound.
  EXPECT_FALSE(gameplay.IsMusicLowered());
  EXPECT_EQ(host_.music_volumes.back(), 50.0f);
  Frames(120);
  EXPECT_FALSE(windows_.IsOpen("GP_Finish"));
  EXPECT_EQ(gameplay.FinishOpenedCount(), 0);
  EXPECT_EQ(host_.music_volumes.size(), 2u);
  // The finish window no longer calls the screen.
  windows_.Manager().OpenWindow("GP_Finish", true);
  Frames(2);
  EXPECT_EQ(gameplay.FinishOpenedCount(), 0);
}

TEST_F(GameplayRulesTest, RestartMidDialogueDelayOpensNoDialogue) {
  pieces_.animation_time = 1.0f;
  GG_GAMEPLAY& gameplay = Play();
  LoseByErrors();
  Frames(5);
  gameplay.Restart();
  Frames(40);
  EXPECT_TRUE(windows_.OpenNames().empty());
  EXPECT_FALSE(gameplay.IsBusy());
}

TEST_F(GameplayRulesTest, AnOpenDialogueNoLongerAnswersAfterStop) {
  GG_GAMEPLAY& gameplay = Play();
  LoseByErrors();
  Frames(6);
  test_support::AnswerableConfirm* dialog = windows_.Dialog("Confirm_Restart_Finish");
  ASSERT_TRUE(dialog->IsOpen());
  gameplay.Stop();
  host_.calls.clear();
  dialog->Click(3);
  EXPECT_TRUE(host_.calls.empty());
}

TEST_F(GameplayRulesTest, StopWhileTheFadeRunsLeavesNothingToCallBack) {
  GG_GAMEPLAY& gameplay = Play();
  gameplay.Leave(false, false);
  ASSERT_TRUE(windows_.IsOpen("Fade_Transition"));
  gameplay.Stop();
  Frames(20);
  EXPECT_EQ(host_.Count("levels"), 0);
}

// --- Missing windows never leave the level busy.

TEST_F(GameplayRulesTest, AMissingDialogueIsNamedAndTheLevelIsLeft) {
  test_support::LogCapture log;
  for (const char* name : {"Confirm_Restart_Finish", "Fade_Transition"}) {
    SCOPED_TRACE(name);
    test_support::RulesWindows windows({"Confirm_Restart_Finish", name});
    host_.windows = &windows.Manager();
    host_.calls.clear();
    GG_GAMEPLAY& gameplay = Play();
    LoseByErrors();
    ORB::FrameDelta().store(0.05f);
    for (int i = 0; i < 20; ++i) {
      gameplay.Update();
      windows.Manager().Update();
    }
    ORB::FrameDelta().store(0.0f);
    EXPECT_NE(ORB::GetErrorText().find("Confirm_Restart_Finish"), std::string::npos)
        << ORB::GetErrorText();
    EXPECT_EQ(host_.Count("levels"), 1);
    EXPECT_FALSE(gameplay.IsActive());
  }
  EXPECT_TRUE(log.Has("level: error: no window \"Fade_Transition\""));
}

TEST_F(GameplayRulesTest, AMissingFinishWindowIsNamedAndTheLevelIsLeft) {
  test_support::LogCapture log;
  test_support::RulesWindows windows({"GP_Finish"});
  host_.windows = &windows.Manager();
  GG_GAMEPLAY& gameplay = Play();
  FillPicture();
  ORB::FrameDelta().store(0.05f);
  for (int i = 0; i < 40; ++i) {
    gameplay.Update();
    windows.Manager().Update();
  }
  ORB::FrameDelta().store(0.0f);
  EXPECT_NE(ORB::GetErrorText().find("GP_Finish"), std::string::npos) << ORB::GetErrorText();
  EXPECT_EQ(host_.Count("levels"), 1);
  EXPECT_FALSE(gameplay.IsActive());
}

TEST_F(GameplayRulesTest, WithoutAWindowManagerTheLevelIsLeftAtOnce) {
  test_support::LogCapture log;
  host_.windows = nullptr;
  GG_GAMEPLAY& gameplay = Play();
  LoseByErrors();
  Frames(3);
  EXPECT_EQ(host_.Count("levels"), 1);
  EXPECT_FALSE(gameplay.IsActive());
}

}  // namespace
}  // namespace game
