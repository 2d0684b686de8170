#pragma once
// The clues beside each row and above each column: the lengths of the line's
// runs of picture cells, in order. After every opened cell the row and the
// column of that cell are re-tested, and the numbers the player has
// satisfied are crossed out. A number is crossed once its own cells are all
// open and the open cells around it leave no doubt which number it is; the
// 0 of a line without picture cells is crossed when the runs are built.
#include <cstdint>
#include <memory>
#include <vector>

#include "game/play/number_run.h"

namespace game {

class GG_ELEMENT;

class GG_NUMBERCROSS {
 public:
  enum class Axis { Row, Column };
  using Line = std::vector<NumberRun*>;
  using Cells = std::vector<std::unique_ptr<GG_ELEMENT>>;

  GG_NUMBERCROSS() = default;
  virtual ~GG_NUMBERCROSS();
  GG_NUMBERCROSS(const GG_NUMBERCROSS&) = delete;
  GG_NUMBERCROSS& operator=(const GG_NUMBERCROSS&) = delete;

  // Builds every row's and column's runs from the cells (row-major,
  // columns x rows of them); the cells must outlive the clues or be cleared
  // with them.
  void BuildRuns(const Cells* cells, int32_t columns, int32_t rows);
  // Re-tests the row and the column; true when a number was crossed.
  bool UpdateCrossed(int32_t row, int32_t col);
  void Clear();

  bool Empty() const { return cells_ == nullptr; }
  int32_t Columns() const { return columns_; }
  int32_t Rows() const { return rows_; }
  const Line& RowRuns(int32_t row) const { return rows_runs_[static_cast<size_t>(row)]; }
  const Line& ColumnRuns(int32_t col) const { return column_runs_[static_cast<size_t>(col)]; }
  const Line& Runs(Axis axis, int32_t line) const {
    return axis == Axis::Row ? RowRuns(line) : ColumnRuns(line);
  }
  bool AllCrossed() const;

  // Line tests. `line` is the row or column index; `from` and `to` are
  // positions along it, both included.
  //
  // The first run of greatest length, or null when another run has the same
  // length (a one-run line answers its run; an empty list null).
  static NumberRun* FindLongestRun(const Line& runs);
  // The longest stretch in which a run could still lie: closed cells count,
  // an open cross breaks the stretch, and an open picture cell breaks it and
  // takes a cell from each side (they border another run).
  int32_t LongestOpenStretch(Axis axis, int32_t line, int32_t from, int32_t to) const;
  // Whether the run cannot be the one after it or before it: true when
  // nothing of its length fits in the line after it (one cell apart), or
  // else nothing fits before it.
  bool FitsNowhereElse(Axis axis, int32_t line, const NumberRun& run) const;
  // No closed picture cell in the range and, for a range without picture
  // cells, every cell open.
  bool LineSettled(Axis axis, int32_t line, int32_t from, int32_t to) const;

 private:
  const GG_ELEMENT& CellOn(Axis axis, int32_t line, int32_t position) const;
  int32_t LineLength(Axis axis) const { return axis == Axis::Row ? columns_ : rows_; }
  static int32_t RunStart(Axis axis, const NumberRun& run);
  static int32_t RunEnd(Axis axis, const NumberRun& run);
  // One pass over a line; true when it crossed a run by the rules (a whole
  // settled line does not count).
  bool UpdateLine(Axis axis, int32_t line);
  void Cross(NumberRun& run);

  // What a line keeps from its earlier tests. A cell never closes once
  // open, so the stretch of open cells at a line's start only grows, and a
  // whole-line test starts after it; the longest run of a line never changes.
  struct LineMemo {
    int32_t open_prefix = 0;     // cells from the line's start, all open
    bool prefix_filled = false;  // a picture cell among them
    const NumberRun* longest = nullptr;
  };
  LineMemo& Memo(Axis axis, int32_t line) const {
    return (axis == Axis::Row ? row_memos_ : column_memos_)[static_cast<size_t>(line)];
  }

  std::vector<std::unique_ptr<NumberRun>> owned_;
  std::vector<Line> rows_runs_;
  std::vector<Line> column_runs_;
  mutable std::vector<LineMemo> row_memos_;
  mutable std::vector<LineMemo> column_memos_;
  int32_t columns_ = 0;
  int32_t rows_ = 0;
  const Cells* cells_ = nullptr;
  size_t crossed_count_ = 0;
};

}  // namespace game
