#pragma once
// An axis-aligned quad of mesh vertices, corners clockwise from the top left,
// with the whole texture across it, and the indices of its two triangles.
#include <cstdint>

#include "engine/foundation/renderer.h"

namespace test_support {

inline constexpr uint16_t kQuadIndices[6] = {0, 1, 2, 0, 2, 3};

struct Quad {
  ORB::MeshVertex v[4];
  Quad(float x, float y, float w, float h, uint32_t colour = 0xFFFFFFFFu) {
    const float xs[4] = {x, x + w, x + w, x};
    const float ys[4] = {y, y, y + h, y + h};
    const float us[4] = {0, 1, 1, 0};
    const float vs[4] = {0, 0, 1, 1};
    for (int i = 0; i < 4; ++i) {
      v[i].x = xs[i];
      v[i].y = ys[i];
      v[i].colour = colour;
      v[i].u = us[i];
      v[i].v = vs[i];
    }
  }
};

}  // namespace test_support
