// The main road on every shipped level: load it from the level archive,
// solve it with scripted presses, drags and releases in game coordinates
// (the solution read from the level file), and check that the whole picture
// is open, every clue number is crossed and no error was counted.
#include <gtest/gtest.h>

#include "engine/foundation/input_state.h"
#include "engine/foundation/timer.h"
#include "game/play/gameplay.h"
#include "game/play/level_file.h"
#include "shipped_host.h"

namespace game {
namespace {

class MainRoad {
 public:
  MainRoad(testing::ShippedHost& host, GG_GAMEPLAY& gameplay) : host_(host), gameplay_(gameplay) {}

  // The level's solution, read from its file: true for a picture cell.
  std::vector<std::vector<bool>> Solution(const std::string& name) {
    pugi::xml_document* document = host_.GetDocument(name);
    EXPECT_NE(document, nullptr) << name;
    std::vector<std::vector<bool>> picture;
    if (document == nullptr) return picture;
    LevelFile level;
    EXPECT_TRUE(level.Read(*document, name)) << level.Error();
    const int32_t columns = level.Settings().grid.x;
    for (size_t i = 0; i < level.CellTypes().size(); ++i) {
      if (i % static_cast<size_t>(columns) == 0) picture.emplace_back();
      picture.back().push_back(level.CellTypes()[i] == GG_ELEMENT::kFilled);
    }
    host_.ReleaseDocument(document);
    return picture;
  }

  void PointAt(int32_t row, int32_t col) {
    const ORB::Vector2 centre = gameplay_.Settings().CellCentre(row, col);
    input_.OnMouseMove(static_cast<int32_t>(centre.x), static_cast<int32_t>(centre.y));
    gameplay_.OnPointerMove();
  }

  // A press on the first cell, a drag through every cell to the last, a
  // release; then frames until the cells have shown.
  void Stroke(int32_t row0, int32_t col0, int32_t row1, int32_t col1, int32_t button) {
    PointAt(row0, col0);
    ASSERT_EQ(gameplay_.OnButtonDown(button), -109) << row0 << "," << col0;
    input_.OnKeyDown(button);
    const int32_t steps = std::max(std::abs(row1 - row0), std::abs(col1 - col0));
    for (int32_t i = 1; i <= steps; ++i) {
      PointAt(row0 + (row1 - row0) * i / steps, col0 + (col1 - col0) * i / steps);
    }
    EXPECT_EQ(gameplay_.Selection().size(), static_cast<size_t>(steps + 1));
    gameplay_.OnButtonUp(button);
    input_.OnKeyUp(button);
    for (int frame = 0; frame < 30; ++frame) gameplay_.Update();
  }

  void Solve(const std::vector<std::vector<bool>>& picture) {
    const int32_t rows = static_cast<int32_t>(picture.size());
    const int32_t columns = static_cast<int32_t>(picture[0].size());
    // First the empty cells, crossed with the second button, column by
    // column from the bottom up: the level ends with its last picture cell.
    for (int32_t col = 0; col < columns; ++col) {
      for (int32_t row = rows - 1; row >= 0;) {
        if (picture[static_cast<size_t>(row)][static_cast<size_t>(col)]) {
          --row;
          continue;
        }
        int32_t top = row;
        while (top > 0 && !picture[static_cast<size_t>(top - 1)][static_cast<size_t>(col)]) --top;
        Stroke(row, col, top, col, 2);
        row = top - 1;
      }
    }
    // Then each row's runs of picture cells with the first button, every
    // other row from right to left.
    for (int32_t row = 0; row < rows; ++row) {
      const auto& line = picture[static_cast<size_t>(row)];
      for (int32_t col = 0; col < columns;) {
        if (!line[static_cast<size_t>(col)]) {
          ++col;
          continue;
        }
        int32_t end = col;
        while (end + 1 < columns && line[static_cast<size_t>(end + 1)]) ++end;
        if (row % 2 == 0) {
          Stroke(row, col, row, end, 1);
        } else {
          Stroke(row, end, row, col, 1);
        }
        col = end + 1;
      }
    }
  }

 private:
  testing::ShippedHost& host_;
  GG_GAMEPLAY& gameplay_;
  ORB::InputState input_;
};

TEST(MainRoadTest, EveryShippedLevelSolvesByPointer) {
  testing::ShippedHost host;
  ASSERT_EQ(host.archive_added, 1);
  ASSERT_EQ(host.process_added, 1);
  const std::vector<std::string> levels = host.LevelNames();
  ASSERT_GE(levels.size(), 6u);
  ORB::FrameDelta().store(1.0f / 60.0f);

  GG_GAMEPLAY gameplay(&host);
  MainRoad road(host, gameplay);
  for (const std::string& name : levels) {
    SCOPED_TRACE(name);
    const auto picture = road.Solution(name);
    ASSERT_FALSE(picture.empty());
    ASSERT_TRUE(gameplay.Load(name)) << gameplay.LastError();
    const BoardSettings& s = gameplay.Settings();
    EXPECT_GE(s.grid.x, 5);
    EXPECT_LE(s.grid.x, 15);
    // The board with its clue strips stays on the 1024 x 768 canvas.
    EXPECT_GE(s.frameCorner.x - 160.0f, 0.0f);
    EXPECT_GE(s.frameCorner.y - 160.0f, 0.0f);
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
