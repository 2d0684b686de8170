#include "engine/platform/letterbox_fit.h"

#include <algorithm>
#include <cmath>

namespace ORB::platform {

LetterboxFit FitLetterbox(int32_t area_width, int32_t area_height, int32_t image_width,
                          int32_t image_height) {
  LetterboxFit fit;
  fit.width = image_width;
  fit.height = image_height;
  if (area_width <= 0 || area_height <= 0 || image_width <= 0 || image_height <= 0) return fit;
  if (area_width == image_width && area_height == image_height) return fit;
  fit.scale = std::min(static_cast<double>(area_width) / image_width,
                       static_cast<double>(area_height) / image_height);
  fit.width = std::max(1, static_cast<int32_t>(std::lround(image_width * fit.scale)));
  fit.height = std::max(1, static_cast<int32_t>(std::lround(image_height * fit.scale)));
  fit.left = (area_width - fit.width) / 2;
  fit.top = (area_height - fit.height) / 2;
  return fit;
}

void WidenToArea(const float matrix[16], const LetterboxFit& fit, int32_t area_width,
                 int32_t area_height, float out[16]) {
  float widened[16];
  std::copy(matrix, matrix + 16, widened);
  if (area_width > 0 && area_height > 0) {
    // Clip x in the image's square, -1..1 left to right, becomes the area's
    // x of the same pixel; clip y runs bottom to top while `top` counts
    // from the top.
    const float width = static_cast<float>(area_width);
    const float height = static_cast<float>(area_height);
    const float sx = static_cast<float>(fit.width) / width;
    const float tx = static_cast<float>(2 * fit.left + fit.width) / width - 1.0f;
    const float sy = static_cast<float>(fit.height) / height;
    const float ty = 1.0f - static_cast<float>(2 * fit.top + fit.height) / height;
    for (int row = 0; row < 4; ++row) {
      const float w = matrix[row * 4 + 3];
      widened[row * 4 + 0] = matrix[row * 4 + 0] * sx + w * tx;
      widened[row * 4 + 1] = matrix[row * 4 + 1] * sy + w * ty;
    }
  }
  std::copy(widened, widened + 16, out);
}

}  // namespace ORB::platform
