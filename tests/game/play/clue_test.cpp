// Clue runs and the crossing rules, with lines written as text:
//   '#' a picture cell already opened, 'o' a picture cell still closed,
//   'x' an empty cell already crossed, '.' an empty cell still closed.
#include <gtest/gtest.h>

#include "game/play/level_file.h"
#include "game/play/number_cross.h"
#include "game/play/process.h"
#include "support/game_host.h"
#include "support/text_board.h"

namespace game {
namespace {

using Axis = GG_NUMBERCROSS::Axis;

// A board whose row 0 is the line under test; a second row holds one
// picture cell so that any line is a valid level.
class LineBoard {
 public:
  explicit LineBoard(const std::string& line) {
    test_support::LevelText text;
    std::string solution;
    for (const char c : line) solution += (c == '#' || c == 'o') ? '#' : '.';
    text.rows = {solution, "#" + std::string(line.size() - 1, '.')};
    text.block = "0 0";
    text.shiftBlock = "0 0";
    EXPECT_TRUE(test_support::BuildBoard(text, level_, settings_, board_));
    for (size_t i = 0; i < line.size(); ++i) {
      GG_ELEMENT* cell = board_.CellAt(0, static_cast<int32_t>(i));
      if (line[i] == '#') cell->OpenAsFilled(0.0);
      if (line[i] == 'x') cell->OpenAsEmpty(0.0);
    }
  }

  GG_NUMBERCROSS& Numbers() { return board_.Numbers(); }
  GG_PROCESS& Board() { return board_; }

  // The row's clue, e.g. "3 1".
  std::string Clue() {
    std::string clue;
    for (const NumberRun* run : Numbers().RowRuns(0)) {
      if (!clue.empty()) clue += ' ';
      clue += std::to_string(run->length);
    }
    return clue;
  }
  // 'X' for a crossed number, '-' for one still open, in clue order.
  std::string Crossed() {
    std::string marks;
    for (const NumberRun* run : Numbers().RowRuns(0)) marks += run->crossed ? 'X' : '-';
    return marks;
  }

