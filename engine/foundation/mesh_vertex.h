#pragma once
// MeshVertex: the renderer's 36-byte vertex (position, normal, ARGB colour
// word, texture coordinates), the layout every drawable hands to DrawMesh.
#include <cstddef>
#include <cstdint>

#include "engine/foundation/matrix4.h"

namespace ORB {

struct MeshVertex {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
  float nx = 0.0f;
  float ny = 0.0f;
  float nz = 0.0f;
  uint32_t colour = 0;  // ARGB word: bytes B, G, R, A in memory
  float u = 0.0f;
  float v = 0.0f;

  void SetColour(uint32_t argb) { colour = argb; }
  void SetUV(float u_value, float v_value) {
    u = u_value;
    v = v_value;
  }
  // The row vector (x, y, z, 1) times the matrix; the first three components
  // become the new position (no division by the fourth).
  void TransformPosition(const Matrix4& matrix) {
    const float* m = matrix.m;
    const float tx = x * m[0] + y * m[4] + z * m[8] + m[12];
    const float ty = x * m[1] + y * m[5] + z * m[9] + m[13];
    const float tz = x * m[2] + y * m[6] + z * m[10] + m[14];
    x = tx;
    y = ty;
    z = tz;
  }
};

static_assert(sizeof(MeshVertex) == 36, "the vertex is 36 bytes");
static_assert(offsetof(MeshVertex, colour) == 24 && offsetof(MeshVertex, u) == 28);

}  // namespace ORB
