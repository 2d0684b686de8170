#include "engine/foundation/camera.h"

#include <gtest/gtest.h>

namespace ORB {
namespace {

struct ScreenPoint {
  float x;
  float y;
  float depth;  // 0 near .. 1 far
};

// Where a drawn position lands on a back buffer of the size, in pixels from
// the top-left corner.
ScreenPoint Project(const Camera& camera, float x, float y, float z, float width, float height) {
  const Matrix4 m = camera.WorldViewProjection();
  const float cx = x * m.m[0] + y * m.m[4] + z * m.m[8] + m.m[12];
  const float cy = x * m.m[1] + y * m.m[5] + z * m.m[9] + m.m[13];
  const float cz = x * m.m[2] + y * m.m[6] + z * m.m[10] + m.m[14];
  const float cw = x * m.m[3] + y * m.m[7] + z * m.m[11] + m.m[15];
  return {(cx / cw + 1.0f) / 2.0f * width, (1.0f - cy / cw) / 2.0f * height, cz / cw};
}

TEST(Camera, OneUnitIsOnePixelAtDepthZero) {
  const Camera camera = Camera::Build(1024, 768, 0.1f, 0.0f);
  const float points[][2] = {{0, 0}, {1024, 768}, {100.5f, 37.25f}, {1023, 1}, {512, 384}};
  for (const auto& p : points) {
    const ScreenPoint s = Project(camera, p[0], p[1], 0.0f, 1024, 768);
    EXPECT_NEAR(s.x, p[0], 2e-3f) << p[0] << "," << p[1];
    EXPECT_NEAR(s.y, p[1], 2e-3f) << p[0] << "," << p[1];
    EXPECT_GT(s.depth, 0.0f);
    EXPECT_LT(s.depth, 1.0f);
  }
  const Camera small = Camera::Build(320, 200, 0.1f, 0.0f);
  const ScreenPoint corner = Project(small, 320, 200, 0.0f, 320, 200);
  EXPECT_NEAR(corner.x, 320, 1e-3f);
  EXPECT_NEAR(corner.y, 200, 1e-3f);
}

TEST(Camera, LargerDepthComesNearer) {
  const Camera camera = Camera::Build(1024, 768, 0.1f, 0.0f);
  const ScreenPoint flat = Project(camera, 100, 100, 0.0f, 1024, 768);
  const ScreenPoint nearer = Project(camera, 100, 100, 50.0f, 1024, 768);
  EXPECT_LT(nearer.depth, flat.depth);
  // Nearer points spread away from the centre of the screen.
  EXPECT_LT(nearer.x, flat.x);
  EXPECT_LT(nearer.y, flat.y);
  // The far plane defaults to five times the eye's distance.
  const ScreenPoint far_point = Project(camera, 512, 384, -4.0f * camera.distance, 1024, 768);
  EXPECT_NEAR(far_point.depth, 1.0f, 1e-4f);
}

}  // namespace
}  // namespace ORB
