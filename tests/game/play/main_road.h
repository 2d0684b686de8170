#pragma once
// Plays a level the way a player does: presses, drags and releases in game
// coordinates, one frame a step, reaching the screen (and then the windows,
// when a window manager is given) through the engine's mouse and button
// hooks as the game hub forwards them; the solution is read from the level
// file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "engine/foundation/hooks.h"
#include "framework/window_manager.h"
#include "game/play/gameplay.h"
#include "game/play/level_file.h"
#include "support/scripted_input.h"

namespace test_support {

class MainRoad {
 public:
  MainRoad(game::cGameplayHost& host, game::GG_GAMEPLAY& gameplay,
           ORB_GF::G_WINDOW_MANAGER* windows = nullptr)
      : host_(host), gameplay_(gameplay), windows_(windows), input_([this] { Frame(); }) {
    ORB::SetHook(ORB::Hook::MouseMove, [this](intptr_t) {
      const int32_t result = gameplay_.OnPointerMove();
      if (windows_ != nullptr) windows_->HandleMouseMove();
      return result;
    });
    ORB::SetHook(ORB::Hook::KeyDown, [this](intptr_t code) {
      last_down_ = gameplay_.OnButtonDown(static_cast<int32_t>(code));
      if (windows_ != nullptr) windows_->HandleMouseDown(static_cast<int32_t>(code));
      return last_down_;
    });
    ORB::SetHook(ORB::Hook::KeyUp, [this](intptr_t code) {
      const int32_t result = gameplay_.OnButtonUp(static_cast<int32_t>(code));
      if (windows_ != nullptr) windows_->HandleMouseUp(static_cast<int32_t>(code));
      return result;
    });
  }
  ~MainRoad() {
    for (ORB::Hook hook : {ORB::Hook::MouseMove, ORB::Hook::KeyDown, ORB::Hook::KeyUp}) {
      ORB::ClearHook(hook);
    }
  }
  MainRoad(const MainRoad&) = delete;
  MainRoad& operator=(const MainRoad&) = delete;

  // The level's solution, read from its file: true for a picture cell.
  std::vector<std::vector<bool>> Solution(const std::string& name) {
    pugi::xml_document* document = host_.GetDocument(name);
    EXPECT_NE(document, nullptr) << name;
    std::vector<std::vector<bool>> picture;
    if (document == nullptr) return picture;
    game::LevelFile level;
    EXPECT_TRUE(level.Read(*document, name)) << level.Error();
    const int32_t columns = level.Settings().grid.x;
    for (size_t i = 0; i < level.CellTypes().size(); ++i) {
      if (i % static_cast<size_t>(columns) == 0) picture.emplace_back();
      picture.back().push_back(level.CellTypes()[i] == game::GG_ELEMENT::kFilled);
    }
    host_.ReleaseDocument(document);
    return picture;
  }

  // One frame of the hub: the screen, then the windows; then the drawing,
  // when a test gives one.
  void Frame() {
    gameplay_.Update();
    if (windows_ != nullptr) windows_->Update();
    if (draw_) draw_();
  }
  void SetDraw(std::function<void()> draw) { draw_ = std::move(draw); }
  // Frames without input.
  void Idle(int32_t frames) { input_.Idle(frames); }

  void PointAt(int32_t row, int32_t col) {
    const ORB::Vector2 centre = gameplay_.Settings().CellCentre(row, col);
    input_.Move(static_cast<int32_t>(centre.x), static_cast<int32_t>(centre.y));
  }

  // Wrong guesses one cell at a time, row by row, until the level has
  // ended: empty cells filled with the first button, or (`crossPicture`)
  // picture cells crossed with the second.
  void GuessWrongUntilLost(const std::vector<std::vector<bool>>& picture, bool crossPicture) {
    for (size_t row = 0; row < picture.size(); ++row) {
      for (size_t col = 0; col < picture[row].size(); ++col) {
        if (gameplay_.IsEnded()) return;
        if (picture[row][col] != crossPicture) continue;
        Stroke(static_cast<int32_t>(row), static_cast<int32_t>(col), static_cast<int32_t>(row),
               static_cast<int32_t>(col), crossPicture ? 2 : 1);
      }
    }
  }
  // A click of the first button at a point of the screen.
  void Click(int32_t x, int32_t y) { input_.Click(x, y); }

  // A press on the first cell, a drag through every cell to the last, a
  // release; then frames until the cells have shown (each cell shows one
  // open delay step after the one before: a long line needs more frames).
  void Stroke(int32_t row0, int32_t col0, int32_t row1, int32_t col1, int32_t button) {
    PointAt(row0, col0);
    last_down_ = ORB::kResultNone;
    input_.Press(button);
    ASSERT_EQ(last_down_, ORB::kEventSwallowed) << row0 << "," << col0;
    const int32_t steps = std::max(std::abs(row1 - row0), std::abs(col1 - col0));
    for (int32_t i = 1; i <= steps; ++i) {
      PointAt(row0 + (row1 - row0) * i / steps, col0 + (col1 - col0) * i / steps);
    }
    EXPECT_EQ(gameplay_.Selection().size(), static_cast<size_t>(steps + 1));
    input_.Release(button);
    const float step = gameplay_.Board().OpenDelayStep();
    const float frame = 1.0f / 60.0f;
    input_.Idle(30 + static_cast<int32_t>(static_cast<float>(steps) * step / frame) + 1);
  }

  // Crosses the empty cells (of the first `crossColumns` columns; all by
  // default) with the second button, then fills every run of picture cells
  // with the first: the level ends with its last picture cell.
  void Solve(const std::vector<std::vector<bool>>& picture, int32_t crossColumns = 1 << 30) {
    const int32_t rows = static_cast<int32_t>(picture.size());
    const int32_t columns = static_cast<int32_t>(picture[0].size());
    // First the empty cells, crossed with the second button, column by
    // column from the bottom up: the level ends with its last picture cell.
    for (int32_t col = 0; col < columns && col < crossColumns; ++col) {
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
  game::cGameplayHost& host_;
  game::GG_GAMEPLAY& gameplay_;
  ORB_GF::G_WINDOW_MANAGER* windows_;
  ScriptedInput input_;
  int32_t last_down_ = ORB::kResultNone;  // the screen's answer to the last press
  std::function<void()> draw_;
};

}  // namespace test_support
