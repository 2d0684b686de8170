#include "engine/foundation/camera.h"

#include <algorithm>
#include <cmath>

namespace ORB {

Camera Camera::Build(int32_t width, int32_t height, float near_plane, float far_plane,
                     const Matrix4& aspect) {
  // The back buffer spans exactly width x height units, so pixel edges fall
  // on whole units and pixel centres on halves: a quad from 0 to 32 covers
  // pixels 0 to 31 and a texel lands on a pixel.
  const float w = static_cast<float>(std::max<int32_t>(width, 1));
  const float h = static_cast<float>(std::max<int32_t>(height, 1));
  constexpr float kQuarterPi = 0.78539816f;
  constexpr float kTanEighthPi = 0.41421357f;

  Camera camera;
  // A yaw of pi with a roll of pi: x stays, y and z turn over. Written out
  // exactly rather than through sines of a rounded pi.
  camera.world = Matrix4::Scaling(1.0f, -1.0f, -1.0f);
  camera.distance = (h / 2.0f) / kTanEighthPi;
  const Vector3 eye(w / 2.0f, -h / 2.0f, -camera.distance);
  const Vector3 at(w / 2.0f, -h / 2.0f, 0.0f);
  camera.view = Matrix4::LookAt(eye, at, Vector3(0.0f, 1.0f, 0.0f));
  const float far_value = far_plane > 0.0f ? far_plane : 5.0f * camera.distance;
  camera.aspect = aspect;
  camera.projection = Matrix4::PerspectiveFov(kQuarterPi, w / h, near_plane, far_value) * aspect;
  return camera;
}

}  // namespace ORB
