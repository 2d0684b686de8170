#include "engine/scene/nine_layout.h"

#include <algorithm>

#include "engine/scene/anchor.h"
#include "engine/scene/truncate.h"

namespace ORB {

NineLayout::NineLayout(float width, float height, float left, float top, float right, float bottom)
    : left_(left),
      top_(top),
      right_(right),
      bottom_(bottom),
      // A negative middle would turn the edges and the middle inside out.
      middle_width_(std::max(0.0f, width - left - right)),
      middle_height_(std::max(0.0f, height - top - bottom)),
      left_half_(static_cast<float>(TruncateToInt(middle_width_ / 2.0f))),
      top_half_(static_cast<float>(TruncateToInt(middle_height_ / 2.0f))) {}

NinePlace NineLayout::Place(int32_t column, int32_t row) const {
  column = std::clamp(column, 0, 2);
  row = std::clamp(row, 0, 2);
  // Each piece touches the middle with its opposite side: the left column
  // with its right edge, the middle column centred, the right column with its
  // left edge (and the same for rows). Pieces centred on an axis move by the
  // odd half pixel of the split.
  const float right_half = middle_width_ - left_half_;
  const float bottom_half = middle_height_ - top_half_;
  const float across[3] = {left_half_, left_half_ - middle_width_ / 2.0f, -right_half};
  const float down[3] = {top_half_, top_half_ - middle_height_ / 2.0f, -bottom_half};
  NinePlace place;
  place.anchor = (2 - row) * 3 + (2 - column);
  place.dx = across[column];
  place.dy = down[row];
  static_assert(HS_DR == 8 && HS_MID == 4 && HS_UL == 0, "anchors count the 3 x 3 grid row by row");
  return place;
}

}  // namespace ORB
