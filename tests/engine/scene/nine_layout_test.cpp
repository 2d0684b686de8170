// The nine pieces' places: the middle split into whole-pixel halves, pieces
// touching the middle from every side, a size below the corners giving an
// empty middle, never a negative one.
#include "engine/scene/nine_layout.h"

#include <gtest/gtest.h>

#include "engine/scene/anchor.h"

namespace ORB {
namespace {

// Where the piece at (column, row) of size (w, h) lands: its left and top
// edges from the frame's position, as OC_MESH::SetAnchor places a quad.
struct Edges {
  float left, top;
  bool operator==(const Edges&) const = default;
};
Edges PlacePiece(const NineLayout& layout, int32_t column, int32_t row, float w, float h) {
  const NinePlace place = layout.Place(column, row);
  float fx = 0.0f;
  float fy = 0.0f;
  EXPECT_TRUE(AnchorFractions(place.anchor, &fx, &fy));
  return {-(place.dx + fx * w), -(place.dy + fy * h)};
}

TEST(NineLayout, PiecesTouchTheMiddleOnWholePixels) {
  struct Case {
    float width, height, left, top, right, bottom;
    float middle_w, middle_h, frame_left, frame_top;
  };
  const Case cases[] = {
      {100, 60, 10, 10, 10, 10, 80, 40, -50, -30},
      {101, 61, 10, 8, 12, 6, 79, 47, -49, -31},  // odd middles: 39 | 40, 23 | 24
      {30, 10, 16, 16, 16, 16, 0, 0, -16, -16},   // below the corners: an empty middle
  };
  for (const Case& c : cases) {
    const NineLayout layout(c.width, c.height, c.left, c.top, c.right, c.bottom);
    EXPECT_EQ(layout.MiddleWidth(), c.middle_w);
    EXPECT_EQ(layout.MiddleHeight(), c.middle_h);
    EXPECT_EQ(layout.Left(), c.frame_left);
    EXPECT_EQ(layout.Top(), c.frame_top);
    EXPECT_EQ(layout.Width(), c.left + c.middle_w + c.right);
    EXPECT_EQ(layout.Height(), c.top + c.middle_h + c.bottom);
    // Column and row edges: the frame's left, the middle's, the right column's.
    const float xs[3] = {c.frame_left, c.frame_left + c.left, c.frame_left + c.left + c.middle_w};
    const float ys[3] = {c.frame_top, c.frame_top + c.top, c.frame_top + c.top + c.middle_h};
    const float ws[3] = {c.left, c.middle_w, c.right};
    const float hs[3] = {c.top, c.middle_h, c.bottom};
    for (int32_t row = 0; row < 3; ++row) {
      for (int32_t column = 0; column < 3; ++column) {
        const Edges edges = PlacePiece(layout, column, row, ws[column], hs[row]);
        EXPECT_EQ(edges, (Edges{xs[column], ys[row]}))
            << column << ", " << row << " of " << c.width << " x " << c.height;
        EXPECT_EQ(edges.left, static_cast<float>(static_cast<int32_t>(edges.left)));
      }
    }
  }
  // Columns and rows past the grid count as its edge.
  const NineLayout layout(100, 60, 10, 10, 10, 10);
  EXPECT_EQ(layout.Place(7, -2).anchor, layout.Place(2, 0).anchor);
}

}  // namespace
}  // namespace ORB
