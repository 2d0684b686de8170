#include "game/play/number_cross.h"

#include <algorithm>

#include "game/play/element.h"

namespace game {

GG_NUMBERCROSS::~GG_NUMBERCROSS() = default;

void GG_NUMBERCROSS::Clear() {
  rows_runs_.clear();
  column_runs_.clear();
  row_memos_.clear();
  column_memos_.clear();
  owned_.clear();
  columns_ = 0;
  rows_ = 0;
  cells_ = nullptr;
  crossed_count_ = 0;
}

void GG_NUMBERCROSS::BuildRuns(const Cells* cells, int32_t columns, int32_t rows) {
  Clear();
  if (cells == nullptr || columns <= 0 || rows <= 0 ||
      cells->size() != static_cast<size_t>(columns) * static_cast<size_t>(rows)) {
    return;
  }
  cells_ = cells;
  columns_ = columns;
  rows_ = rows;
  rows_runs_.resize(static_cast<size_t>(rows));
  column_runs_.resize(static_cast<size_t>(columns));

  for (const Axis axis : {Axis::Row, Axis::Column}) {
    const int32_t lines = axis == Axis::Row ? rows : columns;
    const int32_t length = LineLength(axis);
    for (int32_t line = 0; line < lines; ++line) {
      Line& runs = axis == Axis::Row ? rows_runs_[static_cast<size_t>(line)]
                                     : column_runs_[static_cast<size_t>(line)];
      bool previousFilled = false;
      for (int32_t position = 0; position < length; ++position) {
        const bool filled = CellOn(axis, line, position).IsFilled();
        if (filled && previousFilled) {
          NumberRun& run = *runs.back();
          ++run.length;
          (axis == Axis::Row ? run.lastCol : run.lastRow) = static_cast<uint32_t>(position);
        } else if (filled) {
          owned_.push_back(std::make_unique<NumberRun>());
          NumberRun& run = *owned_.back();
          const uint32_t at = static_cast<uint32_t>(position);
          const uint32_t across = static_cast<uint32_t>(line);
          run.firstRow = run.lastRow = axis == Axis::Row ? across : at;
          run.firstCol = run.lastCol = axis == Axis::Row ? at : across;
          run.length = 1;
          runs.push_back(&run);
        }
        previousFilled = filled;
      }
      if (runs.empty()) {
        owned_.push_back(std::make_unique<NumberRun>());
        NumberRun& run = *owned_.back();
        const uint32_t across = static_cast<uint32_t>(line);
        const uint32_t last = static_cast<uint32_t>(length - 1);
        if (axis == Axis::Row) {
          run.firstRow = run.lastRow = across;
          run.lastCol = last;
        } else {
          run.firstCol = run.lastCol = across;
          run.lastRow = last;
        }
        runs.push_back(&run);
        // A line without picture cells is as finished as it will ever be:
        // its 0 is crossed out from the start, as every other number is once
        // its cells are found.
        Cross(run);
      }
    }
  }
  row_memos_.resize(static_cast<size_t>(rows));
  column_memos_.resize(static_cast<size_t>(columns));
  for (int32_t row = 0; row < rows; ++row)
    Memo(Axis::Row, row).longest = FindLongestRun(RowRuns(row));
  for (int32_t col = 0; col < columns; ++col) {
    Memo(Axis::Column, col).longest = FindLongestRun(ColumnRuns(col));
  }
}

const GG_ELEMENT& GG_NUMBERCROSS::CellOn(Axis axis, int32_t line, int32_t position) const {
  const int32_t row = axis == Axis::Row ? line : position;
  const int32_t col = axis == Axis::Row ? position : line;
  return *(
      *cells_)[static_cast<size_t>(col) + static_cast<size_t>(columns_) * static_cast<size_t>(row)];
}

int32_t GG_NUMBERCROSS::RunStart(Axis axis, const NumberRun& run) {
  return static_cast<int32_t>(axis == Axis::Row ? run.firstCol : run.firstRow);
}

int32_t GG_NUMBERCROSS::RunEnd(Axis axis, const NumberRun& run) {
  return static_cast<int32_t>(axis == Axis::Row ? run.lastCol : run.lastRow);
}

bool GG_NUMBERCROSS::AllCrossed() const { return crossed_count_ == owned_.size(); }

NumberRun* GG_NUMBERCROSS::FindLongestRun(const Line& runs) {
  if (runs.empty()) return nullptr;
  if (runs.size() == 1) return runs.front();
  NumberRun* best = runs.front();
  bool tied = false;
  for (size_t i = 1; i < runs.size(); ++i) {
    if (runs[i]->length > best->length) {
      best = runs[i];
      tied = false;
    } else if (runs[i]->length == best->length) {
      tied = true;
    }
  }
  return tied ? nullptr : best;
}

int32_t GG_NUMBERCROSS::LongestOpenStretch(Axis axis, int32_t line, int32_t from,
                                           int32_t to) const {
  int32_t count = 0;
  int32_t best = 0;
  for (int32_t position = std::max(from, 0); position <= to && position < LineLength(axis);
       ++position) {
    const GG_ELEMENT& cell = CellOn(axis, line, position);
    if (!cell.IsOpen()) {
      ++count;
    } else if (cell.IsFilled()) {
      best = std::max(best, count - 1);
      count = -1;
    } else {
      best = std::max(best, count);
      count = 0;
    }
  }
  return std::max(count, best);
}

bool GG_NUMBERCROSS::FitsNowhereElse(Axis axis, int32_t line, const NumberRun& run) const {
  const int32_t length = static_cast<int32_t>(run.length);
  const int32_t start = RunStart(axis, run);
  const int32_t end = RunEnd(axis, run);
  const int32_t afterFrom = start + length + 1;
  const int32_t afterTo = LineLength(axis) - 1;
  if (afterFrom > afterTo) return true;
  if (LongestOpenStretch(axis, line, afterFrom, afterTo) < length) return true;
  const int32_t beforeTo = end - length - 1;
  if (beforeTo < 0) return true;
  return LongestOpenStretch(axis, line, 0, beforeTo) < length;
}

bool GG_NUMBERCROSS::LineSettled(Axis axis, int32_t line, int32_t from, int32_t to) const {
  bool anyFilled = false;
  bool allOpen = true;
  int32_t position = std::max(from, 0);
  // A test from the line's start skips the cells known open, and learns
  // more of them.
  LineMemo* memo = nullptr;
  if (position == 0 && to >= LineLength(axis) - 1 && line >= 0 &&
      line < (axis == Axis::Row ? rows_ : columns_)) {
    memo = &Memo(axis, line);
    position = memo->open_prefix;
    anyFilled = memo->prefix_filled;
  }
  for (; position <= to && position < LineLength(axis); ++position) {
    const GG_ELEMENT& cell = CellOn(axis, line, position);
    if (cell.IsFilled()) {
      if (!cell.IsOpen()) return false;
      anyFilled = true;
    } else if (!cell.IsOpen()) {
      allOpen = false;
    }
    if (memo != nullptr && allOpen) {
      memo->open_prefix = position + 1;
      memo->prefix_filled = anyFilled;
    }
  }
  return anyFilled || allOpen;
}

void GG_NUMBERCROSS::Cross(NumberRun& run) {
  if (run.crossed) return;
  run.crossed = 1;
  run.newlyCrossed = 1;
  ++crossed_count_;
}

bool GG_NUMBERCROSS::UpdateLine(Axis axis, int32_t line) {
  const Line& runs = Runs(axis, line);
  if (runs.empty()) return false;
  if (LineSettled(axis, line, 0, LineLength(axis) - 1)) {
    // Only numbers not crossed yet: crossing one again would replay its
    // cross-out on every later update of the line.
    for (NumberRun* run : runs) Cross(*run);
    return false;
  }
  bool crossed = false;
  const NumberRun* longest = Memo(axis, line).longest;
  const size_t last = runs.size() - 1;
  for (size_t i = 0; i <= last; ++i) {
    NumberRun& run = *runs[i];
    if (run.crossed || !LineSettled(axis, line, RunStart(axis, run), RunEnd(axis, run))) continue;
    const bool fits = FitsNowhereElse(axis, line, run);
    const NumberRun* before = i > 0 ? runs[i - 1] : nullptr;
    const NumberRun* after = i < last ? runs[i + 1] : nullptr;
    const bool identified = &run == longest || (i == 0 && fits) ||
                            (i == last && before != nullptr && (fits || before->crossed)) ||
                            (before != nullptr && after != nullptr && before->crossed) ||
                            (after != nullptr && after->crossed) ||
                            (before != nullptr && fits && before->length < run.length) ||
                            (after != nullptr && fits && after->length < run.length);
    if (identified) {
      Cross(run);
      crossed = true;
    }
  }
  return crossed;
}

bool GG_NUMBERCROSS::UpdateCrossed(int32_t row, int32_t col) {
  if (cells_ == nullptr) return false;
  const bool rowValid = row >= 0 && row < rows_;
  const bool colValid = col >= 0 && col < columns_;
  const size_t crossedBefore = crossed_count_;
  bool again = true;
  while (again) {
    again = false;
    if (rowValid) again = UpdateLine(Axis::Row, row) || again;
    if (colValid) again = UpdateLine(Axis::Column, col) || again;
  }
  return crossed_count_ != crossedBefore;
}

}  // namespace game
