#pragma once
// Where an image of one size goes inside an area of another: the largest
// uniform scale that fits, centred, with bars on the sides that are left. The
// drawing device places its viewport with it and the window maps the pointer
// back through it, so a click lands on the pixel that was drawn there.
#include <cstdint>

namespace ORB::platform {

struct LetterboxFit {
  // The image's rectangle in the area, in whole pixels from the area's
  // top-left corner.
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  // Area pixels per image pixel.
  double scale = 1.0;
};

// The image fills the area at scale 1 when the sizes are equal; either size
// empty gives scale 1 and the image's own size at the origin.
LetterboxFit FitLetterbox(int32_t area_width, int32_t area_height, int32_t image_width,
                          int32_t image_height);

// The vertex transform (16 floats, row-vector order: a point is a row
// multiplied on the left) that puts every point on the same pixel of the
// area when the viewport is the whole area as `matrix` does when the
// viewport is the image's rectangle `fit`: the image's clip square is
// scaled and moved to where the rectangle lies in the area, so points
// outside the image reach the bars. `out` may be `matrix`.
void WidenToArea(const float matrix[16], const LetterboxFit& fit, int32_t area_width,
                 int32_t area_height, float out[16]);

}  // namespace ORB::platform
