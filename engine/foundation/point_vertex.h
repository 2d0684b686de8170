#pragma once
// PointVertex: the renderer's 20-byte point (position, size in pixels, ARGB
// colour word). A particle record starts with these five words, so the
// renderer can draw particles as they stand.
#include <cstddef>
#include <cstdint>

namespace ORB {

struct PointVertex {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
  float size = 0.0f;
  uint32_t colour = 0;  // ARGB word
};

static_assert(sizeof(PointVertex) == 20, "the point vertex is 20 bytes");
static_assert(offsetof(PointVertex, size) == 12 && offsetof(PointVertex, colour) == 16);

}  // namespace ORB
