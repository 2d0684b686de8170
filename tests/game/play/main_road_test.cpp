// The main road on every shipped level: load it from the level archive,
// solve it with scripted presses, drags and releases in game coordinates
// (the solution read from the level file), and check that the whole picture
// is open, every clue number is crossed and no error was counted.
#include "main_road.h"

#include <gtest/gtest.h>

#include "engine/foundation/timer.h"
#include "game/play/gameplay.h"
#include "support/game_host.h"

namespace game {
namespace {

TEST(MainRoadTest, EveryShippedLevelSolvesByPointer) {
  test_support::ShippedHost host;
  ASSERT_EQ(host.archive_added, ORB::kResultOk);
  ASSERT_EQ(host.process_added, ORB::kResultOk);
  const std::vector<std::string> levels = host.LevelNames();
  ASSERT_GE(levels.size(), 6u);
  ORB::FrameDelta().store(1.0f / 60.0f);

  GG_GAMEPLAY gameplay(&host);
  test_support::MainRoad road(host, gameplay);
  for (const std::string& name : levels) {
    SCOPED_TRACE(name);
    const auto picture = road.Solution(name);
    ASSERT_FALSE(picture.empty());
    ASSERT_TRUE(gameplay.Load(name)) << gameplay.LastError();
    const BoardSettings& s = gameplay.Settings();
    EXPECT_GE(s.grid.x, 5);
    EXPECT_LE(s.grid.x, 20);
    // The board stays on the 1024 x 768 canvas; where its clue numbers go is
    // checked, number by number, by clue_layout_test.cpp.
    EXPECT_GE(s.frameCorner.x, 0.0f);
    EXPECT_GE(s.frameCorner.y, 0.0f);
    EXPECT_LE(s.frameCorner.x + static_cast<float>(s.width), 1024.0f);
    EXPECT_LE(s.frameCorner.y + static_cast<float>(s.height), 768.0f);

    road.Solve(picture);

    for (const auto& cell : gameplay.Board().GetCells()) {
      EXPECT_TRUE(cell->IsOpen()) << cell->Row() << "," << cell->Col();
      EXPECT_TRUE(cell->IsRevealed()) << cell->Row() << "," << cell->Col();
    }
    EXPECT_DOUBLE_EQ(gameplay.Board().GetProgress(), 1.0);
    EXPECT_TRUE(gameplay.Board().Numbers().AllCrossed());
    EXPECT_EQ(gameplay.Errors(), 0);
    EXPECT_TRUE(gameplay.IsEnded());
    EXPECT_TRUE(gameplay.IsBusy());
    for (const std::string& sound : host.sounds) EXPECT_NE(sound, "errorclick");
    host.sounds.clear();
    gameplay.Stop();
  }
  ORB::FrameDelta().store(0.0f);
  // Every document went back to the repository.
  EXPECT_GT(host.Repository().UnloadUnused(), 0);
  for (const auto& folder : host.Repository().Folders()) {
    for (const auto& record : folder->records) EXPECT_EQ(record.second->uses, 0) << record.first;
  }
}

}  // namespace
}  // namespace game
