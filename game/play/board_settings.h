#pragma once
// The board's geometry, read from a level file's "settings": where the board
// sits, how large a cell is, how the cells are grouped in blocks and how far
// apart the blocks stand. The gameplay screen owns one record; the board and
// its cells keep a pointer to it.
//
// Cells are laid out row by row; at every block boundary the block shift is
// subtracted, so a negative shift opens a gap between blocks (and one on the
// board's outer edge, between the frame and the first cell).
#include <cstdint>

#include "engine/foundation/point.h"
#include "engine/foundation/vector2.h"

namespace game {

struct BoardSettings {
  // From the level file.
  ORB::Vector2 position;    // centre of the board on screen
  ORB::Vector2 elSize;      // width and height of one cell
  ORB::Point shiftBlock;    // subtracted at every block boundary
  ORB::Point block;         // block width and height in cells (a 0 in the file means one block)
  ORB::Point grid;          // columns (x) and rows (y)
  uint32_t bonuses = 0;     // number of bonus cells

  // Computed by ComputeLayout.
  ORB::Point blocks;         // blocks across and down
  ORB::Vector2 frameCorner;  // top-left of the board frame
  ORB::Vector2 origin;       // top-left of the cell area
  int32_t width = 0;         // board frame size
  int32_t height = 0;

  int32_t Columns() const { return grid.x; }
  int32_t Rows() const { return grid.y; }

  // A block size of 0 stands for one block over the whole axis. Then blocks
  // per axis (a partial block counts), the frame size, its corner and the
  // cell origin.
  void ComputeLayout();

  // Centre of the cell (row, col), following the block shifts.
  ORB::Vector2 CellCentre(int32_t row, int32_t col) const;

  // The column or row whose cell covers the coordinate, through the real
  // block layout; -1 when it lies before the first cell, in a gap between
  // blocks or past the last cell. A cell's edges belong to it.
  int32_t ColumnAt(float x) const;
  int32_t RowAt(float y) const;
  // The same, but a coordinate in a gap gives the cell before the gap, one
  // before the first cell the first cell and one past the last the last: a
  // drag keeps pointing at a cell wherever the pointer goes.
  int32_t NearestColumnAt(float x) const;
  int32_t NearestRowAt(float y) const;

  // Inside the board frame, edges included.
  bool IsOverBoard(float x, float y) const;
};

}  // namespace game
