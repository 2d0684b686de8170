#pragma once
// The vertex layouts the drawing device takes. The renderer's own vertex types
// extend these without adding fields, so a drawable's vertices and the
// device's share one layout.
#include <cstddef>
#include <cstdint>

namespace ORB::platform {

// The 36-byte vertex: position, normal, colour as an ARGB word (bytes B, G, R,
// A in memory), texture coordinates.
struct GpuVertex {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
  float nx = 0.0f;
  float ny = 0.0f;
  float nz = 0.0f;
  uint32_t colour = 0;
  float u = 0.0f;
  float v = 0.0f;
};
static_assert(sizeof(GpuVertex) == 36, "the vertex is 36 bytes");
static_assert(offsetof(GpuVertex, colour) == 24 && offsetof(GpuVertex, u) == 28);

// The 20-byte point vertex: position, size in back-buffer pixels, ARGB colour.
struct GpuPoint {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
  float size = 0.0f;
  uint32_t colour = 0;
};
static_assert(sizeof(GpuPoint) == 20, "the point vertex is 20 bytes");
static_assert(offsetof(GpuPoint, size) == 12 && offsetof(GpuPoint, colour) == 16);

}  // namespace ORB::platform
