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

}  // namespace ORB::platform
