#pragma once
// gDragState: the pointer over the board. It keeps the hovered cell, turns a
// press on a cell, the moves that follow and the release into one straight
// line of cells (along the start cell's row or column; the axis with the
// larger distance wins, a tie goes to the row), and keeps the selection that
// line covers for drawing. The gameplay screen owns one and hands it the
// pointer in game coordinates; it reads no globals and opens nothing itself:
// Release answers the line, and the screen opens it.
#include <cstdint>
#include <vector>

#include "engine/foundation/point.h"

namespace game {

class GG_ELEMENT;
class GG_PROCESS;

class gDragState {
 public:
  // Tools of a drag.
  static constexpr int32_t kToolCross = 0;
  static constexpr int32_t kToolFill = 1;

  // The line a release opens: from the start cell to the end cell with the
  // fill tool (`fill`) or the cross tool.
  struct Line {
    int32_t start_row = -1;
    int32_t start_col = -1;
    int32_t end_row = -1;
    int32_t end_col = -1;
    bool fill = true;
  };

  // The pointer moved. Over the board the hovered cell follows it (a gap
  // between blocks hovers nothing, except during a drag, which always
  // points at a cell of its line); off the board the hovered cell goes,
  // unless a drag is under way.
  void Move(const GG_PROCESS& board, const ORB::Point& pointer);
  // A press of `button` (1 takes the tool switch's tool, 2 the other one).
  // The hovered cell follows the pointer first. Answers kEventSwallowed when
  // a drag started on the cell under the pointer, kResultNotFound when the
  // pointer is over the board but no cell is hovered, and kResultNone
  // otherwise (off the board, a locked cell, another button).
  int32_t Press(const GG_PROCESS& board, const ORB::Point& pointer, int32_t button,
                bool toolSwitchFill);
  // The drag ends; false when none was under way. A drag that left the
  // board ends on its last hovered cell.
  bool Release(Line* line);
  // The drag is dropped without opening anything; the hovered cell goes.
  void Cancel();
  // Everything goes (the cells are about to be deleted).
  void Clear();

  bool IsDragging() const { return dragging_; }
  bool IsPointerOverBoard() const { return pointer_over_board_; }
  int32_t HoveredRow() const { return hovered_row_; }
  int32_t HoveredCol() const { return hovered_col_; }
  int32_t StartRow() const { return start_row_; }
  int32_t StartCol() const { return start_col_; }
  int32_t Tool() const { return tool_; }
  // The cells of the line from the start to the hovered cell, in line
  // order; empty without a drag.
  const std::vector<GG_ELEMENT*>& Selection() const { return selection_; }

 private:
  void UpdateHover(const GG_PROCESS& board, const ORB::Point& pointer);
  void RebuildSelection(const GG_PROCESS* board);
  void EndDrag();

  int32_t tool_ = kToolFill;
  int32_t hovered_row_ = -1;
  int32_t hovered_col_ = -1;
  int32_t start_row_ = -1;
  int32_t start_col_ = -1;
  bool pointer_over_board_ = false;
  bool dragging_ = false;
  std::vector<GG_ELEMENT*> selection_;
};

}  // namespace game
