// Every shipped level, read from the level archive through the repository,
// has exactly one picture that fits its clues, and that picture is the
// level's. The solver here is the test's own, apart from the level
// generator's: per line a table of which prefixes of the line can hold which
// first runs and which suffixes the last ones, lines solved in turn until
// nothing changes, then a guess on the first open cell, both ways.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/foundation/result_codes.h"
#include "game/play/element.h"
#include "game/play/level_file.h"
#include "support/game_host.h"

namespace game {
namespace {

enum Cell : int8_t { kUnknown = 0, kFilled = 1, kEmpty = 2 };
using Clue = std::vector<int>;

// The cells every arrangement of the clue over the line agrees on, written
// into `line`; false when no arrangement fits what the line already holds.
bool SolveLine(const Clue& clue, std::vector<Cell>& line) {
  const int n = static_cast<int>(line.size());
  const int k = static_cast<int>(clue.size());
  // emptyBefore[i]: empty cells among 0..i-1; a run fits where it covers none.
  std::vector<int> emptyBefore(static_cast<size_t>(n) + 1, 0);
  for (int i = 0; i < n; ++i) emptyBefore[i + 1] = emptyBefore[i] + (line[i] == kEmpty ? 1 : 0);
  const auto runFits = [&](int start, int length) {
    return start >= 0 && start + length <= n && emptyBefore[start + length] == emptyBefore[start];
  };
  const auto at = [n](int i, int j) {
    return static_cast<size_t>(i) * (static_cast<size_t>(n) + 1) + j;
  };
  // head[at(j, i)]: the first j runs fit into cells 0..i-1, the last of them
  // ending anywhere up to i - 1, and no filled cell of 0..i-1 is left over.
  // tail[at(j, i)]: runs j..k-1 fit into cells i..n-1 in the same way.
  std::vector<char> head(static_cast<size_t>(k + 1) * (n + 1), 0);
  std::vector<char> tail(static_cast<size_t>(k + 1) * (n + 1), 0);
  head[at(0, 0)] = 1;
  for (int i = 1; i <= n; ++i) {
    for (int j = 0; j <= k; ++j) {
      bool ok = line[i - 1] != kFilled && head[at(j, i - 1)];
      if (!ok && j > 0) {
        const int start = i - clue[j - 1];
        if (runFits(start, clue[j - 1])) {
          ok = start == 0 ? j == 1 : (line[start - 1] != kFilled && head[at(j - 1, start - 1)]);
        }
      }
      head[at(j, i)] = ok;
    }
  }
  tail[at(k, n)] = 1;
  for (int i = n - 1; i >= 0; --i) {
    for (int j = k; j >= 0; --j) {
      bool ok = line[i] != kFilled && tail[at(j, i + 1)];
      if (!ok && j < k) {
        const int end = i + clue[j];
        if (runFits(i, clue[j])) {
          ok = end == n ? j == k - 1 : (line[end] != kFilled && tail[at(j + 1, end + 1)]);
        }
      }
      tail[at(j, i)] = ok;
    }
  }
  if (!head[at(k, n)]) return false;

  std::vector<char> canFill(static_cast<size_t>(n), 0);
  std::vector<char> canEmpty(static_cast<size_t>(n), 0);
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j <= k && !canEmpty[i]; ++j) {
      canEmpty[i] = line[i] != kFilled && head[at(j, i)] && tail[at(j, i + 1)];
    }
  }
  for (int j = 0; j < k; ++j) {
    for (int start = 0; start + clue[j] <= n; ++start) {
      const int end = start + clue[j];
      if (!runFits(start, clue[j])) continue;
      const bool before =
          start == 0 ? j == 0 : (line[start - 1] != kFilled && head[at(j, start - 1)]);
      const bool after = end == n ? j == k - 1 : (line[end] != kFilled && tail[at(j + 1, end + 1)]);
      if (before && after) {
        for (int p = start; p < end; ++p) canFill[p] = 1;
      }
    }
  }
  for (int i = 0; i < n; ++i) {
    if (!canFill[i] && !canEmpty[i]) return false;
    if (canFill[i] != canEmpty[i]) line[i] = canFill[i] ? kFilled : kEmpty;
  }
  return true;
}

class Nonogram {
 public:
  Nonogram(std::vector<Clue> rows, std::vector<Clue> columns)
      : rows_(std::move(rows)), columns_(std::move(columns)) {}

  // The pictures that fit, up to `limit` of them.
  std::vector<std::vector<Cell>> Solve(size_t limit) {
    std::vector<std::vector<Cell>> found;
    Search(std::vector<Cell>(rows_.size() * columns_.size(), kUnknown), limit, found);
    return found;
  }

 private:
  size_t Width() const { return columns_.size(); }

  bool Settle(std::vector<Cell>& grid) const {
    for (bool changed = true; changed;) {
      changed = false;
      for (size_t r = 0; r < rows_.size(); ++r) {
        std::vector<Cell> line(grid.begin() + static_cast<std::ptrdiff_t>(r * Width()),
                               grid.begin() + static_cast<std::ptrdiff_t>((r + 1) * Width()));
        if (!SolveLine(rows_[r], line)) return false;
        for (size_t c = 0; c < Width(); ++c) {
          if (grid[r * Width() + c] != line[c]) changed = true;
          grid[r * Width() + c] = line[c];
        }
      }
      for (size_t c = 0; c < Width(); ++c) {
        std::vector<Cell> line(rows_.size());
        for (size_t r = 0; r < rows_.size(); ++r) line[r] = grid[r * Width() + c];
        if (!SolveLine(columns_[c], line)) return false;
        for (size_t r = 0; r < rows_.size(); ++r) {
          if (grid[r * Width() + c] != line[r]) changed = true;
          grid[r * Width() + c] = line[r];
        }
      }
    }
    return true;
  }

