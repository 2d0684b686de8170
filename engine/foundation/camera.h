#pragma once
// The renderer's camera: a perspective view set up so that one unit in the
// plane z = 0 is one back-buffer pixel, origin at the top-left corner, y
// growing downward; a larger z comes nearer to the viewer.
#include <cstdint>

#include "engine/foundation/matrix4.h"

namespace ORB {

struct Camera {
  Matrix4 world;       // (x, y, z) -> (x, -y, -z); the 2-D and 3-D world alike
  Matrix4 view;
  Matrix4 projection;  // includes the aspect matrix
  Matrix4 aspect;
  float distance = 0.0f;  // eye to the plane z = 0

  // Builds the camera for a back buffer of width x height pixels. far_plane
  // 0 means five times the eye's distance.
  static Camera Build(int32_t width, int32_t height, float near_plane, float far_plane,
                      const Matrix4& aspect = Matrix4::Identity());

  // world x view x projection: from drawn positions to clip space.
  Matrix4 WorldViewProjection() const { return world * view * projection; }
};

}  // namespace ORB
