#include "game/play/drag_state.h"

#include <cstdlib>

#include "engine/foundation/result_codes.h"
#include "engine/foundation/vector2.h"
#include "game/play/element.h"
#include "game/play/process.h"

namespace game {

void gDragState::Move(const GG_PROCESS& board, const ORB::Point& pointer) {
  const BoardSettings* settings = board.Settings();
  if (settings != nullptr &&
      settings->IsOverBoard(static_cast<float>(pointer.x), static_cast<float>(pointer.y))) {
    pointer_over_board_ = true;
    UpdateHover(board, pointer);
    return;
  }
  pointer_over_board_ = false;
  if (!dragging_ && (hovered_row_ != -1 || hovered_col_ != -1)) {
    hovered_row_ = -1;
    hovered_col_ = -1;
    RebuildSelection(nullptr);
  }
}

void gDragState::UpdateHover(const GG_PROCESS& board, const ORB::Point& pointer) {
  const BoardSettings& settings = *board.Settings();
  const float x = static_cast<float>(pointer.x);
  const float y = static_cast<float>(pointer.y);
  int32_t row = -1;
  int32_t col = -1;
  if (dragging_) {
    // A drag always points at a cell: a gap counts as the cell before it.
    row = settings.NearestRowAt(y);
    col = settings.NearestColumnAt(x);
    if (std::abs(row - start_row_) <= std::abs(col - start_col_)) {
      row = start_row_;
    } else {
      col = start_col_;
    }
  } else if (!board.CellUnderPoint(ORB::Vector2(x, y), &row, &col)) {
    row = -1;
    col = -1;
  }
  if (row != hovered_row_ || col != hovered_col_) {
    hovered_row_ = row;
    hovered_col_ = col;
    RebuildSelection(&board);
  }
}

void gDragState::RebuildSelection(const GG_PROCESS* board) {
  if (board != nullptr && dragging_ && start_row_ >= 0 && start_col_ >= 0 && hovered_row_ >= 0 &&
      hovered_col_ >= 0) {
    selection_ = board->CollectSelection(start_row_, start_col_, hovered_row_, hovered_col_);
  } else {
    selection_.clear();
  }
}

int32_t gDragState::Press(const GG_PROCESS& board, const ORB::Point& pointer, int32_t button,
                          bool toolSwitchFill) {
  // The hovered cell follows the pointer as it is now, also when no move was
  // reported since the level started.
  Move(board, pointer);
  if (!pointer_over_board_) return ORB::kResultNone;
  const GG_ELEMENT* cell = board.CellAt(hovered_row_, hovered_col_);
  if (cell == nullptr) return ORB::kResultNotFound;
  if (cell->HitTest(button, pointer) != ORB::kEventSwallowed) return ORB::kResultNone;
  const bool fill = button == 1 ? toolSwitchFill : !toolSwitchFill;
  tool_ = fill ? kToolFill : kToolCross;
  dragging_ = true;
  start_row_ = hovered_row_;
  start_col_ = hovered_col_;
  RebuildSelection(&board);
  return ORB::kEventSwallowed;
}

bool gDragState::Release(Line* line) {
  if (start_row_ < 0 || start_col_ < 0) return false;
  Line result;
  result.start_row = start_row_;
  result.start_col = start_col_;
  result.end_row = hovered_row_ >= 0 ? hovered_row_ : start_row_;
  result.end_col = hovered_col_ >= 0 ? hovered_col_ : start_col_;
  result.fill = tool_ == kToolFill;
  EndDrag();
  if (line != nullptr) *line = result;
  return true;
}

void gDragState::EndDrag() {
  dragging_ = false;
  start_row_ = -1;
  start_col_ = -1;
  selection_.clear();
}

void gDragState::Cancel() {
  EndDrag();
  hovered_row_ = -1;
  hovered_col_ = -1;
}

void gDragState::Clear() {
  Cancel();
  pointer_over_board_ = false;
}

}  // namespace game