  void Search(std::vector<Cell> grid, size_t limit, std::vector<std::vector<Cell>>& found) const {
    if (found.size() >= limit || !Settle(grid)) return;
    for (size_t i = 0; i < grid.size(); ++i) {
      if (grid[i] != kUnknown) continue;
      for (const Cell guess : {kFilled, kEmpty}) {
        std::vector<Cell> trial = grid;
        trial[i] = guess;
        Search(std::move(trial), limit, found);
      }
      return;
    }
    found.push_back(std::move(grid));
  }

  std::vector<Clue> rows_;
  std::vector<Clue> columns_;
};

// The runs of filled cells along a line of the picture.
Clue ClueOf(const std::vector<Cell>& picture, size_t first, size_t step, size_t count) {
  Clue clue;
  int run = 0;
  for (size_t i = 0; i < count; ++i) {
    if (picture[first + i * step] == kFilled) {
      ++run;
    } else if (run > 0) {
      clue.push_back(run);
      run = 0;
    }
  }
  if (run > 0) clue.push_back(run);
  return clue;
}

std::vector<Cell> Picture(const std::vector<std::string>& rows) {
  std::vector<Cell> picture;
  for (const std::string& row : rows) {
    for (const char c : row) picture.push_back(c == '#' ? kFilled : kEmpty);
  }
  return picture;
}

Nonogram PuzzleOf(const std::vector<Cell>& picture, size_t width, size_t height) {
  std::vector<Clue> rows, columns;
  for (size_t r = 0; r < height; ++r) rows.push_back(ClueOf(picture, r * width, 1, width));
  for (size_t c = 0; c < width; ++c) columns.push_back(ClueOf(picture, c, width, height));
  return Nonogram(rows, columns);
}

// The solver itself on pictures whose answer is known.
TEST(UniqueSolutionTest, SolverCountsThePicturesThatFit) {
  const struct {
    std::vector<std::string> rows;
    size_t solutions;
  } cases[] = {
      {{"#.#", ".#.", "#.#"}, 1},
      {{"##.", "#..", "..."}, 1},
      {{"#.", ".#"}, 2},                       // the two diagonals share their clues
      {{"...", "...", "..."}, 1},              // an empty board
      {{"#..#", ".##.", ".##.", "#..#"}, 3},   // three pictures share these clues
      {{"#...", ".#..", "..#.", "...#"}, 24},  // every placement of four rooks
      {{"##.##", "#...#", ".....", "#...#", "##.##"}, 1},
  };
  for (const auto& c : cases) {
    const std::vector<Cell> picture = Picture(c.rows);
    Nonogram puzzle = PuzzleOf(picture, c.rows[0].size(), c.rows.size());
    const auto found = puzzle.Solve(100);
    EXPECT_EQ(found.size(), c.solutions) << c.rows[0];
    if (c.solutions == 1 && !found.empty()) {
      EXPECT_EQ(found[0], picture) << c.rows[0];
    }
  }
  // A line that cannot hold its clue.
  std::vector<Cell> line(3, kUnknown);
  EXPECT_FALSE(SolveLine({2, 1}, line));
  line = {kUnknown, kEmpty, kUnknown, kUnknown};
  EXPECT_TRUE(SolveLine({2}, line));
  EXPECT_EQ(line, (std::vector<Cell>{kEmpty, kEmpty, kFilled, kFilled}));
}

TEST(UniqueSolutionTest, EveryShippedLevelHasExactlyOnePicture) {
  test_support::ShippedHost host;
  ASSERT_EQ(host.archive_added, ORB::kResultOk);
  const std::vector<std::string> levels = host.LevelNames();
  ASSERT_GE(levels.size(), 60u);
  for (const std::string& name : levels) {
    SCOPED_TRACE(name);
    pugi::xml_document* document = host.GetDocument(name);
    ASSERT_NE(document, nullptr);
    LevelFile level;
    const bool read = level.Read(*document, name);
    host.ReleaseDocument(document);
    ASSERT_TRUE(read) << level.Error();
    const auto width = static_cast<size_t>(level.Settings().grid.x);
    const auto height = static_cast<size_t>(level.Settings().grid.y);
    std::vector<Cell> picture;
    for (const uint32_t type : level.CellTypes()) {
      ASSERT_NE(type, GG_ELEMENT::kInert) << "a shipped level has no inert cells";
      picture.push_back(type == GG_ELEMENT::kFilled ? kFilled : kEmpty);
    }
    Nonogram puzzle = PuzzleOf(picture, width, height);
    const auto found = puzzle.Solve(2);
    ASSERT_EQ(found.size(), 1u) << (found.empty() ? "no picture fits"
                                                  : "more than one picture fits");
    EXPECT_EQ(found[0], picture);
  }
}

}  // namespace
}  // namespace game
