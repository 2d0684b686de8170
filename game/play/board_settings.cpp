#include "game/play/board_settings.h"

#include <cmath>

namespace game {

namespace {

int32_t BlocksAlong(int32_t cells, int32_t block) {
  if (block <= 0) return cells > 0 ? 1 : 0;
  return cells / block + (cells % block != 0 ? 1 : 0);
}

// Index of the cell covering `value` along one axis; -1 in a gap or
// outside. With `nearest`, a gap gives the cell before it and a value
// outside gives the first or the last cell.
int32_t IndexAlong(float value, float origin, float size, int32_t block, int32_t shift,
                   int32_t count, bool nearest) {
  if (count <= 0 || size <= 0.0f) return -1;
  if (block <= 0 || block > count) block = count;
  const double blockSpan = static_cast<double>(block) * size;
  const double pitch = blockSpan - shift;
  const double offset = static_cast<double>(value) - origin;
  if (pitch <= 0.0) return -1;
  if (offset < 0.0) return nearest ? 0 : -1;
  const double blockIndex = std::floor(offset / pitch);
  const double within = offset - blockIndex * pitch;
  if (within > blockSpan && !nearest) return -1;  // in the gap after the block
  int64_t inBlock = static_cast<int64_t>(within / size);
  if (inBlock >= block) inBlock = block - 1;  // the far edge of the block's last cell
  const double index = blockIndex * block + static_cast<double>(inBlock);
  if (index >= count) return nearest ? count - 1 : -1;
  return static_cast<int32_t>(index);
}

}  // namespace

void BoardSettings::ComputeLayout() {
  if (block.x <= 0) block.x = grid.x;
  if (block.y <= 0) block.y = grid.y;
  blocks.x = BlocksAlong(grid.x, block.x);
  blocks.y = BlocksAlong(grid.y, block.y);
  width = static_cast<int32_t>(static_cast<float>(block.x) * elSize.x * static_cast<float>(blocks.x) -
                               static_cast<float>((blocks.x + 1) * shiftBlock.x));
  height = static_cast<int32_t>(static_cast<float>(block.y) * elSize.y * static_cast<float>(blocks.y) -
                                static_cast<float>((blocks.y + 1) * shiftBlock.y));
  frameCorner = position - ORB::Vector2(static_cast<float>(width) / 2.0f,
                                        static_cast<float>(height) / 2.0f);
  origin = frameCorner - ORB::Vector2(static_cast<float>(shiftBlock.x),
                                      static_cast<float>(shiftBlock.y));
}

ORB::Vector2 BoardSettings::CellCentre(int32_t row, int32_t col) const {
  const int32_t blockCol = block.x > 0 ? col / block.x : 0;
  const int32_t blockRow = block.y > 0 ? row / block.y : 0;
  return {origin.x + elSize.x / 2.0f + static_cast<float>(col) * elSize.x -
              static_cast<float>(blockCol * shiftBlock.x),
          origin.y + elSize.y / 2.0f + static_cast<float>(row) * elSize.y -
              static_cast<float>(blockRow * shiftBlock.y)};
}

int32_t BoardSettings::ColumnAt(float x) const {
  return IndexAlong(x, origin.x, elSize.x, block.x, shiftBlock.x, grid.x, false);
}

int32_t BoardSettings::RowAt(float y) const {
  return IndexAlong(y, origin.y, elSize.y, block.y, shiftBlock.y, grid.y, false);
}

int32_t BoardSettings::NearestColumnAt(float x) const {
  return IndexAlong(x, origin.x, elSize.x, block.x, shiftBlock.x, grid.x, true);
}

int32_t BoardSettings::NearestRowAt(float y) const {
  return IndexAlong(y, origin.y, elSize.y, block.y, shiftBlock.y, grid.y, true);
}

bool BoardSettings::IsOverBoard(float x, float y) const {
  // The frame itself: measured from the cell origin instead, a negative block
  // shift would move the area by one gap past the frame's far edges.
  return frameCorner.x <= x && x <= frameCorner.x + static_cast<float>(width) &&
         frameCorner.y <= y && y <= frameCorner.y + static_cast<float>(height);
}

}  // namespace game
