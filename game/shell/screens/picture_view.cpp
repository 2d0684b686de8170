#include "game/shell/screens/picture_view.h"

#include <algorithm>

#include "framework/hot_spot.h"
#include "framework/whole_number.h"

namespace game {

void gPictureView::Load(const pugi::xml_node& node) {
  at_.Parse(node.attribute("at").as_string());
  ORB_GF::ReadNumberAttribute(node, "size", size_, "game");
  size_ = std::max(size_, 0);
  if (const pugi::xml_node cell = node.child("cell")) cell_.Load(cell);
  // One pixel square at its upper-left corner: each cell is drawn scaled to
  // its side.
  cell_.SetSize(1.0f, 1.0f);
  cell_.SetHotSpot(ORB_GF::HS_UL, 0.0f, 0.0f);
}

int32_t gPictureView::CellSide() const {
  const int32_t cells = std::max(picture_.columns, picture_.rows);
  return cells > 0 ? size_ / cells : 0;
}

gPictureView::Cell gPictureView::CellAt(int32_t col, int32_t row) const {
  const int32_t side = CellSide();
  // The picture's upper-left corner, whole pixels, centred on the box.
  const int32_t left = -(side * picture_.columns) / 2;
  const int32_t top = -(side * picture_.rows) / 2;
  return {left + col * side, top + row * side, side};
}

void gPictureView::Draw(const ORB::Vector2& origin) {
  if (CellSide() <= 0 || !cell_.IsLoaded()) return;
  const float x = static_cast<float>(static_cast<int32_t>(origin.x + at_.x));
  const float y = static_cast<float>(static_cast<int32_t>(origin.y + at_.y));
  for (int32_t row = 0; row < picture_.rows; ++row) {
    for (int32_t col = 0; col < picture_.columns; ++col) {
      if (!picture_.IsFilled(col, row)) continue;
      const Cell cell = CellAt(col, row);
      const auto side = static_cast<float>(cell.side);
      cell_.DrawAt(x + static_cast<float>(cell.x), y + static_cast<float>(cell.y), 0.0f, side,
                   side);
    }
  }
}

}  // namespace game
