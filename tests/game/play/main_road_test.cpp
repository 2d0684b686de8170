// The main road on every shipped level: load it from the level archive for
// the shipped template player, solve it with scripted presses, drags and
// releases in game coordinates (the solution read from the level file), and
// check that the whole picture is open, every clue number is crossed, no
// error was counted, the win was saved once and "GP_Finish" opened once,
// after the sweep. Then one level is lost: its dialogue offers the restart,
// and the restart gives a clean level.
#include "main_road.h"

#include <gtest/gtest.h>

#include "engine/foundation/timer.h"
#include "framework/trophy_list.h"
#include "game/play/gameplay.h"
#include "support/game_host.h"
#include "support/rules_windows.h"

namespace game {
namespace {

// "data/share/main/levels pack_2/anchor.xml" -> pack 2 and the id of the
// template player's level whose file is "anchor.xml"; false when none.
bool FindLevel(GG_PLAYER& player, const std::string& name, int32_t* packId, int32_t* levelId) {
  const size_t pack = name.find("pack_");
  const size_t slash = name.rfind('/');
  if (pack == std::string::npos || slash == std::string::npos) return false;
  *packId = std::stoi(name.substr(pack + 5, slash - pack - 5));
  const gPackState* state = player.FindPack(*packId);
  if (state == nullptr) return false;
  for (int32_t i = 0; i < state->GetLevelCount(); ++i) {
    if (state->GetLevelAt(i)->GetFile() == name.substr(slash + 1)) {
      *levelId = state->GetLevelAt(i)->GetId();
      return true;
    }
  }
  return false;
}

class MainRoadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(host_.archive_added, ORB::kResultOk);
    ASSERT_EQ(host_.process_added, ORB::kResultOk);
    ASSERT_TRUE(host_.player_loaded);
    ASSERT_TRUE(trophies_.Load(host_.Repository(), "data/share/main/other trophies.xml"));
    host_.trophies = &trophies_;
    host_.windows = &windows_.Manager();
    host_.gameplay = &gameplay_;
    ORB::FrameDelta().store(1.0f / 60.0f);
  }
  void TearDown() override { ORB::FrameDelta().store(0.0f); }

  // Makes the level of that name the host's current one.
  void Choose(const std::string& name) {
    ASSERT_TRUE(FindLevel(host_.Player(), name, &host_.pack_id, &host_.level_id)) << name;
  }

  test_support::ShippedHost host_;
  ORB_GF::TrophyList trophies_;
  test_support::RulesWindows windows_;
  GG_GAMEPLAY gameplay_{&host_};
};