 private:
  LevelFile level_;
  BoardSettings settings_;
  GG_PROCESS board_;
};

TEST(ClueRunsTest, RunsAreTheLengthsOfPictureStretches) {
  const struct {
    const char* line;
    const char* clue;
  } cases[] = {
      {"ooo..o", "3 1"}, {"......", "0"}, {"o.o.o.", "1 1 1"}, {"oooooo", "6"},
      {".oo.oo", "2 2"}, {"o.....", "1"}, {".....o", "1"},
  };
  for (const auto& c : cases) {
    LineBoard board(c.line);
    EXPECT_EQ(board.Clue(), c.clue) << c.line;
  }
}

TEST(ClueRunsTest, RunsKnowTheirCells) {
  LineBoard board("ooo..o");
  const auto& row = board.Numbers().RowRuns(0);
  ASSERT_EQ(row.size(), 2u);
  EXPECT_EQ(row[0]->firstCol, 0u);
  EXPECT_EQ(row[0]->lastCol, 2u);
  EXPECT_EQ(row[1]->firstCol, 5u);
  EXPECT_EQ(row[1]->lastCol, 5u);
  EXPECT_EQ(row[1]->firstRow, 0u);
  // Column 0 holds the picture cells of both rows: one run of 2.
  const auto& column = board.Numbers().ColumnRuns(0);
  ASSERT_EQ(column.size(), 1u);
  EXPECT_EQ(column[0]->length, 2u);
  EXPECT_EQ(column[0]->firstRow, 0u);
  EXPECT_EQ(column[0]->lastRow, 1u);
  // An empty column's clue is a 0 over the whole column.
  const auto& empty = board.Numbers().ColumnRuns(3);
  ASSERT_EQ(empty.size(), 1u);
  EXPECT_EQ(empty[0]->length, 0u);
  EXPECT_EQ(empty[0]->lastRow, 1u);
}

TEST(ClueLineTest, LongestOpenStretch) {
  const struct {
    const char* line;
    int32_t from, to, expected;
  } cases[] = {
      {"......", 0, 5, 6}, {"..x...", 0, 5, 3}, {"..#...", 0, 5, 2},  // the cells beside a known
                                                                      // picture cell do not count
      {"#.....", 0, 5, 4}, {".....#", 0, 5, 4}, {"x.x.x.", 0, 5, 1}, {"xxxxxx", 0, 5, 0},
      {"......", 2, 3, 2}, {"......", 4, 3, 0},  // an empty range
  };
  for (const auto& c : cases) {
    LineBoard board(c.line);
    EXPECT_EQ(board.Numbers().LongestOpenStretch(Axis::Row, 0, c.from, c.to), c.expected)
        << c.line << " " << c.from << ".." << c.to;
  }
}

TEST(ClueLineTest, LineSettled) {
  const struct {
    const char* line;
    bool whole;
  } cases[] = {
      {"##.x#", true},   // every picture cell open; closed empty cells do not matter
      {"#o...", false},  // a picture cell still closed
      {"xxxxx", true},   // no picture cell: settled only when all is open
      {"xx.xx", false},
  };
  for (const auto& c : cases) {
    LineBoard board(c.line);
    EXPECT_EQ(board.Numbers().LineSettled(Axis::Row, 0, 0, 4), c.whole) << c.line;
  }
}

TEST(ClueLineTest, AWholeLineTestSeesEveryCellOpenedSinceTheLastOne) {
  // The cells at the line's start already seen open are not looked at
  // again; those opened since, anywhere, count.
  LineBoard board("xo.o.");
  GG_NUMBERCROSS& numbers = board.Numbers();
  EXPECT_FALSE(numbers.LineSettled(Axis::Row, 0, 0, 4));
  board.Board().CellAt(0, 3)->OpenAsFilled(0.0);
  EXPECT_FALSE(numbers.LineSettled(Axis::Row, 0, 0, 4));
  board.Board().CellAt(0, 1)->OpenAsFilled(0.0);
  EXPECT_TRUE(numbers.LineSettled(Axis::Row, 0, 0, 4));
  EXPECT_TRUE(numbers.LineSettled(Axis::Row, 0, 0, 4));
  // A line without picture cells needs every cell open.
  LineBoard empty("x.x.x");
  EXPECT_FALSE(empty.Numbers().LineSettled(Axis::Row, 0, 0, 4));
  empty.Board().CellAt(0, 1)->OpenAsEmpty(0.0);
  EXPECT_FALSE(empty.Numbers().LineSettled(Axis::Row, 0, 0, 4));
  empty.Board().CellAt(0, 3)->OpenAsEmpty(0.0);
  EXPECT_TRUE(empty.Numbers().LineSettled(Axis::Row, 0, 0, 4));
  EXPECT_TRUE(empty.Numbers().LineSettled(Axis::Row, 0, 1, 4));
}

TEST(ClueLineTest, FindLongestRun) {
  LineBoard one("..ooo.");
  EXPECT_EQ(GG_NUMBERCROSS::FindLongestRun(one.Numbers().RowRuns(0)), one.Numbers().RowRuns(0)[0]);
  LineBoard unique("o.ooo.oo");
  EXPECT_EQ(GG_NUMBERCROSS::FindLongestRun(unique.Numbers().RowRuns(0)),
            unique.Numbers().RowRuns(0)[1]);
  LineBoard tie("oo.o.oo");
  EXPECT_EQ(GG_NUMBERCROSS::FindLongestRun(tie.Numbers().RowRuns(0)), nullptr);
  EXPECT_EQ(GG_NUMBERCROSS::FindLongestRun({}), nullptr);
}

TEST(ClueLineTest, FitsNowhereElseUsesSignedRanges) {
  // A run that starts in column 0 or 1 has nothing before it; the range
  // must not wrap round to the whole line.
  LineBoard atStart("##.oo.");
  EXPECT_TRUE(atStart.Numbers().FitsNowhereElse(Axis::Row, 0, *atStart.Numbers().RowRuns(0)[0]));
  LineBoard atOne(".##.oo.");
  EXPECT_TRUE(atOne.Numbers().FitsNowhereElse(Axis::Row, 0, *atOne.Numbers().RowRuns(0)[0]));
  // Room for a 2 both before and after.
  LineBoard middle("...##.oo.");
  EXPECT_FALSE(middle.Numbers().FitsNowhereElse(Axis::Row, 0, *middle.Numbers().RowRuns(0)[0]));
  // Nothing after it: the last cells of the line.
  LineBoard atEnd("oo.##");
  EXPECT_TRUE(atEnd.Numbers().FitsNowhereElse(Axis::Row, 0, *atEnd.Numbers().RowRuns(0)[1]));
}

// One update of the row after the line's state was set.
TEST(ClueCrossingTest, EachRule) {
  const struct {
    const char* rule;
    const char* line;
    const char* crossed;
  } cases[] = {
      {"unique longest run", "o.###..", "-X"},
      {"first run that fits nowhere else", "##.oo.", "X-"},
      {"first run with room before it", "...##.oo.", "--"},
      {"last run that fits nowhere else", "oo.##.", "-X"},
      {"last run after a crossed one", "##....##...", "XX"},
      {"middle run after a crossed one", "#.#.....o", "XX-"},
      {"run before a crossed one (next pass)", ".o.#.###", "-XX"},
      {"shorter run before, fits nowhere else", "o.##.oo", "-X-"},
      {"shorter run after, fits nowhere else", "oo.##.o", "-X-"},
      {"cells of the run not all open", "#o.oo.", "--"},
      {"whole line revealed: 3 1", "###..#", "XX"},
      {"whole line revealed with crosses", "###xx#", "XX"},
      {"empty line: its 0 is crossed from the start", "......", "X"},
      {"empty line, all crossed", "xxxxxx", "X"},
  };
  for (const auto& c : cases) {
    LineBoard board(c.line);
    board.Numbers().UpdateCrossed(0, 0);
    EXPECT_EQ(board.Crossed(), c.crossed) << c.rule << ": " << c.line;
  }
}

TEST(ClueCrossingTest, ASettledLineIsCrossedOnce) {
  LineBoard board("###..#");
  EXPECT_TRUE(board.Numbers().UpdateCrossed(0, 0));
  for (NumberRun* run : board.Numbers().RowRuns(0)) {
    EXPECT_TRUE(run->newlyCrossed);
    run->newlyCrossed = 0;  // as the panel does once it has played the cross-out
    run->shownCrossed = 1;
  }
  EXPECT_FALSE(board.Numbers().UpdateCrossed(0, 0));
  for (const NumberRun* run : board.Numbers().RowRuns(0)) {
    EXPECT_FALSE(run->newlyCrossed);
    EXPECT_TRUE(run->crossed);
  }
}

TEST(ClueCrossingTest, OpeningCellsCrossesRowAndColumnAlsoWhenWrong) {
  // 2 2 in a row of seven: the first pair is crossed only once it can be
  // told apart; a wrongly crossed picture cell still counts as revealed.
  LineBoard board("oo.oo..");
  GG_PROCESS& process = board.Board();
  process.ApplyClick(0, 0, 0, 1, true);
  EXPECT_EQ(board.Crossed(), "X-");       // the first run starts in column 0
  process.ApplyClick(0, 3, 0, 3, false);  // a wrong cross on a picture cell
  EXPECT_EQ(board.Crossed(), "X-");
  process.ApplyClick(0, 4, 0, 4, true);
  EXPECT_EQ(board.Crossed(), "XX");
  // Column 3 (one picture cell in row 0) was settled by the wrong cross.
  EXPECT_TRUE(board.Numbers().ColumnRuns(3)[0]->crossed);
}

}  // namespace
}  // namespace game
