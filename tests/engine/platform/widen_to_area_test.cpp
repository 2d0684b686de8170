// The transform that lets draws reach the bars beside the letterboxed image:
// every point stays on the pixel it had in the image's viewport, and points
// outside the image land in the bars, for wide and tall areas alike.
#include <gtest/gtest.h>

#include <cstdint>

#include "engine/platform/letterbox_fit.h"

namespace ORB::platform {
namespace {

struct Pixel {
  double x;
  double y;
};

// Game coordinates (1024 x 768, y down) to clip space, as rows: x' = x / 512
// - 1, y' = 1 - y / 384, all times `w` (a perspective camera's clip w).
void GameToClip(float w, float m[16]) {
  const float rows[16] = {w / 512.0f, 0, 0, 0, 0, -w / 384.0f, 0, 0, 0, 0, w, 0, -w, w, 0, w};
  for (int i = 0; i < 16; ++i) m[i] = rows[i];
}

// Where the point lands in an area of that size whose viewport is all of it.
Pixel InArea(const float m[16], float x, float y, int32_t width, int32_t height) {
  const double cx = x * m[0] + y * m[4] + m[12];
  const double cy = x * m[1] + y * m[5] + m[13];
  const double cw = x * m[3] + y * m[7] + m[15];
  return {(cx / cw + 1.0) / 2.0 * width, (1.0 - cy / cw) / 2.0 * height};
}

TEST(WidenToAreaTest, PointsKeepTheirPixelsAndTheBarsOpenUp) {
  const struct {
    int32_t width;
    int32_t height;
  } areas[] = {{1366, 768}, {1920, 1080}, {1024, 1366}, {1024, 768}};
  for (const auto& area : areas) {
    const LetterboxFit fit = FitLetterbox(area.width, area.height, 1024, 768);
    for (const float w : {1.0f, 2.5f}) {
      float matrix[16];
      GameToClip(w, matrix);
      float widened[16];
      WidenToArea(matrix, fit, area.width, area.height, widened);
      // The image's corners land on the letterbox's corners.
      const Pixel top_left = InArea(widened, 0, 0, area.width, area.height);
      const Pixel bottom_right = InArea(widened, 1024, 768, area.width, area.height);
      EXPECT_NEAR(top_left.x, fit.left, 1e-3) << area.width << "x" << area.height;
      EXPECT_NEAR(top_left.y, fit.top, 1e-3) << area.width << "x" << area.height;
      EXPECT_NEAR(bottom_right.x, fit.left + fit.width, 1e-3);
      EXPECT_NEAR(bottom_right.y, fit.top + fit.height, 1e-3);
      // The area's own corners are reached from outside the image.
      const double scale = fit.scale;
      const Pixel corner = InArea(widened, static_cast<float>(-fit.left / scale),
                                  static_cast<float>(-fit.top / scale), area.width, area.height);
      EXPECT_NEAR(corner.x, 0.0, 1e-2);
      EXPECT_NEAR(corner.y, 0.0, 1e-2);
    }
  }
}

TEST(WidenToAreaTest, AnAreaWithoutSizeLeavesTheTransformAlone) {
  float matrix[16];
  GameToClip(1.0f, matrix);
  float widened[16];
  WidenToArea(matrix, LetterboxFit{}, 0, 0, widened);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(widened[i], matrix[i]) << i;
  // In place.
  WidenToArea(matrix, FitLetterbox(2048, 768, 1024, 768), 2048, 768, matrix);
  EXPECT_NEAR(InArea(matrix, 0, 0, 2048, 768).x, 512.0, 1e-3);
}

}  // namespace
}  // namespace ORB::platform