TEST_F(MainRoadTest, EveryShippedLevelIsWonByPointer) {
  const std::vector<std::string> levels = host_.LevelNames();
  ASSERT_GE(levels.size(), 6u);
  test_support::MainRoad road(host_, gameplay_, &windows_.Manager());
  test_support::ResultsWindow* finish = windows_.Finish();
  int finishOpenings = 0;
  finish->on_open_begin = [&] {
    ++finishOpenings;
    // Only after the sweep has lit the whole picture.
    EXPECT_FALSE(gameplay_.Board().IsSweeping());
    for (const GG_ELEMENT* cell : gameplay_.Board().CellsToFind()) EXPECT_TRUE(cell->EndStarted());
  };
  int saves = 0;
  for (const std::string& name : levels) {
    SCOPED_TRACE(name);
    Choose(name);
    const auto picture = road.Solution(name);
    ASSERT_FALSE(picture.empty());
    ASSERT_TRUE(gameplay_.Load(name)) << gameplay_.LastError();
    EXPECT_EQ(gameplay_.AllowedErrors(), 5);  // the template player's rule values
    const BoardSettings& s = gameplay_.Settings();
    EXPECT_GE(s.grid.x, 5);
    EXPECT_LE(s.grid.x, 20);
    // The board stays on the 1024 x 768 canvas; where its clue numbers go is
    // checked, number by number, by clue_layout_test.cpp.
    EXPECT_GE(s.frameCorner.x, 0.0f);
    EXPECT_GE(s.frameCorner.y, 0.0f);
    EXPECT_LE(s.frameCorner.x + static_cast<float>(s.width), 1024.0f);
    EXPECT_LE(s.frameCorner.y + static_cast<float>(s.height), 768.0f);
    const int before = finishOpenings;

    road.Solve(picture);

    for (const auto& cell : gameplay_.Board().GetCells()) {
      EXPECT_TRUE(cell->IsOpen()) << cell->Row() << "," << cell->Col();
      EXPECT_TRUE(cell->IsRevealed()) << cell->Row() << "," << cell->Col();
    }
    EXPECT_DOUBLE_EQ(gameplay_.Board().GetProgress(), 1.0);
    EXPECT_TRUE(gameplay_.Board().Numbers().AllCrossed());
    EXPECT_EQ(gameplay_.Errors(), 0);
    EXPECT_TRUE(gameplay_.IsEnded());
    EXPECT_TRUE(gameplay_.IsBusy());
    for (const std::string& sound : host_.sounds) EXPECT_NE(sound, "errorclick");
    EXPECT_EQ(host_.Count("save"), ++saves);
    EXPECT_EQ(host_.Player().FindLevel(host_.pack_id, host_.level_id)->GetStars(), 3);

    road.Idle(120);  // the sweep, then the finish window
    EXPECT_EQ(finishOpenings, before + 1);
    EXPECT_TRUE(windows_.IsOpen("GP_Finish"));
    ASSERT_EQ(finish->results.size(), static_cast<size_t>(saves));
    EXPECT_EQ(finish->results.back().level_id, host_.level_id);
    EXPECT_EQ(finish->results.back().errors, 0);
    host_.sounds.clear();
    windows_.Manager().CloseWindow("GP_Finish", true);
    road.Idle(2);
    gameplay_.Stop();
  }
  EXPECT_EQ(finish->opened, static_cast<int>(levels.size()));
  // Every pack was completed: its trophy came, with the stars' and coins'.
  for (const char* trophy : {"tr_pack_1", "tr_pack_2", "tr_pack_3", "tr_pack_4", "tr_stars_3"}) {
    EXPECT_TRUE(trophies_.IsGot(trophy)) << trophy;
  }
  EXPECT_EQ(host_.Player().CountThreeStarLevels(), static_cast<int32_t>(levels.size()));
  // Every document went back to the repository.
  EXPECT_GT(host_.Repository().UnloadUnused(), 0);
  for (const auto& folder : host_.Repository().Folders()) {
    for (const auto& record : folder->records) EXPECT_EQ(record.second->uses, 0) << record.first;
  }
}

TEST_F(MainRoadTest, ALostLevelOffersTheRestartWhichGivesACleanLevel) {
  const std::string name = host_.LevelNames().front();
  Choose(name);
  test_support::MainRoad road(host_, gameplay_, &windows_.Manager());
  const auto picture = road.Solution(name);
  ASSERT_TRUE(gameplay_.Load(name)) << gameplay_.LastError();
  const int32_t hearts = host_.Player().GetHealth().GetCount();

  road.GuessWrongUntilLost(picture, false);
  EXPECT_TRUE(gameplay_.IsEnded());
  EXPECT_EQ(gameplay_.Errors(), 5);
  EXPECT_EQ(host_.Count("sound levelloose"), 1);
  EXPECT_EQ(host_.Player().GetHealth().GetCount(), hearts - 1);
  EXPECT_EQ(host_.Player().GetStatistics().bad_level, 1u);
  road.Idle(30);
  // No store sells second chances here: the restart question.
  ASSERT_EQ(windows_.OpenNames(), (std::vector<std::string>{"Confirm_Restart_Finish"}));
  windows_.Dialog("Confirm_Restart_Finish")->Click(3);
  EXPECT_EQ(host_.Count("restart"), 1);
  road.Idle(30);
  EXPECT_TRUE(windows_.OpenNames().empty());
  EXPECT_TRUE(gameplay_.IsActive());
  EXPECT_FALSE(gameplay_.IsBusy());
  EXPECT_EQ(gameplay_.Errors(), 0);
  for (const auto& cell : gameplay_.Board().GetCells()) EXPECT_FALSE(cell->IsOpen());
  // And the restarted level is won as any other.
  road.Solve(picture);
  EXPECT_TRUE(gameplay_.IsEnded());
  EXPECT_EQ(gameplay_.Errors(), 0);
  EXPECT_EQ(host_.Count("save"), 1);
}

}  // namespace
}  // namespace game
