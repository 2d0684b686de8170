#pragma once
// NineLayout: where the nine pieces of a frame drawn at any size go. The
// corners keep their size; the edges and the middle take what is left
// between them (never less than nothing), and each piece is anchored against
// the middle so that the frame is centred on its position. The framework's
// nine-part panel and the GUI's PANEL9 both place their pieces with it.
//
// Pieces are named by column and row, 0..2 each, from the top left: (0, 0)
// the upper-left corner, (1, 0) the top edge, (1, 1) the middle, (2, 2) the
// lower-right corner.
//
//   const NineLayout layout(300, 200, 16, 16, 16, 16);   // size, then the corners
//   quad.SetSize(layout.MiddleWidth(), 16);              // the top edge
//   const NinePlace place = layout.Place(1, 0);
//   quad.SetAnchor(place.anchor, place.dx, place.dy);
//
// The middle is split into halves of whole pixels (with an odd middle the
// right and lower halves take the odd pixel), so every piece of a frame at a
// whole-pixel position lies on whole pixels and its texels land on pixels.
#include <cstdint>

namespace ORB {

// A quad's anchor (anchor.h) and the offset added to it.
struct NinePlace {
  int32_t anchor = 0;
  float dx = 0.0f;
  float dy = 0.0f;
};

class NineLayout {
 public:
  // The outer size and the widths of the left and right columns and the
  // heights of the top and bottom rows.
  NineLayout(float width, float height, float left, float top, float right, float bottom);

  // The room between the corners: the size less the corners, at least 0.
  float MiddleWidth() const { return middle_width_; }
  float MiddleHeight() const { return middle_height_; }

  // The anchor and offset that put the piece at (column, row) against the
  // middle, measured from the frame's position. Columns and rows outside
  // 0..2 count as the nearest one.
  NinePlace Place(int32_t column, int32_t row) const;

  // The frame as drawn: its upper-left corner relative to the position and
  // its whole size (the corners and the middle).
  float Left() const { return -(left_half_ + left_); }
  float Top() const { return -(top_half_ + top_); }
  float Width() const { return left_ + middle_width_ + right_; }
  float Height() const { return top_ + middle_height_ + bottom_; }

 private:
  float left_;
  float top_;
  float right_;
  float bottom_;
  float middle_width_;
  float middle_height_;
  float left_half_;  // the middle's part left of the position, whole pixels
  float top_half_;   // and above it
};

}  // namespace ORB
